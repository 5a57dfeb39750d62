// The wrap-around templates of an elbow against the elbow built in space: the pieces' axes tangent
// to the bend's centre line, the joints on its radial planes, each cut met by the pipe's outer
// cylinder point by point.
#include "documents/PezziGomito.h"
#include "exports/DimeDellaCommessa.h"
#include "tests/support/Confronto.h"

#include <QRegularExpression>
#include <QtTest>

#include <array>
#include <cmath>

namespace {
using Vettore = std::array<double, 3>;

double punto(const Vettore &a, const Vettore &b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// How far along its axis from the middle of piece `pezzo` (1-based) the outer cylinder of radius
// `r` meets the joint towards `vicino`, at angle `a` round the axis from the back.
double QuotaSulTaglio(double R, double mezzo, int pezzo, int vicino, double r, double a)
{
    const double psi = (2 * pezzo - 2) * mezzo, giunto = (2 * std::min(pezzo, vicino) - 1) * mezzo;
    const Vettore centro{R * std::cos(psi), R * std::sin(psi), 0}, asse{-std::sin(psi), std::cos(psi), 0};
    const Vettore fuori{std::cos(psi), std::sin(psi), 0}, su{0, 0, 1};
    const Vettore normale{-std::sin(giunto), std::cos(giunto), 0}; // the joint's plane holds the bend's axis
    // normale . (centro + u asse + r (cos a fuori + sin a su)) = 0
    const double resto =
        punto(normale, centro) + r * (std::cos(a) * punto(normale, fuori) + std::sin(a) * punto(normale, su));
    return -resto / punto(normale, asse);
}
} // namespace

class TestDimeAvvolgenti : public QObject {
    Q_OBJECT

private slots:
    // Ø300 inside, a 3 mm plate, R 450, 90°, 4 pieces: six templates on the Ø306 outer surface,
    // each point's height above the straight edge the 3D cut's, the band once round the pipe.
    void gomitoCostante()
    {
        GomitoCommessa gomito;
        gomito.figure = {300, 300, 450, 90, 4, 0};
        FigureSviluppo lamiera;
        lamiera.TestoSpessore = QStringLiteral("3");
        lamiera.Quote = QuoteLamiera::Interne;
        const auto commessa = CommessaDelGomito(QStringLiteral("Gomito"), gomito, lamiera);
        QVERIFY(commessa);
        const auto dime = DimeDellaCommessa(*commessa);
        QVERIFY(dime);
        QCOMPARE(dime->size(), std::size_t(6));

        const double r = 153, mezzo = M_PI / 12, margine = 30;
        const QRegularExpression nome(QStringLiteral("^Pezzo (\\d) - taglio verso il pezzo (\\d)$"));
        for (const DimaDellaCommessa &d : *dime) {
            const auto trovato = nome.match(d.nome);
            QVERIFY2(trovato.hasMatch(), qPrintable(d.nome));
            const int pezzo = trovato.captured(1).toInt(), vicino = trovato.captured(2).toInt();
            QCOMPARE(std::abs(pezzo - vicino), 1);
            QVERIFY(!d.dima.cono);
            QCOMPARE_VICINO(d.dima.lunghezza, M_PI * 306, 1e-6);
            QCOMPARE_VICINO(d.dima.riferimento.back().x - d.dima.riferimento.front().x, M_PI * 306, 1e-6);

            // The straight edge lies square to the axis, inside the piece, 30 mm past the cut's
            // nearest point; the piece's middle is on the far side of the cut from the joint.
            std::vector<double> quote;
            for (int i = 0; i <= 360; ++i)
                quote.push_back(QuotaSulTaglio(450, mezzo, pezzo, vicino, r, i * M_PI / 180));
            const bool avanti = quote.front() > 0;
            const double riferimento = avanti ? *std::min_element(quote.begin(), quote.end()) - margine
                                              : *std::max_element(quote.begin(), quote.end()) + margine;
            QVERIFY(d.dima.taglio.size() > 100);
            for (const PuntoPiano &p : d.dima.taglio) {
                const double u = QuotaSulTaglio(450, mezzo, pezzo, vicino, r, p.x / r);
                QCOMPARE_VICINO(p.y, std::fabs(u - riferimento), 1e-6);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDimeAvvolgenti)
#include "TestDimeAvvolgenti.moc"

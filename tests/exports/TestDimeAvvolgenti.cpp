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

Vettore somma(const Vettore &a, const Vettore &b, double k)
{
    return {a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2]};
}

// One piece's outer cone in space, built from its workshop figures alone: the axis is z, O1 at the
// origin, the back towards +x. The plate lies outside the inner surface, so the outer cone is the
// inner one moved out by `spessore` square to its side: same half angle, apex moved back along the
// axis by spessore / sin.
struct ConoEsterno {
    Vettore apice, asse; // `asse` from the apex into the cone
    double seno = 0, coseno = 0;
    Vettore origine, normale; // the cut's plane

    ConoEsterno(const FigureOfficina &f, double spessore, bool base)
    {
        const double k = (f.D2 - f.D1) / (2 * f.H), alfa = std::atan(std::fabs(k));
        seno = std::sin(alfa);
        coseno = std::cos(alfa);
        asse = {0, 0, k > 0 ? 1.0 : -1.0};
        apice = somma({0, 0, -f.D1 / (2 * k)}, asse, -spessore / seno);
        const double taglio = (base ? f.Taglio1 : f.Taglio2) * M_PI / 180;
        origine = {0, 0, base ? 0 : f.H};
        normale = {-std::sin(taglio), 0, std::cos(taglio)}; // positive raises the back
    }
    Vettore generatrice(double a) const
    {
        return somma(Vettore{seno * std::cos(a), seno * std::sin(a), 0}, asse, coseno);
    }
    // The slant distance from the apex where the generator at `a` round the axis meets the cut.
    double SulTaglio(double a) const
    {
        return punto(normale, somma(origine, apice, -1)) / punto(normale, generatrice(a));
    }
    // Which side of the cut the point at slant `s` on the generator at `a` lies: > 0 towards O2.
    double lato(double a, double s) const
    {
        return punto(normale, somma(somma(apice, generatrice(a), s), origine, -1));
    }
};

// The job of an elbow rolled from a 3 mm plate, its diameters inside.
std::optional<Commessa> GomitoDaTreMillimetri(const FigureGomito &figure)
{
    GomitoCommessa gomito;
    gomito.figure = figure;
    FigureSviluppo lamiera;
    lamiera.TestoSpessore = QStringLiteral("3");
    lamiera.Quote = QuoteLamiera::Interne;
    return CommessaDelGomito(QStringLiteral("Gomito"), gomito, lamiera);
}

double AngoloSviluppato(const PuntoPiano &p)
{
    const double fi = std::atan2(p.y, p.x);
    return fi < 0 ? fi + 2 * M_PI : fi;
}
} // namespace

class TestDimeAvvolgenti : public QObject {
    Q_OBJECT

private slots:
    // Ø300 inside, a 3 mm plate, R 450, 90°, 4 pieces: six templates on the Ø306 outer surface,
    // each point's height above the straight edge the 3D cut's, the band once round the pipe.
    void gomitoCostante()
    {
        const auto commessa = GomitoDaTreMillimetri({300, 300, 450, 90, 4, 0});
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

    // Ø400 -> Ø250 inside, a 3 mm plate, R 600, 90°, 5 pieces: every cut of every piece against its
    // own outer cone in space, the cut met generator by generator and developed about the apex.
    void gomitoRiduzione()
    {
        const auto commessa = GomitoDaTreMillimetri({400, 250, 600, 90, 5, 0});
        QVERIFY(commessa);
        QCOMPARE(commessa->pezzi.size(), std::size_t(5));
        const double margine = 30;
        for (const SorgentePezzo &pezzo : commessa->pezzi) {
            QVERIFY(pezzo.tronco.Officina);
            const FigureOfficina &f = *pezzo.tronco.Officina;
            for (const bool base : {true, false}) {
                const auto dima =
                    DimaDelTaglio(f, 3, QuoteLamiera::Interne, base ? TaglioDima::Base : TaglioDima::Cima);
                QVERIFY(dima);
                QVERIFY(dima->cono);
                const ConoEsterno cono(f, 3, base);
                const double giro = 2 * M_PI * cono.seno; // the developed angle of once round

                QVERIFY(dima->taglio.size() > 100);
                QCOMPARE(AngoloSviluppato(dima->taglio.front()), 0.0);
                QCOMPARE_VICINO(AngoloSviluppato(dima->taglio.back()), giro, 1e-9);
                double vicino = 1e300, lontano = 0, prima = -1;
                for (const PuntoPiano &p : dima->taglio) {
                    const double fi = AngoloSviluppato(p);
                    QVERIFY(fi > prima);
                    prima = fi;
                    const double atteso = cono.SulTaglio(fi / cono.seno);
                    QCOMPARE_VICINO(std::hypot(p.x, p.y), atteso, 1e-6);
                    vicino = std::min(vicino, atteso);
                    lontano = std::max(lontano, atteso);
                }

                // The reference: one arc, once round, on the piece's side, 30 mm past the cut.
                const double raggio = dima->raggioRiferimento;
                QCOMPARE_VICINO(std::min(std::fabs(raggio - vicino), std::fabs(raggio - lontano)), margine, 1e-6);
                QCOMPARE_VICINO(dima->lunghezza, giro * raggio, 1e-6);
                QCOMPARE_VICINO(AngoloSviluppato(dima->riferimento.back()), giro, 1e-9);
                for (const PuntoPiano &p : dima->riferimento) {
                    QCOMPARE_VICINO(std::hypot(p.x, p.y), raggio, 1e-6);
                    const double lato = cono.lato(AngoloSviluppato(p) / cono.seno, raggio);
                    QVERIFY2(base ? lato > 0 : lato < 0, "the reference lies outside the piece");
                }
                // Square to the axis at O the outer surface lies the plate's thickness out along
                // the normal: 3 / cos of the half angle further out than the inner radius.
                const double dentro = (base ? f.D1 : f.D2) / 2;
                QCOMPARE_VICINO(dima->diametroEsterno, 2 * (dentro + 3 / cono.coseno), 1e-6);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDimeAvvolgenti)
#include "TestDimeAvvolgenti.moc"

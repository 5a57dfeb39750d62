// The eccentric reducer's piece: the concentric one is today's right cone, the seam lands where
// asked, and the outline for cutting keeps to the exact edges.
#include "geometry/TestiOfficina.h"
#include "pieces/PezzoConoObliquo.h"
#include "pieces/PezzoDelTronco.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

double distanza(PuntoPiano a, PuntoPiano b) { return std::hypot(a.x - b.x, a.y - b.y); }

// The true length of the generator at base angle t, from the solid's two circles.
double vera(const ConoObliquo &c, double t)
{
    const double r1 = c.D1 / 2, r2 = c.D2 / 2;
    return std::hypot(c.Scostamento + r2 * std::cos(t) - r1 * std::cos(t), (r2 - r1) * std::sin(t), c.H);
}
} // namespace

class TestPezzoConoObliquo : public QObject {
    Q_OBJECT
private slots:
    // With no offset the blank is the one the right cone's development draws from the same
    // diameters and height, point for point. Its 62 points repeat the middle generator.
    void concentrico()
    {
        PiattaformaFinta finta;
        for (const bool conPiastra : {false, true}) {
            const ConoObliquo c{600, 300, 400, 0, conPiastra ? 8.0 : 0.0, QuoteLamiera::Interne};
            FigureSviluppo figure;
            figure.Nome = QStringLiteral("Riduzione");
            figure.ImpostaChiusura(QStringLiteral("T"));
            figure.Quote = c.Quote;
            figure.TestoSpessore = conPiastra ? QStringLiteral("8") : QString();
            ImpostaOfficina(figure, FigureOfficina{c.D1, c.D2, c.H, 0, 0});
            const auto retto = PezzoDelTronco(figure);
            const auto obliquo = PezzoConoObliquo(c, {});
            QVERIFY(retto && obliquo);
            QVERIFY(obliquo->settore);
            QVERIFY(std::fabs(obliquo->angoloSettore - retto->angoloSettore) < 1e-7);
            for (const bool ab : {true, false}) {
                auto atteso = (ab ? retto->bordoAB : retto->bordoCD).Campioni(62);
                atteso.erase(atteso.begin() + 31);
                const auto punti = (ab ? obliquo->bordoAB : obliquo->bordoCD).Campioni(61);
                QCOMPARE(punti.size(), atteso.size());
                for (std::size_t i = 0; i < punti.size(); ++i)
                    QVERIFY2(distanza(punti[i], atteso[i]) < 1e-6, qPrintable(QString::number(i)));
            }
        }
        finta.verifica(__FILE__, __LINE__);
    }

    // The seam on the shortest generator, the longest, or at a typed angle, each found here
    // by measuring the solid all round.
    void cucitura()
    {
        const ConoObliquo c{600, 300, 400, 90};
        double corta = HUGE_VAL, lunga = 0;
        for (int i = 0; i < 3600; ++i) {
            corta = std::min(corta, vera(c, 2 * k_Pi * i / 3600));
            lunga = std::max(lunga, vera(c, 2 * k_Pi * i / 3600));
        }
        const struct {
            Cucitura cucitura;
            double lunghezza;
        } casi[] = {{{TipoCucitura::Corta, 0}, corta},
                    {{TipoCucitura::Lunga, 0}, lunga},
                    {{TipoCucitura::Angolo, 90}, vera(c, k_Pi / 2)}};
        for (const auto &caso : casi) {
            const auto pezzo = PezzoConoObliquo(c, caso.cucitura);
            QVERIFY(pezzo);
            const Generatrice &prima = pezzo->generatrici.front(), &ultima = pezzo->generatrici.back();
            QVERIFY(std::fabs(distanza(prima.ab, prima.cd) - caso.lunghezza) < 1e-9);
            QVERIFY(std::fabs(distanza(ultima.ab, ultima.cd) - caso.lunghezza) < 1e-9);
            QVERIFY(std::fabs(pezzo->valori.CD - caso.lunghezza) < 1e-9);
        }
    }

    // The outline written for cutting: every chord's middle within the tolerance of the exact
    // edge's point halfway between its ends.
    void perTaglio()
    {
        for (const ConoObliquo &c : {ConoObliquo{600, 300, 400, 150}, ConoObliquo{400, 400, 900, 350}}) {
            const auto pezzo = PezzoConoObliquo(c, {TipoCucitura::Lunga, 0});
            QVERIFY(pezzo);
            const auto campionato = CampionaPerTaglio(*pezzo);
            QVERIFY(campionato);
            for (const bool ab : {true, false}) {
                const auto &bordo = ab ? campionato->profilo.bordoAB : campionato->profilo.bordoCD;
                const auto fitto = (ab ? pezzo->bordoAB : pezzo->bordoCD).Campioni(int(2 * bordo.size() - 1));
                QCOMPARE(fitto.size(), 2 * bordo.size() - 1);
                double peggiore = 0;
                for (std::size_t i = 0; i + 1 < bordo.size(); ++i) {
                    const PuntoPiano mezzo{(bordo[i].x + bordo[i + 1].x) / 2, (bordo[i].y + bordo[i + 1].y) / 2};
                    peggiore = std::max(peggiore, distanza(mezzo, fitto[2 * i + 1]));
                }
                QVERIFY2(peggiore < k_TolleranzaDxf, qPrintable(QString::number(peggiore)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPezzoConoObliquo)
#include "TestPezzoConoObliquo.moc"

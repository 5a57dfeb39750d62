// A piece's edges sampled to a tolerance: on the solid built in space, and for any parametric curve.
#include "pieces/PezzoDelTronco.h"
#include "tests/geometry/Figure.h"
#include "tests/geometry/Solido3D.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

FigureSviluppo figureDi(const Figure &f)
{
    StatoSviluppo s;
    ImpostaFigure(s, f);
    return s;
}

// The angle around the axis of a developed point: a cone unrolls phi to phi sin(half-angle)
// around its apex, a cylinder to r phi along x.
double phiDel(const Solido3D &solido, PuntoPiano p)
{
    if (!solido.cono())
        return p.x / solido.raggio();
    const double apertura = 2 * k_Pi * std::sin(solido.semiApertura());
    double psi = std::atan2(p.y, p.x);
    if (psi < 0)
        psi += 2 * k_Pi;
    if (psi > apertura + 1e-9)
        psi -= 2 * k_Pi;
    return psi / std::sin(solido.semiApertura());
}

// How far `p` lies from the cut of the solid it was developed from, measured along the generator
// (never less than the distance to the exact edge).
double scarto(const Solido3D &solido, PuntoPiano p, bool ab)
{
    const double phi = phiDel(solido, p);
    const double esatto = ab ? solido.TaglioAB(phi) : solido.TaglioCD(phi);
    return std::fabs((solido.cono() ? std::hypot(p.x, p.y) : p.y) - esatto);
}

double distanzaDallaCorda(PuntoPiano p, PuntoPiano a, PuntoPiano b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}
} // namespace

class TestPezzo : public QObject {
    Q_OBJECT
private slots:
    void sulSolido_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::newRow("cone both cuts oblique") << Figure{"80", "100", "60", "50", "70", "T"};
        QTest::newRow("cone steep top cut") << Figure{"10", "100", "190", "100", "50"};
        QTest::newRow("cone large, one side upright") << Figure{"3000", "5000", "2000", "60", "90"};
        QTest::newRow("cylinder oblique") << Figure{"60", "100", "40", "80", "100"};
    }
    // Every sample and the middle of every chord of the outline written for cutting lie within
    // the tolerance of the cuts of the solid built in space.
    void sulSolido()
    {
        QFETCH(Figure, figure);
        PiattaformaFinta finta;
        const auto pezzo = PezzoDelTronco(figureDi(figure));
        QVERIFY(pezzo);
        const auto campionato = CampionaPerTaglio(*pezzo);
        QVERIFY(campionato);
        const Solido3D solido(figure);
        QCOMPARE(pezzo->settore, solido.cono());
        for (const bool ab : {true, false}) {
            const auto &bordo = ab ? campionato->profilo.bordoAB : campionato->profilo.bordoCD;
            QVERIFY(bordo.size() > 62);
            double peggiore = 0, peggioreCorda = 0;
            for (std::size_t i = 0; i < bordo.size(); ++i) {
                peggiore = std::max(peggiore, scarto(solido, bordo[i], ab));
                if (i > 0) {
                    const PuntoPiano m{(bordo[i - 1].x + bordo[i].x) / 2, (bordo[i - 1].y + bordo[i].y) / 2};
                    peggioreCorda = std::max(peggioreCorda, scarto(solido, m, ab));
                }
            }
            QVERIFY2(peggiore < 1e-6, qPrintable(QString::number(peggiore)));
            QVERIFY2(peggioreCorda <= k_TolleranzaDxf, qPrintable(QString::number(peggioreCorda)));
        }
        VERIFICA_COPIONE(finta);
    }

    // A piece of any producer: edges given by their curves alone are sampled within the asked
    // tolerance, and an exact arc round the apex is known as one.
    void bordiParametrici()
    {
        constexpr double raggio = 500, giro = 1.5 * k_Pi;
        const auto arco = [](double t) { return PuntoPiano{raggio * std::cos(giro * t), raggio * std::sin(giro * t)}; };
        const auto ellisse = [](double t) { return PuntoPiano{300 * std::cos(giro * t), 120 * std::sin(giro * t)}; };
        Pezzo pezzo;
        pezzo.settore = true;
        pezzo.bordoAB = BordoParametrico(arco);
        pezzo.bordoCD = BordoParametrico(ellisse);
        for (const double obiettivo : {0.05, 0.0025}) {
            const auto campionato = CampionaPerTaglio(pezzo, obiettivo);
            QVERIFY(campionato);
            const ProfiloSviluppo &p = campionato->profilo;
            QVERIFY(p.arcoAB);
            QVERIFY(!p.arcoCD);
            QVERIFY(std::fabs(p.raggioAB - raggio) < 1e-9);
            // Between two samples the curve itself, looked at closely, stays near their chord.
            const std::pair<const std::vector<PuntoPiano> *, std::function<PuntoPiano(double)>> bordi[] = {
                {&p.bordoAB, arco}, {&p.bordoCD, ellisse}};
            for (const auto &[bordo, curva] : bordi) {
                const double passi = double(bordo->size() - 1);
                QVERIFY(std::hypot(bordo->back().x - curva(1).x, bordo->back().y - curva(1).y) < 1e-9);
                double peggiore = 0;
                for (std::size_t i = 1; i < bordo->size(); ++i)
                    for (int j = 1; j < 20; ++j) {
                        const PuntoPiano q = curva((double(i - 1) + j / 20.0) / passi);
                        peggiore = std::max(peggiore, distanzaDallaCorda(q, (*bordo)[i - 1], (*bordo)[i]));
                    }
                QVERIFY2(peggiore <= 2 * obiettivo, qPrintable(QString::number(peggiore)));
                QVERIFY2(peggiore > obiettivo / 10, "sampled far finer than asked");
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPezzo)
#include "TestPezzo.moc"

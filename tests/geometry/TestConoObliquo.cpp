// The eccentric reducer's exact development against constructions made here from the solid in
// space: edge lengths, true lengths, a triangulation made ever finer, the plate's faces.
#include "geometry/ConoObliquo.h"
#include "geometry/FacceConoObliquo.h"
#include "geometry/ValidaConoObliquo.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(ConoObliquo)
Q_DECLARE_METATYPE(TestiConoObliquo)

namespace {
constexpr double k_Pi = 3.14159265358979323846;

struct P3 {
    double x, y, z;
};
double distanza(P3 a, P3 b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}
// The solid as described: two circles, the top one offset along x.
P3 base(const ConoObliquo &c, double t) { return {c.D1 / 2 * std::cos(t), c.D1 / 2 * std::sin(t), 0}; }
P3 cima(const ConoObliquo &c, double t)
{
    return {c.Scostamento + c.D2 / 2 * std::cos(t), c.D2 / 2 * std::sin(t), c.H};
}

double distanza(PuntoPiano a, PuntoPiano b) { return std::hypot(a.x - b.x, a.y - b.y); }

double corde(const std::vector<GeneratoreSviluppato> &g, bool ab)
{
    double somma = 0;
    for (std::size_t i = 1; i < g.size(); ++i)
        somma += ab ? distanza(g[i].ab, g[i - 1].ab) : distanza(g[i].cd, g[i - 1].cd);
    return somma;
}

// The point at distance ra from a and rb from b, on the side `lato` of a -> b.
PuntoPiano terzoVertice(PuntoPiano a, PuntoPiano b, double ra, double rb, double lato)
{
    const double d = distanza(a, b);
    const double ux = (b.x - a.x) / d, uy = (b.y - a.y) / d;
    const double x = (ra * ra - rb * rb + d * d) / (2 * d);
    const double h = std::sqrt(std::max(0.0, ra * ra - x * x));
    return {a.x + x * ux - lato * h * uy, a.y + x * uy + lato * h * ux};
}

// The workshop's construction: N divisions, each quadrilateral split into two triangles laid flat
// from their true sides, starting on the exact seam. Base points in `ab`, top points in `cd`.
struct Triangolato {
    std::vector<PuntoPiano> ab, cd;
};
Triangolato triangola(const ConoObliquo &c, const SviluppoObliquo &esatto, double teta0, int n)
{
    Triangolato t;
    t.ab.push_back(esatto.generatori.front().ab);
    t.cd.push_back(esatto.generatori.front().cd);
    const PuntoPiano a = t.ab[0], cc = t.cd[0], b1 = esatto.generatori[1].ab;
    const double lato = ((cc.x - a.x) * (b1.y - a.y) - (cc.y - a.y) * (b1.x - a.x)) > 0 ? 1 : -1;
    for (int k = 0; k < n; ++k) {
        const double t0 = teta0 + 2 * k_Pi * k / n, t1 = teta0 + 2 * k_Pi * (k + 1) / n;
        const PuntoPiano pb = t.ab.back(), pc = t.cd.back();
        const PuntoPiano nb =
            terzoVertice(pb, pc, distanza(base(c, t0), base(c, t1)), distanza(cima(c, t0), base(c, t1)), lato);
        const PuntoPiano nc =
            terzoVertice(nb, pc, distanza(base(c, t1), cima(c, t1)), distanza(cima(c, t0), cima(c, t1)), lato);
        t.ab.push_back(nb);
        t.cd.push_back(nc);
    }
    return t;
}

// How far the triangulated base points lie from the exact development at the same base angles.
double scartoTriangolazione(const ConoObliquo &c, double teta0, int n)
{
    const SviluppoObliquo esatto = SviluppaConoObliquo(c, teta0, n + 1);
    const Triangolato t = triangola(c, esatto, teta0, n);
    double peggiore = 0;
    for (int k = 0; k <= n; ++k)
        peggiore = std::max(peggiore, distanza(t.ab[std::size_t(k)], esatto.generatori[std::size_t(k)].ab));
    return peggiore;
}

const ConoObliquo k_Campione{1000, 500, 600, 250};
} // namespace

class TestConoObliquo : public QObject {
    Q_OBJECT
private slots:
    void solidi_data()
    {
        QTest::addColumn<ConoObliquo>("c");
        QTest::addColumn<double>("seam");
        QTest::newRow("concentric") << ConoObliquo{600, 300, 400, 0} << 0.0;
        QTest::newRow("one side upright") << ConoObliquo{600, 300, 400, 150} << 0.0;
        QTest::newRow("beyond the upright side") << ConoObliquo{1000, 500, 600, 700} << 3.0;
        QTest::newRow("small, steep") << ConoObliquo{50, 20, 15, -30} << 1.0;
        QTest::newRow("large") << ConoObliquo{5000, 3200, 2500, 1200} << 2.0;
        QTest::newRow("widening upwards") << ConoObliquo{300, 600, 400, 200} << 0.5;
        QTest::newRow("nearly a cylinder") << ConoObliquo{800, 799.9999, 1000, 300} << 0.0;
        QTest::newRow("oblique cylinder") << ConoObliquo{400, 400, 900, 350} << 0.0;
    }
    // Each developed edge is as long as the circle it rolls back into: the chords of the sampled
    // edge at two densities, extrapolated (their error falls as the square of the step).
    void solidi()
    {
        QFETCH(ConoObliquo, c);
        QFETCH(double, seam);
        const SviluppoObliquo fine = SviluppaConoObliquo(c, seam, 8001), grosso = SviluppaConoObliquo(c, seam, 4001);
        QVERIFY(!fine.generatori.empty());
        for (const bool ab : {true, false}) {
            const double lunghezza = (4 * corde(fine.generatori, ab) - corde(grosso.generatori, ab)) / 3;
            const double atteso = k_Pi * (ab ? c.D1 : c.D2);
            QVERIFY2(std::fabs(lunghezza - atteso) < 1e-6,
                     qPrintable(QStringLiteral("%1: %2 mm").arg(ab ? "AB" : "CD").arg(lunghezza - atteso)));
        }
        // The generators keep their true length, the 3D distance between the ends.
        for (const GeneratoreSviluppato &g : fine.generatori) {
            const double vera = distanza(base(c, g.teta), cima(c, g.teta));
            QVERIFY(std::fabs(distanza(g.ab, g.cd) - vera) < 1e-6);
            QVERIFY(std::fabs(g.lunghezza - vera) < 1e-9 * vera);
        }
    }

    // The workshop's triangulation falls short on the base edge by about pi D pi² / (6 N²), and its
    // points close in on the exact development as N grows, four times closer each time N doubles.
    void triangolazione()
    {
        const ConoObliquo &c = k_Campione;
        const struct {
            int n;
            double corto;
        } attesi[] = {{12, 36}, {24, 9}, {48, 2.2}, {120, 0.36}};
        for (const auto &a : attesi) {
            const SviluppoObliquo esatto = SviluppaConoObliquo(c, 0, a.n + 1);
            const Triangolato t = triangola(c, esatto, 0, a.n);
            double somma = 0;
            for (std::size_t k = 1; k < t.ab.size(); ++k)
                somma += distanza(t.ab[k], t.ab[k - 1]);
            const double corto = k_Pi * c.D1 - somma;
            qInfo("N = %d: triangulated base edge short by %.3f mm, points off by up to %.3f mm", a.n, corto,
                  scartoTriangolazione(c, 0, a.n));
            QVERIFY(std::fabs(corto - a.corto) < 0.1 * a.corto);
        }
        double precedente = scartoTriangolazione(c, 0, 250);
        for (const int n : {500, 1000, 2000}) {
            const double scarto = scartoTriangolazione(c, 0, n);
            QVERIFY2(precedente / scarto > 3.6 && precedente / scarto < 4.4,
                     qPrintable(QStringLiteral("%1 -> %2").arg(precedente).arg(scarto)));
            precedente = scarto;
        }
        QVERIFY(precedente < 0.01);
    }

    // The concentric reducer's ends are cones' ends: round, the outer one wider by the thickness
    // over the cosine of the side's slope to the axis. Offset, they are not round any more.
    void facciaEsterna()
    {
        const double t = 10;
        const ConoObliquo retto{1000, 500, 600, 0, t, QuoteLamiera::Medie};
        const OvalizzazioneFacce o = OvalizzazioneFacciaEsterna(retto);
        const double coseno = 600 / std::hypot(600, 250);
        QVERIFY(std::fabs(o.base.diametroMassimo - (1000 + t / coseno)) < 1e-6);
        QVERIFY(std::fabs(o.cima.diametroMinimo - (500 + t / coseno)) < 1e-3);
        QVERIFY(o.base.Scarto() < 1e-3 && o.cima.Scarto() < 1e-3);
        ConoObliquo obliquo = k_Campione;
        obliquo.Spessore = t;
        const OvalizzazioneFacce f = OvalizzazioneFacciaEsterna(obliquo);
        qInfo("Ø1000/Ø500/H600/e250 t10: outer face's base %.3f x %.3f, top %.3f x %.3f mm", f.base.diametroMassimo,
              f.base.diametroMinimo, f.cima.diametroMassimo, f.cima.diametroMinimo);
        QVERIFY(f.base.Scarto() > 0.01 && f.cima.Scarto() > 0.01);
        // The typed face ends as long as its circles, so (Cauchy) its mean width is the typed
        // diameter: between the widest and the narrowest.
        QVERIFY(f.base.diametroMinimo < 1000 && 1000 < f.base.diametroMassimo);
        QVERIFY(f.cima.diametroMinimo < 500 && 500 < f.cima.diametroMassimo);
    }

    // Across the generators: the cylinder's section square to them is an ellipse of semi-axes R
    // and R H / L, its sharpest bend R (H / L)²; a right cone's end bends with R / cos(slope).
    void curvatura()
    {
        const double r = 200, h = 900, e = 350;
        QVERIFY(std::fabs(RaggioCurvaturaMinimo({2 * r, 2 * r, h, e}) - r * h * h / (h * h + e * e)) < 1e-9);
        const double coseno = 600 / std::hypot(600, 250);
        QVERIFY(std::fabs(RaggioCurvaturaMinimo({1000, 500, 600, 0}) - 250 / coseno) < 1e-9);
    }

    void rifiuti_data()
    {
        QTest::addColumn<TestiConoObliquo>("testi");
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("titolo");
        const auto testi = [](QString d1, QString d2, QString h, QString e, QString t = {}) {
            return TestiConoObliquo{d1, d2, h, e, t, QuoteLamiera::Esterne};
        };
        QTest::newRow("D1 zero") << testi("0", "300", "400", "150") << int(CampoConoObliquo::D1)
                                 << "D1 deve essere un numero >0 (mm)!"
                                 << "Errore su D1";
        QTest::newRow("H negative") << testi("600", "300", "-4", "150") << int(CampoConoObliquo::H)
                                    << "H deve essere un numero >0 (mm)!"
                                    << "Errore su H";
        QTest::newRow("offset not a number") << testi("600", "300", "400", "abc") << int(CampoConoObliquo::Scostamento)
                                             << "Scostamento deve essere un numero (mm)!"
                                             << "Errore su Scostamento";
        QTest::newRow("plate too thick") << testi("600", "300", "400", "150", "150") << int(CampoConoObliquo::D2)
                                         << "D2 deve essere maggiore di 300 mm con questo spessore!"
                                         << "Errore su D2";
        QTest::newRow("folds over") << testi("600", "300", "40", "2000", "12") << int(CampoConoObliquo::Scostamento)
                                    << "Con questo scostamento la lamiera di 12 mm si ripiegherebbe su se stessa: "
                                       "lo scostamento deve essere minore o H maggiore!"
                                    << "Errore su Scostamento";
        QTest::newRow("offset beyond floating point")
            << testi("600", "300", "400", "1" + QString(200, QLatin1Char('0'))) << int(CampoConoObliquo::Scostamento)
            << "Scostamento troppo grande per H: le generatrici sarebbero quasi parallele alle basi!"
            << "Errore su Scostamento";
    }
    // Each refusal names its field in one box and develops nothing.
    void rifiuti()
    {
        QFETCH(TestiConoObliquo, testi);
        QFETCH(int, campo);
        QFETCH(QString, prompt);
        QFETCH(QString, titolo);
        PiattaformaFinta finta;
        finta.attendiBox(prompt, Pulsanti::OK, titolo);
        CampoConoObliquo errato = CampoConoObliquo::Nessuno;
        QVERIFY(!ValidaConoObliquo(testi, errato));
        QCOMPARE(int(errato), campo);
        finta.verifica(__FILE__, __LINE__);
    }

    // The same offset with a thinner plate, or a taller reducer, is rolled; commas are decimals.
    void accettati()
    {
        PiattaformaFinta finta;
        CampoConoObliquo errato = CampoConoObliquo::D1;
        const auto c = ValidaConoObliquo({"600", "300", "400", "2000", "0,5", QuoteLamiera::Interne}, errato);
        QVERIFY(c);
        QCOMPARE(c->Spessore, 0.5);
        QCOMPARE(int(errato), int(CampoConoObliquo::Nessuno));
        QVERIFY(ValidaConoObliquo({"600", "300", "400", "2000", "8"}, errato));
        QVERIFY(ValidaConoObliquo({"600", "600", "400", "", ""}, errato));
        finta.verifica(__FILE__, __LINE__);
    }
};

QTEST_GUILESS_MAIN(TestConoObliquo)
#include "TestConoObliquo.moc"

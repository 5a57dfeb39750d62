// The workshop data of an eccentric reducer against what can be found without its development:
// the area of the drawn blank, the right cone's closed form, the circle the rolls follow.
#include "geometry/FacceConoObliquo.h"
#include "pieces/ContornoSviluppo.h"
#include "pieces/DatiOfficina.h"
#include "pieces/PezzoConoObliquo.h"

#include <QTest>

#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

// The shoelace area of the outline a cutter would follow, sampled to its tolerance.
double areaDelContorno(const Pezzo &pezzo)
{
    const auto campionato = CampionaPerTaglio(pezzo);
    if (!campionato)
        return 0;
    const std::vector<PuntoPiano> p = ContornoChiuso(campionato->profilo);
    double doppia = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const PuntoPiano &a = p[i], &b = p[(i + 1) % p.size()];
        doppia += a.x * b.y - b.x * a.y;
    }
    return std::fabs(doppia) / 2;
}

const RigaDati *riga(const DatiOfficina &dati, const QString &chiave)
{
    for (const RigaDati &r : dati.righe)
        if (r.chiave == chiave)
            return &r;
    return nullptr;
}
} // namespace

class TestDatiConoObliquo : public QObject {
    Q_OBJECT
private slots:
    // The quadrature's area is the area of the blank the cutter follows, for reducers of every
    // kind; with a plate the weight is that area times thickness and density.
    void areaDelloSviluppo_data()
    {
        QTest::addColumn<double>("d1");
        QTest::addColumn<double>("d2");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("e");
        QTest::newRow("lato verticale") << 1000.0 << 500.0 << 600.0 << 250.0;
        QTest::newRow("oltre il lato verticale") << 600.0 << 300.0 << 400.0 << 300.0;
        QTest::newRow("allargamento") << 300.0 << 600.0 << 400.0 << -100.0;
        QTest::newRow("cilindro obliquo") << 400.0 << 400.0 << 500.0 << 200.0;
        QTest::newRow("piccolo") << 50.0 << 30.0 << 40.0 << 10.0;
        // Its apex a hundred million km away: drawn from there, the seam must keep its length.
        QTest::newRow("quasi cilindro") << 400.0 << 400.0 - 1e-12 << 500.0 << 200.0;
    }
    void areaDelloSviluppo()
    {
        QFETCH(double, d1);
        QFETCH(double, d2);
        QFETCH(double, h);
        QFETCH(double, e);
        const ConoObliquo c{d1, d2, h, e, 6, QuoteLamiera::Esterne};
        auto pezzo = PezzoConoObliquo(c, {});
        QVERIFY(pezzo);
        pezzo->valori.figure.MaterialeLamiera = {QStringLiteral("Inox"), 7.93};
        const double area = AreaConoObliquo(SuperficieMedia(c));
        const double disegnata = areaDelContorno(*pezzo);
        // The chords lie within the cutting tolerance of the exact edges.
        const double tolleranza = 1e-9 * area + k_TolleranzaDxf * k_Pi * (d1 + d2);
        QVERIFY2(std::fabs(area - disegnata) < tolleranza,
                 qPrintable(QStringLiteral("%1 %2").arg(area).arg(disegnata)));

        const DatiOfficina dati = DatiOfficinaDelPezzo(*pezzo);
        const RigaDati *righe[] = {riga(dati, QStringLiteral("Area (m²)")), riga(dati, QStringLiteral("Peso (kg)"))};
        QVERIFY(righe[0] && righe[1]);
        QCOMPARE(righe[0]->numeri.front().valore, area / 1e6);
        QVERIFY(std::fabs(righe[1]->numeri.front().valore - area * 6 * 7.93e-6) < 1e-9);
    }

    // No offset: the frustum's lateral area pi (R1 + R2) x slant.
    void areaDelTronco()
    {
        const ConoObliquo c{1000, 400, 700, 0};
        const double obliqua = std::hypot(700.0, 300.0);
        QVERIFY(std::fabs(AreaConoObliquo(c) - k_Pi * (500 + 200) * obliqua) < 1e-6);
    }

    // Seam on the vertical side: the section square to it is the end circle, so the rolls follow
    // each end's mean radius there. The outer face's ends are nearly round, not exactly.
    void calandraturaSulLatoVerticale()
    {
        const ConoObliquo c{1000, 500, 600, 250, 10, QuoteLamiera::Esterne};
        const auto pezzo = PezzoConoObliquo(c, {});
        QVERIFY(pezzo);
        const DatiOfficina dati = DatiOfficinaDelPezzo(*pezzo);
        const RigaDati *calandra = riga(dati, QStringLiteral("Raggi di calandratura sulla giunzione (mm)"));
        QVERIFY(calandra);
        const ConoObliquo media = SuperficieMedia(c);
        QVERIFY(std::fabs(calandra->numeri[0].valore - media.D1 / 2) < 1e-6);
        QVERIFY(std::fabs(calandra->numeri[1].valore - media.D2 / 2) < 1e-6);
        const RigaDati *faccia = riga(dati, QStringLiteral("Faccia esterna, estremo AB (mm)"));
        QVERIFY(faccia);
        QVERIFY(faccia->numeri[0].valore < 1000 && faccia->numeri[1].valore > 1000);
        QVERIFY(riga(dati, QStringLiteral("Nota")));
    }
};

QTEST_GUILESS_MAIN(TestDatiConoObliquo)
#include "TestDatiConoObliquo.moc"

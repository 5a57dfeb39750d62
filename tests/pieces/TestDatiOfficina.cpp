// The workshop data against the solid built and measured in space here, and against known figures.
#include "geometry/TestiOfficina.h"
#include "pieces/ContornoSviluppo.h"
#include "pieces/DatiOfficina.h"
#include "pieces/PezzoDelTronco.h"
#include "pieces/PiegheTronco.h"
#include "pieces/RettangoloMinimo.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

FigureSviluppo lavoro(const FigureOfficina &o, const QString &spessore = {}, QuoteLamiera quote = QuoteLamiera::Esterne)
{
    FigureSviluppo f;
    f.Nome = QStringLiteral("prova");
    f.ImpostaChiusura(QStringLiteral("T"));
    f.TestoSpessore = spessore;
    f.Quote = quote;
    ImpostaOfficina(f, o);
    return f;
}

const RigaDati &riga(const DatiOfficina &d, const QString &chiave)
{
    for (const RigaDati &r : d.righe)
        if (r.chiave == chiave)
            return r;
    qFatal("no row %s", qPrintable(chiave));
}
double valore(const DatiOfficina &d, const QString &chiave, int i = 0) { return riga(d, chiave).numeri.at(i).valore; }

// A point of the solid's surface in space, on the generator at angle `phi`, where it meets the
// plane through (0, 0, z0) inclined by `taglio` degrees: found by bisection along the generator.
struct Punto3 {
    double x, y, z;
};
Punto3 sulTaglio(const FigureOfficina &o, double phi, double z0, double taglio)
{
    const auto r = [&](double z) { return o.D1 / 2 + (o.D2 - o.D1) / 2 * z / o.H; };
    const auto fuori = [&](double z) { return z - z0 - r(z) * std::cos(phi) * std::tan(taglio * k_Pi / 180); };
    double basso = z0 - 2 * o.D1 - 2 * o.D2, alto = z0 + 2 * o.D1 + 2 * o.D2;
    for (int i = 0; i < 200; ++i) {
        const double mezzo = (basso + alto) / 2;
        (fuori(mezzo) > 0 ? alto : basso) = mezzo;
    }
    const double z = (basso + alto) / 2;
    return {r(z) * std::cos(phi), r(z) * std::sin(phi), z};
}

double areaPoligono(const std::vector<PuntoPiano> &p)
{
    double doppia = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const PuntoPiano a = p[i], b = p[(i + 1) % p.size()];
        doppia += a.x * b.y - b.x * a.y;
    }
    return std::fabs(doppia) / 2;
}

std::vector<PuntoPiano> contorno(const Pezzo &pezzo)
{
    const auto campionato = CampionaPerTaglio(pezzo);
    return campionato ? ContornoChiuso(campionato->profilo) : std::vector<PuntoPiano>{};
}
} // namespace

class TestDatiOfficina : public QObject {
    Q_OBJECT
private slots:
    void estremiSullaSezione_data()
    {
        QTest::addColumn<double>("d1");
        QTest::addColumn<double>("d2");
        QTest::addColumn<double>("taglio1");
        QTest::addColumn<double>("taglio2");
        QTest::newRow("cone, both cuts oblique") << 600.0 << 300.0 << 25.0 << -15.0;
        QTest::newRow("steep cone, cuts leaning the other way") << 500.0 << 150.0 << -30.0 << 20.0;
        QTest::newRow("cylinder, oblique cuts") << 400.0 << 400.0 << 40.0 << 20.0;
        QTest::newRow("square cuts") << 600.0 << 300.0 << 0.0 << 0.0;
    }
    void estremiSullaSezione()
    {
        QFETCH(double, d1);
        QFETCH(double, d2);
        QFETCH(double, taglio1);
        QFETCH(double, taglio2);
        PiattaformaFinta finta;
        const FigureOfficina o{d1, d2, 500, taglio1, taglio2};
        const auto pezzo = PezzoDelTronco(lavoro(o));
        QVERIFY(pezzo);
        const DatiOfficina dati = DatiOfficinaDelPezzo(*pezzo);
        const struct {
            QString lato;
            double z0, taglio;
        } tagli[] = {{QStringLiteral("AB"), 0, taglio1}, {QStringLiteral("CD"), 500, taglio2}};
        for (const auto &t : tagli) {
            // The section sampled in space: its extent along the plane's two axes, its perimeter.
            const double inclinazione = t.taglio * k_Pi / 180;
            double min1 = INFINITY, max1 = -INFINITY, max2 = 0, perimetro = 0;
            Punto3 prima = sulTaglio(o, 0, t.z0, t.taglio), precedente = prima;
            constexpr int k_Campioni = 40000;
            for (int i = 0; i <= k_Campioni; ++i) {
                const Punto3 p = sulTaglio(o, 2 * k_Pi * i / k_Campioni, t.z0, t.taglio);
                const double lungo = p.x * std::cos(inclinazione) + (p.z - t.z0) * std::sin(inclinazione);
                min1 = std::min(min1, lungo);
                max1 = std::max(max1, lungo);
                max2 = std::max(max2, std::fabs(p.y));
                perimetro += std::sqrt(std::pow(p.x - precedente.x, 2) + std::pow(p.y - precedente.y, 2) +
                                       std::pow(p.z - precedente.z, 2));
                precedente = p;
            }
            const double maggiore = std::max(max1 - min1, 2 * max2), minore = std::min(max1 - min1, 2 * max2);
            const RigaDati &estremo = riga(dati, QStringLiteral("Estremo %1 (mm)").arg(t.lato));
            if (t.taglio == 0) {
                QVERIFY(estremo.modello.startsWith(QStringLiteral("circolare")));
                QVERIFY(std::fabs(estremo.numeri[0].valore - maggiore) < 1e-6);
            } else {
                QVERIFY(estremo.modello.startsWith(QStringLiteral("ellittica")));
                QVERIFY2(std::fabs(estremo.numeri[0].valore - maggiore) < 1e-6, qPrintable(t.lato));
                QVERIFY2(std::fabs(estremo.numeri[1].valore - minore) < 1e-4, qPrintable(t.lato));
            }
            const double calcolato = valore(dati, QStringLiteral("Perimetro %1 (mm)").arg(t.lato));
            QVERIFY2(std::fabs(calcolato - perimetro) < 1e-5, qPrintable(QString::number(calcolato - perimetro)));
        }
    }

    void areaDelMantello()
    {
        PiattaformaFinta finta;
        // Square cuts: the frustum's lateral area pi (R1 + R2) slant, to the last digits.
        {
            const auto pezzo = PezzoDelTronco(lavoro({600, 300, 400, 0, 0}));
            QVERIFY(pezzo);
            const double esatta = k_Pi * (300 + 150) * std::hypot(400, 150);
            QVERIFY(std::fabs(valore(DatiOfficinaDelPezzo(*pezzo), QStringLiteral("Area (m²)")) * 1e6 - esatta) < 1e-6);
        }
        // Oblique cuts: the dense outline's own area, close to the blank's.
        for (const FigureOfficina &o :
             {FigureOfficina{600, 300, 400, 20, -10}, FigureOfficina{500, 500, 300, 30, -25}}) {
            const auto pezzo = PezzoDelTronco(lavoro(o));
            QVERIFY(pezzo);
            const double area = valore(DatiOfficinaDelPezzo(*pezzo), QStringLiteral("Area (m²)")) * 1e6;
            const double poligono = areaPoligono(contorno(*pezzo));
            QVERIFY2(std::fabs(area - poligono) < 1e-5 * area, qPrintable(QString::number(area - poligono)));
        }
    }

    void cilindroInLamieraDa10()
    {
        PiattaformaFinta finta;
        const auto pezzo = PezzoDelTronco(lavoro({650, 650, 300, 0, 0}, QStringLiteral("10")));
        QVERIFY(pezzo);
        const DatiOfficina dati = DatiOfficinaDelPezzo(*pezzo);
        QCOMPARE(RigheDati({riga(dati, QStringLiteral("Larghezza sviluppata (mm)"))}).front(),
                 QStringLiteral("Larghezza sviluppata (mm): 2010.62"));
        QCOMPARE(RigheDati({riga(dati, QStringLiteral("Peso (kg)"))}).front(), QStringLiteral("Peso (kg): 47.35"));
        QCOMPARE(riga(dati, QStringLiteral("Materiale")).modello.left(7), QStringLiteral("Acciaio"));
        QVERIFY(std::fabs(valore(dati, QStringLiteral("Raggi di calandratura sulla giunzione AC (mm)")) - 320) < 1e-9);
    }

    void riduzione600300()
    {
        PiattaformaFinta finta;
        const auto pezzo = PezzoDelTronco(lavoro({600, 300, 400, 0, 0}, QStringLiteral("3")));
        QVERIFY(pezzo);
        const DatiOfficina dati = DatiOfficinaDelPezzo(*pezzo);
        // The mean surface lies 1.5 mm inside the outside one, square to the side.
        const double semi = std::atan(150.0 / 400), r1 = 300 - 1.5 / std::cos(semi), r2 = 150 - 1.5 / std::cos(semi);
        QVERIFY(std::fabs(valore(dati, QStringLiteral("Raggi dal vertice AB (mm)"), 1) - r1 / std::sin(semi)) < 1e-9);
        QVERIFY(std::fabs(valore(dati, QStringLiteral("Raggi dal vertice CD (mm)"), 0) - r2 / std::sin(semi)) < 1e-9);
        QVERIFY(std::fabs(valore(dati, QStringLiteral("Angolo del settore (°)")) - 360 * std::sin(semi)) < 1e-9);
        // The plate: every point of the outline inside it, no larger than the upright rectangle.
        const std::vector<PuntoPiano> punti = contorno(*pezzo);
        const RettangoloMinimo r = RettangoloMinimoDi(punti);
        double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
        const double ux = std::cos(r.angolo), uy = std::sin(r.angolo);
        double minU = INFINITY, maxU = -INFINITY, minV = INFINITY, maxV = -INFINITY;
        for (const PuntoPiano &p : punti) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x), minY = std::min(minY, p.y),
            maxY = std::max(maxY, p.y);
            const double u = p.x * ux + p.y * uy, v = -p.x * uy + p.y * ux;
            minU = std::min(minU, u), maxU = std::max(maxU, u), minV = std::min(minV, v), maxV = std::max(maxV, v);
        }
        QVERIFY(maxU - minU <= r.larghezza + 1e-9 && maxV - minV <= r.altezza + 1e-9);
        QVERIFY(r.larghezza * r.altezza <= (maxX - minX) * (maxY - minY) + 1e-9);
        QVERIFY(std::fabs(valore(dati, QStringLiteral("Lamiera minima (mm)")) - r.larghezza) < 1e-9);
        // The chord of the outer arc and its rise, from the radius and the sector.
        const double a = k_Pi * std::sin(semi), rMax = r1 / std::sin(semi);
        QVERIFY(std::fabs(valore(dati, QStringLiteral("Corda del settore (mm)")) - 2 * rMax * std::sin(a)) < 1e-9);
        QVERIFY(std::fabs(valore(dati, QStringLiteral("Freccia del settore (mm)")) - rMax * (1 - std::cos(a))) < 1e-9);
        for (const QString &rigaTesto : RigheDati(dati.righe))
            qInfo("%s", qPrintable(rigaTesto));
    }

    void piegheSulleGeneratrici()
    {
        PiattaformaFinta finta;
        for (const FigureOfficina &o :
             {FigureOfficina{600, 300, 400, 20, -10}, FigureOfficina{500, 500, 300, 30, -25}}) {
            for (int n : {3, 8, 12}) {
                const FigureSviluppo f = lavoro(o);
                const std::vector<Piega> pieghe = PiegheDelTronco(f, n);
                QCOMPARE(int(pieghe.size()), n);
                const std::vector<PuntoPiano> punti = contorno(*PezzoDelTronco(f));
                // Every point on the outline: within a few thousandths of its dense polyline.
                const auto sulContorno = [&punti](PuntoPiano q) {
                    double migliore = INFINITY;
                    for (std::size_t i = 0; i < punti.size(); ++i) {
                        const PuntoPiano a = punti[i], b = punti[(i + 1) % punti.size()];
                        const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
                        const double t = l2 > 0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / l2, 0.0, 1.0) : 0;
                        migliore = std::min(migliore, std::hypot(q.x - a.x - t * dx, q.y - a.y - t * dy));
                    }
                    return migliore;
                };
                const bool cono = o.D1 != o.D2;
                const double passo = pieghe[1].posizione - pieghe[0].posizione;
                const double intero = cono ? 360 * std::sin(std::atan((o.D1 - o.D2) / (2 * o.H))) : k_Pi * o.D1;
                QVERIFY(std::fabs(pieghe[0].posizione - passo / 2) < 1e-9);
                QVERIFY(std::fabs(passo - intero / n) < 1e-9);
                for (std::size_t k = 0; k < pieghe.size(); ++k) {
                    QVERIFY(std::fabs(pieghe[k].posizione - (k + 0.5) * passo) < 1e-9);
                    QVERIFY(sulContorno(pieghe[k].ab) < 5e-3);
                    QVERIFY(sulContorno(pieghe[k].cd) < 5e-3);
                    if (cono) {
                        // Its developed angle from the seam, measured on the blank.
                        const double da = std::atan2(pieghe[k].ab.y, pieghe[k].ab.x),
                                     db = std::atan2(pieghe[k].cd.y, pieghe[k].cd.x);
                        QVERIFY(std::fabs(std::remainder(da - db, 2 * k_Pi)) < 1e-9);
                    } else {
                        QVERIFY(std::fabs(pieghe[k].angolo - 360.0 / n) < 1e-9);
                        QVERIFY(std::fabs(pieghe[k].ab.x - pieghe[k].cd.x) < 1e-9);
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDatiOfficina)
#include "TestDatiOfficina.moc"

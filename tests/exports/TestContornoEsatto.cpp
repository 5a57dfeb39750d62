// The exported cutting outline against an exact construction of the solid in space: within its
// tolerance, counter-clockwise from A, each edge with nearly the fewest vertices the tolerance allows.
#include "LettoreDxf.h"
#include "exports/EsportaDxf.h"
#include "tests/support/PiattaformaFinta.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <functional>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

struct V2 {
    double x = 0, y = 0;
};
V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
V2 operator*(double k, V2 a) { return {k * a.x, k * a.y}; }
double punto(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
double lunghezza(V2 a) { return std::hypot(a.x, a.y); }
V2 unitario(V2 a) { return (1 / lunghezza(a)) * a; }
V2 normale(V2 a) { return {-a.y, a.x}; }

// The solid built from its side projection: the plane of the drawing, z out of it. Generator t runs
// round the axis, t = 0 through A and C, t = pi through B and D. Each cut is a plane holding its
// edge of the projection and z, so only the in-plane part of a generator meets it.
struct Solido {
    bool cono = false;
    V2 A, B, C, D;
    // Cylinder: axis direction and point, radius, side of B. Cone: apex, axis, half opening.
    V2 u, n, P0, V, a, w;
    double r = 0, s = 1, semi = 0;

    Solido(double ac, double ab, double bd, double alfaGradi, double betaGradi)
    {
        const double alfa = alfaGradi * k_Pi / 180, beta = betaGradi * k_Pi / 180;
        A = {0, 0};
        B = {ab, 0};
        C = A + ac * V2{std::cos(alfa), std::sin(alfa)};
        D = B + bd * V2{-std::cos(beta), std::sin(beta)};
        cono = std::fabs(alfa + beta - k_Pi) > 1e-3;
        if (!cono) {
            u = unitario(C - A);
            n = normale(u);
            s = punto(B - A, n) > 0 ? 1 : -1;
            r = std::fabs(punto(B - A, n)) / 2;
            P0 = A + (s * r) * n;
            return;
        }
        // Apex: A + k (C - A) on the line BD.
        const V2 dA = C - A, dB = D - B, m = normale(dB);
        V = A + (punto(B - A, m) / punto(dA, m)) * dA;
        const V2 eA = unitario(A - V), eB = unitario(B - V);
        a = unitario(eA + eB);
        semi = std::acos(punto(eA, a));
        w = unitario(eA - std::cos(semi) * a);
    }

    // Where generator t meets the cut through P along direction `lato`, as the development places it.
    V2 sviluppato(double t, double t0, V2 P, V2 lato) const
    {
        const V2 m = normale(lato);
        if (!cono) {
            const V2 Q = P0 - (s * r * std::cos(t)) * n;
            const double lambda = -punto(Q - P, m) / punto(u, m);
            return {r * (t - t0), lambda};
        }
        const V2 g = std::cos(semi) * a + (std::sin(semi) * std::cos(t)) * w;
        const double rho = punto(P - V, m) / punto(g, m);
        const double phi = (t - t0) * std::sin(semi);
        return rho * V2{std::cos(phi), std::sin(phi)};
    }
    V2 bordoAB(double t, double t0) const { return sviluppato(t, t0, A, B - A); }
    V2 bordoCD(double t, double t0) const { return sviluppato(t, t0, C, D - C); }

    // The generator parameter of a point of the development frame.
    double parametro(V2 p, double t0) const
    {
        if (!cono)
            return t0 + p.x / r;
        double phi = std::atan2(p.y, p.x);
        if (phi < -1e-6)
            phi += 2 * k_Pi;
        return t0 + phi / std::sin(semi);
    }
};

// A rigid motion of the plane, possibly mirrored: from the construction's frame to the file's.
struct Moto {
    V2 origine, immagine;
    double c = 1, s = 0;
    bool specchio = false;

    V2 applica(V2 p) const
    {
        V2 q = p - origine;
        if (specchio)
            q.y = -q.y;
        return immagine + V2{c * q.x - s * q.y, s * q.x + c * q.y};
    }
    V2 inverso(V2 p) const
    {
        const V2 d = p - immagine;
        V2 q{c * d.x + s * d.y, -s * d.x + c * d.y};
        if (specchio)
            q.y = -q.y;
        return origine + q;
    }
};

// Maps a to A with the direction a->b along A->B.
Moto allinea(V2 a, V2 b, V2 A, V2 B, bool specchio)
{
    Moto m;
    m.origine = a;
    m.immagine = A;
    m.specchio = specchio;
    V2 d = b - a;
    if (specchio)
        d.y = -d.y;
    const double angolo = std::atan2(B.y - A.y, B.x - A.x) - std::atan2(d.y, d.x);
    m.c = std::cos(angolo);
    m.s = std::sin(angolo);
    return m;
}

double distanzaSegmento(V2 p, V2 a, V2 b)
{
    const V2 ab = b - a;
    const double l2 = punto(ab, ab);
    const double k = l2 > 0 ? std::clamp(punto(p - a, ab) / l2, 0.0, 1.0) : 0.0;
    return lunghezza(p - (a + k * ab));
}

// Distance from p to the exact edge between parameters t1 and t2, sampled very finely.
double distanzaDalBordo(V2 p, double t1, double t2, const std::function<V2(double)> &bordo)
{
    constexpr int k_Campioni = 64;
    const double margine = 0.1 * std::fabs(t2 - t1) + 1e-6;
    const double da = std::min(t1, t2) - margine, a = std::max(t1, t2) + margine;
    double minima = 1e300;
    V2 prima = bordo(da);
    for (int i = 1; i <= k_Campioni; ++i) {
        const V2 dopo = bordo(da + (a - da) * i / k_Campioni);
        minima = std::min(minima, distanzaSegmento(p, prima, dopo));
        prima = dopo;
    }
    return minima;
}

// Largest distance of points along an edge's chords from the exact edge.
double scarto(const QList<V2> &bordo, const Moto &moto, const Solido &solido, double t0,
              const std::function<V2(double)> &esatto)
{
    double massimo = 0;
    for (int i = 0; i + 1 < bordo.size(); ++i) {
        const V2 p = moto.inverso(bordo[i]), q = moto.inverso(bordo[i + 1]);
        const double tp = solido.parametro(p, t0), tq = solido.parametro(q, t0);
        for (int k = 0; k <= 8; ++k) {
            const V2 r = p + (k / 8.0) * (q - p);
            massimo = std::max(massimo, distanzaDalBordo(r, tp, tq, esatto));
        }
    }
    return massimo;
}

// The fewest vertices on the exact edge whose chords keep within `tolleranza` of it: from each
// vertex the farthest parameter whose chord holds, found by halving.
int verticiMinimi(const std::function<V2(double)> &bordo, double da, double a, double tolleranza)
{
    auto regge = [&](double t1, double t2) {
        const V2 p = bordo(t1), q = bordo(t2);
        for (int i = 1; i < 32; ++i)
            if (distanzaSegmento(bordo(t1 + (t2 - t1) * i / 32), p, q) > tolleranza)
                return false;
        return true;
    };
    int vertici = 1;
    for (double t = da; t < a; ++vertici) {
        if (regge(t, a))
            return vertici + 1;
        double buono = t, cattivo = a;
        for (int i = 0; i < 30; ++i)
            (regge(t, (buono + cattivo) / 2) ? buono : cattivo) = (buono + cattivo) / 2;
        t = buono;
    }
    return vertici;
}

double areaConSegno(const QList<V2> &poligono)
{
    double doppia = 0;
    for (int i = 0; i < poligono.size(); ++i) {
        const V2 a = poligono[i], b = poligono[(i + 1) % poligono.size()];
        doppia += a.x * b.y - b.x * a.y;
    }
    return doppia / 2;
}

// The outline, counter-clockwise from A, is A..B, D..C or A, C..D, B..: the seam generators are
// its two segments as long as the seam. Returns the edges AB and CD, each from A and C.
bool bordi(const QList<V2> &vertici, double seam, QList<V2> &ab, QList<V2> &cd)
{
    auto lato = [&](int i) { return lunghezza(vertici[(i + 1) % vertici.size()] - vertici[i]); };
    const int n = int(vertici.size());
    const bool primaC = std::fabs(lato(0) - seam) < 1e-4 && std::fabs(lato(n - 1) - seam) > 1e-4;
    for (int k = 1; k < n - 1; ++k) {
        if (std::fabs(lato(k) - seam) > 1e-4)
            continue;
        if (primaC) {
            cd = vertici.mid(1, k);
            ab = vertici.mid(k + 1) + QList<V2>{vertici[0]};
            std::reverse(ab.begin(), ab.end());
        } else {
            ab = vertici.mid(0, k + 1);
            cd = vertici.mid(k + 1);
            std::reverse(cd.begin(), cd.end());
        }
        return true;
    }
    return false;
}
} // namespace

class TestContornoEsatto : public QObject {
    Q_OBJECT

private slots:
    void entroLaTolleranza_data()
    {
        QTest::addColumn<double>("ac");
        QTest::addColumn<double>("ab");
        QTest::addColumn<double>("bd");
        QTest::addColumn<double>("alfa");
        QTest::addColumn<double>("beta");
        QTest::addColumn<bool>("chiudiAC");
        QTest::newRow("square-cut cylinder") << 80.0 << 100.0 << 80.0 << 90.0 << 90.0 << true;
        QTest::newRow("oblique cylinder on BD") << 300.0 << 200.0 << 200.0 << 60.0 << 120.0 << false;
        QTest::newRow("steep cylinder") << 200.0 << 300.0 << 150.0 << 50.0 << 130.0 << true;
        QTest::newRow("cylinder, Alfa over 90") << 200.0 << 150.0 << 250.0 << 110.0 << 70.0 << true;
        QTest::newRow("half-disc cone") << 60.0 << 120.0 << 60.0 << 60.0 << 60.0 << true;
        QTest::newRow("oblique cone on BD") << 100.0 << 150.0 << 80.0 << 70.0 << 80.0 << false;
        QTest::newRow("cone, apex nearer B") << 80.0 << 150.0 << 100.0 << 80.0 << 65.0 << true;
        QTest::newRow("slender cone on BD") << 120.0 << 200.0 << 150.0 << 75.0 << 85.0 << false;
        QTest::newRow("cone 5000 mm across") << 1500.0 << 2500.0 << 1500.0 << 60.0 << 60.0 << true;
        QTest::newRow("cylinder 2500 mm, cut at 45") << 3000.0 << 2500.0 << 2000.0 << 45.0 << 135.0 << true;
        QTest::newRow("reducer, BD upright") << 150.0 << 200.0 << 100.0 << 60.0 << 90.0 << true;
        QTest::newRow("reducer, AC upright") << 300.0 << 1000.0 << 400.0 << 90.0 << 80.0 << false;
        QTest::newRow("reducer 5000 mm, BD upright") << 3000.0 << 5000.0 << 2000.0 << 60.0 << 90.0 << true;
    }
    void entroLaTolleranza()
    {
        QFETCH(double, ac);
        QFETCH(double, ab);
        QFETCH(double, bd);
        QFETCH(double, alfa);
        QFETCH(double, beta);
        QFETCH(bool, chiudiAC);
        PiattaformaFinta finta;
        StatoSviluppo figure;
        figure.Nome = QStringLiteral("prova");
        figure.TestoAC = QString::number(ac, 'f', 1);
        figure.TestoAB = QString::number(ab, 'f', 1);
        figure.TestoBD = QString::number(bd, 'f', 1);
        figure.TestoAlfa = QString::number(alfa, 'f', 1);
        figure.TestoBeta = QString::number(beta, 'f', 1);
        figure.ChiudiAC = chiudiAC ? QStringLiteral("T") : QStringLiteral("F");
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("s.dxf"));
        QCOMPARE(EsportaDxf(figure, percorso), EsitoEsportazione::Ok);
        VERIFICA_COPIONE(finta);
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<V2> vertici;
        for (const PuntoPiano &p : VerticiDxf(file.readAll()))
            vertici.append({p.x, p.y});
        QVERIFY(vertici.size() >= 4);
        // Counter-clockwise with Y up, as cutting machines read the inside on the left.
        QVERIFY(areaConSegno(vertici) > 0);

        const Solido solido(ac, ab, bd, alfa, beta);
        QCOMPARE(solido.cono, alfa + beta != 180.0);
        const double t0 = chiudiAC ? 0 : k_Pi;
        auto esattoAB = [&](double t) { return solido.bordoAB(t, t0); };
        auto esattoCD = [&](double t) { return solido.bordoCD(t, t0); };
        QList<V2> bordoAB, bordoCD;
        QVERIFY(bordi(vertici, lunghezza(esattoCD(t0) - esattoAB(t0)), bordoAB, bordoCD));

        // Each edge as few vertices as the tolerance allows: at most half again the fewest.
        const int minimoAB = verticiMinimi(esattoAB, t0, t0 + 2 * k_Pi, k_TolleranzaDxf);
        const int minimoCD = verticiMinimi(esattoCD, t0, t0 + 2 * k_Pi, k_TolleranzaDxf);
        QVERIFY2(bordoAB.size() <= 1.5 * minimoAB,
                 qPrintable(QStringLiteral("AB %1, fewest %2").arg(bordoAB.size()).arg(minimoAB)));
        QVERIFY2(bordoCD.size() <= 1.5 * minimoCD,
                 qPrintable(QStringLiteral("CD %1, fewest %2").arg(bordoCD.size()).arg(minimoCD)));

        // From A, on the seam, mirrored or not: the placement that fits the far generator.
        double migliore = 1e300;
        for (bool specchio : {false, true}) {
            const Moto moto = allinea(esattoAB(t0), esattoCD(t0), bordoAB[0], bordoCD[0], specchio);
            const V2 lontano = moto.applica(esattoAB(t0 + k_Pi));
            double vicino = 1e300;
            for (int i = 0; i + 1 < bordoAB.size(); ++i)
                vicino = std::min(vicino, distanzaSegmento(lontano, bordoAB[i], bordoAB[i + 1]));
            if (vicino > 1)
                continue;
            migliore = std::min(migliore, std::max(scarto(bordoAB, moto, solido, t0, esattoAB),
                                                   scarto(bordoCD, moto, solido, t0, esattoCD)));
        }
        QVERIFY2(migliore <= k_TolleranzaDxf, qPrintable(QString::number(migliore)));
    }
};

QTEST_GUILESS_MAIN(TestContornoEsatto)
#include "TestContornoEsatto.moc"

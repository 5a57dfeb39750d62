// Exported outlines of very large cones read back: no segment a cutting machine would see as zero-length.
#include "LettoreDxf.h"
#include "exports/EsportaDxf.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>
#include <random>

namespace {
constexpr double k_Pi = 3.14159265358979323846;
constexpr double k_SegmentoMinimo = 1e-6; // mm, as read back from the file

struct Cono {
    double ac, ab, bd, alfa, beta;
    bool chiudiAC;
};

StatoSviluppo figureDi(const Cono &c)
{
    StatoSviluppo s;
    s.Nome = QStringLiteral("Grande");
    s.TestoAC = QString::number(c.ac, 'f', 1);
    s.TestoAB = QString::number(c.ab, 'f', 1);
    s.TestoBD = QString::number(c.bd, 'f', 1);
    s.TestoAlfa = QString::number(c.alfa, 'f', 1);
    s.TestoBeta = QString::number(c.beta, 'f', 1);
    s.ChiudiAC = c.chiudiAC ? QStringLiteral("T") : QStringLiteral("F");
    s.ChiudiBD = c.chiudiAC ? QStringLiteral("F") : QStringLiteral("T");
    return s;
}

// A base of 10 to 100 m, acute base angles either way round (the larger one mirrors the
// projection), sides cut at 10 to 80 % of their way to the apex with a gentle top, so that
// every figure is a truncated cone.
Cono conoCasuale(std::mt19937 &caso)
{
    std::uniform_real_distribution<double> base(10000, 100000), angolo(20, 85), quota(0.1, 0.8), pendio(-0.1, 0.1);
    Cono c{};
    c.ab = base(caso);
    c.alfa = std::round(angolo(caso) * 10) / 10;
    c.beta = std::round(angolo(caso) * 10) / 10;
    const double a = c.alfa * k_Pi / 180, b = c.beta * k_Pi / 180;
    const double versoA = c.ab * std::sin(b) / std::sin(a + b), versoB = c.ab * std::sin(a) / std::sin(a + b);
    const double qa = quota(caso);
    const double qb = std::clamp(qa + pendio(caso), 0.1, 0.8);
    c.ac = versoA * qa;
    c.bd = versoB * qb;
    c.chiudiAC = caso() % 2 == 0;
    return c;
}

// Segments of the closed outline, the closing one included, shorter than k_SegmentoMinimo.
int segmentiNulli(const QList<PuntoPiano> &vertici)
{
    int nulli = 0;
    for (int i = 0; i < vertici.size(); ++i) {
        const PuntoPiano a = vertici[i], b = vertici[(i + 1) % vertici.size()];
        if (std::hypot(b.x - a.x, b.y - a.y) < k_SegmentoMinimo)
            ++nulli;
    }
    return nulli;
}
} // namespace

class TestSegmentiDxf : public QObject {
    Q_OBJECT

private slots:
    void nessunSegmentoNullo()
    {
        std::mt19937 caso(20240611);
        QList<Cono> coni{{4800, 21600, 4800, 25, 25, false}, {4800, 21600, 4800, 25, 25, true}};
        while (coni.size() < 30)
            coni.append(conoCasuale(caso));
        int specchiati = 0, suAC = 0;
        for (const Cono &c : coni) {
            specchiati += c.alfa > c.beta;
            suAC += c.chiudiAC;
            PiattaformaFinta finta;
            const auto testo = DxfDelleFigure(figureDi(c));
            const QString nome = QStringLiteral("AC %1 AB %2 BD %3 Alfa %4 Beta %5 %6")
                                     .arg(c.ac, 0, 'f', 1)
                                     .arg(c.ab, 0, 'f', 1)
                                     .arg(c.bd, 0, 'f', 1)
                                     .arg(c.alfa)
                                     .arg(c.beta)
                                     .arg(c.chiudiAC ? "AC" : "BD");
            QVERIFY2(testo, qPrintable(nome));
            VERIFICA_COPIONE(finta);
            const QList<PuntoPiano> vertici = VerticiDxf(*testo);
            QVERIFY2(vertici.size() > 100, qPrintable(nome));
            QVERIFY2(segmentiNulli(vertici) == 0,
                     qPrintable(nome + QStringLiteral(": %1").arg(segmentiNulli(vertici))));
        }
        // Both closing sides and both orientations of the projection are covered.
        QVERIFY(specchiati > 5 && specchiati < coni.size() - 5);
        QVERIFY(suAC > 5 && suAC < coni.size() - 5);
    }
};

QTEST_GUILESS_MAIN(TestSegmentiDxf)
#include "TestSegmentiDxf.moc"

// Figures at the edge of what the calculation accepts: folded base angles, a top cut through the apex.
#include "pieces/ContornoSviluppo.h"
#include "exports/EsportaDxf.h"
#include "calcolo/CalcolaSviluppo.h"
#include "tests/support/FinestraFinta.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <algorithm>
#include <cmath>

namespace {
StatoSviluppo figura(const char *ac, const char *ab, const char *bd, const char *alfa, const char *beta)
{
    StatoSviluppo s;
    s.Nome = QStringLiteral("Limite");
    s.TestoAC = QLatin1String(ac);
    s.TestoAB = QLatin1String(ab);
    s.TestoBD = QLatin1String(bd);
    s.TestoAlfa = QLatin1String(alfa);
    s.TestoBeta = QLatin1String(beta);
    s.ChiudiAC = QStringLiteral("F");
    return s;
}

double distanzaDaSegmento(PuntoPiano p, PuntoPiano a, PuntoPiano b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, l = dx * dx + dy * dy;
    const double t = l == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// The DXF outline's vertices, in file order.
std::vector<PuntoPiano> vertici(const QByteArray &dxf)
{
    const QList<QByteArray> righe = dxf.split('\n');
    std::vector<PuntoPiano> punti;
    for (qsizetype i = 0; i + 7 < righe.size(); ++i)
        if (righe[i].trimmed() == "VERTEX")
            punti.push_back({righe[i + 4].trimmed().toDouble(), righe[i + 6].trimmed().toDouble()});
    return punti;
}
} // namespace

class TestFigureLimite : public QObject {
    Q_OBJECT
private slots:
    void angoliPiatti_data()
    {
        QTest::addColumn<QString>("alfa");
        QTest::addColumn<QString>("beta");
        QTest::newRow("Beta 600") << "60"
                                  << "600";
        QTest::newRow("Alfa 180") << "180"
                                  << "10";
        QTest::newRow("Beta 181") << "30"
                                  << "181";
        QTest::newRow("Alfa 359.9") << "359.9"
                                    << "30";
    }

    // A base angle of a straight angle or more folds its side under the base: no truncated cone.
    void angoliPiatti()
    {
        QFETCH(QString, alfa);
        QFETCH(QString, beta);
        PiattaformaFinta finta;
        StatoSviluppo s = figura("60", "120", "60", "1", "1");
        s.TestoAlfa = alfa;
        s.TestoBeta = beta;
        FinestraFinta finestra;
        FoglioFinto foglio;
        ContestoCalcolo c{s, &finestra, &foglio};
        finta.attendiBox(QStringLiteral("La proiezione non è un tronco di cono !"), Pulsanti::OK,
                         QStringLiteral("Attenzione!"));
        QVERIFY(!CalcolaSviluppo(c));
        QCOMPARE(s.ErroreDati, std::int16_t(1));
        QVERIFY(finestra.superficie.elementi().empty());
        VERIFICA_COPIONE(finta);
    }

    // D exactly at the apex: the top edge reaches the apex and stays there, a corner the samples
    // hold. The export stays compact and within its tolerance of a very dense sampling.
    void taglioPerIlVertice()
    {
        PiattaformaFinta finta;
        const StatoSviluppo s = figura("60", "120", "60", "30", "60");
        const auto dxf = DxfDelleFigure(s);
        QVERIFY(dxf);
        const std::vector<PuntoPiano> contorno = vertici(*dxf);
        QVERIFY(contorno.size() > 100);
        QVERIFY2(contorno.size() < 5000, QByteArray::number(qulonglong(contorno.size())));

        StatoSviluppo denso = s;
        ProfiloSviluppo profilo;
        QVERIFY(SviluppoVero(denso, 20000, profilo));
        double peggiore = 0;
        for (const auto *bordo : {&profilo.bordoAB, &profilo.bordoCD})
            for (std::size_t k = 0; k < bordo->size(); k += 13) {
                double minima = INFINITY;
                for (std::size_t i = 0; i < contorno.size(); ++i)
                    minima = std::min(
                        minima, distanzaDaSegmento((*bordo)[k], contorno[i], contorno[(i + 1) % contorno.size()]));
                peggiore = std::max(peggiore, minima);
            }
        QVERIFY2(peggiore <= k_TolleranzaDxf, QByteArray::number(peggiore));
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestFigureLimite)
#include "TestFigureLimite.moc"

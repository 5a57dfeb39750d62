// The dense resampling: the 62 points exactly at 31 generators, exact arcs, refusals.
#include "calcolo/CalcolaSviluppo.h"
#include "geometry/SviluppoDenso.h"
#include "tests/geometry/Figure.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

namespace {
void Righe()
{
    QTest::addColumn<Figure>("figure");
    QTest::newRow("cylinder close AC") << Figure{"50", "100", "80", "60", "120", "T"};
    QTest::newRow("cylinder close BD") << Figure{"80", "100", "50", "120", "60", "F"};
    QTest::newRow("cone close AC") << Figure{"80", "100", "60", "50", "70", "T"};
    QTest::newRow("cone close BD") << Figure{"80", "100", "60", "50", "70", "F"};
    QTest::newRow("mirrored cone close AC") << Figure{"60", "100", "80", "70", "50", "T"};
    QTest::newRow("mirrored cone close BD") << Figure{"60", "100", "80", "70", "50", "F"};
}
} // namespace

class TestSviluppoDenso : public QObject {
    Q_OBJECT
private slots:
    void trentunoComeGliArray_data() { Righe(); }
    void trentunoComeGliArray()
    {
        QFETCH(Figure, figure);
        PiattaformaFinta finta;
        StatoSviluppo semplice, denso;
        ImpostaFigure(semplice, figure);
        ImpostaFigure(denso, figure);
        ContestoCalcolo c{semplice};
        QVERIFY(CalcolaSviluppo(c));
        ProfiloSviluppo profilo;
        QVERIFY(SviluppoVero(denso, 31, profilo));
        QCOMPARE(profilo.cono, !FormaCilindro(semplice));
        QCOMPARE(profilo.bordoAB.size(), std::size_t(62));
        QCOMPARE(profilo.bordoCD.size(), std::size_t(62));
        for (int k = 1; k <= 62; ++k) {
            const std::size_t i = std::size_t(k - 1);
            QCOMPARE(profilo.bordoAB[i].x, semplice.XAB[k]);
            QCOMPARE(profilo.bordoAB[i].y, semplice.YAB[k]);
            QCOMPARE(profilo.bordoCD[i].x, semplice.XCD[k]);
            QCOMPARE(profilo.bordoCD[i].y, semplice.YCD[k]);
        }
        // The state keeps the 62-point development, sums and extents, whatever the sampling.
        ProfiloSviluppo fitto;
        QVERIFY(SviluppoVero(denso, 500, fitto));
        QCOMPARE(denso.XAB, semplice.XAB);
        QCOMPARE(denso.YCD, semplice.YCD);
        QCOMPARE(denso.SommaAB, semplice.SommaAB);
        QCOMPARE(denso.Larghezza, semplice.Larghezza);
        QCOMPARE(denso.Teta, semplice.Teta);
        VERIFICA_COPIONE(finta);
    }

    void archi_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<bool>("arcoAB");
        QTest::addColumn<bool>("arcoCD");
        QTest::addColumn<double>("raggioAB");
        QTest::addColumn<double>("raggioCD");
        QTest::newRow("both cuts square")
            << Figure{"60", "100", "60", "80", "80"} << true << true << 287.939 << 227.939;
        QTest::newRow("half ring") << Figure{"80", "100", "80", "60", "60"} << true << true << 100.0 << 20.0;
        QTest::newRow("base square, top oblique")
            << Figure{"60", "100", "80", "70", "70"} << true << false << 146.190 << 0.0;
        QTest::newRow("both oblique") << Figure{"80", "100", "60", "50", "70"} << false << false << 0.0 << 0.0;
        QTest::newRow("cylinder") << Figure{"50", "100", "50", "90", "90"} << false << false << 0.0 << 0.0;
    }
    void archi()
    {
        QFETCH(Figure, figure);
        QFETCH(bool, arcoAB);
        QFETCH(bool, arcoCD);
        QFETCH(double, raggioAB);
        QFETCH(double, raggioCD);
        PiattaformaFinta finta;
        StatoSviluppo s;
        ImpostaFigure(s, figure);
        ProfiloSviluppo profilo;
        QVERIFY(SviluppoVero(s, 200, profilo));
        QCOMPARE(profilo.arcoAB, arcoAB);
        QCOMPARE(profilo.arcoCD, arcoCD);
        QCOMPARE_VICINO(profilo.raggioAB, raggioAB, 5e-4);
        QCOMPARE_VICINO(profilo.raggioCD, raggioCD, 5e-4);
        VERIFICA_COPIONE(finta);
    }

    void rifiuti_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("validation") << Figure{"0", "100", "60", "50", "70"} << "AC deve essere un numero > 0!"
                                    << "Errore su AC";
        QTest::newRow("cone refusal") << Figure{"50", "100", "120", "60", "60"}
                                      << "La proiezione non è un tronco di cono !"
                                      << "Attenzione!";
    }
    void rifiuti()
    {
        QFETCH(Figure, figure);
        QFETCH(QString, prompt);
        QFETCH(QString, titolo);
        PiattaformaFinta finta;
        finta.attendiBox(prompt, Pulsanti::OK, titolo);
        StatoSviluppo s;
        ImpostaFigure(s, figure);
        ProfiloSviluppo profilo;
        profilo.bordoAB.resize(3); // from an earlier call
        QVERIFY(!SviluppoVero(s, 100, profilo));
        QVERIFY(profilo.bordoAB.empty());
        QVERIFY(profilo.bordoCD.empty());
        VERIFICA_COPIONE(finta);
    }

    void generatoriLimitati_data()
    {
        QTest::addColumn<int>("richiesti");
        QTest::addColumn<int>("punti");
        QTest::newRow("none") << 0 << 4;
        QTest::newRow("negative") << -5 << 4;
        QTest::newRow("two") << 2 << 4;
        QTest::newRow("one") << 1 << 4;
        QTest::newRow("a billion") << 1000000000 << 200000;
    }
    void generatoriLimitati()
    {
        QFETCH(int, richiesti);
        QFETCH(int, punti);
        PiattaformaFinta finta;
        StatoSviluppo s;
        ImpostaFigure(s, {"80", "100", "60", "50", "70", "T"});
        ProfiloSviluppo profilo;
        QVERIFY(SviluppoVero(s, richiesti, profilo));
        QCOMPARE(profilo.bordoAB.size(), std::size_t(punti));
        // Whatever the count, the edge runs from the seam round to the seam.
        QCOMPARE_VICINO(profilo.bordoAB.front().x, s.XAB[1], 1e-9);
        QCOMPARE_VICINO(profilo.bordoAB.back().x, s.XAB[62], 1e-9);
        QCOMPARE_VICINO(profilo.bordoAB[std::size_t(punti / 2)].x, s.XAB[32], 1e-9);
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestSviluppoDenso)
#include "TestSviluppoDenso.moc"

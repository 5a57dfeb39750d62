// Correggi_Stampa: the three X zones in twips, their joins and limits, and what it leaves alone.
#include "worksheet/CorreggiStampa.h"
#include "geometry/StatoSviluppo.h"
#include "tests/support/Confronto.h"

#include <QTest>

class TestCorreggiStampa : public QObject {
    Q_OBJECT
private slots:
    void valori_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("atteso");
        QTest::addColumn<double>("tolleranza");
        // Nominal over printed spans of the factory calibration: 140/139.15, 40/39.75, 100/100.25.
        const double fine1 = 7938 * 140 / 139.15;
        const double fine2 = fine1 + 2268 * 40 / 39.75;
        QTest::newRow("zero") << 0.0 << 0.0 << 0.0;
        QTest::newRow("zona 1") << 1000.0 << 1000 * 140 / 139.15 << 1e-9;
        QTest::newRow("fine zona 1") << 7938.0 << 7986.49 << 0.005;
        QTest::newRow("fine zona 1 esatta") << 7938.0 << fine1 << 1e-9;
        QTest::newRow("zona 2") << 9000.0 << fine1 + 1062 * 40 / 39.75 << 1e-9;
        QTest::newRow("fine zona 2") << 10206.0 << 10268.75 << 0.005;
        QTest::newRow("zona 3") << 12000.0 << fine2 + 1794 * 100 / 100.25 << 1e-9;
        QTest::newRow("fine zona 3") << 17010.0 << 17055.79 << 0.005;
        QTest::newRow("oltre il limite") << 17011.0 << 17011.0 << 0.0;
        QTest::newRow("negativo") << -0.5 << -0.5 << 0.0;
        QTest::newRow("molto negativo") << -20000.0 << -20000.0 << 0.0;
    }
    void valori()
    {
        QFETCH(double, x);
        QFETCH(double, atteso);
        QFETCH(double, tolleranza);
        QCOMPARE_VICINO(CorreggiXStampa(x), atteso, tolleranza);
    }

    void continuaEMonotona()
    {
        double prima = CorreggiXStampa(0);
        for (double x = 0.25; x <= 17010; x += 0.25) {
            const double v = CorreggiXStampa(x);
            QVERIFY2(v > prima, qPrintable(QString::number(x)));
            QVERIFY(v - prima < 0.26); // no jump at the joins
            prima = v;
        }
        QVERIFY(CorreggiXStampa(7938.001) > CorreggiXStampa(7938));
    }

    void soloGliElementiDa1a62()
    {
        StatoSviluppo stato;
        for (int i = 0; i <= 62; ++i) {
            stato.XAB[i] = stato.XCD[i] = 1000;
            stato.YAB[i] = stato.YCD[i] = 1000;
        }
        Correggi_Stampa(stato);
        QCOMPARE(stato.XAB[0], 1000.0);
        QCOMPARE(stato.XCD[0], 1000.0);
        for (int i = 1; i <= 62; ++i) {
            QCOMPARE(stato.XAB[i], CorreggiXStampa(1000));
            QCOMPARE(stato.XCD[i], CorreggiXStampa(1000));
            QCOMPARE(stato.YAB[i], 1000.0);
            QCOMPARE(stato.YCD[i], 1000.0);
        }
    }
};

QTEST_GUILESS_MAIN(TestCorreggiStampa)
#include "TestCorreggiStampa.moc"

// The print correction built from a calibration record, against the fixed factory correction.
#include "calibration/CorrezioneTara.h"
#include "plot/Pagina.h"
#include "worksheet/CorreggiStampa.h"
#include "tests/support/Confronto.h"

#include <QTest>

#include <cmath>

class TestCorrezioneTara : public QObject {
    Q_OBJECT
private slots:
    void lexmarkComeCorreggiStampa()
    {
        const CorrezioneTara correzione(TaraLexmark(), k_TwipPerMm);
        for (double x = -500; x <= 18000; x += 0.5)
            QCOMPARE_VICINO(correzione.X(x), CorreggiXStampa(x), 1e-9);
        for (double x : {0.0, 7938.0, 7938.0001, 10206.0, 17010.0, 17010.0001, 17011.0})
            QCOMPARE_VICINO(correzione.X(x), CorreggiXStampa(x), 1e-9);
        // Its Y zones are true: nothing changes along Y.
        for (double y = -100; y <= 13000; y += 7.3)
            QCOMPARE_VICINO(correzione.Y(y), y, 1e-9);
    }

    void defaultNonCambiaNulla()
    {
        const CorrezioneTara mm(TaraDefault());
        for (double v = -50; v <= 400; v += 0.25) {
            QCOMPARE_VICINO(mm.X(v), v, 1e-12);
            QCOMPARE_VICINO(mm.Y(v), v, 1e-12);
        }
    }

    // The factory measures typed with a decimal comma pass the checks; they correct as typed,
    // not as 139, 178 and 279.
    void virgolaDecimale()
    {
        RecordTara r = TaraLexmark();
        r.XRea1 = QStringLiteral("139,15");
        r.XRea2 = QStringLiteral("178,90");
        r.XRea3 = QStringLiteral(" 279,15");
        r.ShiftY = QStringLiteral("-2,5");
        const CorrezioneTara correzione(TaraDaByte(ByteDiTara(r)), k_TwipPerMm);
        for (double x = 0; x <= 17010; x += 0.5)
            QCOMPARE_VICINO(correzione.X(x), CorreggiXStampa(x), 1e-9);
        QCOMPARE_VICINO(correzione.Y(0), -2.5 * k_TwipPerMm, 1e-9);
    }

    void zoneY()
    {
        RecordTara r = TaraDefault();
        r.YRea1 = QStringLiteral("74");    // 75 prints as 74
        r.YRea2 = QStringLiteral("148.5"); // 150 as 148.5
        r.YRea3 = QStringLiteral("199");   // 200 as 199
        const CorrezioneTara c(r);
        QCOMPARE_VICINO(c.Y(74), 75.0, 1e-12); // zone 1 is exact: sent 75, prints at 74 * 75/74 ...
        QCOMPARE_VICINO(c.Y(75), 75 * 75 / 74.0, 1e-12);
        QCOMPARE_VICINO(c.Y(150), 75 * 75 / 74.0 + 75 * 75 / 74.5, 1e-12);
        QCOMPARE_VICINO(c.Y(220), 75 * 75 / 74.0 + 75 * 75 / 74.5 + 70 * 50 / 50.5, 1e-12);
        QCOMPARE(c.Y(220.001), 220.001); // past the limit
        QCOMPARE(c.Y(-1), -1.0);
    }

    void shift()
    {
        RecordTara r = TaraDefault();
        r.ShiftX = QStringLiteral("12.34");
        r.ShiftY = QStringLiteral("-3");
        const CorrezioneTara mm(r);
        QCOMPARE_VICINO(mm.X(10), 22.34, 1e-12);
        QCOMPARE_VICINO(mm.Y(10), 7.0, 1e-12);
        const CorrezioneTara twip(r, k_TwipPerMm);
        QCOMPARE_VICINO(twip.X(0), 12.34 * 56.7, 1e-9);
        r.ShiftX = QStringLiteral("9999"); // a damaged record never throws the print off the page
        QCOMPARE_VICINO(CorrezioneTara(r).X(0), 20.0, 1e-12);
    }

    void recordGuasti_data()
    {
        QTest::addColumn<QString>("nom1");
        QTest::addColumn<QString>("nom2");
        QTest::addColumn<QString>("nom3");
        QTest::addColumn<QString>("rea1");
        QTest::addColumn<QString>("rea2");
        QTest::addColumn<QString>("rea3");
        QTest::newRow("tutto zero") << "0"
                                    << "0"
                                    << "0"
                                    << "0"
                                    << "0"
                                    << "0";
        QTest::newRow("misura 1 zero") << "140"
                                       << "180"
                                       << "280"
                                       << "0"
                                       << "178"
                                       << "279";
        QTest::newRow("misure 1 e 2 uguali") << "140"
                                             << "180"
                                             << "280"
                                             << "139"
                                             << "139"
                                             << "279";
        QTest::newRow("misure decrescenti") << "140"
                                            << "180"
                                            << "280"
                                            << "139"
                                            << "120"
                                            << "279";
        QTest::newRow("nominali decrescenti") << "140"
                                              << "100"
                                              << "280"
                                              << "139"
                                              << "178"
                                              << "279";
        QTest::newRow("testi illeggibili") << "abc"
                                           << ""
                                           << "x"
                                           << "?"
                                           << "-"
                                           << "";
        QTest::newRow("misura minuscola") << "9999999999"
                                          << "9999999999"
                                          << "9999999999"
                                          << "0.00000001"
                                          << "1"
                                          << "2";
    }
    void recordGuasti()
    {
        QFETCH(QString, nom1);
        QFETCH(QString, nom2);
        QFETCH(QString, nom3);
        QFETCH(QString, rea1);
        QFETCH(QString, rea2);
        QFETCH(QString, rea3);
        RecordTara r = TaraDefault();
        r.XNom1 = nom1, r.XNom2 = nom2, r.XNom3 = nom3;
        r.XRea1 = rea1, r.XRea2 = rea2, r.XRea3 = rea3;
        const CorrezioneTara c(r);
        double prima = -1e300;
        for (double x = -10; x <= 320; x += 0.5) {
            const double v = c.X(x);
            QVERIFY2(std::isfinite(v), qPrintable(QString::number(x)));
            QVERIFY(v >= prima);
            prima = v;
        }
    }

    void zoneVuotePassano()
    {
        // Equal neighbours pass the field checks; the empty zone simply holds no point.
        RecordTara r = TaraDefault();
        r.XNom2 = QStringLiteral("140");
        r.XRea2 = QStringLiteral("139");
        r.XRea1 = QStringLiteral("139");
        const CorrezioneTara c(r);
        QCOMPARE_VICINO(c.X(140), 140 * 140 / 139.0, 1e-12);
        QCOMPARE_VICINO(c.X(280), 140 * 140 / 139.0 + 140 * 140 / 141.0, 1e-12);
    }

    void zonaUnoVuota_correggeLeAltre()
    {
        // Zone 1 may end at 0, which the field checks accept: zones 2 and 3 still correct the print.
        RecordTara r = TaraLexmark();
        r.XNom1 = QStringLiteral("0");
        r.XRea1 = QStringLiteral("0");
        const CorrezioneTara c(r);
        QCOMPARE(c.X(0), 0.0);
        QCOMPARE_VICINO(c.X(90), 90 * 180 / 178.9, 1e-12);
        QCOMPARE_VICINO(c.X(280), 180 * 180 / 178.9 + 100 * 100 / 100.25, 1e-12);
    }
};

QTEST_GUILESS_MAIN(TestCorrezioneTara)
#include "TestCorrezioneTara.moc"

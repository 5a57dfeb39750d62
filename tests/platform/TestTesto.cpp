// Text primitives: value of, is numeric, fixed width, code page, number pattern.
#include "platform/Cp1252.h"
#include "platform/FormatoNumero.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <QTest>

class TestTesto : public QObject {
    Q_OBJECT
private slots:
    void valoreDi_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("valore");
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("comma before") << "0,5" << 0.0;
        QTest::newRow("point") << "120.5     " << 120.5;
        QTest::newRow("trailing point") << "60.       " << 60.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("blanks skipped") << " 1 2 . 5" << 12.5;
        QTest::newRow("sign") << "-3.25" << -3.25;
        QTest::newRow("double sign") << "--3" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("no exponent") << "1e5" << 1.0;
        QTest::newRow("nan") << "NaN" << 0.0;
        QTest::newRow("huge") << QString(400, QLatin1Char('9')) << 0.0;
    }
    void valoreDi()
    {
        QFETCH(QString, testo);
        QFETCH(double, valore);
        QCOMPARE(ValoreDi(testo), valore);
    }

    void eNumerico_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("numerico");
        QTest::newRow("integer") << "60" << true;
        QTest::newRow("padded") << "  60.      " << true;
        QTest::newRow("comma") << "0,5" << true;
        QTest::newRow("sign") << "-20" << true;
        QTest::newRow("plus") << "+2.5" << true;
        QTest::newRow("blank") << "          " << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("exponent") << "1e5" << false;
        QTest::newRow("nan") << "NaN" << false;
        QTest::newRow("inf") << "inf" << false;
        QTest::newRow("double sign") << "--3" << false;
        QTest::newRow("two separators") << "1.2.3" << false;
        QTest::newRow("mixed separators") << "1.234,5" << false;
        QTest::newRow("commas") << QString(40, QLatin1Char(',')) << false;
        QTest::newRow("inner blank") << "1 2" << false;
        QTest::newRow("lone point") << "." << false;
    }
    void eNumerico()
    {
        QFETCH(QString, testo);
        QFETCH(bool, numerico);
        QCOMPARE(ENumerico(testo), numerico);
    }

    void fissa()
    {
        QCOMPARE(Fissa(QStringLiteral("45.123456"), 6), QStringLiteral("45.123"));
        QCOMPARE(Fissa(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
        TestoFisso t(10);
        QCOMPARE(t.testo(), QString(10, QLatin1Char(' ')));
        t = QStringLiteral("123456789012");
        QCOMPARE(t.testo(), QStringLiteral("1234567890"));
        QCOMPARE(TrimBlank(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    }

    void cp1252()
    {
        const QString testo = QStringLiteral("àè€ŠŸ漢");
        const QByteArray byte = ACp1252(testo);
        QCOMPARE(byte, QByteArray("\xE0\xE8\x80\x8A\x9F?"));
        QCOMPARE(DaCp1252(byte), QStringLiteral("àè€ŠŸ?"));
        QCOMPARE(ACp1252(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
        QCOMPARE(CampoCp1252(QStringLiteral("Cono"), 8), QByteArray("Cono    "));
        QCOMPARE(CampoCp1252(QStringLiteral("Stampa_Cilindro_Lato_Orizzontale"), 30),
                 QByteArray("Stampa_Cilindro_Lato_Orizzonta"));
        QByteArray tutti;
        for (int b = 0; b < 256; ++b)
            tutti.append(char(b));
        QCOMPARE(ACp1252(DaCp1252(tutti)), tutti); // every byte survives a round trip
    }

    void formatoNumero()
    {
        QCOMPARE(FormatoNumero(120.5, QLocale(QLocale::Italian, QLocale::Italy)), QStringLiteral("120,50"));
        QCOMPARE(FormatoNumero(1234.5, QLocale(QLocale::Italian, QLocale::Italy)), QStringLiteral("1.234,50"));
        QCOMPARE(FormatoNumero(1234.5, QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("1,234.50"));
        QCOMPARE(FormatoNumero(1234.5, QLocale::c()), QStringLiteral("1,234.50"));
        QCOMPARE(FormatoNumero(0.004, QLocale::c()), QStringLiteral("0.00"));
    }
};

QTEST_GUILESS_MAIN(TestTesto)
#include "TestTesto.moc"

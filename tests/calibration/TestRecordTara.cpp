// RecordTara: the 170-byte layout, trimming and fitting on store, full-width fields on read.
#include "calibration/RecordTara.h"

#include <QTest>

class TestRecordTara : public QObject {
    Q_OBJECT
private slots:
    void layoutSenzaBuchi()
    {
        // Offsets and widths as laid down for the file, field by field.
        const int attesi[15][2] = {{0, 40},   {40, 10},  {50, 10},  {60, 10},  {70, 10},  {80, 10}, {90, 10}, {100, 10},
                                   {110, 10}, {120, 10}, {130, 10}, {140, 10}, {150, 10}, {160, 5}, {165, 5}};
        int i = 0;
        for (const DescrizioneCampoTara &d : CampiTara()) {
            QCOMPARE(int(d.campo), i);
            QCOMPARE(d.offset, attesi[i][0]);
            QCOMPARE(d.larghezza, attesi[i][1]);
            ++i;
        }
        QCOMPARE(attesi[14][0] + attesi[14][1], k_LunghezzaRecordTara);
    }

    void fabbricaByteEsatti()
    {
        // Fixture written out by hand from the layout.
        const QByteArray atteso = QByteArray("Lexmark WinWriter 200").leftJustified(40, ' ') +
                                  "140.00    180.00    280.00    139.15    178.90    279.15    "
                                  "75.00     150.00    200.00    75.00     150.00    200.00    "
                                  "0.0  0.0  ";
        QCOMPARE(ByteDiTara(TaraLexmark()), atteso);
        QCOMPARE(ByteDiTara(TaraDaByte(atteso)), atteso);
        const RecordTara letto = TaraDaByte(atteso);
        QCOMPARE(letto.NomeTara, QString(QStringLiteral("Lexmark WinWriter 200").leftJustified(40)));
        QCOMPARE(letto.XRea1, QStringLiteral("139.15    ")); // shown as stored, blanks included
        QCOMPARE(letto.ShiftY, QStringLiteral("0.0  "));
    }

    void adattamento_data()
    {
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QByteArray>("memorizzato");
        const QString lungo = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrs"); // 45
        QTest::newRow("nome di 45 tagliato a 40") << int(CampoTara::NomeTara) << lungo << lungo.left(40).toLatin1();
        QTest::newRow("numero di 12 tagliato a 10")
            << int(CampoTara::XNom2) << "123456789012" << QByteArray("1234567890");
        QTest::newRow("shift con blank davanti") << int(CampoTara::ShiftX) << " 12.34" << QByteArray("12.34");
        QTest::newRow("blank intorno al nome")
            << int(CampoTara::NomeTara) << "  Epson  " << QByteArray("Epson").leftJustified(40, ' ');
        QTest::newRow("accento in Windows-1252") << int(CampoTara::NomeTara) << QStringLiteral("Però €")
                                                 << QByteArray("Per\xF2 \x80").leftJustified(40, ' ');
        QTest::newRow("vuoto") << int(CampoTara::YRea3) << "" << QByteArray(10, ' ');
    }
    void adattamento()
    {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(QByteArray, memorizzato);
        RecordTara r = TaraDefault();
        Campo(r, CampoTara(campo)) = testo;
        const QByteArray byte = ByteDiTara(r);
        QCOMPARE(byte.size(), k_LunghezzaRecordTara);
        const DescrizioneCampoTara &d = CampiTara().at(std::size_t(campo));
        QCOMPARE(byte.mid(d.offset, d.larghezza), memorizzato.leftJustified(d.larghezza, ' '));
        // Neighbours untouched.
        QCOMPARE(ByteDiTara(TaraDaByte(byte)), byte);
    }

    void nomeMemorizzato()
    {
        QCOMPARE(NomeMemorizzato(QStringLiteral("  Epson LQ  ")), QStringLiteral("Epson LQ"));
        QCOMPARE(NomeMemorizzato(QString(45, QLatin1Char('a'))), QString(40, QLatin1Char('a')));
        // Cut at 40 and then trimmed: a blank at position 40 does not survive.
        QCOMPARE(NomeMemorizzato(QString(39, QLatin1Char('b')) + QStringLiteral(" xyz")),
                 QString(39, QLatin1Char('b')));
    }
};

QTEST_GUILESS_MAIN(TestRecordTara)
#include "TestRecordTara.moc"

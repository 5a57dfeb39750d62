// vorna --new-cone run as a real process: the job files it writes read back, its refusals.
#include "documents/ArchivioCommessa.h"
#include "tests/support/ProcessoVorna.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
const QStringList k_Riduzione = {QStringLiteral("--d1"),        QStringLiteral("600"),      QStringLiteral("--d2"),
                                 QStringLiteral("300"),         QStringLiteral("--height"), QStringLiteral("400"),
                                 QStringLiteral("--thickness"), QStringLiteral("3"),        QStringLiteral("--surface"),
                                 QStringLiteral("outside")};
} // namespace

class TestNuovoCono : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_cartella.isValid()); }

    // The 600/300/400 reducer: AC = BD = sqrt(400² + 150²), Alfa = atan(400/150), and the typed
    // figures kept as numbers, read here by Qt's JSON reader, not the program's.
    void commessaVorna()
    {
        const QString file = m_cartella.filePath(QStringLiteral("riduzione.vorna"));
        const Esito e = vorna(QStringList{QStringLiteral("--new-cone"), file, QStringLiteral("--cut1"),
                                          QStringLiteral("0.1"), QStringLiteral("--material"), QStringLiteral("inox"),
                                          QStringLiteral("--close"), QStringLiteral("AC")} +
                              k_Riduzione);
        QCOMPARE(e.errori, QString());
        QCOMPARE(e.codice, 0);
        QFile letto(file);
        QVERIFY(letto.open(QIODevice::ReadOnly));
        const QJsonObject pezzo = QJsonDocument::fromJson(letto.readAll())[QStringLiteral("pezzi")][0].toObject();
        const QJsonObject officina = pezzo[QStringLiteral("officina")].toObject();
        QCOMPARE(officina[QStringLiteral("D1")].toDouble(), 600.0);
        QCOMPARE(officina[QStringLiteral("taglio1")].toDouble(), 0.1); // the double of "0.1", bit for bit
        QCOMPARE(officina[QStringLiteral("taglio2")].toDouble(), 0.0);
        QCOMPARE(pezzo[QStringLiteral("chiusura")].toString(), QStringLiteral("AC"));
        QCOMPARE(pezzo[QStringLiteral("lamiera")][QStringLiteral("materiale")].toString(), QStringLiteral("Inox"));

        // Square cuts: the projection's texts as the worksheet shows them.
        const QString quadro = m_cartella.filePath(QStringLiteral("quadra.vorna"));
        QCOMPARE(vorna(QStringList{QStringLiteral("--new-cone"), quadro} + k_Riduzione).codice, 0);
        Commessa commessa;
        QVERIFY(ApriCommessa(quadro, commessa));
        const FigureSviluppo &f = commessa.pezzi.front().tronco;
        QCOMPARE(f.TestoAC.testo().trimmed(), QString::number(std::hypot(400.0, 150.0), 'f', 6));
        QCOMPARE(f.TestoBD.testo().trimmed(), QStringLiteral("427.200187"));
        QCOMPARE(f.TestoAlfa.testo().trimmed(),
                 QString::number(std::atan2(400.0, 150.0) * 180 / M_PI, 'f', 3)); // 69.443955 in 6 characters
        QVERIFY(f.Officina);
        QCOMPARE(f.Officina->H, 400.0);
        QCOMPARE(f.TestoSpessore.testo().trimmed(), QStringLiteral("3"));
        QCOMPARE(commessa.nome, QStringLiteral("quadra"));
    }

    // A .tnt keeps the rounded texts and the plate in its trailer, and says what the rounding costs.
    void tntConScarto()
    {
        const QString file = m_cartella.filePath(QStringLiteral("riduzione.tnt"));
        const Esito e = vorna(QStringList{QStringLiteral("--new-cone"), file, QStringLiteral("--name"),
                                          QStringLiteral("Riduzione 600-300")} +
                              k_Riduzione);
        QCOMPARE(e.codice, 0);
        const QRegularExpression riga(QStringLiteral(
            "^Il formato .tnt conserva solo le misure arrotondate di AC, AB, BD, Alfa e Beta: lo sviluppo si scosta "
            "da quello esatto fino a (\\d+\\.\\d{4}) mm.\n$"));
        const auto trovata = riga.match(e.errori);
        QVERIFY2(trovata.hasMatch(), qPrintable(e.errori));
        // Alfa cut from 69.443955 to 69.444 moves the 600 mm end of the sector by a few microns.
        const double scarto = trovata.captured(1).toDouble();
        QVERIFY(scarto > 0.0005 && scarto < 0.05);
        Commessa commessa;
        QVERIFY(ApriCommessa(file, commessa));
        const FigureSviluppo &f = commessa.pezzi.front().tronco;
        QVERIFY(!f.Officina);
        QCOMPARE(f.Nome.testo().trimmed(), QStringLiteral("Riduzione 600-300"));
        QCOMPARE(f.TestoAlfa.testo(), QStringLiteral("69.444"));
        QCOMPARE(f.TestoSpessore.testo().trimmed(), QStringLiteral("3"));
        QCOMPARE(f.Quote, QuoteLamiera::Esterne);
    }

    // Refused where the worksheet refuses, with its messages; nothing written.
    void rifiuti_data()
    {
        QTest::addColumn<QStringList>("opzioni");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("D1 within the plate")
            << QStringList{"--d1", "6", "--d2", "300", "--height", "400", "--thickness", "3"} << 1
            << "D1 deve essere maggiore del doppio dello spessore (6 mm)!\n";
        QTest::newRow("height missing") << QStringList{"--d1", "600", "--d2", "300"} << 1
                                        << "H deve essere un numero >0 (mm)!\n";
        QTest::newRow("cuts crossing")
            << QStringList{"--d1", "600", "--d2", "300", "--height", "100", "--cut1", "30", "--cut2", "-30"} << 1
            << "I due tagli si incrociano dentro il solido: H deve essere maggiore o le inclinazioni minori!\n";
        QTest::newRow("plate too thick for the development")
            << QStringList{"--d1", "600", "--d2", "300", "--height", "400", "--thickness", "145"} << 1
            << "Lo spessore è troppo grande per le misure del tronco!\n";
        QTest::newRow("unknown material")
            << QStringList{"--d1", "600", "--d2", "300", "--height", "400", "--material", "legno"} << 2 << "";
    }

    void rifiuti()
    {
        QFETCH(QStringList, opzioni);
        QFETCH(int, codice);
        QFETCH(QString, messaggio);
        for (const QString &nome : {QStringLiteral("no.vorna"), QStringLiteral("no.tnt")}) {
            const QString file = m_cartella.filePath(nome);
            const Esito e = vorna(QStringList{QStringLiteral("--new-cone"), file} + opzioni);
            QCOMPARE(e.codice, codice);
            if (!messaggio.isEmpty())
                QCOMPARE(e.errori, messaggio);
            QVERIFY(!QFile::exists(file));
        }
    }

private:
    QTemporaryDir m_cartella;
};

QTEST_GUILESS_MAIN(TestNuovoCono)
#include "TestNuovoCono.moc"

// Damaged and hostile .tnt files read, computed and saved over at library level.
#include "FileOstili.h"

#include "calcolo/CalcolaSviluppo.h"
#include "platform/Cp1252.h"
#include "tests/support/FinestraFinta.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString k_AC = QStringLiteral("AC deve essere un numero > 0!");
const QString k_ErroreAC = QStringLiteral("Errore su AC");
constexpr qsizetype k_DieciMega = 10 * 1024 * 1024;

QByteArray ripetuto(const QByteArray &record, qsizetype lunghezza)
{
    QByteArray byte;
    byte.reserve(lunghezza);
    while (byte.size() < lunghezza)
        byte.append(record);
    byte.truncate(lunghezza);
    return byte;
}
} // namespace

class TestFileSviluppoOstili : public QObject {
    Q_OBJECT
    QTemporaryDir m_cartella;

    QString percorso(const QString &nome) const { return m_cartella.filePath(nome); }

private slots:
    void contenutiDanneggiati_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<bool>("sviluppato"); // false: the AC message, nothing drawn
        const QByteArray cono = RecordCono();
        QByteArray casuali = ByteCasuali(4000, 7);
        // The last record (33rd, from byte 3904) gets a letter in AC: its message is certain.
        casuali[3904 + 40] = 'x';
        QTest::newRow("vuoto") << QByteArray() << false;
        QTest::newRow("1 byte") << QByteArray("6") << false;
        QTest::newRow("121 byte") << cono.left(121) << true;
        QTest::newRow("123 byte") << cono + "X" << true;
        QTest::newRow("10 MB") << ripetuto(cono, k_DieciMega) << true;
        QTest::newRow("byte casuali") << casuali << false;
        QTest::newRow("NUL") << QByteArray(122, '\0') << false;
    }

    // Reading never changes the file; the texts go through the validation with its messages,
    // the drawing is finite; a save rewrites the last record only.
    void contenutiDanneggiati()
    {
        QFETCH(QByteArray, byte);
        QFETCH(bool, sviluppato);
        PiattaformaFinta finta;
        const QString file = percorso(QStringLiteral("danneggiato.tnt"));
        QVERIFY(ScriviTutto(file, byte));

        RecordSviluppo buffer;
        QCOMPARE(LeggiRecordSviluppo(file, buffer), EsitoFileSviluppo::Ok);
        QCOMPARE(LeggiTutto(file), byte);
        StatoSviluppo stato;
        CaricaNelloStato(buffer, stato);
        FinestraFinta finestra;
        ContestoCalcolo c{stato, &finestra, nullptr};
        if (!sviluppato)
            finta.attendiBox(k_AC, Pulsanti::OK, k_ErroreAC);
        QCOMPARE(CalcolaSviluppo(c), sviluppato);
        QCOMPARE(finestra.superficie.elementi().empty(), !sviluppato);
        for (const ElementoDisegno &e : finestra.superficie.elementi())
            QVERIFY(qIsFinite(e.x1) && qIsFinite(e.y1) && qIsFinite(e.x2) && qIsFinite(e.y2));

        QCOMPARE(ScriviRecordSviluppo(file, buffer), EsitoFileSviluppo::Ok);
        const QByteArray dopo = LeggiTutto(file);
        const qsizetype inizio = qsizetype(NumeroRecord(byte.size()) - 1) * k_LunghezzaRecordSviluppo;
        QCOMPARE(dopo.size(), qMax(byte.size(), inizio + k_LunghezzaRecordSviluppo));
        QVERIFY(dopo.left(inizio) == byte.left(inizio));
        QCOMPARE(dopo.mid(inizio + k_LunghezzaRecordSviluppo), byte.mid(inizio + k_LunghezzaRecordSviluppo));
        VERIFICA_COPIONE(finta);
    }

    void percorsiImpossibili_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("lettura");
        QTest::addColumn<int>("scrittura");
        QTest::newRow("cartella") << "cartella" << int(EsitoFileSviluppo::NonLeggibile)
                                  << int(EsitoFileSviluppo::NonScrivibile);
        QTest::newRow("mancante") << "mancante" << int(EsitoFileSviluppo::Mancante) << int(EsitoFileSviluppo::Ok);
        QTest::newRow("senza permesso di lettura")
            << "illeggibile" << int(EsitoFileSviluppo::NonLeggibile) << int(EsitoFileSviluppo::NonScrivibile);
        QTest::newRow("cartella inesistente")
            << "sotto" << int(EsitoFileSviluppo::Mancante) << int(EsitoFileSviluppo::NonScrivibile);
    }

    // A path that is no readable file: reported, never created by reading, nothing lost by writing.
    void percorsiImpossibili()
    {
        QFETCH(QString, tipo);
        QFETCH(int, lettura);
        QFETCH(int, scrittura);
        if (tipo == QLatin1String("illeggibile") && Superutente())
            QSKIP("the superuser reads any file");
        PiattaformaFinta finta;
        QString file = percorso(tipo + QStringLiteral(".tnt"));
        if (tipo == QLatin1String("cartella"))
            QVERIFY(QDir().mkpath(file));
        if (tipo == QLatin1String("illeggibile")) {
            QVERIFY(ScriviTutto(file, RecordCono()));
            QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
        }
        if (tipo == QLatin1String("sotto"))
            file = percorso(QStringLiteral("non/esiste/x.tnt"));
        QFile::remove(percorso(QStringLiteral("mancante.tnt")));

        RecordSviluppo buffer;
        buffer.Nome = QStringLiteral("Intatto");
        QCOMPARE(int(LeggiRecordSviluppo(file, buffer)), lettura);
        QCOMPARE(QString(buffer.Nome).trimmed(), QStringLiteral("Intatto"));
        QCOMPARE(QFileInfo::exists(file), tipo != QLatin1String("mancante") && tipo != QLatin1String("sotto"));

        QCOMPARE(int(ScriviRecordSviluppo(file, buffer)), scrittura);
        if (tipo == QLatin1String("cartella"))
            QVERIFY(QFileInfo(file).isDir() && QDir(file).isEmpty());
        if (tipo == QLatin1String("illeggibile")) {
            QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            QCOMPARE(LeggiTutto(file), RecordCono());
        }
        VERIFICA_COPIONE(finta);
    }

    void nomiFuoriCodePage_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("cirillico e cinese") << QStringLiteral("Сопло 日本.tnt");
        QTest::newRow("emoji") << QStringLiteral("pezzo 🔧.tnt");
        QTest::newRow("accenti") << QStringLiteral("però è già.tnt");
    }

    // File names travel as the system's names; the Nome field holds '?' for what the code page lacks.
    void nomiFuoriCodePage()
    {
        QFETCH(QString, nome);
        const QString file = percorso(nome);
        RecordSviluppo buffer = RecordDaByte(RecordCono());
        buffer.Nome = QFileInfo(nome).completeBaseName();
        QCOMPARE(ScriviRecordSviluppo(file, buffer), EsitoFileSviluppo::Ok);
        QVERIFY(QFileInfo(file).isFile());
        RecordSviluppo riletto;
        QCOMPARE(LeggiRecordSviluppo(file, riletto), EsitoFileSviluppo::Ok);
        QCOMPARE(ByteDelRecord(riletto), ByteDelRecord(buffer));
        QCOMPARE(ACp1252(riletto.Nome), CampoCp1252(QFileInfo(nome).completeBaseName(), 40));
        QVERIFY(QFile::remove(file));
    }
};

QTEST_GUILESS_MAIN(TestFileSviluppoOstili)
#include "TestFileSviluppoOstili.moc"

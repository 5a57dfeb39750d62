// Taratura.dat as whole records: counting, reading, writing, lookup, first-start defaults.
#include "calibration/FileTaratura.h"
#include "calibration/ProcedureTara.h"
#include "platform/FileSicuro.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
RecordTara tara(const QString &nome)
{
    RecordTara r = TaraDefault();
    r.NomeTara = nome;
    return r;
}

QByteArray byteDi(const QList<RecordTara> &record)
{
    QByteArray b;
    for (const RecordTara &r : record)
        b += ByteDiTara(r);
    return b;
}

void scrivi(const QString &percorso, const QByteArray &byte)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(byte), byte.size());
}
} // namespace

class TestFileTaratura : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_file;

private slots:
    void init()
    {
        m_file = m_dir.filePath(QStringLiteral("Taratura.dat"));
        QFile::remove(m_file);
    }

    void fileMancante()
    {
        QCOMPARE(ContaTarature(m_file), std::optional<int>(0));
        QVERIFY(!LeggiTara(1, m_file));
        QVERIFY(!QFile::exists(m_file)); // reading never creates it
    }

    void soloRecordInteri_data()
    {
        QTest::addColumn<int>("coda");
        QTest::newRow("multiplo esatto") << 0;
        QTest::newRow("un byte in più") << 1;
        QTest::newRow("169 byte in più") << 169;
    }
    void soloRecordInteri()
    {
        QFETCH(int, coda);
        const QByteArray byte = byteDi({tara("A"), tara("B")}) + QByteArray(coda, 'Z');
        scrivi(m_file, byte);
        QCOMPARE(ContaTarature(m_file), std::optional<int>(2));
        QCOMPARE(LeggiTara(2, m_file)->NomeTara.trimmed(), QStringLiteral("B"));
        QVERIFY(!LeggiTara(3, m_file)); // the partial record is never read
        QVERIFY(!LeggiTara(0, m_file));
        QCOMPARE(NomiTarature(m_file), (QStringList{"A", "B"}));
        QVERIFY(CreaTaratureIniziali(m_file));               // holds records: nothing to do
        QCOMPARE(QFile(m_file).size(), qint64(byte.size())); // the tail is left alone by reading
    }

    void scriviRecord()
    {
        QVERIFY(ScriviTara(1, tara("A"), m_file)); // count + 1 on a missing file creates it
        QVERIFY(ScriviTara(2, tara("B"), m_file));
        QVERIFY(ScriviTara(1, tara("C"), m_file));
        QVERIFY(!ScriviTara(4, tara("D"), m_file)); // no gaps
        QVERIFY(!ScriviTara(0, tara("D"), m_file));
        QCOMPARE(LeggiTutto(m_file), byteDi({tara("C"), tara("B")}));
    }

    void ricerca_data()
    {
        QTest::addColumn<QString>("cercato");
        QTest::addColumn<int>("numero");
        QTest::newRow("uguale") << "Epson" << 2;
        QTest::newRow("maiuscole e blank") << "  EPSON " << 2;
        QTest::newRow("doppione: il primo") << "hp" << 1;
        QTest::newRow("nessuno") << "Canon" << 0;
        QTest::newRow("vuoto") << "" << 0;
        QTest::newRow("oltre 40 caratteri") << QString(40, QLatin1Char('L')) + QStringLiteral("xyz") << 4;
    }
    void ricerca()
    {
        QFETCH(QString, cercato);
        QFETCH(int, numero);
        const QList<RecordTara> record = {tara("HP"), tara("Epson"), tara("hp "), tara(QString(40, QLatin1Char('L')))};
        QCOMPARE(CercaTara(record, cercato), numero);
    }

    void taratureIniziali_data()
    {
        QTest::addColumn<QByteArray>("prima");
        QTest::addColumn<bool>("mancante");
        QTest::newRow("file mancante") << QByteArray() << true;
        QTest::newRow("file vuoto") << QByteArray() << false;
        QTest::newRow("meno di un record") << QByteArray(100, 'x') << false;
    }
    void taratureIniziali()
    {
        QFETCH(QByteArray, prima);
        QFETCH(bool, mancante);
        if (!mancante)
            scrivi(m_file, prima);
        PiattaformaFinta finta;
        if (!prima.isEmpty())
            finta.attendiBox(QStringLiteral("Taratura.dat non contiene tarature complete: il suo contenuto è "
                                            "conservato in Taratura.dat.danneggiato e sono ripristinate le "
                                            "tarature predefinite."));
        QVERIFY(CreaTaratureIniziali(m_file));
        VERIFICA_COPIONE(finta);
        const QByteArray dopo = LeggiTutto(m_file);
        QCOMPARE(dopo.size(), 2 * k_LunghezzaRecordTara);
        QCOMPARE(dopo, ByteDiTara(TaraDefault()) + ByteDiTara(TaraLexmark()));
        QCOMPARE(NomiTarature(m_file), (QStringList{"Default", "Lexmark WinWriter 200"}));
    }

    void fileIllegibile()
    {
        // A folder in the file's place cannot be read: one message, nothing written.
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Taratura.dat")));
        PiattaformaFinta finta;
        QVERIFY(!ContaTarature(m_file));
        finta.attendiBox(QStringLiteral("Impossibile leggere il file Taratura.dat: è una cartella"));
        QVERIFY(NomiTarature(m_file).isEmpty());
        finta.attendiBox(QStringLiteral("Impossibile leggere il file Taratura.dat: è una cartella"));
        QVERIFY(!CreaTaratureIniziali(m_file));
        finta.attendiBox(QStringLiteral("Impossibile leggere il file Taratura.dat: è una cartella"));
        QVERIFY(!CaricaTara(1, m_file));
        QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("Taratura.dat")));
        VERIFICA_COPIONE(finta);
    }

    void scritturaFallitaAllaPrimaPartenza()
    {
        PiattaformaFinta finta;
        ImpostaGuastoSimulato([](const char *passo) { return QLatin1String(passo) == QLatin1String("scrivi"); });
        finta.attendiBox(
            QStringLiteral("Impossibile scrivere il file Taratura.dat: errore di lettura o scrittura del disco"));
        QVERIFY(!CreaTaratureIniziali(m_file));
        ImpostaGuastoSimulato({});
        QVERIFY(!QFile::exists(m_file));
        VERIFICA_COPIONE(finta);
    }

    void cartellaDiLavoroPredefinita()
    {
        const QString prima = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        const bool ok = CreaTaratureIniziali();
        QDir::setCurrent(prima);
        QVERIFY(ok);
        QCOMPARE(ContaTarature(m_file), std::optional<int>(2));
    }
};

QTEST_GUILESS_MAIN(TestFileTaratura)
#include "TestFileTaratura.moc"

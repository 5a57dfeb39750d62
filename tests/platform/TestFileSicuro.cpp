// Whole-file writes: a failure at any step, a full disk included, leaves the old file as it was
// and says why; reads refuse what is no regular file and what is too big, without blocking.
#include "platform/FileSicuro.h"
#include "tests/support/DiscoPieno.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
QByteArray letto(const QString &percorso)
{
    QByteArray byte;
    return LeggiFile(percorso, 1 << 20, byte) ? byte : QByteArray("<illeggibile>");
}
} // namespace

class TestFileSicuro : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ImpostaGuastoSimulato({}); }

    void scriveELegge()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("a.dat"));
        QByteArray byte;
        QCOMPARE(LeggiFile(percorso, 100, byte).motivo, QStringLiteral("file o cartella inesistente"));
        QVERIFY(!QFile::exists(percorso)); // reading never creates
        QVERIFY(ScriviFileSicuro(percorso, "nuovo"));
        QCOMPARE(letto(percorso), QByteArray("nuovo"));
    }

    void guastoLasciaIlVecchio_data()
    {
        QTest::addColumn<QString>("passo");
        for (const char *passo : {"apri", "scrivi", "conferma", "rinomina"})
            QTest::newRow(passo) << passo;
    }
    void guastoLasciaIlVecchio()
    {
        QFETCH(QString, passo);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("a.dat"));
        QVERIFY(ScriviFileSicuro(percorso, "vecchio"));
        ImpostaGuastoSimulato([&](const char *p) { return passo == QLatin1String(p); });
        QCOMPARE(ScriviFileSicuro(percorso, "nuovo contenuto").motivo,
                 QStringLiteral("errore di lettura o scrittura del disco"));
        QCOMPARE(letto(percorso), QByteArray("vecchio"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.dat")});
    }

    // The defect this guards: small writes went to a buffer, the disk-full error of its flush was
    // lost and an empty file was renamed over the old one.
    void discoPieno_data()
    {
        QTest::addColumn<int>("lunghezza");
        QTest::newRow("100 byte") << 100;
        QTest::newRow("16 KiB") << 16 * 1024;
        QTest::newRow("200 KiB") << 200 * 1024;
    }
    void discoPieno()
    {
        QFETCH(int, lunghezza);
        DiscoPieno disco;
        MONTA_DISCO_PIENO(disco);
        const QString percorso = disco.percorso(QStringLiteral("a.dat"));
        QVERIFY(ScriviFileSicuro(percorso, "vecchio"));
        QVERIFY(disco.riempi());
        QCOMPARE(ScriviFileSicuro(percorso, QByteArray(lunghezza, 'x')).motivo, QStringLiteral("disco pieno"));
        QCOMPARE(letto(percorso), QByteArray("vecchio"));
        QCOMPARE(QDir(disco.percorso(QString())).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("a.dat"), QStringLiteral("riempitivo")}));
    }

    void nonFileRegolari_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("cartella") << "cartella"
                                  << "è una cartella";
        QTest::newRow("FIFO") << "fifo"
                              << "non è un file regolare";
        QTest::newRow("collegamento a /dev/zero") << "zero"
                                                  << "non è un file regolare";
        QTest::newRow("collegamento a una FIFO") << "collegamento fifo"
                                                 << "non è un file regolare";
    }
    // Nothing blocks on a FIFO nobody writes to, nothing reads /dev/zero for ever, and a write
    // never puts a plain file in the place of either.
    void nonFileRegolari()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("x.tnt"));
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        if (tipo == QLatin1String("cartella"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.tnt")));
        else if (tipo == QLatin1String("fifo"))
            QVERIFY(QFile::rename(fifo, percorso));
        else
            QVERIFY(QFile::link(tipo == QLatin1String("zero") ? QStringLiteral("/dev/zero") : fifo, percorso));
        FileInLettura file;
        QCOMPARE(file.Apri(percorso).motivo, motivo);
        QByteArray byte;
        QCOMPARE(LeggiFile(percorso, 1000, byte).motivo, motivo);
        QCOMPARE(ScriviFileSicuro(percorso, "x").motivo, motivo);
        const QFileInfo dopo(percorso);
        QVERIFY(!dopo.isFile() || dopo.isSymLink());
    }

    void troppoGrande()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("a.dat"));
        QVERIFY(ScriviFileSicuro(percorso, QByteArray(101, 'x')));
        QByteArray byte;
        QCOMPARE(LeggiFile(percorso, 100, byte).motivo, QStringLiteral("file troppo grande"));
        QVERIFY(byte.isEmpty());
        QVERIFY(LeggiFile(percorso, 101, byte));
        QCOMPARE(byte.size(), 101);
    }

    // A part of a file from its offset; past the end it is short, never an error.
    void letturaAUnOffset()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("a.dat"));
        QVERIFY(ScriviFileSicuro(percorso, "0123456789"));
        FileInLettura file;
        QVERIFY(file.Apri(percorso));
        QCOMPARE(file.Dimensione(), qint64(10));
        QByteArray byte;
        QVERIFY(file.Leggi(7, 5, byte));
        QCOMPARE(byte, QByteArray("789"));
        QVERIFY(file.Leggi(20, 5, byte));
        QVERIFY(byte.isEmpty());
    }

    // A write through a link replaces what it leads to, even a file not there yet; the link stays.
    void collegamenti()
    {
        QTemporaryDir dir;
        const QString collegamento = dir.filePath(QStringLiteral("uscita.dxf"));
        const QString bersaglio = dir.filePath(QStringLiteral("vero.dxf"));
        QVERIFY(QFile::link(QStringLiteral("vero.dxf"), collegamento));
        QCOMPARE(PercorsoRisolto(collegamento), bersaglio);
        QVERIFY(ScriviFileSicuro(collegamento, "nuovo"));
        QVERIFY(QFileInfo(collegamento).isSymLink());
        QCOMPARE(letto(bersaglio), QByteArray("nuovo"));

        const QString anello = dir.filePath(QStringLiteral("anello"));
        QVERIFY(QFile::link(QStringLiteral("anello"), anello));
        QCOMPARE(ScriviFileSicuro(anello, "x").motivo, QStringLiteral("troppi collegamenti simbolici"));
    }
};

QTEST_GUILESS_MAIN(TestFileSicuro)
#include "TestFileSicuro.moc"

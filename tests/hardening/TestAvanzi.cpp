// Temporaries of killed writers, real processes: the next write of the same file removes them,
// never one of a program still writing, of another computer or not ours.
#include "platform/FileSicuro.h"
#include "tests/support/FileDiProva.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
const QByteArray k_Contenuto = QByteArray("contenuto completo\n").repeated(1000);

// The writer stopped at `passo`, or a failed test.
bool fermo(QProcess &scrittore, const QString &file, const QString &passo, bool senzaAnonimi)
{
    QStringList argomenti{file, passo};
    if (senzaAnonimi)
        argomenti << QStringLiteral("senza-anonimi");
    scrittore.start(QStringLiteral(VORNA_SCRITTORE_FERMO), argomenti);
    return scrittore.waitForReadyRead(20000) && scrittore.readAllStandardOutput() == "fermo\n";
}

QStringList elenco(const QTemporaryDir &cartella)
{
    return QDir(cartella.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Our temporaries of `nome` in the folder.
QFileInfoList temporanei(const QTemporaryDir &cartella, const QString &nome)
{
    return QDir(cartella.path()).entryInfoList({nome + QStringLiteral(".vorna-*")}, QDir::Files | QDir::Hidden);
}

// A process id that no process holds any more.
qint64 processoFinito()
{
    QProcess breve;
    breve.start(QStringLiteral(VORNA_SCRITTORE_FERMO), QStringList());
    const qint64 processo = breve.waitForStarted(20000) ? breve.processId() : 0;
    return breve.waitForFinished(20000) ? processo : 0;
}
} // namespace

class TestAvanzi : public QObject {
    Q_OBJECT
private slots:
    void uccisoLasciaUnAvanzo_data()
    {
        QTest::addColumn<QString>("passo");
        QTest::addColumn<bool>("senzaAnonimi");
        QTest::addColumn<int>("dimensione"); // of the temporary left
        QTest::newRow("ucciso tra nome e rinomina") << "rinomina" << false << int(k_Contenuto.size());
        QTest::newRow("senza file anonimi, ucciso prima di scrivere") << "scrivi" << true << 0;
        QTest::newRow("senza file anonimi, ucciso prima di rinominare")
            << "rinomina" << true << int(k_Contenuto.size());
    }
    // The defect this guards: a complete "o.pdf.XXXXXX" (5.5 MB for a large Taratura.dat) stayed
    // for ever, and a 0-byte one on FAT and SMB shares.
    void uccisoLasciaUnAvanzo()
    {
        QFETCH(QString, passo);
        QFETCH(bool, senzaAnonimi);
        QFETCH(int, dimensione);
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("o.pdf"));
        QVERIFY(ScriviTutto(file, "vecchio"));
        QProcess scrittore;
        QVERIFY(fermo(scrittore, file, passo, senzaAnonimi));
        const QFileInfoList avanzi = temporanei(cartella, QStringLiteral("o.pdf"));
        QCOMPARE(avanzi.size(), 1);
        QVERIFY(avanzi[0].fileName().contains(QStringLiteral("-%1-").arg(scrittore.processId())));
        QCOMPARE(avanzi[0].size(), qint64(dimensione));
        ::kill(pid_t(scrittore.processId()), SIGKILL);
        QVERIFY(scrittore.waitForFinished(20000));
        QCOMPARE(LeggiTutto(file), QByteArray("vecchio"));
        QCOMPARE(temporanei(cartella, QStringLiteral("o.pdf")).size(), 1);

        QVERIFY(ScriviFileSicuro(file, "nuovo"));
        QCOMPARE(LeggiTutto(file), QByteArray("nuovo"));
        QCOMPARE(elenco(cartella), QStringList{QStringLiteral("o.pdf")});
    }

    // Removing a temporary of a program still writing would make its write fail; one of another
    // computer's program cannot be known dead from here; names not ours are someone else's.
    void temporaneiDaLasciare()
    {
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("o.pdf"));
        QProcess vivo;
        QVERIFY(fermo(vivo, file, QStringLiteral("rinomina"), false));
        const QFileInfoList suo = temporanei(cartella, QStringLiteral("o.pdf"));
        QCOMPARE(suo.size(), 1);
        const QString computer = suo[0].fileName().section(QLatin1Char('@'), 1);
        const qint64 morto = processoFinito();
        QVERIFY(morto > 0);
        const QStringList estranei{
            QStringLiteral("o.pdf.vorna-%1-0@altro-computer").arg(morto),       // a program of another computer
            QStringLiteral("o.pdf.Ab12Cd"),                                     // not named by us
            QStringLiteral("altro.pdf.vorna-%1-0@%2").arg(morto).arg(computer), // another file's, left for its write
        };
        for (const QString &nome : estranei)
            QVERIFY(ScriviTutto(cartella.filePath(nome), "altrui"));

        QVERIFY(ScriviFileSicuro(file, "nuovo"));
        for (const QString &nome : estranei)
            QVERIFY2(QFileInfo::exists(cartella.filePath(nome)), qPrintable(nome));
        QVERIFY(QFileInfo::exists(suo[0].filePath()));

        // The program still writing finishes its own write.
        vivo.closeWriteChannel();
        QVERIFY(vivo.waitForFinished(20000));
        QCOMPARE(vivo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(vivo.exitCode(), 0);
        QCOMPARE(LeggiTutto(file), k_Contenuto);
        QVERIFY(!QFileInfo::exists(suo[0].filePath()));
    }
};

QTEST_GUILESS_MAIN(TestAvanzi)
#include "TestAvanzi.moc"

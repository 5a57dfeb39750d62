// Lamiere.dat: first-start list, a real file read back, malformed sizes and a failed write.
#include "plates/FileLamiere.h"

#include "tests/support/DiscoPieno.h"
#include "tests/support/FileDiProva.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
// Where the unprivileged child run of this test writes: set by the parent run.
const char k_VariabileFiglio[] = "VORNA_LAMIERE_SENZA_PERMESSO";
} // namespace

class TestFileLamiere : public QObject {
    Q_OBJECT

private slots:
    void scrittoERiletto()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        const auto partenza = LeggiLamiere(percorso);
        QVERIFY(partenza);
        QCOMPARE(partenza->size(), size_t(5));
        QCOMPARE(partenza->back().larghezza, 6000.0);

        std::vector<Lamiera> mie{{3000, 1500, 5, QStringLiteral("Inox; 304")}, {2500, 1250, 0, {}}};
        QVERIFY(ScriviLamiere(mie, percorso));
        const auto lette = LeggiLamiere(percorso);
        QVERIFY(lette);
        QCOMPARE(lette->size(), size_t(2));
        QCOMPARE(lette->at(0).spessore, 5.0);
        QCOMPARE(lette->at(0).materiale, QStringLiteral("Inox, 304"));
        QCOMPARE(lette->at(1).altezza, 1250.0);
    }

    void misureMalformateRifiutate_data()
    {
        QTest::addColumn<QString>("testo");
        for (const char *t : {"3000x", "x1500", "0x100", "abcx100", "3000x1500x2", "-3000x1500", "1e9x100"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void misureMalformateRifiutate()
    {
        QFETCH(QString, testo);
        QString motivo;
        QVERIFY(!LeggiMisuraLamiera(testo, &motivo));
        QVERIFY(motivo.contains(testo));
        QVERIFY(motivo.contains(QStringLiteral("non valida")));
    }

    void misuraGirata()
    {
        const auto l = LeggiMisuraLamiera(QStringLiteral(" 1500 X 3000 "));
        QVERIFY(l);
        QCOMPARE(l->larghezza, 3000.0);
        QCOMPARE(l->altezza, 1500.0);
    }

    void rigaDanneggiataNominata()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        QVERIFY(ScriviTutto(percorso, "3000x1500\n2000x\n"));
        QString motivo;
        QVERIFY(!LeggiLamiere(percorso, &motivo));
        QVERIFY2(motivo.contains(QStringLiteral("riga 2")), qPrintable(motivo));
    }

    // A write that fails half way leaves the old list as it was.
    void scritturaFallitaLasciaIlVecchio()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        QVERIFY(ScriviLamiere({{3000, 1500, 0, {}}}, percorso));
        const QByteArray prima = LeggiTutto(percorso);
        ImpostaGuastoSimulato([](const char *passo) { return qstrcmp(passo, "scrivi") == 0; });
        const EsitoFile esito = ScriviLamiere({{6000, 2000, 0, {}}, {4000, 2000, 0, {}}}, percorso);
        ImpostaGuastoSimulato({});
        QVERIFY(!esito);
        QCOMPARE(LeggiTutto(percorso), prima);
    }

    // A real full disk: the reason is named and the old list stays.
    void discoPienoLasciaIlVecchio()
    {
        DiscoPieno disco;
        MONTA_DISCO_PIENO(disco);
        const QString percorso = disco.percorso(k_FileLamiere);
        QVERIFY(ScriviLamiere({{3000, 1500, 0, {}}}, percorso));
        const QByteArray prima = LeggiTutto(percorso);
        QVERIFY(disco.riempi());
        std::vector<Lamiera> molte(400, Lamiera{6000, 2000, 0, {}});
        const EsitoFile esito = ScriviLamiere(molte, percorso);
        QVERIFY(!esito);
        QCOMPARE(esito.motivo, QStringLiteral("disco pieno"));
        QCOMPARE(LeggiTutto(percorso), prima);
    }

    // A FIFO where the list should be: reading never waits for a writer, writing never replaces
    // it, and both say why.
    void fifoRifiutata()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        QCOMPARE(::mkfifo(QFile::encodeName(percorso).constData(), 0644), 0);
        QString motivo;
        QVERIFY(!LeggiLamiere(percorso, &motivo));
        QCOMPARE(motivo, QStringLiteral("Impossibile leggere il file %1: non è un file regolare").arg(percorso));
        const EsitoFile esito = ScriviLamiere({{3000, 1500, 0, {}}}, percorso);
        QVERIFY(!esito);
        QCOMPARE(esito.motivo, QStringLiteral("non è un file regolare"));
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(percorso).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    // A user who may not write the list's folder: this test run again as nobody, a real
    // unprivileged process; the reason names the permission and the list is left as it was.
    void senzaPermessoDiScrittura()
    {
        if (qEnvironmentVariableIsSet(k_VariabileFiglio)) {
            const QString percorso = qEnvironmentVariable(k_VariabileFiglio);
            const EsitoFile esito = ScriviLamiere({{6000, 2000, 0, {}}}, percorso);
            QVERIFY(!esito);
            QVERIFY2(esito.motivo.contains(QStringLiteral("permesso negato")), qPrintable(esito.motivo));
            const auto lette = LeggiLamiere(percorso);
            QVERIFY(lette);
            QCOMPARE(lette->size(), size_t(1));
            return;
        }
        if (::geteuid() != 0)
            QSKIP("needs root to run a child as another user");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                      QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                                      QFile::ExeOther));
        const QString percorso = dir.filePath(k_FileLamiere);
        QVERIFY(ScriviLamiere({{3000, 1500, 0, {}}}, percorso));
        const QByteArray prima = LeggiTutto(percorso);
        QProcess figlio;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QString::fromLatin1(k_VariabileFiglio), percorso);
        figlio.setProcessEnvironment(ambiente);
        figlio.start(QStringLiteral("setpriv"),
                     {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                      QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                      QStringLiteral("senzaPermessoDiScrittura")});
        QVERIFY(figlio.waitForFinished(60000));
        const QByteArray uscita = figlio.readAllStandardOutput() + figlio.readAllStandardError();
        QVERIFY2(figlio.exitStatus() == QProcess::NormalExit && figlio.exitCode() == 0, uscita.constData());
        QVERIFY2(uscita.contains("PASS   : TestFileLamiere::senzaPermessoDiScrittura()"), uscita.constData());
        QCOMPARE(LeggiTutto(percorso), prima);
    }
};

QTEST_GUILESS_MAIN(TestFileLamiere)
#include "TestFileLamiere.moc"

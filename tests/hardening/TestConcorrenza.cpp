// Two programs changing Taratura.dat at once, as real processes: no calibration of either is lost.
#include "calibration/ProcedureTara.h"
#include "platform/BloccoFile.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <utility>

namespace {
constexpr int k_Ciascuno = 60;

QByteArray fabbrica() { return ByteDiTara(TaraDefault()) + ByteDiTara(TaraLexmark()); }

// Starts the helper; `attendi`: until it has finished.
bool programma(QProcess &processo, const QStringList &argomenti)
{
    processo.start(QStringLiteral(VORNA_CONCORRENTE), argomenti);
    return processo.waitForStarted(20000);
}

bool eseguito(QProcess &processo)
{
    return processo.waitForFinished(120000) && processo.exitStatus() == QProcess::NormalExit &&
           processo.exitCode() == 0;
}

// Sets the file's time `secondi` back, as that long a wait would have aged it.
bool invecchia(const QString &percorso, int secondi)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-secondi), QFileDevice::FileModificationTime);
}

RecordTara taraDi(const QString &nome)
{
    RecordTara r = TaraDefault();
    r.NomeTara = nome;
    r.XRea1 = QStringLiteral("139.00");
    return r;
}

// The user at the screen: each box runs what another program does meanwhile, then is answered.
class UtenteLento final : public Piattaforma {
public:
    UtenteLento(std::function<void()> intanto, int risposta) : m_intanto(std::move(intanto)), m_risposta(risposta)
    {
        Piattaforma::installa(this);
    }
    ~UtenteLento() override { Piattaforma::installa(nullptr); }
    int MsgBox(const QString &prompt, Pulsanti, const QString &) override
    {
        domande.append(prompt);
        if (m_intanto)
            std::exchange(m_intanto, {})();
        return m_risposta;
    }
    void Beep() override {}
    std::optional<QString> DialogoApri(const RichiestaFile &) override { return std::nullopt; }
    std::optional<QString> DialogoSalva(const RichiestaFile &) override { return std::nullopt; }
    bool DialogoStampante(QPrinter &) override { return false; }

    QStringList domande;

private:
    std::function<void()> m_intanto;
    int m_risposta;
};
} // namespace

class TestConcorrenza : public QObject {
    Q_OBJECT
    QTemporaryDir m_cartella;
    QString m_file;

    // What another program does while the user reads a question.
    void altroProgramma(const QStringList &argomenti)
    {
        QProcess processo;
        QVERIFY(programma(processo, argomenti));
        QVERIFY(eseguito(processo));
    }

private slots:
    void init()
    {
        m_file = m_cartella.filePath(QStringLiteral("Taratura.dat"));
        QVERIFY(ScriviTutto(m_file, fabbrica()));
    }
    void cleanup() { ImpostaAttesaBlocco(k_AttesaBlocco); }

    // The defect this guards: both read the whole file, each wrote back its own list, and about
    // half of the 120 calibrations were lost while every save was reported done.
    void dueProgrammiAggiungono()
    {
        QProcess primo, secondo;
        QVERIFY(
            programma(primo, {QStringLiteral("aggiungi"), m_file, QStringLiteral("A"), QString::number(k_Ciascuno)}));
        QVERIFY(
            programma(secondo, {QStringLiteral("aggiungi"), m_file, QStringLiteral("B"), QString::number(k_Ciascuno)}));
        QVERIFY(eseguito(primo));
        QVERIFY(eseguito(secondo));
        PiattaformaFinta finta;
        const QStringList nomi = NomiTarature(m_file);
        QCOMPARE(nomi.size(), 2 + 2 * k_Ciascuno);
        QCOMPARE(QSet<QString>(nomi.begin(), nomi.end()).size(), nomi.size());
        for (const char *prefisso : {"A", "B"})
            for (int i = 0; i < k_Ciascuno; ++i)
                QVERIFY(nomi.contains(QStringLiteral("%1-%2").arg(QLatin1String(prefisso)).arg(i)));
        QCOMPARE(QDir(m_cartella.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Taratura.dat")});
        VERIFICA_COPIONE(finta);
    }

    // Two removals once shared Lavoro.dat and could rename each other's content into place.
    void dueProgrammiRimuovono()
    {
        QProcess aggiunta;
        QVERIFY(programma(aggiunta, {QStringLiteral("aggiungi"), m_file, QStringLiteral("A"), QStringLiteral("20")}));
        QVERIFY(eseguito(aggiunta));
        QVERIFY(programma(aggiunta, {QStringLiteral("aggiungi"), m_file, QStringLiteral("B"), QStringLiteral("20")}));
        QVERIFY(eseguito(aggiunta));
        QProcess primo, secondo;
        QVERIFY(programma(primo, {QStringLiteral("rimuovi"), m_file, QStringLiteral("A"), QStringLiteral("20")}));
        QVERIFY(programma(secondo, {QStringLiteral("rimuovi"), m_file, QStringLiteral("B"), QStringLiteral("20")}));
        QVERIFY(eseguito(primo));
        QVERIFY(eseguito(secondo));
        QCOMPARE(LeggiTutto(m_file), fabbrica());
    }

    // The answer is applied to the file as it is after the question, not to the list read before it.
    void cambiatoDuranteLaDomanda_data()
    {
        QTest::addColumn<QString>("azione");
        QTest::newRow("sovrascrittura") << "sovrascrivi";
        QTest::newRow("rimozione") << "rimuovi";
    }
    void cambiatoDuranteLaDomanda()
    {
        QFETCH(QString, azione);
        const bool sovrascrivi = azione == QLatin1String("sovrascrivi");
        UtenteLento utente(
            [&] {
                altroProgramma({QStringLiteral("aggiungi"), m_file, QStringLiteral("Epson"), QStringLiteral("1")});
            },
            sovrascrivi ? RispostaSi : RispostaOK);
        if (sovrascrivi)
            QCOMPARE(SalvaTara(taraDi(QStringLiteral("Default")), m_file).esito, EsitoTara::Eseguito);
        else
            QCOMPARE(RimuoviTara(0, 2, m_file), EsitoTara::Eseguito);
        QCOMPARE(utente.domande.size(), 1);
        const QStringList attesi =
            sovrascrivi ? QStringList{QStringLiteral("Default"), QStringLiteral("Lexmark WinWriter 200"),
                                      QStringLiteral("Epson-0")}
                        : QStringList{QStringLiteral("Lexmark WinWriter 200"), QStringLiteral("Epson-0")};
        QCOMPARE(NomiTarature(m_file), attesi);
        if (sovrascrivi)
            QCOMPARE(LeggiTara(1, m_file)->XRea1.trimmed(), QStringLiteral("139.00"));
    }

    // The calibration the user agreed to overwrite was removed meanwhile: the save asks nothing
    // more and adds it at the end, where both lists will show it.
    void toltoDuranteLaDomanda()
    {
        UtenteLento utente(
            [&] {
                altroProgramma({QStringLiteral("rimuovi"), m_file, QStringLiteral("Epson"), QStringLiteral("1")});
            },
            RispostaSi);
        QVERIFY(ScriviTara(3, taraDi(QStringLiteral("Epson-0")), m_file));
        const EsitoSalvaTara esito = SalvaTara(taraDi(QStringLiteral("Epson-0")), m_file);
        QCOMPARE(esito.esito, EsitoTara::Eseguito);
        QCOMPARE(esito.indice, 3);
        QCOMPARE(utente.domande,
                 QStringList{QStringLiteral("Identificativo Taratura Stampante esistente! Sovrascrivo?")});
        QCOMPARE(NomiTarature(m_file).size(), 3);
    }

    // A program holding the lock for long: the change is not made and the user is told who holds it.
    void bloccatoDaUnAltro()
    {
        QProcess detentore;
        QVERIFY(programma(detentore, {QStringLiteral("blocca"), m_file}));
        QVERIFY(detentore.waitForReadyRead(20000));
        QCOMPARE(detentore.readAllStandardOutput(), QByteArray("pronto\n"));
        ImpostaAttesaBlocco(std::chrono::milliseconds(0));
        PiattaformaFinta finta;
        const QString attesa = QStringLiteral("Impossibile scrivere il file Taratura.dat: in uso da un altro programma "
                                              "(vorna_programma_concorrente, processo %1 su %2); riprovare tra poco")
                                   .arg(detentore.processId())
                                   .arg(QSysInfo::machineHostName());
        finta.attendiBox(attesa);
        QCOMPARE(SalvaTara(taraDi(QStringLiteral("Nuova")), m_file).esito, EsitoTara::Errore);
        finta.attendiBox(QStringLiteral("Elimino definitivamente: Default?"), Pulsanti::OKAnnulla, RispostaOK);
        finta.attendiBox(attesa);
        QCOMPARE(RimuoviTara(0, 2, m_file), EsitoTara::Errore);
        QCOMPARE(LeggiTutto(m_file), fabbrica());
        detentore.closeWriteChannel();
        QVERIFY(eseguito(detentore));
        VERIFICA_COPIONE(finta);
    }

    // The defect this guards: a lock over 30 s old was broken although its program was still at
    // work. On a local disk the holder's native lock (flock) kept it; on a shared folder, where
    // that does not reach the other programs, only the lock file's contents speak for the holder,
    // as in the second row. The lock file is aged as a long operation would age it (its time set
    // back), so the test need not wait half a minute.
    void bloccoVecchioDiUnProgrammaVivo_data()
    {
        QTest::addColumn<bool>("condiviso");
        QTest::newRow("disco locale") << false;
        QTest::newRow("cartella condivisa") << true;
    }
    void bloccoVecchioDiUnProgrammaVivo()
    {
        QFETCH(bool, condiviso);
        const QString blocco = m_file + QStringLiteral(".lock");
        QProcess detentore;
        // On the shared folder the holder is as alive, but its native lock is on another file.
        QVERIFY(
            programma(detentore, {QStringLiteral("blocca"), condiviso ? m_file + QStringLiteral("-altro") : m_file}));
        QVERIFY(detentore.waitForReadyRead(20000));
        QCOMPARE(detentore.readAllStandardOutput(), QByteArray("pronto\n"));
        if (condiviso)
            QVERIFY(ScriviTutto(blocco, QStringLiteral("%1\nvorna_programma_concorrente\n%2\n")
                                            .arg(detentore.processId())
                                            .arg(QSysInfo::machineHostName())
                                            .toUtf8()));
        QVERIFY(invecchia(blocco, 3600));
        ImpostaAttesaBlocco(std::chrono::milliseconds(0));
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Impossibile scrivere il file Taratura.dat: in uso da un altro programma "
                                        "(vorna_programma_concorrente, processo %1 su %2); riprovare tra poco")
                             .arg(detentore.processId())
                             .arg(QSysInfo::machineHostName()));
        QCOMPARE(SalvaTara(taraDi(QStringLiteral("Nuova")), m_file).esito, EsitoTara::Errore);
        QCOMPARE(LeggiTutto(m_file), fabbrica());
        detentore.closeWriteChannel();
        QVERIFY(eseguito(detentore));
        if (condiviso)
            QFile::remove(blocco);
        VERIFICA_COPIONE(finta);
    }

    // A program of another computer cannot be known dead: its lock stays, and the user is told
    // which file to delete once that program is closed.
    void bloccoDiUnAltroComputer()
    {
        const QString blocco = m_file + QStringLiteral(".lock");
        QVERIFY(ScriviTutto(blocco, "4242\nvorna\naltro-computer\n"));
        QVERIFY(invecchia(blocco, 3600));
        ImpostaAttesaBlocco(std::chrono::milliseconds(0));
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Impossibile scrivere il file Taratura.dat: in uso da un altro programma "
                                        "(vorna, processo 4242 su altro-computer); riprovare tra poco; se su "
                                        "altro-computer quel programma è chiuso, eliminare il file Taratura.dat.lock"));
        QCOMPARE(SalvaTara(taraDi(QStringLiteral("Nuova")), m_file).esito, EsitoTara::Errore);
        QCOMPARE(LeggiTutto(m_file), fabbrica());
        QFile::remove(blocco);
        VERIFICA_COPIONE(finta);
    }

    // The lock of a program that died is broken at once; the change goes through.
    void bloccoDiUnProgrammaMorto()
    {
        QProcess detentore;
        QVERIFY(programma(detentore, {QStringLiteral("blocca"), m_file}));
        QVERIFY(detentore.waitForReadyRead(20000));
        ::kill(pid_t(detentore.processId()), SIGKILL);
        QVERIFY(detentore.waitForFinished(20000));
        const QString blocco = m_file + QStringLiteral(".lock");
        QVERIFY(QFileInfo::exists(blocco));
        ImpostaAttesaBlocco(std::chrono::milliseconds(0));
        PiattaformaFinta finta;
        QCOMPARE(SalvaTara(taraDi(QStringLiteral("Nuova")), m_file).esito, EsitoTara::Eseguito);
        QCOMPARE(NomiTarature(m_file).size(), 3);
        QVERIFY(!QFileInfo::exists(blocco));
        VERIFICA_COPIONE(finta);
    }

    // A program killed between creating the lock file and writing who it is leaves it empty: such
    // a file is taken for a lock being created at first and broken once it is over a second old.
    void bloccoVuoto_data()
    {
        QTest::addColumn<int>("eta"); // seconds
        QTest::newRow("appena creato") << 0;
        QTest::newRow("abbandonato") << 5;
    }
    void bloccoVuoto()
    {
        QFETCH(int, eta);
        const QString blocco = m_file + QStringLiteral(".lock");
        QVERIFY(ScriviTutto(blocco, QByteArray()));
        QVERIFY(invecchia(blocco, eta));
        ImpostaAttesaBlocco(std::chrono::milliseconds(0));
        PiattaformaFinta finta;
        if (eta == 0)
            finta.attendiBox(QStringLiteral("Impossibile scrivere il file Taratura.dat: in uso da un altro programma; "
                                            "riprovare tra poco"));
        QCOMPARE(SalvaTara(taraDi(QStringLiteral("Nuova")), m_file).esito,
                 eta == 0 ? EsitoTara::Errore : EsitoTara::Eseguito);
        QCOMPARE(NomiTarature(m_file).size(), eta == 0 ? 2 : 3);
        QCOMPARE(QFileInfo::exists(blocco), eta == 0);
        QFile::remove(blocco);
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestConcorrenza)
#include "TestConcorrenza.moc"

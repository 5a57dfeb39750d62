// The lock of a shared file through QLockFile, with the holder named when it does not let go.
#include "platform/BloccoFile.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <thread>

namespace {
std::chrono::milliseconds g_attesa = k_AttesaBlocco;
}

void ImpostaAttesaBlocco(std::chrono::milliseconds attesa) { g_attesa = attesa; }

BloccoFile::BloccoFile(const QString &percorso)
    : m_percorso(PercorsoRisolto(percorso) + QStringLiteral(".lock")),
      m_blocco(m_percorso)
{
    // QLockFile breaks by default any lock over 30 s old, even one whose program is still at work
    // on a slow shared folder: only a lock whose program is known dead is broken.
    m_blocco.setStaleLockTime(std::chrono::milliseconds::zero());
}

EsitoFile BloccoFile::Prendi()
{
    // QLockFile's own wait sleeps ever longer, up to seconds: a change of a few milliseconds by
    // another program would keep this one waiting far longer than needed.
    constexpr std::chrono::milliseconds k_Pausa{5};
    QElapsedTimer trascorso;
    trascorso.start();
    for (;;) {
        errno = 0;
        if (m_blocco.tryLock(0))
            break;
        const int numeroErrore = errno;
        if (m_blocco.error() == QLockFile::LockFailedError && abbandonato() && m_blocco.removeStaleLockFile())
            continue;
        if (m_blocco.error() != QLockFile::LockFailedError || trascorso.elapsed() >= g_attesa.count())
            return motivo(numeroErrore);
        std::this_thread::sleep_for(k_Pausa);
    }
    return {};
}

// QLockFile breaks a lock whose program has died only once it has read who that was: a program
// killed between creating the lock file and writing into it would keep it for half a minute.
// Writing follows creation within microseconds, so a lock file still empty after a second has
// no program behind it.
bool BloccoFile::abbandonato() const
{
    constexpr qint64 k_Grazia = 1000; // ms
    qint64 pid = 0;
    QString computer, programma;
    const QFileInfo info(m_percorso);
    return info.exists() && !m_blocco.getLockInfo(&pid, &computer, &programma) &&
           info.lastModified().msecsTo(QDateTime::currentDateTime()) > k_Grazia;
}

EsitoFile BloccoFile::motivo(int numeroErrore) const
{
    switch (m_blocco.error()) {
    case QLockFile::LockFailedError: {
        qint64 pid = 0;
        QString computer, programma;
        if (!m_blocco.getLockInfo(&pid, &computer, &programma))
            return EsitoFile::Fallito(QStringLiteral("in uso da un altro programma; riprovare tra poco"));
        QString esito = QStringLiteral("in uso da un altro programma (%1, processo %2 su %3); riprovare tra poco")
                            .arg(programma.isEmpty() ? QStringLiteral("?") : programma)
                            .arg(pid)
                            .arg(computer.isEmpty() ? QStringLiteral("?") : computer);
        // Whether a program on another computer is still running cannot be told from here.
        if (!computer.isEmpty() && computer != QSysInfo::machineHostName())
            esito += QStringLiteral("; se su %1 quel programma è chiuso, eliminare il file %2")
                         .arg(computer, QFileInfo(m_percorso).fileName());
        return EsitoFile::Fallito(esito);
    }
    case QLockFile::PermissionError:
        return EsitoFile::Fallito(MotivoErrore(EACCES));
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    // A full disk, say: QLockFile says no more than "unknown", the system's error number does.
    if (numeroErrore != 0)
        return EsitoFile::Fallito(MotivoErrore(numeroErrore));
    return EsitoFile::Fallito(QStringLiteral("impossibile creare il file di blocco ") + m_percorso);
}

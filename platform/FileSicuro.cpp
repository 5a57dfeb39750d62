// Non-blocking, bounded reads and checked atomic writes, with the reason of every failure.
#include "platform/FileSicuro.h"

#include "platform/AvanziScrittura.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::function<bool(const char *)> g_guasto;

bool guasto(const char *passo) { return g_guasto && g_guasto(passo); }

constexpr int k_MassimoCollegamenti = 40; // as the kernel's own limit on a path

// Why a file of this kind is no place to read or write records; empty for a regular file.
QString motivoTipo(mode_t modo)
{
    if (S_ISREG(modo))
        return {};
    if (S_ISDIR(modo))
        return MotivoErrore(EISDIR);
    return QStringLiteral("non è un file regolare");
}
} // namespace

void ImpostaGuastoSimulato(std::function<bool(const char *passo)> g) { g_guasto = std::move(g); }

EsitoFile EsitoFile::Fallito(const QString &motivo)
{
    return {motivo.isEmpty() ? QStringLiteral("errore sconosciuto") : motivo};
}

QString MotivoErrore(int numeroErrore)
{
    switch (numeroErrore) {
    case ENOSPC:
        return QStringLiteral("disco pieno");
    case EDQUOT:
        return QStringLiteral("spazio disponibile per l'utente esaurito");
    case EACCES:
    case EPERM:
        return QStringLiteral("permesso negato");
    case EROFS:
        return QStringLiteral("disco di sola lettura");
    case ENOENT:
        return QStringLiteral("file o cartella inesistente");
    case ENOTDIR:
        return QStringLiteral("una parte del percorso non è una cartella");
    case EISDIR:
        return QStringLiteral("è una cartella");
    case ELOOP:
        return QStringLiteral("troppi collegamenti simbolici");
    case ENAMETOOLONG:
        return QStringLiteral("nome troppo lungo");
    case EFBIG:
        return QStringLiteral("file troppo grande");
    case EIO:
        return QStringLiteral("errore di lettura o scrittura del disco");
    default:
        return QStringLiteral("errore di sistema %1 (%2)")
            .arg(numeroErrore)
            .arg(QString::fromLocal8Bit(std::strerror(numeroErrore)));
    }
}

FileInLettura::~FileInLettura()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

EsitoFile FileInLettura::Apri(const QString &percorso)
{
    const QByteArray nome = QFile::encodeName(percorso);
    struct stat info {};
    // A FIFO is refused before it is opened; the non-blocking open covers one put in its place since.
    if (::stat(nome.constData(), &info) != 0)
        return EsitoFile::Fallito(MotivoErrore(errno));
    if (const QString motivo = motivoTipo(info.st_mode); !motivo.isEmpty())
        return EsitoFile::Fallito(motivo);
    const int fd = ::open(nome.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return EsitoFile::Fallito(MotivoErrore(errno));
    QString motivo;
    if (::fstat(fd, &info) != 0)
        motivo = MotivoErrore(errno);
    else
        motivo = motivoTipo(info.st_mode);
    if (!motivo.isEmpty()) {
        ::close(fd);
        return EsitoFile::Fallito(motivo);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
    m_dimensione = qint64(info.st_size);
    return {};
}

EsitoFile FileInLettura::Leggi(qint64 posizione, qint64 quanti, QByteArray &byte) const
{
    byte.clear();
    if (m_fd < 0 || posizione < 0 || quanti < 0)
        return EsitoFile::Fallito(MotivoErrore(EBADF));
    byte.resize(qsizetype(quanti));
    qint64 letti = 0;
    while (letti < quanti) {
        const ssize_t n = ::pread(m_fd, byte.data() + letti, size_t(quanti - letti), off_t(posizione + letti));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int numeroErrore = errno;
            byte.clear();
            return EsitoFile::Fallito(MotivoErrore(numeroErrore));
        }
        if (n == 0)
            break;
        letti += n;
    }
    byte.resize(qsizetype(letti));
    return {};
}

EsitoFile LeggiFile(const QString &percorso, qint64 massimo, QByteArray &byte)
{
    FileInLettura file;
    if (EsitoFile esito = file.Apri(percorso); !esito)
        return esito;
    if (file.Dimensione() > massimo)
        return EsitoFile::Fallito(MotivoErrore(EFBIG));
    return file.Leggi(0, file.Dimensione(), byte);
}

QString PercorsoRisolto(const QString &percorso)
{
    QFileInfo info(percorso);
    for (int salti = 0; info.isSymLink() && salti < k_MassimoCollegamenti; ++salti)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

ScritturaSicura::ScritturaSicura(const QString &percorso) : m_esito(apri(percorso)) {}

ScritturaSicura::~ScritturaSicura() { abbandona(); }

EsitoFile ScritturaSicura::apri(const QString &percorso)
{
    // The link is resolved here so that callers checking what a write replaces
    // (PercorsoRisolto) see the same file.
    const QFileInfo info(PercorsoRisolto(percorso));
    if (info.isSymLink())
        return EsitoFile::Fallito(MotivoErrore(ELOOP));
    if (info.isDir())
        return EsitoFile::Fallito(MotivoErrore(EISDIR));
    // A FIFO or a device would be replaced by a plain file, or block.
    if (info.exists() && !info.isFile())
        return EsitoFile::Fallito(QStringLiteral("non è un file regolare"));
    // A read-only file is not replaced behind its owner's back.
    if (info.exists() && !info.isWritable())
        return EsitoFile::Fallito(MotivoErrore(EACCES));
    m_finale = info.filePath();
    RimuoviAvanzi(m_finale);
    if (guasto("apri"))
        return EsitoFile::Fallito(MotivoErrore(EIO));
    struct stat esistente {};
    const bool esiste = ::stat(QFile::encodeName(m_finale).constData(), &esistente) == 0;
    // Nobody else may read the new content before it has the old file's permissions.
    if (EsitoFile esito = creaTemporaneo(esiste ? 0600 : 0666); !esito)
        return esito;
    if (esiste)
        ::fchmod(m_fd, esistente.st_mode & 07777);
    return {};
}

EsitoFile ScritturaSicura::creaTemporaneo(mode_t modo)
{
    const QByteArray cartella = QFile::encodeName(QFileInfo(m_finale).absolutePath());
    // An anonymous file vanishes with a program killed while writing it. It is named through
    // /proc, which a chroot or a minimal container may lack: there the temporary has a name.
    if (!guasto("anonimo") && ::access("/proc/self/fd", X_OK) == 0) {
        m_fd = ::open(cartella.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, modo);
        if (m_fd >= 0)
            return {};
    }
    constexpr int k_Tentativi = 100;
    for (int progressivo = 0; progressivo < k_Tentativi; ++progressivo) {
        const QString nome = NomeTemporaneo(m_finale, progressivo);
        m_fd = ::open(QFile::encodeName(nome).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, modo);
        if (m_fd >= 0) {
            m_temporaneo = nome;
            return {};
        }
        if (errno != EEXIST)
            break;
    }
    return EsitoFile::Fallito(MotivoErrore(errno));
}

// Gives the anonymous temporary its name beside the file, the last step before the rename.
EsitoFile ScritturaSicura::nomina()
{
    if (!m_temporaneo.isEmpty())
        return {};
    const QByteArray descrittore = "/proc/self/fd/" + QByteArray::number(m_fd);
    constexpr int k_Tentativi = 100;
    for (int progressivo = 0; progressivo < k_Tentativi; ++progressivo) {
        const QString nome = NomeTemporaneo(m_finale, progressivo);
        if (::linkat(AT_FDCWD, descrittore.constData(), AT_FDCWD, QFile::encodeName(nome).constData(),
                     AT_SYMLINK_FOLLOW) == 0) {
            m_temporaneo = nome;
            return {};
        }
        if (errno != EEXIST)
            break;
    }
    return EsitoFile::Fallito(MotivoErrore(errno));
}

EsitoFile ScritturaSicura::fallito(int numeroErrore)
{
    m_esito = EsitoFile::Fallito(MotivoErrore(numeroErrore));
    abbandona();
    return m_esito;
}

void ScritturaSicura::abbandona() noexcept
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporaneo.isEmpty())
        ::unlink(QFile::encodeName(m_temporaneo).constData());
    m_temporaneo.clear();
}

// Every write goes straight to the descriptor and is checked: no buffer whose failure could be
// lost.
EsitoFile ScritturaSicura::Scrivi(const char *dati, qint64 quanti)
{
    if (!m_esito)
        return m_esito;
    if (guasto("scrivi"))
        return fallito(EIO);
    qint64 scritti = 0;
    while (scritti < quanti) {
        const ssize_t n = ::write(m_fd, dati + scritti, size_t(quanti - scritti));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fallito(n < 0 ? errno : ENOSPC);
        scritti += n;
    }
    return m_esito;
}

EsitoFile ScritturaSicura::Conferma()
{
    if (!m_esito)
        return m_esito;
    if (guasto("conferma"))
        return fallito(EIO);
    // Some file systems report a full disk only when the data reach it, or when the file closes.
    if (::fsync(m_fd) != 0)
        return fallito(errno);
    if (const EsitoFile nominato = nomina(); !nominato) {
        m_esito = nominato;
        abbandona();
        return m_esito;
    }
    if (guasto("rinomina"))
        return fallito(EIO);
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        return fallito(errno);
    if (::rename(QFile::encodeName(m_temporaneo).constData(), QFile::encodeName(m_finale).constData()) != 0)
        return fallito(errno);
    m_temporaneo.clear();
    return m_esito;
}

EsitoFile ScriviFileSicuro(const QString &percorso, const QByteArray &contenuto)
{
    ScritturaSicura scrittura(percorso);
    scrittura.Scrivi(contenuto);
    return scrittura.Conferma();
}

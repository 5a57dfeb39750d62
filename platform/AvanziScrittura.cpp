// Names our temporaries after their process and computer, and removes those of dead processes.
#include "platform/AvanziScrittura.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString k_Marca = QStringLiteral(".vorna-");

// The computer's name as it can stand in a file name of any file system we meet.
QString computer()
{
    constexpr qsizetype k_Massimo = 32;
    QString nome = QSysInfo::machineHostName().left(k_Massimo);
    static const QRegularExpression k_Fuori(QStringLiteral("[^A-Za-z0-9._-]"));
    nome.replace(k_Fuori, QStringLiteral("_"));
    return nome.isEmpty() ? QStringLiteral("_") : nome;
}

// Whether `nome` is a temporary of `base` left by a process of this computer that has ended.
bool avanzoMorto(const QString &nome, const QString &base)
{
    if (!nome.startsWith(base + k_Marca))
        return false;
    static const QRegularExpression k_Coda(QStringLiteral("^([0-9]{1,9})-[0-9]{1,9}@(.+)$"));
    const QRegularExpressionMatch parti = k_Coda.match(nome.mid(base.size() + k_Marca.size()));
    if (!parti.hasMatch() || parti.captured(2) != computer())
        return false;
    const pid_t processo = pid_t(parti.captured(1).toInt());
    // Never 0 or below: kill() would then reach a whole group of processes.
    return processo > 1 && ::kill(processo, 0) == -1 && errno == ESRCH;
}
} // namespace

QString NomeTemporaneo(const QString &finale, int progressivo)
{
    return finale + k_Marca + QStringLiteral("%1-%2@").arg(::getpid()).arg(progressivo) + computer();
}

void RimuoviAvanzi(const QString &finale)
{
    const QFileInfo info(finale);
    const QByteArray cartella = QFile::encodeName(info.absolutePath());
    const std::unique_ptr<DIR, int (*)(DIR *)> elenco(::opendir(cartella.constData()), ::closedir);
    if (!elenco)
        return; // the write itself will say why the folder cannot be used
    const int fdCartella = ::dirfd(elenco.get());
    const QString base = info.fileName();
    while (const dirent *voce = ::readdir(elenco.get())) {
        if (!avanzoMorto(QFile::decodeName(voce->d_name), base))
            continue;
        struct stat dati {};
        // A link or a folder of that name was not made by us.
        if (::fstatat(fdCartella, voce->d_name, &dati, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(dati.st_mode))
            ::unlinkat(fdCartella, voce->d_name, 0);
    }
}

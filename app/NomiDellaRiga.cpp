// Reaching a file whose name is no UTF-8 through /proc/self/fd, where Qt's own names cannot.
#include "app/NomiDellaRiga.h"

#include "platform/FileSicuro.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>

namespace {
bool Utf8(const QByteArray &byte) { return QFile::encodeName(QFile::decodeName(byte)) == byte; }

// An O_PATH descriptor reads nothing and never blocks, not even on a FIFO; it lives as long as
// the batch run. 0, or the error number.
int Descrittore(const QByteArray &byte, int opzioni, QString &percorso)
{
    const int fd = ::open(byte.constData(), O_PATH | O_CLOEXEC | opzioni);
    if (fd < 0)
        return errno;
    percorso = QStringLiteral("/proc/self/fd/%1").arg(fd);
    return 0;
}
} // namespace

QString NomiDellaRiga::Testo(const char *argomento)
{
    const QByteArray byte(argomento);
    if (Utf8(byte))
        return QFile::decodeName(byte);
    const QString testo = QString::fromLatin1(byte);
    m_byte.insert(testo, byte);
    return testo;
}

int NomiDellaRiga::Trova(const QString &testo, bool scrittura, FileDellaRiga &file) const
{
    file = {testo, testo};
    const auto byte = m_byte.constFind(testo);
    if (byte == m_byte.cend())
        return 0;
    const qsizetype barra = byte->lastIndexOf('/');
    const QByteArray nome = byte->mid(barra + 1);
    if (Utf8(nome)) {
        // Only the folder's name is no UTF-8: through it the file can be read or replaced.
        const QByteArray cartella = barra < 0 ? QByteArray(".") : barra == 0 ? QByteArray("/") : byte->left(barra);
        const int errore = Descrittore(cartella, O_DIRECTORY, file.percorso);
        file.percorso += QLatin1Char('/') + QFile::decodeName(nome);
        return errore;
    }
    // A new file of such a name cannot be made through Qt: refused, never written under another.
    return scrittura ? EILSEQ : Descrittore(*byte, 0, file.percorso);
}

QString MotivoNome(int numeroErrore)
{
    if (numeroErrore == EILSEQ)
        return QStringLiteral("il nome non è in UTF-8, la codifica del sistema");
    return MotivoErrore(numeroErrore);
}

// File names from the command line as the system holds them, even in bytes that are no UTF-8.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// A file named on the command line: the path the program opens, the name its messages show.
struct FileDellaRiga {
    QString percorso, mostrato;
};

// Qt names files only in UTF-8, the system's encoding; a name in other bytes (Latin-1, from old
// Windows shares) is reached through a descriptor of its folder or of the file itself.
class NomiDellaRiga {
public:
    // The argument as text: its UTF-8, or its bytes read as Latin-1 when they are no UTF-8.
    QString Testo(const char *argomento);

    // The file that `testo` (from Testo) names, for reading or for writing: 0, or the system's
    // error number when it cannot be reached (EILSEQ: a new file of a name that is no UTF-8).
    int Trova(const QString &testo, bool scrittura, FileDellaRiga &file) const;

private:
    QHash<QString, QByteArray> m_byte; // the names that are no UTF-8, by their text
};

// The reason for an error number of Trova, in Italian.
QString MotivoNome(int numeroErrore);

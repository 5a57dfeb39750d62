// Reads that never block or swallow a huge file, and writes that replace a file only once complete.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <functional>

// The outcome of a file operation: success, or why it failed, in Italian ("disco pieno",
// "permesso negato", ...), ready to follow a message such as "Impossibile scrivere il file X: ".
struct EsitoFile {
    QString motivo; // empty on success

    explicit operator bool() const noexcept { return motivo.isEmpty(); }
    static EsitoFile Fallito(const QString &motivo);
};

// The reason for a system error number.
QString MotivoErrore(int numeroErrore);

// An existing regular file open for reading. A FIFO, a device or a folder is refused before
// anything could block on it.
class FileInLettura {
public:
    FileInLettura() = default;
    ~FileInLettura();
    FileInLettura(const FileInLettura &) = delete;
    FileInLettura &operator=(const FileInLettura &) = delete;

    EsitoFile Apri(const QString &percorso);
    qint64 Dimensione() const noexcept { return m_dimensione; }
    // Up to `quanti` bytes from `posizione`; fewer only at the end of the file.
    EsitoFile Leggi(qint64 posizione, qint64 quanti, QByteArray &byte) const;

private:
    int m_fd = -1;
    qint64 m_dimensione = 0;
};

// The whole file when it holds at most `massimo` bytes.
EsitoFile LeggiFile(const QString &percorso, qint64 massimo, QByteArray &byte);

// The file a write to `percorso` replaces: symbolic links followed to their end, even when the
// last one leads nowhere yet.
QString PercorsoRisolto(const QString &percorso);

// A new content for a file, written to a private temporary file beside it and renamed over the
// old one only once every byte is on disk: a crash or a full disk leaves the old file intact and
// no temporary file behind. The first failure is kept; later calls do nothing and return it.
class ScritturaSicura {
public:
    explicit ScritturaSicura(const QString &percorso);
    EsitoFile Scrivi(const char *dati, qint64 quanti);
    EsitoFile Scrivi(const QByteArray &dati) { return Scrivi(dati.constData(), dati.size()); }
    // Flushes to disk and renames into place.
    EsitoFile Conferma();

private:
    EsitoFile apri(const QString &percorso);

    QSaveFile m_file;
    EsitoFile m_esito;
};

// Replaces the file with `contenuto` through a ScritturaSicura.
EsitoFile ScriviFileSicuro(const QString &percorso, const QByteArray &contenuto);

// Tests make a given step fail as an input/output error would: "apri", "scrivi", "conferma"
// (the flush to disk), "rinomina". Empty function: no fault.
void ImpostaGuastoSimulato(std::function<bool(const char *passo)> guasto);

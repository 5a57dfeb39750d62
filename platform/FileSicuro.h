// Reads that never block or swallow a huge file, and writes that replace a file only once complete.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/types.h>

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
// old one only once every byte is on disk: a crash or a full disk leaves the old file intact. The
// temporary is anonymous where the file system allows it and named after this process
// (AvanziScrittura) from the moment it has a name, so that the next write of the same file
// removes one that a killed program left. The first failure is kept; later calls do nothing and
// return it. An unconfirmed write leaves nothing behind.
class ScritturaSicura {
public:
    explicit ScritturaSicura(const QString &percorso);
    ~ScritturaSicura();
    ScritturaSicura(const ScritturaSicura &) = delete;
    ScritturaSicura &operator=(const ScritturaSicura &) = delete;

    EsitoFile Scrivi(const char *dati, qint64 quanti);
    EsitoFile Scrivi(const QByteArray &dati) { return Scrivi(dati.constData(), dati.size()); }
    // Flushes to disk and renames into place.
    EsitoFile Conferma();

private:
    EsitoFile apri(const QString &percorso);
    EsitoFile creaTemporaneo(mode_t modo);
    EsitoFile nomina();
    EsitoFile fallito(int numeroErrore);
    void abbandona() noexcept;

    QString m_finale;
    QString m_temporaneo; // empty while the temporary is anonymous
    int m_fd = -1;
    EsitoFile m_esito;
};

// Replaces the file with `contenuto` through a ScritturaSicura.
EsitoFile ScriviFileSicuro(const QString &percorso, const QByteArray &contenuto);

// Tests make a given step fail as an input/output error would: "apri", "scrivi", "conferma"
// (the flush to disk), "rinomina" (with the temporary named, before the rename); "anonimo" fails
// the anonymous temporary as a file system without them (FAT, SMB) does, and the write goes on
// through a named one. Empty function: no fault.
void ImpostaGuastoSimulato(std::function<bool(const char *passo)> guasto);

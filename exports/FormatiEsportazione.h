// The export formats as a table: each writes a piece to a file of its extension.
#pragma once

#include "exports/EsportaDxf.h"
#include "exports/Esportazione.h"
#include "exports/EsportaPdf.h"
#include "pieces/Pezzo.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

struct OpzioniEsportazione {
    OpzioniDxf dxf;
    OpzioniPdf pdf;
};

struct EsitoScrittura {
    EsitoEsportazione esito = EsitoEsportazione::Ok;
    QString percorso;
    QString motivo;                           // why the file was not written
    ErroreFogli fogli = ErroreFogli::Nessuno; // the sheets could not be laid out; esito is DatiRifiutati
    QString riepilogo;                        // what was written, for the status line; may be empty
};

struct FormatoEsportazione {
    QString opzione;    // on the command line: "--export-dxf"
    QString estensione; // ".dxf"
    QString filtro;     // for the save dialog: "(*.dxf)|*.dxf"
    // The file's bytes, with what they hold for the status line; empty when the piece cannot be
    // sampled (already told).
    std::function<std::optional<QByteArray>(const Pezzo &, const OpzioniEsportazione &, QString &riepilogo)> testo;
    // Or a content streamed into the guarded write, however large.
    std::function<EsitoScrittura(const Pezzo &, const OpzioniEsportazione &, const QString &percorso,
                                 const QString &origine)>
        flusso;
};

// DXF, CSV and the tiled PDF.
const std::vector<FormatoEsportazione> &FormatiEsportazione();
// The format of a command-line option; null for any other text.
const FormatoEsportazione *FormatoPerOpzione(const QString &opzione);
// The format written to files with `estensione` (".dxf"); it must be one of the table's.
const FormatoEsportazione &FormatoPerEstensione(const QString &estensione);

// `pezzo` written to `percorso` in `formato` through ScriviEsportazione, never over `origine`.
EsitoScrittura ScriviPezzo(const FormatoEsportazione &formato, const Pezzo &pezzo, const OpzioniEsportazione &opzioni,
                           const QString &percorso, const QString &origine = {});

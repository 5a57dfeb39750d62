// The exports of a whole job of several pieces: one drawing, one table.
#pragma once

#include "documents/Commessa.h"
#include "exports/EsportaDxf.h"
#include "exports/EsportaPdf.h"
#include "exports/FormatiEsportazione.h"
#include "pieces/Pezzo.h"
#include "pieces/StrisciaGomito.h"

#include <QByteArray>

#include <optional>
#include <vector>

// Every piece of the job developed from its figures; empty when one is refused (already told).
std::optional<std::vector<Pezzo>> PezziDellaCommessa(const Commessa &commessa);

// Each piece a closed counter-clockwise outline on TAGLIO, side by side without overlapping,
// labelled on TESTI with its name and, with workshop figures, its throat and back.
std::optional<QByteArray> DxfDeiPezzi(const std::vector<Pezzo> &pezzi, const OpzioniDxf &opzioni = {});
// The nested strip of a constant elbow: its outline on TAGLIO, each shared cut once as an open
// line on TAGLIO, the pieces named on TESTI.
QByteArray DxfDellaStriscia(const StrisciaGomito &striscia);
// The strip of the job's elbow, its cuts within the DXF's tolerance; empty for any other job.
std::optional<StrisciaGomito> StrisciaDellaCommessa(const Commessa &commessa, const std::vector<Pezzo> &pezzi);

// Every piece's generator table under one header, each row led by the piece's number.
QByteArray CsvDeiPezzi(const std::vector<Pezzo> &pezzi);

// The same with `striscia`: a constant elbow's nested strip in place of its pieces, refused
// (Vietata, with the reason) for any other job.
// The job's pieces written to `percorso` in `formato` through ScriviEsportazione, never over
// `origine`; a format that holds one piece only is refused (Vietata, with the reason).
EsitoScrittura ScriviPezziDellaCommessa(const FormatoEsportazione &formato, const Commessa &commessa,
                                        const OpzioniEsportazione &opzioni, const QString &percorso,
                                        const QString &origine = {}, bool striscia = false);

// Every piece of the job in one tiled PDF, each laid out on its own and named on its sheets; with
// `dime` the wrap-around templates of every joint instead of the blanks; with `solo` (from 0) only
// that piece's, named as in the whole printout. Needs a QGuiApplication.
EsitoScrittura ScriviPdfDellaCommessa(const Commessa &commessa, const OpzioniPdf &opzioni, const QString &percorso,
                                      const QString &origine = {}, bool dime = false,
                                      std::optional<int> solo = std::nullopt);

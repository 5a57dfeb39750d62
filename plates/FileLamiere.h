// Lamiere.dat: the stock plates the user keeps, beside Taratura.dat.
#pragma once

#include "plates/Lamiera.h"
#include "platform/FileSicuro.h"

#include <optional>
#include <vector>

inline const QString k_FileLamiere = QStringLiteral("Lamiere.dat");

// A list longer than this is no stock list: the file is refused rather than read whole.
constexpr int k_MassimoLamiere = 1000;

// The sizes a workshop usually stocks, the list of a first start.
std::vector<Lamiera> LamiereDiPartenza();

// The plates of the file, one a line: "3000x1500", then optionally ";thickness" and ";material".
// A missing file gives the first-start list. Empty, with the reason in `motivo`, when the file
// cannot be read or a line is malformed (the reason names the line).
std::optional<std::vector<Lamiera>> LeggiLamiere(const QString &percorso = k_FileLamiere, QString *motivo = nullptr);

// Replaces the file under its lock; on failure the old file is intact.
EsitoFile ScriviLamiere(const std::vector<Lamiera> &lamiere, const QString &percorso = k_FileLamiere);

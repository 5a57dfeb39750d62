// What an export of a development reports back, and the message that tells the user.
#pragma once

#include <QString>

enum class EsitoEsportazione {
    Ok,
    DatiRifiutati, // the figures failed validation or the projection was refused (already told)
    NonScrivibile, // the file could not be written; the old file, if any, is intact
};

// The message for a failed write, naming the file; empty for the other outcomes.
QString MessaggioEsportazione(EsitoEsportazione esito, const QString &percorso);

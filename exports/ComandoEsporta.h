// "Esporta ...": the save dialog, the extension, the guarded write and its message, for every format.
#pragma once

#include "exports/FormatiEsportazione.h"

#include <functional>
#include <optional>

// Asks where to write (`nome` with the format's extension proposed), adds the extension to a name
// without it in any case, runs `scrivi` on the path and tells a failed or refused write. Nothing
// when the user cancels.
std::optional<EsitoScrittura> ComandoEsporta(const FormatoEsportazione &formato, const QString &nome,
                                             const std::function<EsitoScrittura(const QString &percorso)> &scrivi);

// The same for the piece `pezzo` gives once the file is chosen (empty: refused, already told),
// written in `formato`.
std::optional<EsitoScrittura> ComandoEsporta(const FormatoEsportazione &formato, const QString &nome,
                                             const std::function<std::optional<Pezzo>()> &pezzo,
                                             const OpzioniEsportazione &opzioni = {});

// "Esportato FILE", with what the file holds when the format tells it.
QString AvvisoEsportato(const EsitoScrittura &esito);

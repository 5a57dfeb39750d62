// The calibration a command names: found by its whole name, and only when one record bears it.
#pragma once

#include "calibration/FileTaratura.h"

#include <optional>

struct TaraturaCercata {
    std::optional<RecordTara> record; // a record that passed every check of a stored calibration
    QString errore;                   // why there is none, when it was not reported by its checks alone
};

// The record whose trimmed name equals `nome` trimmed, letter case aside; never a longer name cut
// to the 40 stored characters. A name borne by several records is refused, naming their
// positions: which one is meant cannot be told. The found record goes through the stored
// calibration's checks (ControlliTaraMemorizzata), whose message is shown.
TaraturaCercata CercaTaraturaPerNome(const QString &nome, const QString &percorso = k_FileTaratura);

// The plate options of the batch exports: one job developed for several plates.
#pragma once

#include "geometry/FigureSviluppo.h"

#include <QString>
#include <QStringList>

#include <optional>

// --thickness MM and --surface inside|outside|mean, each optional; what is given overrides the
// file's own plate.
struct OpzioniLamiera {
    std::optional<QString> spessore;
    std::optional<QuoteLamiera> quote;
};

// Reads the arguments that follow an export's two names. The reason, in Italian, when one is
// unknown, or its value is missing, blank or wider than the thickness field.
std::optional<QString> LeggiOpzioniLamiera(const QStringList &argomenti, OpzioniLamiera &opzioni);

// The file's figures with the options' plate in place of their own.
void ApplicaOpzioniLamiera(const OpzioniLamiera &opzioni, FigureSviluppo &figure);

// An elbow as a job: its pieces as right cones or cylinders, each closed where the seam goes.
#pragma once

#include "documents/Commessa.h"

#include <optional>

// The elbow's pieces "Pezzo 1" ... from the first free end, throat on A-C, rolled from the plate
// and material of `lamiera` (its thickness, surface and material only); empty when the figures
// make no elbow.
std::vector<SorgentePezzo> SorgentiDelGomito(const GomitoCommessa &gomito, const FigureSviluppo &lamiera);

// The job named `nome` of the elbow's pieces, keeping the elbow's figures; empty as above.
std::optional<Commessa> CommessaDelGomito(const QString &nome, const GomitoCommessa &gomito,
                                          const FigureSviluppo &lamiera);

// Whether the job's pieces are the ones its elbow gives: a file edited by hand may not match.
bool PezziDelGomitoCoerenti(const Commessa &commessa);

// The right cone or cylinder cut by two planes, from its side projection: the solid of today's figures.
#pragma once

#include "geometry/FigureSviluppo.h"
#include "geometry/GeneratoriFacce.h"
#include "geometry/StatoSviluppo.h"
#include "geometry/SviluppoDenso.h"
#include "pieces/Pezzo.h"

#include <optional>

// Develops the input texts of `figure` in a fresh state `sviluppato` (the shared state and its
// plotted arrays stay untouched) with `generatoriPerMeta` generators per half.
bool SviluppaFigure(const FigureSviluppo &figure, int generatoriPerMeta, StatoSviluppo &sviluppato,
                    ProfiloSviluppo &profilo);

// The piece of the figures (Nome ... ChiudiAC and the plate): validated and developed once, its
// edges developed again at whatever density they are sampled. Empty when the figures are
// rejected or the projection refused (already told through the platform, as a calculation tells it).
std::optional<Pezzo> PezzoDelTronco(const FigureSviluppo &figure);

// The piece of a state already developed, its edges fixed to the points of `profilo`, with the
// generators of the plate's faces when given.
Pezzo PezzoDelloSviluppo(const StatoSviluppo &sviluppato, const ProfiloSviluppo &profilo,
                         const GeneratoriFacce *facce = nullptr);

// How finely a sampled edge follows its curve, and which of its points coincide.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <vector>

// The points without consecutive repeats, coincident within what the exports can write apart
// (the two halves share their middle generator).
bool Coincidono(PuntoPiano a, PuntoPiano b);
std::vector<PuntoPiano> SenzaDoppioni(const std::vector<PuntoPiano> &punti);

// Largest distance between a sampled edge and its chords, estimated from each point's distance
// to the chord of its two neighbours: over a double step that distance is four times the sagitta.
double SaettaStimata(const std::vector<PuntoPiano> &bordo);

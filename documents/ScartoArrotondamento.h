// What the rounded texts of a job typed by its workshop figures cost the blank, measured.
#pragma once

#include "documents/Commessa.h"

#include <optional>

#include <QString>

// The largest distance, in mm, between corresponding points of the edges of the blank developed
// from the texts of `figure` and of the one developed exactly from its workshop figures, both
// sampled densely. 0 without workshop figures; empty when either cannot be developed (already told).
std::optional<double> ScartoArrotondamento(const FigureSviluppo &figure);

// "Il formato .tnt ...": the line that tells a measured `scarto`.
QString TestoScarto(double scarto);

// Before a job with workshop figures is written to the .tnt `percorso`, which keeps only the
// texts, the user is told how far its blank moves and may cancel: false then, or when the texts
// cannot be developed. Any other save goes ahead without a word.
bool ConfermaArrotondamento(const QString &percorso, const Commessa &commessa);

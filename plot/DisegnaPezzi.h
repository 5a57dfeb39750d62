// The development window's drawing of a job of several pieces: all of them side by side.
#pragma once

#include "pieces/Pezzo.h"
#include "plot/SuperficieDisegno.h"

#include <QString>

#include <vector>

// Draws the pieces left to right at the smallest whole scale 1:N that fits them all below the
// title, each with its name and, with workshop figures, its throat and back marked; returns N, or 0
// when a piece's edges cannot be sampled (nothing drawn).
int DisegnaPezzi(const std::vector<Pezzo> &pezzi, const QString &nome, SuperficieDisegno &superficie);

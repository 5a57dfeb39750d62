// Unrolling a truncated cylinder into a strip.
#pragma once

#include "geometry/BordiSviluppo.h"
#include "geometry/ContestoSviluppo.h"

// Develops the validated figures into the arrays up to the choice of the plot routine.
// False when the figures give no finite strip (the projection is refused with its box).
bool SviluppoCilindro(ContestoSviluppo &c);

// One generator at Teta: XPiede, LungAB, LungCD and PosSviluppo, in the turned projection.
void GeneratoreCilindro(StatoSviluppo &s) noexcept;
// Places generator i (1 = Teta at PiGreco) of the current Teta on both halves of the strip.
void PosaCilindro(const StatoSviluppo &s, int i, const BordiSviluppo &bordi) noexcept;
// All generators, Teta from PiGreco down to 0 in equal steps; needs Raggio and the turned points.
void GeneratoriCilindro(StatoSviluppo &s, const BordiSviluppo &bordi) noexcept;

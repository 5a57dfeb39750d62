// Unrolling a truncated cone into a sector of a ring.
#pragma once

#include "geometry/BordiSviluppo.h"
#include "geometry/ContestoSviluppo.h"

// Develops the validated figures into the arrays up to the choice of the plot routine.
// False when the projection is refused (with its box and the worksheet shown again).
bool SviluppoCono(ContestoSviluppo &c);

// One generator at Teta: where it meets both cuts, LungAB, LungCD (true distances from the
// apex) and PosSviluppo, in the turned projection.
void GeneratoreCono(StatoSviluppo &s) noexcept;
// Places generator i (1 = Teta at PiGreco, through A) of the current Teta on both halves.
void PosaCono(const StatoSviluppo &s, int i, const BordiSviluppo &bordi) noexcept;
// All generators, Teta from PiGreco down to 0 in equal steps; needs the turned projection.
void GeneratoriCono(StatoSviluppo &s, const BordiSviluppo &bordi) noexcept;

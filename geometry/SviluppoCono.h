// Unrolling a truncated cone into a sector of a ring.
#pragma once

#include "geometry/ContestoCalcolo.h"

void SviluppoCono(ContestoCalcolo &c);

// Unrolling a truncated cylinder into a strip.
#pragma once

#include "geometry/ContestoCalcolo.h"

void SviluppoCilindro(ContestoCalcolo &c);

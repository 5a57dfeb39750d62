// Checking the five typed figures and laying out the side projection.
#pragma once

#include "geometry/StatoSviluppo.h"

// Sets ErroreDati to 1 (after one message box) when the figures are rejected.
void ValidaDati(StatoSviluppo &s);

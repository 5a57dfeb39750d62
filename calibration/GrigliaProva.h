// The calibration test grid: 280 x 200 mm in 10 mm squares with four labels, as a display list in
// millimetres from the printable area's top left corner.
#pragma once

#include "plot/ElencoVisualizzazione.h"

constexpr std::uint32_t k_ColoreGriglia = k_BluScuro;

// 29 vertical lines, 21 horizontal ones, then the labels "O(0,0)", "X", "(280,0)", "Y(0,200)" in black.
ElencoVisualizzazione GrigliaProva();

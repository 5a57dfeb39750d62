// Replaying a display list on paper at true size, through a printer's calibration.
#pragma once

#include "plot/RiproduciElenco.h"

class QPainter;

// Where a page point (mm) must be drawn so that the printer puts it at its true place.
using CorrezioneCarta = MappaPunti;

// Every printed line but the test grid's, the same on every printer and PDF.
constexpr double k_SpessoreLineaCartaMm = 0.2;

// Replays `elementi` on `pittore` with 1 unit = 1 mm from the device's origin (on a printer, the
// top-left corner of the printable area); every line end and text anchor goes through `correzione`
// (empty: none). A `spessoreLineaMm` of 0 draws the thinnest line the device can.
void DisegnaSuCarta(QPainter &pittore, const std::vector<ElementoDisegno> &elementi,
                    const CorrezioneCarta &correzione = {}, double spessoreLineaMm = k_SpessoreLineaCartaMm);

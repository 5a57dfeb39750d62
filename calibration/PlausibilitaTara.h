// Calibrations that pass every field check but cannot describe a printer: a measured span far
// from its nominal one is a typo or a misread ruler, and would distort the whole print.
#pragma once

#include "calibration/RecordTara.h"

#include <QString>

// How far a measured span may lie from its nominal one: a tenth of it, and never less than half
// a millimetre, what a ruler reading may miss by on a short zone.
constexpr double k_ScartoRelativoTara = 0.10;
constexpr double k_ScartoMinimoTaraMm = 0.5;

// The first zone, X before Y and zone 1 to 3, whose measured span is out of bounds, described for
// a message ("Nella zona 2 nella direzione X il tratto nominale ..."); empty when all are plausible.
QString ScartoTara(const RecordTara &record);

// Before saving from the manager: true when every span is plausible or the user, asked, saves
// anyway.
bool SalvaTaraInsolita(const RecordTara &record);

// Before printing or exporting with a stored calibration: false after showing why it is refused.
bool TaraPlausibile(const RecordTara &record);

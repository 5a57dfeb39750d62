// The calibration in use as a correction of paper positions, read and checked at print time.
#pragma once

#include "calibration/RecordTara.h"
#include "plot/DisegnaSuCarta.h"

#include <optional>

// Both axes through the record's three zones, then its shifts; positions in mm.
CorrezioneCarta CorrezioneDiTaratura(const RecordTara &record);

// The calibration at list index `indiceTaratura` of the worksheet (none selected: the first one),
// read from Taratura.dat. Empty after a reported failure: an unreadable file, or a record that
// fails the manager's full check or has an implausible span, whose first message has been shown.
std::optional<CorrezioneCarta> CorrezioneTaraturaInUso(int indiceTaratura);

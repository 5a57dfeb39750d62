// The eccentric reducer (oblique cone or cylinder between round ends) as a producer of pieces.
#pragma once

#include "geometry/FacceConoObliquo.h"
#include "pieces/Pezzo.h"

#include <optional>

// The blank of `c` (its figures as typed, developed on the plate's mean surface), closed at
// `cucitura`: edge AB is the base's, CD the top's, A and C at the seam's start. Its edges are
// developed again exactly at whatever density they are sampled. Empty when the solid cannot be
// computed (the validation refuses it first). Its table lists the generators at `righe` equal
// steps of the base angle from the seam (0: the edges' 62 points, seam to seam).
std::optional<Pezzo> PezzoConoObliquo(const ConoObliquo &c, const Cucitura &cucitura, const QString &nome = {},
                                      int righe = 0);

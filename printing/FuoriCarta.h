// Whether a printout through a calibration would leave the paper's printable area.
#pragma once

#include "printing/StampaSviluppoCarta.h"

#include <QSizeF>

// True when a line end or a text anchor of `elementi`, moved by `correzione`, falls outside the
// printable area of `area` mm (from its top-left corner), where the printer would cut it off.
bool EsceDallaCarta(const std::vector<ElementoDisegno> &elementi, const CorrezioneCarta &correzione,
                    const QSizeF &area);

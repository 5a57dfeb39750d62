// The print pre-distortion built from any calibration record: where to send a point so that the
// printer puts it where it belongs.
#pragma once

#include "calibration/RecordTara.h"

// The three zones of one axis, in the correction's units.
struct ZoneAsse {
    double nom1 = 0, nom2 = 0, nom3 = 0;
    double rea1 = 0, rea2 = 0, rea3 = 0;
    double limite = 0; // zone 3's factor applies up to here; beyond it nothing is corrected
};

// Piecewise over the zones in the way of Correggi_Stampa: zone 1 [0, nom1] scaled by nom1/rea1,
// zone 2 (nom1, nom2] and zone 3 (nom2, limite] by their nominal over measured spans, each
// starting where the previous one ended; a zone of no nominal span holds no point. Below 0 and
// above the limit: unchanged. An axis with a zone of negative span, of a nominal span printed in
// none, or with zones past the limit (a damaged record), is left unchanged throughout.
double CorreggiAsse(double x, const ZoneAsse &zone) noexcept;

// The correction of a whole record: both axes, then the record's shifts.
class CorrezioneTara {
public:
    // Upper limits of the correction: 20 mm past the test grid, as the factory X correction
    // reaches 300 mm beyond its 280 mm grid.
    static constexpr double k_LimiteXMm = 300.0;
    static constexpr double k_LimiteYMm = 220.0;
    // Shifts are never larger than this either way, whatever a damaged record holds.
    static constexpr double k_ShiftMassimoMm = 20.0;

    // `unitaPerMm`: 1 for millimetres, k_TwipPerMm for twips.
    explicit CorrezioneTara(const RecordTara &record, double unitaPerMm = 1.0);

    double X(double x) const noexcept;
    double Y(double y) const noexcept;

private:
    ZoneAsse m_x, m_y;
    double m_shiftX = 0, m_shiftY = 0;
};

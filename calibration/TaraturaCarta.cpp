// Builds the paper correction from a calibration record, refusing records the manager would refuse.
#include "calibration/TaraturaCarta.h"

#include "calibration/ControlliTara.h"
#include "calibration/CorrezioneTara.h"
#include "calibration/ProcedureTara.h"

#include <algorithm>

CorrezioneCarta CorrezioneDiTaratura(const RecordTara &record)
{
    const CorrezioneTara correzione(record);
    return [correzione](const QPointF &punto) { return QPointF(correzione.X(punto.x()), correzione.Y(punto.y())); };
}

std::optional<CorrezioneCarta> CorrezioneTaraturaInUso(int indiceTaratura)
{
    const std::optional<RecordTara> record = CaricaTara(std::max(indiceTaratura, 0) + 1);
    if (!record)
        return std::nullopt;
    // Whatever the manager could save passes; printing shows no notices, only a refusal.
    if (ControlliTaraMemorizzata(*record) == 1)
        return std::nullopt;
    return CorrezioneDiTaratura(*record);
}

#include "geometry/Materiale.h"

const std::vector<Materiale> &MaterialiComuni()
{
    static const std::vector<Materiale> materiali = {
        {QStringLiteral("Acciaio"), 7.85}, {QStringLiteral("Inox"), 7.93},   {QStringLiteral("Alluminio"), 2.70},
        {QStringLiteral("Rame"), 8.96},    {QStringLiteral("Ottone"), 8.50},
    };
    return materiali;
}

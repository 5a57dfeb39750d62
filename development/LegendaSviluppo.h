// The seven legend lines of a development at true size, as the DXF and the printed sheets write them.
#pragma once

#include "geometry/StatoSviluppo.h"

#include <QStringList>

// "Cono: ..." or "Cilindro: ..." to "CD (mm): ...", with a point as decimal separator and Scala 1:1;
// with a plate, an eighth line says what was developed.
QStringList LegendaVera(const StatoSviluppo &s, bool cono);

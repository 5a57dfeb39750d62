// A wrap-around template as the tiling takes it.
#pragma once

#include "fogli/SagomaFogli.h"
#include "pieces/DimaAvvolgente.h"

// Its band, laid along its reference, the back and the throat marked on the cut, named `nome`
// ("Pezzo 2 - taglio verso il pezzo 3") with its outer diameter and length in the legend.
SagomaFogli SagomaDellaDima(const DimaAvvolgente &dima, const QString &nome);

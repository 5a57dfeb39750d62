// What the user reads when the blank cannot be laid out over sheets.
#pragma once

#include "fogli/ImpaginaFogli.h"

#include <QString>

// The message for a refused layout; empty for ErroreFogli::Nessuno.
QString MessaggioFogli(ErroreFogli errore);

// What the user is told about a layout: the refusals and the question before a long printout.
#pragma once

#include "fogli/ImpaginaFogli.h"

// Above this many sheets the printout asks first.
constexpr int k_FogliDaChiedere = 100;

// The message for a refused layout of `carta`; empty for ErroreFogli::Nessuno.
QString MessaggioErroreFogli(ErroreFogli errore, const CartaFogli &carta);

// "Servono N fogli. Continuare?"
QString DomandaFogli(int fogli);

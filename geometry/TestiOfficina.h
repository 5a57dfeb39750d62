// A job typed by its workshop figures: the projection's texts are only their rounding.
#pragma once

#include "geometry/FigureSviluppo.h"

// Keeps `officina` in `f` (the development then runs on it exactly) and writes AC, AB, BD, Alfa
// and Beta as their fields show them, with as many decimals as fit.
void ImpostaOfficina(FigureSviluppo &f, const FigureOfficina &officina);

// `valore` in plain digits, point decimals, at most six of them, cut to fit `larghezza` characters.
QString TestoCampo(double valore, int larghezza);

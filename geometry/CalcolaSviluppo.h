// The calculation driver: validate, clear the active window, develop and draw.
#pragma once

#include "geometry/ContestoCalcolo.h"

void CalcolaSviluppo(ContestoCalcolo &c);
void ScegliForma(ContestoCalcolo &c);

// Printing a development window's drawing on paper at true size, through the calibration in use.
#pragma once

#include "plot/DisegnaSuCarta.h"

#include <QString>

#include <vector>

// False, after its message, when `salvato` (a development window's lblSalvato caption) tells that
// the window holds no development: every print command starts with it.
bool SviluppoDaStampare(const QString &salvato);

enum class EsitoStampa { Stampato, NienteDaStampare, TaraturaScartata, Annullato, ErroreStampante };

// "Stam&pa" of a development window: `salvato` is its lblSalvato caption, `indiceTaratura` the
// worksheet's selected calibration (list index). Asks for the printer and prints one landscape page.
EsitoStampa StampaSviluppoSuCarta(const std::vector<ElementoDisegno> &elementi, const QString &salvato,
                                  int indiceTaratura);

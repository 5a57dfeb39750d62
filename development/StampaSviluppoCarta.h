// Printing a development window's drawing on paper at true size, through the calibration in use.
#pragma once

#include "plot/ElencoVisualizzazione.h"

#include <QPointF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

// Where a page point (mm) must be drawn so that the printer puts it at its true place.
using CorrezioneCarta = std::function<QPointF(const QPointF &)>;

// Replays `elementi` on `pittore` with 1 unit = 1 mm from the device's origin (on a printer, the
// top-left corner of the printable area); every line end and text anchor goes through `correzione`.
void DisegnaSuCarta(QPainter &pittore, const std::vector<ElementoDisegno> &elementi, const CorrezioneCarta &correzione);

// False, after its message, when `salvato` (a development window's lblSalvato caption) tells that
// the window holds no development: every print command starts with it.
bool SviluppoDaStampare(const QString &salvato);

enum class EsitoStampa { Stampato, NienteDaStampare, TaraturaScartata, Annullato, ErroreStampante };

// "Stam&pa" of a development window: `salvato` is its lblSalvato caption, `indiceTaratura` the
// worksheet's selected calibration (list index). Asks for the printer and prints one landscape page.
EsitoStampa StampaSviluppoSuCarta(const std::vector<ElementoDisegno> &elementi, const QString &salvato,
                                  int indiceTaratura);

// What one printed sheet shows: its piece of the outline and the marks that join it to its neighbours.
#pragma once

#include "fogli/ImpaginaFogli.h"

#include <QSizeF>

constexpr std::uint32_t k_GrigioFogli = 0x808080;      // frame and glue lines, lighter than the marks
constexpr std::uint32_t k_GrigioGeneratori = 0xB4B4B4; // the generators, lighter still: never traced
constexpr double k_BarraScala = 100;                   // mm, each scale bar

// The smallest drawing area, across and down, that holds the marks, the texts and the scale bars
// clear of the overlap strips.
QSizeF MinimoFoglio(double sovrapposizione) noexcept;

// A length in mm as the sheets write it: whole, or with one decimal after a comma.
QString TestoMm(double mm);

// "X 190–460 mm · Y 0–187 mm": the template's range on the sheet, read from its top-left corner.
QString TestoIntervallo(const QRectF &intervallo);

// "Taratura: Default · carta A4 · 09/12/2026": what the printout was made with.
QString TestoIntestazione(const IntestazioneFogli &intestazione);

// The display list of `foglio`, a printed sheet of `impaginazione`: the outline in k_BluScuro and
// nothing else in that colour.
ElencoVisualizzazione DisegnaFoglio(const ImpaginazioneFogli &impaginazione, const Foglio &foglio);

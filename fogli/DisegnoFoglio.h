// What one printed sheet shows: its piece of the outline and the marks that join it to its neighbours.
#pragma once

#include "fogli/ImpaginaFogli.h"

#include <QSizeF>

constexpr std::uint32_t k_GrigioFogli = 0x808080;      // frame and glue lines, lighter than the marks
constexpr std::uint32_t k_GrigioGeneratori = 0xB4B4B4; // the generators, lighter still: never traced
constexpr double k_BarraScala = 100;                   // mm, each scale bar
constexpr double k_Distacco = 1.5; // mm between two texts, or a text and the outline: never read as one

// The smallest drawing area, across and down, that holds the marks, the texts and the scale bars
// clear of the overlap strips.
QSizeF MinimoFoglio(double sovrapposizione) noexcept;

// The box a text of the sheets takes from its top-left corner, from Arial's widths rounded up.
QSizeF MisuraTesto(const QString &testo);

// A length in mm as the sheets write it: whole, or with one decimal after a comma.
QString TestoMm(double mm);

// "X 190–460 mm · Y 0–187 mm": the template's range on the sheet, read from its top-left corner.
QString TestoIntervallo(const QRectF &intervallo);

// "Taratura: Default · carta A4 · 09/12/2026": what the printout was made with.
QString TestoIntestazione(const IntestazioneFogli &intestazione);

// The lines of the title strip: the name, the figures and what the printout was made with.
QStringList RigheTitolo(const ImpaginazioneFogli &impaginazione);

// The two scale bars as an L with its corner at `angolo` (sheet mm), each bar running towards
// `verso` (+1 or -1 on each axis) with its ticks inside the L.
void DisegnaScale(ElencoVisualizzazione &elenco, QPointF angolo, QPointF verso);

// True when `foglio` has room, clear of the material and of its other marks, for the scale bars
// and the title.
bool PostoPerScale(const ImpaginazioneFogli &impaginazione, const Foglio &foglio);

// The display list of `foglio`, a printed sheet of `impaginazione`: the outline in k_BluScuro and
// nothing else in that colour; empty for a sheet not printed. Drawn when asked, so that a printout
// of thousands of sheets never holds more than one.
ElencoVisualizzazione DisegnaFoglio(const ImpaginazioneFogli &impaginazione, const Foglio &foglio);

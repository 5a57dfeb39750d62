// One way to draw a display list: onto any QPainter, through a point mapping (screen, paper, PDF).
#pragma once

#include "plot/ElencoVisualizzazione.h"

#include <QColor>
#include <QPointF>

#include <functional>
#include <vector>

class QPainter;

// Where a page point (mm) goes in the painter's coordinates.
using MappaPunti = std::function<QPointF(const QPointF &)>;

struct Riproduzione {
    MappaPunti mappa;           // every line end and text anchor goes through it
    double unitaPerMm = 1;      // the painter's units per page millimetre: sizes the text and pen
    double spessoreLineaMm = 0; // 0: the thinnest line the device draws
};

// Draws each element in order: lines in their colour, texts in Arial 8.25 pt with their top-left
// corner at the mapped anchor.
void RiproduciElenco(QPainter &pittore, const std::vector<ElementoDisegno> &elementi, const Riproduzione &modo);

QColor ColoreQt(std::uint32_t rgb);

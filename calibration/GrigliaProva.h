// The calibration test grid: 280 x 200 mm in 10 mm squares with four labels, drawn in twips
// on any printer.
#pragma once

#include "platform/Pagina.h"

#include <QString>

#include <cstdint>

// What the grid needs of a printer. Positions in twips from the top left corner of the printable
// area, x right, y down; colours as 0xRRGGBB.
class StampanteTwip {
public:
    virtual ~StampanteTwip() = default;
    virtual void Line(double x1, double y1, double x2, double y2, std::uint32_t colore) = 0;
    // Prints with the text's top left corner at (x, y), in the printer's current font.
    virtual void Print(double x, double y, const QString &testo) = 0;
    // Ends the document, sending the page to the printer.
    virtual void EndDoc() = 0;
};

constexpr std::uint32_t k_ColoreGriglia = k_BluScuro;

// 29 vertical lines, 21 horizontal ones, the labels "O(0,0)", "X", "(280,0)", "Y(0,200)",
// then the end of the document.
void StampaGriglia(StampanteTwip &stampante);

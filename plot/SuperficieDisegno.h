// A drawing surface in page millimetres: origin top left, x right, y down.
#pragma once

#include "plot/Pagina.h"

#include <QString>

#include <cstdint>

class SuperficieDisegno {
public:
    virtual ~SuperficieDisegno() = default;
    virtual void Line(double x1, double y1, double x2, double y2, std::uint32_t colore) = 0;
    virtual void ImpostaCurrentX(double x) = 0;
    virtual void ImpostaCurrentY(double y) = 0;
    // Prints with the text's top-left corner at the current position, then moves to the next line.
    virtual void Print(const QString &testo) = 0;
    virtual void Cls() = 0;
};

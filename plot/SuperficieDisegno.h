// A drawing surface in page millimetres: origin top left, x right, y down.
#pragma once

#include <QString>

#include <cstdint>

// Colours as 0xRRGGBB.
constexpr std::uint32_t k_BluScuro = 0x000080; // RGB(0, 0, 128)

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

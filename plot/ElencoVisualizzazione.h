// The recording surface: what was drawn, as a display list in page millimetres.
#pragma once

#include "plot/SuperficieDisegno.h"

#include <QString>

#include <vector>

struct ElementoDisegno {
    enum class Tipo { Linea, Testo } tipo = Tipo::Linea;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a text stands with its top-left corner at (x1, y1)
    std::uint32_t colore = k_BluScuro;
    QString testo;
};

class ElencoVisualizzazione final : public SuperficieDisegno {
public:
    // Height of one text line in mm (Arial 8.25 pt), the step of Print.
    static constexpr double k_AltezzaRiga = k_AltezzaCarattereMm * 1.15;

    void Line(double x1, double y1, double x2, double y2, std::uint32_t colore) override;
    void ImpostaCurrentX(double x) override { m_x = x; }
    void ImpostaCurrentY(double y) override { m_y = y; }
    void Print(const QString &testo) override;
    // A text in its own colour at its own place; the current position stays where it was.
    void Testo(double x, double y, const QString &testo, std::uint32_t colore);
    void Cls() override;

    const std::vector<ElementoDisegno> &elementi() const noexcept { return m_elementi; }

private:
    std::vector<ElementoDisegno> m_elementi;
    double m_x = 0, m_y = 0;
};

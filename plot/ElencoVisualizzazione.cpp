// Recording lines and texts for replay on screen and paper.
#include "plot/ElencoVisualizzazione.h"

void ElencoVisualizzazione::Line(double x1, double y1, double x2, double y2, std::uint32_t colore)
{
    m_elementi.push_back({ElementoDisegno::Tipo::Linea, x1, y1, x2, y2, colore, QString()});
}

void ElencoVisualizzazione::Print(const QString &testo)
{
    Testo(m_x, m_y, testo, k_BluScuro);
    m_x = 0;
    m_y += k_AltezzaRiga;
}

void ElencoVisualizzazione::Testo(double x, double y, const QString &testo, std::uint32_t colore)
{
    m_elementi.push_back({ElementoDisegno::Tipo::Testo, x, y, x, y, colore, testo});
}

void ElencoVisualizzazione::Cls()
{
    m_elementi.clear();
    m_x = 0;
    m_y = 0;
}

// On the strip a cut of a constant elbow is a cosine wave across its width: the gores alternate
// its sign, and a piece turned half a turn fits the wave of the one before.
#include "pieces/StrisciaGomito.h"

#include <QtMath>

#include <cmath>

std::optional<StrisciaGomito> StrisciaDelGomito(const FigureGomito &g, double diametroMedio, int punti)
{
    if (g.D1 != g.D2 || g.Pezzi < 2 || !(diametroMedio > 0) || punti < 2)
        return std::nullopt;
    const int giunti = g.Pezzi - 1;
    const double tangente = std::tan(qDegreesToRadians(g.Angolo) / (2 * giunti));
    const double gore = 2 * g.R * tangente, estremo = g.Tratto + g.R * tangente;
    const double ampiezza = diametroMedio / 2 * tangente;
    StrisciaGomito s;
    s.larghezza = M_PI * diametroMedio;
    s.lunghezza = 2 * estremo + (giunti - 1) * gore;
    for (int k = 1; k <= giunti; ++k) {
        // The first piece starts square with its throat at x = 0: its cut is nearest there.
        const double y = estremo + (k - 1) * gore, segno = k % 2 == 1 ? -1 : 1;
        std::vector<PuntoPiano> taglio;
        for (int i = 0; i < punti; ++i) {
            const double x = s.larghezza * i / (punti - 1);
            taglio.push_back({x, y + segno * ampiezza * std::cos(2 * M_PI * x / s.larghezza)});
        }
        s.tagli.push_back(std::move(taglio));
    }
    // Apart, each piece takes a plate as long as its back.
    const double separata = 2 * (estremo + ampiezza) + (giunti - 1) * (gore + 2 * ampiezza);
    s.areaStriscia = s.larghezza * s.lunghezza * 1e-6;
    s.areaSeparata = s.larghezza * separata * 1e-6;
    return s;
}

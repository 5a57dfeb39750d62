// Drawing the 280 x 200 mm test grid the user measures to calibrate a printer.
#include "calibration/GrigliaProva.h"

#include "platform/Pagina.h"

namespace {
constexpr double k_Lato = 10.0; // mm squares
constexpr int k_Colonne = int(k_LarghezzaDisegno / k_Lato);
constexpr int k_Righe = int(k_AltezzaDisegno / k_Lato);

double twip(double mm) { return mm * k_TwipPerMm; }
} // namespace

void StampaGriglia(StampanteTwip &stampante)
{
    const double larghezza = k_Colonne * k_Lato;
    const double altezza = k_Righe * k_Lato;
    for (int i = 0; i <= k_Colonne; ++i)
        stampante.Line(twip(k_Lato * i), 0, twip(k_Lato * i), twip(altezza), k_ColoreGriglia);
    for (int j = 0; j <= k_Righe; ++j)
        stampante.Line(0, twip(k_Lato * j), twip(larghezza), twip(k_Lato * j), k_ColoreGriglia);
    stampante.Print(0, 0, QStringLiteral("O(0,0)"));
    stampante.Print(twip(270), 0, QStringLiteral("X"));
    stampante.Print(twip(270), twip(6), QStringLiteral("(280,0)"));
    stampante.Print(0, twip(190), QStringLiteral("Y(0,200)"));
    stampante.EndDoc();
}

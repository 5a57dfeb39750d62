// Recording the 280 x 200 mm test grid the user measures to calibrate a printer.
#include "calibration/GrigliaProva.h"

namespace {
constexpr double k_Lato = 10.0; // mm squares
constexpr int k_Colonne = int(k_LarghezzaDisegno / k_Lato);
constexpr int k_Righe = int(k_AltezzaDisegno / k_Lato);
} // namespace

ElencoVisualizzazione GrigliaProva()
{
    ElencoVisualizzazione griglia;
    const double larghezza = k_Colonne * k_Lato;
    const double altezza = k_Righe * k_Lato;
    for (int i = 0; i <= k_Colonne; ++i)
        griglia.Line(k_Lato * i, 0, k_Lato * i, altezza, k_ColoreGriglia);
    for (int j = 0; j <= k_Righe; ++j)
        griglia.Line(0, k_Lato * j, larghezza, k_Lato * j, k_ColoreGriglia);
    // The labels in black: the grid colour is the lines' only.
    griglia.Testo(0, 0, QStringLiteral("O(0,0)"), k_Nero);
    griglia.Testo(270, 0, QStringLiteral("X"), k_Nero);
    griglia.Testo(270, 6, QStringLiteral("(280,0)"), k_Nero);
    griglia.Testo(0, 190, QStringLiteral("Y(0,200)"), k_Nero);
    return griglia;
}

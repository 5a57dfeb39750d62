// Three-zone X correction in twips: 140 mm printed as 139.15, 180 as 178.90, 280 as 279.15.
#include "worksheet/CorreggiStampa.h"

#include "geometry/StatoSviluppo.h"

double CorreggiXStampa(double x) noexcept
{
    // Factors kept in their historical form so the printed figures stay the same to the last bit.
    if (x >= 0 && x <= 7938)
        return x / (1 - 0.85 / 140);
    if (x > 7938 && x <= 10206)
        return (x - 7938) / (1 - 0.25 / 40) + 7938 / (1 - 0.85 / 140);
    if (x > 10206 && x <= 17010)
        return 7938 / (1 - 0.85 / 140) + 2268 / (1 - 0.25 / 40) + (x - 10206) / (1 + 0.25 / 100);
    return x;
}

void Correggi_Stampa(StatoSviluppo &stato)
{
    for (int i = 1; i <= k_PuntiBordo; ++i) {
        stato.XAB[i] = CorreggiXStampa(stato.XAB[i]);
        stato.XCD[i] = CorreggiXStampa(stato.XCD[i]);
    }
}

// Synthetic developments for the plot tests: a cylinder strip and a ring sector, put into the
// state as the developments leave them, without depending on the developments' code.
#pragma once

#include "geometry/StatoSviluppo.h"

#include <QMetaType>

struct FiguraSintetica {
    bool cono = false;
    ArrayPunti XAB{}, YAB{}, XCD{}, YCD{};
};
Q_DECLARE_METATYPE(FiguraSintetica)

// A strip `larghezza` long: the CD edge straight on y = quotaCD, the AB edge a shallow wave
// whose lowest points (largest y, quotaCD + altezza) are the seam's ends.
FiguraSintetica Striscia(double larghezza, double altezza, double quotaCD = 0);

// A ring sector about the origin between the radii `raggioCD` < `raggioAB`, its points from the
// angle `inizio` through `apertura` more, sampled as the cone development samples them.
FiguraSintetica Settore(double raggioAB, double raggioCD, double apertura, double inizio = 0);

// Fills `s` as a development hands it to the plot: the arrays, the two edge lengths, the eight
// extremes, `Larghezza` and `Altezza` by the figure's own rule, and `Scala` 1.
void Riempi(StatoSviluppo &s, const FiguraSintetica &figura);

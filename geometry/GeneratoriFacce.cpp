// Each face of the plate is the mean projection moved by half the thickness, developed again.
#include "geometry/GeneratoriFacce.h"

#include "geometry/FibraMedia.h"
#include "geometry/Lamiera.h"
#include "geometry/SceltaForma.h"

#include <cmath>

namespace {
bool Faccia(const StatoSviluppo &media, double scostamento, ArrayPunti &lunghezze)
{
    StatoSviluppo faccia = media;
    SpostaLati(faccia, scostamento);
    ContestoSviluppo contesto{faccia};
    if (!ScegliForma(contesto))
        return false;
    // Every development hangs the same generator on point k, whatever its size.
    for (int k = 1; k <= k_PuntiBordo; ++k)
        lunghezze[std::size_t(k)] = std::hypot(faccia.XCD[k] - faccia.XAB[k], faccia.YCD[k] - faccia.YAB[k]);
    return true;
}
} // namespace

std::optional<GeneratoriFacce> GeneratoriDelleFacce(const FigureSviluppo &figure)
{
    StatoSviluppo media;
    static_cast<FigureSviluppo &>(media) = figure;
    if (!ConSpessore(media) || !FigureValide(media))
        return std::nullopt;
    const double meta = ValoreSpessore(media) / 2;
    GeneratoriFacce facce;
    if (!Faccia(media, meta, facce.interna) || !Faccia(media, -meta, facce.esterna))
        return std::nullopt;
    return facce;
}

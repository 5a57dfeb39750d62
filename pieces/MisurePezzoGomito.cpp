// The throat and back of a piece are its extreme generators: the bend is symmetric about its plane.
#include "pieces/MisurePezzoGomito.h"

#include "pieces/ContornoSviluppo.h"
#include "pieces/RettangoloMinimo.h"

#include <cmath>

namespace {
// Fine enough that the generators in the bend plane are among the samples (a half turn each).
constexpr int k_GeneratoriPerMeta = 180;

PuntoPiano mezzo(PuntoPiano a, PuntoPiano b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }
} // namespace

std::optional<MisurePezzoGomito> MisureDelPezzoGomito(const Pezzo &pezzo)
{
    const auto profilo = CampionaPezzo(pezzo, k_GeneratoriPerMeta);
    if (!profilo || profilo->bordoAB.size() != profilo->bordoCD.size() || profilo->bordoAB.empty())
        return std::nullopt;
    MisurePezzoGomito m;
    m.gola = INFINITY;
    for (std::size_t i = 0; i < profilo->bordoAB.size(); ++i) {
        const PuntoPiano a = profilo->bordoAB[i], c = profilo->bordoCD[i];
        const double l = std::hypot(c.x - a.x, c.y - a.y);
        if (l < m.gola) {
            m.gola = l;
            m.puntoGola = mezzo(a, c);
        }
        if (l > m.dorso) {
            m.dorso = l;
            m.puntoDorso = mezzo(a, c);
        }
    }
    if (const auto &officina = pezzo.valori.figure.Officina) {
        m.taglio1 = officina->Taglio1;
        m.taglio2 = officina->Taglio2;
    }
    m.larghezza = profilo->cono ? RettangoloMinimoDi(ContornoChiuso(*profilo)).larghezza : M_PI * pezzo.diametro;
    return m;
}

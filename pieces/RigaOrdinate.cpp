// The ordinate rows of a development's 62-point arrays.
#include "pieces/RigaOrdinate.h"

#include <cmath>

std::vector<double> RigaOrdinate::Valori(bool facce, ColonneOrdinate colonne) const
{
    if (colonne != ColonneOrdinate::Punti)
        return {gradiBase, generatore, sviluppo};
    std::vector<double> valori{XAB, YAB, XCD, YCD, generatore};
    if (facce)
        valori.insert(valori.end(), {interna, esterna});
    return valori;
}

std::vector<RigaOrdinate> RigheOrdinate(const StatoSviluppo &s, const GeneratoriFacce *facce)
{
    std::vector<RigaOrdinate> righe;
    for (int k = 1; k <= k_PuntiBordo; ++k) {
        RigaOrdinate r{k, s.XAB[k], s.YAB[k], s.XCD[k], s.YCD[k], std::hypot(s.XCD[k] - s.XAB[k], s.YCD[k] - s.YAB[k])};
        if (facce) {
            r.interna = facce->interna[std::size_t(k)];
            r.esterna = facce->esterna[std::size_t(k)];
        }
        righe.push_back(r);
    }
    return righe;
}

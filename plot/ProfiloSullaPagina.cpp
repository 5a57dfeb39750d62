// The outline of a sampled piece, as every page drawing of a piece traces it.
#include "plot/ProfiloSullaPagina.h"

RiquadroProfilo RiquadroDelProfilo(const ProfiloSviluppo &profilo)
{
    RiquadroProfilo r;
    for (const auto *bordo : {&profilo.bordoAB, &profilo.bordoCD})
        for (const PuntoPiano &p : *bordo)
            r.Aggiungi(p);
    return r;
}

void TracciaProfilo(const ProfiloSviluppo &profilo, const std::function<PuntoPiano(const PuntoPiano &)> &pagina,
                    SuperficieDisegno &superficie)
{
    const auto linea = [&](const PuntoPiano &a, const PuntoPiano &b) {
        const PuntoPiano da = pagina(a), fino = pagina(b);
        superficie.Line(da.x, da.y, fino.x, fino.y, k_BluScuro);
    };
    for (const auto *bordo : {&profilo.bordoAB, &profilo.bordoCD})
        for (size_t i = 0; i + 1 < bordo->size(); ++i)
            linea((*bordo)[i], (*bordo)[i + 1]);
    linea(profilo.bordoAB.front(), profilo.bordoCD.front());
    linea(profilo.bordoAB.back(), profilo.bordoCD.back());
}

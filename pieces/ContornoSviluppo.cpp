// Outline assembly from the two sampled edges.
#include "pieces/ContornoSviluppo.h"

std::vector<PuntoPiano> ContornoChiuso(const ProfiloSviluppo &profilo)
{
    std::vector<PuntoPiano> risultato = SenzaDoppioni(profilo.bordoAB);
    for (auto v = profilo.bordoCD.rbegin(); v != profilo.bordoCD.rend(); ++v)
        if (risultato.empty() || !Coincidono(risultato.back(), *v))
            risultato.push_back(*v);
    while (risultato.size() > 1 && Coincidono(risultato.front(), risultato.back()))
        risultato.pop_back();
    return risultato;
}

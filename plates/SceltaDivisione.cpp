// Trying splits against the stock: each split developed once, nested on every stock size.
#include "plates/SceltaDivisione.h"

#include "plates/UltimaLamiera.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {
double areaPezzi(const BlankDiviso &d)
{
    double area = 0;
    for (const PezzoLamiera &p : d.pezzi)
        area += std::abs(AreaConSegno(p.contorno));
    return area;
}

// The least upright box (long side first) of the largest piece, plus the margins.
Lamiera boxMinimo(const BlankDiviso &d, double margine)
{
    Lamiera minimo{1e300, 1e300, 0, {}};
    for (const PezzoLamiera &p : d.pezzi) {
        Lamiera questo{1e300, 1e300, 0, {}};
        for (int grado = 0; grado < 180; ++grado) {
            const Riquadro r = RiquadroDi(Posiziona(p.contorno, grado * M_PI / 180));
            const double a = std::max(r.Larghezza(), r.Altezza()), b = std::min(r.Larghezza(), r.Altezza());
            if (a * b < questo.larghezza * questo.altezza)
                questo = {a, b, 0, {}};
        }
        if (minimo.larghezza > 1e299 || questo.larghezza * questo.altezza > minimo.larghezza * minimo.altezza)
            minimo = questo;
    }
    minimo.larghezza = std::ceil(minimo.larghezza + 2 * margine);
    minimo.altezza = std::ceil(minimo.altezza + 2 * margine);
    return minimo;
}
} // namespace

bool MiglioreDi(const OpzioneDivisione &a, const OpzioneDivisione &b)
{
    const double sa = a.diviso.saldaturaAggiunta, sb = b.diviso.saldaturaAggiunta;
    return std::make_tuple(a.lamiere.size(), -std::round(a.usoPercento), std::round(sa), -a.pezziPerLamiera) <
           std::make_tuple(b.lamiere.size(), -std::round(b.usoPercento), std::round(sb), -b.pezziPerLamiera);
}

std::vector<OpzioneDivisione> OpzioniDivisione(const FigureSviluppo &figure, const std::vector<Lamiera> &stock,
                                               const RichiestaDivisione &richiesta, Lamiera *minimo)
{
    std::vector<OpzioneDivisione> opzioni;
    const int corsiDa = richiesta.corsiFissi ? richiesta.divisione.corsi : 1;
    const int corsiA = richiesta.corsiFissi ? richiesta.divisione.corsi : k_MassimoCorsi;
    for (int corsi = corsiDa; corsi <= corsiA; ++corsi) {
        const int partiDa = richiesta.partiFisse ? richiesta.divisione.parti : 1;
        const int partiA = richiesta.partiFisse ? richiesta.divisione.parti : k_MassimoParti;
        int trovate = 0;
        for (int parti = partiDa; parti <= partiA && trovate < 3; ++parti) {
            Divisione divisione = richiesta.divisione;
            divisione.parti = parti;
            divisione.corsi = corsi;
            const auto diviso = DividiTronco(figure, divisione);
            if (!diviso)
                break; // these courses cannot be made at all
            if (minimo)
                *minimo = boxMinimo(*diviso, richiesta.regole.margine);
            bool entra = false;
            for (const Lamiera &lamiera : stock) {
                auto lamiere = Annida(diviso->pezzi, lamiera, richiesta.regole);
                if (!lamiere)
                    continue;
                entra = true;
                UltimaSullaMinore(*lamiere, diviso->pezzi, stock, richiesta.regole);
                double areaLamiere = 0;
                for (const LamieraPosata &l : *lamiere)
                    areaLamiere += l.lamiera.larghezza * l.lamiera.altezza;
                OpzioneDivisione o{divisione, *diviso, *lamiere, 0, 0};
                o.usoPercento = 100 * areaPezzi(*diviso) / areaLamiere;
                o.pezziPerLamiera = double(diviso->pezzi.size()) / double(lamiere->size());
                opzioni.push_back(std::move(o));
            }
            trovate += entra ? 1 : 0;
        }
    }
    std::stable_sort(opzioni.begin(), opzioni.end(), MiglioreDi);
    return opzioni;
}

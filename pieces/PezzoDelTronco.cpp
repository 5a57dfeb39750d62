// The truncated cone or cylinder as a producer of pieces.
#include "pieces/PezzoDelTronco.h"

#include <memory>

namespace {
// The development at the density last asked for, shared by the two edges: sampling them both
// at one density develops the figures once.
class SviluppoCampionato {
public:
    explicit SviluppoCampionato(const FigureSviluppo &figure) : m_figure(figure) {}

    // Null when the figures are refused at this density (already told).
    const ProfiloSviluppo *Profilo(int generatoriPerMeta)
    {
        if (generatoriPerMeta != m_generatori) {
            m_generatori = generatoriPerMeta;
            m_riuscito = SviluppaFigure(m_figure, generatoriPerMeta, m_stato, m_profilo);
        }
        return m_riuscito ? &m_profilo : nullptr;
    }
    const StatoSviluppo &Stato() const { return m_stato; }

private:
    FigureSviluppo m_figure;
    int m_generatori = 0;
    bool m_riuscito = false;
    StatoSviluppo m_stato;
    ProfiloSviluppo m_profilo;
};

BordoPezzo bordo(const std::shared_ptr<SviluppoCampionato> &sviluppo, std::vector<PuntoPiano> ProfiloSviluppo::*lato)
{
    return BordoPezzo([sviluppo, lato](int punti) {
        const ProfiloSviluppo *profilo = sviluppo->Profilo(punti / 2);
        return profilo ? profilo->*lato : std::vector<PuntoPiano>{};
    });
}
} // namespace

bool SviluppaFigure(const FigureSviluppo &figure, int generatoriPerMeta, StatoSviluppo &sviluppato,
                    ProfiloSviluppo &profilo)
{
    sviluppato = StatoSviluppo{};
    static_cast<FigureSviluppo &>(sviluppato) = figure;
    profilo = ProfiloSviluppo{};
    return SviluppoVero(sviluppato, generatoriPerMeta, profilo);
}

std::optional<Pezzo> PezzoDelTronco(const FigureSviluppo &figure)
{
    auto sviluppo = std::make_shared<SviluppoCampionato>(figure);
    const ProfiloSviluppo *profilo = sviluppo->Profilo(k_PuntiBordo / 2);
    if (!profilo)
        return std::nullopt;
    const std::optional<GeneratoriFacce> facce = GeneratoriDelleFacce(figure);
    Pezzo pezzo = PezzoDelloSviluppo(sviluppo->Stato(), *profilo, facce ? &*facce : nullptr);
    pezzo.bordoAB = bordo(sviluppo, &ProfiloSviluppo::bordoAB);
    pezzo.bordoCD = bordo(sviluppo, &ProfiloSviluppo::bordoCD);
    return pezzo;
}

Pezzo PezzoDelloSviluppo(const StatoSviluppo &s, const ProfiloSviluppo &profilo, const GeneratoriFacce *facce)
{
    Pezzo pezzo;
    pezzo.bordoAB = BordoSpezzato(profilo.bordoAB);
    pezzo.bordoCD = BordoSpezzato(profilo.bordoCD);
    pezzo.settore = profilo.cono;
    for (int k = 1; k <= k_PuntiBordo; ++k)
        pezzo.generatrici.push_back({{s.XAB[k], s.YAB[k]}, {s.XCD[k], s.YCD[k]}});
    pezzo.valori = ValoriLegendaDelloStato(s, profilo.cono);
    const double settore = s.Apotema > 0 ? 2 * s.PiGreco * s.Raggio / s.Apotema : 0;
    pezzo.angoloSettore = profilo.cono ? settore * 180 / s.PiGreco : 0;
    pezzo.diametro = s.Diametro;
    pezzo.righe = RigheOrdinate(s, facce);
    pezzo.facce = facce != nullptr;
    return pezzo;
}

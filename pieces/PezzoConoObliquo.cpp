// The eccentric reducer's piece: its edges sampled from the exact development.
#include "pieces/PezzoConoObliquo.h"

#include <memory>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

// The development at the density last asked for: the two edges sampled at one density share it.
class SviluppoCampionato {
public:
    SviluppoCampionato(const ConoObliquo &media, double teta0) : m_media(media), m_teta0(teta0) {}

    const SviluppoObliquo &Sviluppo(int punti)
    {
        if (punti != m_punti) {
            m_punti = punti;
            m_sviluppo = SviluppaConoObliquo(m_media, m_teta0, punti);
        }
        return m_sviluppo;
    }

private:
    ConoObliquo m_media;
    double m_teta0;
    int m_punti = 0;
    SviluppoObliquo m_sviluppo;
};

BordoPezzo Bordo(const std::shared_ptr<SviluppoCampionato> &sviluppo, PuntoPiano GeneratoreSviluppato::*estremo)
{
    return BordoPezzo([sviluppo, estremo](int punti) {
        std::vector<PuntoPiano> bordo;
        for (const GeneratoreSviluppato &g : sviluppo->Sviluppo(punti).generatori)
            bordo.push_back(g.*estremo);
        return bordo;
    });
}
} // namespace

std::optional<Pezzo> PezzoConoObliquo(const ConoObliquo &c, const Cucitura &cucitura, const QString &nome, int righe)
{
    const ConoObliquo media = SuperficieMedia(c);
    const auto sviluppo = std::make_shared<SviluppoCampionato>(media, AngoloCucitura(media, cucitura));
    const SviluppoObliquo &tabella = sviluppo->Sviluppo(k_PuntiBordo);
    if (tabella.generatori.empty())
        return std::nullopt;
    Pezzo pezzo;
    pezzo.settore = tabella.settore;
    for (const GeneratoreSviluppato &g : tabella.generatori)
        pezzo.generatrici.push_back({g.ab, g.cd});
    // The closing generator is the seam's again: a table of equal steps leaves it out.
    const SviluppoObliquo segnate =
        righe > 0 ? SviluppaConoObliquo(media, AngoloCucitura(media, cucitura), righe + 1) : tabella;
    const int contate = righe > 0 ? righe : int(segnate.generatori.size());
    for (int k = 0; k < contate && k < int(segnate.generatori.size()); ++k) {
        const GeneratoreSviluppato &g = segnate.generatori[size_t(k)];
        const RigaGeneratore r = RigaDelGeneratore(g, segnate.cono);
        pezzo.righe.push_back({k + 1, g.ab.x, g.ab.y, g.cd.x, g.cd.y, g.lunghezza, 0, 0, r.gradiBase, r.sviluppo});
    }
    pezzo.colonne = segnate.cono ? ColonneOrdinate::GeneratoriCono : ColonneOrdinate::GeneratoriCilindro;
    pezzo.valori.cono = tabella.cono;
    pezzo.valori.figure.Nome = nome;
    pezzo.valori.figure.TestoSpessore = c.Spessore > 0 ? QString::number(c.Spessore, 'g', 10) : QString();
    pezzo.valori.figure.Quote = c.Quote;
    pezzo.valori.obliquo = FigureLegendaObliquo{c, AngoloCucitura(media, cucitura) * 180 / k_Pi};
    // The edges are the ends' circumferences unrolled: exactly their lengths.
    pezzo.valori.SommaAB = k_Pi * media.D1;
    pezzo.valori.SommaCD = k_Pi * media.D2;
    pezzo.valori.CD = tabella.generatori.back().lunghezza;
    pezzo.angoloSettore = tabella.settore ? tabella.generatori.back().sviluppo * 180 / k_Pi : 0;
    pezzo.diametro = tabella.cono ? 0 : media.D1;
    pezzo.bordoAB = Bordo(sviluppo, &GeneratoreSviluppato::ab);
    pezzo.bordoCD = Bordo(sviluppo, &GeneratoreSviluppato::cd);
    return pezzo;
}

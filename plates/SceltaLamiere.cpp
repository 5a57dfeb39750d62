// The window's choice kept apart from its widgets.
#include "plates/SceltaLamiere.h"

#include "plates/ScritturaLamiere.h"

SceltaLamiere::SceltaLamiere(FigureSviluppo figure, std::vector<Lamiera> stock)
    : m_figure(std::move(figure)),
      m_stock(std::move(stock))
{
}

bool SceltaLamiere::Ricalcola(const RichiestaDivisione &richiesta)
{
    m_richiesta = richiesta;
    Lamiera minimo;
    m_opzioni = OpzioniDivisione(m_figure, m_stock, richiesta, &minimo);
    m_scelta = m_opzioni.empty() ? -1 : 0;
    m_motivo.clear();
    if (m_opzioni.empty())
        m_motivo = minimo.larghezza > 0 && minimo.larghezza < 1e299
                       ? QStringLiteral("Nessuna lamiera può contenere nemmeno il pezzo più piccolo proposto: "
                                        "serve almeno una lamiera di %1 mm")
                             .arg(TestoMisura(minimo))
                       : QStringLiteral("Lo sviluppo non si può dividere con questi valori");
    return !m_opzioni.empty();
}

void SceltaLamiere::Scegli(int indice)
{
    if (indice >= 0 && indice < int(m_opzioni.size()))
        m_scelta = indice;
}

const OpzioneDivisione *SceltaLamiere::OpzioneScelta() const
{
    return m_scelta >= 0 ? &m_opzioni[size_t(m_scelta)] : nullptr;
}

std::optional<QString> SceltaLamiere::Esporta(const QString &cartella) const
{
    if (!OpzioneScelta())
        return m_motivo;
    return ScriviUsciteLamiere(*OpzioneScelta(), cartella);
}

std::optional<DivisioneCommessa> SceltaLamiere::PerLaCommessa() const
{
    const OpzioneDivisione *o = OpzioneScelta();
    if (!o || o->lamiere.empty())
        return std::nullopt;
    const Lamiera &l = o->lamiere.front().lamiera;
    return DivisioneCommessa{
        o->divisione.parti,      o->divisione.corsi,         o->divisione.luce, o->divisione.sfrido,
        m_richiesta.regole.kerf, m_richiesta.regole.margine, l.larghezza,       l.altezza};
}

RichiestaDivisione SceltaLamiere::RichiestaDi(const DivisioneCommessa &d)
{
    RichiestaDivisione r;
    r.divisione.parti = d.parti;
    r.divisione.corsi = d.corsi;
    r.divisione.luce = d.luce;
    r.divisione.sfrido = d.sfrido;
    r.regole = {d.kerf, d.margine};
    return r;
}

bool SceltaLamiere::Riprendi(const DivisioneCommessa &d)
{
    const auto trova = [&] {
        for (size_t i = 0; i < m_opzioni.size(); ++i) {
            const OpzioneDivisione &o = m_opzioni[i];
            if (o.divisione.parti == d.parti && o.divisione.corsi == d.corsi && !o.lamiere.empty() &&
                o.lamiere.front().lamiera.larghezza == d.larghezza && o.lamiere.front().lamiera.altezza == d.altezza) {
                m_scelta = int(i);
                return true;
            }
        }
        return false;
    };
    RichiestaDivisione richiesta = RichiestaDi(d);
    if (Ricalcola(richiesta) && trova())
        return true;
    // A count the user fixed may be no option the free ranking proposes.
    richiesta.partiFisse = richiesta.corsiFissi = true;
    return Ricalcola(richiesta) && trova();
}

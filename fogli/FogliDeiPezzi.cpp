// Laying out a job's pieces one after the other, with the piece named on every page.
#include "fogli/FogliDeiPezzi.h"

#include <algorithm>
#include <iterator>

QString TitoloPezzoFogli(int numero, int pezzi, const QString &nome)
{
    if (pezzi <= 1)
        return {};
    const QString titolo = QStringLiteral("Pezzo %1 di %2").arg(numero).arg(pezzi);
    const QString pulito = nome.trimmed();
    // A piece still under its default name would say its number twice.
    if (pulito.isEmpty() || pulito == QStringLiteral("Pezzo %1").arg(numero))
        return titolo;
    return titolo + QStringLiteral(" \u00B7 ") + pulito;
}

std::vector<PezzoDaStampare> SoloIlPezzo(const std::vector<PezzoDaStampare> &pezzi, int pezzo)
{
    std::vector<PezzoDaStampare> scelti;
    std::copy_if(pezzi.begin(), pezzi.end(), std::back_inserter(scelti),
                 [&](const PezzoDaStampare &p) { return p.pezzo == pezzo; });
    return scelti;
}

ImpaginazioneDeiPezzi ImpaginaPezzi(const std::vector<PezzoDaStampare> &pezzi, const CartaFogli &carta,
                                    const IntestazioneFogli &intestazione)
{
    ImpaginazioneDeiPezzi risultato;
    if (pezzi.empty())
        risultato.errore = ErroreFogli::SagomaVuota;
    for (const PezzoDaStampare &pezzo : pezzi) {
        IntestazioneFogli propria = intestazione;
        propria.pezzo = pezzo.titolo;
        ImpaginazioneFogli impaginazione = ImpaginaFogli(pezzo.sagoma, carta, propria);
        if (impaginazione.errore != ErroreFogli::Nessuno) {
            risultato.errore = impaginazione.errore;
            risultato.pezzi.clear();
            risultato.stampati = 0;
            return risultato;
        }
        risultato.stampati += impaginazione.stampati;
        risultato.pezzi.push_back(std::move(impaginazione));
    }
    return risultato;
}

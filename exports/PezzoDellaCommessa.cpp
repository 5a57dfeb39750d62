// A job's figures turned into their piece.
#include "exports/PezzoDellaCommessa.h"

#include "pieces/PezzoConoObliquo.h"
#include "pieces/PezzoDelTronco.h"
#include "platform/TestoFisso.h"

std::optional<Pezzo> PezzoDellaCommessa(const Commessa &commessa)
{
    if (commessa.pezzi.empty())
        return std::nullopt;
    return PezzoDellaSorgente(commessa.pezzi.front());
}

std::optional<Pezzo> PezzoDellaSorgente(const SorgentePezzo &sorgente)
{
    switch (sorgente.solido) {
    case TipoSolido::Tronco:
        break;
    case TipoSolido::Eccentrico: {
        const FigureEccentrico &e = sorgente.eccentrico;
        auto pezzo = PezzoConoObliquo(e.cono, e.cucitura, TrimBlank(e.nome), e.generatori);
        if (pezzo)
            pezzo->valori.figure.MaterialeLamiera = e.materiale;
        return pezzo;
    }
    }
    return PezzoDelTronco(sorgente.tronco);
}

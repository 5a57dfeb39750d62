// The elbow's pieces as today's truncated solids, with their exact workshop figures.
#include "documents/PezziGomito.h"

#include "geometry/TestiOfficina.h"

#include <algorithm>

std::vector<SorgentePezzo> SorgentiDelGomito(const GomitoCommessa &gomito, const FigureSviluppo &lamiera)
{
    const std::vector<PezzoGomito> pezzi = PezziDelGomito(gomito.figure);
    std::vector<SorgentePezzo> sorgenti;
    for (std::size_t i = 0; i < pezzi.size(); ++i) {
        SorgentePezzo sorgente;
        FigureSviluppo &f = sorgente.tronco;
        f.Nome = QStringLiteral("Pezzo %1").arg(i + 1);
        f.TestoSpessore = lamiera.TestoSpessore;
        f.Quote = lamiera.Quote;
        f.MaterialeLamiera = lamiera.MaterialeLamiera;
        // A and C lie on the throat: closing on AC puts the seam there.
        const bool gola = (gomito.cucitura == CucituraGomito::Gola) != (gomito.sfalsata && i % 2 == 1);
        f.ImpostaChiusura(gola ? QStringLiteral("T") : QStringLiteral("F"));
        ImpostaOfficina(f, pezzi[i].officina);
        sorgenti.push_back(sorgente);
    }
    return sorgenti;
}

std::optional<Commessa> CommessaDelGomito(const QString &nome, const GomitoCommessa &gomito,
                                          const FigureSviluppo &lamiera)
{
    Commessa commessa;
    commessa.nome = nome;
    commessa.gomito = gomito;
    commessa.pezzi = SorgentiDelGomito(gomito, lamiera);
    if (commessa.pezzi.empty())
        return std::nullopt;
    return commessa;
}

bool PezziDelGomitoCoerenti(const Commessa &commessa)
{
    if (!commessa.gomito || commessa.pezzi.empty() || commessa.pezzi.front().solido != TipoSolido::Tronco)
        return false;
    const std::vector<SorgentePezzo> attesi = SorgentiDelGomito(*commessa.gomito, commessa.pezzi.front().tronco);
    return std::equal(attesi.begin(), attesi.end(), commessa.pezzi.begin(), commessa.pezzi.end(), StessaSorgente);
}

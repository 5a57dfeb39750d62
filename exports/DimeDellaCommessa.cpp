// Which cut of which piece faces which neighbour, and the template of each.
#include "exports/DimeDellaCommessa.h"

#include "fogli/SagomaDima.h"
#include "geometry/Lamiera.h"

std::optional<std::vector<DimaDellaCommessa>> DimeDellaCommessa(const Commessa &commessa)
{
    if (!commessa.gomito)
        return std::nullopt;
    const std::vector<PezzoGomito> gomito = PezziDelGomito(commessa.gomito->figure);
    if (gomito.size() != commessa.pezzi.size())
        return std::nullopt;
    std::vector<DimaDellaCommessa> dime;
    const int n = int(gomito.size());
    for (int i = 0; i < n; ++i) {
        const FigureSviluppo &f = commessa.pezzi[std::size_t(i)].tronco;
        if (commessa.pezzi[std::size_t(i)].solido != TipoSolido::Tronco || !f.Officina)
            return std::nullopt;
        // The base is the cut towards the previous piece, or towards the next on a piece turned
        // against the elbow's run.
        const bool rovesciato = gomito[std::size_t(i)].rovesciato;
        for (const TaglioDima taglio : {TaglioDima::Base, TaglioDima::Cima}) {
            const int vicino = i + ((taglio == TaglioDima::Base) != rovesciato ? -1 : 1);
            if (vicino < 0 || vicino >= n)
                continue;
            const auto dima = DimaDelTaglio(*f.Officina, ValoreSpessore(f), f.Quote, taglio);
            if (!dima)
                return std::nullopt;
            dime.push_back(
                {*dima, QStringLiteral("Pezzo %1 - taglio verso il pezzo %2").arg(i + 1).arg(vicino + 1), i});
        }
    }
    return dime;
}

std::optional<std::vector<PezzoDaStampare>> DimeDaStampare(const Commessa &commessa)
{
    const auto dime = DimeDellaCommessa(commessa);
    if (!dime)
        return std::nullopt;
    std::vector<PezzoDaStampare> elenco;
    for (std::size_t i = 0; i < dime->size(); ++i)
        elenco.push_back({SagomaDellaDima((*dime)[i].dima, (*dime)[i].nome),
                          QStringLiteral("Dima %1 di %2").arg(i + 1).arg(dime->size()), (*dime)[i].pezzo});
    return elenco;
}

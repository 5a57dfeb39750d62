// The blank from the rounded texts against the exact one, point by point.
#include "documents/ScartoArrotondamento.h"

#include "pieces/PezzoDelTronco.h"
#include "platform/NomeConEstensione.h"
#include "platform/Piattaforma.h"

#include <algorithm>
#include <cmath>

namespace {
// Generators per half: fine enough that the largest gap falls near a sampled point.
constexpr int k_Generatori = 400;

std::optional<ProfiloSviluppo> bordi(const FigureSviluppo &figure)
{
    const auto pezzo = PezzoDelTronco(figure);
    if (!pezzo)
        return std::nullopt;
    return CampionaPezzo(*pezzo, k_Generatori);
}

double distanzaMassima(const std::vector<PuntoPiano> &a, const std::vector<PuntoPiano> &b)
{
    double massima = 0;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        massima = std::max(massima, std::hypot(a[i].x - b[i].x, a[i].y - b[i].y));
    return massima;
}
} // namespace

std::optional<double> ScartoArrotondamento(const FigureSviluppo &figure)
{
    if (!figure.Officina)
        return 0.0;
    FigureSviluppo arrotondata = figure;
    arrotondata.Officina.reset();
    const auto esatti = bordi(figure);
    if (!esatti)
        return std::nullopt;
    const auto arrotondati = bordi(arrotondata);
    if (!arrotondati)
        return std::nullopt;
    return std::max(distanzaMassima(esatti->bordoAB, arrotondati->bordoAB),
                    distanzaMassima(esatti->bordoCD, arrotondati->bordoCD));
}

QString TestoScarto(double scarto)
{
    return QStringLiteral("Il formato .tnt conserva solo le misure arrotondate di AC, AB, BD, Alfa e Beta: lo "
                          "sviluppo si scosta da quello esatto fino a %1 mm.")
        .arg(QString::number(scarto, 'f', 4));
}

bool ConfermaArrotondamento(const QString &percorso, const Commessa &commessa)
{
    if (!HaEstensione(percorso, QStringLiteral(".tnt")) || commessa.pezzi.size() != 1 ||
        !commessa.pezzi.front().tronco.Officina)
        return true;
    const auto scarto = ScartoArrotondamento(commessa.pezzi.front().tronco);
    if (!scarto)
        return false;
    return MsgBox(TestoScarto(*scarto) +
                      QStringLiteral("\nPer conservare le misure di officina salvare in formato .vorna.\nPremere "
                                     "OK per salvare comunque in .tnt, Annulla per non salvare."),
                  Pulsanti::OKAnnulla, QStringLiteral("Salvataggio in formato .tnt")) == RispostaOK;
}

// The side projection's texts under their own names, the closing side and the plate by words.
#include "documents/JsonTronco.h"

#include "documents/CampiJson.h"
#include "documents/Commessa.h"

#include <array>
#include <utility>

namespace {
const QString k_Lamiera = QStringLiteral("lamiera");
const QString k_Spessore = QStringLiteral("spessore");
const QString k_Quote = QStringLiteral("quote");
const QString k_Chiusura = QStringLiteral("chiusura");

// The typed texts in the order they are typed, under the names the user reads beside them.
const std::array<std::pair<QString, TestoFisso FigureSviluppo::*>, 6> k_testi = {{
    {QStringLiteral("nome"), &FigureSviluppo::Nome},
    {QStringLiteral("AC"), &FigureSviluppo::TestoAC},
    {QStringLiteral("AB"), &FigureSviluppo::TestoAB},
    {QStringLiteral("BD"), &FigureSviluppo::TestoBD},
    {QStringLiteral("Alfa"), &FigureSviluppo::TestoAlfa},
    {QStringLiteral("Beta"), &FigureSviluppo::TestoBeta},
}};

// In the order of QuoteLamiera; the closing side in the order "T", "F" of ChiudiAC.
const QStringList k_NomiQuote = {QStringLiteral("interne"), QStringLiteral("esterne"), QStringLiteral("medie")};
const QStringList k_NomiChiusura = {QStringLiteral("AC"), QStringLiteral("BD")};

QString leggiLamiera(const QJsonObject &pezzo, FigureSviluppo &figure)
{
    const QJsonValue lamiera = pezzo.value(k_Lamiera);
    if (lamiera.isUndefined())
        return {};
    if (!lamiera.isObject())
        return QStringLiteral("\"lamiera\" non è un oggetto");
    int quote = 0;
    if (QString errore = LeggiTesto(lamiera.toObject(), k_Spessore, figure.TestoSpessore); !errore.isEmpty())
        return errore;
    if (QString errore = LeggiScelta(lamiera.toObject(), k_Quote, k_NomiQuote, quote); !errore.isEmpty())
        return errore;
    figure.Quote = QuoteLamiera(quote);
    return {};
}
} // namespace

QJsonObject TroncoInJson(const FigureSviluppo &figure)
{
    QJsonObject pezzo;
    for (const auto &[chiave, campo] : k_testi)
        pezzo.insert(chiave, TestoDigitato(figure.*campo));
    pezzo.insert(k_Chiusura, k_NomiChiusura.at(ChiudeSuAC(figure) ? 0 : 1));
    if (SpessoreDigitato(figure))
        pezzo.insert(k_Lamiera, QJsonObject{{k_Spessore, TestoDigitato(figure.TestoSpessore)},
                                            {k_Quote, k_NomiQuote.at(int(figure.Quote))}});
    return pezzo;
}

QString TroncoDaJson(const QJsonObject &pezzo, FigureSviluppo &figure)
{
    FigureSviluppo letta;
    for (const auto &[chiave, campo] : k_testi)
        if (QString errore = LeggiTesto(pezzo, chiave, letta.*campo); !errore.isEmpty())
            return errore;
    int chiusura = 0;
    if (QString errore = LeggiScelta(pezzo, k_Chiusura, k_NomiChiusura, chiusura); !errore.isEmpty())
        return errore;
    letta.ImpostaChiusura(chiusura == 0 ? QStringLiteral("T") : QStringLiteral("F"));
    if (QString errore = leggiLamiera(pezzo, letta); !errore.isEmpty())
        return errore;
    figure = letta;
    return {};
}

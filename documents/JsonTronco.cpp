// The side projection's texts under their own names, the closing side and the plate by words.
#include "documents/JsonTronco.h"

#include "documents/CampiJson.h"
#include "documents/Commessa.h"

#include <array>
#include <cmath>
#include <utility>

namespace {
const QString k_Lamiera = QStringLiteral("lamiera");
const QString k_Spessore = QStringLiteral("spessore");
const QString k_Quote = QStringLiteral("quote");
const QString k_Chiusura = QStringLiteral("chiusura");
const QString k_Officina = QStringLiteral("officina");
const QString k_Pieghe = QStringLiteral("pieghe");
constexpr int k_MassimePieghe = 360;

// The workshop figures as JSON numbers, which keep every bit of a double.
const std::array<std::pair<QString, double FigureOfficina::*>, 5> k_officina = {{
    {QStringLiteral("D1"), &FigureOfficina::D1},
    {QStringLiteral("D2"), &FigureOfficina::D2},
    {QStringLiteral("H"), &FigureOfficina::H},
    {QStringLiteral("taglio1"), &FigureOfficina::Taglio1},
    {QStringLiteral("taglio2"), &FigureOfficina::Taglio2},
}};

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
    return LeggiMateriale(lamiera.toObject(), figure.MaterialeLamiera);
}

QJsonObject lamieraInJson(const FigureSviluppo &figure)
{
    QJsonObject lamiera{{k_Spessore, TestoDigitato(figure.TestoSpessore)},
                        {k_Quote, k_NomiQuote.at(int(figure.Quote))}};
    ScriviMateriale(figure.MaterialeLamiera, lamiera);
    return lamiera;
}

QJsonObject officinaInJson(const FigureOfficina &officina)
{
    QJsonObject oggetto;
    for (const auto &[chiave, campo] : k_officina)
        oggetto.insert(chiave, officina.*campo);
    return oggetto;
}

// Figures that give no projection would reach the development as they stand: refused here.
QString leggiOfficina(const QJsonObject &pezzo, FigureSviluppo &figure)
{
    const QJsonValue valore = pezzo.value(k_Officina);
    if (valore.isUndefined())
        return {};
    if (!valore.isObject())
        return QStringLiteral("\"officina\" non è un oggetto");
    FigureOfficina officina;
    for (const auto &[chiave, campo] : k_officina)
        if (QString errore = LeggiNumero(valore.toObject(), chiave, officina.*campo); !errore.isEmpty())
            return QStringLiteral("officina: ") + errore;
    const ProiezioneEsatta p = ProiezioneDaOfficina(officina);
    const bool tronco = officina.D1 > 0 && officina.D2 > 0 && officina.H > 0 && p.AC > 0 && p.AB > 0 && p.BD > 0 &&
                        p.Alfa > 0 && p.Alfa < M_PI && p.Beta > 0 && p.Beta < M_PI;
    if (!tronco)
        return QStringLiteral("\"officina\" non descrive un tronco di cono o di cilindro");
    figure.Officina = officina;
    return {};
}

QString leggiPieghe(const QJsonObject &pezzo, FigureSviluppo &figure)
{
    if (!pezzo.contains(k_Pieghe))
        return {};
    return LeggiIntero(pezzo, k_Pieghe, 0, k_MassimePieghe, figure.Pieghe);
}
} // namespace

QJsonObject TroncoInJson(const FigureSviluppo &figure)
{
    QJsonObject pezzo;
    for (const auto &[chiave, campo] : k_testi)
        pezzo.insert(chiave, TestoDigitato(figure.*campo));
    pezzo.insert(k_Chiusura, k_NomiChiusura.at(ChiudeSuAC(figure) ? 0 : 1));
    if (SpessoreDigitato(figure))
        pezzo.insert(k_Lamiera, lamieraInJson(figure));
    if (figure.Officina)
        pezzo.insert(k_Officina, officinaInJson(*figure.Officina));
    if (figure.Pieghe > 0)
        pezzo.insert(k_Pieghe, figure.Pieghe);
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
    for (const auto leggi : {leggiLamiera, leggiOfficina, leggiPieghe})
        if (QString errore = leggi(pezzo, letta); !errore.isEmpty())
            return errore;
    figure = letta;
    return {};
}

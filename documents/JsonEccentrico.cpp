// The eccentric reducer's keys: name, diameters, height, offset, seam, plate, generators.
#include "documents/JsonEccentrico.h"

#include "documents/CampiJson.h"
#include "geometry/ValidaConoObliquo.h"

#include <array>
#include <cmath>
#include <utility>

namespace {
const QString k_Nome = QStringLiteral("nome");
const QString k_Cucitura = QStringLiteral("cucitura");
const QString k_GradiCucitura = QStringLiteral("gradiCucitura");
const QString k_Lamiera = QStringLiteral("lamiera");
const QString k_Spessore = QStringLiteral("spessore");
const QString k_Quote = QStringLiteral("quote");
const QString k_Generatori = QStringLiteral("generatori");

const std::array<std::pair<QString, double ConoObliquo::*>, 4> k_misure = {{
    {QStringLiteral("D1"), &ConoObliquo::D1},
    {QStringLiteral("D2"), &ConoObliquo::D2},
    {QStringLiteral("H"), &ConoObliquo::H},
    {QStringLiteral("scostamento"), &ConoObliquo::Scostamento},
}};

// In the order of TipoCucitura and QuoteLamiera.
const QStringList k_NomiCucitura = {QStringLiteral("corta"), QStringLiteral("lunga"), QStringLiteral("angolo")};
const QStringList k_NomiQuote = {QStringLiteral("interne"), QStringLiteral("esterne"), QStringLiteral("medie")};

QString leggiCucitura(const QJsonObject &pezzo, Cucitura &cucitura)
{
    int tipo = 0;
    if (QString errore = LeggiScelta(pezzo, k_Cucitura, k_NomiCucitura, tipo); !errore.isEmpty())
        return errore;
    cucitura.tipo = TipoCucitura(tipo);
    if (cucitura.tipo != TipoCucitura::Angolo)
        return {};
    return LeggiNumero(pezzo, k_GradiCucitura, cucitura.gradi);
}

QString leggiLamiera(const QJsonObject &pezzo, FigureEccentrico &figure)
{
    const QJsonValue lamiera = pezzo.value(k_Lamiera);
    if (lamiera.isUndefined())
        return {};
    if (!lamiera.isObject())
        return QStringLiteral("\"lamiera\" non è un oggetto");
    int quote = 0;
    if (QString errore = LeggiNumero(lamiera.toObject(), k_Spessore, figure.cono.Spessore); !errore.isEmpty())
        return errore;
    if (QString errore = LeggiScelta(lamiera.toObject(), k_Quote, k_NomiQuote, quote); !errore.isEmpty())
        return errore;
    figure.cono.Quote = QuoteLamiera(quote);
    return LeggiMateriale(lamiera.toObject(), figure.materiale);
}

QString leggiGeneratori(const QJsonObject &pezzo, FigureEccentrico &figure)
{
    return LeggiIntero(pezzo, k_Generatori, 2, k_MassimiGeneratori, figure.generatori);
}
} // namespace

QJsonObject EccentricoInJson(const FigureEccentrico &figure)
{
    QJsonObject pezzo{{k_Nome, TestoDigitato(figure.nome)}};
    for (const auto &[chiave, campo] : k_misure)
        pezzo.insert(chiave, figure.cono.*campo);
    pezzo.insert(k_Cucitura, k_NomiCucitura.at(int(figure.cucitura.tipo)));
    if (figure.cucitura.tipo == TipoCucitura::Angolo)
        pezzo.insert(k_GradiCucitura, figure.cucitura.gradi);
    QJsonObject lamiera{{k_Spessore, figure.cono.Spessore}, {k_Quote, k_NomiQuote.at(int(figure.cono.Quote))}};
    ScriviMateriale(figure.materiale, lamiera);
    pezzo.insert(k_Lamiera, lamiera);
    pezzo.insert(k_Generatori, figure.generatori);
    return pezzo;
}

QString EccentricoDaJson(const QJsonObject &pezzo, FigureEccentrico &figure)
{
    FigureEccentrico letta;
    if (QString errore = LeggiTesto(pezzo, k_Nome, letta.nome); !errore.isEmpty())
        return errore;
    for (const auto &[chiave, campo] : k_misure)
        if (QString errore = LeggiNumero(pezzo, chiave, letta.cono.*campo); !errore.isEmpty())
            return errore;
    if (QString errore = leggiCucitura(pezzo, letta.cucitura); !errore.isEmpty())
        return errore;
    if (QString errore = leggiLamiera(pezzo, letta); !errore.isEmpty())
        return errore;
    if (QString errore = leggiGeneratori(pezzo, letta); !errore.isEmpty())
        return errore;
    if (const auto rifiuto = ControllaConoObliquo(letta.cono))
        return QStringLiteral("riduzione eccentrica non valida: ") + rifiuto->messaggio;
    figure = letta;
    return {};
}

// The elbow's keys: diameters, bend radius and angle, pieces, straight length, seam and stagger.
#include "documents/JsonGomito.h"

#include "documents/CampiJson.h"

#include <array>
#include <cmath>
#include <utility>

namespace {
const QString k_Pezzi = QStringLiteral("pezzi");
const QString k_Cucitura = QStringLiteral("cucitura");
const QString k_Sfalsata = QStringLiteral("sfalsata");

const std::array<std::pair<QString, double FigureGomito::*>, 5> k_misure = {{
    {QStringLiteral("D1"), &FigureGomito::D1},
    {QStringLiteral("D2"), &FigureGomito::D2},
    {QStringLiteral("raggio"), &FigureGomito::R},
    {QStringLiteral("angolo"), &FigureGomito::Angolo},
    {QStringLiteral("tratto"), &FigureGomito::Tratto},
}};

// In the order of CucituraGomito.
const QStringList k_NomiCucitura = {QStringLiteral("gola"), QStringLiteral("dorso")};
} // namespace

QJsonObject GomitoInJson(const GomitoCommessa &gomito)
{
    QJsonObject oggetto;
    for (const auto &[chiave, campo] : k_misure)
        oggetto.insert(chiave, gomito.figure.*campo);
    oggetto.insert(k_Pezzi, gomito.figure.Pezzi);
    oggetto.insert(k_Cucitura, k_NomiCucitura.at(int(gomito.cucitura)));
    oggetto.insert(k_Sfalsata, gomito.sfalsata);
    return oggetto;
}

QString GomitoDaJson(const QJsonValue &valore, GomitoCommessa &gomito)
{
    if (!valore.isObject())
        return QStringLiteral("\"gomito\" non è un oggetto");
    const QJsonObject oggetto = valore.toObject();
    GomitoCommessa letto;
    for (const auto &[chiave, campo] : k_misure)
        if (QString errore = LeggiNumero(oggetto, chiave, letto.figure.*campo); !errore.isEmpty())
            return QStringLiteral("gomito: ") + errore;
    double pezzi = 0;
    if (QString errore = LeggiNumero(oggetto, k_Pezzi, pezzi); !errore.isEmpty())
        return QStringLiteral("gomito: ") + errore;
    if (pezzi != std::floor(pezzi) || pezzi < 2 || pezzi > k_PezziMassimiGomito)
        return QStringLiteral("gomito: \"pezzi\" deve essere un numero intero da 2 a %1").arg(k_PezziMassimiGomito);
    letto.figure.Pezzi = int(pezzi);
    int cucitura = 0;
    if (QString errore = LeggiScelta(oggetto, k_Cucitura, k_NomiCucitura, cucitura); !errore.isEmpty())
        return QStringLiteral("gomito: ") + errore;
    letto.cucitura = CucituraGomito(cucitura);
    const QJsonValue sfalsata = oggetto.value(k_Sfalsata);
    if (!sfalsata.isBool())
        return QStringLiteral("gomito: \"sfalsata\" manca o non è vero/falso");
    letto.sfalsata = sfalsata.toBool();
    if (PezziDelGomito(letto.figure).empty())
        return QStringLiteral("\"gomito\" non descrive un gomito a spicchi");
    gomito = letto;
    return {};
}

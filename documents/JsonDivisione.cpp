// The split's keys: counts, gap, trim, kerf, margin and the plate as "3000x1500".
#include "documents/JsonDivisione.h"

#include "documents/CampiJson.h"

#include <QLocale>

#include <array>
#include <tuple>

namespace {
const QString k_Parti = QStringLiteral("parti");
const QString k_Corsi = QStringLiteral("corsi");
const QString k_Lamiera = QStringLiteral("lamiera");

// The largest plate side a job keeps, mm: the same bound the stock list has.
constexpr double k_LatoMassimo = 100000;

const std::array<std::tuple<QString, double DivisioneCommessa::*, double>, 4> k_misure = {{
    {QStringLiteral("luce"), &DivisioneCommessa::luce, k_LuceMassima},
    {QStringLiteral("sfrido"), &DivisioneCommessa::sfrido, k_SfridoMassimo},
    {QStringLiteral("kerf"), &DivisioneCommessa::kerf, k_KerfMassimo},
    {QStringLiteral("margine"), &DivisioneCommessa::margine, k_MargineMassimo},
}};

QString testo(double v) { return QLocale::c().toString(v, 'g', 15); }

// "3000x1500": both sides positive and within the bound.
bool leggiLamiera(const QString &misura, double &larghezza, double &altezza)
{
    const QStringList lati = misura.split(QLatin1Char('x'));
    if (lati.size() != 2)
        return false;
    bool a = false, b = false;
    const double w = QLocale::c().toDouble(lati[0], &a), h = QLocale::c().toDouble(lati[1], &b);
    if (!a || !b || !(w > 0 && w <= k_LatoMassimo) || !(h > 0 && h <= k_LatoMassimo))
        return false;
    larghezza = w;
    altezza = h;
    return true;
}
} // namespace

QJsonObject DivisioneInJson(const DivisioneCommessa &divisione)
{
    QJsonObject oggetto{{k_Parti, divisione.parti}, {k_Corsi, divisione.corsi}};
    for (const auto &[chiave, campo, massimo] : k_misure)
        oggetto.insert(chiave, divisione.*campo);
    oggetto.insert(k_Lamiera, testo(divisione.larghezza) + QLatin1Char('x') + testo(divisione.altezza));
    return oggetto;
}

QString DivisioneDaJson(const QJsonValue &valore, DivisioneCommessa &divisione)
{
    if (!valore.isObject())
        return QStringLiteral("\"divisione\" non è un oggetto");
    const QJsonObject oggetto = valore.toObject();
    DivisioneCommessa letta;
    if (QString errore = LeggiIntero(oggetto, k_Parti, 1, k_MassimoParti, letta.parti); !errore.isEmpty())
        return QStringLiteral("divisione: ") + errore;
    if (QString errore = LeggiIntero(oggetto, k_Corsi, 1, k_MassimoCorsi, letta.corsi); !errore.isEmpty())
        return QStringLiteral("divisione: ") + errore;
    for (const auto &[chiave, campo, massimo] : k_misure) {
        if (QString errore = LeggiNumero(oggetto, chiave, letta.*campo); !errore.isEmpty())
            return QStringLiteral("divisione: ") + errore;
        if (letta.*campo < 0 || letta.*campo > massimo)
            return QStringLiteral("divisione: \"%1\" deve essere da 0 a %2 mm").arg(chiave).arg(massimo);
    }
    if (!leggiLamiera(oggetto.value(k_Lamiera).toString(), letta.larghezza, letta.altezza))
        return QStringLiteral("divisione: \"lamiera\" deve essere una misura come \"3000x1500\"");
    divisione = letta;
    return {};
}

// Typed texts to and from JSON strings, checked against the width of their fields.
#include "documents/CampiJson.h"

#include <QJsonValue>

#include <cmath>

namespace {
QString virgolette(const QString &testo) { return QLatin1Char('"') + testo + QLatin1Char('"'); }

QString leggiStringa(const QJsonObject &oggetto, const QString &chiave, QString &testo)
{
    const QJsonValue valore = oggetto.value(chiave);
    if (valore.isUndefined())
        return QStringLiteral("manca ") + virgolette(chiave);
    if (!valore.isString())
        return virgolette(chiave) + QStringLiteral(" non è un testo");
    testo = valore.toString();
    return {};
}

QString senzaBlankFinali(const QString &testo)
{
    qsizetype fine = testo.size();
    while (fine > 0 && testo.at(fine - 1) == QLatin1Char(' '))
        --fine;
    return testo.left(fine);
}
} // namespace

QString TestoDigitato(const TestoFisso &campo) { return senzaBlankFinali(campo); }

QString LeggiTesto(const QJsonObject &oggetto, const QString &chiave, TestoFisso &campo)
{
    QString testo;
    if (QString errore = leggiStringa(oggetto, chiave, testo); !errore.isEmpty())
        return errore;
    testo = senzaBlankFinali(testo);
    if (testo.size() > campo.larghezza())
        return virgolette(chiave) + QStringLiteral(" ha %1 caratteri, più dei %2 che il campo può contenere")
                                        .arg(testo.size())
                                        .arg(campo.larghezza());
    campo = testo;
    return {};
}

QString LeggiNumero(const QJsonObject &oggetto, const QString &chiave, double &numero)
{
    const QJsonValue valore = oggetto.value(chiave);
    if (valore.isUndefined())
        return QStringLiteral("manca ") + virgolette(chiave);
    if (!valore.isDouble() || !std::isfinite(valore.toDouble()))
        return virgolette(chiave) + QStringLiteral(" non è un numero");
    numero = valore.toDouble();
    return {};
}

QString LeggiScelta(const QJsonObject &oggetto, const QString &chiave, const QStringList &ammessi, int &scelta)
{
    QString testo;
    if (QString errore = leggiStringa(oggetto, chiave, testo); !errore.isEmpty())
        return errore;
    const qsizetype posizione = ammessi.indexOf(testo);
    if (posizione < 0)
        return virgolette(chiave) + QStringLiteral(" vale ") + virgolette(testo.left(40)) +
               QStringLiteral(" invece di ") + ammessi.join(QStringLiteral(", "));
    scelta = int(posizione);
    return {};
}

namespace {
const QString k_Materiale = QStringLiteral("materiale");
const QString k_Densita = QStringLiteral("densita");
} // namespace

void ScriviMateriale(const Materiale &materiale, QJsonObject &lamiera)
{
    const Materiale predefinito;
    if (materiale.nome != predefinito.nome || materiale.densita != predefinito.densita) {
        lamiera.insert(k_Materiale, materiale.nome);
        lamiera.insert(k_Densita, materiale.densita);
    }
}

QString LeggiMateriale(const QJsonObject &lamiera, Materiale &materiale)
{
    // Older files name no material: the default one stays.
    if (!lamiera.contains(k_Materiale))
        return {};
    const QJsonValue nome = lamiera.value(k_Materiale);
    if (!nome.isString() || nome.toString().trimmed().isEmpty())
        return QStringLiteral("\"materiale\" non è un nome");
    double densita = 0;
    if (QString errore = LeggiNumero(lamiera, k_Densita, densita); !errore.isEmpty())
        return errore;
    if (!(densita > 0 && densita < 100))
        return QStringLiteral("\"densita\" deve essere tra 0 e 100 kg/dm³, esclusi");
    materiale = {nome.toString(), densita};
    return {};
}

QString LeggiIntero(const QJsonObject &oggetto, const QString &chiave, int minimo, int massimo, int &numero)
{
    double letto = 0;
    if (QString errore = LeggiNumero(oggetto, chiave, letto); !errore.isEmpty())
        return errore;
    if (letto != std::floor(letto) || letto < minimo || letto > massimo)
        return QStringLiteral("\"%1\" deve essere un numero intero da %2 a %3").arg(chiave).arg(minimo).arg(massimo);
    numero = int(letto);
    return {};
}

// Plate sizes as typed, read strictly: a slip of the keyboard must not become a plate.
#include "plates/Lamiera.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace {
std::optional<double> lato(const QString &testo)
{
    bool numero = false;
    const double valore = QLocale::c().toDouble(testo, &numero);
    if (!numero || !(valore > 0) || valore > k_LatoMassimoLamiera)
        return std::nullopt;
    return valore;
}

QString numero(double valore) { return QLocale::c().toString(valore, 'g', 10); }
} // namespace

std::optional<Lamiera> LeggiMisuraLamiera(const QString &testo, QString *motivo)
{
    static const QRegularExpression forma(QStringLiteral("^\\s*([0-9.]+)\\s*[xX]\\s*([0-9.]+)\\s*$"));
    const QRegularExpressionMatch trovato = forma.match(testo);
    const auto a = trovato.hasMatch() ? lato(trovato.captured(1)) : std::nullopt;
    const auto b = trovato.hasMatch() ? lato(trovato.captured(2)) : std::nullopt;
    if (!a || !b) {
        if (motivo)
            *motivo = QStringLiteral("Misura di lamiera non valida: \"%1\" (si scrive larghezza x altezza in mm, "
                                     "per esempio 3000x1500, ogni lato maggiore di 0 e fino a %2 mm)")
                          .arg(testo, numero(k_LatoMassimoLamiera));
        return std::nullopt;
    }
    Lamiera lamiera;
    lamiera.larghezza = std::max(*a, *b);
    lamiera.altezza = std::min(*a, *b);
    return lamiera;
}

std::optional<std::vector<Lamiera>> LeggiElencoLamiere(const QString &testo, QString *motivo)
{
    std::vector<Lamiera> elenco;
    for (const QString &misura : testo.split(QLatin1Char(','))) {
        const auto lamiera = LeggiMisuraLamiera(misura, motivo);
        if (!lamiera)
            return std::nullopt;
        elenco.push_back(*lamiera);
    }
    return elenco;
}

std::optional<double> LeggiSpessoreLamiera(const QString &testo)
{
    if (testo.trimmed().isEmpty())
        return 0.0;
    bool numero = false;
    const double valore = QLocale::c().toDouble(testo.trimmed(), &numero);
    if (!numero || valore < 0 || valore > 500)
        return std::nullopt;
    return valore;
}

QString TestoMisura(const Lamiera &lamiera)
{
    return numero(lamiera.larghezza) + QStringLiteral(" x ") + numero(lamiera.altezza);
}

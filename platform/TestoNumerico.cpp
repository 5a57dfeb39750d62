// "Value of" and "is numeric" over typed and stored texts.
#include "platform/TestoNumerico.h"

#include <QByteArray>
#include <QLocale>

#include <cmath>

namespace {
bool eBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool eCifra(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
} // namespace

double ValoreDi(const QString &testo) noexcept
{
    // Gather the number's characters, then let the C locale convert them: correctly rounded.
    QByteArray numero;
    bool puntoVisto = false;
    for (QChar c : testo) {
        if (eBlank(c))
            continue;
        if (numero.isEmpty() && (c == QLatin1Char('+') || c == QLatin1Char('-'))) {
            numero.append(char(c.unicode()));
            continue;
        }
        if (eCifra(c) || (c == QLatin1Char('.') && !puntoVisto)) {
            puntoVisto = puntoVisto || c == QLatin1Char('.');
            numero.append(char(c.unicode()));
            continue;
        }
        break;
    }
    bool ok = false;
    const double valore = QLocale::c().toDouble(QString::fromLatin1(numero), &ok);
    if (!ok || !std::isfinite(valore))
        return 0.0; // no leading number, or hundreds of digits that no workshop means
    return valore;
}

bool ENumerico(const QString &testo) noexcept
{
    qsizetype i = 0;
    const qsizetype n = testo.size();
    while (i < n && eBlank(testo.at(i)))
        ++i;
    if (i < n && (testo.at(i) == QLatin1Char('+') || testo.at(i) == QLatin1Char('-')))
        ++i;
    int cifre = 0;
    bool separatore = false;
    for (; i < n; ++i) {
        const QChar c = testo.at(i);
        if (eCifra(c)) {
            ++cifre;
        } else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !separatore) {
            separatore = true;
        } else {
            break;
        }
    }
    while (i < n && eBlank(testo.at(i)))
        ++i;
    return cifre > 0 && i == n;
}

double ValoreNumerico(const QString &testo) noexcept
{
    if (!ENumerico(testo))
        return ValoreDi(testo);
    QString conPunto = testo;
    return ValoreDi(conPunto.replace(QLatin1Char(','), QLatin1Char('.')));
}

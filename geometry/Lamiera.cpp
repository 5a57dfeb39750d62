// The plate's thickness read from its text, the convention's letters and the outputs' note.
#include "geometry/Lamiera.h"

#include "platform/TestoNumerico.h"

double ValoreSpessore(const FigureSviluppo &f)
{
    QString testo = f.TestoSpessore;
    if (!ENumerico(testo))
        return 0;
    return ValoreDi(testo.replace(QLatin1Char(','), QLatin1Char('.')));
}

bool ConSpessore(const FigureSviluppo &f) { return ValoreSpessore(f) > 0; }

bool SpessoreScritto(const FigureSviluppo &f)
{
    const QString &testo = f.TestoSpessore;
    return !TrimBlank(testo).isEmpty() && !(ENumerico(testo) && ValoreSpessore(f) == 0);
}

double ScostamentoFibraMedia(const FigureSviluppo &f)
{
    const double meta = ValoreSpessore(f) / 2;
    switch (f.Quote) {
    case QuoteLamiera::Esterne:
        return meta;
    case QuoteLamiera::Interne:
        return -meta;
    case QuoteLamiera::Medie:
        break;
    }
    return 0;
}

char LetteraQuote(QuoteLamiera quote) noexcept
{
    switch (quote) {
    case QuoteLamiera::Interne:
        return 'I';
    case QuoteLamiera::Medie:
        return 'M';
    case QuoteLamiera::Esterne:
        break;
    }
    return 'E';
}

std::optional<QuoteLamiera> QuoteDaLettera(char lettera) noexcept
{
    for (QuoteLamiera quote : {QuoteLamiera::Interne, QuoteLamiera::Esterne, QuoteLamiera::Medie})
        if (LetteraQuote(quote) == lettera)
            return quote;
    return std::nullopt;
}

QString NotaSpessore(const FigureSviluppo &f, const QLocale &locale)
{
    if (!ConSpessore(f))
        return {};
    QString numero = locale.toString(ValoreSpessore(f), 'f', 2);
    const QString decimale = locale.decimalPoint();
    if (numero.endsWith(decimale + QStringLiteral("00")))
        numero.chop(2 + decimale.size());
    else if (numero.endsWith(QLatin1Char('0')))
        numero.chop(1);
    const char *quote = f.Quote == QuoteLamiera::Interne ? "interne"
                        : f.Quote == QuoteLamiera::Medie ? "medie"
                                                         : "esterne";
    return QStringLiteral("Spessore ") + numero + QStringLiteral(" mm, quote ") + QLatin1String(quote) +
           QStringLiteral(": sviluppo sulla fibra media");
}

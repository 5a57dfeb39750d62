// The ordinate table: the development's 62 points per edge in mm, generator lengths and sums.
#include "development/EsportaCsv.h"

#include "geometry/BordiSviluppo.h"
#include "geometry/Lamiera.h"

#include <QStringList>

#include <cmath>

namespace {
QByteArray riga(const QStringList &celle) { return celle.join(QLatin1Char(',')).toLatin1() + "\r\n"; }
} // namespace

QByteArray TestoCsv(const StatoSviluppo &s, const GeneratoriFacce *facce)
{
    QStringList intestazione{QStringLiteral("k"),   QStringLiteral("XAB"), QStringLiteral("YAB"),
                             QStringLiteral("XCD"), QStringLiteral("YCD"), QStringLiteral("Generatore")};
    if (facce)
        intestazione << QStringLiteral("GeneratoreInterno") << QStringLiteral("GeneratoreEsterno");
    QByteArray testo = riga(intestazione);
    for (int k = 1; k <= k_PuntiBordo; ++k) {
        const double generatore = std::hypot(s.XCD[k] - s.XAB[k], s.YCD[k] - s.YAB[k]);
        QStringList celle{QString::number(k),        NumeroEsportato(s.XAB[k]), NumeroEsportato(s.YAB[k]),
                          NumeroEsportato(s.XCD[k]), NumeroEsportato(s.YCD[k]), NumeroEsportato(generatore)};
        if (facce)
            celle << NumeroEsportato(facce->interna[std::size_t(k)]) << NumeroEsportato(facce->esterna[std::size_t(k)]);
        testo += riga(celle);
    }
    testo += riga({QStringLiteral("SommaAB"), NumeroEsportato(s.SommaAB)});
    testo += riga({QStringLiteral("SommaCD"), NumeroEsportato(s.SommaCD)});
    // Quoted: the note holds a comma.
    if (const QString nota = NotaSpessore(s, QLocale::c()); !nota.isEmpty())
        testo += riga({QStringLiteral("Spessore"), QLatin1Char('"') + nota + QLatin1Char('"')});
    return testo;
}

std::optional<QByteArray> CsvDelleFigure(const FigureSviluppo &figure)
{
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    if (!SviluppaFigure(figure, k_GeneratoriPerMeta, sviluppato, profilo))
        return std::nullopt;
    const auto facce = GeneratoriDelleFacce(figure);
    return TestoCsv(sviluppato, facce ? &*facce : nullptr);
}

EsitoEsportazione EsportaCsv(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo)
{
    const auto testo = CsvDelleFigure(figure);
    return testo ? ScriviEsportazione(percorso, *testo, origine, motivo) : EsitoEsportazione::DatiRifiutati;
}

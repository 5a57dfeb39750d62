// The ordinate table: the development's 62 points per edge in mm, generator lengths and sums.
#include "development/EsportaCsv.h"

#include "development/TabellaOrdinate.h"
#include "geometry/BordiSviluppo.h"

#include <QStringList>


namespace {
QByteArray riga(const QStringList &celle) { return celle.join(QLatin1Char(',')).toLatin1() + "\r\n"; }
} // namespace

QByteArray TestoCsv(const StatoSviluppo &s)
{
    QByteArray testo = riga(IntestazioneOrdinate());
    for (const RigaOrdinate &r : RigheOrdinate(s))
        testo += riga({QString::number(r.k), NumeroEsportato(r.XAB), NumeroEsportato(r.YAB), NumeroEsportato(r.XCD),
                       NumeroEsportato(r.YCD), NumeroEsportato(r.generatore)});
    testo += riga({QStringLiteral("SommaAB"), NumeroEsportato(s.SommaAB)});
    testo += riga({QStringLiteral("SommaCD"), NumeroEsportato(s.SommaCD)});
    return testo;
}

std::optional<QByteArray> CsvDelleFigure(const FigureSviluppo &figure)
{
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    if (!SviluppaFigure(figure, k_GeneratoriPerMeta, sviluppato, profilo))
        return std::nullopt;
    return TestoCsv(sviluppato);
}

EsitoEsportazione EsportaCsv(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo)
{
    const auto testo = CsvDelleFigure(figure);
    return testo ? ScriviEsportazione(percorso, *testo, origine, motivo) : EsitoEsportazione::DatiRifiutati;
}

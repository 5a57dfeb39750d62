// The ordinate table: the development's 62 points per edge in mm, generator lengths and sums.
#include "development/EsportaCsv.h"

#include "development/TabellaOrdinate.h"
#include "geometry/BordiSviluppo.h"
#include "geometry/Lamiera.h"

#include <QStringList>


namespace {
QByteArray riga(const QStringList &celle) { return celle.join(QLatin1Char(',')).toLatin1() + "\r\n"; }
} // namespace

QByteArray TestoCsv(const StatoSviluppo &s, const GeneratoriFacce *facce)
{
    QByteArray testo = riga(IntestazioneOrdinate(facce != nullptr));
    for (const RigaOrdinate &r : RigheOrdinate(s, facce)) {
        QStringList celle{QString::number(r.k)};
        for (double valore : r.Valori(facce != nullptr))
            celle << NumeroEsportato(valore);
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
    bool cono = false;
    std::optional<GeneratoriFacce> facce;
    if (!SviluppaOrdinate(figure, sviluppato, cono, facce))
        return std::nullopt;
    return TestoCsv(sviluppato, facce ? &*facce : nullptr);
}

EsitoEsportazione EsportaCsv(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo)
{
    const auto testo = CsvDelleFigure(figure);
    return testo ? ScriviEsportazione(percorso, *testo, origine, motivo) : EsitoEsportazione::DatiRifiutati;
}

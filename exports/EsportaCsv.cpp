// The ordinate table: the piece's 62 points per edge in mm, generator lengths and sums.
#include "exports/EsportaCsv.h"

#include "exports/TabellaOrdinate.h"
#include "geometry/Lamiera.h"
#include "pieces/PezzoDelTronco.h"

#include <QStringList>

namespace {
QByteArray riga(const QStringList &celle) { return celle.join(QLatin1Char(',')).toLatin1() + "\r\n"; }
} // namespace

QByteArray TestoCsv(const Pezzo &pezzo)
{
    QByteArray testo = riga(IntestazioneOrdinate(pezzo.facce, pezzo.colonne));
    for (const RigaOrdinate &r : pezzo.righe) {
        QStringList celle{QString::number(r.k)};
        for (double valore : r.Valori(pezzo.facce, pezzo.colonne))
            celle << NumeroEsportato(valore);
        testo += riga(celle);
    }
    testo += riga({QStringLiteral("SommaAB"), NumeroEsportato(pezzo.valori.SommaAB)});
    testo += riga({QStringLiteral("SommaCD"), NumeroEsportato(pezzo.valori.SommaCD)});
    // Quoted: the note holds a comma.
    if (const QString nota = NotaSpessore(pezzo.valori.figure, QLocale::c()); !nota.isEmpty())
        testo += riga({QStringLiteral("Spessore"), QLatin1Char('"') + nota + QLatin1Char('"')});
    return testo;
}

std::optional<QByteArray> CsvDelleFigure(const FigureSviluppo &figure)
{
    const auto pezzo = PezzoDelTronco(figure);
    return pezzo ? std::optional(TestoCsv(*pezzo)) : std::nullopt;
}

EsitoEsportazione EsportaCsv(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo)
{
    return ScriviEsportazione(percorso, CsvDelleFigure(figure), origine, motivo);
}

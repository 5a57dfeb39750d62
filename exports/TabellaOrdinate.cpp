// One source of the ordinate table, for the CSV, the table window and its printout.
#include "exports/TabellaOrdinate.h"

#include "geometry/Lamiera.h"
#include "pieces/DatiOfficina.h"
#include "pieces/PezzoDelTronco.h"
#include "platform/TestoFisso.h"

QStringList IntestazioneOrdinate(bool facce, ColonneOrdinate colonne)
{
    if (colonne != ColonneOrdinate::Punti)
        return {QStringLiteral("k"), QStringLiteral("Angolo base (°)"), QStringLiteral("Generatrice vera (mm)"),
                colonne == ColonneOrdinate::GeneratoriCono ? QStringLiteral("Angolo sviluppato (°)")
                                                           : QStringLiteral("Sviluppo sulla sezione (mm)")};
    QStringList titoli{QStringLiteral("k"),        QStringLiteral("XAB (mm)"), QStringLiteral("YAB (mm)"),
                       QStringLiteral("XCD (mm)"), QStringLiteral("YCD (mm)"), QStringLiteral("Generatore (mm)")};
    if (facce)
        titoli << QStringLiteral("GeneratoreInterno (mm)") << QStringLiteral("GeneratoreEsterno (mm)");
    return titoli;
}

int DecimaliColonna(const QString &titolo) { return titolo.endsWith(QStringLiteral("(°)")) ? 3 : 2; }

TabellaOrdinate TabellaDelPezzo(const Pezzo &pezzo)
{
    const ValoriLegenda &v = pezzo.valori;
    // The legend's two lines of typed figures, after the shape.
    const QStringList legenda = RigheLegenda(v);
    TabellaOrdinate t;
    t.nome = TrimBlank(v.figure.Nome);
    const QString figure = legenda[1] + QStringLiteral("; ") + legenda[2];
    if (v.obliquo)
        t.figure = QStringLiteral("Riduzione eccentrica - ") + t.nome + QStringLiteral(": ") + figure;
    else
        t.figure = (v.cono ? QStringLiteral("Cono - ") : QStringLiteral("Cilindro - ")) + figure;
    t.nota = NotaSpessore(v.figure);
    t.facce = pezzo.facce;
    t.colonne = pezzo.colonne;
    t.righe = pezzo.righe;
    t.SommaAB = v.SommaAB;
    t.SommaCD = v.SommaCD;
    t.dati = BloccoDatiOfficina(DatiOfficinaDelPezzo(pezzo));
    return t;
}

std::optional<TabellaOrdinate> TabellaDelleFigure(const FigureSviluppo &figure)
{
    const auto pezzo = PezzoDelTronco(figure);
    return pezzo ? std::optional(TabellaDelPezzo(*pezzo)) : std::nullopt;
}

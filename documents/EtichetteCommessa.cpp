// The labels of a development window written from its job, and a piece read back from them.
#include "documents/EtichetteCommessa.h"


EtichetteSviluppo EtichetteIniziali()
{
    return {QStringLiteral("Default"), QStringLiteral("60."),
            QStringLiteral("120."),    QStringLiteral("60."),
            QStringLiteral("60."),     QStringLiteral("60."),
            QStringLiteral("T"),       QStringLiteral("ConoCilindro"),
            QStringLiteral("Stampa"),  QString(),
            QStringLiteral("E")};
}

EtichetteSviluppo EtichetteDellaCommessa(const Commessa &commessa)
{
    if (commessa.pezzi.empty())
        return EtichetteIniziali();
    return EtichetteDelPezzo(commessa.pezzi.front());
}

EtichetteSviluppo EtichetteDelPezzo(const SorgentePezzo &pezzo)
{
    EtichetteSviluppo etichette;
    ScriviFigureNelleEtichette(pezzo.tronco, etichette);
    etichette.lblConoCilindro = pezzo.disegno.conoCilindro;
    etichette.lblStampa = pezzo.disegno.routineStampa;
    return etichette;
}

SorgentePezzo PezzoDelleEtichette(const EtichetteSviluppo &etichette)
{
    SorgentePezzo pezzo;
    pezzo.tronco = FigureDelleEtichette(etichette);
    pezzo.disegno.routineStampa = etichette.lblStampa;
    pezzo.disegno.conoCilindro = etichette.lblConoCilindro;
    return pezzo;
}

void CompletaDisegno(SorgentePezzo &pezzo)
{
    EtichetteSviluppo etichette = EtichetteDelPezzo(pezzo);
    RecordSviluppo record;
    RiempiRecordDaEtichette(record, etichette);
    pezzo.disegno.conoCilindro = etichette.lblConoCilindro;
}

void CaricaPezzoNelloStato(const SorgentePezzo &pezzo, StatoSviluppo &stato)
{
    RecordSviluppo record;
    static_cast<FigureSviluppo &>(record) = pezzo.tronco;
    record.RoutineStampa = pezzo.disegno.routineStampa;
    CaricaNelloStato(record, stato);
}

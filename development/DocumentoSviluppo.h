// What a development window's ten hidden labels show of its job, as plain data for the printouts.
#pragma once

#include "development/RecordSviluppo.h"
#include "documents/Salvataggio.h"

#include <QString>

// The caption of lblSalvato: "", "da salvare", "salvato".
QString DidascaliaSalvataggio(Salvataggio stato);
// Back from a caption; any other text reads as no development.
Salvataggio SalvataggioDi(const QString &didascalia);

struct DocumentoSviluppo {
    // The figures, routine and shape as their labels hold them; a new window's first captions.
    EtichetteSviluppo etichette{QStringLiteral("Default"), QStringLiteral("60."),
                                QStringLiteral("120."),    QStringLiteral("60."),
                                QStringLiteral("60."),     QStringLiteral("60."),
                                QStringLiteral("T"),       QStringLiteral("ConoCilindro"),
                                QStringLiteral("Stampa"),  QString(),
                                QStringLiteral("E")};
    Salvataggio salvataggio = Salvataggio::Nessuno;
};

// A development window's document: what its ten hidden labels show, kept as plain data.
#pragma once

#include "development/RecordSviluppo.h"

#include <QString>

// Whether the development has been saved since it was last computed; no development: Nessuno.
enum class Salvataggio { Nessuno, DaSalvare, Salvato };

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

// Whether a document holds work that a save would keep.
#pragma once

#include <QString>

// Nothing computed yet: Nessuno; changed since it was last saved or opened: DaSalvare.
enum class Salvataggio { Nessuno, DaSalvare, Salvato };

// The caption of a development window's lblSalvato: "", "da salvare", "salvato".
QString DidascaliaSalvataggio(Salvataggio stato);
// Back from a caption; any other text reads as no development.
Salvataggio SalvataggioDi(const QString &didascalia);

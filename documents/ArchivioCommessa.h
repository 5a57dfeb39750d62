// Opening and saving a job: a .tnt development or a .vorna job file, told apart by the extension.
#pragma once

#include "documents/Commessa.h"
#include "platform/FileSicuro.h"

#include <QString>

// `nome` ends in .tnt or .vorna, in any case.
bool EstensioneCommessa(const QString &nome);

// Reads a .tnt (its last record and the plate of its trailer) or a .vorna into `commessa`, with
// this path, saved. On failure `commessa` is left as it was. `avviso`, when given, receives the
// notice of what was found but not read (a trailer that does not belong to the record), naming
// the file as `mostrato` (the path when empty); nothing to tell leaves it empty.
EsitoFile ApriCommessa(const QString &percorso, Commessa &commessa, QString *avviso = nullptr,
                       const QString &mostrato = {});

// Writes a job of one piece of today's kind to a .tnt, byte for byte as the record and trailer
// always were (the file's other records kept), and any job to a .vorna; a job a .tnt cannot hold
// is refused there. The old file survives any failure.
EsitoFile SalvaCommessa(const QString &percorso, const Commessa &commessa);

// The message of an open that failed: "File inesistente: NOME" or "Impossibile leggere il file:
// NOME: motivo".
QString MessaggioApertura(const QString &nome, const EsitoFile &esito);

// What the calibration windows do with Taratura.dat: save, remove, list, first start. Each asks
// its questions and reports a file it cannot read or write, with the reason, through the
// platform's message boxes. A change takes the file's lock from its read to its write and is
// applied to what the file holds then, after the user's answer: another program's change made
// meanwhile is kept. No box is shown while the lock is held.
#pragma once

#include "calibration/FileTaratura.h"

#include <QStringList>

enum class EsitoTara {
    Eseguito,   // the file was changed
    Rinunciato, // the user declined, or there was nothing to do; nothing changed
    Rifiutato,  // the removal of the last calibration was refused
    Errore,     // the file could not be read or written; reported, nothing changed
};

struct EsitoSalvaTara {
    EsitoTara esito;
    int indice; // record number written (list index + 1) when esito is Eseguito, else 0
};

// Saves the manager's record over the calibration of the same name (after the overwrite
// question) or at the end of the file. When another program adds or removes that name before
// the lock is taken, the question is asked again on what the file holds then. Bytes of a file
// holding no whole record are first kept aside as Taratura.dat.danneggiato, with a message.
EsitoSalvaTara SalvaTara(const RecordTara &record, const QString &percorso = k_FileTaratura);

// Removes the calibration at list index `indiceSelezionato` (-1: none selected) after the
// confirmation; refuses when the list or the file holds one calibration only, and reports a file
// that holds none (deleted or cut short since the list was filled). The calibration removed is
// the one confirmed, found by its name in the file as it stands under the lock (its former
// position first); one already gone counts as removed. The new file goes through a temporary
// file of this removal's own, renamed over the old one in one atomic step; a leftover Lavoro.dat
// of an earlier version is deleted, never followed if it is a link.
EsitoTara RimuoviTara(int indiceSelezionato, int numeroVociLista, const QString &percorso = k_FileTaratura);

// The trimmed names of all records in file order, for both calibration lists; empty after a
// reported read failure.
QStringList NomiTarature(const QString &percorso = k_FileTaratura);

// Record n (from 1), or empty after a reported failure (unreadable file, no such record).
std::optional<RecordTara> CaricaTara(int n, const QString &percorso = k_FileTaratura);

// At first start: writes the two factory calibrations when the file holds no whole record.
// False after a reported failure.
bool CreaTaratureIniziali(const QString &percorso = k_FileTaratura);

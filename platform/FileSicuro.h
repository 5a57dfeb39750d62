// Whole-file reads and crash-safe writes: a new content replaces the old in one atomic rename.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// The file's bytes; empty optional when it cannot be opened or read (a missing file included).
std::optional<QByteArray> LeggiFile(const QString &percorso);

// Writes `contenuto` to a temporary file beside `percorso` and renames it over the old file,
// so a crash or a full disk leaves the old file intact. False on any failure.
bool ScriviFileSicuro(const QString &percorso, const QByteArray &contenuto);

// Renames `nuovo` over `percorso` in one atomic step (POSIX rename): afterwards either the old or
// the new file is there, never neither. False on failure, both files then as they were.
bool SostituisciFile(const QString &nuovo, const QString &percorso);

// Tests make a given step fail: "apri", "scrivi", "conferma", "rinomina". Empty function: no fault.
void ImpostaGuastoSimulato(std::function<bool(const char *passo)> guasto);

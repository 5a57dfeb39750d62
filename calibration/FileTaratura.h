// Taratura.dat as a list of whole 170-byte records: count, read, write, look up by name.
#pragma once

#include "calibration/RecordTara.h"
#include "platform/FileSicuro.h"

#include <QList>
#include <QString>

#include <optional>

inline const QString k_FileTaratura = QStringLiteral("Taratura.dat");
// The work file of the removal in earlier versions; a leftover one is only ever deleted.
inline const QString k_FileLavoro = QStringLiteral("Lavoro.dat");

// Record numbers and list positions are 16-bit: the file holds at most this many records.
constexpr int k_MassimoTarature = 32767;

// Every whole record of the file, in file order, read one by one. A missing file holds none.
// Bytes after the last whole record are ignored. Empty optional when the file exists but
// cannot be read, is no regular file or holds more than k_MassimoTarature records; `motivo`,
// when given, then receives the reason.
std::optional<QList<RecordTara>> LeggiTarature(const QString &percorso = k_FileTaratura, QString *motivo = nullptr);

// Replaces the whole file with these records in one atomic step; on failure the old file is
// intact. Any trailing bytes of a partial record are dropped. Callers changing the file hold
// its lock (BloccoFile) from their read to this write.
EsitoFile ScriviTarature(const QList<RecordTara> &record, const QString &percorso = k_FileTaratura);

std::optional<int> ContaTarature(const QString &percorso = k_FileTaratura);
// Record n (from 1); empty optional when the file cannot be read or has no record n.
std::optional<RecordTara> LeggiTara(int n, const QString &percorso = k_FileTaratura);
// Stores record n (from 1) under the file's lock; n = count + 1 appends. False when n is out of
// range or reading, locking or writing fails.
bool ScriviTara(int n, const RecordTara &record, const QString &percorso = k_FileTaratura);

// Number (from 1) of the first record whose name matches `nome` without regard to letter case or
// surrounding blanks; 0 when none does. The name is compared as it would be stored.
int CercaTara(const QList<RecordTara> &record, const QString &nome);

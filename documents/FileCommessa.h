// The .vorna job file: a job as indented UTF-8 JSON, its figures as typed.
#pragma once

#include "documents/Commessa.h"
#include "platform/FileSicuro.h"

#include <QByteArray>
#include <QString>

constexpr qint64 k_MassimoFileCommessa = 1 << 20; // bytes
constexpr int k_MassimoPezziCommessa = 1000;
// The layout this program writes; it reads this one and older ones.
constexpr int k_VersioneCommessa = 1;

QByteArray CommessaInJson(const Commessa &commessa);
// What is wrong with `json`, in Italian, or nothing. Only a whole job read without fault changes
// the name and pieces of `commessa`; its path and saved state are the caller's.
QString CommessaDaJson(const QByteArray &json, Commessa &commessa);

// On success the job read, with this path, saved; on failure `commessa` is left as it was.
EsitoFile LeggiCommessa(const QString &percorso, Commessa &commessa);
// Refuses a job that LeggiCommessa would refuse back; the old file survives any failure.
EsitoFile ScriviCommessa(const QString &percorso, const Commessa &commessa);

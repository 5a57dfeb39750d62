// The split the user chose for a job's blank, kept in its file beside the pieces.
#pragma once

#include "documents/Commessa.h"

#include <QJsonObject>
#include <QString>

QJsonObject DivisioneInJson(const DivisioneCommessa &divisione);
// What is wrong with the split, in Italian, or nothing; on failure `divisione` is left as it was.
QString DivisioneDaJson(const QJsonValue &valore, DivisioneCommessa &divisione);

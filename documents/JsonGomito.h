// An elbow's own figures in a job file, beside its pieces.
#pragma once

#include "documents/Commessa.h"

#include <QJsonObject>
#include <QString>

QJsonObject GomitoInJson(const GomitoCommessa &gomito);
// What is wrong with the elbow, in Italian, or nothing; on failure `gomito` is left as it was.
QString GomitoDaJson(const QJsonValue &valore, GomitoCommessa &gomito);

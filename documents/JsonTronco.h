// A right cone or cylinder cut by two planes in a job file: its side projection and its plate.
#pragma once

#include "geometry/FigureSviluppo.h"

#include <QJsonObject>
#include <QString>

// The piece's keys but its "solido": the figures as typed, "lamiera" only with a thickness.
QJsonObject TroncoInJson(const FigureSviluppo &figure);
// What is wrong with the piece, in Italian, or nothing; on failure `figure` is left as it was.
QString TroncoDaJson(const QJsonObject &pezzo, FigureSviluppo &figure);

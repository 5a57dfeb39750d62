// An eccentric reducer in a job file: its figures as JSON numbers, which keep every bit of a double.
#pragma once

#include "documents/Commessa.h"

#include <QJsonObject>
#include <QString>

// The piece's keys but its "solido".
QJsonObject EccentricoInJson(const FigureEccentrico &figure);
// What is wrong with the piece, in Italian, or nothing; on failure `figure` is left as it was.
// Figures the worksheet would refuse are refused here in its words.
QString EccentricoDaJson(const QJsonObject &pezzo, FigureEccentrico &figure);

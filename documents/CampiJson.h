// The typed texts of a job file: JSON strings holding what a fixed-width field holds, unpadded.
#pragma once

#include "geometry/Materiale.h"
#include "platform/TestoFisso.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What was typed into a field: its text without the blanks that pad it on the right.
QString TestoDigitato(const TestoFisso &campo);

// The following read `chiave` of `oggetto` and return what is wrong with it, in Italian, or
// nothing; on failure the destination is left as it was.

// A text that fits the field: padding blanks aside, a longer one is refused, never cut.
QString LeggiTesto(const QJsonObject &oggetto, const QString &chiave, TestoFisso &campo);
// A finite JSON number.
QString LeggiNumero(const QJsonObject &oggetto, const QString &chiave, double &numero);
// A whole number from `minimo` to `massimo` under `chiave`; what is wrong with it, in Italian, or nothing.
QString LeggiIntero(const QJsonObject &oggetto, const QString &chiave, int minimo, int massimo, int &numero);
// One of the texts `ammessi`: its position in the list.
QString LeggiScelta(const QJsonObject &oggetto, const QString &chiave, const QStringList &ammessi, int &scelta);

// The plate's "materiale" and "densita", written only when not the default one; a file without
// them keeps the default.
void ScriviMateriale(const Materiale &materiale, QJsonObject &lamiera);
QString LeggiMateriale(const QJsonObject &lamiera, Materiale &materiale);

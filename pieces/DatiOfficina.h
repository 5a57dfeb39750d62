// "Dati di officina": what the shop reads off a blank, built once for every output.
#pragma once

#include "pieces/LegendaPezzo.h"
#include "pieces/Pezzo.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vector>

struct NumeroDati {
    QString nome; // its name in JSON when the row holds more than one number
    double valore = 0;
    int decimali = 2;
};

// One row: the key with its unit, and the value written by `modello` ("%1", "ellittica %1 x %2",
// or a text without numbers).
struct RigaDati {
    QString chiave;
    QString modello;
    std::vector<NumeroDati> numeri;
};

struct DatiOfficina {
    std::vector<RigaDati> righe;
    std::vector<RigaDati> pieghe; // one row per bend line, when the job has bends
};

// The data of a developed piece, for any job however typed; empty when its figures are no
// truncated solid.
DatiOfficina DatiOfficinaDelPezzo(const Pezzo &pezzo);

// "chiave: valore" lines, numbers written as `formato` says (the page's locale or point decimals).
QStringList RigheDati(const std::vector<RigaDati> &righe, const FormatoLegenda &formato = {});
// The block beside a legend: its title, the rows, then the bends.
QStringList BloccoDatiOfficina(const DatiOfficina &dati, const FormatoLegenda &formato = {});

// One key per row: a lone number as a number, a text as a string, else an object with the text
// and each number by its name; the bends as an array under "Tabella delle pieghe".
QJsonObject JsonDati(const DatiOfficina &dati);

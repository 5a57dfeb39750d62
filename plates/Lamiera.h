// A stock plate: its size, and optionally its thickness and material.
#pragma once

#include <QString>

#include <optional>
#include <vector>

struct Lamiera {
    double larghezza = 0, altezza = 0; // mm, larghezza >= altezza once read
    double spessore = 0;               // mm; 0: any
    QString materiale;                 // empty: any
};

// The largest side a plate may have (mm): beyond it a size is a typing error.
constexpr double k_LatoMassimoLamiera = 100000;

// "3000x1500" (also "3000 X 1500", a decimal point allowed) as a plate, the longer side first;
// on a refusal `motivo` says why, in Italian, naming the text.
std::optional<Lamiera> LeggiMisuraLamiera(const QString &testo, QString *motivo = nullptr);

// "3000x1500,6000x2000": every size of the list, or none with the reason of the first refused.
std::optional<std::vector<Lamiera>> LeggiElencoLamiere(const QString &testo, QString *motivo = nullptr);

// A plate's thickness in mm from 0 to 500; blank is 0 (any thickness).
std::optional<double> LeggiSpessoreLamiera(const QString &testo);

// "3000 x 1500" as the program writes a size.
QString TestoMisura(const Lamiera &lamiera);

// What a plate is made of, for its weight.
#pragma once

#include <QString>

#include <vector>

struct Materiale {
    QString nome = QStringLiteral("Acciaio");
    double densita = 7.85; // kg/dm³
};

// The materials a workshop rolls most, steel first; any other is typed by its density.
const std::vector<Materiale> &MaterialiComuni();

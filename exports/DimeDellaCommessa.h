// The wrap-around templates of an elbow's job: both sides of every joint, each named.
#pragma once

#include "documents/Commessa.h"
#include "fogli/FogliDeiPezzi.h"
#include "pieces/DimaAvvolgente.h"

#include <optional>
#include <vector>

struct DimaDellaCommessa {
    DimaAvvolgente dima;
    QString nome;  // "Pezzo 2 - taglio verso il pezzo 3"
    int pezzo = 0; // the piece it is cut on, from 0
};

// Each piece's cuts towards its neighbours, in the job's order, on the plate's outer surface; the
// free ends, square, need none. Empty for a job that is not an elbow or a cut that has none.
std::optional<std::vector<DimaDellaCommessa>> DimeDellaCommessa(const Commessa &commessa);

// The same as the tiling takes them, each titled "Dima 3 di 6".
std::optional<std::vector<PezzoDaStampare>> DimeDaStampare(const Commessa &commessa);

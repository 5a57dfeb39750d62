// A job's figures turned into their piece.
#include "exports/PezzoDellaCommessa.h"

#include "pieces/PezzoDelTronco.h"

std::optional<Pezzo> PezzoDellaCommessa(const Commessa &commessa)
{
    if (commessa.pezzi.empty())
        return std::nullopt;
    return PezzoDelTronco(commessa.pezzi.front().tronco);
}

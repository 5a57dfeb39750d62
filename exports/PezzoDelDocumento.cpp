// The window's figures turned into their piece.
#include "exports/PezzoDelDocumento.h"

#include "pieces/PezzoDelTronco.h"

std::optional<Pezzo> PezzoDelDocumento(const DocumentoSviluppo &documento)
{
    return PezzoDelTronco(FigureDelleEtichette(documento.etichette));
}

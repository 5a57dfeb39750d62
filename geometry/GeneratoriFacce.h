// The generator lengths on the plate's two faces, where the blank's ends must be ground or will gape.
#pragma once

#include "geometry/FigureSviluppo.h"
#include "geometry/StatoSviluppo.h"

#include <optional>

// Point k (1 to 62) of each: the length, between the two cuts, of the generator that lies under
// the blank's generator k on the inner and on the outer face of the plate.
struct GeneratoriFacce {
    ArrayPunti interna{}, esterna{};
};

// For figures with a thickness that pass the validation: each face developed as a surface of
// its own through the same code. Without a thickness, or for refused figures, nothing.
std::optional<GeneratoriFacce> GeneratoriDelleFacce(const FigureSviluppo &figure);

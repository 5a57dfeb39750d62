// Where the generators of a development are placed: the state's 62-point arrays or a denser set.
#pragma once

#include "geometry/StatoSviluppo.h"

// The fixed sampling of the arrays: 31 generators per half, 62 points per edge.
constexpr int k_GeneratoriPerMeta = k_PuntiBordo / 2;

// Four sequences with point k of an edge at [k], k from 1 to 2 x generatoriPerMeta.
struct BordiSviluppo {
    double *XAB, *YAB, *XCD, *YCD;
    int generatoriPerMeta;
};

inline BordiSviluppo BordiDelloStato(StatoSviluppo &s) noexcept
{
    return {s.XAB.data(), s.YAB.data(), s.XCD.data(), s.YCD.data(), k_GeneratoriPerMeta};
}

// Runs `generatore` for each Teta from PiGreco down to 0 in equal steps (PiGreco/30 for the
// arrays, by repeated subtraction), each followed by `posa` of generator i = 1, 2, ...
inline void PercorriGeneratori(StatoSviluppo &s, const BordiSviluppo &bordi,
                               void (*generatore)(StatoSviluppo &) noexcept,
                               void (*posa)(const StatoSviluppo &, int, const BordiSviluppo &) noexcept) noexcept
{
    const double passo = s.PiGreco / (bordi.generatoriPerMeta - 1);
    s.Teta = s.PiGreco;
    for (int i = 1; i <= bordi.generatoriPerMeta; ++i) {
        generatore(s);
        posa(s, i, bordi);
        s.Teta = s.Teta - passo;
    }
}

// "T" closes on AC; anything else, "F" or the content of a damaged file, on BD.
inline bool ChiudeSuAC(const StatoSviluppo &s) { return s.ChiudiAC.testo() == QLatin1String("T"); }

// An edge of a piece: an exact curve from its first corner to its last, sampled at any density.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <functional>
#include <vector>

class BordoPezzo {
public:
    // `punti` points of the edge (at least 2), its corners first and last; empty when the curve
    // cannot be computed that finely (already told).
    using Campionatore = std::function<std::vector<PuntoPiano>(int punti)>;

    BordoPezzo() = default;
    explicit BordoPezzo(Campionatore campionatore) : m_campionatore(std::move(campionatore)) {}

    std::vector<PuntoPiano> Campioni(int punti) const
    {
        return m_campionatore ? m_campionatore(punti) : std::vector<PuntoPiano>{};
    }

private:
    Campionatore m_campionatore;
};

// An edge given by its curve, t from 0 (first corner) to 1 (last corner), sampled at equal steps of t.
BordoPezzo BordoParametrico(std::function<PuntoPiano(double)> curva);

// An edge known only by its points: the same polyline at every density.
BordoPezzo BordoSpezzato(std::vector<PuntoPiano> punti);

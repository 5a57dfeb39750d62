// The two ways an edge is given: a parametric curve or a fixed polyline.
#include "pieces/BordoPezzo.h"

#include <algorithm>

BordoPezzo BordoParametrico(std::function<PuntoPiano(double)> curva)
{
    return BordoPezzo([curva = std::move(curva)](int punti) {
        const int n = std::max(punti, 2);
        std::vector<PuntoPiano> campioni;
        campioni.reserve(std::size_t(n));
        for (int i = 0; i < n; ++i)
            campioni.push_back(curva(i == n - 1 ? 1.0 : double(i) / (n - 1)));
        return campioni;
    });
}

BordoPezzo BordoSpezzato(std::vector<PuntoPiano> punti)
{
    return BordoPezzo([punti = std::move(punti)](int) { return punti; });
}

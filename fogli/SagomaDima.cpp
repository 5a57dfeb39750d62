// The template's outline, the direction of its reference and the texts that say how to wrap it.
#include "fogli/SagomaDima.h"

#include "fogli/DisegnoFoglio.h"

#include <cmath>

SagomaFogli SagomaDellaDima(const DimaAvvolgente &dima, const QString &nome)
{
    SagomaFogli sagoma;
    sagoma.contorno = dima.contorno;
    if (dima.riferimento.size() >= 2 && !dima.taglio.empty()) {
        const PuntoPiano a = dima.riferimento.front(), b = dima.riferimento.back();
        // A cone's reference arc closes on itself only for a flat disc: its chord is a direction.
        if (std::hypot(b.x - a.x, b.y - a.y) > 1e-9)
            sagoma.direzioni.push_back(std::atan2(b.y - a.y, b.x - a.x) * 180 / M_PI);
        else
            sagoma.direzioni.push_back(0);
        sagoma.angoli = {{dima.taglio.front(), QStringLiteral("dorso")},
                         {dima.taglio[dima.taglio.size() / 2], QStringLiteral("gola")},
                         {dima.taglio.back(), QStringLiteral("dorso")}};
    }
    sagoma.legenda = {nome,
                      QStringLiteral("Dima da avvolgere: diametro esterno %1 mm, fascia lunga %2 mm")
                          .arg(TestoMm(dima.diametroEsterno), TestoMm(dima.lunghezza)),
                      QStringLiteral("Bordo diritto in squadra all'asse, %1 mm oltre il taglio; estremità sul dorso")
                          .arg(TestoMm(k_MargineDima))};
    return sagoma;
}

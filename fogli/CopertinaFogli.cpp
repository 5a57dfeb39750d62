// The cover: the texts at the top, below them the template and its sheets fitted to what is left.
#include "fogli/CopertinaFogli.h"

#include "fogli/DisegnoFoglio.h"

#include <algorithm>

namespace {
constexpr double k_Margine = 5;
constexpr double k_Stacco = 4;           // between the texts and the picture
constexpr double k_EtichettaMinima = 10; // mm across a reduced sheet that still holds its label
constexpr double k_Riga = ElencoVisualizzazione::k_AltezzaRiga;

QStringList testi(const ImpaginazioneFogli &r)
{
    QStringList righe{QStringLiteral("Sviluppo a grandezza naturale: %1 fogli da %2 x %3 mm")
                          .arg(r.stampati)
                          .arg(TestoMm(r.larghezzaFoglio), TestoMm(r.altezzaFoglio))};
    righe << r.legenda << TestoIntestazione(r.intestazione);
    if (r.sovrapposizione > 0)
        righe << QStringLiteral("Sovrapposizione %1 mm: ogni foglio copre il bordo destro")
                     .arg(TestoMm(r.sovrapposizione))
              << QStringLiteral("di quello a sinistra e il bordo inferiore di quello sopra;")
              << QStringLiteral("allineare le crocette e incollare lungo il tratteggio.");
    else
        righe << QStringLiteral("Nessuna sovrapposizione: fogli accostati lungo la cornice,")
              << QStringLiteral("con le crocette a cavallo dei bordi.");
    const int saltati = r.colonne * r.righe - r.stampati;
    if (saltati > 0)
        righe << QStringLiteral("Fogli barrati: vuoti, non stampati (%1).").arg(saltati);
    righe << QStringLiteral("Copertina in scala ridotta: non usare per tracciare.");
    return righe;
}

void rettangolo(ElencoVisualizzazione &e, const QRectF &r, std::uint32_t colore)
{
    e.Line(r.left(), r.top(), r.right(), r.top(), colore);
    e.Line(r.right(), r.top(), r.right(), r.bottom(), colore);
    e.Line(r.right(), r.bottom(), r.left(), r.bottom(), colore);
    e.Line(r.left(), r.bottom(), r.left(), r.top(), colore);
}
} // namespace

ElencoVisualizzazione DisegnaCopertina(const ImpaginazioneFogli &r)
{
    ElencoVisualizzazione e;
    if (r.fogli.empty())
        return e;
    const QStringList righe = testi(r);
    for (int i = 0; i < righe.size(); ++i)
        e.Testo(k_Margine, k_Margine + i * k_Riga, righe[i], k_Nero);

    const QRectF posto(k_Margine, k_Margine + righe.size() * k_Riga + k_Stacco, r.larghezzaFoglio - 2 * k_Margine,
                       r.altezzaFoglio - 2 * k_Margine - righe.size() * k_Riga - k_Stacco);
    const QRectF modello = r.fogli.front().intervallo | r.fogli.back().intervallo;
    if (posto.width() <= 0 || posto.height() <= 0)
        return e;
    const double scala = std::min(posto.width() / modello.width(), posto.height() / modello.height());
    const auto ridotto = [&](QPointF p) { return posto.topLeft() + p * scala; };

    for (const Foglio &f : r.fogli) {
        const QRectF cella(ridotto(f.intervallo.topLeft()), ridotto(f.intervallo.bottomRight()));
        rettangolo(e, cella, k_GrigioFogli);
        if (!f.stampato) {
            e.Line(cella.left(), cella.top(), cella.right(), cella.bottom(), k_GrigioFogli);
            e.Line(cella.left(), cella.bottom(), cella.right(), cella.top(), k_GrigioFogli);
        }
        if (cella.width() >= k_EtichettaMinima && cella.height() >= 2 * k_Riga)
            e.Testo(cella.left() + 1, cella.top() + 1, f.etichetta, f.stampato ? k_Nero : k_GrigioFogli);
    }
    for (std::size_t i = 0; i < r.sagoma.size(); ++i) {
        const QPointF a = ridotto(r.sagoma[i]), b = ridotto(r.sagoma[(i + 1) % r.sagoma.size()]);
        e.Line(a.x(), a.y(), b.x(), b.y(), k_Nero);
    }
    return e;
}

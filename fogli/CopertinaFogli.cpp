// The cover: the texts at the top, below them the template and its sheets fitted to what is left;
// the grid again in parts, large enough for every label, when the first page cannot hold them.
#include "fogli/CopertinaFogli.h"

#include "fogli/DisegnoFoglio.h"
#include "fogli/GeometriaFogli.h"
#include "fogli/PostiTesti.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double k_Margine = 5;
constexpr double k_Stacco = 4;                     // between the texts and the picture
constexpr double k_EtichettaMinima = 10;           // mm across a reduced sheet that still holds its label
constexpr double k_PostoScale = k_BarraScala + 10; // the L of the scale bars with its ticks and a gap
constexpr double k_StaccoLettera = 2;
constexpr double k_CorsaLettera = 10;
constexpr double k_Riga = ElencoVisualizzazione::k_AltezzaRiga;

QStringList testi(const ImpaginazioneFogli &r, int pagine)
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
    if (pagine > 1)
        righe << QStringLiteral("Il nome di ogni foglio: pagine 2-%1 della copertina.").arg(pagine);
    if (r.scaleInCopertina)
        righe << QStringLiteral("Nessun foglio ha posto per le scale fuori dal materiale: eccole, da")
              << QStringLiteral("controllare con il righello come su ogni foglio.");
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

// The reduction at which a sheet holds a label of `misura` with a millimetre round it, clear of
// its neighbours' labels, which the overlap brings closer.
double scalaPerEtichetta(const ImpaginazioneFogli &r, QSizeF misura)
{
    return std::max(std::max(k_EtichettaMinima, misura.width() + 1 + k_Distacco) /
                        (r.larghezzaFoglio - r.sovrapposizione),
                    (misura.height() + 1 + k_Distacco) / (r.altezzaFoglio - r.sovrapposizione));
}

// One picture of the grid: the sheets from `colonne` and `righe` (first, past the last) reduced by
// `scala` into `posto`, labelled when they fit, the outline cut to them, the corner letters beside it.
class Quadro {
public:
    Quadro(const ImpaginazioneFogli &r, const QRectF &pagina, QRect celle, double scala, QPointF inizio)
        : imp(r),
          posti(pagina),
          celle(celle),
          scala(scala),
          inizio(inizio)
    {
    }

    void disegna(ElencoVisualizzazione &e)
    {
        const QRectF area(ridotto(primo().intervallo.topLeft()), ridotto(ultimo().intervallo.bottomRight()));
        for (std::size_t i = 0; i < imp.sagoma.size(); ++i)
            if (const auto pezzo =
                    TagliaSegmento(ridotto(imp.sagoma[i]), ridotto(imp.sagoma[(i + 1) % imp.sagoma.size()]), area))
                posti.Contorno(*pezzo);
        for (int riga = celle.top(); riga <= celle.bottom(); ++riga)
            for (int colonna = celle.left(); colonna <= celle.right(); ++colonna) {
                const Foglio &f = *imp.foglio(colonna, riga);
                const QRectF cella(ridotto(f.intervallo.topLeft()), ridotto(f.intervallo.bottomRight()));
                rettangolo(e, cella, k_GrigioFogli);
                if (!f.stampato) {
                    e.Line(cella.left(), cella.top(), cella.right(), cella.bottom(), k_GrigioFogli);
                    e.Line(cella.left(), cella.bottom(), cella.right(), cella.top(), k_GrigioFogli);
                }
                if (scala >= scalaPerEtichetta(imp, MisuraTesto(f.etichetta))) {
                    const QPointF angolo = cella.topLeft() + QPointF(1, 1);
                    e.Testo(angolo.x(), angolo.y(), f.etichetta, f.stampato ? k_Nero : k_GrigioFogli);
                    posti.Occupa(QRectF(angolo, MisuraTesto(f.etichetta)));
                }
            }
        for (const QLineF &pezzo : posti.Contorno())
            e.Line(pezzo.x1(), pezzo.y1(), pezzo.x2(), pezzo.y2(), k_Nero);
        QPointF centro;
        for (const QPointF &p : imp.sagoma)
            centro = {std::max(centro.x(), p.x() / 2), std::max(centro.y(), p.y() / 2)};
        for (const LetteraFoglio &a : imp.angoli) {
            const QPointF p = ridotto(a.punto);
            if (!area.contains(p))
                continue;
            const QLineF fuori(a.punto, a.punto + (a.punto - centro));
            const QPointF angolo = posti.Colloca(
                CentriAttorno(p, fuori.length() > 0 ? fuori.angle() : 90, k_StaccoLettera, k_CorsaLettera),
                MisuraTesto(a.lettera));
            e.Testo(angolo.x(), angolo.y(), a.lettera, k_Nero);
        }
    }

private:
    const ImpaginazioneFogli &imp;
    PostiTesti posti;
    const QRect celle;
    const double scala;
    const QPointF inizio; // where the first sheet's top-left corner goes

    const Foglio &primo() const { return *imp.foglio(celle.left(), celle.top()); }
    const Foglio &ultimo() const { return *imp.foglio(celle.right(), celle.bottom()); }
    QPointF ridotto(QPointF p) const { return inizio + (p - primo().intervallo.topLeft()) * scala; }
};

// The widest of the cells' labels, on the last row.
QSizeF etichettaPiuLarga(const ImpaginazioneFogli &r)
{
    QSizeF misura;
    for (int colonna = 0; colonna < r.colonne; ++colonna)
        misura = misura.expandedTo(MisuraTesto(EtichettaFoglio(colonna, r.righe - 1)));
    return misura;
}

// The grid in blocks, each holding some printed sheet, at the scale that fits every label.
std::vector<QRect> blocchiDelleEtichette(const ImpaginazioneFogli &r, const QRectF &posto, double &scala)
{
    const double passoX = r.larghezzaFoglio - r.sovrapposizione, passoY = r.altezzaFoglio - r.sovrapposizione;
    scala = scalaPerEtichetta(r, etichettaPiuLarga(r));
    const int perRiga = std::max(1, int((posto.width() - r.sovrapposizione * scala) / (passoX * scala)));
    const int perColonna = std::max(1, int((posto.height() - r.sovrapposizione * scala) / (passoY * scala)));
    std::vector<QRect> blocchi;
    for (int riga = 0; riga < r.righe; riga += perColonna)
        for (int colonna = 0; colonna < r.colonne; colonna += perRiga) {
            const QRect blocco(QPoint(colonna, riga), QPoint(std::min(colonna + perRiga, r.colonne) - 1,
                                                             std::min(riga + perColonna, r.righe) - 1));
            bool stampati = false;
            for (int y = blocco.top(); y <= blocco.bottom(); ++y)
                for (int x = blocco.left(); x <= blocco.right(); ++x)
                    stampati = stampati || r.foglio(x, y)->stampato;
            if (stampati)
                blocchi.push_back(blocco);
        }
    return blocchi;
}

// The first page with `pagine` cover pages in all; false in `entrano` when its picture is too
// small for the labels.
ElencoVisualizzazione primaPagina(const ImpaginazioneFogli &r, int pagine, bool &entrano)
{
    ElencoVisualizzazione e;
    const QStringList righe = testi(r, pagine);
    double larghe = 0;
    for (int i = 0; i < righe.size(); ++i) {
        e.Testo(k_Margine, k_Margine + i * k_Riga, righe[i], k_Nero);
        larghe = std::max(larghe, MisuraTesto(righe[i]).width());
    }
    // The workshop data in a column of their own beside the texts.
    for (int i = 0; i < r.dati.size(); ++i)
        e.Testo(k_Margine + larghe + k_Stacco, k_Margine + i * k_Riga, r.dati[i], k_Nero);
    const auto colonna = std::max(righe.size(), r.dati.size());
    QRectF posto(k_Margine, k_Margine + colonna * k_Riga + k_Stacco, r.larghezzaFoglio - 2 * k_Margine,
                 r.altezzaFoglio - 2 * k_Margine - colonna * k_Riga - k_Stacco);
    if (r.scaleInCopertina) {
        // At true size, beside the picture or above it, whichever leaves it more room.
        DisegnaScale(e, posto.topLeft(), {1, 1});
        if (posto.width() >= posto.height())
            posto.setLeft(posto.left() + k_PostoScale);
        else
            posto.setTop(posto.top() + k_PostoScale);
    }
    entrano = true;
    if (posto.width() <= 0 || posto.height() <= 0)
        return e;
    const QRectF modello = r.fogli.front().intervallo | r.fogli.back().intervallo;
    const double scala = std::min(posto.width() / modello.width(), posto.height() / modello.height());
    entrano = scala >= scalaPerEtichetta(r, etichettaPiuLarga(r));
    Quadro(r, QRectF(0, 0, r.larghezzaFoglio, r.altezzaFoglio), QRect(QPoint(0, 0), QPoint(r.colonne - 1, r.righe - 1)),
           scala, posto.topLeft())
        .disegna(e);
    return e;
}
} // namespace

std::vector<ElencoVisualizzazione> DisegnaCopertina(const ImpaginazioneFogli &r)
{
    std::vector<ElencoVisualizzazione> pagine;
    if (r.fogli.empty())
        return pagine;
    bool entrano = true;
    pagine.push_back(primaPagina(r, 1, entrano));
    if (entrano)
        return pagine;
    const QRectF posto(k_Margine, k_Margine + k_Riga + k_Stacco, r.larghezzaFoglio - 2 * k_Margine,
                       r.altezzaFoglio - 2 * k_Margine - k_Riga - k_Stacco);
    double scala = 1;
    const std::vector<QRect> blocchi = blocchiDelleEtichette(r, posto, scala);
    const int totale = int(blocchi.size()) + 1;
    pagine.front() = primaPagina(r, totale, entrano);
    for (const QRect &blocco : blocchi) {
        ElencoVisualizzazione e;
        e.Testo(
            k_Margine, k_Margine,
            QStringLiteral("Copertina, pagina %1 di %2: fogli da %3 a %4")
                .arg(int(pagine.size()) + 1)
                .arg(totale)
                .arg(EtichettaFoglio(blocco.left(), blocco.top()), EtichettaFoglio(blocco.right(), blocco.bottom())),
            k_Nero);
        Quadro(r, QRectF(0, 0, r.larghezzaFoglio, r.altezzaFoglio), blocco, scala, posto.topLeft()).disegna(e);
        pagine.push_back(std::move(e));
    }
    return pagine;
}

// A sheet's display list: outline piece, frame, glue lines, registration crosses, labels, scale bars.
#include "fogli/DisegnoFoglio.h"

#include "fogli/GeometriaFogli.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
constexpr double k_Margine = 3;      // marks keep this far from the overlap strips
constexpr double k_TaccaCorta = 1.5; // every mm of a scale bar
constexpr double k_TaccaLunga = 4;   // every 10 mm
constexpr double k_Stacco = 5;       // between the texts and the scale bars
constexpr int k_RigheTesto = 3;      // label, sheet number, range
constexpr double k_BraccioCroce = 4;
constexpr double k_Tratto = 3, k_Vuoto = 2; // the glue line's dashes
constexpr double k_PostoEtichetta = 12;     // room left for a neighbour's label at the right edge
constexpr double k_Riga = ElencoVisualizzazione::k_AltezzaRiga;
constexpr double k_LarghezzaCifra = 1.6; // mm, a digit or capital of the sheets' font, roughly
constexpr double k_StaccoLettera = 3;    // from a corner to its letter
constexpr int k_RigheFigure = 3;         // of the legend, in the title: the name and the figures

double inizioMarche(double sovrapposizione) { return sovrapposizione + k_Margine; }
double angoloScala(double sovrapposizione) { return inizioMarche(sovrapposizione) + k_RigheTesto * k_Riga + k_Stacco; }

class DisegnatoreFoglio {
public:
    DisegnatoreFoglio(const ImpaginazioneFogli &i, const Foglio &f)
        : imp(i),
          foglio(f),
          l(i.larghezzaFoglio),
          a(i.altezzaFoglio),
          s(i.sovrapposizione),
          cornice(0, 0, l, a)
    {
    }

    ElencoVisualizzazione disegna()
    {
        // Under the outline: where a generator runs along the seam, the cutting line stays on top.
        generatori();
        contorno();
        lettere();
        rettangolo();
        vicini();
        testi();
        scale();
        titolo();
        return std::move(elenco);
    }

private:
    const ImpaginazioneFogli &imp;
    const Foglio &foglio;
    const double l, a, s;
    const QRectF cornice;
    ElencoVisualizzazione elenco;

    void linea(QPointF p, QPointF q, std::uint32_t colore) { elenco.Line(p.x(), p.y(), q.x(), q.y(), colore); }

    void lineaTagliata(QPointF p, QPointF q, std::uint32_t colore)
    {
        if (const auto pezzo = TagliaSegmento(p, q, cornice))
            linea(pezzo->p1(), pezzo->p2(), colore);
    }

    void contorno()
    {
        const auto &sagoma = imp.sagoma;
        const QPointF origine = foglio.intervallo.topLeft();
        for (std::size_t i = 0; i < sagoma.size(); ++i)
            lineaTagliata(sagoma[i] - origine, sagoma[(i + 1) % sagoma.size()] - origine, k_BluScuro);
    }

    // Numbered where they leave the sheet, so the pieces of one generator match across the joins;
    // one that stays on the sheet is numbered at its middle.
    void generatori()
    {
        const QPointF origine = foglio.intervallo.topLeft();
        for (std::size_t k = 0; k < imp.generatori.size(); ++k) {
            const QLineF g = imp.generatori[k].translated(-origine);
            const auto pezzo = TagliaSegmento(g.p1(), g.p2(), cornice);
            if (!pezzo)
                continue;
            linea(pezzo->p1(), pezzo->p2(), k_GrigioGeneratori);
            const QString numero = QString::number(k + 1);
            const bool esce1 = sulBordo(pezzo->p1()), esce2 = sulBordo(pezzo->p2());
            if (esce1)
                testoVicino(pezzo->p1(), numero, k_GrigioFogli);
            if (esce2)
                testoVicino(pezzo->p2(), numero, k_GrigioFogli);
            if (!esce1 && !esce2)
                testoVicino(pezzo->center(), numero, k_GrigioFogli);
        }
    }

    bool sulBordo(QPointF p) const { return p.x() == 0 || p.y() == 0 || p.x() == l || p.y() == a; }

    // A short text centred on p as far as the frame allows.
    void testoVicino(QPointF p, const QString &testo, std::uint32_t colore)
    {
        const double larghezza = k_LarghezzaCifra * testo.size();
        elenco.Testo(std::clamp(p.x() - larghezza / 2, 0.5, l - larghezza - 0.5),
                     std::clamp(p.y() - k_Riga / 2, 0.5, a - k_Riga - 0.5), testo, colore);
    }

    // Each corner's letter beside it, away from the middle of the blank, on the sheet it falls on.
    void lettere()
    {
        // The turned outline's extents start at 0, 0.
        QPointF centro;
        for (const QPointF &p : imp.sagoma)
            centro = {std::max(centro.x(), p.x() / 2), std::max(centro.y(), p.y() / 2)};
        for (const LetteraFoglio &angolo : imp.angoli) {
            const QPointF p = angolo.punto - foglio.intervallo.topLeft();
            if (!cornice.contains(p))
                continue;
            const QLineF fuori(angolo.punto, angolo.punto + (angolo.punto - centro));
            const QPointF verso = fuori.length() > 0 ? fuori.unitVector().p2() - fuori.p1() : QPointF(0, -1);
            testoVicino(p + k_StaccoLettera * verso, angolo.lettera, k_Nero);
        }
    }

    void rettangolo()
    {
        linea({0, 0}, {l, 0}, k_GrigioFogli);
        linea({l, 0}, {l, a}, k_GrigioFogli);
        linea({l, a}, {0, a}, k_GrigioFogli);
        linea({0, a}, {0, 0}, k_GrigioFogli);
    }

    bool stampato(int dc, int dr) const
    {
        const Foglio *f = imp.foglio(foglio.colonna + dc, foglio.riga + dr);
        return f && f->stampato;
    }

    void tratteggio(QPointF p, QPointF q)
    {
        const QLineF tutta(p, q);
        for (double d = 0; d < tutta.length(); d += k_Tratto + k_Vuoto)
            linea(tutta.pointAt(d / tutta.length()), tutta.pointAt(std::min(1.0, (d + k_Tratto) / tutta.length())),
                  k_GrigioFogli);
    }

    // Centred where the neighbour's copy falls, cut to the frame so a zero overlap leaves half a cross.
    void croce(QPointF c)
    {
        lineaTagliata(c - QPointF(k_BraccioCroce, 0), c + QPointF(k_BraccioCroce, 0), k_Nero);
        lineaTagliata(c - QPointF(0, k_BraccioCroce), c + QPointF(0, k_BraccioCroce), k_Nero);
    }

    // The middle of the overlap strip on the side dc (-1 left, +1 right) or dr (-1 top, +1 bottom).
    double mezzoStrisciaX(int dc) const { return dc < 0 ? s / 2 : dc > 0 ? l - s / 2 : l / 2; }
    double mezzoStrisciaY(int dr) const { return dr < 0 ? s / 2 : dr > 0 ? a - s / 2 : a / 2; }

    void vicini()
    {
        struct Lato {
            int dc, dr;
            QPointF incolla1, incolla2, etichetta;
        };
        const double m = inizioMarche(s);
        const Lato lati[] = {
            {-1, 0, {s, 0}, {s, a}, {m + k_TaccaLunga + 2, a / 2 + 1}},
            {1, 0, {l - s, 0}, {l - s, a}, {l - m - k_PostoEtichetta, a / 2 + 1}},
            {0, -1, {0, s}, {l, s}, {l / 2 + k_Margine, m}},
            {0, 1, {0, a - s}, {l, a - s}, {l / 2 + k_Margine, a - m - k_Riga}},
        };
        for (const Lato &lato : lati) {
            if (!stampato(lato.dc, lato.dr))
                continue;
            if (s > 0)
                tratteggio(lato.incolla1, lato.incolla2);
            croce({mezzoStrisciaX(lato.dc), mezzoStrisciaY(lato.dr)});
            elenco.Testo(lato.etichetta.x(), lato.etichetta.y(),
                         EtichettaFoglio(foglio.colonna + lato.dc, foglio.riga + lato.dr), k_Nero);
        }
        for (int dc : {-1, 1})
            for (int dr : {-1, 1})
                if (stampato(dc, 0) || stampato(0, dr) || stampato(dc, dr))
                    croce({mezzoStrisciaX(dc), mezzoStrisciaY(dr)});
    }

    void testi()
    {
        const double m = inizioMarche(s);
        elenco.Testo(m, m, foglio.etichetta, k_Nero);
        elenco.Testo(m, m + k_Riga, QStringLiteral("foglio %1 di %2").arg(foglio.numero).arg(imp.stampati), k_Nero);
        elenco.Testo(m, m + 2 * k_Riga, TestoIntervallo(foglio.intervallo), k_Nero);
    }

    // Inside the L of the scale bars, clear of the marks and of the neighbours' labels.
    void titolo()
    {
        const double x = inizioMarche(s) + k_TaccaLunga + 2;
        double y = angoloScala(s) + k_TaccaLunga + 2;
        for (int i = 0; i < std::min<int>(k_RigheFigure, int(imp.legenda.size())); ++i, y += k_Riga)
            elenco.Testo(x, y, imp.legenda[i], k_Nero);
        elenco.Testo(x, y, TestoIntestazione(imp.intestazione), k_Nero);
    }

    // An L at the corner: along x with its ticks downwards, along y with its ticks to the right.
    void scale()
    {
        const QPointF o(inizioMarche(s), angoloScala(s));
        linea(o, o + QPointF(k_BarraScala, 0), k_Nero);
        linea(o, o + QPointF(0, k_BarraScala), k_Nero);
        for (int mm = 0; mm <= int(k_BarraScala); ++mm) {
            const double tacca = mm % 10 == 0 ? k_TaccaLunga : k_TaccaCorta;
            linea(o + QPointF(mm, 0), o + QPointF(mm, tacca), k_Nero);
            linea(o + QPointF(0, mm), o + QPointF(tacca, mm), k_Nero);
        }
    }
};
} // namespace

QSizeF MinimoFoglio(double sovrapposizione) noexcept
{
    const double lontano = sovrapposizione + k_Margine; // from each edge to the marks
    return {2 * lontano + k_BarraScala, angoloScala(sovrapposizione) + k_BarraScala + lontano};
}

QString TestoMm(double v)
{
    const double intero = std::round(v);
    if (std::fabs(v - intero) < 0.05)
        return QString::number(intero, 'f', 0);
    return QString::number(v, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString TestoIntervallo(const QRectF &r)
{
    return QStringLiteral("X %1\u2013%2 mm \u00B7 Y %3\u2013%4 mm")
        .arg(TestoMm(r.left()), TestoMm(r.right()), TestoMm(r.top()), TestoMm(r.bottom()));
}

QString TestoIntestazione(const IntestazioneFogli &i)
{
    QStringList parti{i.taratura.isEmpty() ? QStringLiteral("Nessuna taratura")
                                           : QStringLiteral("Taratura: ") + i.taratura};
    if (!i.carta.isEmpty())
        parti << QStringLiteral("carta ") + i.carta;
    parti << i.data.toString(QStringLiteral("dd/MM/yyyy"));
    return parti.join(QStringLiteral(" \u00B7 "));
}

ElencoVisualizzazione DisegnaFoglio(const ImpaginazioneFogli &impaginazione, const Foglio &foglio)
{
    return DisegnatoreFoglio(impaginazione, foglio).disegna();
}

// A sheet's display list: outline piece, frame, glue lines, registration crosses, labels, scale bars.
#include "fogli/DisegnoFoglio.h"

#include "fogli/GeometriaFogli.h"
#include "fogli/PostiTesti.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

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
constexpr double k_StaccoLettera = 3;                // from a corner to its letter, at the least
constexpr int k_RigheFigure = 3;                     // of the legend, in the title: the name and the figures
constexpr double k_RientroTitolo = k_TaccaLunga + 2; // the title inside the L of the bars
constexpr double k_PassoTesto = 1;                   // mm between the places tried along a generator
constexpr double k_CorsaNumero = 40;                 // how far a number may move along its generator
constexpr double k_CorsaLettera = 15;                // how far a letter may move from its corner
constexpr double k_PezzoCorto = 20;                  // a generator's piece that carries one number only
constexpr double k_PassoScale = 5;                   // mm between the places tried for the scale bars

double inizioMarche(double sovrapposizione) { return sovrapposizione + k_Margine; }
double angoloScala(double sovrapposizione) { return inizioMarche(sovrapposizione) + k_RigheTesto * k_Riga + k_Stacco; }

// Where the bars' L has its corner and which way its arms run.
struct PostoScale {
    QPointF angolo, verso;
};

class DisegnatoreFoglio {
public:
    DisegnatoreFoglio(const ImpaginazioneFogli &i, const Foglio &f)
        : imp(i),
          foglio(f),
          l(i.larghezzaFoglio),
          a(i.altezzaFoglio),
          s(i.sovrapposizione),
          cornice(0, 0, l, a),
          posti(cornice),
          titolo(misuraTitolo())
    {
        const QPointF origine = foglio.intervallo.topLeft();
        for (std::size_t k = 0; k < imp.sagoma.size(); ++k) {
            const QPointF p = imp.sagoma[k] - origine, q = imp.sagoma[(k + 1) % imp.sagoma.size()] - origine;
            if (const auto pezzo = TagliaSegmento(p, q, cornice)) {
                posti.Contorno(*pezzo);
                lati.emplace_back(p, q);
            }
            if ((p.x() > l) != (q.x() > l))
                attraversamenti.push_back(p.y() + (l - p.x()) * (q.y() - p.y()) / (q.x() - p.x()));
        }
        std::sort(attraversamenti.begin(), attraversamenti.end());
    }

    ElencoVisualizzazione disegna()
    {
        // Under the outline: where a generator runs along the seam, the cutting line stays on top.
        generatori();
        contorno();
        rettangolo();
        vicini();
        testi();
        scaleETitolo();
        lettere();
        numeri();
        return std::move(elenco);
    }

    bool postoPerScale()
    {
        vicini();
        testi();
        return cercaScale().has_value();
    }

private:
    const ImpaginazioneFogli &imp;
    const Foglio &foglio;
    const double l, a, s;
    const QRectF cornice;
    ElencoVisualizzazione elenco;
    PostiTesti posti;                             // the outline cut to the sheet, the texts and crosses placed
    std::vector<QLineF> lati;                     // the whole sides of the outline's pieces, sheet mm
    std::vector<double> attraversamenti;          // where the outline crosses the sheet's right edge, sorted
    const QSizeF titolo;                          // the title strip's box
    std::vector<std::pair<QLineF, int>> numerati; // generator pieces and their numbers, for numeri()

    void linea(QPointF p, QPointF q, std::uint32_t colore) { elenco.Line(p.x(), p.y(), q.x(), q.y(), colore); }

    void lineaTagliata(QPointF p, QPointF q, std::uint32_t colore)
    {
        if (const auto pezzo = TagliaSegmento(p, q, cornice))
            linea(pezzo->p1(), pezzo->p2(), colore);
    }

    void contorno()
    {
        for (const QLineF &pezzo : posti.Contorno())
            linea(pezzo.p1(), pezzo.p2(), k_BluScuro);
    }

    // Even-odd over the whole outline without walking it: the crossings of the right edge above
    // the point's row, then those of the sides of this sheet between the point and that edge.
    bool nelMateriale(QPointF p) const
    {
        auto n = std::lower_bound(attraversamenti.begin(), attraversamenti.end(), p.y()) - attraversamenti.begin();
        for (const QLineF &lato : lati)
            if ((lato.y1() > p.y()) != (lato.y2() > p.y())) {
                const double x = lato.x1() + (p.y() - lato.y1()) * lato.dx() / lato.dy();
                n += x >= p.x() && x < l;
            }
        return n % 2 == 1;
    }

    void testo(QPointF angolo, const QString &t, std::uint32_t colore)
    {
        elenco.Testo(angolo.x(), angolo.y(), t, colore);
        posti.Occupa(QRectF(angolo, MisuraTesto(t)));
    }

    void colloca(const std::vector<QPointF> &centri, const QString &t, std::uint32_t colore)
    {
        const QPointF angolo = posti.Colloca(centri, MisuraTesto(t));
        elenco.Testo(angolo.x(), angolo.y(), t, colore);
    }

    void generatori()
    {
        const QPointF origine = foglio.intervallo.topLeft();
        for (std::size_t k = 0; k < imp.generatori.size(); ++k) {
            const QLineF g = imp.generatori[k].translated(-origine);
            if (const auto pezzo = TagliaSegmento(g.p1(), g.p2(), cornice)) {
                linea(pezzo->p1(), pezzo->p2(), k_GrigioGeneratori);
                numerati.emplace_back(*pezzo, int(k) + 1);
            }
        }
    }

    bool sulBordo(QPointF p) const { return p.x() == 0 || p.y() == 0 || p.x() == l || p.y() == a; }

    // Numbered where they leave the sheet, so the pieces of one generator match across the joins,
    // moved along the generator when that place is taken, then round it (a generator along the
    // seam is the outline itself); one that stays on the sheet, or too short to carry two numbers
    // apart, is numbered once, at its middle.
    void numeri()
    {
        for (const auto &[pezzo, k] : numerati) {
            const QString numero = QString::number(k);
            const bool corto = pezzo.length() < k_PezzoCorto;
            const bool esce1 = sulBordo(pezzo.p1()) && !corto, esce2 = sulBordo(pezzo.p2()) && !corto;
            if (esce1)
                colloca(lungo(pezzo, 0, 1), numero, k_GrigioFogli);
            if (esce2)
                colloca(lungo(pezzo, 1, -1), numero, k_GrigioFogli);
            if (!esce1 && !esce2)
                colloca(lungo(pezzo, 0.5, 0), numero, k_GrigioFogli);
        }
    }

    // Points of `pezzo` from `t` (0 at p1, 1 at p2) towards `verso`, or both ways when it is 0;
    // then rings round the first.
    static std::vector<QPointF> lungo(const QLineF &pezzo, double t, int verso)
    {
        std::vector<QPointF> punti{pezzo.pointAt(t)};
        const double passo = pezzo.length() > 0 ? k_PassoTesto / pezzo.length() : 1;
        for (double d = passo; d * pezzo.length() <= k_CorsaNumero && d <= 1; d += passo) {
            if (verso >= 0 && t + d <= 1)
                punti.push_back(pezzo.pointAt(t + d));
            if (verso <= 0 && t - d >= 0)
                punti.push_back(pezzo.pointAt(t - d));
        }
        const std::vector<QPointF> attorno =
            CentriAttorno(pezzo.pointAt(t), pezzo.angle() + 90, k_StaccoLettera, k_CorsaLettera);
        punti.insert(punti.end(), attorno.begin(), attorno.end());
        return punti;
    }

    // Each corner's letter beside it, away from the middle of the blank, on the sheet it falls on;
    // turned round the corner and moved off when that place is taken.
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
            const std::vector<QPointF> centri =
                CentriAttorno(p, fuori.length() > 0 ? fuori.angle() : 90, k_StaccoLettera, k_CorsaLettera);
            colloca(centri, angolo.lettera, k_Nero);
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
        posti.Occupa(QRectF(c - QPointF(k_BraccioCroce, k_BraccioCroce), QSizeF(2, 2) * k_BraccioCroce));
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
            testo(lato.etichetta, EtichettaFoglio(foglio.colonna + lato.dc, foglio.riga + lato.dr), k_Nero);
        }
        for (int dc : {-1, 1})
            for (int dr : {-1, 1})
                if (stampato(dc, 0) || stampato(0, dr) || stampato(dc, dr))
                    croce({mezzoStrisciaX(dc), mezzoStrisciaY(dr)});
    }

    void testi()
    {
        const double m = inizioMarche(s);
        testo({m, m}, foglio.etichetta, k_Nero);
        // A sheet whose title strip finds no room still says which piece of a job it belongs to.
        QString numero = QStringLiteral("foglio %1 di %2").arg(foglio.numero).arg(imp.stampati);
        if (!imp.intestazione.pezzo.isEmpty())
            numero += QStringLiteral(" \u00B7 ") + imp.intestazione.pezzo;
        testo({m, m + k_Riga}, numero, k_Nero);
        testo({m, m + 2 * k_Riga}, TestoIntervallo(foglio.intervallo), k_Nero);
    }

    // The bars with their ticks, and the title inside their L.
    std::array<QRectF, 3> parti(const PostoScale &p) const
    {
        const QPointF o = p.angolo, v = p.verso;
        const QPointF interno = o + v * k_RientroTitolo;
        return {QRectF(o, o + QPointF(v.x() * k_BarraScala, v.y() * k_TaccaLunga)).normalized(),
                QRectF(o, o + QPointF(v.x() * k_TaccaLunga, v.y() * k_BarraScala)).normalized(),
                QRectF(interno, interno + QPointF(v.x() * titolo.width(), v.y() * titolo.height())).normalized()};
    }

    QSizeF misuraTitolo() const
    {
        const QStringList righe = RigheTitolo(imp);
        double larghezza = 0;
        for (const QString &riga : righe)
            larghezza = std::max(larghezza, MisuraTesto(riga).width());
        return {larghezza, righe.size() * k_Riga};
    }

    // The old place under the sheet's own texts first, then the sheet scanned, each corner of the
    // L tried: the first where the parts chosen are clear of the material, of the outline and of
    // the other marks.
    std::optional<PostoScale> cerca(std::initializer_list<int> quali) const
    {
        const double m = inizioMarche(s);
        const QRectF area(m, m, l - 2 * m, a - 2 * m);
        // A sheet the outline does not cross is all material.
        if (posti.Contorno().empty())
            return std::nullopt;
        const auto va = [&](const PostoScale &p) {
            const auto r = parti(p);
            for (int i : quali)
                if (!area.contains(r[std::size_t(i)]) || nelMateriale(r[std::size_t(i)].center()) ||
                    !posti.Libero(r[std::size_t(i)], true))
                    return false;
            return true;
        };
        if (const PostoScale solito{{m, angoloScala(s)}, {1, 1}}; va(solito))
            return solito;
        for (double y = area.top(); y <= area.bottom(); y += k_PassoScale)
            for (double x = area.left(); x <= area.right(); x += k_PassoScale)
                for (const QPointF verso : {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)})
                    if (const PostoScale p{{x, y}, verso}; va(p))
                        return p;
        return std::nullopt;
    }

    std::optional<PostoScale> cercaScale() const
    {
        if (const auto insieme = cerca({0, 1, 2}))
            return insieme;
        return cerca({0, 1});
    }

    // Together when they fit so, else each where it fits.
    void scaleETitolo()
    {
        std::optional<PostoScale> scale = cerca({0, 1, 2}), titolo = scale;
        if (!scale)
            scale = cerca({0, 1});
        if (scale) {
            DisegnaScale(elenco, scale->angolo, scale->verso);
            posti.Occupa(parti(*scale)[0]);
            posti.Occupa(parti(*scale)[1]);
        }
        if (!titolo)
            titolo = cerca({2});
        if (!titolo)
            return;
        const QRectF box = parti(*titolo)[2];
        const QStringList righe = RigheTitolo(imp);
        for (int i = 0; i < righe.size(); ++i)
            testo(box.topLeft() + QPointF(0, i * k_Riga), righe[i], k_Nero);
    }
};
} // namespace

QSizeF MinimoFoglio(double sovrapposizione) noexcept
{
    const double lontano = sovrapposizione + k_Margine; // from each edge to the marks
    return {2 * lontano + k_BarraScala, angoloScala(sovrapposizione) + k_BarraScala + lontano};
}

QSizeF MisuraTesto(const QString &testo)
{
    double em = 0;
    for (const QChar c : testo) {
        if (c.isDigit())
            em += 0.556;
        else if (c == QLatin1Char('M') || c == QLatin1Char('W') || c == QLatin1Char('m') || c == QLatin1Char('w'))
            em += 0.944;
        else if (c.isUpper())
            em += 0.778;
        else if (c.isLower())
            em += 0.556;
        else if (c.isSpace())
            em += 0.278;
        else
            em += 0.6;
    }
    return {em * k_AltezzaCarattereMm, k_Riga};
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
    QStringList parti;
    if (!i.pezzo.isEmpty())
        parti << i.pezzo;
    parti << (i.taratura.isEmpty() ? QStringLiteral("Nessuna taratura") : QStringLiteral("Taratura: ") + i.taratura);
    if (!i.carta.isEmpty())
        parti << QStringLiteral("carta ") + i.carta;
    parti << i.data.toString(QStringLiteral("dd/MM/yyyy"));
    return parti.join(QStringLiteral(" \u00B7 "));
}

QStringList RigheTitolo(const ImpaginazioneFogli &impaginazione)
{
    QStringList righe = impaginazione.legenda.mid(0, k_RigheFigure);
    righe << TestoIntestazione(impaginazione.intestazione);
    return righe;
}

void DisegnaScale(ElencoVisualizzazione &elenco, QPointF o, QPointF verso)
{
    const auto linea = [&](QPointF p, QPointF q) { elenco.Line(p.x(), p.y(), q.x(), q.y(), k_Nero); };
    const QPointF x(verso.x(), 0), y(0, verso.y());
    linea(o, o + k_BarraScala * x);
    linea(o, o + k_BarraScala * y);
    for (int mm = 0; mm <= int(k_BarraScala); ++mm) {
        const double tacca = mm % 10 == 0 ? k_TaccaLunga : k_TaccaCorta;
        linea(o + mm * x, o + mm * x + tacca * y);
        linea(o + mm * y, o + mm * y + tacca * x);
    }
}

bool PostoPerScale(const ImpaginazioneFogli &impaginazione, const Foglio &foglio)
{
    return foglio.stampato && DisegnatoreFoglio(impaginazione, foglio).postoPerScale();
}

ElencoVisualizzazione DisegnaFoglio(const ImpaginazioneFogli &impaginazione, const Foglio &foglio)
{
    if (!foglio.stampato)
        return {};
    return DisegnatoreFoglio(impaginazione, foglio).disegna();
}

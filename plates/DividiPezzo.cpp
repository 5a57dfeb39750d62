// Splitting a developed blank: along generators by half-plane cuts of its outline, across the
// axis by developing each course as a solid of its own.
#include "plates/DividiPezzo.h"

#include "geometry/TestiOfficina.h"
#include "plates/BordoDelPezzo.h"
#include "pieces/PezzoDelTronco.h"
#include "platform/TestoNumerico.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {
// The seam line at coordinate `c`: an angle (apex at the origin) or a width across the generators.
struct Linea {
    PuntoPiano punto, direzione, normale; // normale towards larger coordinates
};

Linea lineaDelGiunto(bool settore, PuntoPiano generatrice, double c)
{
    if (settore)
        return {{0, 0}, {std::cos(c), std::sin(c)}, {-std::sin(c), std::cos(c)}};
    const PuntoPiano normale{-generatrice.y, generatrice.x};
    return {{normale.x * c, normale.y * c}, generatrice, normale};
}

// The coordinates of the outline across the generators, from `riferimento` for an angle so that
// a sector never wraps past the half turn.
std::vector<double> coordinate(const Poligono &p, bool settore, PuntoPiano generatrice, double riferimento)
{
    std::vector<double> c;
    for (const PuntoPiano &q : p) {
        if (settore) {
            double a = std::atan2(q.y, q.x) - riferimento;
            a = std::remainder(a, 2 * M_PI);
            c.push_back(a + riferimento);
        } else {
            c.push_back(-generatrice.y * q.x + generatrice.x * q.y);
        }
    }
    return c;
}

// The two ends of the piece's seam edge on `linea` moved by `scostamento` into it.
void aggiungiTacche(PezzoLamiera &pezzo, const Linea &linea, double scostamento, PuntoPiano verso, int numero)
{
    std::vector<PuntoPiano> sulGiunto;
    for (const PuntoPiano &q : pezzo.contorno) {
        const double d = (q.x - linea.punto.x) * linea.normale.x + (q.y - linea.punto.y) * linea.normale.y;
        if (std::abs(std::abs(d) - scostamento) < 1e-6)
            sulGiunto.push_back(q);
    }
    if (sulGiunto.size() < 2)
        return;
    const auto lungo = [&](PuntoPiano q) { return q.x * linea.direzione.x + q.y * linea.direzione.y; };
    const auto [primo, ultimo] = std::minmax_element(sulGiunto.begin(), sulGiunto.end(),
                                                     [&](PuntoPiano a, PuntoPiano b) { return lungo(a) < lungo(b); });
    pezzo.tacche.push_back({*primo, verso, numero});
    pezzo.tacche.push_back({*ultimo, verso, numero});
}

// Where the seam edge from `angolo` towards `altro` meets the circle of radius `raggio` about the
// apex: a sector's edge across the axis is an exact arc, and the piece's corner on its chord is
// off it by up to the cutting tolerance, differently on the two courses a seam joins.
PuntoPiano sulCerchio(PuntoPiano angolo, PuntoPiano altro, double raggio)
{
    const double l = std::hypot(altro.x - angolo.x, altro.y - angolo.y);
    if (l == 0)
        return angolo;
    const PuntoPiano u{(altro.x - angolo.x) / l, (altro.y - angolo.y) / l};
    const double b = angolo.x * u.x + angolo.y * u.y, c = angolo.x * angolo.x + angolo.y * angolo.y - raggio * raggio;
    const double d = b * b - c;
    if (d < 0)
        return angolo;
    const double t1 = -b - std::sqrt(d), t2 = -b + std::sqrt(d);
    const double t = std::abs(t1) < std::abs(t2) ? t1 : t2;
    return {angolo.x + t * u.x, angolo.y + t * u.y};
}

// The two ends of the piece's stretch of `bordo`, a seam across the axis, numbered `primo` and
// `primo + 1` from the edge's first point; each tick along the generator, into the piece, and
// moved `scostamento` along it. Taken on the piece cut to the full course, both sides of the seam
// keep their marks on the same generators.
std::vector<Tacca> taccheDelCorso(const Poligono &contorno, const std::vector<PuntoPiano> &bordo,
                                  const std::vector<PuntoPiano> &opposto, bool settore, int primo, double scostamento)
{
    const std::vector<PuntoSulBordo> punti = PuntiSulBordo(contorno, bordo);
    if (punti.size() < 2)
        return {};
    const auto [da, a] = std::minmax_element(
        punti.begin(), punti.end(), [](const PuntoSulBordo &x, const PuntoSulBordo &y) { return x.lungo < y.lungo; });
    const size_t n = contorno.size();
    std::vector<Tacca> tacche;
    for (const auto &[p, numero] : {std::make_pair(*da, primo), std::make_pair(*a, primo + 1)}) {
        PuntoPiano punto = p.punto;
        if (settore && !p.suGeneratrice) {
            // The seam edge runs to the neighbour that is off this edge.
            const PuntoPiano prima = contorno[(p.vertice + n - 1) % n], dopo = contorno[(p.vertice + 1) % n];
            const size_t precedente = (p.vertice + n - 1) % n;
            const bool primaSulBordo = std::any_of(
                punti.begin(), punti.end(), [precedente](const PuntoSulBordo &q) { return q.vertice == precedente; });
            punto = sulCerchio(p.punto, primaSulBordo ? dopo : prima, std::hypot(bordo.front().x, bordo.front().y));
        }
        const PuntoPiano verso{opposto[p.generatrice].x - bordo[p.generatrice].x,
                               opposto[p.generatrice].y - bordo[p.generatrice].y};
        const double l = std::hypot(verso.x, verso.y);
        PuntoPiano u = l > 0 ? PuntoPiano{verso.x / l, verso.y / l} : PuntoPiano{0, 0};
        // A sector's generator through the point is the line from the apex, not the one of the
        // edge point before it.
        const double r = std::hypot(punto.x, punto.y);
        if (settore && r > 0) {
            const double lato = u.x * punto.x + u.y * punto.y > 0 ? 1 : -1;
            u = {lato * punto.x / r, lato * punto.y / r};
        }
        tacche.push_back({{punto.x + u.x * scostamento, punto.y + u.y * scostamento}, u, numero});
    }
    return tacche;
}
} // namespace

std::optional<Blank> BlankDelTronco(const FigureSviluppo &figure)
{
    const auto pezzo = PezzoDelTronco(figure);
    const auto campionato = pezzo ? CampionaPerTaglio(*pezzo) : std::nullopt;
    if (!campionato)
        return std::nullopt;
    const ProfiloSviluppo &profilo = campionato->profilo;
    Blank blank;
    blank.latoAB = profilo.bordoAB;
    blank.latoCD = profilo.bordoCD;
    blank.contorno = ContornoConSfrido(blank, 0, 0);
    blank.settore = profilo.cono;
    const PuntoPiano a = profilo.bordoAB.front(), c = profilo.bordoCD.front();
    blank.chiusura = std::hypot(c.x - a.x, c.y - a.y);
    blank.generatrice =
        blank.chiusura > 0 ? PuntoPiano{(c.x - a.x) / blank.chiusura, (c.y - a.y) / blank.chiusura} : PuntoPiano{0, 1};
    for (size_t i = 1; i < profilo.bordoAB.size(); ++i)
        blank.bordoAB += std::hypot(profilo.bordoAB[i].x - profilo.bordoAB[i - 1].x,
                                    profilo.bordoAB[i].y - profilo.bordoAB[i - 1].y);
    return blank;
}

Blank BordiSpostati(const Blank &blank, double base, double cima)
{
    // Each end moved away from the other end of its own generator.
    const auto sposta = [](PuntoPiano q, PuntoPiano altro, double di) {
        const double l = std::hypot(q.x - altro.x, q.y - altro.y);
        return l > 0 && di != 0 ? PuntoPiano{q.x + (q.x - altro.x) / l * di, q.y + (q.y - altro.y) / l * di} : q;
    };
    Blank spostato = blank;
    for (size_t i = 0; i < blank.latoAB.size() && i < blank.latoCD.size(); ++i) {
        spostato.latoAB[i] = sposta(blank.latoAB[i], blank.latoCD[i], base);
        spostato.latoCD[i] = sposta(blank.latoCD[i], blank.latoAB[i], cima);
    }
    spostato.contorno.clear();
    for (const PuntoPiano &q : spostato.latoAB)
        spostato.contorno.push_back(q);
    for (size_t i = spostato.latoCD.size(); i-- > 0;)
        spostato.contorno.push_back(spostato.latoCD[i]);
    if (AreaConSegno(spostato.contorno) < 0)
        std::reverse(spostato.contorno.begin(), spostato.contorno.end());
    return spostato;
}

Poligono ContornoConSfrido(const Blank &blank, double base, double cima)
{
    return BordiSpostati(blank, base, cima).contorno;
}

std::vector<PezzoLamiera> DividiLungoGeneratrici(const Poligono &blank, bool settore, PuntoPiano generatrice, int parti,
                                                 double luce, int primaTacca, std::vector<double> *giunti,
                                                 const Poligono *vero)
{
    double riferimento = 0;
    if (settore) {
        // The middle of the sector: the mean direction of its points.
        double sx = 0, sy = 0;
        for (const PuntoPiano &q : blank) {
            const double r = std::hypot(q.x, q.y);
            if (r > 0) {
                sx += q.x / r;
                sy += q.y / r;
            }
        }
        riferimento = std::atan2(sy, sx);
    }
    const std::vector<double> c = coordinate(blank, settore, generatrice, riferimento);
    const double da = *std::min_element(c.begin(), c.end()), a = *std::max_element(c.begin(), c.end());
    std::vector<PezzoLamiera> pezzi;
    for (int i = 0; i < parti; ++i) {
        PezzoLamiera pezzo;
        pezzo.parte = i + 1;
        pezzo.contorno = blank;
        if (i > 0) {
            const Linea l = lineaDelGiunto(settore, generatrice, da + (a - da) * i / parti);
            pezzo.contorno = TagliaSemipiano(pezzo.contorno, l.punto, l.normale, luce / 2);
        }
        if (i + 1 < parti) {
            const Linea l = lineaDelGiunto(settore, generatrice, da + (a - da) * (i + 1) / parti);
            pezzo.contorno = TagliaSemipiano(pezzo.contorno, l.punto, {-l.normale.x, -l.normale.y}, luce / 2);
        }
        pezzi.push_back(std::move(pezzo));
    }
    for (int i = 1; i < parti; ++i) {
        const Linea l = lineaDelGiunto(settore, generatrice, da + (a - da) * i / parti);
        const double lunghezza = CordaInterna(vero ? *vero : blank, l.punto, l.direzione);
        if (giunti)
            giunti->push_back(lunghezza);
        pezzi[i - 1].saldatura += lunghezza / 2;
        pezzi[i].saldatura += lunghezza / 2;
        aggiungiTacche(pezzi[i - 1], l, luce / 2, {-l.normale.x, -l.normale.y}, primaTacca + i - 1);
        aggiungiTacche(pezzi[i], l, luce / 2, l.normale, primaTacca + i - 1);
    }
    return pezzi;
}

std::optional<FigureOfficina> OfficinaDelTronco(const FigureSviluppo &figure)
{
    if (figure.Officina)
        return figure.Officina;
    const TestoFisso *testi[] = {&figure.TestoAC, &figure.TestoAB, &figure.TestoBD, &figure.TestoAlfa,
                                 &figure.TestoBeta};
    if (!std::all_of(std::begin(testi), std::end(testi), [](const TestoFisso *t) { return ENumerico(*t); }))
        return std::nullopt;
    return OfficinaDaProiezione({ValoreNumerico(figure.TestoAC), ValoreNumerico(figure.TestoAB),
                                 ValoreNumerico(figure.TestoBD), qDegreesToRadians(ValoreNumerico(figure.TestoAlfa)),
                                 qDegreesToRadians(ValoreNumerico(figure.TestoBeta))});
}

std::optional<std::vector<FigureSviluppo>> CorsiDelTronco(const FigureSviluppo &figure, int corsi)
{
    if (corsi <= 1)
        return std::vector<FigureSviluppo>{figure};
    const auto tutto = OfficinaDelTronco(figure);
    if (!tutto)
        return std::nullopt;
    const FigureOfficina &f = *tutto;
    const auto diametro = [&](double h) { return f.D1 + (f.D2 - f.D1) * h / f.H; };
    // An inclined end cut reaches this far along the axis from its centre.
    const double basso = f.D1 / 2 * std::abs(std::tan(qDegreesToRadians(f.Taglio1)));
    const double alto = f.D2 / 2 * std::abs(std::tan(qDegreesToRadians(f.Taglio2)));
    std::vector<FigureSviluppo> elenco;
    for (int j = 0; j < corsi; ++j) {
        const double h0 = f.H * j / corsi, h1 = f.H * (j + 1) / corsi;
        if ((j > 0 && h0 <= basso) || (j + 1 < corsi && f.H - h1 <= alto))
            return std::nullopt;
        FigureOfficina corso{diametro(h0), diametro(h1), h1 - h0, j == 0 ? f.Taglio1 : 0,
                             j + 1 == corsi ? f.Taglio2 : 0};
        FigureSviluppo pezzo = figure;
        ImpostaOfficina(pezzo, corso);
        elenco.push_back(pezzo);
    }
    return elenco;
}

std::optional<BlankDiviso> DividiTronco(const FigureSviluppo &figure, const Divisione &divisione)
{
    const auto corsi = CorsiDelTronco(figure, divisione.corsi);
    const auto intero = BlankDelTronco(figure);
    if (!corsi || !intero)
        return std::nullopt;
    BlankDiviso diviso;
    double saldatura = 0;
    std::optional<Blank> sotto;            // the course below
    std::vector<PezzoLamiera> interiSotto; // its pieces cut to the full course
    // Marks along generators take 1 .. corsi * parti - 1; those across the axis follow.
    int taccaDelCorso = divisione.corsi * divisione.parti;
    for (int j = 0; j < int(corsi->size()); ++j) {
        const auto blank = j == 0 && corsi->size() == 1 ? intero : BlankDelTronco((*corsi)[size_t(j)]);
        if (!blank)
            return std::nullopt;
        std::vector<double> giunti;
        const bool primo = j == 0, ultimo = j + 1 == int(corsi->size());
        const double base = primo && divisione.sfridoBase ? divisione.sfrido : 0;
        const double cima = ultimo && divisione.sfridoCima ? divisione.sfrido : 0;
        // An edge welded to the next course gives half the gap, along the generators as the trim.
        const double meta = divisione.luce / 2;
        const Blank ridotto = BordiSpostati(*blank, primo ? 0 : -meta, ultimo ? 0 : -meta);
        const Poligono tagliato = ContornoConSfrido(ridotto, base, cima);
        auto pezzi = DividiLungoGeneratrici(tagliato, blank->settore, blank->generatrice, divisione.parti,
                                            divisione.luce, j * divisione.parti + 1, &giunti, &blank->contorno);
        const auto dividi = [&](const Poligono &contorno) {
            return DividiLungoGeneratrici(contorno, blank->settore, blank->generatrice, divisione.parti, divisione.luce,
                                          0);
        };
        // The generators are the blank's as cut, so they are looked for on the pieces without trim.
        const auto senzaSfrido = base == 0 && cima == 0 ? pezzi : dividi(ridotto.contorno);
        for (size_t i = 0; i < pezzi.size() && i < senzaSfrido.size(); ++i)
            pezzi[i].generatrici = GeneratriciNelPezzo(ridotto, senzaSfrido[i].contorno);
        const auto interi = corsi->size() > 1 ? dividi(blank->contorno) : std::vector<PezzoLamiera>{};
        if (j > 0) {
            // Piece i of this course sits on piece i of the one below: both stretches of the seam
            // run the same length from the closing generator, so they share numbers.
            const size_t primoSotto = diviso.pezzi.size() - size_t(divisione.parti);
            for (size_t i = 0; i < pezzi.size() && i < interi.size() && i < interiSotto.size(); ++i) {
                for (const Tacca &t : taccheDelCorso(interiSotto[i].contorno, sotto->latoCD, sotto->latoAB,
                                                     sotto->settore, taccaDelCorso, meta))
                    diviso.pezzi[primoSotto + i].tacche.push_back(t);
                for (const Tacca &t : taccheDelCorso(interi[i].contorno, blank->latoAB, blank->latoCD, blank->settore,
                                                     taccaDelCorso, meta))
                    pezzi[i].tacche.push_back(t);
                taccaDelCorso += 2;
            }
        }
        interiSotto = interi;
        sotto = blank;
        // Every course closes on its own seam; each but the first is welded to the one below
        // along its base edge, a share of it on each piece of both courses.
        saldatura += blank->chiusura;
        if (j > 0) {
            saldatura += blank->bordoAB;
            const double quota = blank->bordoAB / divisione.parti / 2;
            for (PezzoLamiera &p : pezzi)
                p.saldatura += quota;
            for (size_t i = diviso.pezzi.size() - size_t(divisione.parti); i < diviso.pezzi.size(); ++i)
                diviso.pezzi[i].saldatura += quota;
        }
        for (const double g : giunti)
            saldatura += g;
        for (PezzoLamiera &p : pezzi) {
            p.corso = j + 1;
            p.nome = divisione.corsi > 1 ? QStringLiteral("C%1 P%2").arg(j + 1).arg(p.parte)
                                         : QStringLiteral("P%1").arg(p.parte);
            diviso.pezzi.push_back(std::move(p));
        }
    }
    diviso.saldaturaAggiunta = saldatura - intero->chiusura;
    return diviso;
}

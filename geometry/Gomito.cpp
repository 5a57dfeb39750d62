// The elbow's pieces, laid out in the bend plane and read off as side projections.
#include "geometry/Gomito.h"

#include <QtMath>

#include <cmath>
#include <optional>

namespace {
struct Punto {
    double x = 0, y = 0;
};
Punto piu(Punto a, Punto b) { return {a.x + b.x, a.y + b.y}; }
Punto meno(Punto a, Punto b) { return {a.x - b.x, a.y - b.y}; }
Punto per(Punto a, double k) { return {a.x * k, a.y * k}; }
double scalare(Punto a, Punto b) { return a.x * b.x + a.y * b.y; }
double vettoriale(Punto a, Punto b) { return a.x * b.y - a.y * b.x; }
double lunghezza(Punto a) { return std::hypot(a.x, a.y); }
double angolo(Punto da, Punto a) { return std::atan2(std::fabs(vettoriale(da, a)), scalare(da, a)); }
Punto sinistra(Punto a) { return {-a.y, a.x}; }

struct Retta {
    Punto punto, direzione;
};
std::optional<Punto> Incrocio(const Retta &r, const Retta &s)
{
    const double d = vettoriale(r.direzione, s.direzione);
    if (std::fabs(d) < 1e-15)
        return std::nullopt;
    const double t = vettoriale(meno(s.punto, r.punto), s.direzione) / d;
    return piu(r.punto, per(r.direzione, t));
}

// A right cone (or cylinder) in the bend plane: its axis through `origine` along `asse` (the
// elbow's run), its radius c + b s at s along the axis. The throat lies left of the run: the
// bend turns that way.
struct Cono {
    Punto origine, asse;
    double c = 0, b = 0;
    Retta gola() const { return {piu(origine, per(sinistra(asse), c)), piu(asse, per(sinistra(asse), b))}; }
    Retta dorso() const { return {meno(origine, per(sinistra(asse), c)), meno(asse, per(sinistra(asse), b))}; }
};

// The cone through the circle of radius `r0` at `origine`, square to `asse`, tangent to the sphere
// of radius `rho` centred on the axis at s = d: (r0 + b d)² = rho² (1 + b²), the root nearer the
// straight cone between the two.
Cono ConoPerCerchioESfera(Punto origine, Punto asse, double r0, double d, double rho)
{
    const double qa = d * d - rho * rho, qb = 2 * r0 * d, qc = r0 * r0 - rho * rho;
    if (std::fabs(qa) < 1e-12 * d * d)
        return {origine, asse, r0, -qc / qb};
    const double delta = std::sqrt(std::max(0.0, qb * qb - 4 * qa * qc));
    const double b1 = (-qb + delta) / (2 * qa), b2 = (-qb - delta) / (2 * qa);
    const double vicino = (rho - r0) / d;
    return {origine, asse, r0, std::fabs(b1 - vicino) < std::fabs(b2 - vicino) ? b1 : b2};
}

// The cone tangent to two spheres on its axis, radii `rho1` at `s1` and `rho2` at `s2`.
Cono ConoPerDueSfere(Punto s1, double rho1, Punto s2, double rho2)
{
    const Punto asse = per(meno(s2, s1), 1 / lunghezza(meno(s2, s1)));
    const double seno = (rho2 - rho1) / lunghezza(meno(s2, s1));
    const double coseno = std::sqrt(1 - seno * seno);
    return {s1, asse, rho1 / coseno, seno / coseno};
}
} // namespace

std::vector<PezzoGomito> PezziDelGomito(const FigureGomito &g)
{
    const double dMax = std::max(g.D1, g.D2);
    if (g.Pezzi < 2 || !(g.Angolo > 0 && g.Angolo <= 180) || !(g.R > dMax / 2) || !(g.D1 > 0 && g.D2 > 0) ||
        !(g.Tratto >= 0))
        return {};
    const int giunti = g.Pezzi - 1;
    const double teta = qDegreesToRadians(g.Angolo), tetaC = teta / (2 * giunti);
    const auto diametro = [&](double psi) { return g.D1 + (g.D2 - g.D1) * psi / teta; };
    const auto radiale = [](double psi) { return Punto{std::cos(psi), std::sin(psi)}; };
    const auto tangente = [](double psi) { return Punto{-std::sin(psi), std::cos(psi)}; };

    // Each joint's sphere sits where the two neighbouring axes meet.
    std::vector<Punto> centri;
    std::vector<double> raggi;
    for (int k = 1; k <= giunti; ++k) {
        const double psi = (2 * k - 1) * tetaC;
        centri.push_back(per(radiale(psi), g.R / std::cos(tetaC)));
        raggi.push_back(diametro(psi) / 2);
    }
    std::vector<Cono> coni;
    const Punto inizio = per(radiale(0), g.R), fine = per(radiale(teta), g.R);
    // The straight lengths move the free ends along the axes, away from the bend.
    const Punto uInizio = tangente(0), uFine = tangente(teta);
    const Punto estremoInizio = meno(inizio, per(uInizio, g.Tratto)), estremoFine = piu(fine, per(uFine, g.Tratto));
    coni.push_back(ConoPerCerchioESfera(estremoInizio, uInizio, g.D1 / 2,
                                        scalare(meno(centri.front(), estremoInizio), uInizio), raggi.front()));
    for (int k = 0; k + 1 < giunti; ++k)
        coni.push_back(ConoPerDueSfere(centri[std::size_t(k)], raggi[std::size_t(k)], centri[std::size_t(k + 1)],
                                       raggi[std::size_t(k + 1)]));
    coni.push_back(ConoPerCerchioESfera(estremoFine, uFine, g.D2 / 2, scalare(meno(centri.back(), estremoFine), uFine),
                                        raggi.back()));

    // Each cut as the corners on the throat and on the back: the free ends square to the axis,
    // each joint the plane through the crossings of neighbouring outlines.
    struct Taglio {
        Punto gola, dorso;
    };
    std::vector<Taglio> tagli;
    tagli.push_back(
        {piu(estremoInizio, per(sinistra(uInizio), g.D1 / 2)), meno(estremoInizio, per(sinistra(uInizio), g.D1 / 2))});
    for (std::size_t k = 0; k + 1 < coni.size(); ++k) {
        const std::optional<Punto> gola = Incrocio(coni[k].gola(), coni[k + 1].gola());
        const std::optional<Punto> dorso = Incrocio(coni[k].dorso(), coni[k + 1].dorso());
        if (!gola || !dorso)
            return {};
        tagli.push_back({*gola, *dorso});
    }
    tagli.push_back(
        {piu(estremoFine, per(sinistra(uFine), g.D2 / 2)), meno(estremoFine, per(sinistra(uFine), g.D2 / 2))});

    std::vector<PezzoGomito> pezzi;
    for (std::size_t i = 0; i < coni.size(); ++i) {
        PezzoGomito pezzo;
        Taglio base = tagli[i], cima = tagli[i + 1];
        pezzo.rovesciato = coni[i].b > 0; // widening along the run
        if (pezzo.rovesciato)
            std::swap(base, cima);
        const Punto A = base.gola, B = base.dorso, C = cima.gola, D = cima.dorso;
        // Cuts crossing inside the piece: the gore folds.
        const Punto verso = pezzo.rovesciato ? per(coni[i].asse, -1) : coni[i].asse;
        if (!(scalare(meno(C, A), verso) > 0 && scalare(meno(D, B), verso) > 0))
            return {};
        pezzo.proiezione = {lunghezza(meno(C, A)), lunghezza(meno(B, A)), lunghezza(meno(D, B)),
                            angolo(meno(B, A), meno(C, A)), angolo(meno(A, B), meno(D, B))};
        const std::optional<FigureOfficina> officina = OfficinaDaProiezione(pezzo.proiezione);
        if (!officina)
            return {};
        pezzo.officina = *officina;
        // A free end is square by construction: no rounding left as a "-0.000" cut.
        for (double *taglio : {&pezzo.officina.Taglio1, &pezzo.officina.Taglio2})
            if (std::fabs(*taglio) < 1e-9)
                *taglio = 0;
        pezzo.gola = pezzo.proiezione.AC;
        pezzo.dorso = pezzo.proiezione.BD;
        pezzi.push_back(pezzo);
    }
    return pezzi;
}

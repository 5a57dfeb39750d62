// A simple placement for a few large pieces: each piece turned to its narrowest upright box,
// tried as it is and turned half a turn, at the foot and at the head of the plate, and slid
// from the left until it keeps the kerf from every piece already there.
#include "plates/Annidamento.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
// Placement works on outlines simplified to this (mm); the distances it keeps grow by twice it.
constexpr double k_Semplificazione = 0.5;

struct Posato {
    Poligono contorno; // simplified, in plate coordinates
    Riquadro riquadro;
};

bool libero(const Poligono &contorno, const Riquadro &r, const std::vector<Posato> &posati, double distanza)
{
    for (const Posato &p : posati) {
        if (r.minX - p.riquadro.maxX >= distanza || p.riquadro.minX - r.maxX >= distanza ||
            r.minY - p.riquadro.maxY >= distanza || p.riquadro.minY - r.maxY >= distanza)
            continue;
        if (PiuViciniDi(contorno, p.contorno, distanza))
            return false;
    }
    return true;
}

struct Tentativo {
    double destra = 0; // right edge reached
    PezzoPosato posato;
    Poligono contorno;
};

// The leftmost place of `base` (already turned, box at the origin) at height `y`, or none.
std::optional<Tentativo> scorri(const Poligono &base, double y, const std::vector<Posato> &posati, double larghezza,
                                double margine, double distanza)
{
    const Riquadro r = RiquadroDi(base);
    const double ultimo = larghezza - margine - r.Larghezza();
    // Coarse steps, then halved down to a fraction of a millimetre between the last two.
    const double passo = std::max(20.0, distanza);
    const auto prova = [&](double x) {
        const Poligono p = Posiziona(base, 0, x, y);
        return libero(p, RiquadroDi(p), posati, distanza);
    };
    double bloccato = margine - passo;
    for (double x = margine; x <= ultimo + 1e-9; x += passo) {
        if (prova(x)) {
            // Closer, between the last blocked place and this one.
            double buono = x;
            for (int i = 0; i < 8 && bloccato >= margine; ++i) {
                const double mezzo = (bloccato + buono) / 2;
                (prova(mezzo) ? buono : bloccato) = mezzo;
            }
            return Tentativo{buono + r.Larghezza(), {0, 0, buono, y}, Posiziona(base, 0, buono, y)};
        }
        bloccato = x;
    }
    return std::nullopt;
}
} // namespace

Poligono ContornoPosato(const PezzoLamiera &pezzo, const PezzoPosato &posato)
{
    return Posiziona(pezzo.contorno, posato.angolo, posato.dx, posato.dy);
}

std::optional<double> AngoloMigliore(const Poligono &contorno, double altezza)
{
    std::optional<double> migliore;
    double larghezza = 0;
    for (int grado = 0; grado < 180; ++grado) {
        const Riquadro r = RiquadroDi(Posiziona(contorno, qDegreesToRadians(double(grado))));
        if (r.Altezza() <= altezza && (!migliore || r.Larghezza() < larghezza)) {
            migliore = qDegreesToRadians(double(grado));
            larghezza = r.Larghezza();
        }
    }
    return migliore;
}

std::optional<std::vector<LamieraPosata>> Annida(const std::vector<PezzoLamiera> &pezzi, const Lamiera &lamiera,
                                                 const RegoleAnnidamento &regole, size_t massimo)
{
    const double margine = regole.margine + k_Semplificazione;
    const double distanza = regole.kerf + 2 * k_Semplificazione;
    const double utileY = lamiera.altezza - 2 * margine;
    std::vector<size_t> ordine(pezzi.size());
    std::iota(ordine.begin(), ordine.end(), 0);
    std::stable_sort(ordine.begin(), ordine.end(), [&](size_t a, size_t b) {
        return std::abs(AreaConSegno(pezzi[a].contorno)) > std::abs(AreaConSegno(pezzi[b].contorno));
    });

    std::vector<LamieraPosata> lamiere;
    std::vector<std::vector<Posato>> occupate;
    for (const size_t i : ordine) {
        const Poligono semplice = Semplifica(pezzi[i].contorno, k_Semplificazione);
        const auto angolo = AngoloMigliore(semplice, utileY);
        if (!angolo || RiquadroDi(Posiziona(semplice, *angolo)).Larghezza() > lamiera.larghezza - 2 * margine)
            return std::nullopt;
        std::optional<Tentativo> scelto;
        size_t dove = 0;
        for (size_t l = 0; l <= lamiere.size() && !scelto; ++l) {
            static const std::vector<Posato> vuota;
            const std::vector<Posato> &posati = l < lamiere.size() ? occupate[l] : vuota;
            for (const double giro : {0.0, M_PI}) {
                const Poligono girato = Posiziona(semplice, *angolo + giro);
                const Riquadro r = RiquadroDi(girato);
                const Poligono base = Posiziona(girato, 0, -r.minX, -r.minY);
                for (const double y : {margine, lamiera.altezza - margine - r.Altezza()}) {
                    auto t = scorri(base, y, posati, lamiera.larghezza, margine, distanza);
                    if (t && (!scelto || t->destra < scelto->destra - 1e-9)) {
                        // The same place for the full outline: turn, then the shift of the box.
                        t->posato = {int(i), *angolo + giro, t->posato.dx - r.minX, y - r.minY};
                        scelto = t;
                        dove = l;
                    }
                }
            }
        }
        if (!scelto)
            return std::nullopt;
        if (dove == lamiere.size()) {
            if (lamiere.size() == massimo)
                return std::nullopt;
            lamiere.push_back({lamiera, {}});
            occupate.emplace_back();
        }
        lamiere[dove].pezzi.push_back(scelto->posato);
        occupate[dove].push_back({scelto->contorno, RiquadroDi(scelto->contorno)});
    }
    return lamiere;
}

// Builds the synthetic strips and sectors of the plot tests and measures them.
#include "FiguraSintetica.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double k_Pi = 3.14159265358979323846;

// Where point k (1 to 62) lies along the figure, 0 to 1: two halves of 31 points each, points 31
// and 32 both at one half.
double Frazione(int k) { return k <= 31 ? (k - 1) / 60.0 : 0.5 + (k - 32) / 60.0; }

double Lunghezza(const ArrayPunti &x, const ArrayPunti &y)
{
    double somma = 0;
    for (int k = 1; k < 62; ++k)
        somma += std::hypot(x[k + 1] - x[k], y[k + 1] - y[k]);
    return somma;
}

void Estremi(const ArrayPunti &a, double &massimo, double &minimo)
{
    const auto [min, max] = std::minmax_element(a.begin() + 1, a.end());
    massimo = *max;
    minimo = *min;
}

} // namespace

FiguraSintetica Striscia(double larghezza, double altezza, double quotaCD)
{
    FiguraSintetica f;
    for (int k = 1; k <= 62; ++k) {
        const double t = Frazione(k);
        f.XAB[k] = f.XCD[k] = t * larghezza;
        f.YCD[k] = quotaCD;
        f.YAB[k] = quotaCD + altezza - altezza / 20 * (1 - std::cos(2 * k_Pi * t));
    }
    return f;
}

FiguraSintetica Settore(double raggioAB, double raggioCD, double apertura, double inizio)
{
    FiguraSintetica f;
    f.cono = true;
    for (int k = 1; k <= 62; ++k) {
        const double angolo = inizio + Frazione(k) * apertura;
        f.XAB[k] = raggioAB * std::cos(angolo);
        f.YAB[k] = raggioAB * std::sin(angolo);
        f.XCD[k] = raggioCD * std::cos(angolo);
        f.YCD[k] = raggioCD * std::sin(angolo);
    }
    return f;
}

void Riempi(StatoSviluppo &s, const FiguraSintetica &f)
{
    s.XAB = f.XAB;
    s.YAB = f.YAB;
    s.XCD = f.XCD;
    s.YCD = f.YCD;
    s.SommaAB = Lunghezza(s.XAB, s.YAB);
    s.SommaCD = Lunghezza(s.XCD, s.YCD);
    Estremi(s.XAB, s.XABMax, s.XABMin);
    Estremi(s.YAB, s.YABMax, s.YABMin);
    Estremi(s.XCD, s.XCDMax, s.XCDMin);
    Estremi(s.YCD, s.YCDMax, s.YCDMin);
    if (f.cono) {
        s.Larghezza = s.XABMin < s.XCDMin ? s.XABMax - s.XABMin : s.XABMax - s.XCDMin;
        if (s.YCDMin < s.YCD[1] || s.YCDMin > s.YABMin)
            s.Altezza = s.YABMax - s.YABMin;
        else
            s.Altezza = s.YABMax - s.YCD[1];
    } else {
        s.Larghezza = s.XABMax - s.XCDMin;
        s.Altezza = s.YABMax - s.YCDMin;
    }
    s.Scala = 1;
}

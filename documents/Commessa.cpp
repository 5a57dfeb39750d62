// Comparing jobs by what a save would keep.
#include "documents/Commessa.h"

#include <QStringList>

#include <algorithm>
#include <tuple>

namespace {
bool stesseFigure(const FigureSviluppo &a, const FigureSviluppo &b)
{
    const auto testi = [](const FigureSviluppo &f) {
        return QStringList{f.Nome.testo(),      f.TestoAC.testo(),   f.TestoAB.testo(),      f.TestoBD.testo(),
                           f.TestoAlfa.testo(), f.TestoBeta.testo(), f.TestoSpessore.testo()};
    };
    const auto officina = [](const FigureSviluppo &f) {
        return f.Officina ? QList<double>{f.Officina->D1, f.Officina->D2, f.Officina->H, f.Officina->Taglio1,
                                          f.Officina->Taglio2}
                          : QList<double>{};
    };
    return testi(a) == testi(b) && ChiudeSuAC(a) == ChiudeSuAC(b) && (!SpessoreDigitato(a) || a.Quote == b.Quote) &&
           officina(a) == officina(b) && a.MaterialeLamiera.nome == b.MaterialeLamiera.nome &&
           a.MaterialeLamiera.densita == b.MaterialeLamiera.densita && a.Pieghe == b.Pieghe;
}

bool stessoEccentrico(const FigureEccentrico &a, const FigureEccentrico &b)
{
    const auto numeri = [](const FigureEccentrico &e) {
        return QList<double>{e.cono.D1,
                             e.cono.D2,
                             e.cono.H,
                             e.cono.Scostamento,
                             e.cono.Spessore,
                             double(e.cono.Quote),
                             double(e.cucitura.tipo),
                             e.cucitura.gradi,
                             e.materiale.densita,
                             double(e.generatori)};
    };
    return a.nome.testo() == b.nome.testo() && a.materiale.nome == b.materiale.nome && numeri(a) == numeri(b);
}
} // namespace

bool SpessoreDigitato(const FigureSviluppo &f) { return !TrimBlank(f.TestoSpessore).isEmpty(); }

bool ChiudeSuAC(const FigureSviluppo &f) { return QString(f.ChiudiAC) == QLatin1String("T"); }

bool StessaSorgente(const SorgentePezzo &a, const SorgentePezzo &b)
{
    if (a.solido != b.solido)
        return false;
    switch (a.solido) {
    case TipoSolido::Tronco:
        return stesseFigure(a.tronco, b.tronco);
    case TipoSolido::Eccentrico:
        return stessoEccentrico(a.eccentrico, b.eccentrico);
    }
    return false;
}

bool StessoGomito(const std::optional<GomitoCommessa> &a, const std::optional<GomitoCommessa> &b)
{
    if (!a || !b)
        return !a && !b;
    const auto numeri = [](const GomitoCommessa &g) {
        const FigureGomito &f = g.figure;
        return QList<double>{
            f.D1, f.D2, f.R, f.Angolo, double(f.Pezzi), f.Tratto, double(g.cucitura), double(g.sfalsata)};
    };
    return numeri(*a) == numeri(*b);
}

bool DivisioneCommessa::operator==(const DivisioneCommessa &b) const
{
    return std::tie(parti, corsi, luce, sfrido, kerf, margine, larghezza, altezza) ==
           std::tie(b.parti, b.corsi, b.luce, b.sfrido, b.kerf, b.margine, b.larghezza, b.altezza);
}

bool StessoContenuto(const Commessa &a, const Commessa &b)
{
    return a.nome == b.nome && StessoGomito(a.gomito, b.gomito) && a.divisione == b.divisione &&
           std::equal(a.pezzi.begin(), a.pezzi.end(), b.pezzi.begin(), b.pezzi.end(), StessaSorgente);
}

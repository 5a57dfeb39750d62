// Checking the typed elbow before any piece is built.
#include "geometry/Gomito.h"

#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <cmath>

namespace {
std::nullopt_t Rifiuta(CampoGomito &campo, CampoGomito quale, const QString &nome, const QString &prompt)
{
    campo = quale;
    MsgBox(prompt, Pulsanti::OK, QStringLiteral("Errore su ") + nome);
    return std::nullopt;
}

// A number as typed, a decimal comma counting as the point; blank gives `vuoto` when allowed.
bool Numero(const QString &testo, double &valore, std::optional<double> vuoto = std::nullopt)
{
    if (vuoto && TrimBlank(testo).isEmpty()) {
        valore = *vuoto;
        return true;
    }
    valore = ValoreNumerico(testo);
    return ENumerico(testo) && std::isfinite(valore);
}
} // namespace

std::optional<FigureGomito> ValidaGomito(const TestiGomito &testi, double spessore, CampoGomito &campo)
{
    campo = CampoGomito::Nessuno;
    FigureGomito g;
    if (!Numero(testi.D1, g.D1) || !(g.D1 > 2 * spessore))
        return Rifiuta(campo, CampoGomito::D1, QStringLiteral("D1"),
                       spessore > 0
                           ? QStringLiteral("D1 deve essere un numero maggiore del doppio dello spessore (mm)!")
                           : QStringLiteral("D1 deve essere un numero >0 (mm)!"));
    if (!Numero(testi.D2, g.D2, g.D1) || !(g.D2 > 2 * spessore))
        return Rifiuta(campo, CampoGomito::D2, QStringLiteral("D2"),
                       QStringLiteral("D2 deve essere vuoto (gomito a diametro costante) o un numero maggiore del "
                                      "doppio dello spessore (mm)!"));
    if (!Numero(testi.R, g.R) || !(g.R > std::max(g.D1, g.D2) / 2))
        return Rifiuta(campo, CampoGomito::R, QStringLiteral("Raggio"),
                       QStringLiteral("Il raggio di curvatura deve essere un numero maggiore di metà del diametro "
                                      "(%1 mm): la gola si incrocerebbe!")
                           .arg(QString::number(std::max(g.D1, g.D2) / 2, 'g', 10)));
    if (!Numero(testi.Angolo, g.Angolo) || !(g.Angolo > 0 && g.Angolo <= 180))
        return Rifiuta(campo, CampoGomito::Angolo, QStringLiteral("Angolo"),
                       QStringLiteral("L'angolo del gomito deve essere un numero di gradi oltre 0 e fino a 180!"));
    double pezzi = 0;
    if (!Numero(testi.Pezzi, pezzi) || pezzi != std::floor(pezzi) || pezzi < 2 || pezzi > k_PezziMassimiGomito)
        return Rifiuta(campo, CampoGomito::Pezzi, QStringLiteral("Pezzi"),
                       QStringLiteral("I pezzi devono essere un numero intero da 2 a %1!").arg(k_PezziMassimiGomito));
    g.Pezzi = int(pezzi);
    if (!Numero(testi.Tratto, g.Tratto, 0.0) || !(g.Tratto >= 0))
        return Rifiuta(campo, CampoGomito::Tratto, QStringLiteral("Tratto diritto"),
                       QStringLiteral("Il tratto diritto deve essere vuoto o un numero >=0 (mm)!"));
    // A reduction too steep for the gores: a piece would have no throat left, or fold.
    if (PezziDelGomito(g).empty())
        return Rifiuta(campo, CampoGomito::D2, QStringLiteral("D2"),
                       QStringLiteral("Con questo D2 gli spicchi si ripiegherebbero: ridurre la differenza tra D1 e "
                                      "D2 o aumentare il raggio!"));
    return g;
}

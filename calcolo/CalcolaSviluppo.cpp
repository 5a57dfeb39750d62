// From the input texts to a drawn development: validation, shape choice, development, plot.
#include "calcolo/CalcolaSviluppo.h"

#include "plot/ErroreEsecuzione.h"
#include "plot/StampaSviluppo.h"
#include "plot/SuperficieDisegno.h"
#include "platform/Piattaforma.h"

namespace {
// The plot's error trap: false when `comando` met a figure too large to draw (ErroreEsecuzione,
// thrown only by the plot). Any other exception is a fault and goes on.
bool TrappolaErrori(const std::function<void()> &comando)
{
    try {
        comando();
        return true;
    } catch (const ErroreEsecuzione &) {
        return false;
    }
}
} // namespace

bool CalcolaSviluppo(ContestoCalcolo &c)
{
    if (!FigureValide(c.stato))
        return false; // the previous drawing stays
    if (c.finestra)
        c.finestra->Superficie().Cls();
    ContestoSviluppo sviluppo{c.stato, c.finestra, c.foglio};
    const bool sviluppato = ScegliForma(sviluppo);
    if (sviluppato && c.finestra)
        EseguiRoutineStampa(c.stato.RoutineStampa, c.stato, c.finestra->Superficie());
    if (c.foglio)
        c.foglio->Nascondi();
    return sviluppato;
}

bool CalcolaOAvvisa(const std::function<bool()> &calcolo)
{
    bool sviluppato = false;
    if (TrappolaErrori([&] { sviluppato = calcolo(); }))
        return sviluppato;
    // The only run-time error of a calculation is the scale overflow of the plot.
    MsgBox(QStringLiteral("Lo sviluppo è troppo grande per essere disegnato: ridurre le misure"), Pulsanti::OK,
           QStringLiteral("Attenzione!"));
    return false;
}

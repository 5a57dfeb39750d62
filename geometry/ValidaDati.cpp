// Checking the five typed figures, converting them and laying out the side projection.
#include "geometry/ValidaDati.h"

#include "geometry/EsitoSviluppo.h"
#include "geometry/VerticeCono.h"
#include "platform/Piattaforma.h"
#include "platform/TestoNumerico.h"

#include <cmath>

namespace {
constexpr double k_PiGreco = 3.14159265359;
constexpr double k_SogliaParallele = 0.001; // radians

struct CampoPositivo {
    TestoFisso StatoSviluppo::*testo;
    const char *prompt;
    const char *titolo;
};

// In the order the fields are checked; only the AC prompt has a blank after ">".
const CampoPositivo k_Campi[] = {
    {&StatoSviluppo::TestoAC, "AC deve essere un numero > 0!", "Errore su AC"},
    {&StatoSviluppo::TestoAB, "AB deve essere un numero >0!", "Errore su AB"},
    {&StatoSviluppo::TestoBD, "BD deve essere un numero >0!", "Errore su BD"},
    {&StatoSviluppo::TestoAlfa, "Alfa deve essere un numero >0!", "Errore su Alfa"},
    {&StatoSviluppo::TestoBeta, "Beta deve essere un numero >0!", "Errore su Beta"},
};

void Rifiuta(StatoSviluppo &s, const QString &prompt, const QString &titolo)
{
    s.ErroreDati = 1;
    s.Risposta = MsgBox(prompt, Pulsanti::OK, titolo);
}

// The positivity is read before the comma is replaced, so "0,5" counts as 0.
bool CampiPositivi(StatoSviluppo &s)
{
    for (const CampoPositivo &campo : k_Campi) {
        const QString &testo = s.*campo.testo;
        if (!ENumerico(testo) || !(ValoreDi(testo) > 0)) {
            Rifiuta(s, QLatin1String(campo.prompt), QLatin1String(campo.titolo));
            return false;
        }
    }
    return true;
}

// Only the first comma becomes a point; a second one stays and ends the value there.
void SostituisciVirgola(TestoFisso &campo)
{
    QString testo = campo;
    const qsizetype posizione = testo.indexOf(QLatin1Char(','));
    if (posizione < 0)
        return;
    testo[posizione] = QLatin1Char('.');
    campo = testo;
}

void ConvertiFigure(StatoSviluppo &s)
{
    for (TestoFisso *campo : {&s.TestoAB, &s.TestoAC, &s.TestoBD, &s.TestoAlfa, &s.TestoBeta})
        SostituisciVirgola(*campo);
    s.LatoAC = ValoreDi(s.TestoAC);
    s.BaseAB = ValoreDi(s.TestoAB);
    s.LatoBD = ValoreDi(s.TestoBD);
    s.Alfa = ValoreDi(s.TestoAlfa);
    s.Beta = ValoreDi(s.TestoBeta);
    s.PiGreco = k_PiGreco;
    s.Alfa = s.Alfa * k_PiGreco / 180;
    s.Beta = s.Beta * k_PiGreco / 180;
}

void PuntiProiezione(StatoSviluppo &s) noexcept
{
    s.XA = 0;
    s.YA = 0;
    s.XB = s.BaseAB;
    s.YB = 0;
    s.XC = s.LatoAC * std::cos(s.Alfa);
    s.YC = s.LatoAC * std::sin(s.Alfa);
    s.XD = s.BaseAB - s.LatoBD * std::cos(s.Beta);
    s.YD = s.LatoBD * std::sin(s.Beta);
}
} // namespace

void ValidaDati(StatoSviluppo &s)
{
    if (!CampiPositivi(s))
        return;
    ConvertiFigure(s);
    if (s.LatoBD * std::cos(s.Beta) + s.LatoAC * std::cos(s.Alfa) > s.BaseAB) {
        Rifiuta(s, QStringLiteral("Attenzione la proiezione non è congruente con un tronco di cono !"),
                QStringLiteral("Errore lunghezze relative proiezioni lati sulla base !"));
        return;
    }
    PuntiProiezione(s);
    // A base angle of a straight angle or more puts its side under the base: no truncated solid,
    // though the two lines can still meet above the top (a 600-degree Beta gave a blank with
    // edges of 1e15 mm) or pass for parallel (180.02 and 0.001 gave a strip of negative width).
    if (s.Alfa >= s.PiGreco || s.Beta >= s.PiGreco) {
        AvvisaNonTronco(s);
        s.ErroreDati = 1;
        return;
    }
    if (std::fabs(s.Alfa - (s.PiGreco - s.Beta)) <= k_SogliaParallele)
        return; // parallel sides: a cylinder, which has no apex
    CalcolaVertice(s, s.XVerticeControllo, s.YVerticeControllo);
    if (s.LatoAC * std::sin(s.Alfa) > s.YVerticeControllo) {
        AvvisaNonTronco(s);
        s.ErroreDati = 1;
    }
}

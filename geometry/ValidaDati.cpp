// Checking the five typed figures, converting them and laying out the side projection.
#include "geometry/ValidaDati.h"

#include "geometry/EsitoSviluppo.h"
#include "geometry/FibraMedia.h"
#include "geometry/FormaProiezione.h"
#include "geometry/Lamiera.h"
#include "geometry/VerticeCono.h"
#include "platform/Piattaforma.h"
#include "platform/TestoNumerico.h"

#include <QRegularExpression>

#include <cmath>

namespace {
constexpr double k_PiGreco = 3.14159265359;
const QString k_ErroreSpessore = QStringLiteral("Errore su Spessore");

struct CampoPositivo {
    TestoFisso StatoSviluppo::*testo;
    CampoFigura campo;
    const char *prompt;
    const char *titolo;
};

// In the order the fields are checked; only the AC prompt has a blank after ">".
const CampoPositivo k_Campi[] = {
    {&StatoSviluppo::TestoAC, CampoFigura::AC, "AC deve essere un numero > 0!", "Errore su AC"},
    {&StatoSviluppo::TestoAB, CampoFigura::AB, "AB deve essere un numero >0!", "Errore su AB"},
    {&StatoSviluppo::TestoBD, CampoFigura::BD, "BD deve essere un numero >0!", "Errore su BD"},
    {&StatoSviluppo::TestoAlfa, CampoFigura::Alfa, "Alfa deve essere un numero >0!", "Errore su Alfa"},
    {&StatoSviluppo::TestoBeta, CampoFigura::Beta, "Beta deve essere un numero >0!", "Errore su Beta"},
};

void Rifiuta(StatoSviluppo &s, CampoFigura campo, const QString &prompt, const QString &titolo)
{
    s.ErroreDati = 1;
    s.CampoErrato = campo;
    s.Risposta = MsgBox(prompt, Pulsanti::OK, titolo);
}

// "1e9" is a number to the user, but a field holds only plain digits, and no more of them
// than its width: the prompt says so instead of denying that it is a number.
QString PromptCampo(const QString &prompt, const TestoFisso &testo)
{
    static const QRegularExpression esponente(QStringLiteral("^\\s*[+-]?(\\d+[.,]?\\d*|[.,]\\d+)[eE][+-]?\\d+\\s*$"));
    if (!esponente.match(testo).hasMatch())
        return prompt;
    return prompt.chopped(1) +
           QStringLiteral(", scritto in cifre senza esponente e in non più di %1 caratteri!").arg(testo.larghezza());
}

// The positivity is read before the comma is replaced, so "0,5" counts as 0.
bool CampiPositivi(StatoSviluppo &s)
{
    for (const CampoPositivo &campo : k_Campi) {
        const TestoFisso &testo = s.*campo.testo;
        if (!ENumerico(testo) || !(ValoreDi(testo) > 0)) {
            Rifiuta(s, campo.campo, PromptCampo(QLatin1String(campo.prompt), testo), QLatin1String(campo.titolo));
            return false;
        }
    }
    return true;
}

// Blank is no plate; a comma is a decimal one here too, since 0,5 mm is a real plate.
bool SpessoreAccettabile(StatoSviluppo &s)
{
    const QString &testo = s.TestoSpessore;
    if (TrimBlank(testo).isEmpty() || (ENumerico(testo) && ValoreSpessore(s) >= 0))
        return true;
    Rifiuta(s, CampoFigura::Spessore,
            PromptCampo(QStringLiteral("Spessore deve essere un numero >=0!"), s.TestoSpessore), k_ErroreSpessore);
    return false;
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
    for (TestoFisso *campo : {&s.TestoAB, &s.TestoAC, &s.TestoBD, &s.TestoAlfa, &s.TestoBeta, &s.TestoSpessore})
        SostituisciVirgola(*campo);
    s.LatoAC = ValoreDi(s.TestoAC);
    s.BaseAB = ValoreDi(s.TestoAB);
    s.LatoBD = ValoreDi(s.TestoBD);
    s.Alfa = ValoreDi(s.TestoAlfa);
    s.Beta = ValoreDi(s.TestoBeta);
    s.PiGreco = k_PiGreco;
    s.Alfa = s.Alfa * k_PiGreco / 180;
    s.Beta = s.Beta * k_PiGreco / 180;
    if (s.Officina) {
        const ProiezioneEsatta esatta = ProiezioneDaOfficina(*s.Officina);
        s.LatoAC = esatta.AC;
        s.BaseAB = esatta.AB;
        s.LatoBD = esatta.BD;
        s.Alfa = esatta.Alfa;
        s.Beta = esatta.Beta;
    }
}

// The developments run on the plate's mean surface: its projection takes the typed one's place.
void PortaSullaFibraMedia(StatoSviluppo &s)
{
    if (!ConSpessore(s))
        return;
    const double scostamento = ScostamentoFibraMedia(s);
    if (!FacceReali(s, ValoreSpessore(s), scostamento)) {
        Rifiuta(s, CampoFigura::Spessore, QStringLiteral("Lo spessore è troppo grande per le misure del tronco!"),
                k_ErroreSpessore);
        return;
    }
    SpostaLati(s, scostamento);
}
} // namespace

void ValidaDati(StatoSviluppo &s)
{
    s.CampoErrato = CampoFigura::Nessuno;
    if (!CampiPositivi(s) || !SpessoreAccettabile(s))
        return;
    ConvertiFigure(s);
    PuntiProiezione(s);
    // Sides that cross each other, told by where they meet: the lengths of their shadows on the
    // base say nothing of it (a side leaning outwards casts one past the other's).
    const FormaProiezione forma = FormaDellaProiezione(s);
    if (forma == FormaProiezione::LatiIncrociati) {
        Rifiuta(s, CampoFigura::Nessuno,
                QStringLiteral("Attenzione la proiezione non è congruente con un tronco di cono !"),
                QStringLiteral("Errore lunghezze relative proiezioni lati sulla base !"));
        return;
    }
    // A base angle of a straight angle or more puts its side under the base: no truncated solid,
    // though the two lines can still meet above the top (a 600-degree Beta gave a blank with
    // edges of 1e15 mm) or pass for parallel (180.02 and 0.001 gave a strip of negative width).
    if (s.Alfa >= s.PiGreco || s.Beta >= s.PiGreco) {
        AvvisaNonTronco(s);
        s.ErroreDati = 1;
        return;
    }
    if (!LatiParalleli(s)) {
        CalcolaVertice(s, s.XVerticeControllo, s.YVerticeControllo);
        if (s.LatoAC * std::sin(s.Alfa) > s.YVerticeControllo) {
            AvvisaNonTronco(s);
            s.ErroreDati = 1;
            return;
        }
    }
    // D past the apex is the cone development's to refuse, on the figures as typed.
    if (forma == FormaProiezione::Tronco)
        PortaSullaFibraMedia(s);
}

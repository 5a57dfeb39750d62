// The four plot routines: one set of steps, driven by a table of what sets the routines apart.
#include "plot/StampaSviluppo.h"

#include "plot/ErroreEsecuzione.h"
#include "geometry/MisureSviluppo.h"
#include "pieces/DatiOfficina.h"
#include "pieces/LegendaPezzo.h"
#include "pieces/PezzoDelTronco.h"
#include "platform/Piattaforma.h"
#include "platform/TestoNumerico.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr int k_PrimoPunto = 1; // the points of an edge; slot 0 is left alone
constexpr int k_UltimoPunto = k_PuntiBordo;
constexpr double k_PaginaX = k_LarghezzaDisegno; // the page's right edge, mm
constexpr double k_PaginaY = k_AltezzaDisegno;   // the page's bottom edge, mm
constexpr double k_Su = -6.0;                    // a corner letter stands above its corner
constexpr double k_Giu = 1.0;                    // or below it
constexpr double k_RigaDati = 4.0;               // the workshop data's line spacing

struct VarianteStampa {
    const QString &nome;
    double limiteX, limiteY; // the figure fits when narrower and lower than these, before any turn
    void (*estensione)(StatoSviluppo &) noexcept;
    bool ruota; // standing figures are drawn a quarter turn round
    double (*offsetX)(const StatoSviluppo &);
    double (*offsetY)(const StatoSviluppo &);
    double segnoOffsetY;                      // +1: OffsetY is added to y; -1: it is subtracted
    std::array<double, 4> scostamentoLettere; // A, B, C, D
    bool cono;                                // the legend says which solid
};

// Standing figures: the point of the reference edge that lay lowest before the turn goes on the
// right edge when it lay below zero.
double OffsetXInPiedi(double minimoRiferimento)
{
    return minimoRiferimento < 0 ? k_PaginaX + minimoRiferimento : k_PaginaX;
}

double OffsetXConoSteso(const StatoSviluppo &s) { return k_PaginaX - s.XABMax; }
double OffsetXConoInPiedi(const StatoSviluppo &s) { return OffsetXInPiedi(s.YABMin); }
double OffsetXCilindroSteso(const StatoSviluppo &s)
{
    return k_PaginaX - std::max(s.XAB[k_UltimoPunto], s.XCD[k_UltimoPunto]);
}
double OffsetXCilindroInPiedi(const StatoSviluppo &s) { return OffsetXInPiedi(s.YCDMin); }
double OffsetYSteso(const StatoSviluppo &s) { return k_PaginaY - s.YABMax; }
double OffsetYInPiedi(const StatoSviluppo &s) { return s.XABMax - k_PaginaY; }

const std::array<VarianteStampa, 4> &Varianti()
{
    static const std::array<VarianteStampa, 4> varianti{{
        {k_StampaConoOrizzontale,
         k_PaginaX,
         k_PaginaY,
         EstensioneCono,
         false,
         OffsetXConoSteso,
         OffsetYSteso,
         1.0,
         {k_Su, k_Su, k_Su, k_Su},
         true},
        {k_StampaConoVerticale,
         k_PaginaY,
         k_PaginaX,
         EstensioneCono,
         true,
         OffsetXConoInPiedi,
         OffsetYInPiedi,
         -1.0,
         {k_Giu, k_Giu, k_Su, k_Su},
         true},
        {k_StampaCilindroOrizzontale,
         k_PaginaX,
         k_PaginaY,
         EstensioneCilindro,
         false,
         OffsetXCilindroSteso,
         OffsetYSteso,
         1.0,
         {k_Giu, k_Giu, k_Su, k_Su},
         false},
        {k_StampaCilindroVerticale,
         k_PaginaY,
         k_PaginaX,
         EstensioneCilindro,
         true,
         OffsetXCilindroInPiedi,
         OffsetYInPiedi,
         -1.0,
         {k_Su, k_Giu, k_Su, k_Giu},
         false},
    }};
    return varianti;
}

void Dimezza(StatoSviluppo &s) noexcept
{
    for (int i = k_PrimoPunto; i <= k_UltimoPunto; ++i) {
        s.XAB[i] /= 2;
        s.YAB[i] /= 2;
        s.XCD[i] /= 2;
        s.YCD[i] /= 2;
    }
}

// `Scala` is 16 bits wide: 16384 is the last scale it can hold.
void RaddoppiaScala(StatoSviluppo &s)
{
    const int doppio = 2 * int(s.Scala);
    if (doppio > std::numeric_limits<std::int16_t>::max() || doppio < std::numeric_limits<std::int16_t>::min())
        throw ErroreEsecuzione("Overflow");
    s.Scala = static_cast<std::int16_t>(doppio);
}

void AdattaAllaPagina(StatoSviluppo &s, const VarianteStampa &v)
{
    // Non-finite figures would halve for ever or draw nothing sensible: refused as the overflow is.
    if (!SviluppoFinito(s))
        throw ErroreEsecuzione("Overflow");
    while (s.Larghezza >= v.limiteX || s.Altezza >= v.limiteY) {
        RaddoppiaScala(s); // before halving, so a refused figure is left as it came
        Dimezza(s);
        EstremiBordi(s);
        v.estensione(s);
    }
}

struct Punto {
    double x, y;
};

Punto Disegnato(const StatoSviluppo &s, const VarianteStampa &v, double x, double y)
{
    return {x + s.OffsetX, y + v.segnoOffsetY * s.OffsetY};
}
Punto PuntoAB(const StatoSviluppo &s, const VarianteStampa &v, int i) { return Disegnato(s, v, s.XAB[i], s.YAB[i]); }
Punto PuntoCD(const StatoSviluppo &s, const VarianteStampa &v, int i) { return Disegnato(s, v, s.XCD[i], s.YCD[i]); }

void Linea(SuperficieDisegno &superficie, Punto da, Punto a) { superficie.Line(da.x, da.y, a.x, a.y, k_BluScuro); }

void DisegnaContorno(const StatoSviluppo &s, const VarianteStampa &v, SuperficieDisegno &superficie)
{
    for (int i = k_PrimoPunto; i < k_UltimoPunto; ++i) {
        Linea(superficie, PuntoAB(s, v, i), PuntoAB(s, v, i + 1));
        Linea(superficie, PuntoCD(s, v, i), PuntoCD(s, v, i + 1));
    }
    Linea(superficie, PuntoAB(s, v, k_PrimoPunto), PuntoCD(s, v, k_PrimoPunto));
    Linea(superficie, PuntoAB(s, v, k_UltimoPunto), PuntoCD(s, v, k_UltimoPunto));
}

void ScriviLettere(const StatoSviluppo &s, const VarianteStampa &v, SuperficieDisegno &superficie)
{
    const std::array<Punto, 4> angoli{PuntoAB(s, v, k_PrimoPunto), PuntoAB(s, v, k_UltimoPunto),
                                      PuntoCD(s, v, k_PrimoPunto), PuntoCD(s, v, k_UltimoPunto)};
    for (std::size_t k = 0; k < angoli.size(); ++k) {
        superficie.ImpostaCurrentX(angoli[k].x - 1.0);
        superficie.ImpostaCurrentY(angoli[k].y + v.scostamentoLettere[k]);
        superficie.Print(QString(QLatin1Char("ABCD"[k])));
    }
}

bool FigureNumeriche(const StatoSviluppo &s)
{
    for (const TestoFisso *t : {&s.TestoAC, &s.TestoAB, &s.TestoBD, &s.TestoAlfa, &s.TestoBeta})
        if (!ENumerico(*t) || !(ValoreDi(*t) > 0))
            return false;
    return true;
}

// The workshop data under the legend, closer set: they are read, not looked up from afar.
void ScriviDatiOfficina(const StatoSviluppo &s, double y, SuperficieDisegno &superficie)
{
    // A drawing made from points alone (no figures behind them) has no such data.
    if (s.ErroreDati != 0 || !FigureNumeriche(s))
        return;
    const auto pezzo = PezzoDelTronco(s);
    if (!pezzo)
        return;
    for (const QString &riga : BloccoDatiOfficina(DatiOfficinaDelPezzo(*pezzo), FormatoPagina(s.Scala))) {
        superficie.ImpostaCurrentX(5);
        superficie.ImpostaCurrentY(y);
        superficie.Print(riga);
        y += k_RigaDati;
    }
}

void ScriviLegenda(const StatoSviluppo &s, const VarianteStampa &v, SuperficieDisegno &superficie)
{
    const QStringList righe = RigheLegenda(ValoriLegendaDelloStato(s, v.cono), FormatoPagina(s.Scala));
    double y = 0;
    for (const QString &riga : righe) {
        superficie.ImpostaCurrentX(5);
        superficie.ImpostaCurrentY(y);
        superficie.Print(riga);
        y += 7;
    }
    ScriviDatiOfficina(s, y, superficie);
}

// Leaves the arrays holding the drawn positions in twips, for the print correction.
void ConvertiInTwips(StatoSviluppo &s, const VarianteStampa &v) noexcept
{
    const double spostaX = s.OffsetX * k_TwipPerMm;
    const double spostaY = v.segnoOffsetY * s.OffsetY * k_TwipPerMm;
    for (int i = k_PrimoPunto; i <= k_UltimoPunto; ++i) {
        s.XAB[i] = s.XAB[i] * k_TwipPerMm + spostaX;
        s.XCD[i] = s.XCD[i] * k_TwipPerMm + spostaX;
        s.YAB[i] = s.YAB[i] * k_TwipPerMm + spostaY;
        s.YCD[i] = s.YCD[i] * k_TwipPerMm + spostaY;
    }
}

void StampaSviluppo(const VarianteStampa &v, StatoSviluppo &s, SuperficieDisegno &superficie)
{
    AdattaAllaPagina(s, v);
    if (s.Scala > 1)
        Piattaforma::corrente().Beep();
    // The offsets below read the extremes from before the turn.
    if (v.ruota)
        Ruota_Sviluppo(s);
    s.OffsetX = v.offsetX(s);
    s.OffsetY = v.offsetY(s);
    DisegnaContorno(s, v, superficie);
    ScriviLettere(s, v, superficie);
    ScriviLegenda(s, v, superficie);
    ConvertiInTwips(s, v);
}

} // namespace

void Stampa_Cono_Lato_Orizzontale(StatoSviluppo &s, SuperficieDisegno &superficie)
{
    StampaSviluppo(Varianti()[0], s, superficie);
}

void Stampa_Cono_Lato_Verticale(StatoSviluppo &s, SuperficieDisegno &superficie)
{
    StampaSviluppo(Varianti()[1], s, superficie);
}

void Stampa_Cilindro_Lato_Orizzontale(StatoSviluppo &s, SuperficieDisegno &superficie)
{
    StampaSviluppo(Varianti()[2], s, superficie);
}

void Stampa_Cilindro_Lato_Verticale(StatoSviluppo &s, SuperficieDisegno &superficie)
{
    StampaSviluppo(Varianti()[3], s, superficie);
}

bool EseguiRoutineStampa(const QString &nome, StatoSviluppo &s, SuperficieDisegno &superficie)
{
    for (const VarianteStampa &v : Varianti()) {
        if (v.nome == nome) {
            StampaSviluppo(v, s, superficie);
            return true;
        }
    }
    return false;
}

void Ruota_Sviluppo(StatoSviluppo &s)
{
    for (int i = k_PrimoPunto; i <= k_UltimoPunto; ++i) {
        s.Appoggio = s.YAB[i];
        s.YAB[i] = s.XAB[i];
        s.XAB[i] = -s.Appoggio;
        s.Appoggio = s.YCD[i];
        s.YCD[i] = s.XCD[i];
        s.XCD[i] = -s.Appoggio;
    }
}

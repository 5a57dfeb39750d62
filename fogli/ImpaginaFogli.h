// Tiling a true-size blank over sheets of paper: the turn, the grid and which sheets to print.
#pragma once

#include "fogli/SagomaFogli.h"
#include "plot/ElencoVisualizzazione.h"

#include <QDate>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

enum class OrientamentoFogli { Automatico, Verticale, Orizzontale };

enum class ErroreFogli {
    Nessuno,
    SagomaVuota,              // fewer than three points, or points that are not numbers
    SovrapposizioneNonValida, // outside 0-30 mm
    AreaTroppoPiccola,        // the drawing area cannot hold the marks and the scale bars
    TroppiFogli,              // more than k_FogliMassimi sheets in every admissible layout
};

constexpr double k_SovrapposizioneIniziale = 10;
constexpr double k_SovrapposizioneMassima = 30;
constexpr int k_FogliMassimi = 10000;

struct CartaFogli {
    // The drawing area of one sheet in mm, either way round: the orientation decides which side
    // runs across.
    double larghezza = 0, altezza = 0;
    OrientamentoFogli orientamento = OrientamentoFogli::Automatico;
    double sovrapposizione = k_SovrapposizioneIniziale; // mm shared by adjacent sheets
};

// What the title strip says beyond the blank itself: chosen by the caller, never read from elsewhere.
struct IntestazioneFogli {
    QString taratura; // the calibration applied to the sheets; empty: none
    QString carta;    // the paper's name, "A4"; empty: not named
    QDate data;       // the printout's date; invalid: today
    QString pezzo;    // which piece of a job of several, "Pezzo 2 di 4 · nome"; empty: a job of one
};

struct LetteraFoglio {
    QPointF punto; // template mm
    QString lettera;
};

struct Foglio {
    int colonna = 0, riga = 0; // from the template's top-left
    QString etichetta;         // "B2": column letter, row number
    bool stampato = false;     // false: the sheet meets neither the outline nor the material
    int numero = 0;            // 1-based over the printed sheets; 0 when skipped
    QRectF intervallo;         // the drawing area in template mm
};

struct ImpaginazioneFogli {
    ErroreFogli errore = ErroreFogli::Nessuno;
    double rotazione = 0; // degrees counter-clockwise applied to the development (y up)
    OrientamentoFogli orientamento = OrientamentoFogli::Verticale; // never Automatico once laid out
    double larghezzaFoglio = 0, altezzaFoglio = 0;                 // the drawing area as it runs on the sheets
    double sovrapposizione = 0;
    int colonne = 0, righe = 0, stampati = 0;
    // The turned outline in template mm: top-left origin, y down, its extents starting at 0.
    std::vector<QPointF> sagoma;
    std::vector<LetteraFoglio> angoli; // A to D, turned with the outline
    std::vector<QLineF> generatori;    // the 62 generators, turned with the outline
    QStringList legenda;
    QStringList dati;               // the workshop data, beside the cover's texts
    IntestazioneFogli intestazione; // its date always valid
    std::vector<Foglio> fogli;      // row by row; DisegnaFoglio draws each when it is printed
    // No printed sheet has room for the scale bars clear of the material: the cover carries them.
    bool scaleInCopertina = false;
    // The first pages: the whole template reduced, its grid and how to assemble it, then as many
    // pages as the labels of a large grid need. Empty on a refusal.
    std::vector<ElencoVisualizzazione> copertina;

    const Foglio *foglio(int colonna, int riga) const noexcept;
};

// "A".."Z", "AA".. for the column, then the row from 1.
QString EtichettaFoglio(int colonna, int riga);

// Tries 0 and 90 degrees and the turns that lay each direction of `sagoma` along either paper axis,
// on each orientation the paper allows; keeps the fewest printed sheets, then the fewest rows,
// then the first tried. The cover is drawn; the sheets are left to DisegnaFoglio.
ImpaginazioneFogli ImpaginaFogli(const SagomaFogli &sagoma, const CartaFogli &carta,
                                 const IntestazioneFogli &intestazione = {});

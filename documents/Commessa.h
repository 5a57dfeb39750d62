// A job: the pieces to cut, each with what it is made from, and where the job is kept.
#pragma once

#include "documents/Salvataggio.h"
#include "geometry/ConoObliquo.h"
#include "geometry/FigureSviluppo.h"
#include "geometry/Gomito.h"
#include "geometry/Materiale.h"

#include <QString>

#include <optional>
#include <vector>

// The solid a piece is developed from. Each kind keeps its figures as typed, in a struct of its own.
enum class TipoSolido {
    Tronco,     // a right cone or cylinder cut by two planes, typed as its side projection
    Eccentrico, // an oblique cone or cylinder between round parallel ends
};

// An eccentric reducer as typed: its figures in mm with the plate, where the blank is closed, what
// the plate is made of, and how many generators its table lists.
struct FigureEccentrico {
    TestoFisso nome{40};
    ConoObliquo cono;
    Cucitura cucitura;
    Materiale materiale;
    int generatori = 24;
};
constexpr int k_MassimiGeneratori = 3600;

// How the development drew a piece, as the window's labels and a .tnt record name it. A .tnt keeps
// it as read, so that a file opened and saved again keeps its bytes; a .vorna does not, since the
// next calculation finds it again.
struct DisegnoPezzo {
    QString routineStampa = QStringLiteral("Stampa");      // the plot routine's name
    QString conoCilindro = QStringLiteral("ConoCilindro"); // "Cono" or "Cilindro" once saved after a drawing
};

// What a piece is made from: the kind of solid and its figures. A new kind adds its own member
// beside the others; only the one named by `solido` is meaningful.
struct SorgentePezzo {
    TipoSolido solido = TipoSolido::Tronco;
    FigureSviluppo tronco; // with the plate it is rolled from
    FigureEccentrico eccentrico;
    DisegnoPezzo disegno;
};

// Where an elbow's pieces are closed: on the throat (AC) or on the back (BD); staggered, every
// other piece the other way, so that the seams do not line up.
enum class CucituraGomito { Gola, Dorso };
struct GomitoCommessa {
    FigureGomito figure;
    CucituraGomito cucitura = CucituraGomito::Gola;
    bool sfalsata = false;
};

// The most pieces along generators or courses a split has.
constexpr int k_MassimoParti = 12, k_MassimoCorsi = 4;
// The largest weld gap, kerf spacing, plate margin and trim allowance a split takes, mm.
constexpr double k_LuceMassima = 50, k_KerfMassimo = 100, k_MargineMassimo = 200, k_SfridoMassimo = 200;

// How the user chose to cut the first piece's blank from stock plates: pieces along the
// generators, courses, weld gap, trim allowance, kerf and margin (mm) and the plate's size.
struct DivisioneCommessa {
    int parti = 1, corsi = 1;
    double luce = 0, sfrido = 0, kerf = 10, margine = 10;
    double larghezza = 0, altezza = 0;
    bool operator==(const DivisioneCommessa &altra) const;
};

struct Commessa {
    QString nome;
    QString percorso; // empty until the job is saved or opened
    Salvataggio salvataggio = Salvataggio::Nessuno;
    std::vector<SorgentePezzo> pezzi; // in cutting order
    // An elbow's figures, kept to be edited again; its pieces are `pezzi`, rolled from the first one's plate.
    std::optional<GomitoCommessa> gomito;
    std::optional<DivisioneCommessa> divisione;
};

// Anything but blanks typed as the thickness, even a 0: a job keeps the plate as typed. Without it
// the plate's convention means nothing and is not kept.
bool SpessoreDigitato(const FigureSviluppo &f);

// Any closing text but "T" closes on BD, as the development reads it.
bool ChiudeSuAC(const FigureSviluppo &f);

// The same solid with the same texts (padding included), closing side and plate.
bool StessaSorgente(const SorgentePezzo &a, const SorgentePezzo &b);
// The same elbow figures, or neither is an elbow.
bool StessoGomito(const std::optional<GomitoCommessa> &a, const std::optional<GomitoCommessa> &b);
// The same name and the same pieces in the same order; where the job is kept does not count.
bool StessoContenuto(const Commessa &a, const Commessa &b);

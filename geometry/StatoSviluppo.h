// The one development being computed: input texts, figures, points, arrays, extents, control values.
#pragma once

#include "geometry/FigureSviluppo.h"

#include <QString>

#include <array>
#include <cstdint>

// Points 1 to 62 of each edge; slot 0 is never written.
constexpr int k_PuntiBordo = 62;
using ArrayPunti = std::array<double, k_PuntiBordo + 1>;

// A typed figure, to point the user at the one a validation refused.
enum class CampoFigura { Nessuno, AC, AB, BD, Alfa, Beta, Spessore };

// The input texts, as typed (fixed width), are the figures the state starts from.
struct StatoSviluppo : FigureSviluppo {
    // Figures as numbers; angles in radians once validated.
    double BaseAB = 0, LatoAC = 0, LatoBD = 0;
    double Alfa = 0, Beta = 0;
    double PiGreco = 0; // 3.14159265359, set by the validation

    // Corners of the side projection.
    double XA = 0, YA = 0, XB = 0, YB = 0, XC = 0, YC = 0, XD = 0, YD = 0;
    // Apex: the validation's copy and the cone development's own.
    double XVerticeControllo = 0, YVerticeControllo = 0;
    double XVertice = 0, YVertice = 0;

    // Intermediate quantities of the developments.
    double Gamma = 0, AngoloApertura = 0, SemiApertura = 0, AngoloAsse = 0;
    double Apotema = 0, Diametro = 0, Raggio = 0, Teta = 0;
    double XPiede = 0, YPiede = 0, XRetta = 0, YRetta = 0;
    double XTaglioAB = 0, YTaglioAB = 0, XTaglioCD = 0, YTaglioCD = 0;
    double LungAB = 0, LungCD = 0, PosSviluppo = 0;
    double XRuotato = 0, YRuotato = 0, Appoggio = 0;
    bool Specchiato = false; // cone: the projection was mirrored, which swaps the seam's mapping

    // The developed edges: AB from the base cut, CD from the top cut.
    ArrayPunti XAB{}, YAB{}, XCD{}, YCD{};

    // Edge lengths and extents.
    double SommaAB = 0, SommaCD = 0;
    double YABMax = 0, YABMin = 0, YCDMax = 0, YCDMin = 0;
    double XABMax = 0, XABMin = 0, XCDMax = 0, XCDMin = 0;
    double Larghezza = 0, Altezza = 0;

    // Where the plot placed the figure on the page (mm).
    double OffsetX = 0, OffsetY = 0;

    // Control values.
    std::int16_t ErroreDati = 0; // 1: the last validation rejected the input
    int Risposta = 0;            // button of the last message box
    std::int16_t Scala = 0;      // drawing scale 1:Scala
    QString RoutineStampa;       // name of the plot routine that drew the development

    // The field the last validation refused, when one alone is at fault.
    CampoFigura CampoErrato = CampoFigura::Nessuno;
};

// Names of the four plot routines, as stored with a development.
inline const QString k_StampaConoOrizzontale = QStringLiteral("Stampa_Cono_Lato_Orizzontale");
inline const QString k_StampaConoVerticale = QStringLiteral("Stampa_Cono_Lato_Verticale");
inline const QString k_StampaCilindroOrizzontale = QStringLiteral("Stampa_Cilindro_Lato_Orizzontale");
inline const QString k_StampaCilindroVerticale = QStringLiteral("Stampa_Cilindro_Lato_Verticale");

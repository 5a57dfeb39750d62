// A truncated right cone or cylinder as a workshop measures it: two diameters, a height, two cuts.
#pragma once

#include <QString>

#include <optional>

// D1 and D2 square to the axis where it meets the base cut (O1) and the top cut (O2), H from O1 to
// O2 along the axis (mm); each cut's inclination from square to the axis in degrees, a positive
// one raising the B (base) or D (top) side. D1 = D2 is a cylinder.
struct FigureOfficina {
    double D1 = 0, D2 = 0, H = 0;
    double Taglio1 = 0, Taglio2 = 0;
};

// The side projection of the same solid, exactly: lengths in mm, angles in radians.
struct ProiezioneEsatta {
    double AC = 0, AB = 0, BD = 0;
    double Alfa = 0, Beta = 0;
};

ProiezioneEsatta ProiezioneDaOfficina(const FigureOfficina &f);

// The converse, for any projection of a truncated solid (the apex beyond the top cut, or none);
// empty when the projection is not one.
std::optional<FigureOfficina> OfficinaDaProiezione(const ProiezioneEsatta &p);

// Half the angle between the two sides, in degrees, signed: positive for a cone narrowing from D1
// to D2.
double SemiAperturaGradi(const FigureOfficina &f);

// The typed workshop fields, as texts.
enum class CampoOfficina { Nessuno, D1, D2, H, Taglio1, Taglio2 };
struct TestiOfficina {
    QString D1, D2, H, Taglio1, Taglio2;
};

// Reads and checks the typed fields against a plate `spessore` mm thick (0: none). On a refusal
// one message box names the field and what it allows, `campo` points at it and the result is empty.
std::optional<FigureOfficina> ValidaOfficina(const TestiOfficina &testi, double spessore, CampoOfficina &campo);

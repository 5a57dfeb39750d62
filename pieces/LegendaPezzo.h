// The legend of a piece: one set of values, written for the page or for the true-size outputs.
#pragma once

#include "geometry/ConoObliquo.h"
#include "geometry/FigureSviluppo.h"
#include "geometry/StatoSviluppo.h"

#include <QLocale>
#include <QStringList>

#include <optional>

// An eccentric reducer's figures as typed (mm, with the plate) and where its seam stands (degrees
// of the base).
struct FigureLegendaObliquo {
    ConoObliquo cono;
    double gradiCucitura = 0;
};

// What the solid was and what its development measures.
struct ValoriLegenda {
    bool cono = false;
    FigureSviluppo figure; // as typed, the plate included; for another solid its name and plate
    double SommaAB = 0, SommaCD = 0;
    double CD = 0; // the seam C-D
    // Set for an eccentric reducer: its own figures stand in the place of the projection's, and
    // the edges and the seam generator are told by their exact lengths.
    std::optional<FigureLegendaObliquo> obliquo;
};

// The values of a state just developed (its arrays in mm) or plotted.
ValoriLegenda ValoriLegendaDelloStato(const StatoSviluppo &s, bool cono);

// How the numbers and the scale are written.
struct FormatoLegenda {
    // The page: numbers as "##,##0.00" in `locale`, the scale of the drawing, the name as typed.
    // Otherwise the true size: point decimals, 1:1 in mm, the sums' 62 chords, the name trimmed.
    bool pagina = false;
    int scala = 1;
    QLocale locale = QLocale::c();
};
FormatoLegenda FormatoPagina(int scala, const QLocale &locale = QLocale());

// "Cono: ..." or "Cilindro: ..." to "CD (mm): ...", seven lines; with a plate, an eighth says
// what was developed. Lines 1 and 2 are the typed figures.
QStringList RigheLegenda(const ValoriLegenda &valori, const FormatoLegenda &formato = {});

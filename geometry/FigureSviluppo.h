// The figures of a development as typed: the fixed-width texts that open every .tnt record.
#pragma once

#include "geometry/FigureOfficina.h"
#include "geometry/Materiale.h"
#include "platform/TestoFisso.h"

#include <optional>

#include <QString>

// Which face of the plate the typed figures describe.
enum class QuoteLamiera { Interne, Esterne, Medie };

// In record order: the texts from Nome to ChiudiBD are the first 84 bytes of a development's
// 122-byte record; the plate after them travels in the file's trailer.
struct FigureSviluppo {
    TestoFisso Nome{40};
    TestoFisso TestoAC{10};
    TestoFisso TestoAB{10};
    TestoFisso TestoBD{10};
    TestoFisso TestoAlfa{6};
    TestoFisso TestoBeta{6};
    TestoFisso ChiudiAC{1}; // "T": close on AC; "F": close on BD
    TestoFisso ChiudiBD{1}; // stored in files only

    // The plate, in mm as typed: blank or 0 is a surface of no thickness, developed as it stands.
    TestoFisso TestoSpessore{10};
    QuoteLamiera Quote = QuoteLamiera::Esterne;
    Materiale MaterialeLamiera; // for the weight; a .tnt does not keep it
    int Pieghe = 0;             // press-brake bends to lay out instead of rolling; 0: none

    // A job typed by its workshop figures keeps them and is developed from them exactly: the
    // texts above are then only their rounding, for the fields and for a .tnt.
    std::optional<FigureOfficina> Officina;

    // Sets both closing texts from the side chosen; ChiudiBD is always the other one.
    void ImpostaChiusura(const QString &chiudiAC)
    {
        ChiudiAC = chiudiAC;
        ChiudiBD = chiudiAC == QLatin1String("T") ? QStringLiteral("F") : QStringLiteral("T");
    }
};

// The figures of a development as typed: the fixed-width texts that open every .tnt record.
#pragma once

#include "platform/TestoFisso.h"

#include <QString>

// In record order: these are the first 84 bytes of a development's 122-byte record.
struct FigureSviluppo {
    TestoFisso Nome{40};
    TestoFisso TestoAC{10};
    TestoFisso TestoAB{10};
    TestoFisso TestoBD{10};
    TestoFisso TestoAlfa{6};
    TestoFisso TestoBeta{6};
    TestoFisso ChiudiAC{1}; // "T": close on AC; "F": close on BD
    TestoFisso ChiudiBD{1}; // stored in files only

    // Sets both closing texts from the side chosen; ChiudiBD is always the other one.
    void ImpostaChiusura(const QString &chiudiAC)
    {
        ChiudiAC = chiudiAC;
        ChiudiBD = chiudiAC == QLatin1String("T") ? QStringLiteral("F") : QStringLiteral("T");
    }
};

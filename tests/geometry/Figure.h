// Typing a development's figures into the state, as the worksheet does before "Calcola".
#pragma once

#include "geometry/StatoSviluppo.h"

#include <QMetaType>
#include <QString>

struct Figure {
    QString AC, AB, BD, Alfa, Beta;
    QString ChiudiAC = QStringLiteral("F");
};

inline void ImpostaFigure(StatoSviluppo &s, const Figure &f)
{
    s.Nome = QStringLiteral("Prova");
    s.TestoAC = f.AC;
    s.TestoAB = f.AB;
    s.TestoBD = f.BD;
    s.TestoAlfa = f.Alfa;
    s.TestoBeta = f.Beta;
    s.ImpostaChiusura(f.ChiudiAC);
}

Q_DECLARE_METATYPE(Figure)

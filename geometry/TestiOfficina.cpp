// Writing the projection of workshop figures into the fields that show it.
#include "geometry/TestiOfficina.h"

#include "geometry/FigureOfficina.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

QString TestoCampo(double valore, int larghezza)
{
    const auto intere = QString::number(std::floor(std::fabs(valore)), 'f', 0).size() + (valore < 0 ? 1 : 0);
    const int decimali = std::clamp(larghezza - static_cast<int>(intere) - 1, 0, 6);
    QString testo = QString::number(valore, 'f', decimali);
    if (testo.contains(QLatin1Char('.'))) {
        while (testo.endsWith(QLatin1Char('0')))
            testo.chop(1);
        if (testo.endsWith(QLatin1Char('.')))
            testo.chop(1);
    }
    return testo.left(larghezza);
}

void ImpostaOfficina(FigureSviluppo &f, const FigureOfficina &officina)
{
    const ProiezioneEsatta p = ProiezioneDaOfficina(officina);
    f.TestoAC = TestoCampo(p.AC, f.TestoAC.larghezza());
    f.TestoAB = TestoCampo(p.AB, f.TestoAB.larghezza());
    f.TestoBD = TestoCampo(p.BD, f.TestoBD.larghezza());
    f.TestoAlfa = TestoCampo(qRadiansToDegrees(p.Alfa), f.TestoAlfa.larghezza());
    f.TestoBeta = TestoCampo(qRadiansToDegrees(p.Beta), f.TestoBeta.larghezza());
    f.Officina = officina;
}

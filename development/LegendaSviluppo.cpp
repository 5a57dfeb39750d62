// The legend of the true-size exports: the figures as typed and the true lengths of the edges.
#include "development/LegendaSviluppo.h"

#include "geometry/Lamiera.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <cmath>

namespace {
QString due(double valore) { return QString::number(valore, 'f', 2); }
} // namespace

QStringList LegendaVera(const StatoSviluppo &s, bool cono)
{
    QStringList righe{
        (cono ? QStringLiteral("Cono: ") : QStringLiteral("Cilindro: ")) + TrimBlank(s.Nome),
        QStringLiteral("CA (mm): ") + due(ValoreDi(s.TestoAC)) + QStringLiteral("; AB: ") + due(ValoreDi(s.TestoAB)) +
            QStringLiteral("; BD: ") + due(ValoreDi(s.TestoBD)),
        QStringLiteral("Alfa (°): ") + due(ValoreDi(s.TestoAlfa)) + QStringLiteral("; Beta: ") +
            due(ValoreDi(s.TestoBeta)),
        QStringLiteral("Scala 1:1, unità di misura: mm"),
        QStringLiteral("Somma AB, 62 corde (mm): ") + due(s.SommaAB),
        QStringLiteral("Somma CD, 62 corde (mm): ") + due(s.SommaCD),
        QStringLiteral("CD (mm): ") + due(std::hypot(s.XD - s.XC, s.YD - s.YC)),
    };
    // What was developed, when the plate has a thickness.
    if (const QString nota = NotaSpessore(s, QLocale::c()); !nota.isEmpty())
        righe << nota;
    return righe;
}

// The legend lines, built once for every output that writes them.
#include "pieces/LegendaPezzo.h"

#include "geometry/Lamiera.h"
#include "platform/FormatoNumero.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <cmath>

ValoriLegenda ValoriLegendaDelloStato(const StatoSviluppo &s, bool cono)
{
    return {cono, s, s.SommaAB, s.SommaCD, std::hypot(s.XD - s.XC, s.YD - s.YC)};
}

FormatoLegenda FormatoPagina(int scala, const QLocale &locale) { return {true, scala, locale}; }

QStringList RigheLegenda(const ValoriLegenda &v, const FormatoLegenda &formato)
{
    const auto numero = [&formato](double valore) {
        return formato.pagina ? FormatoNumero(valore, formato.locale) : QString::number(valore, 'f', 2);
    };
    const auto figura = [&numero](const TestoFisso &testo) { return numero(ValoreDi(testo)); };
    const FigureSviluppo &f = v.figure;
    const QString corde = formato.pagina ? QString() : QStringLiteral(", 62 corde");
    QStringList righe{
        (v.cono ? QStringLiteral("Cono: ") : QStringLiteral("Cilindro: ")) +
            (formato.pagina ? f.Nome.testo() : TrimBlank(f.Nome)),
        QStringLiteral("CA (mm): ") + figura(f.TestoAC) + QStringLiteral("; AB: ") + figura(f.TestoAB) +
            QStringLiteral("; BD: ") + figura(f.TestoBD),
        QStringLiteral("Alfa (°): ") + figura(f.TestoAlfa) + QStringLiteral("; Beta: ") + figura(f.TestoBeta),
        formato.pagina ? QStringLiteral("Scala 1:") + QString::number(formato.scala)
                       : QStringLiteral("Scala 1:1, unità di misura: mm"),
        QStringLiteral("Somma AB") + corde + QStringLiteral(" (mm): ") + numero(v.SommaAB),
        QStringLiteral("Somma CD") + corde + QStringLiteral(" (mm): ") + numero(v.SommaCD),
        QStringLiteral("CD (mm): ") + numero(v.CD),
    };
    // What was developed, when the plate has a thickness.
    if (const QString nota = NotaSpessore(f, formato.locale); !nota.isEmpty())
        righe << nota;
    return righe;
}

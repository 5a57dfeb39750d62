// The legend lines, built once for every output that writes them.
#include "pieces/LegendaPezzo.h"

#include "geometry/Lamiera.h"
#include "platform/FormatoNumero.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <cmath>

namespace {
template <typename Numero>
QStringList righeObliquo(const FigureLegendaObliquo &o, const ValoriLegenda &v, const QString &nome,
                         const QString &scala, const Numero &numero)
{
    return {
        QStringLiteral("Riduzione eccentrica: ") + nome,
        QStringLiteral("D1 (mm): ") + numero(o.cono.D1) + QStringLiteral("; D2: ") + numero(o.cono.D2) +
            QStringLiteral("; H: ") + numero(o.cono.H),
        QStringLiteral("Scostamento (mm): ") + numero(o.cono.Scostamento) + QStringLiteral("; cucitura a (°): ") +
            numero(o.gradiCucitura),
        scala,
        QStringLiteral("Bordo AB (mm): ") + numero(v.SommaAB),
        QStringLiteral("Bordo CD (mm): ") + numero(v.SommaCD),
        QStringLiteral("Generatrice di cucitura (mm): ") + numero(v.CD),
    };
}
} // namespace

ValoriLegenda ValoriLegendaDelloStato(const StatoSviluppo &s, bool cono)
{
    return {cono, s, s.SommaAB, s.SommaCD, std::hypot(s.XD - s.XC, s.YD - s.YC), std::nullopt};
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
    const QString nome = formato.pagina ? f.Nome.testo() : TrimBlank(f.Nome);
    const QString scala = formato.pagina ? QStringLiteral("Scala 1:") + QString::number(formato.scala)
                                         : QStringLiteral("Scala 1:1, unità di misura: mm");
    QStringList righe;
    if (v.obliquo)
        righe = righeObliquo(*v.obliquo, v, nome, scala, numero);
    else
        righe = QStringList{
            (v.cono ? QStringLiteral("Cono: ") : QStringLiteral("Cilindro: ")) + nome,
            QStringLiteral("CA (mm): ") + figura(f.TestoAC) + QStringLiteral("; AB: ") + figura(f.TestoAB) +
                QStringLiteral("; BD: ") + figura(f.TestoBD),
            QStringLiteral("Alfa (°): ") + figura(f.TestoAlfa) + QStringLiteral("; Beta: ") + figura(f.TestoBeta),
            scala,
            QStringLiteral("Somma AB") + corde + QStringLiteral(" (mm): ") + numero(v.SommaAB),
            QStringLiteral("Somma CD") + corde + QStringLiteral(" (mm): ") + numero(v.SommaCD),
            QStringLiteral("CD (mm): ") + numero(v.CD),
        };
    // What was developed, when the plate has a thickness.
    if (const QString nota = NotaSpessore(f, formato.locale); !nota.isEmpty())
        righe << nota;
    return righe;
}

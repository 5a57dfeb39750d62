// One source of the ordinate rows, for the CSV, the table window and its printout.
#include "development/TabellaOrdinate.h"

#include "development/Esportazione.h"
#include "geometry/BordiSviluppo.h"
#include "platform/TestoNumerico.h"

#include <cmath>

QStringList IntestazioneOrdinate()
{
    return {QStringLiteral("k"),        QStringLiteral("XAB (mm)"), QStringLiteral("YAB (mm)"),
            QStringLiteral("XCD (mm)"), QStringLiteral("YCD (mm)"), QStringLiteral("Generatore (mm)")};
}

std::vector<RigaOrdinate> RigheOrdinate(const StatoSviluppo &s)
{
    std::vector<RigaOrdinate> righe;
    for (int k = 1; k <= k_PuntiBordo; ++k)
        righe.push_back(
            {k, s.XAB[k], s.YAB[k], s.XCD[k], s.YCD[k], std::hypot(s.XCD[k] - s.XAB[k], s.YCD[k] - s.YAB[k])});
    return righe;
}

TabellaOrdinate TabellaDelloStato(const StatoSviluppo &s, bool cono)
{
    auto cifra = [](const QString &testo) { return QString::number(ValoreDi(testo), 'f', 2); };
    TabellaOrdinate t;
    t.nome = TrimBlank(s.Nome);
    t.figure = (cono ? QStringLiteral("Cono") : QStringLiteral("Cilindro")) + QStringLiteral(" - CA (mm): ") +
               cifra(s.TestoAC) + QStringLiteral("; AB: ") + cifra(s.TestoAB) + QStringLiteral("; BD: ") +
               cifra(s.TestoBD) + QStringLiteral("; Alfa (°): ") + cifra(s.TestoAlfa) + QStringLiteral("; Beta: ") +
               cifra(s.TestoBeta);
    t.righe = RigheOrdinate(s);
    t.SommaAB = s.SommaAB;
    t.SommaCD = s.SommaCD;
    return t;
}

std::optional<TabellaOrdinate> TabellaDelleFigure(const FigureSviluppo &figure)
{
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    const bool sviluppate = SviluppaFigure(figure, k_GeneratoriPerMeta, sviluppato, profilo);
    return sviluppate ? std::optional(TabellaDelloStato(sviluppato, profilo.cono)) : std::nullopt;
}

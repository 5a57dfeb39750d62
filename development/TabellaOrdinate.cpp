// One source of the ordinate rows, for the CSV, the table window and its printout.
#include "development/TabellaOrdinate.h"

#include "development/Esportazione.h"
#include "geometry/BordiSviluppo.h"
#include "geometry/Lamiera.h"
#include "platform/TestoNumerico.h"

#include <cmath>

std::vector<double> RigaOrdinate::Valori(bool facce) const
{
    std::vector<double> valori{XAB, YAB, XCD, YCD, generatore};
    if (facce)
        valori.insert(valori.end(), {interna, esterna});
    return valori;
}

QStringList IntestazioneOrdinate(bool facce)
{
    QStringList titoli{QStringLiteral("k"),        QStringLiteral("XAB (mm)"), QStringLiteral("YAB (mm)"),
                       QStringLiteral("XCD (mm)"), QStringLiteral("YCD (mm)"), QStringLiteral("Generatore (mm)")};
    if (facce)
        titoli << QStringLiteral("GeneratoreInterno (mm)") << QStringLiteral("GeneratoreEsterno (mm)");
    return titoli;
}

std::vector<RigaOrdinate> RigheOrdinate(const StatoSviluppo &s, const GeneratoriFacce *facce)
{
    std::vector<RigaOrdinate> righe;
    for (int k = 1; k <= k_PuntiBordo; ++k) {
        RigaOrdinate r{k, s.XAB[k], s.YAB[k], s.XCD[k], s.YCD[k], std::hypot(s.XCD[k] - s.XAB[k], s.YCD[k] - s.YAB[k])};
        if (facce) {
            r.interna = facce->interna[std::size_t(k)];
            r.esterna = facce->esterna[std::size_t(k)];
        }
        righe.push_back(r);
    }
    return righe;
}

TabellaOrdinate TabellaDelloStato(const StatoSviluppo &s, bool cono, const GeneratoriFacce *facce)
{
    auto cifra = [](const QString &testo) { return QString::number(ValoreDi(testo), 'f', 2); };
    TabellaOrdinate t;
    t.nome = TrimBlank(s.Nome);
    t.figure = (cono ? QStringLiteral("Cono") : QStringLiteral("Cilindro")) + QStringLiteral(" - CA (mm): ") +
               cifra(s.TestoAC) + QStringLiteral("; AB: ") + cifra(s.TestoAB) + QStringLiteral("; BD: ") +
               cifra(s.TestoBD) + QStringLiteral("; Alfa (°): ") + cifra(s.TestoAlfa) + QStringLiteral("; Beta: ") +
               cifra(s.TestoBeta);
    t.nota = NotaSpessore(s);
    t.facce = facce != nullptr;
    t.righe = RigheOrdinate(s, facce);
    t.SommaAB = s.SommaAB;
    t.SommaCD = s.SommaCD;
    return t;
}

bool SviluppaOrdinate(const FigureSviluppo &figure, StatoSviluppo &sviluppato, bool &cono,
                      std::optional<GeneratoriFacce> &facce)
{
    ProfiloSviluppo profilo;
    if (!SviluppaFigure(figure, k_GeneratoriPerMeta, sviluppato, profilo))
        return false;
    cono = profilo.cono;
    facce = GeneratoriDelleFacce(figure);
    return true;
}

std::optional<TabellaOrdinate> TabellaDelleFigure(const FigureSviluppo &figure)
{
    StatoSviluppo sviluppato;
    bool cono = false;
    std::optional<GeneratoriFacce> facce;
    if (!SviluppaOrdinate(figure, sviluppato, cono, facce))
        return std::nullopt;
    return TabellaDelloStato(sviluppato, cono, facce ? &*facce : nullptr);
}

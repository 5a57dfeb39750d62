// The true-size DXF export: develop the figures as finely as the tolerance needs, then write.
#include "development/EsportaDxf.h"

#include "development/SviluppoTaglio.h"

std::optional<QByteArray> DxfDelleFigure(const FigureSviluppo &figure)
{
    StatoSviluppo sviluppato;
    ProfiloSviluppo profilo;
    if (!SviluppaPerTaglio(figure, sviluppato, profilo))
        return std::nullopt;
    return TestoDxf(sviluppato, profilo);
}

EsitoEsportazione EsportaDxf(const FigureSviluppo &figure, const QString &percorso, const QString &origine,
                             QString *motivo)
{
    const auto testo = DxfDelleFigure(figure);
    return testo ? ScriviEsportazione(percorso, *testo, origine, motivo) : EsitoEsportazione::DatiRifiutati;
}

// The table of export formats and the write every one of them goes through.
#include "exports/FormatiEsportazione.h"

#include "exports/EsportaCsv.h"

#include <QLocale>

#include <algorithm>

namespace {
std::optional<QByteArray> dxf(const Pezzo &pezzo, const OpzioniEsportazione &opzioni, QString &riepilogo)
{
    RiepilogoDxf scritto;
    auto testo = DxfDelPezzo(pezzo, opzioni.dxf, &scritto);
    riepilogo = QStringLiteral("%1 vertici, tolleranza %2 mm")
                    .arg(scritto.vertici)
                    .arg(QLocale().toString(scritto.tolleranza, 'f', 3));
    return testo;
}

std::optional<QByteArray> csv(const Pezzo &pezzo, const OpzioniEsportazione &, QString &) { return TestoCsv(pezzo); }

EsitoScrittura pdf(const Pezzo &pezzo, const OpzioniEsportazione &opzioni, const QString &percorso,
                   const QString &origine)
{
    EsitoScrittura esito;
    const EsitoPdf scritto = EsportaPdf(pezzo, opzioni.pdf, percorso, origine, &esito.motivo);
    esito.esito = scritto.esito;
    esito.fogli = scritto.errore;
    return esito;
}
} // namespace

const std::vector<FormatoEsportazione> &FormatiEsportazione()
{
    static const std::vector<FormatoEsportazione> formati{
        {QStringLiteral("--export-dxf"), QStringLiteral(".dxf"), QStringLiteral("(*.dxf)|*.dxf"), dxf, {}},
        {QStringLiteral("--export-csv"), QStringLiteral(".csv"), QStringLiteral("(*.csv)|*.csv"), csv, {}},
        {QStringLiteral("--export-pdf"), QStringLiteral(".pdf"), QStringLiteral("(*.pdf)|*.pdf"), {}, pdf},
    };
    return formati;
}

const FormatoEsportazione *FormatoPerOpzione(const QString &opzione)
{
    const auto &formati = FormatiEsportazione();
    const auto trovato = std::find_if(formati.begin(), formati.end(),
                                      [&](const FormatoEsportazione &f) { return f.opzione == opzione; });
    return trovato == formati.end() ? nullptr : &*trovato;
}

const FormatoEsportazione &FormatoPerEstensione(const QString &estensione)
{
    const auto &formati = FormatiEsportazione();
    return *std::find_if(formati.begin(), formati.end(),
                         [&](const FormatoEsportazione &f) { return f.estensione == estensione; });
}

EsitoScrittura ScriviPezzo(const FormatoEsportazione &formato, const Pezzo &pezzo, const OpzioniEsportazione &opzioni,
                           const QString &percorso, const QString &origine)
{
    if (formato.flusso) {
        EsitoScrittura esito = formato.flusso(pezzo, opzioni, percorso, origine);
        esito.percorso = percorso;
        return esito;
    }
    EsitoScrittura esito;
    esito.percorso = percorso;
    esito.esito = ScriviEsportazione(percorso, formato.testo(pezzo, opzioni, esito.riepilogo), origine, &esito.motivo);
    return esito;
}

// Fuzzer: any bytes as Taratura.dat, read, checked field by field, used for printing, listed,
// saved over and removed from.
#include "VerificaFuzz.h"

#include "calibration/ControlliTara.h"
#include "calibration/CorrezioneTara.h"
#include "calibration/FileTaratura.h"
#include "calibration/ProcedureTara.h"
#include "plot/Pagina.h"
#include "platform/FileSicuro.h"

#include <cmath>
#include <cstdint>

namespace {
// Enough records to reach every check; the rest of a long file only costs time.
constexpr int k_RecordControllati = 8;

void controlla(const RecordTara &record)
{
    const EsitoControlliTara esito = Controlli_Tara(record);
    Esigi(esito.ErroreTara == 0 || esito.ErroreTara == 1, "ErroreTara");
    for (const DescrizioneCampoTara &d : CampiTara()) {
        if (d.campo == CampoTara::NomeTara)
            continue;
        const QString &testo = Campo(record, d.campo);
        const EsitoSintassi sintassi = ControlloSintassi(d.campo, testo);
        Esigi(sintassi.testo.size() == testo.size(), "la sintassi cambia la lunghezza del testo");
    }
}

void correggi(const RecordTara &record)
{
    for (double unita : {1.0, k_TwipPerMm}) {
        const CorrezioneTara correzione(record, unita);
        for (double mm : {-5.0, 0.0, 0.5, 75.0, 140.0, 150.0, 180.0, 200.0, 220.0, 280.0, 300.0, 1e6}) {
            Esigi(std::isfinite(correzione.X(mm * unita)), "correzione X non finita");
            Esigi(std::isfinite(correzione.Y(mm * unita)), "correzione Y non finita");
        }
    }
}

// The manager's save of the first record as it stands (the overwrite question is not answered
// Yes) and removal of the first calibration; the file keeps whole records only.
void modifica(const QString &percorso, const QList<RecordTara> &record)
{
    const EsitoSalvaTara salvato = SalvaTara(record.first(), percorso);
    Esigi(salvato.esito == EsitoTara::Rinunciato, "il salvataggio senza Si ha scritto");
    const EsitoTara rimosso = RimuoviTara(0, int(record.size()), percorso);
    const auto dopo = LeggiTarature(percorso);
    Esigi(dopo.has_value(), "rilettura dopo la rimozione");
    if (record.size() == 1) {
        Esigi(rimosso == EsitoTara::Rifiutato && dopo->size() == 1, "rimossa l'ultima taratura");
        return;
    }
    Esigi(rimosso == EsitoTara::Eseguito && dopo->size() == record.size() - 1, "rimozione");
    Esigi(ByteDiTara(dopo->first()) == ByteDiTara(record.at(1)), "la rimozione ha spostato i record");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const QString percorso = FileDiLavoro(QStringLiteral("Taratura.dat"));
    ScriviByte(percorso, dati, dimensione);

    const auto record = LeggiTarature(percorso);
    Esigi(record.has_value(), "lettura");
    Esigi(record->size() == qsizetype(dimensione / k_LunghezzaRecordTara), "numero di record");
    Esigi(NomiTarature(percorso).size() == record->size(), "nomi");
    for (qsizetype i = 0; i < record->size() && i < k_RecordControllati; ++i) {
        controlla(record->at(i));
        correggi(record->at(i));
    }
    if (!record->isEmpty())
        modifica(percorso, *record);
    return 0;
}

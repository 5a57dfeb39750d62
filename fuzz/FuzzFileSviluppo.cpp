// Fuzzer: any bytes as a .tnt file, opened, computed, drawn, exported and saved back.
#include "VerificaFuzz.h"

#include "exports/EsportaCsv.h"
#include "documents/CodaSviluppo.h"
#include "exports/EsportaDxf.h"
#include "documents/RecordSviluppo.h"
#include "platform/FileSicuro.h"
#include "platform/TestoNumerico.h"

#include <algorithm>
#include <cstdint>

namespace {
// Such a blank nears the export's densest sampling (200000 vertices): a second in a release
// build, half a minute under the sanitizers, past the fuzzers' time limit. The export of huge
// figures is left to the tests; everything else of them is fuzzed.
bool oltreCentoMetri(const StatoSviluppo &s)
{
    for (const QString &testo : {QString(s.TestoAC), QString(s.TestoAB), QString(s.TestoBD)})
        if (ValoreDi(testo) > 1e5)
            return true;
    return false;
}

// The open of a development window: labels and shared texts from the record, then the driver.
EtichetteSviluppo apri(const RecordSviluppo &buffer)
{
    StatoSviluppo stato;
    CaricaNelloStato(buffer, stato);
    FinestraMuta finestra;
    FoglioFuzz foglio;
    ContestoCalcolo contesto{stato, &finestra, &foglio};
    if (CalcolaComeFinestra(contesto))
        VerificaSviluppo(stato);
    VerificaElenco(finestra.superficie);
    if (!oltreCentoMetri(stato))
        if (const auto dxf = DxfDelleFigure(stato))
            VerificaDxf(*dxf);
    if (const auto csv = CsvDelleFigure(stato))
        VerificaCsv(*csv);
    return EtichetteDaRecord(buffer);
}

// A save over the same file rewrites its last record and its plate's trailer and leaves every
// other byte as it was.
void salva(const QString &percorso, const QByteArray &prima, RecordSviluppo &buffer, EtichetteSviluppo &etichette)
{
    RiempiRecordDaEtichette(buffer, etichette);
    Esigi(ScriviRecordSviluppo(percorso, buffer) == EsitoFileSviluppo::Ok, "salvataggio");
    QByteArray dopo;
    Esigi(bool(LeggiFile(percorso, prima.size() + k_LunghezzaRecordSviluppo, dopo)), "rilettura dopo il salvataggio");
    const qint64 inizio = (NumeroRecord(prima.size()) - 1) * k_LunghezzaRecordSviluppo;
    const qint64 fine = inizio + k_LunghezzaRecordSviluppo;
    const QByteArray coda = CodaDelRecord(buffer, ByteDelRecord(buffer));
    const QByteArray seguito = !coda.isEmpty() || ECodaSviluppo(prima.mid(fine)) ? coda : prima.mid(fine);
    Esigi(dopo.left(inizio) == prima.left(inizio), "record precedenti cambiati");
    Esigi(dopo.size() == fine + seguito.size(), "lunghezza dopo il salvataggio");
    Esigi(dopo.mid(fine) == seguito, "byte seguenti sbagliati");
    Esigi(dopo.mid(inizio, k_LunghezzaRecordSviluppo) == ByteDelRecord(buffer), "record scritto");

    RecordSviluppo riletto;
    Esigi(LeggiRecordSviluppo(percorso, riletto) == EsitoFileSviluppo::Ok, "rilettura del record");
    Esigi(ByteDelRecord(riletto) == ByteDelRecord(buffer), "il record riletto differisce");
    Esigi(!riletto.CodaScaduta && riletto.TestoSpessore.testo() ==
                                      (coda.isEmpty() ? QString(10, QLatin1Char(' ')) : buffer.TestoSpessore.testo()),
          "spessore riletto");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const QString percorso = FileDiLavoro(QStringLiteral("Sviluppo.tnt"));
    ScriviByte(percorso, dati, dimensione);
    const QByteArray prima(reinterpret_cast<const char *>(dati), qsizetype(dimensione));

    RecordSviluppo buffer;
    Esigi(LeggiRecordSviluppo(percorso, buffer) == EsitoFileSviluppo::Ok, "lettura");
    Esigi(ByteDelRecord(buffer).size() == k_LunghezzaRecordSviluppo, "record di 122 byte");
    EtichetteSviluppo etichette = apri(buffer);
    salva(percorso, prima, buffer, etichette);
    return 0;
}

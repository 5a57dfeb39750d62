// Fuzzer: any bytes as a job file's JSON, read, written back and read again.
#include "VerificaFuzz.h"

#include "documents/FileCommessa.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    const QByteArray json(reinterpret_cast<const char *>(dati), qsizetype(dimensione));
    Commessa commessa;
    commessa.nome = QStringLiteral("aperta");
    if (!CommessaDaJson(json, commessa).isEmpty()) {
        Esigi(commessa.nome == QLatin1String("aperta") && commessa.pezzi.empty(), "commessa cambiata da un rifiuto");
        return 0;
    }
    Esigi(!commessa.pezzi.empty() && commessa.pezzi.size() <= size_t(k_MassimoPezziCommessa), "numero di pezzi");
    const QByteArray scritta = CommessaInJson(commessa);
    Commessa riletta;
    Esigi(CommessaDaJson(scritta, riletta).isEmpty(), "la commessa scritta non si rilegge");
    Esigi(StessoContenuto(riletta, commessa), "la commessa riletta differisce");
    Esigi(CommessaInJson(riletta) == scritta, "una seconda scrittura differisce");
    return 0;
}

// Fuzzer: the worksheet's texts (AC, AB, BD, Alfa, Beta, closing side, name: one per line of the
// input) straight into the calculation driver, then the fixed print correction.
#include "VerificaFuzz.h"

#include "worksheet/CorreggiStampa.h"

#include <QList>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione)
{
    QList<QByteArray> righe = QByteArray(reinterpret_cast<const char *>(dati), qsizetype(dimensione)).split('\n');
    while (righe.size() < 7)
        righe.append(QByteArray());
    auto testo = [&righe](int i) { return QString::fromUtf8(righe.at(i)); };

    StatoSviluppo stato;
    stato.TestoAC = testo(0);
    stato.TestoAB = testo(1);
    stato.TestoBD = testo(2);
    stato.TestoAlfa = testo(3);
    stato.TestoBeta = testo(4);
    stato.ChiudiAC = righe.at(5).startsWith('T') ? QStringLiteral("T") : QStringLiteral("F");
    stato.Nome = testo(6);

    FinestraMuta finestra;
    FoglioFuzz foglio;
    ContestoCalcolo contesto{stato, &finestra, &foglio};
    const bool sviluppato = CalcolaComeFinestra(contesto);
    VerificaElenco(finestra.superficie);
    if (sviluppato) {
        VerificaSviluppo(stato);
        Correggi_Stampa(stato);
        VerificaSviluppo(stato);
    }
    return 0;
}

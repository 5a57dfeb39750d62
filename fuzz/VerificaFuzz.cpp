// Checks shared by the fuzzers, the silent platform and the scratch folder.
#include "VerificaFuzz.h"

#include "platform/PiattaformaSilenziosa.h"
#include "calcolo/CalcolaSviluppo.h"
#include "plot/ErroreEsecuzione.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>

// libFuzzer calls this once before the first input, in every fuzzer.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static PiattaformaSilenziosa silenziosa;
    Piattaforma::installa(&silenziosa);
    return 0;
}

void Esigi(bool condizione, const char *cosa)
{
    if (condizione)
        return;
    std::fprintf(stderr, "VERIFICA FALLITA: %s\n", cosa);
    std::abort();
}

namespace {
void finito(double valore, const char *cosa) { Esigi(std::isfinite(valore), cosa); }

void finiti(const ArrayPunti &a, const char *cosa)
{
    for (int k = 1; k <= 62; ++k)
        finito(a[std::size_t(k)], cosa);
}

QList<QByteArray> righe(const QByteArray &testo)
{
    QList<QByteArray> elenco = testo.split('\n');
    Esigi(!elenco.isEmpty() && elenco.takeLast().isEmpty(), "il testo non finisce con un a capo");
    for (QByteArray &riga : elenco) {
        Esigi(riga.endsWith('\r'), "riga senza CR LF");
        riga.chop(1);
    }
    return elenco;
}

double numero(const QByteArray &testo, const char *cosa)
{
    bool ok = false;
    const double valore = testo.trimmed().toDouble(&ok);
    Esigi(ok, cosa);
    finito(valore, cosa);
    return valore;
}

bool codiceReale(int codice)
{
    return (codice >= 10 && codice <= 59) || (codice >= 110 && codice <= 149) || (codice >= 210 && codice <= 239) ||
           (codice >= 1010 && codice <= 1059);
}
} // namespace

void VerificaSviluppo(const StatoSviluppo &s)
{
    finiti(s.XAB, "XAB");
    finiti(s.YAB, "YAB");
    finiti(s.XCD, "XCD");
    finiti(s.YCD, "YCD");
    for (double v : {s.SommaAB, s.SommaCD, s.XABMax, s.XABMin, s.YABMax, s.YABMin, s.XCDMax, s.XCDMin, s.YCDMax,
                     s.YCDMin, s.Larghezza, s.Altezza})
        finito(v, "somme o estensioni");
}

void VerificaElenco(const ElencoVisualizzazione &elenco)
{
    for (const ElementoDisegno &e : elenco.elementi()) {
        finito(e.x1, "elenco x1");
        finito(e.y1, "elenco y1");
        finito(e.x2, "elenco x2");
        finito(e.y2, "elenco y2");
    }
}

void VerificaDxf(const QByteArray &dxf)
{
    const QList<QByteArray> elenco = righe(dxf);
    Esigi(elenco.size() % 2 == 0, "DXF con righe spaiate");
    for (qsizetype i = 0; i < elenco.size(); i += 2) {
        bool ok = false;
        const int codice = elenco[i].trimmed().toInt(&ok);
        Esigi(ok, "DXF: codice di gruppo non intero");
        if (codiceReale(codice))
            numero(elenco[i + 1], "DXF: numero non finito");
    }
    Esigi(elenco.size() >= 2 && elenco.last() == "EOF", "DXF senza EOF");
}

void VerificaCsv(const QByteArray &csv)
{
    const QList<QByteArray> elenco = righe(csv);
    // A plate adds both faces' generators to each point and its note at the end.
    const bool lamiera = !elenco.isEmpty() && elenco.first().endsWith(",GeneratoreEsterno (mm)");
    Esigi(elenco.size() == 1 + 62 + 2 + lamiera, "CSV: numero di righe");
    for (qsizetype i = 1; i < 1 + 62 + 2; ++i) {
        const QList<QByteArray> celle = elenco[i].split(',');
        Esigi(celle.size() == (i <= 62 ? 6 + 2 * lamiera : 2), "CSV: numero di celle");
        for (qsizetype c = 1; c < celle.size(); ++c)
            numero(celle[c], "CSV: numero non finito");
    }
    Esigi(!lamiera || elenco.last().startsWith("Spessore,\"Spessore "), "CSV: nota dello spessore");
}

bool CalcolaComeFinestra(ContestoCalcolo &c)
{
    try {
        return CalcolaSviluppo(c);
    } catch (const ErroreEsecuzione &) {
        return true; // developed; only the drawing stopped
    }
}

QString FileDiLavoro(const QString &nome)
{
    // In memory where there is a tmpfs: every safe write ends with an fsync, slow on a disk.
    static QTemporaryDir cartella(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                      ? QStringLiteral("/dev/shm/vorna-fuzz-XXXXXX")
                                      : QDir::tempPath() + QStringLiteral("/vorna-fuzz-XXXXXX"));
    Esigi(cartella.isValid(), "cartella temporanea");
    return cartella.filePath(nome);
}

void ScriviByte(const QString &percorso, const uint8_t *dati, size_t dimensione)
{
    std::FILE *file = std::fopen(QFile::encodeName(percorso).constData(), "wb");
    Esigi(file != nullptr, "apertura del file di prova");
    Esigi(dimensione == 0 || std::fwrite(dati, 1, dimensione, file) == dimensione, "scrittura del file di prova");
    Esigi(std::fclose(file) == 0, "chiusura del file di prova");
}

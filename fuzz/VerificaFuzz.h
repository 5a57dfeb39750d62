// What every fuzzer demands of a result: finite numbers everywhere, well-formed exports.
#pragma once

#include "calcolo/ContestoCalcolo.h"
#include "plot/ElencoVisualizzazione.h"
#include "tests/support/FinestraMuta.h"

#include <QByteArray>
#include <QString>

// LLVMFuzzerInitialize, defined here for every fuzzer, installs the silent platform.

// Aborts with `cosa` on stderr when `condizione` fails, so libFuzzer records the input.
void Esigi(bool condizione, const char *cosa);

// The arrays 1..62, edge sums, extents and sizes of a finished development.
void VerificaSviluppo(const StatoSviluppo &s);
void VerificaElenco(const ElencoVisualizzazione &elenco);
// Pairs of lines, integer group codes, finite numbers in every real-valued group, EOF at the end.
void VerificaDxf(const QByteArray &dxf);
// Header, 62 rows and two sums, every cell after the first a finite number.
void VerificaCsv(const QByteArray &csv);


class FoglioFuzz final : public VistaFoglio {
public:
    void Mostra() override {}
    void Nascondi() override {}
};

// Runs the calculation driver as the windows do: a plot that overflows the scale is the run-time
// error their commands trap. True when a development was computed, drawn or not.
bool CalcolaComeFinestra(ContestoCalcolo &c);

// A private scratch folder for the run, removed at exit; the path of `nome` inside it.
QString FileDiLavoro(const QString &nome);
// Replaces the file's content with `dati`.
void ScriviByte(const QString &percorso, const uint8_t *dati, size_t dimensione);

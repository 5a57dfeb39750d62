// A development window that only keeps its drawing: for benchmarks, fuzzers and tests that
// need a drawn development but none of the window's captions.
#pragma once

#include "calcolo/ContestoCalcolo.h"
#include "plot/ElencoVisualizzazione.h"

class FinestraMuta final : public FinestraAttiva {
public:
    SuperficieDisegno &Superficie() override { return superficie; }
    void ImpostaSalvato(const QString &) override {}
    void ImpostaStampa(const QString &) override {}

    ElencoVisualizzazione superficie;
};

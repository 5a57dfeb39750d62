// What a development needs of the outside world: the captions of the active window, the worksheet.
#pragma once

#include "geometry/StatoSviluppo.h"

// The frame's active development window, as the development sees it: two hidden labels.
class EtichetteFinestra {
public:
    virtual ~EtichetteFinestra() = default;
    virtual void ImpostaSalvato(const QString &didascalia) = 0; // caption of lblSalvato
    virtual void ImpostaStampa(const QString &didascalia) = 0;  // caption of lblStampa
};

// The input worksheet, shown again by a refused cone and hidden at the end of a calculation.
class VistaFoglio {
public:
    virtual ~VistaFoglio() = default;
    virtual void Mostra() = 0;
    virtual void Nascondi() = 0;
};

// One development's surroundings. Without a window no caption is set (exports); without a
// worksheet nothing is shown or hidden.
struct ContestoSviluppo {
    StatoSviluppo &stato;
    EtichetteFinestra *finestra = nullptr;
    VistaFoglio *foglio = nullptr;
};

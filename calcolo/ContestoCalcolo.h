// What a calculation needs of the outside world: the active development window and the worksheet.
#pragma once

#include "geometry/ContestoSviluppo.h"

class SuperficieDisegno;

// The frame's active development window: its two hidden labels and its drawing.
class FinestraAttiva : public EtichetteFinestra {
public:
    virtual SuperficieDisegno &Superficie() = 0; // cleared with its Cls()
};

// One calculation's surroundings. Without a window the development is computed but not
// drawn (exports); without a worksheet nothing is shown or hidden.
struct ContestoCalcolo {
    StatoSviluppo &stato;
    FinestraAttiva *finestra = nullptr;
    VistaFoglio *foglio = nullptr;
};

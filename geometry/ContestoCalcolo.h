// What a calculation needs of the outside world: the active development window and the worksheet.
#pragma once

#include "geometry/StatoSviluppo.h"

class SuperficieDisegno;

// The frame's active development window, as the calculation sees it.
class FinestraAttiva {
public:
    virtual ~FinestraAttiva() = default;
    virtual SuperficieDisegno &Superficie() = 0; // cleared with its Cls()
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

// One calculation's surroundings. Without a window the development is computed but not
// drawn (exports); without a worksheet nothing is shown or hidden.
struct ContestoCalcolo {
    StatoSviluppo &stato;
    FinestraAttiva *finestra = nullptr;
    VistaFoglio *foglio = nullptr;
};

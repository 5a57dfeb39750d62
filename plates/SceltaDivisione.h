// The splits worth proposing for a blank and the stock plates, ranked.
#pragma once

#include "documents/Commessa.h"
#include "plates/Annidamento.h"
#include "plates/DividiPezzo.h"

struct OpzioneDivisione {
    Divisione divisione;
    BlankDiviso diviso;
    std::vector<LamieraPosata> lamiere; // of one stock size, the last maybe of a smaller one
    double usoPercento = 0;             // pieces' area over the plates' area
    double pezziPerLamiera = 0;
};

// Better first: fewer plates, more of them used (to the whole percent: the gaps alone must not
// outweigh a seam), less weld added, more pieces per plate.
bool MiglioreDi(const OpzioneDivisione &a, const OpzioneDivisione &b);

struct RichiestaDivisione {
    Divisione divisione; // the gap; parti / corsi when fixed
    bool partiFisse = false, corsiFissi = false;
    RegoleAnnidamento regole;
};

// The options found: the fewest pieces along generators that fit, and the next two counts, for
// one to four courses (or the counts asked), on each stock size, the least filled plate then on
// the smallest size that holds its pieces; ranked, the best first. Empty
// when none fits: `minimo` then receives the least plate (W x H) the smallest piece tried needs.
std::vector<OpzioneDivisione> OpzioniDivisione(const FigureSviluppo &figure, const std::vector<Lamiera> &stock,
                                               const RichiestaDivisione &richiesta, Lamiera *minimo = nullptr);

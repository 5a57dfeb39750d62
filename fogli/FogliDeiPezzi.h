// A job of several pieces on one set of sheets: each piece laid out on its own, each sheet naming it.
#pragma once

#include "fogli/ImpaginaFogli.h"

#include <vector>

struct PezzoDaStampare {
    SagomaFogli sagoma;
    QString titolo; // what its sheets say of it, TitoloPezzoFogli; empty for a job of one piece
    int pezzo = 0;  // the job's piece it belongs to, from 0
};

// Only what belongs to the job's piece `pezzo` (from 0), each keeping its title: a spoiled sheet
// reprinted alone says what it said in the whole printout. Empty when that piece has nothing.
std::vector<PezzoDaStampare> SoloIlPezzo(const std::vector<PezzoDaStampare> &pezzi, int pezzo);

// "Pezzo 2 di 4 · Gola" (the name left out when blank or the default "Pezzo 2"); empty when the job
// has one piece.
QString TitoloPezzoFogli(int numero, int pezzi, const QString &nome);

struct ImpaginazioneDeiPezzi {
    ErroreFogli errore = ErroreFogli::Nessuno; // the first piece refused stops the rest
    int stampati = 0;                          // printed sheets of all pieces, their covers not counted
    std::vector<ImpaginazioneFogli> pezzi;     // in the job's order; DisegnaFoglio draws each sheet
};

// Each piece laid out by ImpaginaFogli on `carta`, its title strip naming it.
ImpaginazioneDeiPezzi ImpaginaPezzi(const std::vector<PezzoDaStampare> &pezzi, const CartaFogli &carta,
                                    const IntestazioneFogli &intestazione = {});

// What a development window's hidden labels show of its job, and the job's piece they describe.
#pragma once

#include "documents/RecordSviluppo.h"
#include "documents/Commessa.h"
#include "geometry/StatoSviluppo.h"

// A new window's first captions.
EtichetteSviluppo EtichetteIniziali();
// The first piece's figures and drawing; a job without pieces shows a new window's first captions.
EtichetteSviluppo EtichetteDellaCommessa(const Commessa &commessa);
EtichetteSviluppo EtichetteDelPezzo(const SorgentePezzo &pezzo);
SorgentePezzo PezzoDelleEtichette(const EtichetteSviluppo &etichette);

// The shape a save writes: it follows the plot routine's name when that is one of the four, and
// the piece shows it from then on.
void CompletaDisegno(SorgentePezzo &pezzo);

// The shared texts an open fills for the calculation of `pezzo`.
void CaricaPezzoNelloStato(const SorgentePezzo &pezzo, StatoSviluppo &stato);

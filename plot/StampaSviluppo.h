// The four plot routines: fit by halving, turn, place, draw edges, letters and legend, leave twips.
#pragma once

#include "geometry/StatoSviluppo.h"
#include "plot/SuperficieDisegno.h"

// Each throws ErroreEsecuzione when the figure would need Scala past 16384.
void Stampa_Cono_Lato_Orizzontale(StatoSviluppo &s, SuperficieDisegno &superficie);
void Stampa_Cono_Lato_Verticale(StatoSviluppo &s, SuperficieDisegno &superficie);
void Stampa_Cilindro_Lato_Orizzontale(StatoSviluppo &s, SuperficieDisegno &superficie);
void Stampa_Cilindro_Lato_Verticale(StatoSviluppo &s, SuperficieDisegno &superficie);

// Runs the routine named by `nome` (one of the four names); false for any other name.
bool EseguiRoutineStampa(const QString &nome, StatoSviluppo &s, SuperficieDisegno &superficie);

// A quarter turn of both edges: (x, y) becomes (-y, x).
void Ruota_Sviluppo(StatoSviluppo &s);

// Placeholder plot routines (being written).
#include "plot/StampaSviluppo.h"

void Stampa_Cono_Lato_Orizzontale(StatoSviluppo &, SuperficieDisegno &) {}
void Stampa_Cono_Lato_Verticale(StatoSviluppo &, SuperficieDisegno &) {}
void Stampa_Cilindro_Lato_Orizzontale(StatoSviluppo &, SuperficieDisegno &) {}
void Stampa_Cilindro_Lato_Verticale(StatoSviluppo &, SuperficieDisegno &) {}
bool EseguiRoutineStampa(const QString &, StatoSviluppo &, SuperficieDisegno &) { return false; }
void Ruota_Sviluppo(StatoSviluppo &) {}

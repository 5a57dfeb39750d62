// How a development ends: refused with its one message, or measured with its plot routine chosen.
#pragma once

#include "geometry/ContestoSviluppo.h"

// The box "La proiezione non è un tronco di cono !"; the answer goes to Risposta.
void AvvisaNonTronco(StatoSviluppo &s);

// The box, then the worksheet again so the user can correct the figures. Nothing is drawn.
void RifiutaProiezione(ContestoSviluppo &c);

// For a development whose arrays are filled: measures the edges and the extents (by the shape's
// `estensione` rule) and refuses the figure when any of these is not finite; otherwise marks the
// window unsaved, sets Scala to 1, chooses the standing or lying routine by Larghezza < Altezza
// (which the driver then runs). True when the development stands.
bool ConcludiSviluppo(ContestoSviluppo &c, void (*estensione)(StatoSviluppo &) noexcept,
                      const QString &routineVerticale, const QString &routineOrizzontale);

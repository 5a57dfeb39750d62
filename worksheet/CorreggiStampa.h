// The fixed print correction of a development's X coordinates for the factory printer.
#pragma once

struct StatoSviluppo;

// Pre-distorts elements 1 to 62 of XAB and XCD, in twips, with the three X zones of
// "Lexmark WinWriter 200"; element 0, the Y arrays and values outside 0..17010 are untouched.
void Correggi_Stampa(StatoSviluppo &stato);

// The correction of one X coordinate in twips.
double CorreggiXStampa(double x) noexcept;

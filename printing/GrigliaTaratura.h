// Printing the test grid on a real printer.
#pragma once

// The manager's "Stampa pagina di taratura": asks whether to print, lets the user choose the
// printer, prints the grid. Cancelling either step prints nothing; printer errors end silently.
void StampaPaginaTaratura();

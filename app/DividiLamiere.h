// vorna --split: a blank too large for the stock split, nested and written one DXF per plate.
#pragma once

#include "app/NomiDellaRiga.h"

#include <QStringList>

// `argomenti` follow "--split": IN (.tnt or .vorna), OUT_FOLDER, then the options. The exit code:
// 0 written, 1 figures refused or no plate holds the pieces, 2 wrong arguments or a file that
// cannot be read or written. Nothing is written unless every file can be.
int DividiLamiere(const QStringList &argomenti, const NomiDellaRiga &nomi);

extern const char k_UsoDividi[];

// vorna --new-eccentric: an eccentric reducer's job written from its figures, without a display.
#pragma once

#include "app/NomiDellaRiga.h"

#include <QStringList>

// `argomenti` follow "--new-eccentric": OUT.vorna, then the options. The exit code: 0 written,
// 1 figures refused (the worksheet's messages on stderr), 2 wrong arguments or a file that cannot
// be written.
int NuovoEccentrico(const QStringList &argomenti, const NomiDellaRiga &nomi);

extern const char k_UsoNuovoEccentrico[];

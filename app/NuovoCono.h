// vorna --new-cone: a job written from its workshop figures, without a display.
#pragma once

#include "app/NomiDellaRiga.h"

#include <QStringList>

// `argomenti` follow "--new-cone": OUT.vorna or OUT.tnt, then the options. The exit code: 0
// written, 1 figures refused (the worksheet's messages on stderr), 2 wrong arguments or a file
// that cannot be written.
int NuovoCono(const QStringList &argomenti, const NomiDellaRiga &nomi);

extern const char k_UsoNuovoCono[];

// vorna --new-elbow: a segmented elbow's job written from its figures, without a display.
#pragma once

#include "app/NomiDellaRiga.h"

#include <QStringList>

// `argomenti` follow "--new-elbow": OUT.vorna, then the options. The exit code: 0 written, 1
// figures refused (the field named on stderr), 2 wrong arguments or a file that cannot be written.
int NuovoGomito(const QStringList &argomenti, const NomiDellaRiga &nomi);

extern const char k_UsoNuovoGomito[];

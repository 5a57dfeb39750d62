// The program's own icon, for every window it opens.
#pragma once

#include <QIcon>

// The icon at each of its bitmap sizes, from the program's resources.
QIcon IconaVorna();

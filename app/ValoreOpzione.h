// The value that follows a command-line option, checked before anything reads it.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Why the value of the option `argomenti[i]`, that is `argomenti[i + 1]`, cannot be taken; nothing
// when it can. A missing or blank value is refused (taken, it would quietly mean "none"), and so
// is one longer than `larghezza` characters, blanks around it aside, when it fills a field of that
// width (0: no such field): cut to the width, it would say something else.
std::optional<QString> ValoreRifiutato(const QStringList &argomenti, qsizetype i, int larghezza = 0);

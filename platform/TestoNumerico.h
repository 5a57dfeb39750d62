// The two ways the program reads numbers out of texts.
#pragma once

#include <QString>

// "Value of": the number formed by the leading characters, "." the only decimal point,
// blanks skipped, stopping at the first character that cannot continue a number; 0 if none.
// "1,5" gives 1, "0,5" gives 0. Always finite.
double ValoreDi(const QString &testo) noexcept;

// "Is numeric": the whole text is one number, blanks around it allowed: an optional sign,
// digits with at most one decimal point or one decimal comma. All-blank texts, exponents,
// "NaN" and "inf" are not numbers.
bool ENumerico(const QString &testo) noexcept;

// The value of a text as "is numeric" accepts it: "139,15" gives 139.15. A text that is not
// numeric gives its "value of".
double ValoreNumerico(const QString &testo) noexcept;

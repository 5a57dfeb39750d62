// Numbers shown with the pattern "##,##0.00": grouping, two decimals, the locale's separators.
#pragma once

#include <QLocale>
#include <QString>

QString FormatoNumero(double valore, const QLocale &locale = QLocale());

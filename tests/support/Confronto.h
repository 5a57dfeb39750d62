// Fuzzy compares with a tolerance fitted to the figure being checked.
#pragma once

#include <QTest>

#include <cmath>

// Passes when |attuale - atteso| <= tolleranza; prints both values otherwise.
#define QCOMPARE_VICINO(attuale, atteso, tolleranza)                                                                   \
    do {                                                                                                               \
        const double a_ = (attuale);                                                                                   \
        const double e_ = (atteso);                                                                                    \
        if (!(std::fabs(a_ - e_) <= (tolleranza))) {                                                                   \
            QFAIL(qPrintable(QStringLiteral("%1 = %2, expected %3 within %4")                                          \
                                 .arg(QStringLiteral(#attuale))                                                        \
                                 .arg(a_, 0, 'g', 17)                                                                  \
                                 .arg(e_, 0, 'g', 17)                                                                  \
                                 .arg(double(tolleranza))));                                                           \
        }                                                                                                              \
    } while (false)

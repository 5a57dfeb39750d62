// The legend's number pattern "##,##0.00".
#include "platform/FormatoNumero.h"

QString FormatoNumero(double valore, const QLocale &locale)
{
    QLocale conGruppi = locale;
    conGruppi.setNumberOptions(QLocale::DefaultNumberOptions); // the C locale omits grouping by default
    return conGruppi.toString(valore, 'f', 2);
}

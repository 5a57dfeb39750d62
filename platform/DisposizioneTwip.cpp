// Captions kept whole in layouts measured in twips.
#include "platform/DisposizioneTwip.h"

#include <QWidget>

void AllargaAlTesto(QWidget *controllo)
{
    const int richiesta = controllo->sizeHint().width();
    if (richiesta > controllo->width())
        controllo->resize(richiesta, controllo->height());
}

// The ordinate table on paper: as many pages as its rows need, each headed with the development.
#pragma once

#include "printing/StampaSviluppoCarta.h"
#include "exports/TabellaOrdinate.h"

#include <QDate>

class QPagedPaintDevice;

// Paints `tabella` on `dispositivo`, whose page is already set up: on every page the name, the
// figures, `data` and the page number, then the column titles and as many rows as fit; the sums
// after the last row. Returns the pages painted, 0 when the device could not be painted on.
int DisegnaOrdinate(QPagedPaintDevice &dispositivo, const TabellaOrdinate &tabella, const QDate &data);

// "Stampa..." of the table window: asks for the printer, then prints the table as above.
EsitoStampa StampaOrdinateSuCarta(const TabellaOrdinate &tabella);

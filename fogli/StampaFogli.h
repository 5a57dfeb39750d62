// The laid-out sheets on any paged device (a printer, a PDF): one sheet a page, at true size.
#pragma once

#include "fogli/ImpaginaFogli.h"
#include "plot/RiproduciElenco.h"

#include <QPageLayout>
#include <QSizeF>

class QPagedPaintDevice;

// The drawing area a sheet of this page layout offers: its printable area, never larger than the
// 280 x 200 mm a calibration is measured on (the long side against the 280).
QSizeF AreaDisegnoFogli(const QPageLayout &pagina);

// The page orientation the layout chose its sheets for.
QPageLayout::Orientation OrientamentoPagina(const ImpaginazioneFogli &impaginazione);

// Draws the cover and then each printed sheet on its own page, in sheet millimetres from the printable area's
// top-left corner, every point through `correzione` (none: a device-independent PDF). The device's
// page orientation must already be OrientamentoPagina's. False when the device cannot be painted.
bool StampaFogli(QPagedPaintDevice &dispositivo, const ImpaginazioneFogli &impaginazione,
                 const MappaPunti &correzione = {});

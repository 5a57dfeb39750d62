// The laid-out sheets on any paged device (a printer, a PDF): one sheet a page, at true size.
#pragma once

#include "fogli/ImpaginaFogli.h"
#include "plot/RiproduciElenco.h"

#include <QPageLayout>
#include <QSizeF>

#include <vector>

class QPagedPaintDevice;

// The drawing area a sheet of this page layout offers: its whole printable area; through a
// calibration (`tarata`) never more than the 280 x 200 mm it is measured on (the long side against
// the 280), as nothing beyond is corrected.
QSizeF AreaDisegnoFogli(const QPageLayout &pagina, bool tarata);

// The page orientation the layout chose its sheets for.
QPageLayout::Orientation OrientamentoPagina(const ImpaginazioneFogli &impaginazione);

// Draws the cover and then each printed sheet on its own page, one sheet drawn at a time, in sheet millimetres from the printable area's
// top-left corner, every point through `correzione` (none: a device-independent PDF). The device's
// page orientation must already be OrientamentoPagina's. False when the device cannot be painted.
bool StampaFogli(QPagedPaintDevice &dispositivo, const ImpaginazioneFogli &impaginazione,
                 const MappaPunti &correzione = {});

// The same for each piece of a job in turn, its cover then its sheets, each on pages of the
// orientation its own layout chose.
bool StampaFogli(QPagedPaintDevice &dispositivo, const std::vector<ImpaginazioneFogli> &pezzi,
                 const MappaPunti &correzione = {});

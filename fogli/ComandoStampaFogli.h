// "Stampa a grandezza naturale...": which layout, what goes to the printer or the PDF, and every
// message and question on the way. The dialog only shows what these decide.
#pragma once

#include "development/DocumentoSviluppo.h"
#include "fogli/ImpaginaFogli.h"
#include "plot/RiproduciElenco.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>

#include <optional>

// Past this many sheets the user is asked first.
constexpr int k_FogliSenzaDomanda = 100;
// The least margin of a PDF sheet, mm: what an ordinary printer cannot reach at the paper's edge.
constexpr double k_MarginePdf = 5;

struct SceltaFogli {
    QPageSize carta{QPageSize::A4};
    OrientamentoFogli orientamento = OrientamentoFogli::Automatico;
    double sovrapposizione = k_SovrapposizioneIniziale;
    bool taraturaNelPdf = false; // the printer always applies the calibration in use
};

enum class EsitoFogli { Fatto, Rifiutato, Annullato, Errore };

// The blank of a development window, as finely as the DXF; empty after the message when the
// window holds no development or its figures are refused.
std::optional<SagomaFogli> SagomaDelDocumento(const DocumentoSviluppo &documento);

// A PDF sheet: the calibrated 280 x 200 mm centred on the paper, at least k_MarginePdf from its
// edges, so that a printer lays it out as the PDF does.
QPageLayout PaginaPdfFogli(const QPageSize &carta, QPageLayout::Orientation orientamento);

// The layout over sheets of `pagina`'s printable area, as chosen.
ImpaginazioneFogli ImpaginaSuPagina(const SagomaFogli &sagoma, const QPageLayout &pagina, const SceltaFogli &scelta);

// The layout on the program's own page of the chosen paper: what the preview shows and the PDF holds.
ImpaginazioneFogli ImpaginaSuCarta(const SagomaFogli &sagoma, const SceltaFogli &scelta);

// The papers offered: A4, A3 and Letter, then whatever else the default printer takes.
std::vector<QPageSize> CarteFogli();

// "1 foglio", "8 fogli".
QString TestoNumeroFogli(int fogli);

// False after its message when the layout was refused, or when the user declines the question
// asked past k_FogliSenzaDomanda sheets.
bool ImpaginazioneAccettata(const ImpaginazioneFogli &impaginazione);

// The PDF of the printed sheets, in memory; empty when it could not be painted.
std::optional<QByteArray> PdfDeiFogli(const ImpaginazioneFogli &impaginazione, const QPageSize &carta,
                                      const MappaPunti &correzione = {});

// "Stampa...": a damaged calibration refused with its first message before the printer dialog,
// then the layout on the chosen printer's real printable area, through the calibration in use.
EsitoFogli StampaFogliSuStampante(const SagomaFogli &sagoma, const SceltaFogli &scelta, int indiceTaratura);

// "Esporta PDF...": the layout and its question before the save dialog, ".pdf" added to a bare
// name, the file replaced only once whole; the calibration in use only when chosen.
EsitoFogli EsportaFogliPdf(const SagomaFogli &sagoma, const SceltaFogli &scelta, int indiceTaratura,
                           const QString &nome);

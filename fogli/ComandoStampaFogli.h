// "Stampa a grandezza naturale...": which layout, what goes to the printer or the PDF, and every
// message and question on the way. The dialog only shows what these decide.
#pragma once

#include "documents/Commessa.h"
#include "exports/EsportaPdf.h"

#include <optional>
#include <vector>

class TaraturaInUso;

struct SceltaFogli {
    QPageSize carta{QPageSize::A4};
    OrientamentoFogli orientamento = OrientamentoFogli::Automatico;
    double sovrapposizione = k_SovrapposizioneIniziale;
    bool taraturaNelPdf = false; // the printer always applies the calibration in use
};

enum class EsitoFogli { Fatto, Rifiutato, Annullato, Errore };

// The blanks of a development window's job, every piece of it, as finely as the DXF, titled when
// there are several; with `dime` an elbow's wrap-around templates instead. Empty after the message
// when the window holds no development or its figures are refused; empty with `dime` when the job
// has no templates.
std::optional<std::vector<PezzoDaStampare>> SagomeDellaCommessa(const Commessa &commessa, bool dime = false);

// The papers offered: A4, A3 and Letter, then whatever else the default printer takes.
std::vector<QPageSize> CarteFogli();

// The calibration a printout uses: the one chosen, or the first when none is; empty when none exists.
QString NomeTaraturaFogli(const TaraturaInUso &taratura);

// A calibration is known on its test grid as printed, landscape: with one, sheets lie landscape and
// a portrait choice is refused with this message; empty when the choice stands.
QString RifiutoOrientamento(const SceltaFogli &scelta, bool tarata);

// The PDF's options for the choice; `tarata`: through the calibration named, landscape.
OpzioniPdf OpzioniDellaScelta(const SceltaFogli &scelta, bool tarata, const QString &taratura = {});

// The drawing area of each sheet and where it comes from: the whole printable area of the paper,
// or through a calibration the area it covers, which a printout always uses.
QString TestoAreaFogli(const CartaFogli &carta, bool tarata);

// "1 foglio", "8 fogli".
QString TestoNumeroFogli(int fogli);

// False after its message when the layout on `carta` was refused, or when the user declines the
// question asked past k_FogliDaChiedere sheets.
bool ImpaginazioneAccettata(const ImpaginazioneFogli &impaginazione, const CartaFogli &carta);
// The same for a job's pieces, their sheets counted together.
bool ImpaginazioneAccettata(const ImpaginazioneDeiPezzi &impaginazione, const CartaFogli &carta);

// "Stampa...": a damaged calibration refused with its first message before the printer dialog,
// then the layout on the chosen printer's real printable area, through the calibration in use.
EsitoFogli StampaFogliSuStampante(const SagomaFogli &sagoma, const SceltaFogli &scelta, const TaraturaInUso &taratura);
// The same for every piece of a job, one after the other.
EsitoFogli StampaFogliSuStampante(const std::vector<PezzoDaStampare> &pezzi, const SceltaFogli &scelta,
                                  const TaraturaInUso &taratura);

// "Esporta PDF...": the layout and its question before the save dialog, ".pdf" added to a name
// without it, the file replaced only once whole; the calibration in use only when chosen.
EsitoFogli EsportaFogliPdf(const SagomaFogli &sagoma, const SceltaFogli &scelta, const TaraturaInUso &taratura,
                           const QString &nome);
// The same for every piece of a job, in one PDF.
EsitoFogli EsportaFogliPdf(const std::vector<PezzoDaStampare> &pezzi, const SceltaFogli &scelta,
                           const TaraturaInUso &taratura, const QString &nome);

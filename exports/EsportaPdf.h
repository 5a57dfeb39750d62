// The tiled sheets as a PDF: laid out on a paper size, streamed page by page into a safe write.
#pragma once

#include "exports/Esportazione.h"
#include "fogli/FogliDeiPezzi.h"
#include "fogli/ImpaginaFogli.h"
#include "plot/RiproduciElenco.h"

#include <QPageLayout>
#include <QPageSize>

#include <functional>
#include <optional>
#include <vector>

class QIODevice;

struct OpzioniPdf {
    QPageSize carta{QPageSize::A4};
    OrientamentoFogli orientamento = OrientamentoFogli::Automatico;
    double sovrapposizione = k_SovrapposizioneIniziale;
    bool tarata = false;   // through a calibration: sheets held to the area it was measured on
    QString taratura;      // the name of the calibration applied; empty: none
    MappaPunti correzione; // its correction; empty: none, as a PDF is device-independent
    QDate data;            // invalid: today
};

struct EsitoPdf {
    EsitoEsportazione esito = EsitoEsportazione::Ok;
    ErroreFogli errore = ErroreFogli::Nessuno; // the layout's refusal; esito is then DatiRifiutati
    int fogli = 0;                             // printed sheets, the cover not counted
};

// Why a write that ran out of memory failed.
QString MotivoMemoriaInsufficiente();

// The page of a PDF of sheets: the paper with a margin that any printer prints within, portrait.
QPageLayout PaginaPdfFogli(const QPageSize &carta);

// The drawing area those pages offer, with the options' orientation and overlap.
CartaFogli CartaPdf(const OpzioniPdf &opzioni);

// The layout of `sagoma` on the PDF's pages.
ImpaginazioneFogli ImpaginaPdf(const SagomaFogli &sagoma, const OpzioniPdf &opzioni);

// The layout of each piece on the PDF's pages.
ImpaginazioneDeiPezzi ImpaginaPdf(const std::vector<PezzoDaStampare> &pezzi, const OpzioniPdf &opzioni);

// The cover and the printed sheets, one a page, written to `dispositivo` as they are painted;
// false when the PDF could not be painted.
bool PdfDeiFogli(QIODevice &dispositivo, const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni);
// The same for each piece in turn.
bool PdfDeiFogli(QIODevice &dispositivo, const std::vector<ImpaginazioneFogli> &pezzi, const OpzioniPdf &opzioni);

// The PDF of the layout written to `percorso` through ScriviEsportazione, its memory the same for
// ten sheets or ten thousand; a lack of memory is a failed write, its reason told in `motivo`.
EsitoEsportazione SalvaPdfDeiFogli(const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni,
                                   const QString &percorso, const QString &origine, QString *motivo);
// The same for each piece in turn, in one PDF.
EsitoEsportazione SalvaPdfDeiFogli(const std::vector<ImpaginazioneFogli> &pezzi, const OpzioniPdf &opzioni,
                                   const QString &percorso, const QString &origine, QString *motivo);

// Samples `pezzo` as finely as cutting needs, lays it out and writes the PDF to `percorso`
// through ScriviEsportazione; nothing is written on any refusal. Needs a QGuiApplication.
EsitoPdf EsportaPdf(const Pezzo &pezzo, const OpzioniPdf &opzioni, const QString &percorso, const QString &origine = {},
                    QString *motivo = nullptr);

// The same for every piece of a job, each laid out on its own, in one PDF; each sheet names its
// piece when it is titled.
EsitoPdf EsportaPdf(const std::vector<PezzoDaStampare> &pezzi, const OpzioniPdf &opzioni, const QString &percorso,
                    const QString &origine = {}, QString *motivo = nullptr);

// The pieces' outlines sampled as finely as cutting needs, titled when there are several; empty
// when one cannot be (already told).
std::optional<std::vector<PezzoDaStampare>> PezziDaStampare(const std::vector<Pezzo> &pezzi);

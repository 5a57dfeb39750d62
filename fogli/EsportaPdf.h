// The tiled sheets as a PDF: laid out on a paper size, rendered in memory.
#pragma once

#include "fogli/ImpaginaFogli.h"
#include "plot/RiproduciElenco.h"

#include <QByteArray>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>

#include <optional>

struct OpzioniPdf {
    QPageSize carta{QPageSize::A4};
    OrientamentoFogli orientamento = OrientamentoFogli::Automatico;
    double sovrapposizione = k_SovrapposizioneIniziale;
    QString taratura;      // the name of the calibration applied; empty: none
    MappaPunti correzione; // its correction; empty: none, as a PDF is device-independent
    QDate data;            // invalid: today
};

// The page of a PDF of sheets: the paper with a margin that any printer prints within, portrait.
QPageLayout PaginaPdfFogli(const QPageSize &carta);

// The drawing area those pages offer, with the options' orientation and overlap.
CartaFogli CartaPdf(const OpzioniPdf &opzioni);

// The layout of `sagoma` on the PDF's pages.
ImpaginazioneFogli ImpaginaPdf(const SagomaFogli &sagoma, const OpzioniPdf &opzioni);

// The printed sheets, one a page; empty when the PDF could not be painted.
std::optional<QByteArray> PdfDeiFogli(const ImpaginazioneFogli &impaginazione, const OpzioniPdf &opzioni);

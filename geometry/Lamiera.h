// The plate a development is rolled from: its thickness, its convention and what the outputs say.
#pragma once

#include "geometry/FigureSviluppo.h"

#include <QLocale>
#include <QString>

#include <optional>

// The thickness in mm as the validation reads it (a decimal comma counts as the point); 0 when
// the text is blank or not a number.
double ValoreSpessore(const FigureSviluppo &f);
// A thickness to develop on: a number above 0.
bool ConSpessore(const FigureSviluppo &f);
// Anything typed but blanks or a numeric 0: what a saved file has to keep.
bool SpessoreScritto(const FigureSviluppo &f);

// How far inside the typed sides the plate's mean surface lies, in mm (outside when negative).
double ScostamentoFibraMedia(const FigureSviluppo &f);

// One letter for the convention, as files and command lines carry it: I, E, M.
char LetteraQuote(QuoteLamiera quote) noexcept;
std::optional<QuoteLamiera> QuoteDaLettera(char lettera) noexcept;

// "Spessore 3 mm, quote esterne: sviluppo sulla fibra media"; empty without a thickness. The
// number in the locale's decimals, without trailing zeros.
QString NotaSpessore(const FigureSviluppo &f, const QLocale &locale = QLocale());

// The trailer of a .tnt file: the plate of the development whose record it follows.
#pragma once

#include "geometry/FigureSviluppo.h"

#include <QByteArray>

// 24 bytes after the file's last record: shorter than half a record, so the record number
// rule still finds that record, and a reader of the records alone never sees it.
//   0  "SPES"   tag          4  "1"  layout version
//   5  the thickness text, 10 bytes, Windows-1252, blank-padded
//  15  "I", "E" or "M": the figures describe the inner, outer or mean surface
//  16  CRC-32 (as zip's) of the 122 record bytes and trailer bytes 0 to 15, 8 upper-case hex digits
constexpr int k_LunghezzaCodaSviluppo = 24;

// The trailer for `figure` following the record `record` (its 122 bytes); empty when the
// figures carry no thickness.
QByteArray CodaDelRecord(const FigureSviluppo &figure, const QByteArray &record);

// Bytes found after a file's last record are one of our trailers (valid or not).
bool ECodaSviluppo(const QByteArray &coda) noexcept;

enum class EsitoCoda {
    Assente,     // no trailer of ours
    Valida,      // the plate was read
    Scaduta,     // complete, but its checksum fails: another record's (or damaged)
    Incompleta,  // cut short
    Sconosciuta, // a layout or a convention this program does not know
};

// Reads `coda`, the bytes after the last record `record`, into the plate of `figure` when it is
// a trailer that belongs to that record, whatever bytes follow it. A trailer whose checksum fails
// (left behind by a program that rewrote the record without it, or damaged), one cut short or one
// of an unknown layout leaves `figure` without a thickness.
EsitoCoda LeggiCoda(const QByteArray &coda, const QByteArray &record, FigureSviluppo &figure);

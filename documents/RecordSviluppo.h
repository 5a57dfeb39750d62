// The 122-byte record of a .tnt development file: layout, record number rule, reading and writing.
#pragma once

#include "documents/CodaSviluppo.h"
#include "geometry/FigureSviluppo.h"
#include "geometry/StatoSviluppo.h"
#include "platform/TestoFisso.h"

#include <QByteArray>
#include <QString>

#include <optional>

constexpr int k_LunghezzaRecordSviluppo = 122;

// Ten blank-padded text fields, laid out one after the other in this order: the eight of the
// figures at offsets 0, 40, 50, 60, 70, 76, 82 and 83, then these two.
// The plate of the figures (thickness and convention) is no field: it travels in the trailer.
struct RecordSviluppo : FigureSviluppo {
    TestoFisso ConoCilindro{8};          // 84
    TestoFisso RoutineStampa{30};        // 92
    bool CodaScaduta = false;            // read: a trailer followed it that could not be read, ignored
    EsitoCoda Coda = EsitoCoda::Assente; // read: what became of that trailer
};

// The captions of a development window's hidden labels that a .tnt file carries; the last two
// hold the plate: the thickness as typed and the convention's letter (I, E, M).
struct EtichetteSviluppo {
    QString lblNome, lblAC, lblAB, lblBD, lblALFA, lblBeta, lblChiudi, lblConoCilindro, lblStampa;
    QString lblSpessore, lblQuote = QStringLiteral("E");
};

enum class EsitoFileSviluppo { Ok, Mancante, NonLeggibile, NonScrivibile };

// The record's 122 bytes in Windows-1252 ('?' for what the code page cannot hold).
QByteArray ByteDelRecord(const RecordSviluppo &record);
// Fields from as many bytes as there are; missing bytes read as blanks.
RecordSviluppo RecordDaByte(const QByteArray &byte);

// Record to read or write in a file of `lunghezza` bytes: the last one, 1 for an empty file.
// A file shorter than half a record also gives 1 (its only, partial record).
qint64 NumeroRecord(qint64 lunghezza) noexcept;

// Reads the file's last record into `buffer`, with the plate of the trailer that follows it
// (CodaScaduta when that trailer cannot be read), and nothing else of it. A missing file is
// reported, never created; a FIFO, a device, a folder or a loop of links is refused, with its
// reason, without waiting on it. On any failure `buffer` is left as it was and `motivo`, when
// given, receives the reason.
EsitoFileSviluppo LeggiRecordSviluppo(const QString &percorso, RecordSviluppo &buffer, QString *motivo = nullptr);

// Writes `buffer` over the file's last record (record 1 of an empty or new file), then its
// plate's trailer, which replaces whatever followed that record; without a thickness an old
// trailer goes and any other byte stays. The other records are kept byte for byte, the file is
// replaced atomically and never becomes shorter but by a trailer. On failure the
// old file is intact and `motivo`, when given, receives the reason.
EsitoFileSviluppo ScriviRecordSviluppo(const QString &percorso, const RecordSviluppo &buffer,
                                       QString *motivo = nullptr);

// The notice of a trailer that was not read (CodaScaduta of `letto`), with the reason; the
// second shows it through the platform.
QString MessaggioCodaScaduta(const QString &percorso, const RecordSviluppo &letto);
void AvvisaCodaScaduta(const QString &percorso, const RecordSviluppo &letto);

// "Cono" or "Cilindro" for the trimmed name of one of the four plot routines; empty otherwise.
std::optional<QString> ConoCilindroDi(const QString &didascaliaStampa);

// The figures that a window's labels hold, and the labels that show given figures.
FigureSviluppo FigureDelleEtichette(const EtichetteSviluppo &etichette);
void ScriviFigureNelleEtichette(const FigureSviluppo &figure, EtichetteSviluppo &etichette);

// Fills the buffer from the labels for a save. ConoCilindro (field and label) follows the plot
// routine's name; when that is none of the four, both keep what they held.
void RiempiRecordDaEtichette(RecordSviluppo &buffer, EtichetteSviluppo &etichette);
// The captions an open puts into the labels: the fields as read, padding included.
EtichetteSviluppo EtichetteDaRecord(const RecordSviluppo &record);
// The shared texts an open fills: the input texts, and RoutineStampa trimmed.
void CaricaNelloStato(const RecordSviluppo &record, StatoSviluppo &stato);

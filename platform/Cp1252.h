// The single-byte code page of the stored files (Windows-1252).
#pragma once

#include <QByteArray>
#include <QString>

// One byte per character; a character the code page cannot hold becomes '?'.
QByteArray ACp1252(const QString &testo);
QString DaCp1252(const QByteArray &byte);

// A field of a fixed-width record: encoded, cut to `larghezza` bytes, padded with blanks.
QByteArray CampoCp1252(const QString &testo, int larghezza);

// Whole-file helpers for tests that prepare and inspect files on disk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The file's bytes, or "<unreadable>" when it cannot be opened.
inline QByteArray LeggiTutto(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Creates or replaces the file with these bytes; false on failure.
inline bool ScriviTutto(const QString &percorso, const QByteArray &byte)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(byte) == byte.size();
}

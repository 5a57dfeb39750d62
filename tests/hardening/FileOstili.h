// Hostile inputs shared by the hardening tests: records, random bytes, paths that cannot be opened.
#pragma once

#include "documents/RecordSviluppo.h"
#include "tests/support/FileDiProva.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

#include <unistd.h>

// A .tnt record of an ordinary cone that develops without any message.
inline QByteArray RecordCono()
{
    RecordSviluppo r;
    r.Nome = QStringLiteral("Pezzo");
    r.TestoAC = QStringLiteral("60");
    r.TestoAB = QStringLiteral("120");
    r.TestoBD = QStringLiteral("60");
    r.TestoAlfa = QStringLiteral("60");
    r.TestoBeta = QStringLiteral("60");
    r.ChiudiAC = QStringLiteral("F");
    r.ChiudiBD = QStringLiteral("T");
    r.ConoCilindro = QStringLiteral("Cono");
    r.RoutineStampa = QStringLiteral("Stampa_Cono_Lato_Orizzontale");
    return ByteDelRecord(r);
}

// Reproducible bytes of any value.
inline QByteArray ByteCasuali(qsizetype quanti, quint32 seme)
{
    QRandomGenerator generatore(seme);
    QByteArray byte(quanti, '\0');
    for (char &b : byte)
        b = char(generatore.bounded(256));
    return byte;
}

// Permissions do not bite the superuser: tests of unreadable files skip their row then.
inline bool Superutente() { return ::geteuid() == 0; }

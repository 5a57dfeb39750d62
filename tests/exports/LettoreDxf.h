// A minimal reader of the DXF the exports write, for tests: groups, header variables, entities.
#pragma once

#include "geometry/SviluppoDenso.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

struct EntitaDxf {
    QString tipo;
    QList<QPair<int, QString>> gruppi;

    QString valore(int codice) const
    {
        for (const auto &g : gruppi)
            if (g.first == codice)
                return g.second;
        return {};
    }
};

struct DocumentoDxf {
    QList<QPair<int, QString>> gruppi; // the whole file, in order
    bool valido = false;               // an even number of lines, every code an integer

    // The groups following `$NOME` in the header, up to the next variable.
    QList<QPair<int, QString>> variabile(const QString &nome) const;
    // The entities of the ENTITIES section, in order.
    QList<EntitaDxf> entita() const;
};

DocumentoDxf LeggiDxf(const QByteArray &byte);
// The points of every VERTEX entity, in order.
QList<PuntoPiano> VerticiDxf(const QByteArray &byte);

// Splits a DXF text into code/value pairs and finds header variables and entities.
#include "LettoreDxf.h"

#include "platform/Cp1252.h"

#include <QStringList>

DocumentoDxf LeggiDxf(const QByteArray &byte)
{
    DocumentoDxf d;
    QStringList righe = DaCp1252(byte).split(QStringLiteral("\r\n"));
    if (!righe.isEmpty() && righe.last().isEmpty())
        righe.removeLast();
    d.valido = righe.size() % 2 == 0;
    for (int i = 0; i + 1 < righe.size(); i += 2) {
        bool ok = false;
        const int codice = righe[i].trimmed().toInt(&ok);
        d.valido = d.valido && ok;
        d.gruppi.append({codice, righe[i + 1]});
    }
    return d;
}

QList<QPair<int, QString>> DocumentoDxf::variabile(const QString &nome) const
{
    QList<QPair<int, QString>> valori;
    bool dentro = false;
    for (const auto &g : gruppi) {
        if (g.first == 9 || g.first == 0) {
            if (dentro)
                break;
            dentro = g.first == 9 && g.second == nome;
            continue;
        }
        if (dentro)
            valori.append(g);
    }
    return valori;
}

QList<EntitaDxf> DocumentoDxf::entita() const
{
    QList<EntitaDxf> elenco;
    bool inEntita = false;
    for (int i = 0; i < gruppi.size(); ++i) {
        const auto &g = gruppi[i];
        if (g.first == 2 && g.second == QLatin1String("ENTITIES") && i > 0 &&
            gruppi[i - 1].second == QLatin1String("SECTION")) {
            inEntita = true;
            continue;
        }
        if (!inEntita)
            continue;
        if (g.first == 0) {
            if (g.second == QLatin1String("ENDSEC"))
                break;
            elenco.append({g.second, {}});
        } else if (!elenco.isEmpty()) {
            elenco.last().gruppi.append(g);
        }
    }
    return elenco;
}

QList<PuntoPiano> VerticiDxf(const QByteArray &byte)
{
    QList<PuntoPiano> vertici;
    for (const auto &e : LeggiDxf(byte).entita())
        if (e.tipo == QLatin1String("VERTEX"))
            vertici.append({e.valore(10).toDouble(), e.valore(20).toDouble()});
    return vertici;
}

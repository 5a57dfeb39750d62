// The workshop data for scripts and the shop's ERP.
#include "app/InfoCommessa.h"

#include "exports/EsportaCommessa.h"
#include "pieces/DatiOfficina.h"
#include "pieces/MisurePezzoGomito.h"
#include "exports/PezzoDellaCommessa.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {
// JSON is UTF-8 whatever the terminal; the lines are for the terminal's reader.
int scrivi(const QByteArray &testo)
{
    std::fwrite(testo.constData(), 1, std::size_t(testo.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

QStringList righe(const DatiOfficina &dati) { return RigheDati(dati.righe) + RigheDati(dati.pieghe); }

QString mm(double valore) { return QString::number(valore, 'f', 2); }
} // namespace

int StampaDatiOfficina(const SorgentePezzo &sorgente, bool json)
{
    const auto pezzo = PezzoDellaSorgente(sorgente);
    if (!pezzo)
        return 1;
    const DatiOfficina dati = DatiOfficinaDelPezzo(*pezzo);
    if (dati.righe.empty())
        return 1;
    return scrivi(json ? QJsonDocument(JsonDati(dati)).toJson(QJsonDocument::Indented)
                       : righe(dati).join(QLatin1Char('\n')).toLocal8Bit() + '\n');
}

int StampaDatiCommessa(const Commessa &commessa, bool json)
{
    const auto pezzi = PezziDellaCommessa(commessa);
    if (!pezzi)
        return 1;
    QStringList tabella, testo;
    QJsonArray elenco;
    for (const Pezzo &pezzo : *pezzi) {
        const QString nome = TrimBlank(pezzo.valori.figure.Nome);
        const DatiOfficina dati = DatiOfficinaDelPezzo(pezzo);
        QJsonObject oggetto{{QStringLiteral("nome"), nome}, {QStringLiteral("dati"), JsonDati(dati)}};
        if (const auto m = pezzo.valori.figure.Officina ? MisureDelPezzoGomito(pezzo) : std::nullopt) {
            tabella << QStringLiteral("%1: gola %2 mm; dorso %3 mm; tagli %4° e %5°; larghezza sviluppata %6 mm")
                           .arg(nome, mm(m->gola), mm(m->dorso), mm(m->taglio1), mm(m->taglio2), mm(m->larghezza));
            oggetto.insert(QStringLiteral("gola"), m->gola);
            oggetto.insert(QStringLiteral("dorso"), m->dorso);
            oggetto.insert(QStringLiteral("taglio1"), m->taglio1);
            oggetto.insert(QStringLiteral("taglio2"), m->taglio2);
            oggetto.insert(QStringLiteral("larghezza"), m->larghezza);
        }
        testo << QString() << nome << righe(dati);
        elenco.append(oggetto);
    }
    QJsonObject radice{{QStringLiteral("commessa"), commessa.nome}, {QStringLiteral("pezzi"), elenco}};
    // A constant elbow nests on one strip: what it takes and what it saves.
    if (const auto s = StrisciaDellaCommessa(commessa, *pezzi)) {
        tabella << QStringLiteral("Striscia annidata (mm): %1 x %2").arg(mm(s->larghezza), mm(s->lunghezza))
                << QStringLiteral("Lamiera risparmiata rispetto ai pezzi separati (m²): %1")
                       .arg(QString::number(s->areaSeparata - s->areaStriscia, 'f', 4));
        radice.insert(QStringLiteral("striscia"),
                      QJsonObject{{QStringLiteral("larghezza"), s->larghezza},
                                  {QStringLiteral("lunghezza"), s->lunghezza},
                                  {QStringLiteral("risparmio"), s->areaSeparata - s->areaStriscia}});
    }
    if (json)
        return scrivi(QJsonDocument(radice).toJson(QJsonDocument::Indented));
    if (!tabella.isEmpty())
        tabella.prepend(QStringLiteral("Tabella dei tagli"));
    return scrivi((tabella + testo).join(QLatin1Char('\n')).toLocal8Bit() + '\n');
}

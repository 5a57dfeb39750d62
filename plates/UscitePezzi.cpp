#include "plates/UscitePezzi.h"

#include "exports/EsportaPdf.h"
#include "fogli/MessaggiFogli.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

QString NomeFilePezzo(const PezzoLamiera &pezzo, const QString &estensione)
{
    return QStringLiteral("pezzo-") + QString(pezzo.nome).replace(QLatin1Char(' '), QLatin1Char('-')) + estensione;
}

namespace {
QString mm(double valore) { return QLocale::c().toString(valore, 'f', 3); }

QByteArray riga(const QStringList &celle) { return celle.join(QLatin1Char(',')).toUtf8() + "\r\n"; }
} // namespace

QByteArray TabellaDelPezzo(const PezzoLamiera &pezzo)
{
    QByteArray csv = "Punto,X (mm),Y (mm)\r\n";
    for (size_t i = 0; i < pezzo.contorno.size(); ++i) {
        const PuntoPiano &q = pezzo.contorno[i];
        csv += riga({QString::number(i + 1), mm(q.x), mm(q.y)});
    }
    return csv;
}

QString NomeFileGeneratrici(const PezzoLamiera &pezzo)
{
    return QStringLiteral("generatrici-") + QString(pezzo.nome).replace(QLatin1Char(' '), QLatin1Char('-')) +
           QStringLiteral(".csv");
}

QByteArray GeneratriciDelPezzo(const PezzoLamiera &pezzo)
{
    QByteArray csv = "Generatrice,X base (mm),Y base (mm),X cima (mm),Y cima (mm),Lunghezza (mm)\r\n";
    for (size_t i = 0; i < pezzo.generatrici.size(); ++i) {
        const Generatrice &g = pezzo.generatrici[i];
        csv += riga({QString::number(i + 1), mm(g.ab.x), mm(g.ab.y), mm(g.cd.x), mm(g.cd.y),
                     mm(std::hypot(g.cd.x - g.ab.x, g.cd.y - g.ab.y))});
    }
    return csv;
}

std::optional<QString> SalvaPdfDelPezzo(const PezzoLamiera &pezzo, const QString &percorso)
{
    SagomaFogli sagoma;
    sagoma.contorno = pezzo.contorno;
    sagoma.legenda = QStringList{pezzo.nome};
    const OpzioniPdf opzioni;
    const ImpaginazioneFogli impaginazione = ImpaginaPdf(sagoma, opzioni);
    if (impaginazione.errore != ErroreFogli::Nessuno)
        return QStringLiteral("%1: %2").arg(percorso, MessaggioErroreFogli(impaginazione.errore, CartaPdf(opzioni)));
    QString motivo;
    const EsitoEsportazione esito = SalvaPdfDeiFogli(impaginazione, opzioni, percorso, {}, &motivo);
    if (esito == EsitoEsportazione::Ok)
        return std::nullopt;
    return MessaggioEsportazione(esito, percorso, motivo);
}

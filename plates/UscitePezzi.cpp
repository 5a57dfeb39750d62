#include "plates/UscitePezzi.h"

#include "exports/EsportaPdf.h"
#include "fogli/MessaggiFogli.h"

#include <QLocale>
#include <QStringList>

QString NomeFilePezzo(const PezzoLamiera &pezzo, const QString &estensione)
{
    return QStringLiteral("pezzo-") + QString(pezzo.nome).replace(QLatin1Char(' '), QLatin1Char('-')) + estensione;
}

QByteArray TabellaDelPezzo(const PezzoLamiera &pezzo)
{
    QByteArray csv = "Punto,X (mm),Y (mm)\r\n";
    for (size_t i = 0; i < pezzo.contorno.size(); ++i) {
        const PuntoPiano &q = pezzo.contorno[i];
        csv +=
            QStringList{QString::number(i + 1), QLocale::c().toString(q.x, 'f', 3), QLocale::c().toString(q.y, 'f', 3)}
                .join(QLatin1Char(','))
                .toUtf8() +
            "\r\n";
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

// Shared steps of the exports: the guarded atomic write and its message.
#include "exports/Esportazione.h"

#include "platform/NomeConEstensione.h"
#include "platform/FileSicuro.h"

#include <QDir>
#include <QFileInfo>

namespace {
// The file a write would replace, as a canonical path even when it does not exist yet.
QString canonico(const QString &percorso)
{
    const QFileInfo info(PercorsoRisolto(percorso));
    if (info.exists())
        return info.canonicalFilePath();
    const QString cartella = info.absoluteDir().canonicalPath();
    return cartella.isEmpty() ? info.absoluteFilePath() : QDir(cartella).filePath(info.fileName());
}

// Files of ours that no export may replace, in any case: the developments, the job files, the
// calibrations, the work file of a removal and the plates.
const QLatin1String k_EstensioniProtette[] = {QLatin1String(".tnt"), QLatin1String(".vorna")};
const QLatin1String k_NomiProtetti[] = {QLatin1String("Taratura.dat"), QLatin1String("Lavoro.dat"),
                                        QLatin1String("Lamiere.dat")};

bool fileNostro(QString nome)
{
    // A lock is ours as its file is: replaced, it no longer keeps two writers apart.
    if (HaEstensione(nome, QStringLiteral(".lock")))
        nome.chop(5);
    for (const QLatin1String &estensione : k_EstensioniProtette)
        if (HaEstensione(nome, estensione))
            return true;
    for (const QLatin1String &protetto : k_NomiProtetti)
        if (nome.compare(protetto, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

QString MessaggioEsportazione(EsitoEsportazione esito, const QString &percorso, const QString &motivo)
{
    const QString seguito = motivo.isEmpty() ? QString() : QStringLiteral(": ") + motivo;
    switch (esito) {
    case EsitoEsportazione::NonScrivibile:
        return QStringLiteral("Impossibile scrivere il file: ") + percorso + seguito;
    case EsitoEsportazione::Vietata:
        return QStringLiteral("Esportazione rifiutata: ") + percorso + QLatin1Char(' ') + motivo;
    case EsitoEsportazione::Ok:
    case EsitoEsportazione::DatiRifiutati:
        break;
    }
    return {};
}

QString DestinazioneVietata(const QString &percorso, const QString &origine)
{
    const QString bersaglio = canonico(percorso);
    const bool vietato =
        (!origine.isEmpty() && bersaglio == canonico(origine)) || fileNostro(QFileInfo(bersaglio).fileName());
    if (!vietato)
        return {};
    const QString prefisso =
        QFileInfo(percorso).isSymLink() ? QStringLiteral("porta a ") + bersaglio + QStringLiteral(", che ") : QString();
    return prefisso + QStringLiteral("non si può sovrascrivere con un'esportazione");
}

EsitoEsportazione ScriviEsportazione(const QString &percorso, const QByteArray &contenuto, const QString &origine,
                                     QString *motivo)
{
    return ScriviEsportazione(
        percorso, [&contenuto](ScritturaSicura &scrittura) { return scrittura.Scrivi(contenuto); }, origine, motivo);
}

EsitoEsportazione ScriviEsportazione(const QString &percorso, const std::optional<QByteArray> &contenuto,
                                     const QString &origine, QString *motivo)
{
    return contenuto ? ScriviEsportazione(percorso, *contenuto, origine, motivo) : EsitoEsportazione::DatiRifiutati;
}

EsitoEsportazione ScriviEsportazione(const QString &percorso, const std::function<EsitoFile(ScritturaSicura &)> &scrivi,
                                     const QString &origine, QString *motivo)
{
    QString perche = DestinazioneVietata(percorso, origine);
    EsitoEsportazione esito = EsitoEsportazione::Vietata;
    if (perche.isEmpty()) {
        ScritturaSicura scrittura(percorso);
        EsitoFile scritto = scrivi(scrittura);
        if (scritto)
            scritto = scrittura.Conferma();
        perche = scritto.motivo;
        esito = perche.isEmpty() ? EsitoEsportazione::Ok : EsitoEsportazione::NonScrivibile;
    }
    if (motivo)
        *motivo = perche;
    return esito;
}

// Shared steps of the exports: a fresh development of the figures, the guarded atomic write, the message.
#include "development/Esportazione.h"

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

// Why an export must not replace the file `percorso` leads to; empty when it may.
QString destinazioneVietata(const QString &percorso, const QString &origine)
{
    const QString bersaglio = canonico(percorso);
    const QString nome = QFileInfo(bersaglio).fileName();
    const bool vietato = (!origine.isEmpty() && bersaglio == canonico(origine)) ||
                         nome.endsWith(QLatin1String(".tnt"), Qt::CaseInsensitive) ||
                         nome.compare(QLatin1String("Taratura.dat"), Qt::CaseInsensitive) == 0;
    if (!vietato)
        return {};
    const QString prefisso =
        QFileInfo(percorso).isSymLink() ? QStringLiteral("porta a ") + bersaglio + QStringLiteral(", che ") : QString();
    return prefisso + QStringLiteral("non si può sovrascrivere con un'esportazione");
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

bool SviluppaFigure(const FigureSviluppo &figure, int generatoriPerMeta, StatoSviluppo &sviluppato,
                    ProfiloSviluppo &profilo)
{
    sviluppato = StatoSviluppo{};
    static_cast<FigureSviluppo &>(sviluppato) = figure;
    profilo = ProfiloSviluppo{};
    return SviluppoVero(sviluppato, generatoriPerMeta, profilo);
}

EsitoEsportazione ScriviEsportazione(const QString &percorso, const QByteArray &contenuto, const QString &origine,
                                     QString *motivo)
{
    return ScriviEsportazione(
        percorso, [&contenuto](ScritturaSicura &scrittura) { return scrittura.Scrivi(contenuto); }, origine, motivo);
}

EsitoEsportazione ScriviEsportazione(const QString &percorso, const std::function<EsitoFile(ScritturaSicura &)> &scrivi,
                                     const QString &origine, QString *motivo)
{
    QString perche = destinazioneVietata(percorso, origine);
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

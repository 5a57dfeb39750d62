// Looks a calibration up by the name typed on the command line.
#include "calibration/TaraturaPerNome.h"

#include "calibration/ControlliTara.h"
#include "platform/TestoFisso.h"

#include <QFileInfo>
#include <QStringList>

TaraturaCercata CercaTaraturaPerNome(const QString &nome, const QString &percorso)
{
    const QString file = QFileInfo(percorso).fileName();
    QString motivo;
    const auto tarature = LeggiTarature(percorso, &motivo);
    if (!tarature)
        return {std::nullopt, QStringLiteral("Impossibile leggere il file: ") + file + QStringLiteral(": ") + motivo};
    const QString cercato = TrimBlank(nome).toUpper();
    QStringList posizioni;
    qsizetype trovato = -1;
    for (qsizetype i = 0; i < tarature->size(); ++i)
        if (TrimBlank(tarature->at(i).NomeTara).toUpper() == cercato) {
            trovato = i;
            posizioni.append(QString::number(i + 1));
        }
    if (posizioni.isEmpty()) {
        QString errore =
            QStringLiteral("Taratura sconosciuta: ") + nome + QStringLiteral(" (") + file + QLatin1Char(')');
        if (TrimBlank(nome).size() > k_LunghezzaNomeTara)
            errore += QStringLiteral("; un nome di taratura ha al massimo %1 caratteri").arg(k_LunghezzaNomeTara);
        return {std::nullopt, errore};
    }
    if (posizioni.size() > 1)
        return {std::nullopt, QStringLiteral("Taratura ripetuta: %1 è il nome di %2 tarature di %3 (posizioni %4); "
                                             "eliminare quelle in più dal Manager Tarature")
                                  .arg(TrimBlank(nome))
                                  .arg(posizioni.size())
                                  .arg(file, posizioni.join(QStringLiteral(", ")))};
    const RecordTara &record = tarature->at(trovato);
    if (ControlliTaraMemorizzata(record) == 1)
        return {std::nullopt, QStringLiteral("Taratura non valida: ") + nome};
    return {record, QString()};
}

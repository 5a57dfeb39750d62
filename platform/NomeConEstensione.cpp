// Extensions in any case, and completing a typed file name with the overwrite question the dialog
// could not ask for it.
#include "platform/NomeConEstensione.h"

#include "platform/Piattaforma.h"

#include <QFileInfo>

bool HaEstensione(const QString &nome, const QString &estensione)
{
    return nome.endsWith(estensione, Qt::CaseInsensitive);
}

std::optional<QString> NomeConEstensione(const QString &nome, const QString &estensione)
{
    if (!QFileInfo(nome).suffix().isEmpty())
        return nome;
    const QString completo = nome + estensione;
    if (QFileInfo::exists(completo) &&
        MsgBox(QStringLiteral("Il file ") + completo + QStringLiteral(" esiste già. Sostituirlo?"), Pulsanti::SiNo) !=
            RispostaSi)
        return std::nullopt;
    return completo;
}

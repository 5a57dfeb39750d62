// The icon drawn for the desktop, in the sizes a window manager asks for.
#include "app/IconaVorna.h"

#include <QDir>

QIcon IconaVorna()
{
    QIcon icona;
    const QDir cartella(QStringLiteral(":/icone"));
    for (const QString &nome : cartella.entryList({QStringLiteral("vorna-*.png")}, QDir::Files))
        icona.addFile(cartella.filePath(nome));
    return icona;
}

// Reading whole files and replacing them atomically through QSaveFile.
#include "platform/FileSicuro.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {
std::function<bool(const char *)> g_guasto;

bool guasto(const char *passo) { return g_guasto && g_guasto(passo); }
}

void ImpostaGuastoSimulato(std::function<bool(const char *passo)> g) { g_guasto = std::move(g); }

std::optional<QByteArray> LeggiFile(const QString &percorso)
{
    if (QFileInfo(percorso).isDir())
        return std::nullopt;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray contenuto = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return contenuto;
}

bool ScriviFileSicuro(const QString &percorso, const QByteArray &contenuto)
{
    if (QFileInfo(percorso).isDir())
        return false;
    QSaveFile file(percorso);
    if (guasto("apri") || !file.open(QIODevice::WriteOnly))
        return false;
    if (guasto("scrivi") || file.write(contenuto) != contenuto.size()) {
        file.cancelWriting();
        return false;
    }
    if (guasto("conferma")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool SostituisciFile(const QString &nuovo, const QString &percorso)
{
    if (guasto("rinomina"))
        return false;
    return std::rename(QFile::encodeName(nuovo).constData(), QFile::encodeName(percorso).constData()) == 0;
}

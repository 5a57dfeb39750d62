// The name typed in a save dialog, completed with the file type's extension.
#pragma once

#include <QString>

#include <optional>

// `nome` with `estensione` (".tnt") added when it has none; a name with any extension stays as
// typed. A completed name that already exists is replaced only if the user agrees: nothing
// when they do not.
std::optional<QString> NomeConEstensione(const QString &nome, const QString &estensione);

// File names and their extensions: compared in any case, completed when typed without one.
#pragma once

#include <QString>

#include <optional>

// `nome` ends in `estensione` (".tnt"), in upper or lower case alike: files come from systems
// that care for case as little as Windows does.
bool HaEstensione(const QString &nome, const QString &estensione);

// `nome` with `estensione` (".tnt") added when it has none; a name with any extension stays as
// typed. A completed name that already exists is replaced only if the user agrees: nothing
// when they do not.
std::optional<QString> NomeConEstensione(const QString &nome, const QString &estensione);

// What every `vorna --new-...` command shares: the plate, the name and the material among its
// options, the file to write, the refusals on stderr and the job saved.
#pragma once

#include "app/NomiDellaRiga.h"
#include "app/OpzioniLamiera.h"
#include "documents/Commessa.h"

#include <QStringList>

#include <functional>
#include <optional>

struct OpzioniPezzo {
    QStringList argomentiLamiera; // --thickness and --surface, read by LeggiOpzioniLamiera
    OpzioniLamiera lamiera;
    std::optional<QString> nome;
    Materiale materiale;
};

// One option every new job takes (--thickness, --surface, --name, --material) with its value:
// false when it is not one of them; `rifiuto` is set when its value is wrong.
bool OpzioneComune(const QString &nome, const QString &valore, OpzioniPezzo &opzioni, QString &rifiuto);

// The name typed with --name, or the file's own name cut to the name's field.
QString NomeDelPezzo(const OpzioniPezzo &opzioni, const QString &destinazione, int larghezza);

struct ComandoNuovoPezzo {
    QString comando;  // "--new-cone"
    const char *uso;  // printed after a wrong argument
    bool tnt = false; // whether a .tnt can keep its solid
    // One option of the solid with its value (blanks around it removed): false when it is not
    // one; `rifiuto` is set when its value is wrong.
    std::function<bool(const QString &nome, const QString &valore, QString &rifiuto)> opzione;
    // The piece checked and developed as the worksheet does, its refusals told through the
    // platform, or nothing; `mostrato` is the file to write as the user named it.
    std::function<std::optional<SorgentePezzo>(const OpzioniPezzo &comuni, const QString &mostrato, bool tnt)> pezzo;
};

// `argomenti` follow the command's name: OUT.vorna (or OUT.tnt), then the options. The exit code:
// 0 written, 1 figures refused (the worksheet's messages on stderr), 2 wrong arguments or a file
// that cannot be written.
int NuovoPezzo(const QStringList &argomenti, const NomiDellaRiga &nomi, const ComandoNuovoPezzo &comando);

// One program at a time changing a file: a lock file beside it, held from the read to the rename.
#pragma once

#include "platform/FileSicuro.h"

#include <QLockFile>
#include <QString>

#include <chrono>

// How long a change waits for another program to finish its own.
constexpr std::chrono::milliseconds k_AttesaBlocco{5000};

class BloccoFile {
public:
    // The lock of `percorso` (links followed): the file "<name>.lock" beside it.
    explicit BloccoFile(const QString &percorso);
    // Waits for the lock; a lock left by a program that died is broken. On failure the reason
    // names the program holding it. Released by the destructor.
    EsitoFile Prendi();

private:
    bool abbandonato() const;
    EsitoFile motivo(int numeroErrore) const;

    QString m_percorso;
    QLockFile m_blocco;
};

// Tests shorten the wait (zero: a single try). The default is k_AttesaBlocco.
void ImpostaAttesaBlocco(std::chrono::milliseconds attesa);

// The platform for batch runs without a display: message boxes become lines on stderr.
#pragma once

#include "platform/Piattaforma.h"

class PiattaformaConsole final : public Piattaforma {
public:
    // Prints the prompt; a question gets the answer that changes nothing (No, Annulla).
    int MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo) override;
    void Beep() override {}
    std::optional<QString> DialogoApri(const RichiestaFile &) override { return std::nullopt; }
    std::optional<QString> DialogoSalva(const RichiestaFile &) override { return std::nullopt; }
    bool DialogoStampante(QPrinter &) override { return false; }
};

// A line on stderr in the terminal's encoding.
void ScriviErrore(const QString &testo);

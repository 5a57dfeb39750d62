// A platform with nobody at the screen: every box answered OK, dialogs cancelled, no beep.
#pragma once

#include "platform/Piattaforma.h"

class PiattaformaSilenziosa final : public Piattaforma {
public:
    int MsgBox(const QString &, Pulsanti, const QString &) override { return RispostaOK; }
    void Beep() override {}
    std::optional<QString> DialogoApri(const RichiestaFile &) override { return std::nullopt; }
    std::optional<QString> DialogoSalva(const RichiestaFile &) override { return std::nullopt; }
    bool DialogoStampante(QPrinter &) override { return false; }
};

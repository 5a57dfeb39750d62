// The platform seam on Qt Widgets: real boxes, dialogs and beep, with Italian buttons.
#pragma once

#include "platform/Piattaforma.h"

#include <QStringList>

class PiattaformaQt final : public Piattaforma {
public:
    int MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo) override;
    void Beep() override;
    std::optional<QString> DialogoApri(const RichiestaFile &richiesta) override;
    std::optional<QString> DialogoSalva(const RichiestaFile &richiesta) override;
    bool DialogoStampante(QPrinter &stampante) override;
    std::optional<int> ChiediNumero(const QString &prompt, const QString &titolo, int iniziale, int minimo,
                                    int massimo) override;
};

// "(*.tnt)|*.tnt|All Files (*.*)|*.*" as Qt's name filters.
QStringList FiltriQt(const QString &filtro);

// Loads Qt's own Italian translations so that its dialogs speak Italian too.
void CaricaTraduzioniQt();

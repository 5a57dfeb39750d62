// Start-up of Vorna: batch commands, or the splash and then the frame.
#include "app/MDICalvetra.h"
#include "app/RigaDiComando.h"
#include "app/frmSplashMd5.h"
#include "platform/PiattaformaQt.h"

#include <QApplication>
#include <QScreen>

#include <memory>

int main(int argc, char *argv[])
{
    if (const auto esito = EseguiRigaDiComando(argc, argv))
        return *esito;
    QApplication app(argc, argv);
    CaricaTraduzioniQt();
    PiattaformaQt piattaforma;
    Piattaforma::installa(&piattaforma);
    std::unique_ptr<MDICalvetra> frame;
    frmSplashMd5 splash([&frame] {
        frame = std::make_unique<MDICalvetra>();
        frame->resize(frame->screen()->availableSize());
        frame->showMaximized();
    });
    splash.move(splash.screen()->availableGeometry().center() - splash.rect().center());
    splash.show();
    return app.exec();
}

// Start-up of Vorna: batch commands, or the splash and then the frame with the files named.
#include "app/IconaVorna.h"
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
    // Every window carries the program's icon; the desktop entry's name ties them to it.
    QApplication::setWindowIcon(IconaVorna());
    QGuiApplication::setDesktopFileName(QStringLiteral("vorna"));
    CaricaTraduzioniQt();
    PiattaformaQt piattaforma;
    Piattaforma::installa(&piattaforma);
    // Only plain names are left: the command line refused every option.
    const QStringList file = QCoreApplication::arguments().mid(1);
    std::unique_ptr<MDICalvetra> frame;
    frmSplashMd5 splash([&frame, file] {
        frame = std::make_unique<MDICalvetra>();
        frame->resize(frame->screen()->availableSize());
        frame->showMaximized();
        frame->ApriSviluppi(file);
    });
    splash.move(splash.screen()->availableGeometry().center() - splash.rect().center());
    splash.show();
    return app.exec();
}

// Start-up of Vorna.
#include "app/MDICalvetra.h"
#include "platform/PiattaformaQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    CaricaTraduzioniQt();
    PiattaformaQt piattaforma;
    Piattaforma::installa(&piattaforma);
    MDICalvetra frame;
    frame.resize(1024, 768);
    frame.show();
    return app.exec();
}

// The frame: caption "Vorna" and the area of the development windows.
#include "app/MDICalvetra.h"

#include "platform/Piattaforma.h"

#include <QMdiArea>

MDICalvetra::MDICalvetra(QWidget *parent)
    : QMainWindow(parent), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDICalvetra"));
    setWindowTitle(TitoloApplicazione());
    setCentralWidget(m_area);
}

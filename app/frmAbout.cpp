// The about window's text and its one button.
#include "app/frmAbout.h"

#include "platform/Piattaforma.h"
#include "platform/FinestraFissa.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget *parent)
    : QWidget(parent, k_FinestraFissa),
      lblAbout(new QLabel(this)),
      cmdEsci(new QPushButton(QStringLiteral("&Esci"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About - Drenvik"));
    // Destroyed by its button; shown again, it is created anew.
    setAttribute(Qt::WA_DeleteOnClose);
    lblAbout->setObjectName(QStringLiteral("lblAbout"));
    lblAbout->setText(TitoloApplicazione() + QStringLiteral(" ") + VersioneApplicazione() +
                      QStringLiteral("\n\nSviluppo in piano di tronchi di cono e di cilindro per la lavorazione "
                                     "della lamiera.\n\nRealizzato da Drenvik per le carpenterie e le "
                                     "officine di calderaio."));
    lblAbout->setWordWrap(true);
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    cmdEsci->setToolTip(QStringLiteral("Esce da About"));
    auto *colonna = new QVBoxLayout(this);
    colonna->addWidget(lblAbout);
    colonna->addWidget(cmdEsci, 0, Qt::AlignRight);
    resize(380, 200);
    connect(cmdEsci, &QPushButton::clicked, this, &frmAbout::cmdEsci_Click);
}

void frmAbout::cmdEsci_Click() { close(); }

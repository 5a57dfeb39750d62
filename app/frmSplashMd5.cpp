// The splash: shows the frame on the first of a key, a click on its frame or the timer's tick.
#include "app/frmSplashMd5.h"

#include "Versione.h"
#include "platform/Piattaforma.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

frmSplashMd5::frmSplashMd5(std::function<void()> mostraFrame, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      Frame1(new QFrame(this)),
      tmrSplash(new QTimer(this)),
      lblProductName(new QLabel(Frame1)),
      lblRelease(new QLabel(Frame1)),
      lblPlatform(new QLabel(QStringLiteral("Platform: W32"), Frame1)),
      m_mostraFrame(std::move(mostraFrame))
{
    setObjectName(QStringLiteral("frmSplashMd5"));
    setWindowTitle(QStringLiteral("V O R N A"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    tmrSplash->setObjectName(QStringLiteral("tmrSplash"));
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    lblRelease->setObjectName(QStringLiteral("lblRelease"));
    lblPlatform->setObjectName(QStringLiteral("lblPlatform"));

    lblProductName->setText(TitoloApplicazione());
    lblRelease->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(VORNA_VERSIONE_MAJOR)
                            .arg(VORNA_VERSIONE_MINOR)
                            .arg(VORNA_VERSIONE_PATCH));
    QFont titolo(QStringLiteral("Arial"));
    titolo.setPointSize(28);
    titolo.setBold(true);
    titolo.setLetterSpacing(QFont::AbsoluteSpacing, 12);
    lblProductName->setFont(titolo);
    lblProductName->setAlignment(Qt::AlignCenter);
    lblRelease->setAlignment(Qt::AlignRight);
    lblPlatform->setAlignment(Qt::AlignRight);

    auto *colonna = new QVBoxLayout(Frame1);
    colonna->setContentsMargins(24, 24, 24, 24);
    colonna->addStretch();
    colonna->addWidget(lblProductName);
    colonna->addStretch();
    colonna->addWidget(lblRelease);
    colonna->addWidget(lblPlatform);
    auto *riempi = new QVBoxLayout(this);
    riempi->setContentsMargins(0, 0, 0, 0);
    riempi->addWidget(Frame1);
    resize(480, 260);

    Frame1->installEventFilter(this);
    tmrSplash->setInterval(1000);
    connect(tmrSplash, &QTimer::timeout, this, &frmSplashMd5::tmrSplash_Timer);
    tmrSplash->start();
}

void frmSplashMd5::tmrSplash_Timer() { mostraFrameEChiudi(); }

void frmSplashMd5::Frame1_Click() { mostraFrameEChiudi(); }

void frmSplashMd5::keyPressEvent(QKeyEvent *) { mostraFrameEChiudi(); }

bool frmSplashMd5::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == Frame1 && evento->type() == QEvent::MouseButtonPress) {
        Frame1_Click();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

// The first of the three events wins; the others find nothing left to do.
void frmSplashMd5::mostraFrameEChiudi()
{
    tmrSplash->stop();
    if (!m_mostraFrame)
        return;
    const auto mostra = std::exchange(m_mostraFrame, nullptr);
    mostra();
    close();
}

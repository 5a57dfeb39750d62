// The start-up window: title, version and platform, until the frame is shown.
#pragma once

#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QTimer;

class frmSplashMd5 final : public QWidget {
    Q_OBJECT
public:
    // `mostraFrame` shows the frame; it runs once, on the first key, click or tick.
    explicit frmSplashMd5(std::function<void()> mostraFrame, QWidget *parent = nullptr);

    QFrame *const Frame1;
    QTimer *const tmrSplash;
    QLabel *const lblProductName;
    QLabel *const lblRelease;
    QLabel *const lblPlatform;

    void tmrSplash_Timer();
    void Frame1_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void mostraFrameEChiudi();

    std::function<void()> m_mostraFrame;
};

// The about window: who made the program.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class frmAbout final : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *const lblAbout;
    QPushButton *const cmdEsci;

    void cmdEsci_Click();
};

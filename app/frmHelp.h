// The help window: which corner is which, and the angles Alfa and Beta, for a cone and a cylinder.
#pragma once

#include <QPointF>
#include <QWidget>

class QPushButton;

// One side projection of the drawing: corners A, B (base), C, D (top).
struct ProiezioneHelp {
    QString titolo;
    QPointF A, B, C, D;
};

class frmHelp final : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget *parent = nullptr);

    QPushButton *const cmdEsci;

    void cmdEsci_Click();

    // The two projections as drawn: the truncated cone left, the truncated cylinder right.
    static const ProiezioneHelp &TroncoDiCono();
    static const ProiezioneHelp &TroncoDiCilindro();
};

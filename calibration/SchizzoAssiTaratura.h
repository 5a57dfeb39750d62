// The manager's small sketch of the test grid's two axes with their three zones; no behaviour.
#pragma once

#include <QWidget>

class SchizzoAssiTaratura final : public QWidget {
    Q_OBJECT
public:
    explicit SchizzoAssiTaratura(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *evento) override;
};

// The multi-document frame that holds every development window.
#pragma once

#include <QMainWindow>

class QMdiArea;

class MDICalvetra : public QMainWindow {
    Q_OBJECT
public:
    explicit MDICalvetra(QWidget *parent = nullptr);

    QMdiArea *area() const { return m_area; }

private:
    QMdiArea *m_area;
};

// The plates of a split drawn side by side: each plate's outline, its pieces where they lie, and
// its usage under it.
#pragma once

#include "plates/SceltaDivisione.h"

#include <QWidget>

class DisegnoLamiere final : public QWidget {
    Q_OBJECT
public:
    explicit DisegnoLamiere(QWidget *parent = nullptr);
    // Nothing drawn when null; the option must outlive the drawing.
    void Mostra(const OpzioneDivisione *opzione);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    const OpzioneDivisione *m_opzione = nullptr;
};

// The live preview of a tiled layout: the blank's outline over the grid of sheets and their labels.
#pragma once

#include "fogli/ImpaginaFogli.h"

#include <QWidget>

class AnteprimaFogli final : public QWidget {
    Q_OBJECT
public:
    explicit AnteprimaFogli(QWidget *parent = nullptr);

    // The layout shown; it must outlive its showing. nullptr or a refused layout: nothing to show.
    void Mostra(const ImpaginazioneFogli *impaginazione);

    QSize sizeHint() const override { return {420, 300}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ImpaginazioneFogli *m_impaginazione = nullptr;
};

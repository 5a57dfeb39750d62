// The development window's drawing: its display list replayed on a white page of 288 x 208 mm.
#pragma once

#include "plot/ElencoVisualizzazione.h"

#include <QRectF>
#include <QWidget>

class PaginaGrafico final : public QWidget {
    Q_OBJECT
public:
    static constexpr double k_Larghezza = k_LarghezzaPagina; // mm across
    static constexpr double k_Altezza = k_AltezzaPagina;     // mm down

    explicit PaginaGrafico(QWidget *parent = nullptr);

    // The surface the plot draws on; the page repaints itself after each use.
    ElencoVisualizzazione &Elenco();
    const ElencoVisualizzazione &Elenco() const noexcept { return m_elenco; }

    // Where the page lies in a widget of this size: as large as fits, never stretched, centred.
    static QRectF AreaPagina(const QSizeF &widget) noexcept;
    // The smallest page whose legend can still be read on screen; a smaller window scrolls it.
    static QSize DimensioneLeggibile() noexcept;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ElencoVisualizzazione m_elenco;
};

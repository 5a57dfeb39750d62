// Draws the two axes as the test grid prints them: origin top left, X to the right, Y downward.
#include "calibration/SchizzoAssiTaratura.h"

#include <QPainter>

namespace {
constexpr int k_Margine = 12;
constexpr int k_Tacca = 3;
} // namespace

SchizzoAssiTaratura::SchizzoAssiTaratura(QWidget *parent) : QWidget(parent) {}

void SchizzoAssiTaratura::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QColor(0, 0, 128));
    const QPointF origine(k_Margine, k_Margine);
    const double lunghezzaX = width() - 2 * k_Margine;
    const double lunghezzaY = height() - 2 * k_Margine;
    p.drawLine(origine, origine + QPointF(lunghezzaX, 0));
    p.drawLine(origine, origine + QPointF(0, lunghezzaY));
    p.drawText(QPointF(origine.x() + lunghezzaX + 2, origine.y() + 4), QStringLiteral("X"));
    p.drawText(QPointF(origine.x() - 3, origine.y() + lunghezzaY + 11), QStringLiteral("Y"));

    // The zones end at 140, 180 and 280 mm along X and 75, 150 and 200 mm along Y, as on the grid.
    const double zoneX[] = {140.0 / 280, 180.0 / 280, 1.0};
    const double zoneY[] = {75.0 / 200, 150.0 / 200, 1.0};
    for (int z = 0; z < 3; ++z) {
        const QString numero = QString::number(z + 1);
        const double x = origine.x() + zoneX[z] * lunghezzaX * 0.92;
        p.drawLine(QPointF(x, origine.y() - k_Tacca), QPointF(x, origine.y() + k_Tacca));
        p.drawText(QPointF(x - 3, origine.y() - k_Tacca - 1), numero);
        const double y = origine.y() + zoneY[z] * lunghezzaY * 0.88;
        p.drawLine(QPointF(origine.x() - k_Tacca, y), QPointF(origine.x() + k_Tacca, y));
        p.drawText(QPointF(origine.x() + k_Tacca + 2, y + 4), numero);
    }
}

// Liang-Barsky clipping and the crossing-number test.
#include "fogli/GeometriaFogli.h"

#include <algorithm>

std::optional<QLineF> TagliaSegmento(QPointF a, QPointF b, const QRectF &rettangolo) noexcept
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    // Each edge cuts the parameter range: p t <= q keeps the inside.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - rettangolo.left(), rettangolo.right() - a.x(), a.y() - rettangolo.top(),
                         rettangolo.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1)
                return std::nullopt;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return std::nullopt;
            if (t < t1)
                t1 = t;
        }
    }
    // Rounding can leave an end a hair outside the edge it was cut at; the sheet's frame is exact.
    const auto dentro = [&rettangolo](double x, double y) {
        return QPointF(std::clamp(x, rettangolo.left(), rettangolo.right()),
                       std::clamp(y, rettangolo.top(), rettangolo.bottom()));
    };
    return QLineF(dentro(a.x() + t0 * dx, a.y() + t0 * dy), dentro(a.x() + t1 * dx, a.y() + t1 * dy));
}

bool DentroContorno(const std::vector<QPointF> &contorno, QPointF p) noexcept
{
    bool dentro = false;
    for (std::size_t i = 0, j = contorno.size() - 1; i < contorno.size(); j = i++) {
        const QPointF &a = contorno[i], &b = contorno[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) && p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y()))
            dentro = !dentro;
    }
    return dentro;
}

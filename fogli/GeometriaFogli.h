// Plane geometry of tiling: a segment cut to a sheet's rectangle, a point inside the outline.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

// The part of segment a-b inside `rettangolo` (edges included), or nothing when they do not meet.
std::optional<QLineF> TagliaSegmento(QPointF a, QPointF b, const QRectF &rettangolo) noexcept;

// Even-odd rule over the closed outline (the last point joins the first).
bool DentroContorno(const std::vector<QPointF> &contorno, QPointF p) noexcept;

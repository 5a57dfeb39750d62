// Where two lines of the projection meet, in parametric form: no slope, so upright lines and
// lines near parallel keep every digit.
#pragma once

// The line through (x, y) with direction (dx, dy) meets the line through (qx, qy) with direction
// (ex, ey) at (x + t dx, y + t dy); returns t (not finite when the lines are parallel).
inline double ParametroIncrocio(double x, double y, double dx, double dy, double qx, double qy, double ex,
                                double ey) noexcept
{
    return ((qx - x) * ey - (qy - y) * ex) / (dx * ey - dy * ex);
}

// A point or direction in space, in mm, with the few operations the oblique solids need.
#pragma once

#include <cmath>

struct Vettore3 {
    double x = 0, y = 0, z = 0;
};

inline Vettore3 operator+(Vettore3 a, Vettore3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vettore3 operator-(Vettore3 a, Vettore3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vettore3 operator*(double k, Vettore3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Scalare(Vettore3 a, Vettore3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vettore3 Vettoriale(Vettore3 a, Vettore3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Modulo(Vettore3 a) { return std::sqrt(Scalare(a, a)); }

#pragma once
// The arithmetic of the program at its exact rounding points, on raw arrays, shared by the plain
// reference loops and the fast engine so that both compute the very same bits:
// - a distance is half the sum of squares, each term (x - w)^2 in extended precision and the
//   running sum rounded to double after each addition;
// - a weight moves to w + (x - w) * rate, the difference, the product and the sum in extended
//   precision and the result rounded to double once.

#include <cstdint>

double distanciaExata(const double* x, const double* w, std::int32_t dimensao);

// The same distance, abandoned as soon as it can no longer be at most `limite`: the running sum
// never decreases, so once half of it rounds above the limit the full distance would too. Returns
// the distance, or any value above `limite` when abandoned.
double distanciaExataAte(const double* x, const double* w, std::int32_t dimensao, double limite);

void ajustaPesosExato(double* w, const double* x, std::int32_t dimensao, double taxa);

// One weight: w + (x - w) * r in extended precision, rounded to double once.
inline double ajustaPesoExato(double w, double x, long double r) {
    const long double lw = w;
    return static_cast<double>(lw + (x - lw) * r);
}

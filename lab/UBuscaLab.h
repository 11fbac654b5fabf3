#pragma once
// The distances of one pattern to every unit of a laboratory map, with SIMD. The map is stored by
// attribute: t[k * passo + j] is attribute k of unit j, passo a multiple of 8 at least the number
// of units (the padding units hold zeros), so that a vector holds eight units and the loop over the
// attributes reads each row once.
//
// f[j] = sum over k of (x_k - t[k * passo + j])^2, summed in attribute order
// but with fused multiply-adds, so each f may differ from the direct sum by a few units in the last
// place; the search then decides the near-ties with the direct sum (TBuscaLab).

#include <cstdint>

// f[j] for the units j < n of the rows of stride `passo` starting at t (n a multiple of 8, t on
// a unit that is a multiple of 8, so that a part of the map can be searched on its own).
using TFuncaoDistanciasLab = void (*)(const double* x, std::int32_t dimensao, const double* t,
                                      std::int32_t passo, std::int32_t n, double* f);

void distanciasLabEscalar(const double* x, std::int32_t dimensao, const double* t,
                          std::int32_t passo, std::int32_t n, double* f);
void distanciasLabAvx2(const double* x, std::int32_t dimensao, const double* t, std::int32_t passo,
                       std::int32_t n, double* f);
void distanciasLabAvx512(const double* x, std::int32_t dimensao, const double* t,
                         std::int32_t passo, std::int32_t n, double* f);

// The online update of the units u in [de, ate) with a[u] >= 0, for every attribute k whose x[k]
// is not missing: w = w + a (x_k - w), a subtraction, a product and a sum, each rounded, as the
// plain loop does. A unit with a[u] < 0 keeps every bit (its weights are not even rewritten).
using TFuncaoMoveLab = void (*)(double* t, std::int32_t passo, const double* x,
                                std::int32_t dimensao, const double* a, std::int32_t de,
                                std::int32_t ate);

void moveLabEscalar(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                    const double* a, std::int32_t de, std::int32_t ate);
void moveLabAvx2(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                 const double* a, std::int32_t de, std::int32_t ate);
void moveLabAvx512(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                   const double* a, std::int32_t de, std::int32_t ate);

// The kernels for the search level the classic engine uses (its NORVIKA_BUSCA choice included).
TFuncaoDistanciasLab funcaoDistanciasLab();
TFuncaoMoveLab funcaoMoveLab();

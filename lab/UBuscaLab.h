#pragma once
// The distances of one pattern to every unit of a laboratory map, with SIMD. The map is stored by
// attribute: t[k * passo + j] is attribute k of unit j, passo a multiple of 8 at least the number
// of units (the padding units hold zeros), so that a vector holds eight units and the loop over the
// attributes reads each row once.
//
// f[j] = sum over k of (x_k - t[k * passo + j])^2 for every j < passo, summed in attribute order
// but with fused multiply-adds, so each f may differ from the direct sum by a few units in the last
// place; the search then decides the near-ties with the direct sum (TBuscaLab).

#include <cstdint>

using TFuncaoDistanciasLab = void (*)(const double* x, std::int32_t dimensao, const double* t,
                                      std::int32_t passo, double* f);

void distanciasLabEscalar(const double* x, std::int32_t dimensao, const double* t,
                          std::int32_t passo, double* f);
void distanciasLabAvx2(const double* x, std::int32_t dimensao, const double* t, std::int32_t passo,
                       double* f);
void distanciasLabAvx512(const double* x, std::int32_t dimensao, const double* t,
                         std::int32_t passo, double* f);

// The kernel for the search level the classic engine uses (its NORVIKA_BUSCA choice included).
TFuncaoDistanciasLab funcaoDistanciasLab();

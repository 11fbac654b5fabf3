#pragma once
// The loops that the AVX2 and the AVX-512 kernels share, written once over a vector type V:
//   V::Reg, V::kLargura (doubles per vector), V::zero(), V::difunde(v), V::carrega(p),
//   V::guarda(p, a), V::sub(a, b) and V::fmadd(a, b, c) (a * b + c, rounded once).
// The including file defines NORVIKA_ALVO_VETORIAL, its instruction set as a target attribute
// takes it ("avx2,fma", say): the templates are compiled for that set only, so that they inline
// into that file's kernels and nothing else needs the instructions.

#include <cstdint>

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target(NORVIKA_ALVO_VETORIAL))), apply_to = function)
#else
// g++ does not expand macros in #pragma GCC target: a _Pragma built from the expanded name.
#define NORVIKA_PRAGMA_GCC(texto) _Pragma(#texto)
#define NORVIKA_ALVO_GCC(alvo) NORVIKA_PRAGMA_GCC(GCC target(alvo))
#pragma GCC push_options
NORVIKA_ALVO_GCC(NORVIKA_ALVO_VETORIAL)
#endif

// The laboratory's distances (distanciasLab* in UBusca.h): four vectors of units at a time, so that
// four independent chains of multiply-adds hide the latency of each; then one vector at a time
// for the rest. Every lane sums its squares in attribute order, whatever the width.
template <class V>
inline void distanciasPorVetores(const double* x, std::int32_t dimensao, const double* t,
                                 std::int32_t passo, std::int32_t n, double* f) {
    using R = typename V::Reg;
    constexpr std::int32_t L = V::kLargura;
    std::int32_t j = 0;
    for (; j + 4 * L <= n; j += 4 * L) {
        R a0 = V::zero(), a1 = V::zero(), a2 = V::zero(), a3 = V::zero();
        const double* p = t + j;
        for (std::int32_t k = 0; k < dimensao; ++k, p += passo) {
            const R xk = V::difunde(x[k]);
            const R d0 = V::sub(xk, V::carrega(p));
            const R d1 = V::sub(xk, V::carrega(p + L));
            const R d2 = V::sub(xk, V::carrega(p + 2 * L));
            const R d3 = V::sub(xk, V::carrega(p + 3 * L));
            a0 = V::fmadd(d0, d0, a0);
            a1 = V::fmadd(d1, d1, a1);
            a2 = V::fmadd(d2, d2, a2);
            a3 = V::fmadd(d3, d3, a3);
        }
        V::guarda(f + j, a0);
        V::guarda(f + j + L, a1);
        V::guarda(f + j + 2 * L, a2);
        V::guarda(f + j + 3 * L, a3);
    }
    for (; j < n; j += L) {
        R a = V::zero();
        const double* p = t + j;
        for (std::int32_t k = 0; k < dimensao; ++k, p += passo) {
            const R d = V::sub(V::difunde(x[k]), V::carrega(p));
            a = V::fmadd(d, d, a);
        }
        V::guarda(f + j, a);
    }
}

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

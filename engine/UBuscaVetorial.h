#pragma once
// The loops that the AVX2 and the AVX-512 kernels share, written once over a vector type V:
//   V::Reg, V::kLargura (doubles per vector), V::zero(), V::difunde(v), V::carrega(p),
//   V::guarda(p, a), V::sub(a, b), V::add(a, b), V::mul(a, b) and V::fmadd(a, b, c) (a * b + c,
//   rounded once); V::Mascara, V::mascara(n) (the first n lanes), V::carregaParte(p, mascara)
//   (zeros elsewhere), V::guardaParte(p, mascara, a); V::soma(a) (the lanes' sum, always in the
//   same order).
// The including file defines NORVIKA_ALVO_VETORIAL, its instruction set as a target attribute
// takes it ("avx2,fma", say): the templates are compiled for that set only, so that they inline
// into that file's kernels and nothing else needs the instructions.

#include <cmath>
#include <cstdint>
#include <limits>

#include "UBusca.h"

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target(NORVIKA_ALVO_VETORIAL))), apply_to = function)
#else
// g++ does not expand macros in #pragma GCC target: a _Pragma built from the expanded name.
#define NORVIKA_PRAGMA_GCC(texto) _Pragma(#texto)
#define NORVIKA_ALVO_GCC(alvo) NORVIKA_PRAGMA_GCC(GCC target(alvo))
#pragma GCC push_options
NORVIKA_ALVO_GCC(NORVIKA_ALVO_VETORIAL)
#endif

// The slot search (busca* in UBusca.h): four vectors of differences at a time into four
// accumulators, a partial sum compared with the threshold every 128 values, then one vector at a
// time into the first and the masked tail into the second; the four are summed the same way at the
// end and for the partial sums, so that a partial sum is a lower bound of the final one.
template <class V>
inline TResultadoBusca buscaPorVetores(const double* x, std::int32_t dimensao, const double* base,
                                       const std::int32_t* slots, std::int32_t m, double fator,
                                       double folga, std::int32_t* candidatos, double* distancias) {
    using R = typename V::Reg;
    constexpr std::int32_t L = V::kLargura;
    TColetor coletor(fator, folga, candidatos, distancias);
    const std::int32_t cauda = dimensao % L;
    const typename V::Mascara mascaraCauda = V::mascara(cauda);
    for (std::int32_t q = 0; q < m; ++q) {
        const double* w = base + static_cast<std::int64_t>(slots[q]) * dimensao;
        R a0 = V::zero(), a1 = V::zero(), a2 = V::zero(), a3 = V::zero();
        std::int32_t k = 0;
        bool abandonado = false;
        for (; k + 4 * L <= dimensao; k += 4 * L) {
            const R d0 = V::sub(V::carrega(x + k), V::carrega(w + k));
            const R d1 = V::sub(V::carrega(x + k + L), V::carrega(w + k + L));
            const R d2 = V::sub(V::carrega(x + k + 2 * L), V::carrega(w + k + 2 * L));
            const R d3 = V::sub(V::carrega(x + k + 3 * L), V::carrega(w + k + 3 * L));
            a0 = V::fmadd(d0, d0, a0);
            a1 = V::fmadd(d1, d1, a1);
            a2 = V::fmadd(d2, d2, a2);
            a3 = V::fmadd(d3, d3, a3);
            if (((k + 4 * L) & 127) == 0 && k + 4 * L < dimensao) {
                const double parcial = V::soma(V::add(V::add(a0, a1), V::add(a2, a3)));
                if (!(parcial <= coletor.limite())) {
                    coletor.abandona(parcial);
                    abandonado = true;
                    break;
                }
            }
        }
        if (abandonado) continue;
        for (; k + L <= dimensao; k += L) {
            const R d = V::sub(V::carrega(x + k), V::carrega(w + k));
            a0 = V::fmadd(d, d, a0);
        }
        if (cauda != 0) {
            const R d =
                V::sub(V::carregaParte(x + k, mascaraCauda), V::carregaParte(w + k, mascaraCauda));
            a1 = V::fmadd(d, d, a1);
        }
        const double f = V::soma(V::add(V::add(a0, a1), V::add(a2, a3)));
        coletor.registra(q, f);
    }
    return coletor.fecha();
}

// The laboratory's distances (distanciasLab* in UBusca.h): four vectors of units at a time, so that
// four independent chains of multiply-adds hide the latency of each; then one vector at a time
// for the rest. Every lane sums its squares in attribute order, whatever the width.
// With `exata`, each square and each sum is rounded on its own, as the plain loop does, so that
// every f is the direct sum to the bit.
template <class V, bool exata = false>
inline void distanciasPorVetores(const double* x, std::int32_t dimensao, const double* t,
                                 std::int32_t passo, std::int32_t n, double* f) {
    const auto acumula = [](auto d, auto a) {
        if constexpr (exata)
            return V::add(V::mul(d, d), a);
        else
            return V::fmadd(d, d, a);
    };
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
            a0 = acumula(d0, a0);
            a1 = acumula(d1, a1);
            a2 = acumula(d2, a2);
            a3 = acumula(d3, a3);
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
            a = acumula(d, a);
        }
        V::guarda(f + j, a);
    }
}

// The online update (moveLab* in UBusca.h) of the units of one vector at w whose factors au are
// at least 0, the lanes of `dentro`, down all the attributes present: w + a (x_k - w), each step
// rounded. The other lanes are neither read nor written.
template <class V>
inline void moveVetor(double* w, std::int32_t passo, const double* x, std::int32_t dimensao,
                      bool completo, typename V::Reg au, typename V::Mascara dentro) {
    using R = typename V::Reg;
    for (std::int32_t k = 0; k < dimensao; ++k, w += passo) {
        if (!completo && std::isnan(x[k])) continue;
        const R wu = V::carregaParte(w, dentro);
        const R novo = V::add(wu, V::mul(au, V::sub(V::difunde(x[k]), wu)));
        V::guardaParte(w, dentro, novo);
    }
}

// The two least of the values m1[0 .. n-1] and m2[0 .. n-1] together, as a multiset.
inline TDoisMenores juntaDoisMenores(const double* m1, const double* m2, std::int32_t n,
                                     bool inseguro) {
    TDoisMenores r{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                   inseguro};
    for (std::int32_t l = 0; l < n; ++l) {
        r.acrescenta(m1[l]);
        r.acrescenta(m2[l]);
    }
    return r;
}

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

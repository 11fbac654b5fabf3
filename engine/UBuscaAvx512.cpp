// The kernels with AVX-512: eight squared differences per instruction, four accumulators; and the
// laboratory's distances and online update, eight units per vector. Only these functions are
// compiled for AVX-512 (target attributes and a target region, not a file-wide flag), so the rest
// of the program runs on any x86-64 processor.

// g++ 12 reports its own AVX-512 intrinsics (their undefined pass-through operand) as possibly
// uninitialised; the warning is about the header, not this file.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include <immintrin.h>

#include <cmath>

#include "UBusca.h"

// Every function here is compiled for this set, UBuscaVetorial.h's templates included.
#define NORVIKA_ALVO_VETORIAL "avx512f,avx512dq,avx512vl,fma,avx2"
#define NORVIKA_AVX512 __attribute__((target(NORVIKA_ALVO_VETORIAL)))
#include "UBuscaVetorial.h"

namespace {

// The sum of the eight lanes, always in the same order: halves, then quarters, then the pair.
NORVIKA_AVX512 inline double soma(__m512d a) {
    const __m512d metades = _mm512_add_pd(a, _mm512_shuffle_f64x2(a, a, 0x4E));
    const __m256d q = _mm512_castpd512_pd256(metades);
    const __m128d s = _mm_add_pd(_mm256_castpd256_pd128(q), _mm256_extractf128_pd(q, 1));
    return _mm_cvtsd_f64(_mm_add_sd(s, _mm_unpackhi_pd(s, s)));
}

}  // namespace

NORVIKA_AVX512 TResultadoBusca buscaAvx512(const double* x, std::int32_t dimensao,
                                           const double* base, const std::int32_t* slots,
                                           std::int32_t m, double fator, double folga,
                                           std::int32_t* candidatos, double* distancias) {
    TColetor coletor(fator, folga, candidatos, distancias);
    const std::int32_t cauda = dimensao % 8;
    const __mmask8 mascaraCauda = static_cast<__mmask8>((1u << cauda) - 1u);
    for (std::int32_t q = 0; q < m; ++q) {
        const double* w = base + static_cast<std::int64_t>(slots[q]) * dimensao;
        __m512d a0 = _mm512_setzero_pd(), a1 = _mm512_setzero_pd();
        __m512d a2 = _mm512_setzero_pd(), a3 = _mm512_setzero_pd();
        std::int32_t k = 0;
        bool abandonado = false;
        for (; k + 32 <= dimensao; k += 32) {
            const __m512d d0 = _mm512_sub_pd(_mm512_loadu_pd(x + k), _mm512_loadu_pd(w + k));
            const __m512d d1 =
                _mm512_sub_pd(_mm512_loadu_pd(x + k + 8), _mm512_loadu_pd(w + k + 8));
            const __m512d d2 =
                _mm512_sub_pd(_mm512_loadu_pd(x + k + 16), _mm512_loadu_pd(w + k + 16));
            const __m512d d3 =
                _mm512_sub_pd(_mm512_loadu_pd(x + k + 24), _mm512_loadu_pd(w + k + 24));
            a0 = _mm512_fmadd_pd(d0, d0, a0);
            a1 = _mm512_fmadd_pd(d1, d1, a1);
            a2 = _mm512_fmadd_pd(d2, d2, a2);
            a3 = _mm512_fmadd_pd(d3, d3, a3);
            if (((k + 32) & 127) == 0 && k + 32 < dimensao) {
                // The same reduction as the final one: the partial sum is a lower bound of it.
                const double parcial =
                    soma(_mm512_add_pd(_mm512_add_pd(a0, a1), _mm512_add_pd(a2, a3)));
                if (!(parcial <= coletor.limite())) {
                    coletor.abandona(parcial);
                    abandonado = true;
                    break;
                }
            }
        }
        if (abandonado) continue;
        for (; k + 8 <= dimensao; k += 8) {
            const __m512d d = _mm512_sub_pd(_mm512_loadu_pd(x + k), _mm512_loadu_pd(w + k));
            a0 = _mm512_fmadd_pd(d, d, a0);
        }
        if (cauda != 0) {
            const __m512d d = _mm512_sub_pd(_mm512_maskz_loadu_pd(mascaraCauda, x + k),
                                            _mm512_maskz_loadu_pd(mascaraCauda, w + k));
            a1 = _mm512_fmadd_pd(d, d, a1);
        }
        const double f = soma(_mm512_add_pd(_mm512_add_pd(a0, a1), _mm512_add_pd(a2, a3)));
        coletor.registra(q, f);
    }
    return coletor.fecha();
}

NORVIKA_AVX512 TResultadoTransposta transpostaAvx512(const double* x, std::int32_t dimensao,
                                                     const double* t, std::int32_t passo,
                                                     std::int32_t n, double* f) {
    const __m512d teto = _mm512_set1_pd(kTetoBusca);
    __m512d menor = _mm512_set1_pd(std::numeric_limits<double>::infinity());
    __mmask8 inseguro = 0;
    for (std::int32_t j = 0; j < passo; j += 8) {
        __m512d a = _mm512_setzero_pd();
        for (std::int32_t k = 0; k < dimensao; ++k) {
            const __m512d d =
                _mm512_sub_pd(_mm512_set1_pd(x[k]),
                              _mm512_loadu_pd(t + static_cast<std::int64_t>(k) * passo + j));
            a = _mm512_fmadd_pd(d, d, a);
        }
        _mm512_storeu_pd(f + j, a);
        const std::int32_t resto = n - j;
        const __mmask8 validos =
            static_cast<__mmask8>(resto >= 8 ? 0xFFu : (1u << (resto > 0 ? resto : 0)) - 1u);
        menor = _mm512_mask_min_pd(menor, validos, menor, a);
        // Not below the ceiling, NaN included.
        inseguro |= _mm512_mask_cmp_pd_mask(validos, a, teto, _CMP_NLT_UQ);
    }
    const __m512d metades = _mm512_min_pd(menor, _mm512_shuffle_f64x2(menor, menor, 0x4E));
    const __m256d q = _mm512_castpd512_pd256(metades);
    const __m128d s = _mm_min_pd(_mm256_castpd256_pd128(q), _mm256_extractf128_pd(q, 1));
    TResultadoTransposta r;
    r.melhor = _mm_cvtsd_f64(_mm_min_sd(s, _mm_unpackhi_pd(s, s)));
    r.inseguro = inseguro != 0;
    return r;
}

NORVIKA_AVX512 std::int32_t selecionaAvx512(const double* f, std::int32_t n, double limite,
                                            std::int32_t* candidatos) {
    const __m512d l = _mm512_set1_pd(limite);
    std::int32_t m = 0;
    for (std::int32_t j = 0; j < n; j += 8) {
        const std::int32_t resto = n - j;
        const __mmask8 validos = static_cast<__mmask8>(resto >= 8 ? 0xFFu : (1u << resto) - 1u);
        unsigned dentro = _mm512_mask_cmp_pd_mask(validos, _mm512_loadu_pd(f + j), l, _CMP_LE_OQ);
        while (dentro != 0) {
            candidatos[m++] = j + __builtin_ctz(dentro);
            dentro &= dentro - 1;
        }
    }
    return m;
}

// The laboratory's kernels.

namespace {

struct TVetorAvx512 {
    using Reg = __m512d;
    static constexpr std::int32_t kLargura = 8;
    NORVIKA_AVX512 static Reg zero() { return _mm512_setzero_pd(); }
    NORVIKA_AVX512 static Reg difunde(double v) { return _mm512_set1_pd(v); }
    NORVIKA_AVX512 static Reg carrega(const double* p) { return _mm512_loadu_pd(p); }
    NORVIKA_AVX512 static void guarda(double* p, Reg a) { _mm512_storeu_pd(p, a); }
    NORVIKA_AVX512 static Reg sub(Reg a, Reg b) { return _mm512_sub_pd(a, b); }
    NORVIKA_AVX512 static Reg fmadd(Reg a, Reg b, Reg c) { return _mm512_fmadd_pd(a, b, c); }
};

}  // namespace

NORVIKA_AVX512 void distanciasLabAvx512(const double* x, std::int32_t dimensao, const double* t,
                                        std::int32_t passo, std::int32_t n, double* f) {
    distanciasPorVetores<TVetorAvx512>(x, dimensao, t, passo, n, f);
}

// Eight units at a time, their factors and mask loaded once, down all the attributes.
NORVIKA_AVX512 void moveLabAvx512(double* t, std::int32_t passo, const double* x,
                                  std::int32_t dimensao, const double* a, std::int32_t de,
                                  std::int32_t ate) {
    const __m512d zero = _mm512_setzero_pd();
    bool completo = true;
    for (std::int32_t k = 0; k < dimensao && completo; ++k) completo = !std::isnan(x[k]);
    for (std::int32_t u = de; u < ate; u += 8) {
        const std::int32_t resto = ate - u;
        const __mmask8 validos = static_cast<__mmask8>(resto >= 8 ? 0xFFu : (1u << resto) - 1u);
        const __m512d au = _mm512_maskz_loadu_pd(validos, a + u);
        const __mmask8 dentro = _mm512_mask_cmp_pd_mask(validos, au, zero, _CMP_GE_OQ);
        if (dentro == 0) continue;
        double* w = t + u;
        for (std::int32_t k = 0; k < dimensao; ++k, w += passo) {
            if (!completo && std::isnan(x[k])) continue;
            const __m512d wu = _mm512_maskz_loadu_pd(dentro, w);
            const __m512d novo =
                _mm512_add_pd(wu, _mm512_mul_pd(au, _mm512_sub_pd(_mm512_set1_pd(x[k]), wu)));
            _mm512_mask_storeu_pd(w, dentro, novo);
        }
    }
}

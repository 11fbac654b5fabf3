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

struct TVetorAvx512 {
    using Reg = __m512d;
    using Mascara = __mmask8;
    static constexpr std::int32_t kLargura = 8;
    NORVIKA_AVX512 static Reg zero() { return _mm512_setzero_pd(); }
    NORVIKA_AVX512 static Reg difunde(double v) { return _mm512_set1_pd(v); }
    NORVIKA_AVX512 static Reg carrega(const double* p) { return _mm512_loadu_pd(p); }
    NORVIKA_AVX512 static void guarda(double* p, Reg a) { _mm512_storeu_pd(p, a); }
    NORVIKA_AVX512 static Reg sub(Reg a, Reg b) { return _mm512_sub_pd(a, b); }
    NORVIKA_AVX512 static Reg add(Reg a, Reg b) { return _mm512_add_pd(a, b); }
    NORVIKA_AVX512 static Reg mul(Reg a, Reg b) { return _mm512_mul_pd(a, b); }
    NORVIKA_AVX512 static Reg fmadd(Reg a, Reg b, Reg c) { return _mm512_fmadd_pd(a, b, c); }
    NORVIKA_AVX512 static Mascara mascara(std::int32_t n) {
        return static_cast<__mmask8>((1u << n) - 1u);
    }
    NORVIKA_AVX512 static Reg carregaParte(const double* p, Mascara m) {
        return _mm512_maskz_loadu_pd(m, p);
    }
    NORVIKA_AVX512 static void guardaParte(double* p, Mascara m, Reg a) {
        _mm512_mask_storeu_pd(p, m, a);
    }
    // The sum of the eight lanes, always in the same order: halves, then quarters, then the pair.
    NORVIKA_AVX512 static double soma(Reg a) {
        const __m512d metades = _mm512_add_pd(a, _mm512_shuffle_f64x2(a, a, 0x4E));
        const __m256d q = _mm512_castpd512_pd256(metades);
        const __m128d s = _mm_add_pd(_mm256_castpd256_pd128(q), _mm256_extractf128_pd(q, 1));
        return _mm_cvtsd_f64(_mm_add_sd(s, _mm_unpackhi_pd(s, s)));
    }
};

}  // namespace

NORVIKA_AVX512 TResultadoBusca buscaAvx512(const double* x, std::int32_t dimensao,
                                           const double* base, const std::int32_t* slots,
                                           std::int32_t m, double fator, double folga,
                                           std::int32_t* candidatos, double* distancias) {
    return buscaPorVetores<TVetorAvx512>(x, dimensao, base, slots, m, fator, folga, candidatos,
                                         distancias);
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
    const auto recolhe = [&](unsigned dentro, std::int32_t j) {
        while (dentro != 0) {
            candidatos[m++] = j + __builtin_ctz(dentro);
            dentro &= dentro - 1;
        }
    };
    std::int32_t j = 0;
    // Usually only a few units are within the limit: 32 at a time are passed over with one test.
    for (; j + 32 <= n; j += 32) {
        const __mmask8 a = _mm512_cmp_pd_mask(_mm512_loadu_pd(f + j), l, _CMP_LE_OQ);
        const __mmask8 b = _mm512_cmp_pd_mask(_mm512_loadu_pd(f + j + 8), l, _CMP_LE_OQ);
        const __mmask8 c = _mm512_cmp_pd_mask(_mm512_loadu_pd(f + j + 16), l, _CMP_LE_OQ);
        const __mmask8 d = _mm512_cmp_pd_mask(_mm512_loadu_pd(f + j + 24), l, _CMP_LE_OQ);
        if ((a | b | c | d) == 0) continue;
        recolhe(a, j);
        recolhe(b, j + 8);
        recolhe(c, j + 16);
        recolhe(d, j + 24);
    }
    for (; j < n; j += 8) {
        const std::int32_t resto = n - j;
        const __mmask8 validos = static_cast<__mmask8>(resto >= 8 ? 0xFFu : (1u << resto) - 1u);
        recolhe(_mm512_mask_cmp_pd_mask(validos, _mm512_loadu_pd(f + j), l, _CMP_LE_OQ), j);
    }
    return m;
}

// The laboratory's kernels.

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
        moveVetor<TVetorAvx512>(t + u, passo, x, dimensao, completo, au, dentro);
    }
}

// Each lane keeps its two least; a lane past n holds infinity and is not counted as untrusted.
// Two running pairs (least, second least) lane by lane, merged into one: the least of the four,
// and the second least among them (a tie keeps both).
NORVIKA_AVX512 inline void juntaPares(__m512d& m1, __m512d& m2, __m512d p1, __m512d p2) {
    const __m512d segundo = _mm512_min_pd(_mm512_max_pd(m1, p1), _mm512_min_pd(m2, p2));
    m1 = _mm512_min_pd(m1, p1);
    m2 = segundo;
}

// Four pairs of running minima, so that each min waits on its own pair only, merged at the end
// across pairs and lanes by vector steps; a lane past n holds infinity, which changes no pair and
// is not untrusted.
NORVIKA_AVX512 TDoisMenores doisMenoresAvx512(const double* f, std::int32_t n) {
    const __m512d infinito = _mm512_set1_pd(std::numeric_limits<double>::infinity());
    const __m512d teto = _mm512_set1_pd(kTetoBusca);
    __m512d m1[4] = {infinito, infinito, infinito, infinito};
    __m512d m2[4] = {infinito, infinito, infinito, infinito};
    __mmask8 ruim = 0;
    std::int32_t j = 0;
    for (; j + 32 <= n; j += 32)
        for (std::int32_t q = 0; q < 4; ++q) {
            const __m512d x = _mm512_loadu_pd(f + j + 8 * q);
            ruim = static_cast<__mmask8>(ruim | _mm512_cmp_pd_mask(x, teto, _CMP_NLT_UQ));
            const __m512d alto = _mm512_max_pd(m1[q], x);
            m1[q] = _mm512_min_pd(m1[q], x);
            m2[q] = _mm512_min_pd(m2[q], alto);
        }
    for (; j < n; j += 8) {
        const auto validos = static_cast<__mmask8>(n - j >= 8 ? 0xFFu : (1u << (n - j)) - 1u);
        const __m512d x = _mm512_mask_loadu_pd(infinito, validos, f + j);
        ruim = static_cast<__mmask8>(ruim | _mm512_mask_cmp_pd_mask(validos, x, teto, _CMP_NLT_UQ));
        const __m512d alto = _mm512_max_pd(m1[0], x);
        m1[0] = _mm512_min_pd(m1[0], x);
        m2[0] = _mm512_min_pd(m2[0], alto);
    }
    juntaPares(m1[0], m2[0], m1[1], m2[1]);
    juntaPares(m1[2], m2[2], m1[3], m2[3]);
    juntaPares(m1[0], m2[0], m1[2], m2[2]);
    // Across the lanes: halves, quarters, neighbours.
    juntaPares(m1[0], m2[0], _mm512_shuffle_f64x2(m1[0], m1[0], 0x4E),
               _mm512_shuffle_f64x2(m2[0], m2[0], 0x4E));
    juntaPares(m1[0], m2[0], _mm512_permutex_pd(m1[0], 0x4E), _mm512_permutex_pd(m2[0], 0x4E));
    juntaPares(m1[0], m2[0], _mm512_permute_pd(m1[0], 0x55), _mm512_permute_pd(m2[0], 0x55));
    return {_mm512_cvtsd_f64(m1[0]), _mm512_cvtsd_f64(m2[0]), ruim != 0};
}

NORVIKA_AVX512 void decaiLabAvx512(double* v, std::int32_t n, double beta) {
    const __m512d b = _mm512_set1_pd(beta);
    std::int32_t j = 0;
    for (; j + 8 <= n; j += 8) {
        const __m512d x = _mm512_loadu_pd(v + j);
        _mm512_storeu_pd(v + j, _mm512_sub_pd(x, _mm512_mul_pd(b, x)));
    }
    if (j < n) {
        const auto validos = static_cast<__mmask8>((1u << (n - j)) - 1u);
        const __m512d x = _mm512_maskz_loadu_pd(validos, v + j);
        _mm512_mask_storeu_pd(v + j, validos, _mm512_sub_pd(x, _mm512_mul_pd(b, x)));
    }
}

// Eight units i at a time against every unit j, their counts kept in a vector: j is below i, or
// equal to it with a lower index. Before the eight, every j of a lower index counts when at or
// below; after them, only when below; among them, each lane by its own index.
NORVIKA_AVX512 void postosAvx512(const double* d, std::int32_t n, std::int32_t* posto) {
    const __m512i um = _mm512_set1_epi64(1);
    for (std::int32_t i = 0; i < n; i += 8) {
        const std::int32_t resto = n - i;
        const auto validos = static_cast<__mmask8>(resto >= 8 ? 0xFFu : (1u << resto) - 1u);
        const __m512d di = _mm512_maskz_loadu_pd(validos, d + i);
        __m512i contagem = _mm512_setzero_si512();
        std::int32_t j = 0;
        for (; j < i; ++j) {
            const __mmask8 conta = _mm512_cmp_pd_mask(_mm512_set1_pd(d[j]), di, _CMP_LE_OQ);
            contagem = _mm512_mask_add_epi64(contagem, conta, contagem, um);
        }
        for (; j < n && j < i + 8; ++j) {
            const __m512d dj = _mm512_set1_pd(d[j]);
            // The lanes of an index above j.
            const auto depois = static_cast<__mmask8>((0xFFu << (j - i + 1)) & 0xFFu);
            const __mmask8 conta =
                static_cast<__mmask8>(_mm512_cmp_pd_mask(dj, di, _CMP_LT_OQ) |
                                      _mm512_mask_cmp_pd_mask(depois, dj, di, _CMP_EQ_OQ));
            contagem = _mm512_mask_add_epi64(contagem, conta, contagem, um);
        }
        for (; j < n; ++j) {
            const __mmask8 conta = _mm512_cmp_pd_mask(_mm512_set1_pd(d[j]), di, _CMP_LT_OQ);
            contagem = _mm512_mask_add_epi64(contagem, conta, contagem, um);
        }
        _mm256_mask_storeu_epi32(posto + i, validos, _mm512_cvtepi64_epi32(contagem));
    }
}

NORVIKA_AVX512 void distanciasExatasLabAvx512(const double* x, std::int32_t dimensao,
                                              const double* t, std::int32_t passo, std::int32_t n,
                                              double* f) {
    distanciasPorVetores<TVetorAvx512, true>(x, dimensao, t, passo, n, f);
}

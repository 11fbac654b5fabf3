// The kernels with AVX2 and FMA: four squared differences per instruction; and the laboratory's
// distances and online update, four units per vector.

#include <immintrin.h>

#include <cmath>
#include <limits>

#include "UBusca.h"

// Every function here is compiled for this set, UBuscaVetorial.h's templates included.
#define NORVIKA_ALVO_VETORIAL "avx2,fma"
#define NORVIKA_AVX2 __attribute__((target(NORVIKA_ALVO_VETORIAL)))
#include "UBuscaVetorial.h"

namespace {

struct TVetorAvx2 {
    using Reg = __m256d;
    using Mascara = __m256i;
    static constexpr std::int32_t kLargura = 4;
    NORVIKA_AVX2 static Reg zero() { return _mm256_setzero_pd(); }
    NORVIKA_AVX2 static Reg difunde(double v) { return _mm256_set1_pd(v); }
    NORVIKA_AVX2 static Reg carrega(const double* p) { return _mm256_loadu_pd(p); }
    NORVIKA_AVX2 static void guarda(double* p, Reg a) { _mm256_storeu_pd(p, a); }
    NORVIKA_AVX2 static Reg sub(Reg a, Reg b) { return _mm256_sub_pd(a, b); }
    NORVIKA_AVX2 static Reg add(Reg a, Reg b) { return _mm256_add_pd(a, b); }
    NORVIKA_AVX2 static Reg mul(Reg a, Reg b) { return _mm256_mul_pd(a, b); }
    NORVIKA_AVX2 static Reg fmadd(Reg a, Reg b, Reg c) { return _mm256_fmadd_pd(a, b, c); }
    NORVIKA_AVX2 static Mascara mascara(std::int32_t n) {
        return _mm256_set_epi64x(n > 3 ? -1 : 0, n > 2 ? -1 : 0, n > 1 ? -1 : 0, n > 0 ? -1 : 0);
    }
    NORVIKA_AVX2 static Reg carregaParte(const double* p, Mascara m) {
        return _mm256_maskload_pd(p, m);
    }
    NORVIKA_AVX2 static void guardaParte(double* p, Mascara m, Reg a) {
        _mm256_maskstore_pd(p, m, a);
    }
    NORVIKA_AVX2 static double soma(Reg a) {
        const __m128d s = _mm_add_pd(_mm256_castpd256_pd128(a), _mm256_extractf128_pd(a, 1));
        return _mm_cvtsd_f64(_mm_add_sd(s, _mm_unpackhi_pd(s, s)));
    }
};

}  // namespace

NORVIKA_AVX2 TResultadoBusca buscaAvx2(const double* x, std::int32_t dimensao, const double* base,
                                       const std::int32_t* slots, std::int32_t m, double fator,
                                       double folga, std::int32_t* candidatos, double* distancias) {
    return buscaPorVetores<TVetorAvx2>(x, dimensao, base, slots, m, fator, folga, candidatos,
                                       distancias);
}

NORVIKA_AVX2 TResultadoTransposta transpostaAvx2(const double* x, std::int32_t dimensao,
                                                 const double* t, std::int32_t passo,
                                                 std::int32_t n, double* f) {
    // The smallest distance and the untrusted ones are kept as they go, in vectors; the lanes of
    // the padding past neuron n - 1 count as infinite for the one and as trusted for the other.
    const __m256d infinito = _mm256_set1_pd(std::numeric_limits<double>::infinity());
    const __m256d teto = _mm256_set1_pd(kTetoBusca);
    const __m256i lanes0 = _mm256_setr_epi64x(0, 1, 2, 3), lanes1 = _mm256_setr_epi64x(4, 5, 6, 7);
    __m256d menor0 = infinito, menor1 = infinito, inseguro = _mm256_setzero_pd();
    for (std::int32_t j = 0; j < passo; j += 8) {
        __m256d a0 = _mm256_setzero_pd(), a1 = _mm256_setzero_pd();
        for (std::int32_t k = 0; k < dimensao; ++k) {
            const double* linha = t + static_cast<std::int64_t>(k) * passo + j;
            const __m256d xk = _mm256_set1_pd(x[k]);
            const __m256d d0 = _mm256_sub_pd(xk, _mm256_loadu_pd(linha));
            const __m256d d1 = _mm256_sub_pd(xk, _mm256_loadu_pd(linha + 4));
            a0 = _mm256_fmadd_pd(d0, d0, a0);
            a1 = _mm256_fmadd_pd(d1, d1, a1);
        }
        _mm256_storeu_pd(f + j, a0);
        _mm256_storeu_pd(f + j + 4, a1);
        if (j + 8 > n) {
            const __m256i resto = _mm256_set1_epi64x(n - j);
            const __m256d validos0 = _mm256_castsi256_pd(_mm256_cmpgt_epi64(resto, lanes0));
            const __m256d validos1 = _mm256_castsi256_pd(_mm256_cmpgt_epi64(resto, lanes1));
            a0 = _mm256_and_pd(a0, validos0);
            a1 = _mm256_and_pd(a1, validos1);
            menor0 = _mm256_min_pd(menor0, _mm256_blendv_pd(infinito, a0, validos0));
            menor1 = _mm256_min_pd(menor1, _mm256_blendv_pd(infinito, a1, validos1));
        } else {
            menor0 = _mm256_min_pd(menor0, a0);
            menor1 = _mm256_min_pd(menor1, a1);
        }
        // Not below the ceiling, NaN included.
        inseguro = _mm256_or_pd(inseguro, _mm256_or_pd(_mm256_cmp_pd(a0, teto, _CMP_NLT_UQ),
                                                       _mm256_cmp_pd(a1, teto, _CMP_NLT_UQ)));
    }
    const __m256d menor = _mm256_min_pd(menor0, menor1);
    const __m128d s = _mm_min_pd(_mm256_castpd256_pd128(menor), _mm256_extractf128_pd(menor, 1));
    TResultadoTransposta r;
    r.melhor = _mm_cvtsd_f64(_mm_min_sd(s, _mm_unpackhi_pd(s, s)));
    r.inseguro = _mm256_movemask_pd(inseguro) != 0;
    return r;
}

namespace {

// For each mask of four lanes, the lanes that are set, packed to the front.
struct TTabelaCompacta {
    alignas(16) std::int32_t indices[16][4];
    constexpr TTabelaCompacta() : indices{} {
        for (int mascara = 0; mascara < 16; ++mascara) {
            int k = 0;
            for (int lane = 0; lane < 4; ++lane)
                if ((mascara >> lane) & 1) indices[mascara][k++] = lane;
        }
    }
};
constexpr TTabelaCompacta kCompacta;

}  // namespace

// Four distances compared at once; the indices under the threshold are written without a branch,
// by the table of packed lanes (a store of four, of which the first popcount(mask) count).
NORVIKA_AVX2 std::int32_t selecionaAvx2(const double* f, std::int32_t n, double limite,
                                        std::int32_t* candidatos) {
    const __m256d l = _mm256_set1_pd(limite);
    std::int32_t m = 0;
    std::int32_t j = 0;
    for (; j + 4 <= n; j += 4) {
        // Usually only a few are within the limit: sixteen at a time are passed over with one test.
        if (j % 16 == 0 && j + 16 <= n) {
            const __m256d a = _mm256_cmp_pd(_mm256_loadu_pd(f + j), l, _CMP_LE_OQ);
            const __m256d b = _mm256_cmp_pd(_mm256_loadu_pd(f + j + 4), l, _CMP_LE_OQ);
            const __m256d c = _mm256_cmp_pd(_mm256_loadu_pd(f + j + 8), l, _CMP_LE_OQ);
            const __m256d d = _mm256_cmp_pd(_mm256_loadu_pd(f + j + 12), l, _CMP_LE_OQ);
            if (_mm256_movemask_pd(_mm256_or_pd(_mm256_or_pd(a, b), _mm256_or_pd(c, d))) == 0) {
                j += 12;
                continue;
            }
        }
        const auto dentro = static_cast<unsigned>(
            _mm256_movemask_pd(_mm256_cmp_pd(_mm256_loadu_pd(f + j), l, _CMP_LE_OQ)));
        const __m128i indices = _mm_add_epi32(
            _mm_load_si128(reinterpret_cast<const __m128i*>(kCompacta.indices[dentro])),
            _mm_set1_epi32(j));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(candidatos + m), indices);
        m += __builtin_popcount(dentro);
    }
    for (; j < n; ++j) {
        candidatos[m] = j;
        m += f[j] <= limite ? 1 : 0;
    }
    return m;
}

// The laboratory's kernels.

NORVIKA_AVX2 void distanciasLabAvx2(const double* x, std::int32_t dimensao, const double* t,
                                    std::int32_t passo, std::int32_t n, double* f) {
    distanciasPorVetores<TVetorAvx2>(x, dimensao, t, passo, n, f);
}

// Four units at a time, their factors and mask loaded once, down all the attributes.
NORVIKA_AVX2 void moveLabAvx2(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                              const double* a, std::int32_t de, std::int32_t ate) {
    const __m256d zero = _mm256_setzero_pd();
    bool completo = true;
    for (std::int32_t k = 0; k < dimensao && completo; ++k) completo = !std::isnan(x[k]);
    std::int32_t u = de;
    for (; u + 4 <= ate; u += 4) {
        const __m256d au = _mm256_loadu_pd(a + u);
        const __m256d cmp = _mm256_cmp_pd(au, zero, _CMP_GE_OQ);
        if (_mm256_movemask_pd(cmp) == 0) continue;
        moveVetor<TVetorAvx2>(t + u, passo, x, dimensao, completo, au, _mm256_castpd_si256(cmp));
    }
    for (; u < ate; ++u) {
        if (!(a[u] >= 0.0)) continue;
        double* w = t + u;
        for (std::int32_t k = 0; k < dimensao; ++k, w += passo)
            if (!std::isnan(x[k])) *w = *w + a[u] * (x[k] - *w);
    }
}

// Two running pairs (least, second least) lane by lane, merged into one.
NORVIKA_AVX2 inline void juntaPares(__m256d& m1, __m256d& m2, __m256d p1, __m256d p2) {
    const __m256d segundo = _mm256_min_pd(_mm256_max_pd(m1, p1), _mm256_min_pd(m2, p2));
    m1 = _mm256_min_pd(m1, p1);
    m2 = segundo;
}

// Four pairs of running minima, each waiting on its own pair only, merged at the end across pairs
// and lanes.
NORVIKA_AVX2 TDoisMenores doisMenoresAvx2(const double* f, std::int32_t n) {
    const __m256d infinito = _mm256_set1_pd(std::numeric_limits<double>::infinity());
    const __m256d teto = _mm256_set1_pd(kTetoBusca);
    __m256d m1[4] = {infinito, infinito, infinito, infinito};
    __m256d m2[4] = {infinito, infinito, infinito, infinito};
    __m256d ruim = _mm256_setzero_pd();
    std::int32_t j = 0;
    for (; j + 16 <= n; j += 16)
        for (std::int32_t q = 0; q < 4; ++q) {
            const __m256d x = _mm256_loadu_pd(f + j + 4 * q);
            ruim = _mm256_or_pd(ruim, _mm256_cmp_pd(x, teto, _CMP_NLT_UQ));
            const __m256d alto = _mm256_max_pd(m1[q], x);
            m1[q] = _mm256_min_pd(m1[q], x);
            m2[q] = _mm256_min_pd(m2[q], alto);
        }
    for (; j + 4 <= n; j += 4) {
        const __m256d x = _mm256_loadu_pd(f + j);
        ruim = _mm256_or_pd(ruim, _mm256_cmp_pd(x, teto, _CMP_NLT_UQ));
        const __m256d alto = _mm256_max_pd(m1[0], x);
        m1[0] = _mm256_min_pd(m1[0], x);
        m2[0] = _mm256_min_pd(m2[0], alto);
    }
    juntaPares(m1[0], m2[0], m1[1], m2[1]);
    juntaPares(m1[2], m2[2], m1[3], m2[3]);
    juntaPares(m1[0], m2[0], m1[2], m2[2]);
    juntaPares(m1[0], m2[0], _mm256_permute2f128_pd(m1[0], m1[0], 1),
               _mm256_permute2f128_pd(m2[0], m2[0], 1));
    juntaPares(m1[0], m2[0], _mm256_permute_pd(m1[0], 0x5), _mm256_permute_pd(m2[0], 0x5));
    const TDoisMenores cauda = doisMenoresEscalar(f + j, n - j);
    const double a[2] = {_mm256_cvtsd_f64(m1[0]), cauda.a1};
    const double b[2] = {_mm256_cvtsd_f64(m2[0]), cauda.a2};
    return juntaDoisMenores(a, b, 2, _mm256_movemask_pd(ruim) != 0 || cauda.inseguro);
}

NORVIKA_AVX2 void decaiLabAvx2(double* v, std::int32_t n, double beta) {
    const __m256d b = _mm256_set1_pd(beta);
    std::int32_t j = 0;
    for (; j + 4 <= n; j += 4) {
        const __m256d x = _mm256_loadu_pd(v + j);
        _mm256_storeu_pd(v + j, _mm256_sub_pd(x, _mm256_mul_pd(b, x)));
    }
    decaiLabEscalar(v + j, n - j, beta);
}

// Four units i at a time against every unit j, counted in a vector (a true comparison is all ones,
// -1, taken away): before the four, a j at or below counts; after them, only below; among them,
// each lane by its own index.
NORVIKA_AVX2 void postosAvx2(const double* d, std::int32_t n, std::int32_t* posto) {
    std::int32_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m256d di = _mm256_loadu_pd(d + i);
        __m256i contagem = _mm256_setzero_si256();
        std::int32_t j = 0;
        for (; j < i; ++j)
            contagem = _mm256_sub_epi64(
                contagem, _mm256_castpd_si256(_mm256_cmp_pd(_mm256_set1_pd(d[j]), di, _CMP_LE_OQ)));
        for (; j < i + 4; ++j) {
            const __m256d dj = _mm256_set1_pd(d[j]);
            // The lanes of an index above j.
            const __m256i depois = _mm256_cmpgt_epi64(_mm256_set_epi64x(i + 3, i + 2, i + 1, i),
                                                      _mm256_set1_epi64x(j));
            const __m256d conta = _mm256_or_pd(
                _mm256_cmp_pd(dj, di, _CMP_LT_OQ),
                _mm256_and_pd(_mm256_castsi256_pd(depois), _mm256_cmp_pd(dj, di, _CMP_EQ_OQ)));
            contagem = _mm256_sub_epi64(contagem, _mm256_castpd_si256(conta));
        }
        for (; j < n; ++j)
            contagem = _mm256_sub_epi64(
                contagem, _mm256_castpd_si256(_mm256_cmp_pd(_mm256_set1_pd(d[j]), di, _CMP_LT_OQ)));
        alignas(32) std::int64_t c[4];
        _mm256_store_si256(reinterpret_cast<__m256i*>(c), contagem);
        for (std::int32_t l = 0; l < 4; ++l) posto[i + l] = static_cast<std::int32_t>(c[l]);
    }
    for (; i < n; ++i) {
        std::int32_t k = 0;
        for (std::int32_t j = 0; j < n; ++j) k += (d[j] < d[i]) | ((d[j] == d[i]) & (j < i));
        posto[i] = k;
    }
}

NORVIKA_AVX2 void distanciasExatasLabAvx2(const double* x, std::int32_t dimensao, const double* t,
                                          std::int32_t passo, std::int32_t n, double* f) {
    distanciasPorVetores<TVetorAvx2, true>(x, dimensao, t, passo, n, f);
}

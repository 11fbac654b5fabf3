// Four vectors of units at a time, so that four independent chains of multiply-adds hide the
// latency of each; then one vector at a time for the rest. Only these functions are compiled for
// AVX2 or AVX-512 (target attributes), so the program runs on any x86-64 processor.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include "UBuscaLab.h"

#include <immintrin.h>

#include <cmath>
#include <cstring>

#include "UBusca.h"

void distanciasLabEscalar(const double* x, std::int32_t dimensao, const double* t,
                          std::int32_t passo, std::int32_t n, double* f) {
    for (std::int32_t j = 0; j < n; ++j) f[j] = 0.0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const double* linha = t + static_cast<std::int64_t>(k) * passo;
        for (std::int32_t j = 0; j < n; ++j) {
            const double d = x[k] - linha[j];
            f[j] += d * d;
        }
    }
}

__attribute__((target("avx2,fma"))) void distanciasLabAvx2(const double* x, std::int32_t dimensao,
                                                           const double* t, std::int32_t passo,
                                                           std::int32_t n, double* f) {
    std::int32_t j = 0;
    for (; j + 16 <= n; j += 16) {
        __m256d a0 = _mm256_setzero_pd(), a1 = _mm256_setzero_pd();
        __m256d a2 = _mm256_setzero_pd(), a3 = _mm256_setzero_pd();
        const double* p = t + j;
        for (std::int32_t k = 0; k < dimensao; ++k, p += passo) {
            const __m256d xk = _mm256_set1_pd(x[k]);
            const __m256d d0 = _mm256_sub_pd(xk, _mm256_loadu_pd(p));
            const __m256d d1 = _mm256_sub_pd(xk, _mm256_loadu_pd(p + 4));
            const __m256d d2 = _mm256_sub_pd(xk, _mm256_loadu_pd(p + 8));
            const __m256d d3 = _mm256_sub_pd(xk, _mm256_loadu_pd(p + 12));
            a0 = _mm256_fmadd_pd(d0, d0, a0);
            a1 = _mm256_fmadd_pd(d1, d1, a1);
            a2 = _mm256_fmadd_pd(d2, d2, a2);
            a3 = _mm256_fmadd_pd(d3, d3, a3);
        }
        _mm256_storeu_pd(f + j, a0);
        _mm256_storeu_pd(f + j + 4, a1);
        _mm256_storeu_pd(f + j + 8, a2);
        _mm256_storeu_pd(f + j + 12, a3);
    }
    for (; j < n; j += 4) {
        __m256d a = _mm256_setzero_pd();
        const double* p = t + j;
        for (std::int32_t k = 0; k < dimensao; ++k, p += passo) {
            const __m256d d = _mm256_sub_pd(_mm256_set1_pd(x[k]), _mm256_loadu_pd(p));
            a = _mm256_fmadd_pd(d, d, a);
        }
        _mm256_storeu_pd(f + j, a);
    }
}

__attribute__((target("avx512f,avx512dq,avx512vl,fma,avx2"))) void distanciasLabAvx512(
    const double* x, std::int32_t dimensao, const double* t, std::int32_t passo, std::int32_t n,
    double* f) {
    std::int32_t j = 0;
    for (; j + 32 <= n; j += 32) {
        __m512d a0 = _mm512_setzero_pd(), a1 = _mm512_setzero_pd();
        __m512d a2 = _mm512_setzero_pd(), a3 = _mm512_setzero_pd();
        const double* p = t + j;
        for (std::int32_t k = 0; k < dimensao; ++k, p += passo) {
            const __m512d xk = _mm512_set1_pd(x[k]);
            const __m512d d0 = _mm512_sub_pd(xk, _mm512_loadu_pd(p));
            const __m512d d1 = _mm512_sub_pd(xk, _mm512_loadu_pd(p + 8));
            const __m512d d2 = _mm512_sub_pd(xk, _mm512_loadu_pd(p + 16));
            const __m512d d3 = _mm512_sub_pd(xk, _mm512_loadu_pd(p + 24));
            a0 = _mm512_fmadd_pd(d0, d0, a0);
            a1 = _mm512_fmadd_pd(d1, d1, a1);
            a2 = _mm512_fmadd_pd(d2, d2, a2);
            a3 = _mm512_fmadd_pd(d3, d3, a3);
        }
        _mm512_storeu_pd(f + j, a0);
        _mm512_storeu_pd(f + j + 8, a1);
        _mm512_storeu_pd(f + j + 16, a2);
        _mm512_storeu_pd(f + j + 24, a3);
    }
    for (; j < n; j += 8) {
        __m512d a = _mm512_setzero_pd();
        const double* p = t + j;
        for (std::int32_t k = 0; k < dimensao; ++k, p += passo) {
            const __m512d d = _mm512_sub_pd(_mm512_set1_pd(x[k]), _mm512_loadu_pd(p));
            a = _mm512_fmadd_pd(d, d, a);
        }
        _mm512_storeu_pd(f + j, a);
    }
}

void moveLabEscalar(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                    const double* a, std::int32_t de, std::int32_t ate) {
    for (std::int32_t k = 0; k < dimensao; ++k) {
        if (std::isnan(x[k])) continue;
        double* w = t + static_cast<std::int64_t>(k) * passo;
        for (std::int32_t u = de; u < ate; ++u)
            if (a[u] >= 0.0) w[u] = w[u] + a[u] * (x[k] - w[u]);
    }
}

// Four units at a time, their factors and mask loaded once, down all the attributes.
__attribute__((target("avx2,fma"))) void moveLabAvx2(double* t, std::int32_t passo, const double* x,
                                                     std::int32_t dimensao, const double* a,
                                                     std::int32_t de, std::int32_t ate) {
    const __m256d zero = _mm256_setzero_pd();
    bool completo = true;
    for (std::int32_t k = 0; k < dimensao && completo; ++k) completo = !std::isnan(x[k]);
    std::int32_t u = de;
    for (; u + 4 <= ate; u += 4) {
        const __m256d au = _mm256_loadu_pd(a + u);
        const __m256d cmp = _mm256_cmp_pd(au, zero, _CMP_GE_OQ);
        if (_mm256_movemask_pd(cmp) == 0) continue;
        const __m256i dentro = _mm256_castpd_si256(cmp);
        double* w = t + u;
        for (std::int32_t k = 0; k < dimensao; ++k, w += passo) {
            if (!completo && std::isnan(x[k])) continue;
            const __m256d wu = _mm256_maskload_pd(w, dentro);
            const __m256d novo =
                _mm256_add_pd(wu, _mm256_mul_pd(au, _mm256_sub_pd(_mm256_set1_pd(x[k]), wu)));
            _mm256_maskstore_pd(w, dentro, novo);
        }
    }
    for (; u < ate; ++u) {
        if (!(a[u] >= 0.0)) continue;
        double* w = t + u;
        for (std::int32_t k = 0; k < dimensao; ++k, w += passo)
            if (!std::isnan(x[k])) *w = *w + a[u] * (x[k] - *w);
    }
}

// Eight units at a time, their factors and mask loaded once, down all the attributes.
__attribute__((target("avx512f,avx512dq,avx512vl,fma,avx2"))) void moveLabAvx512(
    double* t, std::int32_t passo, const double* x, std::int32_t dimensao, const double* a,
    std::int32_t de, std::int32_t ate) {
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

TFuncaoMoveLab funcaoMoveLab() {
    const char* nome = nomeDaBusca();
    if (std::strcmp(nome, "avx512") == 0) return &moveLabAvx512;
    if (std::strcmp(nome, "avx2") == 0) return &moveLabAvx2;
    return &moveLabEscalar;
}

TFuncaoDistanciasLab funcaoDistanciasLab() {
    const char* nome = nomeDaBusca();
    if (std::strcmp(nome, "avx512") == 0) return &distanciasLabAvx512;
    if (std::strcmp(nome, "avx2") == 0) return &distanciasLabAvx2;
    return &distanciasLabEscalar;
}

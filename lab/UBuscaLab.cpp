// Four vectors of units at a time, so that four independent chains of multiply-adds hide the
// latency of each; then one vector at a time for the rest. Only these functions are compiled for
// AVX2 or AVX-512 (target attributes), so the program runs on any x86-64 processor.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include "UBuscaLab.h"

#include <immintrin.h>

#include <cstring>

#include "UBusca.h"

void distanciasLabEscalar(const double* x, std::int32_t dimensao, const double* t,
                          std::int32_t passo, double* f) {
    for (std::int32_t j = 0; j < passo; ++j) f[j] = 0.0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const double* linha = t + static_cast<std::int64_t>(k) * passo;
        for (std::int32_t j = 0; j < passo; ++j) {
            const double d = x[k] - linha[j];
            f[j] += d * d;
        }
    }
}

__attribute__((target("avx2,fma"))) void distanciasLabAvx2(const double* x, std::int32_t dimensao,
                                                           const double* t, std::int32_t passo,
                                                           double* f) {
    std::int32_t j = 0;
    for (; j + 16 <= passo; j += 16) {
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
    for (; j < passo; j += 4) {
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
    const double* x, std::int32_t dimensao, const double* t, std::int32_t passo, double* f) {
    std::int32_t j = 0;
    for (; j + 32 <= passo; j += 32) {
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
    for (; j < passo; j += 8) {
        __m512d a = _mm512_setzero_pd();
        const double* p = t + j;
        for (std::int32_t k = 0; k < dimensao; ++k, p += passo) {
            const __m512d d = _mm512_sub_pd(_mm512_set1_pd(x[k]), _mm512_loadu_pd(p));
            a = _mm512_fmadd_pd(d, d, a);
        }
        _mm512_storeu_pd(f + j, a);
    }
}

TFuncaoDistanciasLab funcaoDistanciasLab() {
    const char* nome = nomeDaBusca();
    if (std::strcmp(nome, "avx512") == 0) return &distanciasLabAvx512;
    if (std::strcmp(nome, "avx2") == 0) return &distanciasLabAvx2;
    return &distanciasLabEscalar;
}

#include "UExato.h"

double distanciaExata(const double* x, const double* w, std::int32_t dimensao) {
    double s = 0.0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const long double dif = static_cast<long double>(x[k]) - w[k];
        s = static_cast<double>(s + dif * dif);
    }
    return 0.5 * s;
}

double distanciaExataAte(const double* x, const double* w, std::int32_t dimensao, double limite) {
    constexpr std::int32_t kBloco = 16;
    double s = 0.0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const long double dif = static_cast<long double>(x[k]) - w[k];
        s = static_cast<double>(s + dif * dif);
        if ((k + 1) % kBloco == 0 && 0.5 * s > limite) return 0.5 * s;
    }
    return 0.5 * s;
}

void ajustaPesosExato(double* w, const double* x, std::int32_t dimensao, double taxa) {
    const long double r = taxa;
    std::int32_t k = 0;
    // Four independent updates at a time keep the x87 pipeline full.
    for (; k + 4 <= dimensao; k += 4) {
        const double w0 = ajustaPesoExato(w[k], x[k], r);
        const double w1 = ajustaPesoExato(w[k + 1], x[k + 1], r);
        const double w2 = ajustaPesoExato(w[k + 2], x[k + 2], r);
        const double w3 = ajustaPesoExato(w[k + 3], x[k + 3], r);
        w[k] = w0;
        w[k + 1] = w1;
        w[k + 2] = w2;
        w[k + 3] = w3;
    }
    for (; k < dimensao; ++k) w[k] = ajustaPesoExato(w[k], x[k], r);
}

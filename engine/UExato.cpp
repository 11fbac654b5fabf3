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
    for (std::int32_t k = 0; k < dimensao; ++k) ajustaPesoNoLugar(w + k, x + k, r);
}

#pragma once
// What the laboratory's own files share: the seeded generator and the count of a pattern's values.

#include <cmath>
#include <cstdint>

#include "UControle.h"
#include "UProjecao.h"
#include "ULaboratorio.h"

// SplitMix64: a 64-bit state advanced by a fixed odd constant and mixed; the same seed gives the
// same draws on every machine and compiler.
class TSorteioLab {
  public:
    explicit TSorteioLab(std::uint64_t semente) : estado_(semente) {}
    std::uint64_t proximo() {
        std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), 53 random bits.
    double uniforme() { return static_cast<double>(proximo() >> 11) * 0x1p-53; }
    // Uniform in 0 .. n - 1 (n >= 1), from the high bits of a 64 x 32-bit product.
    std::size_t inteiro(std::size_t n) {
        const std::uint64_t alto = proximo() >> 32;
        return static_cast<std::size_t>((alto * static_cast<std::uint64_t>(n)) >> 32);
    }

  private:
    std::uint64_t estado_;
};

// The plane of the data's two principal components and the spread (standard deviation) along
// each, a missing value taking its attribute's mean. Throws EInterrompido at the control's stop
// request (checked every block of patterns and every pass of the axes' search).
struct TPlanoDosDados {
    TProjecao eixos;
    double desvio1 = 0.0, desvio2 = 0.0;
};
TPlanoDosDados planoDosDados(const TDadosLab& dados, TControle* controle = nullptr);

inline std::int32_t valoresPresentes(const double* x, std::int32_t dimensao) {
    std::int32_t n = 0;
    for (std::int32_t k = 0; k < dimensao; ++k) n += std::isnan(x[k]) ? 0 : 1;
    return n;
}

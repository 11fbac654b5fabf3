#include "ULimites.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>

namespace {
std::atomic<std::uint64_t> limiteFixado{0};
}

void defineLimiteMemoriaDados(std::uint64_t bytes) {
    limiteFixado.store(bytes);
}

std::uint64_t limiteMemoriaDados() {
    if (const std::uint64_t fixado = limiteFixado.load(); fixado != 0) return fixado;
    constexpr std::uint64_t kMinimo = std::uint64_t{256} << 20;
    constexpr std::uint64_t kMaximo = std::uint64_t{8} << 30;
    const long paginas = sysconf(_SC_PHYS_PAGES);
    const long tamanho = sysconf(_SC_PAGE_SIZE);
    if (paginas <= 0 || tamanho <= 0) return kMinimo;
    const std::uint64_t fisica =
        static_cast<std::uint64_t>(paginas) * static_cast<std::uint64_t>(tamanho);
    return std::clamp(fisica / 4, kMinimo, kMaximo);
}

std::uint64_t bytesDoMapa(std::int64_t linhas, std::int64_t colunas, std::int64_t dimensao) {
    if (linhas <= 0 || colunas <= 0) return 0;
    constexpr std::uint64_t kSaturado = ~std::uint64_t{0};
    // Beyond 2^20 neurons the distance matrix alone needs terabytes; below it every product
    // here stays under 2^63 (2^20 neurons times 2^31 weights times 8 bytes is 2^54).
    const auto l = static_cast<std::uint64_t>(linhas);
    const auto c = static_cast<std::uint64_t>(colunas);
    if (l > (std::uint64_t{1} << 20) || c > (std::uint64_t{1} << 20)) return kSaturado;
    const std::uint64_t n = l * c;
    if (n > (std::uint64_t{1} << 20)) return kSaturado;
    const std::uint64_t d = dimensao < 0 ? 0 : static_cast<std::uint64_t>(dimensao);
    return n * d * sizeof(double) + n * n * sizeof(std::int32_t);
}

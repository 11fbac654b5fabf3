#include "UMedidas.h"

#include <algorithm>
#include <cstring>
#include <thread>

double distanciaEntre(const double* a, const double* b, std::size_t d) {
    double s = 0.0;
    for (std::size_t k = 0; k < d; ++k) s += (a[k] - b[k]) * (a[k] - b[k]);
    if (s <= DBL_MAX) return std::sqrt(s);
    long double l = 0.0L;
    for (std::size_t k = 0; k < d; ++k) {
        const long double t = static_cast<long double>(a[k]) - static_cast<long double>(b[k]);
        l += t * t;
    }
    return static_cast<double>(std::min(std::sqrt(l), static_cast<long double>(DBL_MAX)));
}

template <class Soma>
std::vector<double> matrizU(const TMapa& mapa) {
    const std::int32_t n = mapa.unidades();
    const auto d = static_cast<std::size_t>(std::max(mapa.dimensao, 0));
    std::vector<double> u(static_cast<std::size_t>(n), 0.0);
    for (std::int32_t a = 0; a < n; ++a) {
        const auto& vizinhos = mapa.vizinhos[static_cast<std::size_t>(a)];
        if (vizinhos.empty()) continue;
        Soma soma = 0;
        for (const std::int32_t b : vizinhos) soma += distanciaEntre(mapa.peso(a), mapa.peso(b), d);
        u[static_cast<std::size_t>(a)] =
            static_cast<double>(soma / static_cast<Soma>(vizinhos.size()));
    }
    return u;
}
template std::vector<double> matrizU<double>(const TMapa&);
template std::vector<double> matrizU<long double>(const TMapa&);

namespace {

using TOito = double __attribute__((vector_size(64)));

// The squared Euclidean distances from four patterns to one unit. The four share every load of
// the weights, and each keeps eight partial sums in one vector, so that no sum needs reordering;
// it is compiled for each vector width and chosen at run time.

// ThreadSanitizer cannot start a program whose functions are chosen by the loader (an ifunc
// resolver runs before its runtime is ready), so its build keeps the default version alone.
#if defined(__SANITIZE_THREAD__)
#define NORVIKA_CLONES
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define NORVIKA_CLONES
#endif
#endif
#ifndef NORVIKA_CLONES
#define NORVIKA_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#endif

NORVIKA_CLONES void distanciasQuatro(const double* const x[4], const double* w, std::int32_t d,
                                     double saida[4]) {
    TOito a0 = {}, a1 = {}, a2 = {}, a3 = {};
    std::int32_t k = 0;
    for (; k + 8 <= d; k += 8) {
        TOito wv, t0, t1, t2, t3;
        std::memcpy(&wv, w + k, sizeof wv);
        std::memcpy(&t0, x[0] + k, sizeof t0);
        std::memcpy(&t1, x[1] + k, sizeof t1);
        std::memcpy(&t2, x[2] + k, sizeof t2);
        std::memcpy(&t3, x[3] + k, sizeof t3);
        t0 -= wv;
        t1 -= wv;
        t2 -= wv;
        t3 -= wv;
        a0 += t0 * t0;
        a1 += t1 * t1;
        a2 += t2 * t2;
        a3 += t3 * t3;
    }
    const TOito somas[4] = {a0, a1, a2, a3};
    for (int q = 0; q < 4; ++q) {
        const TOito& a = somas[q];
        double soma = ((a[0] + a[1]) + (a[2] + a[3])) + ((a[4] + a[5]) + (a[6] + a[7]));
        for (std::int32_t r = k; r < d; ++r) {
            const double t = x[q][r] - w[r];
            soma += t * t;
        }
        saida[q] = soma;
    }
}

// Best and second best of one pattern's distances to the n units, each by distance, then by the
// lower index; a distance that is not a number counts as the largest.
template <class Real>
void doisMelhores(const Real* linha, std::size_t nn, std::size_t& v1, std::size_t& v2) {
    auto menor = [](Real a, Real b) { return a < b || (std::isnan(b) && !std::isnan(a)); };
    v1 = 0;
    v2 = nn;
    for (std::size_t j = 1; j < nn; ++j) {
        if (menor(linha[j], linha[v1])) {
            v2 = v1;
            v1 = j;
        } else if (v2 == nn || menor(linha[j], linha[v2])) {
            v2 = j;
        }
    }
}

struct TParte {
    TSomaErros<long double> soma;
    bool parada = false;
};

TParte somaErros(const TMapa& mapa, const std::vector<const double*>& padroes, std::size_t inicio,
                 std::size_t fim, const TParadaMedida& parar) {
    const std::int32_t d = mapa.dimensao;
    const auto dd = static_cast<std::size_t>(d);
    const auto nn = static_cast<std::size_t>(mapa.unidades());
    TParte parte;
    // Four patterns at a time, which stay in the first-level cache while every unit passes by
    // them (the map is read once per four patterns); past the end a block is filled with a dummy
    // pattern.
    constexpr std::size_t kBloco = 4;
    constexpr std::size_t kPadroesPorPasso = 64;
    std::vector<double> distancias(kBloco * nn);
    std::vector<long double> estendidas;
    const std::vector<double> vazio(dd, 0.0);
    for (std::size_t p = inicio; p < fim; p += kBloco) {
        if (parar && (p - inicio) % kPadroesPorPasso == 0 && parar()) {
            parte.parada = true;
            return parte;
        }
        const double* x[kBloco];
        for (std::size_t q = 0; q < kBloco; ++q)
            x[q] = p + q < fim && padroes[p + q] != nullptr ? padroes[p + q] : vazio.data();
        for (std::size_t j = 0; j < nn; ++j) {
            double quatro[4];
            distanciasQuatro(x, mapa.pesos.data() + j * dd, d, quatro);
            for (std::size_t r = 0; r < 4; ++r) distancias[r * nn + j] = quatro[r];
        }
        for (std::size_t q = 0; q < kBloco && p + q < fim; ++q) {
            if (padroes[p + q] == nullptr) continue;
            const double* linha = distancias.data() + q * nn;
            bool finitas = true;
            for (std::size_t j = 0; j < nn; ++j) finitas = finitas && linha[j] <= DBL_MAX;
            std::size_t v1, v2;
            long double distancia;
            if (finitas) {
                doisMelhores(linha, nn, v1, v2);
                distancia = std::sqrt(linha[v1]);
            } else {
                // Squares beyond the double range: this pattern again in extended precision,
                // where the square of any difference of doubles fits.
                estendidas.assign(nn, 0.0L);
                for (std::size_t j = 0; j < nn; ++j)
                    for (std::size_t k = 0; k < dd; ++k) {
                        const long double t = static_cast<long double>(x[q][k]) -
                                              static_cast<long double>(mapa.pesos[j * dd + k]);
                        estendidas[j] += t * t;
                    }
                doisMelhores(estendidas.data(), nn, v1, v2);
                distancia = std::sqrt(estendidas[v1]);
            }
            parte.soma.acrescenta(distancia,
                                  v2 < nn && !mapa.adjacentes(static_cast<std::int32_t>(v1),
                                                              static_cast<std::int32_t>(v2)));
        }
    }
    return parte;
}

}  // namespace

std::optional<TErros> medeErros(const TMapa& mapa, const std::vector<const double*>& padroes,
                                const TParadaMedida& parar) {
    const std::int32_t n = mapa.unidades();
    if (padroes.empty() || n <= 0) return TErros{};
    const double trabalho = static_cast<double>(padroes.size()) * n * std::max(mapa.dimensao, 1);
    const std::size_t meio = trabalho >= 2e7 ? padroes.size() / 2 : padroes.size();
    TParte segunda;
    std::thread ajudante;
    if (meio < padroes.size())
        ajudante =
            std::thread([&] { segunda = somaErros(mapa, padroes, meio, padroes.size(), parar); });
    TParte primeira = somaErros(mapa, padroes, 0, meio, parar);
    if (ajudante.joinable()) ajudante.join();
    if (primeira.parada || segunda.parada) return std::nullopt;
    primeira.soma.junta(segunda.soma);
    return primeira.soma.media(static_cast<std::int64_t>(padroes.size()));
}

std::vector<std::int64_t> acertos(std::int32_t unidades,
                                  const std::vector<std::int32_t>& vencedor) {
    std::vector<std::int64_t> a(static_cast<std::size_t>(std::max(unidades, 0)), 0);
    for (const std::int32_t v : vencedor)
        if (v >= 0 && v < unidades) ++a[static_cast<std::size_t>(v)];
    return a;
}

namespace {

// Sums and counts per unit into means, not a number where nothing was counted.
std::vector<double> medias(const std::vector<double>& soma,
                           const std::vector<std::int64_t>& conta) {
    std::vector<double> m(soma.size(), std::nan(""));
    for (std::size_t u = 0; u < soma.size(); ++u)
        if (conta[u] > 0) m[u] = soma[u] / static_cast<double>(conta[u]);
    return m;
}

}  // namespace

std::vector<double> erroPorUnidade(const TMapa& mapa, const std::vector<const double*>& padroes,
                                   const std::vector<std::int32_t>& vencedor) {
    const std::int32_t n = std::max(mapa.unidades(), 0);
    const auto d = static_cast<std::size_t>(std::max(mapa.dimensao, 0));
    std::vector<double> soma(static_cast<std::size_t>(n), 0.0);
    std::vector<std::int64_t> conta(static_cast<std::size_t>(n), 0);
    for (std::size_t i = 0; i < padroes.size() && i < vencedor.size(); ++i) {
        const std::int32_t v = vencedor[i];
        if (v < 0 || v >= n || padroes[i] == nullptr) continue;
        soma[static_cast<std::size_t>(v)] += distanciaEntre(padroes[i], mapa.peso(v), d);
        ++conta[static_cast<std::size_t>(v)];
    }
    return medias(soma, conta);
}

std::vector<double> mediaPorUnidade(std::int32_t unidades,
                                    const std::vector<std::int32_t>& vencedor,
                                    const std::vector<double>& valor) {
    const std::int32_t n = std::max(unidades, 0);
    std::vector<double> soma(static_cast<std::size_t>(n), 0.0);
    std::vector<std::int64_t> conta(static_cast<std::size_t>(n), 0);
    for (std::size_t i = 0; i < vencedor.size() && i < valor.size(); ++i) {
        const std::int32_t v = vencedor[i];
        if (v < 0 || v >= n || std::isnan(valor[i])) continue;
        soma[static_cast<std::size_t>(v)] += valor[i];
        ++conta[static_cast<std::size_t>(v)];
    }
    return medias(soma, conta);
}

std::vector<std::vector<std::pair<std::int32_t, std::int64_t>>> rotulosPorUnidade(
    std::int32_t unidades, const std::vector<std::int32_t>& vencedor,
    const std::vector<std::int32_t>& rotulo) {
    const auto n = static_cast<std::size_t>(std::max(unidades, 0));
    std::vector<std::vector<std::int32_t>> ganhos(n);
    for (std::size_t i = 0; i < vencedor.size() && i < rotulo.size(); ++i)
        if (vencedor[i] >= 0 && vencedor[i] < unidades && rotulo[i] >= 0)
            ganhos[static_cast<std::size_t>(vencedor[i])].push_back(rotulo[i]);
    std::vector<std::vector<std::pair<std::int32_t, std::int64_t>>> r(n);
    for (std::size_t u = 0; u < n; ++u) r[u] = porFrequencia<std::int32_t>(ganhos[u]);
    return r;
}

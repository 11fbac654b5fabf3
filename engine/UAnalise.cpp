#include "UAnalise.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string_view>
#include <thread>
#include <unordered_map>

#include "UErros.h"

namespace {

using TOito = double __attribute__((vector_size(64)));

// The squared Euclidean distances from four patterns to one neuron. The four share every load of
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

// The Euclidean distance between two weight vectors; in extended precision when the squares
// overflow a double, so that any two finite vectors are a finite distance apart (clamped to the
// largest double beyond it).
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

}  // namespace

std::vector<double> matrizU(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                            const std::vector<std::int32_t>& matriz) {
    std::vector<double> u(static_cast<std::size_t>(n), 0.0);
    const auto dd = static_cast<std::size_t>(d);
    for (std::int32_t a = 0; a < n; ++a) {
        long double soma = 0.0L;
        int vizinhos = 0;
        for (std::int32_t b = 0; b < n; ++b) {
            if (matriz[static_cast<std::size_t>(a) * static_cast<std::size_t>(n) +
                       static_cast<std::size_t>(b)] != 1)
                continue;
            soma += distanciaEntre(pesos.data() + static_cast<std::size_t>(a) * dd,
                                   pesos.data() + static_cast<std::size_t>(b) * dd, dd);
            ++vizinhos;
        }
        u[static_cast<std::size_t>(a)] = vizinhos > 0 ? static_cast<double>(soma / vizinhos) : 0.0;
    }
    return u;
}

std::vector<TContagemRotulo> contaRotulos(const TNeuronio& neuronio) {
    std::vector<TContagemRotulo> contagens;
    std::unordered_map<std::string_view, std::size_t> posicao;
    for (std::int32_t j = 0; j < neuronio.contaPadroes(); ++j) {
        const std::string& r = neuronio.getPadrao(j);
        const auto [it, novo] = posicao.try_emplace(r, contagens.size());
        if (novo)
            contagens.push_back({r, 1});
        else
            ++contagens[it->second].vezes;
    }
    // Stable: equally frequent labels keep the order in which they were first gathered.
    std::stable_sort(
        contagens.begin(), contagens.end(),
        [](const TContagemRotulo& a, const TContagemRotulo& b) { return a.vezes > b.vezes; });
    return contagens;
}

std::optional<TRotulosDosPadroes> rotulosDosPadroes(const TPadroes& padroes, TControle* controle) {
    TRotulosDosPadroes r;
    r.indice.reserve(padroes.size());
    // The labels' bytes stay where the store keeps them, so the table holds views of them.
    std::unordered_map<std::string_view, std::int32_t> posicao;
    for (std::size_t i = 0; i < padroes.size(); ++i) {
        if (controle != nullptr && controle->passo()) return std::nullopt;
        const std::string_view rotulo = padroes.rotulo(i);
        const auto [it, novo] =
            posicao.try_emplace(rotulo, static_cast<std::int32_t>(r.legenda.size()));
        if (novo) r.legenda.emplace_back(rotulo);
        r.indice.push_back(it->second);
    }
    return r;
}

namespace {

struct TSomaErros {
    long double quantizacao = 0.0L;
    std::int64_t topograficos = 0;  // patterns whose two nearest neurons are not adjacent
    bool parada = false;
};

// Best and second best of one pattern's distances to the n neurons, each by distance, then by the
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

TSomaErros somaErros(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                     const TPadroes& padroes, const std::vector<std::int32_t>& matriz,
                     std::size_t inicio, std::size_t fim, TControle* controle) {
    const auto dd = static_cast<std::size_t>(d);
    const auto nn = static_cast<std::size_t>(n);
    TSomaErros soma;
    // Four patterns at a time, which stay in the first-level cache while every neuron passes by
    // them (the map is read once per four patterns); past the end a block is filled with a dummy
    // pattern.
    constexpr std::size_t kBloco = 4;
    constexpr std::size_t kPadroesPorPasso = 64;
    std::vector<double> distancias(kBloco * nn);
    std::vector<long double> estendidas;
    const std::vector<double> vazio(dd, 0.0);
    for (std::size_t p = inicio; p < fim; p += kBloco) {
        if (controle != nullptr && (p - inicio) % kPadroesPorPasso == 0 && controle->passo()) {
            soma.parada = true;
            return soma;
        }
        const double* x[kBloco];
        for (std::size_t q = 0; q < kBloco; ++q)
            x[q] = p + q < fim && padroes[p + q].getQtdValores() >= d ? padroes[p + q].dados()
                                                                      : vazio.data();
        for (std::size_t j = 0; j < nn; ++j)
            for (std::size_t q = 0; q < kBloco && p + q < fim; q += 4) {
                double quatro[4];
                distanciasQuatro(x + q, pesos.data() + j * dd, d, quatro);
                for (std::size_t r = 0; r < 4; ++r) distancias[(q + r) * nn + j] = quatro[r];
            }
        for (std::size_t q = 0; q < kBloco && p + q < fim; ++q) {
            if (padroes[p + q].getQtdValores() < d) continue;
            const double* linha = distancias.data() + q * nn;
            bool finitas = true;
            for (std::size_t j = 0; j < nn; ++j) finitas = finitas && linha[j] <= DBL_MAX;
            std::size_t v1, v2;
            if (finitas) {
                doisMelhores(linha, nn, v1, v2);
                soma.quantizacao += std::sqrt(linha[v1]);
            } else {
                // Squares beyond the double range: this pattern again in extended precision,
                // where the square of any difference of doubles fits.
                estendidas.assign(nn, 0.0L);
                for (std::size_t j = 0; j < nn; ++j)
                    for (std::size_t k = 0; k < dd; ++k) {
                        const long double t = static_cast<long double>(x[q][k]) -
                                              static_cast<long double>(pesos[j * dd + k]);
                        estendidas[j] += t * t;
                    }
                doisMelhores(estendidas.data(), nn, v1, v2);
                soma.quantizacao += std::sqrt(estendidas[v1]);
            }
            if (v2 < nn && matriz[v1 * nn + v2] != 1) ++soma.topograficos;
        }
    }
    return soma;
}

}  // namespace

std::optional<TErros> medeErros(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                                const TPadroes& padroes, const std::vector<std::int32_t>& matriz,
                                TControle* controle) {
    TErros e;
    if (padroes.empty() || n <= 0) return e;
    // A large measure is split in two halves of the patterns, the second on a thread of its own;
    // the split depends only on the size, so the sums are the same on every machine.
    const double trabalho = static_cast<double>(padroes.size()) * n * std::max(d, 1);
    const std::size_t meio = trabalho >= 2e7 ? padroes.size() / 2 : padroes.size();
    TSomaErros segunda;
    std::thread ajudante;
    if (meio < padroes.size())
        ajudante = std::thread([&] {
            segunda = somaErros(pesos, n, d, padroes, matriz, meio, padroes.size(), controle);
        });
    const TSomaErros primeira = somaErros(pesos, n, d, padroes, matriz, 0, meio, controle);
    if (ajudante.joinable()) ajudante.join();
    if (primeira.parada || segunda.parada) return std::nullopt;
    const auto total = static_cast<long double>(padroes.size());
    e.quantizacao = static_cast<double>(std::min(
        (primeira.quantizacao + segunda.quantizacao) / total, static_cast<long double>(DBL_MAX)));
    e.topografico = static_cast<double>(primeira.topograficos + segunda.topograficos) /
                    static_cast<double>(total);
    return e;
}

TErros medeErros(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                 const TPadroes& padroes, const std::vector<std::int32_t>& matriz) {
    return *medeErros(pesos, n, d, padroes, matriz, nullptr);
}

std::int32_t pontosDaCurva(std::int64_t ciclos, std::int64_t padroes, std::int64_t neuronios,
                           std::int64_t dimensao) {
    if (ciclos <= 0) return 0;
    // One measure costs about one pass of the winner search; the training does one per cycle.
    constexpr double kFolga = 5e7;  // distance terms that cost a few hundredths of a second at most
    const double porMedida =
        std::max(1.0, static_cast<double>(padroes) * static_cast<double>(neuronios) *
                          static_cast<double>(std::max<std::int64_t>(dimensao, 1)));
    const double permitidas = std::max(0.1 * static_cast<double>(ciclos), kFolga / porMedida);
    const double pontos = std::min({200.0, static_cast<double>(ciclos), std::floor(permitidas)});
    return static_cast<std::int32_t>(std::max(1.0, pontos));
}

bool cicloDaCurva(std::int64_t ciclo, std::int64_t ciclos, std::int32_t pontos) {
    if (ciclo == ciclos) return true;
    if (pontos <= 1 || ciclo < 1 || ciclo > ciclos) return false;
    // Cycle c is a point when it is the first to reach the next k-th of the training.
    return (ciclo * pontos) / ciclos != ((ciclo - 1) * pontos) / ciclos;
}

void TProjecao::projeta(const double* x, double& a, double& b) const {
    long double la = 0.0L, lb = 0.0L;
    for (std::size_t k = 0; k < media.size(); ++k) {
        const long double c = static_cast<long double>(x[k]) - static_cast<long double>(media[k]);
        la += c * eixo1[k];
        lb += c * eixo2[k];
    }
    constexpr long double kMaior = DBL_MAX;
    a = static_cast<double>(std::clamp(la, -kMaior, kMaior));
    b = static_cast<double>(std::clamp(lb, -kMaior, kMaior));
}

namespace {

// One direction of largest variance orthogonal to `fora` (when given), by power iteration on the
// covariance without forming it: v <- sum over points of (x . v) x, the points already centred.
std::vector<double> eixoPrincipal(const std::vector<double>& pontos, std::size_t d,
                                  const std::vector<double>* fora, TControle* controle) {
    const std::size_t quantos = d == 0 ? 0 : pontos.size() / d;
    std::vector<double> v(d), novo(d);
    for (std::size_t k = 0; k < d; ++k)
        v[k] = 1.0 / std::sqrt(static_cast<double>(d)) * (1.0 + 0.01 * static_cast<double>(k % 7));
    auto ortogonaliza = [&](std::vector<double>& u) {
        if (fora == nullptr) return;
        double pe = 0.0;
        for (std::size_t k = 0; k < d; ++k) pe += u[k] * (*fora)[k];
        for (std::size_t k = 0; k < d; ++k) u[k] -= pe * (*fora)[k];
    };
    auto normaliza = [&](std::vector<double>& u) {
        double s = 0.0;
        for (double c : u) s += c * c;
        const double norma = std::sqrt(s);
        if (norma > 0.0)
            for (double& c : u) c /= norma;
        return norma;
    };
    ortogonaliza(v);
    normaliza(v);
    for (int iteracao = 0; iteracao < 60; ++iteracao) {
        // A pass over thousands of points of a thousand values takes milliseconds: a stop is
        // answered between passes.
        if (controle != nullptr && controle->passo()) throw EInterrompido();
        std::fill(novo.begin(), novo.end(), 0.0);
        for (std::size_t i = 0; i < quantos; ++i) {
            const double* x = pontos.data() + i * d;
            double pe = 0.0;
            for (std::size_t k = 0; k < d; ++k) pe += x[k] * v[k];
            for (std::size_t k = 0; k < d; ++k) novo[k] += pe * x[k];
        }
        ortogonaliza(novo);
        if (!(normaliza(novo) > 0.0)) return std::vector<double>(d, 0.0);
        double mudanca = 0.0;
        for (std::size_t k = 0; k < d; ++k) mudanca += std::fabs(novo[k] - v[k]);
        v.swap(novo);
        if (mudanca < 1e-10) break;
    }
    return v;
}

}  // namespace

TProjecao projecaoPrincipal(const std::vector<const double*>& todos, std::int32_t d,
                            std::size_t amostra, TControle* controle) {
    TProjecao p;
    const auto dd = static_cast<std::size_t>(std::max(d, 0));
    p.media.assign(dd, 0.0);
    p.eixo1.assign(dd, 0.0);
    p.eixo2.assign(dd, 0.0);
    if (todos.empty() || dd == 0) return p;
    std::vector<const double*> amostrados;
    const std::size_t passo =
        std::max<std::size_t>(1, (todos.size() + amostra - 1) / std::max<std::size_t>(amostra, 1));
    for (std::size_t i = 0; i < todos.size(); i += passo) amostrados.push_back(todos[i]);
    // One or two dimensions are drawn as they are.
    if (dd <= 2) {
        p.eixo1[0] = 1.0;
        if (dd == 2) p.eixo2[1] = 1.0;
        return p;
    }
    // The mean in extended precision, then the points centred and divided by their largest
    // deviation: the axes do not change, and values near the double's limit cannot overflow.
    for (std::size_t k = 0; k < dd; ++k) {
        long double soma = 0.0L;
        for (const double* x : amostrados) soma += x[k];
        p.media[k] = static_cast<double>(soma / static_cast<long double>(amostrados.size()));
    }
    long double maior = 0.0L;
    for (const double* x : amostrados)
        for (std::size_t k = 0; k < dd; ++k)
            maior = std::max(maior, std::fabs(static_cast<long double>(x[k]) - p.media[k]));
    if (!(maior > 0.0L)) return p;
    std::vector<double> centrados(amostrados.size() * dd);
    for (std::size_t i = 0; i < amostrados.size(); ++i)
        for (std::size_t k = 0; k < dd; ++k)
            centrados[i * dd + k] = static_cast<double>(
                (static_cast<long double>(amostrados[i][k]) - p.media[k]) / maior);
    p.eixo1 = eixoPrincipal(centrados, dd, nullptr, controle);
    p.eixo2 = eixoPrincipal(centrados, dd, &p.eixo1, controle);
    return p;
}

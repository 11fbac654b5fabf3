#include "UBusca.h"

#include <limits>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "UTraducao.h"

TResultadoBusca buscaEscalar(const double* x, std::int32_t dimensao, const double* base,
                             const std::int32_t* slots, std::int32_t m, double fator, double folga,
                             std::int32_t* candidatos, double* distancias) {
    TColetor coletor(fator, folga, candidatos, distancias);
    for (std::int32_t q = 0; q < m; ++q) {
        const double* w = base + static_cast<std::int64_t>(slots[q]) * dimensao;
        double f = 0.0;
        bool abandonado = false;
        for (std::int32_t k = 0; k < dimensao; ++k) {
            const double d = x[k] - w[k];
            f += d * d;
            if ((k & 63) == 63 && !(f <= coletor.limite())) {
                abandonado = true;
                break;
            }
        }
        if (abandonado) {
            coletor.abandona(f);
        } else {
            coletor.registra(q, f);
        }
    }
    return coletor.fecha();
}

namespace {

// f[j] = sum over k of (x_k - t[k * passo + j])^2 for j < n, in attribute order, without fused
// steps: the classic and the laboratory's plain kernels alike.
void somaTransposta(const double* x, std::int32_t dimensao, const double* t, std::int32_t passo,
                    std::int32_t n, double* f) {
    for (std::int32_t j = 0; j < n; ++j) f[j] = 0.0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const double* linha = t + static_cast<std::int64_t>(k) * passo;
        for (std::int32_t j = 0; j < n; ++j) {
            const double d = x[k] - linha[j];
            f[j] += d * d;
        }
    }
}

}  // namespace

TResultadoTransposta transpostaEscalar(const double* x, std::int32_t dimensao, const double* t,
                                       std::int32_t passo, std::int32_t n, double* f) {
    somaTransposta(x, dimensao, t, passo, passo, f);
    return resumeTransposta(f, n);
}

std::int32_t selecionaEscalar(const double* f, std::int32_t n, double limite,
                              std::int32_t* candidatos) {
    std::int32_t m = 0;
    for (std::int32_t j = 0; j < n; ++j) {
        candidatos[m] = j;
        m += f[j] <= limite ? 1 : 0;
    }
    return m;
}

namespace {

__attribute__((target("avx"))) void zeraMetadesAltas() {
    __builtin_ia32_vzeroupper();
}

}  // namespace

void limpaEstadoVetorial() {
    if (__builtin_cpu_supports("avx")) zeraMetadesAltas();
}

TDoisMenores doisMenoresEscalar(const double* f, std::int32_t n) {
    TDoisMenores r{std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(),
                   false};
    for (std::int32_t j = 0; j < n; ++j) {
        const double v = f[j];
        if (!(v < kTetoBusca)) r.inseguro = true;
        r.acrescenta(v);
    }
    return r;
}

void postosEscalar(const double* d, std::int32_t n, std::int32_t* posto) {
    for (std::int32_t i = 0; i < n; ++i) {
        std::int32_t k = 0;
        for (std::int32_t j = 0; j < n; ++j) k += (d[j] < d[i]) | ((d[j] == d[i]) & (j < i));
        posto[i] = k;
    }
}

void decaiLabEscalar(double* v, std::int32_t n, double beta) {
    for (std::int32_t j = 0; j < n; ++j) v[j] = v[j] - beta * v[j];
}

void distanciasLabEscalar(const double* x, std::int32_t dimensao, const double* t,
                          std::int32_t passo, std::int32_t n, double* f) {
    somaTransposta(x, dimensao, t, passo, n, f);
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

namespace {

enum class Nivel { Escalar, Avx2, Avx512 };

Nivel nivelDoProcessador() {
    static const Nivel n = [] {
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
            __builtin_cpu_supports("avx512vl"))
            return Nivel::Avx512;
        if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma")) return Nivel::Avx2;
        return Nivel::Escalar;
    }();
    return n;
}

// -1 while the processor's best is used.
std::atomic<int> escolhido{-1};

Nivel nivel() {
    const int e = escolhido.load(std::memory_order_relaxed);
    return e < 0 ? nivelDoProcessador() : static_cast<Nivel>(e);
}

// What goes with the level in use.
template <class T>
T porNivel(T avx512, T avx2, T escalar) {
    switch (nivel()) {
        case Nivel::Avx512:
            return avx512;
        case Nivel::Avx2:
            return avx2;
        default:
            return escalar;
    }
}

std::optional<Nivel> nivelDoNome(std::string_view nome) {
    if (nome == "escalar") return Nivel::Escalar;
    if (nome == "avx2") return Nivel::Avx2;
    if (nome == "avx512") return Nivel::Avx512;
    return std::nullopt;
}

}  // namespace

bool buscaDisponivel(std::string_view nome) {
    const auto n = nivelDoNome(nome);
    return n && *n <= nivelDoProcessador();
}

std::string defineBusca(std::string_view nome) {
    if (nome.empty()) {
        escolhido.store(-1);
        return {};
    }
    const auto n = nivelDoNome(nome);
    if (!n)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens",
                              "busca desconhecida: \"%1\" (use escalar, avx2 ou avx512)"),
            {nome});
    if (*n > nivelDoProcessador())
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens",
                              "este processador não executa a busca %1 (a melhor aqui é %2)"),
            {nome, nivelDoProcessador() == Nivel::Avx2 ? "avx2" : "escalar"});
    escolhido.store(static_cast<int>(*n));
    return {};
}

std::string defineBuscaDoAmbiente() {
    const char* nome = std::getenv("NORVIKA_BUSCA");
    return nome == nullptr ? std::string() : defineBusca(nome);
}

TFuncaoBusca funcaoBusca() {
    return porNivel(&buscaAvx512, &buscaAvx2, &buscaEscalar);
}

TFuncaoTransposta funcaoTransposta() {
    return porNivel(&transpostaAvx512, &transpostaAvx2, &transpostaEscalar);
}

TFuncaoSeleciona funcaoSeleciona() {
    return porNivel(&selecionaAvx512, &selecionaAvx2, &selecionaEscalar);
}

TFuncaoDistanciasLab funcaoDistanciasLab() {
    return porNivel(&distanciasLabAvx512, &distanciasLabAvx2, &distanciasLabEscalar);
}

TFuncaoDistanciasLab funcaoDistanciasExatasLab() {
    // The scalar kernel already sums as the plain loop does.
    return porNivel(&distanciasExatasLabAvx512, &distanciasExatasLabAvx2, &distanciasLabEscalar);
}

TFuncaoMoveLab funcaoMoveLab() {
    return porNivel(&moveLabAvx512, &moveLabAvx2, &moveLabEscalar);
}

TFuncaoDoisMenores funcaoDoisMenores() {
    return porNivel(&doisMenoresAvx512, &doisMenoresAvx2, &doisMenoresEscalar);
}

TFuncaoPostos funcaoPostos() {
    return porNivel(&postosAvx512, &postosAvx2, &postosEscalar);
}

TFuncaoDecaiLab funcaoDecaiLab() {
    return porNivel(&decaiLabAvx512, &decaiLabAvx2, &decaiLabEscalar);
}

const char* nomeDaBusca() {
    return porNivel<const char*>("avx512", "avx2", "escalar");
}

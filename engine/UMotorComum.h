#pragma once
// What the two fast engines share: the candidate threshold of the winner search, the exact key
// that decides between candidates, a neighbourhood as runs of indices, the writing of counts and
// labels, running a body on one or two threads, and the classification loop. Internal to the
// engine.

#include <atomic>
#include <cfenv>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>
#include <thread>
#include <vector>

#include "URede.h"

namespace motor {

constexpr double kInfinito = std::numeric_limits<double>::infinity();
constexpr std::int32_t kNenhum = std::numeric_limits<std::int32_t>::max();

// The candidate threshold. The fast sum F of n = dimensao terms, with its differences, squares
// and reduction all rounded to double, is within (n + 16) u of the exact sum S (u = 2^-53); the
// program's own sum s, rounded to double after every term, is within (n + 2) u (1 + 2^-11) of S.
// The exact winner's F is therefore at most F_min (1 + 2.1 (2n + 18) u); the factor doubles that
// for the rounding of the threshold itself. Roundings in the subnormal range err absolutely, by
// half of 2^-1074 each; the slack covers them with room to spare, and keeps slots whose halved
// sums could round to the same double.
struct TLimiar {
    double fator;
    double folga;
};

inline TLimiar limiarDaBusca(std::int32_t dimensao) {
    const double d = dimensao;
    return {1.0 + (8.0 * d + 64.0) * 0x1p-53, (16.0 * d + 256.0) * 0x1p-1074};
}

// A candidate's exact distance and the smallest neuron index that holds it.
struct TChave {
    double distancia = kInfinito;
    std::int32_t neuronio = kNenhum;
    bool menorQue(const TChave& outra) const {
        return distancia < outra.distancia ||
               (distancia == outra.distancia && neuronio < outra.neuronio);
    }
};

// A neighbourhood as runs of consecutive linear indices, for the current radius; built once per
// winner and radius.
struct TSegmento {
    std::int32_t inicio;
    std::int32_t fim;
};

class TVizinhancas {
  public:
    TVizinhancas() = default;
    TVizinhancas(const TRede& rede, std::int32_t n) { inicia(rede, n); }
    void inicia(const TRede& rede, std::int32_t n) {
        matriz_ = rede.matrizDistancias.data();
        n_ = n;
        cache_.clear();
    }

    const std::vector<TSegmento>& de(std::int32_t vencedor, std::int32_t raio) {
        if (raio != raio_ || cache_.empty()) {
            cache_.assign(static_cast<std::size_t>(n_), {});
            prontos_.assign(static_cast<std::size_t>(n_), false);
            raio_ = raio;
        }
        auto& segmentos = cache_[static_cast<std::size_t>(vencedor)];
        if (!prontos_[static_cast<std::size_t>(vencedor)]) {
            const std::int32_t* linha = matriz_ + static_cast<std::int64_t>(vencedor) * n_;
            for (std::int32_t b = 0; b < n_;) {
                if (linha[b] > raio) {
                    ++b;
                    continue;
                }
                const std::int32_t inicio = b;
                while (b < n_ && linha[b] <= raio) ++b;
                segmentos.push_back({inicio, b});
            }
            prontos_[static_cast<std::size_t>(vencedor)] = true;
        }
        return segmentos;
    }

  private:
    const std::int32_t* matriz_ = nullptr;
    std::int32_t n_ = 0;
    std::int32_t raio_ = 0;
    std::vector<std::vector<TSegmento>> cache_;
    std::vector<bool> prontos_;
};

// The counts and labels of the last cycle's (or the classification's) winners.
inline void anotaVencedores(TRede& rede, const std::vector<std::int32_t>& vencedores) {
    rede.zeraAglutinados();
    const std::int32_t colunas = rede.colunasMapa();
    for (std::size_t p = 0; p < vencedores.size(); ++p) {
        TNeuronio& n = rede.neuronio(vencedores[p] / colunas, vencedores[p] % colunas);
        n.incAglutinados();
        n.adicionaPadrao(rede.entradas[p].getRotulo());
    }
}

// Counts and labels after a training: the winners of the patterns presented in the last cycle
// that presented any (all of them after a full training).
inline void anotaApresentados(TRede& rede, std::vector<std::int32_t>& vencedores,
                              std::int64_t presentes) {
    vencedores.resize(static_cast<std::size_t>(presentes));
    anotaVencedores(rede, vencedores);
}

// Runs corpo(0) here and corpo(1) on a second thread when `threads` is 2. The first failure of
// either is rethrown once both have ended. The second thread computes in this thread's
// floating-point environment (the x87 precision, the SSE modes), not in a new thread's default.
template <class Corpo>
void emThreads(int threads, Corpo&& corpo) {
    if (threads < 2) {
        corpo(0);
        return;
    }
    std::fenv_t ambiente;
    std::fegetenv(&ambiente);
    std::exception_ptr erro1;
    std::thread ajudante([&] {
        std::fesetenv(&ambiente);
        try {
            corpo(1);
        } catch (...) {
            erro1 = std::current_exception();
        }
    });
    std::exception_ptr erro0;
    try {
        corpo(0);
    } catch (...) {
        erro0 = std::current_exception();
    }
    ajudante.join();
    if (erro0) std::rethrow_exception(erro0);
    if (erro1) std::rethrow_exception(erro1);
}

// Every pattern's winner for classification, on `threads` threads: patterns are independent
// here, so each thread takes a contiguous share. fazBusca() gives a thread its own search, a
// callable from a pattern's values to its winner. A stop request gives nothing; the first thread
// reports the progress of both, as its own times the number of threads.
template <class FazBusca>
std::optional<std::vector<std::int32_t>> vencedoresEmThreads(const TRede& rede, int threads,
                                                             TControle* controle,
                                                             const FazBusca& fazBusca) {
    const auto padroes = static_cast<std::int64_t>(rede.entradas.size());
    std::vector<std::int32_t> vencedores(static_cast<std::size_t>(padroes));
    std::atomic<bool> interrompido{false};
    emThreads(threads, [&](int id) {
        auto vencedorDe = fazBusca();
        const std::int64_t inicio = padroes * id / threads, fim = padroes * (id + 1) / threads;
        for (std::int64_t p = inicio; p < fim; ++p) {
            if (controle != nullptr) {
                if (controle->parar.load(std::memory_order_relaxed)) {
                    interrompido.store(true);
                    return;
                }
                if (id == 0) controle->anotaPadroes((p + 1) * threads);
            }
            vencedores[static_cast<std::size_t>(p)] =
                vencedorDe(rede.entradas[static_cast<std::size_t>(p)].dados());
        }
    });
    if (interrompido.load()) return std::nullopt;
    return vencedores;
}

}  // namespace motor

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

// The candidate threshold: the search keeps every neuron whose fast distance F is at most
// limite = F_min * fator + folga, F_min the smallest F, with fator = 1 + (8n + 64) u and
// folga = (16n + 256) 2^-1074, n = dimensao. The program's winner is always kept, by this bound
// on the roundings (u = 2^-53 for double, v = 2^-64 for the x87 extended format, e = 2^-1075 half
// the smallest subnormal; n < 2^31, so n u < 2^-22). Nothing here overflows: a fast distance not
// below 2^1000 (kTetoBusca) makes the exact distances decide alone.
//
// 1. The fast sum F of S = sum (x_k - w_k)^2, in double. Each operation gives z (1 + d) + a for
//    its exact result z, |d| <= u, |a| <= e, and a = 0 for a sum or a difference (one that lands
//    among the subnormals is exact). Terms and partial sums are never negative. A term is rounded
//    at most n + 1 times: its difference, its square (or the FMA that adds it), and at most n - 1
//    additions that join it to other terms, in whatever order a kernel adds (adding an untouched
//    accumulator or a padding lane adds an exact zero and rounds nothing). Only the n squares (or
//    FMAs) err absolutely, by e each, grown by at most (1 + u)^n after. With A = n (1 + u)^n e:
//        (1 - u)^(n+1) S - A  <=  F  <=  (1 + u)^(n+1) S + A.
// 2. The program's sum s (distanciaExata): the difference, the square and the running sum are
//    rounded in extended precision, within a factor 1 +- v and never underflowing there; each
//    running sum is then rounded to double, 1 +- u and +- e. A term meets its own difference and
//    square, then at most n running sums, each two roundings within 1 +- w, w = u + v + u v.
//    With B = n (1 + w)^n e:
//        (1 - v)^2 (1 - w)^n S - B  <=  s  <=  (1 + v)^2 (1 + w)^n S + B,
//    and the distance s / 2 is off by at most e (only among the subnormals).
// 3. Let j be the program's winner and m the neuron of F_min. The distance of j is at most that
//    of m, so s_j <= s_m + 4e. From F_j to S_j by 1, to s_j by 2, to s_m, to S_m by 2, to F_m by 1:
//        F_j <= R F_m + C, where
//        R = (1 + u)^(n+1) (1 + v)^2 (1 + w)^n / ((1 - u)^(n+1) (1 - v)^2 (1 - w)^n),
//        C = R A + (1 + u)^(n+1) (2B + 4e) / ((1 - v)^2 (1 - w)^n) + A.
//    The exponents of R add up to 2 (n + 1) u + 4 v + 2 n w < (4.001 n + 2.01) u; as n u < 2^-22,
//    the higher orders add less than 2^-19 of that, so R < 1 + 4.01 (n + 1) u. In the same way
//    A and B are below n (1 + 2^-21) e, and C < 4.01 (n + 1) e.
// 4. The threshold's own roundings. fator is exact (1 plus a multiple of 2^-50), and folga too.
//    The product loses at most a factor 1 - u and e, the sum a factor 1 - u (if the compiler
//    fuses the two into one rounding, it loses less), so
//        limite >= F_m fator (1 - u)^2 + (folga - e) (1 - u)
//               >= F_m (1 + (8n + 61) u) + (32n + 510) e,
//    which exceeds R F_m + C >= F_j: neuron j is a candidate.
// The factor takes what step 3 needs about twice over and the slack about eight times: room for a
// kernel that rounds more often than these do, without a new derivation.
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

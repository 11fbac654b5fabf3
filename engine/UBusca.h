#pragma once
// The fast half of the winner search: squared distances in double precision with SIMD, which only
// pick the candidates that the exact arithmetic then decides between.
//
// For the listed slots (slot s holds `dimensao` weights at base + s * dimensao) a kernel computes
// F = sum (x_k - w_k)^2 in any order it likes, and keeps as candidates every slot whose F is at
// most melhor * fator + folga, melhor being the smallest F found. A slot is abandoned as soon as a
// partial sum passes the current threshold: partial sums never decrease. The factor and the slack
// come from a rigorous error bound (limiarDaBusca, in UMotorComum.h), so no slot that the exact
// distances could make the winner is ever left out.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// Distances at or above this are not trusted to the bound.
inline constexpr double kTetoBusca = 0x1p1000;

struct TResultadoBusca {
    double melhor = std::numeric_limits<double>::infinity();
    std::int32_t candidatos = 0;
    // A distance was not finite or not below 2^1000: the bound no longer holds and the caller must
    // decide with the exact distances alone.
    bool inseguro = false;
};

// `candidatos` receives positions in `slots`, increasing; `distancias` their F.
using TFuncaoBusca = TResultadoBusca (*)(const double* x, std::int32_t dimensao, const double* base,
                                         const std::int32_t* slots, std::int32_t m, double fator,
                                         double folga, std::int32_t* candidatos,
                                         double* distancias);

TResultadoBusca buscaEscalar(const double* x, std::int32_t dimensao, const double* base,
                             const std::int32_t* slots, std::int32_t m, double fator, double folga,
                             std::int32_t* candidatos, double* distancias);
TResultadoBusca buscaAvx2(const double* x, std::int32_t dimensao, const double* base,
                          const std::int32_t* slots, std::int32_t m, double fator, double folga,
                          std::int32_t* candidatos, double* distancias);
TResultadoBusca buscaAvx512(const double* x, std::int32_t dimensao, const double* base,
                            const std::int32_t* slots, std::int32_t m, double fator, double folga,
                            std::int32_t* candidatos, double* distancias);

// The same distances for a map stored by dimension, t[k * passo + j] being weight k of neuron j,
// eight neurons at a time: f[j] for j in 0 .. passo - 1 (passo a multiple of 8, at least n). The
// result is the smallest f over the first n neurons and whether any of those is untrusted.
struct TResultadoTransposta {
    double melhor = std::numeric_limits<double>::infinity();
    bool inseguro = false;
};
using TFuncaoTransposta = TResultadoTransposta (*)(const double* x, std::int32_t dimensao,
                                                   const double* t, std::int32_t passo,
                                                   std::int32_t n, double* f);
// The smallest of f[0 .. n-1] and whether any of them is untrusted, for the kernels that do not
// keep them as they go.
inline TResultadoTransposta resumeTransposta(const double* f, std::int32_t n) {
    TResultadoTransposta r;
    for (std::int32_t j = 0; j < n; ++j) {
        if (!(f[j] < kTetoBusca)) r.inseguro = true;
        if (f[j] < r.melhor) r.melhor = f[j];
    }
    return r;
}

// The indices j < n with f[j] <= limite, increasing; returns how many. The vector kernels write
// four at a time, never past index n - 1.
using TFuncaoSeleciona = std::int32_t (*)(const double* f, std::int32_t n, double limite,
                                          std::int32_t* candidatos);

TResultadoTransposta transpostaEscalar(const double* x, std::int32_t dimensao, const double* t,
                                       std::int32_t passo, std::int32_t n, double* f);
TResultadoTransposta transpostaAvx2(const double* x, std::int32_t dimensao, const double* t,
                                    std::int32_t passo, std::int32_t n, double* f);
TResultadoTransposta transpostaAvx512(const double* x, std::int32_t dimensao, const double* t,
                                      std::int32_t passo, std::int32_t n, double* f);
std::int32_t selecionaEscalar(const double* f, std::int32_t n, double limite,
                              std::int32_t* candidatos);
std::int32_t selecionaAvx2(const double* f, std::int32_t n, double limite,
                           std::int32_t* candidatos);
std::int32_t selecionaAvx512(const double* f, std::int32_t n, double limite,
                             std::int32_t* candidatos);

// The laboratory's kernels, for its map stored by attribute in the same way: t[k * passo + j] is
// attribute k of unit j, passo a multiple of 8 at least the number of units (the padding units
// hold zeros). Unlike the kernels above, their results are the laboratory's own, not candidates.
//
// f[j] = sum over k of (x_k - t[k * passo + j])^2, summed in attribute order but, by the vector
// kernels, with fused multiply-adds, so each f may differ from the direct sum by a few units in the
// last place; the laboratory's search then decides the near-ties with the direct sum. f[j] for the
// units j < n of the rows of stride `passo` starting at t (n a multiple of 8, t on a unit that is a
// multiple of 8, so that a part of the map can be searched on its own).
using TFuncaoDistanciasLab = void (*)(const double* x, std::int32_t dimensao, const double* t,
                                      std::int32_t passo, std::int32_t n, double* f);

void distanciasLabEscalar(const double* x, std::int32_t dimensao, const double* t,
                          std::int32_t passo, std::int32_t n, double* f);
void distanciasLabAvx2(const double* x, std::int32_t dimensao, const double* t, std::int32_t passo,
                       std::int32_t n, double* f);
void distanciasLabAvx512(const double* x, std::int32_t dimensao, const double* t,
                         std::int32_t passo, std::int32_t n, double* f);

// The same distances summed exactly as the direct sum: each square and each sum rounded on its
// own, in attribute order (no fused step), so every f is the plain loop's to the bit.
void distanciasExatasLabAvx2(const double* x, std::int32_t dimensao, const double* t,
                             std::int32_t passo, std::int32_t n, double* f);
void distanciasExatasLabAvx512(const double* x, std::int32_t dimensao, const double* t,
                               std::int32_t passo, std::int32_t n, double* f);

// The online update of the units u in [de, ate) with a[u] >= 0, for every attribute k whose x[k]
// is not missing: w = w + a (x_k - w), a subtraction, a product and a sum, each rounded, as the
// plain loop does. A unit with a[u] < 0 keeps every bit (its weights are not even rewritten).
using TFuncaoMoveLab = void (*)(double* t, std::int32_t passo, const double* x,
                                std::int32_t dimensao, const double* a, std::int32_t de,
                                std::int32_t ate);

void moveLabEscalar(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                    const double* a, std::int32_t de, std::int32_t ate);
void moveLabAvx2(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                 const double* a, std::int32_t de, std::int32_t ate);
void moveLabAvx512(double* t, std::int32_t passo, const double* x, std::int32_t dimensao,
                   const double* a, std::int32_t de, std::int32_t ate);

// The two least of f[0 .. n-1] (as a multiset: a tie gives a1 == a2; infinity where there are
// fewer), and whether any f is not below kTetoBusca (or NaN), in which case a1 and a2 mean
// nothing.
struct TDoisMenores {
    double a1, a2;
    bool inseguro;
    // One more value into the pair.
    void acrescenta(double v) {
        if (v < a1) {
            a2 = a1;
            a1 = v;
        } else if (v < a2) {
            a2 = v;
        }
    }
};
using TFuncaoDoisMenores = TDoisMenores (*)(const double* f, std::int32_t n);

TDoisMenores doisMenoresEscalar(const double* f, std::int32_t n);
TDoisMenores doisMenoresAvx2(const double* f, std::int32_t n);
TDoisMenores doisMenoresAvx512(const double* f, std::int32_t n);

// Each unit's rank by distance, ties to the lower index: posto[i] = how many j have
// d[j] < d[i], or d[j] == d[i] with j < i (d never NaN). Every pair is compared, so the kernels
// serve up to kPostosDiretos units; more are better sorted.
inline constexpr std::int32_t kPostosDiretos = 256;
using TFuncaoPostos = void (*)(const double* d, std::int32_t n, std::int32_t* posto);

void postosEscalar(const double* d, std::int32_t n, std::int32_t* posto);
void postosAvx2(const double* d, std::int32_t n, std::int32_t* posto);
void postosAvx512(const double* d, std::int32_t n, std::int32_t* posto);

// v[j] <- v[j] - beta * v[j] for j in 0 .. n-1, a product then a difference, each rounded (no
// fused step): an error that decays a little at every signal.
using TFuncaoDecaiLab = void (*)(double* v, std::int32_t n, double beta);

void decaiLabEscalar(double* v, std::int32_t n, double beta);
void decaiLabAvx2(double* v, std::int32_t n, double beta);
void decaiLabAvx512(double* v, std::int32_t n, double beta);

// Clears the upper halves of the vector registers when the processor has them. Code that leaves
// them in use (a library's AVX routine without vzeroupper) makes every later SSE instruction of
// the thread pay a transition, several times slower in all: a long computation on a thread that
// ran such code (the tools' main thread, after Qt's start) calls this first.
void limpaEstadoVetorial();

// The kernels in use, and their name for the benchmark: the best this processor runs, unless
// defineBusca chose others.
TFuncaoBusca funcaoBusca();
TFuncaoTransposta funcaoTransposta();
TFuncaoSeleciona funcaoSeleciona();
TFuncaoDistanciasLab funcaoDistanciasLab();
TFuncaoDistanciasLab funcaoDistanciasExatasLab();
TFuncaoMoveLab funcaoMoveLab();
TFuncaoDoisMenores funcaoDoisMenores();
TFuncaoDecaiLab funcaoDecaiLab();
TFuncaoPostos funcaoPostos();
const char* nomeDaBusca();

// Chooses the kernels by name ("escalar", "avx2", "avx512"), or the best again with an empty
// name. Returns an empty text, or why the choice is refused (an unknown name, or a kernel this
// processor lacks), in which case nothing changes. Every kernel gives the same results; the
// choice is for measuring and testing each of them.
std::string defineBusca(std::string_view nome);
// The choice of the environment variable NORVIKA_BUSCA, when set: defineBusca's answer.
std::string defineBuscaDoAmbiente();
// Whether this processor runs the named kernel.
bool buscaDisponivel(std::string_view nome);

// The running best, threshold and candidate list, kept the same way by every kernel.
class TColetor {
  public:
    TColetor(double fator, double folga, std::int32_t* candidatos, double* distancias)
        : fator_(fator), folga_(folga), candidatos_(candidatos), distancias_(distancias) {}

    double limite() const { return limite_; }

    // Slot q's complete distance f.
    void registra(std::int32_t q, double f) {
        if (!(f < kTetoBusca)) r_.inseguro = true;
        if (f < r_.melhor) {
            r_.melhor = f;
            limite_ = f * fator_ + folga_;
        }
        if (f <= limite_) {
            candidatos_[n_] = q;
            distancias_[n_] = f;
            ++n_;
        }
    }

    // A slot given up with this partial sum, already above the threshold.
    void abandona(double parcial) {
        if (!(parcial < kTetoBusca)) r_.inseguro = true;
    }

    // Keeps the candidates at or under the final threshold, in their order.
    TResultadoBusca fecha() {
        std::int32_t mantidos = 0;
        for (std::int32_t i = 0; i < n_; ++i)
            if (distancias_[i] <= limite_) {
                candidatos_[mantidos] = candidatos_[i];
                distancias_[mantidos] = distancias_[i];
                ++mantidos;
            }
        r_.candidatos = mantidos;
        return r_;
    }

  private:
    double fator_, folga_;
    std::int32_t* candidatos_;
    double* distancias_;
    double limite_ = std::numeric_limits<double>::infinity();
    std::int32_t n_ = 0;
    TResultadoBusca r_;
};

#pragma once
// What the laboratory's own files share: the seeded generator, the count of a pattern's values,
// and the training's pieces: the map, its winner search, the training itself and the measures.

#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "UBusca.h"
#include "UControle.h"
#include "ULaboratorio.h"
#include "UProjecao.h"

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

// The laboratory's training and measures, shared by ULaboratorio.cpp, UMapaLab.cpp (the map and
// the winner search), UTreinoOnlineLab.cpp, UTreinoLoteLab.cpp and UMedidasLab.cpp.

// Runs tarefa(b) for b in 0 .. blocos - 1, thread t taking blocks t, t + T, ...; each block writes
// only its own results, so the outcome does not depend on T.
template <class F>
void porBlocos(int threads, std::size_t blocos, const F& tarefa) {
    if (threads <= 1 || blocos <= 1) {
        for (std::size_t b = 0; b < blocos; ++b) tarefa(b);
        return;
    }
    std::thread outro([&] {
        for (std::size_t b = 1; b < blocos; b += 2) tarefa(b);
    });
    for (std::size_t b = 0; b < blocos; b += 2) tarefa(b);
    outro.join();
}

// The direct sum of (x_k - w_k)^2 over the attributes present, in attribute order, for a unit
// whose attribute k is at w[k * passo].
inline double distanciaDiretaLab(const double* x, const double* w, std::int32_t passo,
                                 std::int32_t d, bool completo) {
    double s = 0.0;
    for (std::int32_t k = 0; k < d; ++k, w += passo) {
        if (!completo && std::isnan(x[k])) continue;
        const double e = x[k] - *w;
        s += e * e;
    }
    return s;
}

// The map's weights by attribute (see UBusca.h), and the plane geometry of its units in whole
// numbers: 4 d^2 = dx^2 + coef dr^2, dx in halves of a unit.
class TMapaLab {
  public:
    TMapaLab(const TGradeLab& grade, std::int32_t dimensao);

    TMapaLab(const TMapaLab&) = delete;  // t_ points into its own memoria_
    TMapaLab& operator=(const TMapaLab&) = delete;

    std::int32_t unidades() const { return n_; }
    std::int32_t dimensao() const { return d_; }
    std::int32_t passo() const { return passo_; }
    const TGradeLab& grade() const { return grade_; }
    double* linha(std::int32_t k) {
        return t_ + static_cast<std::size_t>(k) * static_cast<std::size_t>(passo_);
    }
    const double* dados() const { return t_; }
    double peso(std::int32_t u, std::int32_t k) const {
        return t_[static_cast<std::size_t>(k) * static_cast<std::size_t>(passo_) +
                  static_cast<std::size_t>(u)];
    }
    void defineLinhas(const std::vector<double>& pesos);
    std::vector<double> porLinhas() const;

    // 4 d^2 between units a and b: the same as TGradeLab::quatroD2, without divisions.
    std::int64_t quatroD2(std::int32_t a, std::int32_t b) const {
        std::int64_t dx = meioX_[static_cast<std::size_t>(a)] - meioX_[static_cast<std::size_t>(b)];
        std::int64_t dr = linha_[static_cast<std::size_t>(a)] - linha_[static_cast<std::size_t>(b)];
        const std::int64_t coef = grade_.hexagonal() ? 3 : 4;
        if (!grade_.toroidal) return dx * dx + coef * dr * dr;
        return grade_.quatroD2(a, b);
    }

    // At least the largest 4 d^2 between two units.
    std::int64_t quatroD2Maximo() const {
        const std::int64_t c = grade_.colunas, r = grade_.linhas;
        return grade_.hexagonal() ? 4 * c * c + 3 * r * r : 4 * (c * c + r * r);
    }

    // The direct sum over the attributes present, in attribute order.
    double distanciaDireta(const double* x, std::int32_t u, bool completo) const {
        return distanciaDiretaLab(x, t_ + u, passo_, d_, completo);
    }

  private:
    TGradeLab grade_;
    std::int32_t n_, d_, passo_;
    std::vector<double> memoria_;
    double* t_;
    std::vector<std::int32_t> meioX_, linha_;
};

struct TMelhores {
    std::int32_t c1 = -1, c2 = -1;
    double d1 = 0.0, d2 = 0.0;  // squared, direct sums
};

// The two best units of a pattern, exactly as the direct sums rank them. The SIMD distances f
// differ from the direct sums B by at most a relative (D + 1) u each way (both sum the same
// squares in the same order, one with fused steps) plus an absolute slack for underflow, so every
// unit that B could put first or second has f <= f2 ((1 + g) / (1 - g))^2 + slack, f2 the second
// least f. Those few are decided by B, ties to the lower index.
class TBuscaLab {
  public:
    explicit TBuscaLab(const TMapaLab& mapa);
    // For units stored by attribute elsewhere (any number of them, see aponta).
    explicit TBuscaLab(std::int32_t dimensao);

    // The units searched from now on: n of them, attribute k of unit j at t[k * passo + j], passo
    // a multiple of 8 at least n, the padding units holding zeros.
    void aponta(const double* t, std::int32_t passo, std::int32_t n);

    TMelhores busca(const double* x, bool completo);

    // The SIMD distances of the units [de, ate), de a multiple of 8.
    void distancias(const double* x, std::int32_t de, std::int32_t ate);

    // The two best units of a complete pattern, from every unit's SIMD distance.
    TMelhores escolhe(const double* x);

  private:
    // The two least direct sums over the listed units (all n when the list is null).
    TMelhores decide(const double* x, bool completo, std::int32_t m,
                     const std::int32_t* lista) const;

    const double* t_ = nullptr;
    std::int32_t passo_ = 0, n_ = 0, d_;
    std::vector<double> f_;
    std::vector<std::int32_t> candidatos_;
    TFuncaoDistanciasLab funcao_;
    TFuncaoDoisMenores doisMenores_;
    TFuncaoSeleciona seleciona_;
    double fator_, folga_;
};

// Per pattern: whether it holds every value, and whether it holds any.
struct TPresenca {
    std::vector<unsigned char> completo, vazio;
    std::int64_t vazios = 0;
    bool todosCompletos = true;
};

TPresenca presenca(const TDadosLab& dados);

int threadsLab(int pedidas, std::size_t padroes, std::int32_t unidades, std::int32_t dimensao);

// The two best units of every pattern on the map, in blocks.
void buscaTodos(const TDadosLab& dados, const TPresenca& presenca, const TMapaLab& mapa,
                int threads, std::vector<TMelhores>& melhores, TControle* controle, bool& parado);

// Throws EMemoriaInsuficiente for a map of these data past what the program allows itself.
void verificaMemoria(const TDadosLab& dados, const TGradeLab& grade);

// The measures (UMedidasLab.cpp).
// The mean quantization error and the topographic error of the winners found.
TEpocaLab erros(const std::vector<TMelhores>& melhores, const TMapaLab& mapa);
// Hits, labels and U-matrix of a map whose winners are in r.vencedores.
void resumeVencedores(const TDadosLab& dados, const TMapaLab& mapa, TResultadoLab& r);
// Everything measured on a map, as returned to the caller.
void completaResultado(const TDadosLab& dados, const TMapaLab& mapa,
                       const std::vector<TMelhores>& melhores, TResultadoLab& r);

// A training on a laboratory map: the online presentations (UTreinoOnlineLab.cpp), the batch
// epochs (UTreinoLoteLab.cpp), and what they share (ULaboratorio.cpp).
class TTreinoLab {
  public:
    // `controleDoInicio` stops only the starting map's computation (a stepped training has no
    // control of its own afterwards).
    TTreinoLab(const TDadosLab& dados, const TConfiguracaoLab& config, TControle* controle,
               const TAoFimDaEpocaLab& aoFimDaEpoca, TControle* controleDoInicio = nullptr);

    TResultadoLab executa();

  private:
    bool parar(std::int64_t apresentacoes) const {
        return controle_ != nullptr && controle_->deveParar(apresentacoes);
    }

    void entrega(std::int32_t epocas, const std::vector<std::int32_t>& vencedores);

    // The units a presentation moves are found and moved by part: [de, ate) of the map, within
    // the rows the neighbourhood reaches. Many units share a distance to the winner, so each
    // distinct distance's exp is taken once per presentation (cache.marcas tells which entries of
    // cache.valores are this presentation's). a = -1 marks a unit outside the neighbourhood, which
    // keeps its bits (even a -0).
    struct TCacheVizinhanca {
        std::int64_t apresentacao = 0;
        std::vector<std::int64_t> marcas;
        std::vector<double> valores;
    };

    void atualizaParte(const double* x, std::int32_t c, double sigma, double alfa, std::int32_t de,
                       std::int32_t ate, TCacheVizinhanca& cache);

    TCacheVizinhanca novoCache() const;

  public:
    // Online training, one presentation at a time: the epochs open (a new order when shuffled)
    // and close (the curve's point, the live picture) around their presentations. treinaLab runs
    // it to the end; the window's step mode calls it once per step.
    class TOnline {
      public:
        explicit TOnline(TTreinoLab& t);

        bool terminou() const { return e_ >= t_.config_.epocas; }
        std::int64_t apresentacoes() const { return s_; }

        // Presents the next pattern (false when every epoch is done); `passo`, when given,
        // receives what the presentation did.
        bool proxima(TResultadoLab& r, TPassoLab* passo);

      private:
        void pulaVazios();
        void abre();
        void fecha(TResultadoLab& r);

        TTreinoLab& t_;
        std::size_t np_;
        double total_;
        TSorteioLab sorteio_;
        TBuscaLab busca_;
        TCacheVizinhanca cache_;
        std::vector<std::size_t> ordem_;
        std::vector<TMelhores> daEpoca_;
        std::int64_t s_ = 0;
        std::int32_t e_ = 0;
        std::size_t q_ = 0;
        bool aberta_ = false;
    };

    // The map as it stands with the winners found so far, without any search.
    void instante(TResultadoLab& r) const;

    // The map as it stands, measured: winners found again on it.
    void mede(TResultadoLab& r);

  private:
    bool online(TResultadoLab& r);
    bool lote(TResultadoLab& r, std::vector<TMelhores>& melhores);

    const TDadosLab& dados_;
    const TConfiguracaoLab config_;
    TControle* controle_;
    const TAoFimDaEpocaLab aoFimDaEpoca_;
    TPresenca presenca_;
    TMapaLab mapa_;
    int threads_;
    TFuncaoMoveLab move_ = funcaoMoveLab();
    // Each pattern's latest winner (-1 until presented): what a stopped training is summed up from.
    std::vector<std::int32_t> conhecidos_;
    std::vector<double> fatores_;  // a of each unit, for the presentation being made
};

#pragma once
// What the competitive-learning models share (UCompetitivo.cpp): their units stored by attribute
// for the SIMD search, the stream of signals, the edges, the starting units and the measures.
// Each family trains in its own file: UGasNeural.cpp (HCL, LBG, NG, NG-CHL, CHL), UGasCrescente.cpp
// (GNG, GNG-U) and UGradeCrescente.cpp (the growing grid).

#include <cstdint>
#include <memory>
#include <vector>

#include "UCompetitivo.h"
#include "UErros.h"
#include "ULaboratorioInterno.h"

// Units stored by attribute (attribute k of unit j at dados()[k * passo() + j], passo a multiple
// of 8 at least n, the padding zero), in creation order; a removal shifts the later ones down.
// A search follows them through aponta() after any change of their number.
class TUnidadesCompetitivas {
  public:
    explicit TUnidadesCompetitivas(std::int32_t dimensao) : d_(dimensao) {}

    std::int32_t n() const { return n_; }
    std::int32_t d() const { return d_; }
    std::int32_t passo() const { return passo_; }
    const double* dados() const { return t_.data(); }
    double* dados() { return t_.data(); }
    double peso(std::int32_t u, std::int32_t k) const { return t_[indice(u, k)]; }
    double& peso(std::int32_t u, std::int32_t k) { return t_[indice(u, k)]; }

    // w_k <- w_k + e (x_k - w_k) for every attribute.
    void move(std::int32_t u, const double* x, double e) {
        double* w = t_.data() + u;
        for (std::int32_t k = 0; k < d_; ++k, w += passo_) *w = *w + e * (x[k] - *w);
    }
    // d2 between two units, in attribute order.
    double distanciaEntre(std::int32_t a, std::int32_t b) const;

    void acrescenta(const double* w);
    void remove(std::int32_t u);
    // All the units at once, row-major (units x dimension).
    void defineLinhas(const std::vector<double>& linhas);
    std::vector<double> porLinhas() const;
    void aponta(TBuscaLab& busca) const { busca.aponta(dados(), passo_, n_); }

  private:
    std::size_t indice(std::int32_t u, std::int32_t k) const {
        return static_cast<std::size_t>(k) * static_cast<std::size_t>(passo_) +
               static_cast<std::size_t>(u);
    }
    void reserva(std::int32_t n);

    std::int32_t d_, n_ = 0, passo_ = 0;
    std::vector<double> t_;
};

// The patterns in the order the signals present them: in file order, or a new shuffle each pass.
class TSinaisCompetitivos {
  public:
    TSinaisCompetitivos(std::size_t padroes, TOrdemLab ordem, std::uint64_t semente);
    std::size_t proximo();

  private:
    std::vector<std::size_t> ordem_;
    std::size_t q_ = 0;
    bool embaralhada_;
    TSorteioLab sorteio_;
};

// Edges between units with their ages: each unit's neighbours, each edge's age kept once (the
// two sides name the same entry), so that aging a unit's edges touches only its own list.
class TGrafoCompetitivo {
  public:
    struct TVizinho {
        std::int32_t v;
        std::int32_t aresta;  // into the ages
    };

    std::int32_t unidades() const { return static_cast<std::int32_t>(viz_.size()); }
    const std::vector<TVizinho>& vizinhos(std::int32_t u) const {
        return viz_[static_cast<std::size_t>(u)];
    }
    void acrescentaUnidade() { viz_.emplace_back(); }
    bool existe(std::int32_t a, std::int32_t b) const { return procura(a, b) >= 0; }
    // The edge {a, b} at age 0, made when absent.
    void zera(std::int32_t a, std::int32_t b);
    void remove(std::int32_t a, std::int32_t b);
    // Adds 1 to the age of every edge of u.
    void envelhece(std::int32_t u) {
        for (const TVizinho& v : viz_[static_cast<std::size_t>(u)])
            ++idades_[static_cast<std::size_t>(v.aresta)];
    }
    // Removes the edges of u older than `limite`, adding the neighbours that lost one to
    // `perderam`.
    void removeVelhas(std::int32_t u, double limite, std::vector<std::int32_t>& perderam);
    // Removes every edge older than `limite`.
    void removeTodasVelhas(double limite);
    // Removes unit u and its edges; the later units shift down by one.
    void removeUnidade(std::int32_t u);
    std::vector<TArestaCompetitiva> lista() const;

  private:
    // The edge {a, b}'s entry, or -1.
    std::int32_t procura(std::int32_t a, std::int32_t b) const;
    // Takes the side of `de` towards `para` out of its list.
    void tiraLado(std::int32_t de, std::int32_t para);
    void libera(std::int32_t aresta) { livres_.push_back(aresta); }
    bool velha(std::int32_t aresta, double limite) const {
        return static_cast<double>(idades_[static_cast<std::size_t>(aresta)]) > limite;
    }

    std::vector<std::vector<TVizinho>> viz_;
    std::vector<std::int64_t> idades_;
    std::vector<std::int32_t> livres_;
};

// The first `quantas` starting units, row-major: given, or distinct patterns drawn with the seed.
std::vector<double> inicioCompetitivo(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                      std::int32_t quantas);

// How many signals the run presents: epocas x N, or `sinais` when given.
std::int64_t sinaisDoTreino(const TConfiguracaoCompetitiva& c, const TDadosLab& dados);

// v_i pow(v_f / v_i, t / T).
inline double agendaExponencial(const TAgendaLab& a, std::int64_t t, std::int64_t total) {
    return a.inicial *
           std::pow(a.final / a.inicial, static_cast<double>(t) / static_cast<double>(total));
}

// Stops at the control's request, checked every 4096 signals.
inline void verificaParadaCompetitiva(TControle* controle, std::int64_t sinais) {
    if (controle != nullptr && (sinais & 4095) == 0 && controle->deveParar(sinais))
        throw EInterrompido();
}

// The nearest unit of every pattern (and the second), in blocks on `threads` threads.
std::vector<TMelhores> melhoresCompetitivos(const TDadosLab& dados,
                                            const TUnidadesCompetitivas& unidades, int threads);

// The final units and measures into r, whose edges the model has put there.
void completaCompetitivo(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                         const TUnidadesCompetitivas& unidades, TResultadoCompetitivo& r);

// What the models of one signal at a time share: their units and the search over them, and
// their edges (kept by every model, shown by those that have them).
class TModeloBase : public TModeloEmTreino {
  public:
    TModeloBase(std::int32_t dimensao, const std::vector<double>& inicio, std::int64_t total,
                bool comArestas);

    std::int32_t unidades() const override { return unidades_.n(); }
    std::vector<double> pesos() const override { return unidades_.porLinhas(); }
    std::vector<TArestaCompetitiva> arestas() const override;
    void moveUnidade(std::int32_t u, const double* w) override;
    bool removeUnidade(std::int32_t u) override;
    const TUnidadesCompetitivas& unidadesCompetitivas() const { return unidades_; }

  protected:
    TUnidadesCompetitivas unidades_;
    TBuscaLab busca_;
    TGrafoCompetitivo grafo_;
    const bool comArestas_;
};

// The families' models (UGasNeural.cpp, UGasCrescente.cpp, UGradeCrescente.cpp), and LBG's whole
// training.
std::unique_ptr<TModeloEmTreino> criaHcl(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                         const std::vector<double>& inicio, std::int64_t total);
std::unique_ptr<TModeloEmTreino> criaNg(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                        const std::vector<double>& inicio, std::int64_t total);
std::unique_ptr<TModeloEmTreino> criaChl(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                         const std::vector<double>& inicio, std::int64_t total);
std::unique_ptr<TModeloEmTreino> criaGng(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                         const std::vector<double>& inicio, std::int64_t total);
std::unique_ptr<TModeloEmTreino> criaGg(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                        const std::vector<double>& inicio, std::int64_t ajuste);
TResultadoCompetitivo treinaLbg(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                TControle* controle);

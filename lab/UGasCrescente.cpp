// The growing neural gas (Fritzke 1995), and its variant with a utility per unit (Fritzke 1997)
// that removes the units a moving distribution left behind. Per signal: the two nearest units,
// the winner's edges aged, its error summed, the winner and its neighbours moved, the edge between
// the two refreshed, old edges and lone units removed; every lambda signals a unit inserted
// between the unit of largest error and its neighbour of largest error; every error decays.

#include <algorithm>

#include "UCompetitivoInterno.h"

namespace {

// The unit of largest value among `candidatos` (ties to the lower index), or -1.
template <class Lista, class Valor>
std::int32_t maiorDe(const Lista& candidatos, const Valor& valor) {
    std::int32_t melhor = -1;
    for (const std::int32_t u : candidatos)
        if (melhor < 0 || valor(u) > valor(melhor) || (valor(u) == valor(melhor) && u < melhor))
            melhor = u;
    return melhor;
}

class TGng {
  public:
    TGng(const TDadosLab& dados, const TConfiguracaoCompetitiva& c)
        : c_(c),
          utilidade_(c.modelo == TModeloCompetitivo::gngu),
          unidades_(dados.dimensao),
          busca_(dados.dimensao),
          lambda_(lambdaDoModelo(c)) {
        const std::vector<double> inicio = inicioCompetitivo(dados, c, 2);
        for (std::int32_t u = 0; u < 2; ++u)
            acrescenta(inicio.data() + static_cast<std::size_t>(u * unidades_.d()), 0.0, 0.0);
    }

    void sinal(const double* x, std::int64_t t) {
        const TMelhores m = busca_.busca(x, true);
        const std::int32_t s1 = m.c1, s2 = m.c2;
        grafo_.envelhece(s1);
        erro_[static_cast<std::size_t>(s1)] += m.d1;
        if (utilidade_) util_[static_cast<std::size_t>(s1)] += m.d2 - m.d1;
        unidades_.move(s1, x, c_.epsB);
        vizinhos_.clear();
        for (const TGrafoCompetitivo::TVizinho& v : grafo_.vizinhos(s1)) vizinhos_.push_back(v.v);
        std::sort(vizinhos_.begin(), vizinhos_.end());
        for (const std::int32_t v : vizinhos_) unidades_.move(v, x, c_.epsN);
        grafo_.zera(s1, s2);
        perderam_.clear();
        grafo_.removeVelhas(s1, static_cast<double>(c_.idadeMax), perderam_);
        removeSozinhas(perderam_, false);
        if ((t + 1) % lambda_ == 0) {
            if (utilidade_) removeInutil();
            if (unidades_.n() < c_.unidadesMax) insere();
        }
        const auto n = static_cast<std::int32_t>(erro_.size());
        decai_(erro_.data(), n, c_.beta);
        if (utilidade_) decai_(util_.data(), n, c_.beta);
    }

    const TUnidadesCompetitivas& unidades() const { return unidades_; }
    const TGrafoCompetitivo& grafo() const { return grafo_; }

  private:
    void acrescenta(const double* w, double erro, double util) {
        unidades_.acrescenta(w);
        unidades_.aponta(busca_);
        grafo_.acrescentaUnidade();
        erro_.push_back(erro);
        util_.push_back(util);
    }

    void removeUnidade(std::int32_t u) {
        unidades_.remove(u);
        unidades_.aponta(busca_);
        grafo_.removeUnidade(u);
        erro_.erase(erro_.begin() + u);
        util_.erase(util_.begin() + u);
    }

    // The units among `candidatas` left without an edge, from the highest index down; with
    // `guardaDuas`, none that would leave fewer than two units.
    void removeSozinhas(std::vector<std::int32_t>& candidatas, bool guardaDuas) {
        std::sort(candidatas.begin(), candidatas.end(), std::greater<>());
        candidatas.erase(std::unique(candidatas.begin(), candidatas.end()), candidatas.end());
        for (const std::int32_t u : candidatas) {
            if (!grafo_.vizinhos(u).empty()) continue;
            if (guardaDuas && unidades_.n() <= 2) continue;
            removeUnidade(u);
        }
    }

    // The unit of least utility goes when the largest error is more than k times its utility.
    void removeInutil() {
        if (unidades_.n() <= 2) return;
        std::int32_t u = 0;
        for (std::int32_t j = 1; j < unidades_.n(); ++j)
            if (util_[static_cast<std::size_t>(j)] < util_[static_cast<std::size_t>(u)]) u = j;
        const double menor = util_[static_cast<std::size_t>(u)];
        const double maiorErro = *std::max_element(erro_.begin(), erro_.end());
        if (!(menor > 0.0) || !(maiorErro / menor > c_.k)) return;
        perderam_.clear();
        for (const TGrafoCompetitivo::TVizinho& v : grafo_.vizinhos(u))
            perderam_.push_back(v.v > u ? v.v - 1 : v.v);
        removeUnidade(u);
        removeSozinhas(perderam_, true);
    }

    void insere() {
        std::vector<std::int32_t> todas(static_cast<std::size_t>(unidades_.n()));
        for (std::int32_t j = 0; j < unidades_.n(); ++j) todas[static_cast<std::size_t>(j)] = j;
        const auto erro = [this](std::int32_t j) { return erro_[static_cast<std::size_t>(j)]; };
        const std::int32_t q = maiorDe(todas, erro);
        vizinhos_.clear();
        for (const TGrafoCompetitivo::TVizinho& v : grafo_.vizinhos(q)) vizinhos_.push_back(v.v);
        const std::int32_t f = maiorDe(vizinhos_, erro);
        if (f < 0) return;
        const std::int32_t d = unidades_.d();
        std::vector<double> w(static_cast<std::size_t>(d));
        for (std::int32_t k = 0; k < d; ++k)
            w[static_cast<std::size_t>(k)] = 0.5 * (unidades_.peso(q, k) + unidades_.peso(f, k));
        const std::size_t iq = static_cast<std::size_t>(q), jf = static_cast<std::size_t>(f);
        erro_[iq] = c_.alfa * erro_[iq];
        erro_[jf] = c_.alfa * erro_[jf];
        acrescenta(w.data(), erro_[iq], (util_[iq] + util_[jf]) / 2.0);
        const std::int32_t r = unidades_.n() - 1;
        grafo_.remove(q, f);
        grafo_.zera(q, r);
        grafo_.zera(r, f);
    }

    const TConfiguracaoCompetitiva& c_;
    const bool utilidade_;
    TUnidadesCompetitivas unidades_;
    TBuscaLab busca_;
    TGrafoCompetitivo grafo_;
    std::vector<double> erro_, util_;
    std::vector<std::int32_t> vizinhos_, perderam_;
    const std::int64_t lambda_;
    const TFuncaoDecaiLab decai_ = funcaoDecaiLab();
};

}  // namespace

TResultadoCompetitivo treinaGng(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                TControle* controle) {
    TGng gng(dados, c);
    TSinaisCompetitivos sinais(dados.padroes(), c.ordem, c.semente);
    const std::int64_t total = sinaisDoTreino(c, dados);
    for (std::int64_t t = 0; t < total; ++t) {
        verificaParadaCompetitiva(controle, t);
        gng.sinal(dados.padrao(sinais.proximo()), t);
    }
    TResultadoCompetitivo r;
    r.sinais = total;
    completaCompetitivo(dados, c, gng.unidades(), &gng.grafo(), r);
    return r;
}

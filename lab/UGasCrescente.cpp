// The growing neural gas (Fritzke 1995), and its variant with a utility per unit (Fritzke 1997)
// that removes the units a moving distribution left behind. Per signal: the two nearest units,
// the winner's edges aged, its error summed, the winner and its neighbours moved, the edge between
// the two refreshed, old edges and lone units removed; every lambda signals a unit inserted
// between the unit of largest error and its neighbour of largest error; every error decays.

#include <algorithm>
#include <memory>

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

class TGng : public TModeloBase {
  public:
    TGng(const TConfiguracaoCompetitiva& c, std::int32_t d, const std::vector<double>& inicio,
         std::int64_t total)
        : TModeloBase(d, inicio, total, true),
          epsB_(c.epsB),
          epsN_(c.epsN),
          alfa_(c.alfa),
          beta_(c.beta),
          k_(c.k),
          idadeMax_(c.idadeMax),
          unidadesMax_(c.unidadesMax),
          utilidade_(c.modelo == TModeloCompetitivo::gngu),
          lambda_(lambdaDoModelo(c)),
          erro_(static_cast<std::size_t>(unidades_.n()), 0.0),
          util_(static_cast<std::size_t>(unidades_.n()), 0.0) {}

    void sinal(const double* x) override {
        const std::int64_t t = sinais_++;
        const TMelhores m = busca_.busca(x, true);
        const std::int32_t s1 = m.c1, s2 = m.c2;
        s1_ = s1;
        s2_ = s2;
        grafo_.envelhece(s1);
        erro_[static_cast<std::size_t>(s1)] += m.d1;
        if (utilidade_) util_[static_cast<std::size_t>(s1)] += m.d2 - m.d1;
        unidades_.move(s1, x, epsB_);
        vizinhos_.clear();
        for (const TGrafoCompetitivo::TVizinho& v : grafo_.vizinhos(s1)) vizinhos_.push_back(v.v);
        std::sort(vizinhos_.begin(), vizinhos_.end());
        for (const std::int32_t v : vizinhos_) unidades_.move(v, x, epsN_);
        grafo_.zera(s1, s2);
        // Old edges go, then the units left without one: those that just lost one, and those a
        // person's removal left alone since the last signal (unless this signal joined them).
        perderam_.swap(pendentes_);
        pendentes_.clear();
        grafo_.removeVelhas(s1, static_cast<double>(idadeMax_), perderam_);
        removeSozinhas(perderam_, false);
        if ((t + 1) % lambda_ == 0) {
            if (utilidade_) removeInutil();
            if (unidades_.n() < unidadesMax_) insere();
        }
        const auto n = static_cast<std::int32_t>(erro_.size());
        decai_(erro_.data(), n, beta_);
        if (utilidade_) decai_(util_.data(), n, beta_);
    }

    // A person's removal: the unit and its edges; its neighbours left without an edge go at the
    // next signal's removal of lone units, as the definition has it.
    bool removeUnidade(std::int32_t u) override {
        if (u < 0 || u >= unidades_.n() || unidades_.n() <= 2) return false;
        std::vector<std::int32_t> vizinhos;
        for (const TGrafoCompetitivo::TVizinho& v : grafo_.vizinhos(u))
            vizinhos.push_back(v.v > u ? v.v - 1 : v.v);
        std::erase(pendentes_, u);
        for (std::int32_t& p : pendentes_) p -= p > u ? 1 : 0;
        tiraUnidade(u);
        pendentes_.insert(pendentes_.end(), vizinhos.begin(), vizinhos.end());
        s1_ = s2_ = -1;
        return true;
    }

  private:
    void acrescenta(const double* w, double erro, double util) {
        unidades_.acrescenta(w);
        unidades_.aponta(busca_);
        grafo_.acrescentaUnidade();
        erro_.push_back(erro);
        util_.push_back(util);
    }

    void tiraUnidade(std::int32_t u) {
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
            tiraUnidade(u);
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
        if (!(menor > 0.0) || !(maiorErro / menor > k_)) return;
        perderam_.clear();
        for (const TGrafoCompetitivo::TVizinho& v : grafo_.vizinhos(u))
            perderam_.push_back(v.v > u ? v.v - 1 : v.v);
        tiraUnidade(u);
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
        erro_[iq] = alfa_ * erro_[iq];
        erro_[jf] = alfa_ * erro_[jf];
        acrescenta(w.data(), erro_[iq], (util_[iq] + util_[jf]) / 2.0);
        const std::int32_t r = unidades_.n() - 1;
        grafo_.remove(q, f);
        grafo_.zera(q, r);
        grafo_.zera(r, f);
    }

    const double epsB_, epsN_, alfa_, beta_, k_;
    const std::int64_t idadeMax_;
    const std::int32_t unidadesMax_;
    const bool utilidade_;
    const std::int64_t lambda_;
    std::vector<double> erro_, util_;
    std::vector<std::int32_t> vizinhos_, perderam_, pendentes_;
    const TFuncaoDecaiLab decai_ = funcaoDecaiLab();
};

}  // namespace

std::unique_ptr<TModeloEmTreino> criaGng(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                         const std::vector<double>& inicio, std::int64_t total) {
    return std::make_unique<TGng>(c, dimensao, inicio, total);
}

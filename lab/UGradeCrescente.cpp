// The growing grid (Fritzke 1995): a rectangular grid that starts 2 x 2 and, while it grows, moves
// every unit towards each signal by eps0 times a Gaussian of its grid distance to the winner, and
// after lambda x (units) signals inserts a whole row or column beside the unit that won most often,
// towards its most distant grid neighbour; then a fine-tuning with a decreasing rate and no
// insertion. Grid distance is |dr| + |dc|; the units are row-major.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "UCompetitivoInterno.h"

namespace {

class TGrade : public TModeloBase {
  public:
    TGrade(const TConfiguracaoCompetitiva& c, std::int32_t d, const std::vector<double>& inicio,
           std::int64_t ajuste)
        : TModeloBase(d, inicio, 0, false),
          eps0_(c.eps0),
          sigma_(c.sigma),
          unidadesMax_(c.unidadesMax),
          lambda_(lambdaDoModelo(c)),
          eps_(epsDoModelo(c)),
          ajuste_(ajuste),
          vitorias_(4, 0) {
        preparaVizinhanca();
    }

    std::int32_t linhas() const override { return linhas_; }
    std::int32_t colunas() const override { return colunas_; }
    std::vector<TArestaCompetitiva> arestas() const override;
    // Growth until the grid has its size, then the fine-tuning's signals.
    bool terminou() const override {
        return unidades_.n() >= unidadesMax_ && feitosAjuste_ >= ajuste_;
    }

    void sinal(const double* x) override {
        ++sinais_;
        if (unidades_.n() < unidadesMax_) {
            // Growth: the winners counted since the last insertion.
            ++vitorias_[static_cast<std::size_t>(move(x, eps0_))];
            if (++desde_ < lambda_ * unidades_.n()) return;
            std::int32_t q = 0;
            for (std::int32_t u = 1; u < unidades_.n(); ++u)
                if (vitorias_[static_cast<std::size_t>(u)] > vitorias_[static_cast<std::size_t>(q)])
                    q = u;
            insere(q);
            vitorias_.assign(static_cast<std::size_t>(unidades_.n()), 0);
            desde_ = 0;
            return;
        }
        // Fine-tuning: the rate's schedule starts again.
        move(x, agendaExponencial(eps_, feitosAjuste_, ajuste_));
        ++feitosAjuste_;
    }

  private:
    // Every unit moves by taxa x h(its grid distance to the nearest unit); returns that unit.
    std::int32_t move(const double* x, double taxa) {
        const TMelhores m = busca_.busca(x, true);
        s1_ = m.c1;
        s2_ = m.c2;
        const std::int32_t rs = m.c1 / colunas_, cs = m.c1 % colunas_;
        for (std::int32_t u = 0; u < unidades_.n(); ++u) {
            const std::int32_t dist = std::abs(u / colunas_ - rs) + std::abs(u % colunas_ - cs);
            unidades_.move(u, x, taxa * h_[static_cast<std::size_t>(dist)]);
        }
        return m.c1;
    }

    // A row or a column between the unit q and its most distant grid neighbour.
    void insere(std::int32_t q) {
        const std::int32_t rq = q / colunas_, cq = q % colunas_;
        // Up, down, left, right: the first of the largest distances.
        const std::int32_t dr[] = {-1, 1, 0, 0}, dc[] = {0, 0, -1, 1};
        std::int32_t melhor = -1;
        double maior = 0.0;
        for (int i = 0; i < 4; ++i) {
            const std::int32_t r = rq + dr[i], col = cq + dc[i];
            if (r < 0 || r >= linhas_ || col < 0 || col >= colunas_) continue;
            const double d2 = unidades_.distanciaEntre(q, r * colunas_ + col);
            if (melhor < 0 || d2 > maior) {
                melhor = i;
                maior = d2;
            }
        }
        const std::int32_t d = unidades_.d();
        const std::vector<double> antes = unidades_.porLinhas();
        const auto peso = [&](std::int32_t r, std::int32_t col, std::int32_t k) {
            return antes[(static_cast<std::size_t>(r) * static_cast<std::size_t>(colunas_) +
                          static_cast<std::size_t>(col)) *
                             static_cast<std::size_t>(d) +
                         static_cast<std::size_t>(k)];
        };
        const bool coluna = melhor >= 2;
        // The new line goes before index `nova` of its direction, between nova - 1 and nova.
        const std::int32_t nova =
            coluna ? std::max(cq, cq + dc[melhor]) : std::max(rq, rq + dr[melhor]);
        const std::int32_t linhas = linhas_ + (coluna ? 0 : 1),
                           colunas = colunas_ + (coluna ? 1 : 0);
        std::vector<double> depois;
        depois.reserve(static_cast<std::size_t>(linhas) * static_cast<std::size_t>(colunas) *
                       static_cast<std::size_t>(d));
        for (std::int32_t r = 0; r < linhas; ++r)
            for (std::int32_t col = 0; col < colunas; ++col)
                for (std::int32_t k = 0; k < d; ++k) {
                    if (coluna && col == nova)
                        depois.push_back(0.5 * (peso(r, col - 1, k) + peso(r, col, k)));
                    else if (!coluna && r == nova)
                        depois.push_back(0.5 * (peso(r - 1, col, k) + peso(r, col, k)));
                    else
                        depois.push_back(peso(r - (!coluna && r > nova ? 1 : 0),
                                              col - (coluna && col > nova ? 1 : 0), k));
                }
        linhas_ = linhas;
        colunas_ = colunas;
        unidades_.defineLinhas(depois);
        unidades_.aponta(busca_);
        preparaVizinhanca();
    }

    // h at every grid distance the grid has: exp(-dist^2 / (2 sigma^2)).
    void preparaVizinhanca() {
        h_.resize(static_cast<std::size_t>(linhas_ + colunas_));
        for (std::size_t dist = 0; dist < h_.size(); ++dist) {
            const auto dd = static_cast<double>(dist);
            h_[dist] = std::exp(-(dd * dd) / (2.0 * (sigma_ * sigma_)));
        }
    }

    const double eps0_, sigma_;
    const std::int32_t unidadesMax_;
    const std::int64_t lambda_;
    const TAgendaLab eps_;
    const std::int64_t ajuste_;
    std::int32_t linhas_ = 2, colunas_ = 2;
    std::vector<double> h_;
    std::vector<std::int64_t> vitorias_;
    std::int64_t desde_ = 0, feitosAjuste_ = 0;
};

// The grid's edges: each unit with its right and lower neighbours.
std::vector<TArestaCompetitiva> TGrade::arestas() const {
    std::vector<TArestaCompetitiva> a;
    for (std::int32_t u = 0; u < unidades_.n(); ++u) {
        if (u % colunas_ + 1 < colunas_) a.push_back({u, u + 1, 0});
        if (u / colunas_ + 1 < linhas_) a.push_back({u, u + colunas_, 0});
    }
    return a;
}

}  // namespace

std::unique_ptr<TModeloEmTreino> criaGg(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                        const std::vector<double>& inicio, std::int64_t ajuste) {
    return std::make_unique<TGrade>(c, dimensao, inicio, ajuste);
}

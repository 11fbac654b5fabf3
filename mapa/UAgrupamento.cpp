#include "UAgrupamento.h"

#include <algorithm>
#include <cmath>
#include <queue>
#include <tuple>

namespace {

// A possible join: its cost and the two names, lower first; ordered by cost, then names.
struct TPar {
    double custo = 0.0;
    std::int32_t a = 0, b = 0;
    bool antes(const TPar& outro) const {
        return std::tie(custo, a, b) < std::tie(outro.custo, outro.a, outro.b);
    }
};

class TAgrupador {
  public:
    explicit TAgrupador(const TMapa& mapa)
        : n_(mapa.unidades()),
          d_(static_cast<std::size_t>(std::max(mapa.dimensao, 0))),
          media_(mapa.pesos.begin(), mapa.pesos.begin() + static_cast<std::ptrdiff_t>(
                                                              static_cast<std::size_t>(n_) * d_)),
          tamanho_(static_cast<std::size_t>(n_), 1.0),
          versao_(static_cast<std::size_t>(n_), 0),
          vizinhos_(mapa.vizinhos) {
        r_.unidades = n_;
    }

    TAgrupamento agrupa() {
        juntaVizinhos();
        juntaSemAdjacencia();
        return std::move(r_);
    }

  private:
    struct TCandidato {
        TPar par;
        std::uint32_t va = 0, vb = 0;  // the versions of the two clusters it was measured on
    };
    struct TDepois {
        bool operator()(const TCandidato& x, const TCandidato& y) const {
            return y.par.antes(x.par);
        }
    };

    const double* media(std::int32_t c) const {
        return media_.data() + static_cast<std::size_t>(c) * d_;
    }

    // Ward's cost of joining clusters a < b; one beyond every number counts as the largest.
    TPar par(std::int32_t a, std::int32_t b) const {
        if (b < a) std::swap(a, b);
        const double* x = media(a);
        const double* y = media(b);
        double s = 0.0;
        for (std::size_t k = 0; k < d_; ++k) s += (x[k] - y[k]) * (x[k] - y[k]);
        const double na = tamanho_[static_cast<std::size_t>(a)];
        const double nb = tamanho_[static_cast<std::size_t>(b)];
        double custo = na * nb / (na + nb) * s;
        if (std::isnan(custo)) custo = HUGE_VAL;
        return {custo, a, b};
    }

    // Joins b into a (a < b): the mean weighted by the sizes, and the join recorded.
    void junta(const TPar& p) {
        const auto a = static_cast<std::size_t>(p.a);
        const auto b = static_cast<std::size_t>(p.b);
        const double na = tamanho_[a], nb = tamanho_[b];
        double* x = media_.data() + a * d_;
        const double* y = media(p.b);
        for (std::size_t k = 0; k < d_; ++k) x[k] = (na * x[k] + nb * y[k]) / (na + nb);
        tamanho_[a] = na + nb;
        ++versao_[a];
        r_.juncoes.push_back({p.a, p.b});
        r_.alturas.push_back(std::sqrt(2.0 * p.custo));
    }

    // Adjacent clusters, cheapest first, from a queue whose stale candidates (a cluster joined
    // since they were measured) are dropped as they come out.
    void juntaVizinhos() {
        std::priority_queue<TCandidato, std::vector<TCandidato>, TDepois> fila;
        auto mede = [&](std::int32_t a, std::int32_t b) {
            const TPar p = par(a, b);
            fila.push({p, versao_[static_cast<std::size_t>(p.a)],
                       versao_[static_cast<std::size_t>(p.b)]});
        };
        for (std::int32_t a = 0; a < n_; ++a)
            for (const std::int32_t b : vizinhos_[static_cast<std::size_t>(a)])
                if (a < b) mede(a, b);
        std::vector<char> vivo(static_cast<std::size_t>(n_), 1);
        std::vector<std::int32_t> uniao;
        while (!fila.empty()) {
            const TCandidato c = fila.top();
            fila.pop();
            const auto a = static_cast<std::size_t>(c.par.a);
            const auto b = static_cast<std::size_t>(c.par.b);
            if (!vivo[a] || !vivo[b] || versao_[a] != c.va || versao_[b] != c.vb) continue;
            junta(c.par);
            vivo[b] = 0;
            // The neighbours of b become a's; each of them now names a instead of b.
            for (const std::int32_t v : vizinhos_[b]) {
                if (v == c.par.a) continue;
                auto& w = vizinhos_[static_cast<std::size_t>(v)];
                w.erase(std::lower_bound(w.begin(), w.end(), c.par.b));
                const auto onde = std::lower_bound(w.begin(), w.end(), c.par.a);
                if (onde == w.end() || *onde != c.par.a) w.insert(onde, c.par.a);
            }
            uniao.clear();
            std::set_union(vizinhos_[a].begin(), vizinhos_[a].end(), vizinhos_[b].begin(),
                           vizinhos_[b].end(), std::back_inserter(uniao));
            uniao.erase(
                std::remove_if(uniao.begin(), uniao.end(),
                               [&](std::int32_t v) { return v == c.par.a || v == c.par.b; }),
                uniao.end());
            vizinhos_[a] = uniao;
            vizinhos_[b].clear();
            vizinhos_[b].shrink_to_fit();
            for (const std::int32_t v : vizinhos_[a]) mede(c.par.a, v);
        }
        for (std::int32_t u = 0; u < n_; ++u)
            if (vivo[static_cast<std::size_t>(u)]) restantes_.push_back(u);
    }

    // What the adjacency left apart, joined by the same rule over every pair: each cluster keeps
    // its cheapest partner, so a join costs one pass over the clusters plus a new search for those
    // whose partner was one of the two joined.
    void juntaSemAdjacencia() {
        std::vector<std::int32_t>& vivos = restantes_;
        std::vector<TPar> melhor(static_cast<std::size_t>(n_));
        auto procura = [&](std::int32_t c) {
            TPar m{HUGE_VAL, n_, n_};
            bool algum = false;
            for (const std::int32_t o : vivos) {
                if (o == c) continue;
                const TPar p = par(c, o);
                if (!algum || p.antes(m)) m = p;
                algum = true;
            }
            melhor[static_cast<std::size_t>(c)] = m;
        };
        for (const std::int32_t c : vivos) procura(c);
        while (vivos.size() > 1) {
            TPar p = melhor[static_cast<std::size_t>(vivos.front())];
            for (const std::int32_t c : vivos)
                if (melhor[static_cast<std::size_t>(c)].antes(p))
                    p = melhor[static_cast<std::size_t>(c)];
            junta(p);
            vivos.erase(std::lower_bound(vivos.begin(), vivos.end(), p.b));
            for (const std::int32_t c : vivos) {
                if (c == p.a) continue;
                TPar& m = melhor[static_cast<std::size_t>(c)];
                if (m.a == p.a || m.b == p.a || m.a == p.b || m.b == p.b) {
                    procura(c);
                } else {
                    const TPar q = par(c, p.a);
                    if (q.antes(m)) m = q;
                }
            }
            procura(p.a);
        }
    }

    std::int32_t n_;
    std::size_t d_;
    std::vector<double> media_;
    std::vector<double> tamanho_;
    std::vector<std::uint32_t> versao_;
    std::vector<std::vector<std::int32_t>> vizinhos_;  // of each cluster, by name, increasing
    std::vector<std::int32_t> restantes_;  // the clusters the adjacency left, increasing
    TAgrupamento r_;
};

std::int32_t raiz(std::vector<std::int32_t>& pai, std::int32_t u) {
    while (pai[static_cast<std::size_t>(u)] != u) {
        auto& p = pai[static_cast<std::size_t>(u)];
        p = pai[static_cast<std::size_t>(p)];
        u = p;
    }
    return u;
}

}  // namespace

TAgrupamento agrupaUnidades(const TMapa& mapa) {
    if (mapa.unidades() <= 0) return {};
    return TAgrupador(mapa).agrupa();
}

std::vector<std::int32_t> cortaEm(const TAgrupamento& agrupamento, std::int32_t k) {
    const std::int32_t n = std::max(agrupamento.unidades, 0);
    if (n == 0) return {};
    k = std::clamp(k, 1, n);
    std::vector<std::int32_t> pai(static_cast<std::size_t>(n));
    for (std::int32_t u = 0; u < n; ++u) pai[static_cast<std::size_t>(u)] = u;
    const auto juntas = std::min(static_cast<std::size_t>(n - k), agrupamento.juncoes.size());
    for (std::size_t j = 0; j < juntas; ++j) {
        const TJuncao& jj = agrupamento.juncoes[j];
        const std::int32_t a = raiz(pai, jj.a), b = raiz(pai, jj.b);
        pai[static_cast<std::size_t>(std::max(a, b))] = std::min(a, b);
    }
    std::vector<std::int32_t> grupo(static_cast<std::size_t>(n), -1);
    std::vector<std::int32_t> numero(static_cast<std::size_t>(n), -1);
    std::int32_t proximo = 0;
    for (std::int32_t u = 0; u < n; ++u) {
        auto& g = numero[static_cast<std::size_t>(raiz(pai, u))];
        if (g < 0) g = proximo++;
        grupo[static_cast<std::size_t>(u)] = g;
    }
    return grupo;
}

std::int32_t kSugerido(const TAgrupamento& agrupamento, std::int32_t maximo) {
    const auto& h = agrupamento.alturas;
    const std::int32_t n =
        h.empty() ? std::max(agrupamento.unidades, 0) : static_cast<std::int32_t>(h.size()) + 1;
    const std::int32_t ate = std::min(maximo, n - 1);
    if (ate < 2) return std::min(n, std::max(maximo, 1));
    std::int32_t melhor = 2;
    double maior = 0.0;
    for (std::int32_t k = 2; k <= ate; ++k) {
        const auto i = static_cast<std::size_t>(n - k);
        const double salto = h[i] - h[i - 1];
        if (k == 2 || salto > maior) {
            melhor = k;
            maior = salto;
        }
    }
    return melhor;
}

#pragma once
// The competitive-learning models written the plain way, one function each, straight from their
// definitions: every distance a direct sum, every unit visited, units and edges in plain containers
// (a removal really erases). The tests hold the engine to these, bit for bit. Each function also
// counts the events of its branches (insertions, removals) so a test can tell they happened.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <numeric>
#include <utility>
#include <vector>

#include "UCompetitivo.h"
#include "ULaboratorioInterno.h"

namespace referencia {

using TUnidades = std::vector<std::vector<double>>;
using TArestas = std::map<std::pair<std::int32_t, std::int32_t>, std::int64_t>;  // a < b: age

// What happened along the training.
struct TEventos {
    std::int64_t insercoes = 0;                              // GNG, GNG-U: units added
    std::int64_t arestasPorIdade = 0;                        // edges removed for their age
    std::int64_t unidadesIsoladas = 0;                       // units removed for having no edge
    std::int64_t remocoesPorUtilidade = 0;                   // GNG-U
    std::int64_t isoladasMantidas = 0;                       // GNG-U: kept so that two units remain
    std::int64_t linhasInseridas = 0, colunasInseridas = 0;  // the growing grid
};

inline double d2(const double* x, const std::vector<double>& w) {
    double s = 0.0;
    for (std::size_t j = 0; j < w.size(); ++j) {
        const double e = x[j] - w[j];
        s += e * e;
    }
    return s;
}

inline void aproxima(std::vector<double>& w, const double* x, double e) {
    for (std::size_t j = 0; j < w.size(); ++j) w[j] = w[j] + e * (x[j] - w[j]);
}

inline double exponencial(const TAgendaLab& a, std::int64_t t, std::int64_t total) {
    return a.inicial *
           std::pow(a.final / a.inicial, static_cast<double>(t) / static_cast<double>(total));
}

inline std::vector<double> distancias(const double* x, const TUnidades& w) {
    std::vector<double> d;
    for (const auto& u : w) d.push_back(d2(x, u));
    return d;
}

// The least d2, ties to the lowest index; `fora` is left out.
inline std::int32_t menor(const std::vector<double>& d, std::int32_t fora = -1) {
    std::int32_t m = -1;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(d.size()); ++i) {
        if (i == fora) continue;
        if (m < 0 || d[static_cast<std::size_t>(i)] < d[static_cast<std::size_t>(m)]) m = i;
    }
    return m;
}

// The signals: file order, or a new shuffle at the start of each pass.
class TSinais {
  public:
    TSinais(const TDadosLab& dados, const TConfiguracaoCompetitiva& c)
        : dados_(dados),
          arquivo_(c.ordem == TOrdemLab::arquivo),
          sorteio_(c.semente ^ 0x6F6E6C696E65ull),
          ordem_(dados.padroes()) {
        std::iota(ordem_.begin(), ordem_.end(), std::size_t{0});
    }
    const double* proximo() {
        const std::size_t n = dados_.padroes(), p = static_cast<std::size_t>(t_) % n;
        ++t_;
        if (arquivo_) return dados_.padrao(p);
        if (p == 0)
            for (std::size_t i = n; i > 1; --i)
                std::swap(ordem_[i - 1], ordem_[sorteio_.inteiro(i)]);
        return dados_.padrao(ordem_[p]);
    }
    std::int64_t apresentados() const { return t_; }

  private:
    const TDadosLab& dados_;
    bool arquivo_;
    TSorteioLab sorteio_;
    std::vector<std::size_t> ordem_;
    std::int64_t t_ = 0;
};

// The starting units: the given rows (the first `k` when k > 0), else k distinct patterns drawn.
inline TUnidades unidadesIniciais(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                  std::size_t k) {
    const auto dim = static_cast<std::size_t>(dados.dimensao);
    TUnidades w;
    if (!c.inicio.empty()) {
        const std::size_t linhas = c.inicio.size() / dim;
        for (std::size_t u = 0; u < (k > 0 ? k : linhas); ++u)
            w.emplace_back(c.inicio.begin() + static_cast<std::ptrdiff_t>(u * dim),
                           c.inicio.begin() + static_cast<std::ptrdiff_t>((u + 1) * dim));
        return w;
    }
    if (k == 0) k = c.unidades > 0 ? static_cast<std::size_t>(c.unidades) : 20;
    const std::size_t n = dados.padroes();
    TSorteioLab s(c.semente);
    std::vector<std::size_t> idx(n);
    std::iota(idx.begin(), idx.end(), std::size_t{0});
    for (std::size_t u = 0; u < k; ++u) std::swap(idx[u], idx[u + s.inteiro(n - u)]);
    for (std::size_t u = 0; u < k; ++u)
        w.emplace_back(dados.padrao(idx[u]), dados.padrao(idx[u]) + dim);
    return w;
}

inline std::int64_t totalDeSinais(const TDadosLab& dados, const TConfiguracaoCompetitiva& c) {
    return c.sinais > 0 ? c.sinais : c.epocas * static_cast<std::int64_t>(dados.padroes());
}

inline bool ligadas(const TArestas& a, std::int32_t i, std::int32_t j) {
    return a.count({std::min(i, j), std::max(i, j)}) > 0;
}

// The result on the final units: weights, edges, winners and the two measures.
inline TResultadoCompetitivo resultado(const TDadosLab& dados, const TUnidades& w,
                                       const TArestas* arestas, std::int64_t sinais) {
    TResultadoCompetitivo r;
    r.dimensao = dados.dimensao;
    for (const auto& u : w) r.pesos.insert(r.pesos.end(), u.begin(), u.end());
    if (arestas)
        for (const auto& [par, idade] : *arestas)
            r.arestas.push_back({par.first, par.second, idade});
    r.sinais = sinais;
    double soma = 0.0;
    std::int64_t separados = 0;
    for (std::size_t p = 0; p < dados.padroes(); ++p) {
        const auto d = distancias(dados.padrao(p), w);
        const std::int32_t s1 = menor(d), s2 = menor(d, s1);
        r.vencedores.push_back(s1);
        soma += std::sqrt(d[static_cast<std::size_t>(s1)]);
        if (arestas && !ligadas(*arestas, s1, s2)) ++separados;
    }
    const auto n = static_cast<double>(dados.padroes());
    r.quantizacao = soma / n;
    if (arestas) r.topografico = static_cast<double>(separados) / n;
    return r;
}

inline TResultadoCompetitivo hcl(const TDadosLab& dados, const TConfiguracaoCompetitiva& c) {
    TUnidades w = unidadesIniciais(dados, c, 0);
    const TAgendaLab eps = c.eps.value_or(TAgendaLab{0.5, 0.005});
    const std::int64_t total = totalDeSinais(dados, c);
    TSinais sinais(dados, c);
    for (std::int64_t t = 0; t < total; ++t) {
        const double* x = sinais.proximo();
        const std::int32_t s1 = menor(distancias(x, w));
        aproxima(w[static_cast<std::size_t>(s1)], x, exponencial(eps, t, total));
    }
    return resultado(dados, w, nullptr, total);
}

inline TResultadoCompetitivo lbg(const TDadosLab& dados, const TConfiguracaoCompetitiva& c) {
    TUnidades w = unidadesIniciais(dados, c, 0);
    const std::size_t n = dados.padroes(), dim = static_cast<std::size_t>(dados.dimensao);
    std::vector<std::int32_t> antes(n, -1), agora(n);
    std::int32_t feitas = 0;
    for (std::int64_t epoca = 0; epoca < c.epocas; ++epoca) {
        for (std::size_t p = 0; p < n; ++p) agora[p] = menor(distancias(dados.padrao(p), w));
        TUnidades soma(w.size(), std::vector<double>(dim, 0.0));
        std::vector<std::int64_t> conta(w.size(), 0);
        for (std::size_t p = 0; p < n; ++p) {
            const auto u = static_cast<std::size_t>(agora[p]);
            for (std::size_t j = 0; j < dim; ++j) soma[u][j] += dados.padrao(p)[j];
            ++conta[u];
        }
        for (std::size_t u = 0; u < w.size(); ++u)
            if (conta[u] > 0)
                for (std::size_t j = 0; j < dim; ++j)
                    w[u][j] = soma[u][j] / static_cast<double>(conta[u]);
        ++feitas;
        if (epoca > 0 && agora == antes) break;
        antes = agora;
    }
    TResultadoCompetitivo r = resultado(dados, w, nullptr, static_cast<std::int64_t>(n) * feitas);
    r.epocasFeitas = feitas;
    return r;
}

// NG, and NG-CHL when `hebb`.
inline TResultadoCompetitivo gas(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                 bool hebb, TEventos* ev = nullptr) {
    TUnidades w = unidadesIniciais(dados, c, 0);
    const TAgendaLab eps = c.eps.value_or(TAgendaLab{0.5, 0.005});
    const std::int64_t total = totalDeSinais(dados, c);
    TSinais sinais(dados, c);
    TArestas arestas;
    for (std::int64_t t = 0; t < total; ++t) {
        const double* x = sinais.proximo();
        const auto d = distancias(x, w);
        std::vector<std::int32_t> fila(w.size());
        std::iota(fila.begin(), fila.end(), 0);
        std::sort(fila.begin(), fila.end(), [&](std::int32_t a, std::int32_t b) {
            const double da = d[static_cast<std::size_t>(a)], db = d[static_cast<std::size_t>(b)];
            return da < db || (da == db && a < b);
        });
        std::vector<std::int64_t> posto(w.size());
        for (std::size_t r = 0; r < fila.size(); ++r)
            posto[static_cast<std::size_t>(fila[r])] = static_cast<std::int64_t>(r);
        const double e = exponencial(eps, t, total), l = exponencial(c.lambdaNg, t, total);
        for (std::size_t i = 0; i < w.size(); ++i)
            aproxima(w[i], x, e * std::exp(-static_cast<double>(posto[i]) / l));
        if (!hebb) continue;
        const std::int32_t s1 = fila[0], s2 = fila[1];
        for (auto& [par, idade] : arestas)
            if (par.first == s1 || par.second == s1) ++idade;
        arestas[{std::min(s1, s2), std::max(s1, s2)}] = 0;
        const double limite = exponencial(c.idade, t, total);
        for (auto it = arestas.begin(); it != arestas.end();)
            if (static_cast<double>(it->second) > limite) {
                it = arestas.erase(it);
                if (ev) ++ev->arestasPorIdade;
            } else {
                ++it;
            }
    }
    return resultado(dados, w, hebb ? &arestas : nullptr, total);
}

inline TResultadoCompetitivo chl(const TDadosLab& dados, const TConfiguracaoCompetitiva& c) {
    const TUnidades w = unidadesIniciais(dados, c, 0);
    const std::int64_t total = totalDeSinais(dados, c);
    TSinais sinais(dados, c);
    TArestas arestas;
    for (std::int64_t t = 0; t < total; ++t) {
        const auto d = distancias(sinais.proximo(), w);
        const std::int32_t s1 = menor(d), s2 = menor(d, s1);
        arestas[{std::min(s1, s2), std::max(s1, s2)}] = 0;
    }
    return resultado(dados, w, &arestas, total);
}

// Growing neural gas, with utility when `utilidade`.
inline TResultadoCompetitivo gng(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                 bool utilidade, TEventos* ev = nullptr) {
    TUnidades w = unidadesIniciais(dados, c, 2);
    std::vector<double> erro(2, 0.0), util(2, 0.0);
    TArestas arestas;
    const std::int64_t total = totalDeSinais(dados, c), lambda = c.lambda.value_or(300);
    TSinais sinais(dados, c);
    const auto vizinhos = [&](std::int32_t u) {
        std::vector<std::int32_t> v;
        for (const auto& [par, idade] : arestas) {
            if (par.first == u) v.push_back(par.second);
            if (par.second == u) v.push_back(par.first);
        }
        std::sort(v.begin(), v.end());
        return v;
    };
    const auto remove = [&](std::int32_t u) {
        w.erase(w.begin() + u);
        erro.erase(erro.begin() + u);
        util.erase(util.begin() + u);
        TArestas novas;
        for (const auto& [par, idade] : arestas) {
            if (par.first == u || par.second == u) continue;
            novas[{par.first - (par.first > u ? 1 : 0), par.second - (par.second > u ? 1 : 0)}] =
                idade;
        }
        arestas = novas;
    };
    const auto removeIsoladas = [&](bool guardaDuas) {
        for (auto u = static_cast<std::int32_t>(w.size()) - 1; u >= 0; --u) {
            if (!vizinhos(u).empty()) continue;
            if (guardaDuas && w.size() <= 2) {
                if (ev) ++ev->isoladasMantidas;
                continue;
            }
            remove(u);
            if (ev) ++ev->unidadesIsoladas;
        }
    };
    for (std::int64_t t = 0; t < total; ++t) {
        const double* x = sinais.proximo();
        // 1.
        const auto d = distancias(x, w);
        const std::int32_t s1 = menor(d), s2 = menor(d, s1);
        const auto i1 = static_cast<std::size_t>(s1), i2 = static_cast<std::size_t>(s2);
        // 2.
        for (auto& [par, idade] : arestas)
            if (par.first == s1 || par.second == s1) ++idade;
        // 3.
        erro[i1] += d[i1];
        if (utilidade) util[i1] += d[i2] - d[i1];
        // 4.
        aproxima(w[i1], x, c.epsB);
        for (const std::int32_t v : vizinhos(s1))
            aproxima(w[static_cast<std::size_t>(v)], x, c.epsN);
        // 5.
        arestas[{std::min(s1, s2), std::max(s1, s2)}] = 0;
        // 6.
        for (auto it = arestas.begin(); it != arestas.end();)
            if (it->second > c.idadeMax) {
                it = arestas.erase(it);
                if (ev) ++ev->arestasPorIdade;
            } else {
                ++it;
            }
        removeIsoladas(false);
        // 7.
        if ((t + 1) % lambda == 0) {
            if (utilidade) {
                std::int32_t u = 0;
                for (std::int32_t i = 1; i < static_cast<std::int32_t>(w.size()); ++i)
                    if (util[static_cast<std::size_t>(i)] < util[static_cast<std::size_t>(u)])
                        u = i;
                const double maxErro = *std::max_element(erro.begin(), erro.end());
                const double uu = util[static_cast<std::size_t>(u)];
                if (uu > 0.0 && maxErro / uu > c.k && w.size() > 2) {
                    remove(u);
                    if (ev) ++ev->remocoesPorUtilidade;
                    removeIsoladas(true);
                }
            }
            if (static_cast<std::int64_t>(w.size()) < c.unidadesMax) {
                std::int32_t q = 0;
                for (std::int32_t i = 1; i < static_cast<std::int32_t>(w.size()); ++i)
                    if (erro[static_cast<std::size_t>(i)] > erro[static_cast<std::size_t>(q)])
                        q = i;
                std::int32_t f = -1;
                for (const std::int32_t v : vizinhos(q))
                    if (f < 0 ||
                        erro[static_cast<std::size_t>(v)] > erro[static_cast<std::size_t>(f)])
                        f = v;
                if (f >= 0) {
                    const auto iq = static_cast<std::size_t>(q), jf = static_cast<std::size_t>(f);
                    const auto r = static_cast<std::int32_t>(w.size());
                    std::vector<double> novo(w[iq].size());
                    for (std::size_t j = 0; j < novo.size(); ++j)
                        novo[j] = 0.5 * (w[iq][j] + w[jf][j]);
                    w.push_back(novo);
                    arestas.erase({std::min(q, f), std::max(q, f)});
                    arestas[{q, r}] = 0;
                    arestas[{f, r}] = 0;
                    erro[iq] = c.alfa * erro[iq];
                    erro[jf] = c.alfa * erro[jf];
                    erro.push_back(erro[iq]);
                    util.push_back((util[iq] + util[jf]) / 2.0);
                    if (ev) ++ev->insercoes;
                }
            }
        }
        // 8.
        for (std::size_t j = 0; j < w.size(); ++j) {
            erro[j] = erro[j] - c.beta * erro[j];
            if (utilidade) util[j] = util[j] - c.beta * util[j];
        }
    }
    return resultado(dados, w, &arestas, total);
}

inline TResultadoCompetitivo gg(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                TEventos* ev = nullptr) {
    TUnidades w = unidadesIniciais(dados, c, 4);  // row-major
    std::int32_t linhas = 2, colunas = 2;
    const std::int64_t lambda = c.lambda.value_or(30);
    TSinais sinais(dados, c);
    const auto move = [&](const double* x, std::int32_t s1, double e) {
        for (std::int32_t i = 0; i < linhas * colunas; ++i) {
            const std::int32_t dist =
                std::abs(i / colunas - s1 / colunas) + std::abs(i % colunas - s1 % colunas);
            const double h =
                std::exp(-static_cast<double>(dist * dist) / (2.0 * c.sigma * c.sigma));
            aproxima(w[static_cast<std::size_t>(i)], x, e * h);
        }
    };
    const auto unidade = [&](std::int32_t r, std::int32_t k) -> std::vector<double>& {
        return w[static_cast<std::size_t>(r * colunas + k)];
    };
    // Growth.
    std::vector<std::int64_t> tau(4, 0);
    std::int64_t desde = 0;
    while (linhas * colunas < c.unidadesMax) {
        const double* x = sinais.proximo();
        const std::int32_t s1 = menor(distancias(x, w));
        ++tau[static_cast<std::size_t>(s1)];
        move(x, s1, c.eps0);
        if (++desde < lambda * linhas * colunas) continue;
        desde = 0;
        std::int32_t q = 0;
        for (std::int32_t i = 1; i < linhas * colunas; ++i)
            if (tau[static_cast<std::size_t>(i)] > tau[static_cast<std::size_t>(q)]) q = i;
        const std::int32_t rq = q / colunas, cq = q % colunas;
        std::int32_t rf = -1, cf = -1;
        double maior = 0.0;
        const std::int32_t passos[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (const auto& p : passos) {
            const std::int32_t r = rq + p[0], k = cq + p[1];
            if (r < 0 || r >= linhas || k < 0 || k >= colunas) continue;
            const double dd = d2(unidade(rq, cq).data(), unidade(r, k));
            if (rf < 0 || dd > maior) {
                rf = r;
                cf = k;
                maior = dd;
            }
        }
        TUnidades novas;
        if (rf == rq) {  // a new column between columns m and m + 1
            const std::int32_t m = std::min(cq, cf);
            for (std::int32_t r = 0; r < linhas; ++r)
                for (std::int32_t k = 0; k < colunas; ++k) {
                    novas.push_back(unidade(r, k));
                    if (k != m) continue;
                    std::vector<double> u(unidade(r, k).size());
                    for (std::size_t j = 0; j < u.size(); ++j)
                        u[j] = 0.5 * (unidade(r, m)[j] + unidade(r, m + 1)[j]);
                    novas.push_back(u);
                }
            if (ev) ++ev->colunasInseridas;
        } else {
            const std::int32_t m = std::min(rq, rf);
            for (std::int32_t r = 0; r < linhas; ++r) {
                for (std::int32_t k = 0; k < colunas; ++k) novas.push_back(unidade(r, k));
                if (r == m)
                    for (std::int32_t k = 0; k < colunas; ++k) {
                        std::vector<double> u(unidade(r, k).size());
                        for (std::size_t j = 0; j < u.size(); ++j)
                            u[j] = 0.5 * (unidade(m, k)[j] + unidade(m + 1, k)[j]);
                        novas.push_back(u);
                    }
            }
            if (ev) ++ev->linhasInseridas;
        }
        w = novas;
        (rf == rq ? colunas : linhas) += 1;
        tau.assign(w.size(), 0);
    }
    // Fine-tuning.
    const TAgendaLab eps = c.eps.value_or(TAgendaLab{0.1, 0.005});
    const std::int64_t ajuste = c.epocasAjuste * static_cast<std::int64_t>(dados.padroes());
    for (std::int64_t t = 0; t < ajuste; ++t) {
        const double* x = sinais.proximo();
        move(x, menor(distancias(x, w)), exponencial(eps, t, ajuste));
    }
    TArestas grade;
    for (std::int32_t i = 0; i < linhas * colunas; ++i) {
        if (i % colunas + 1 < colunas) grade[{i, i + 1}] = 0;
        if (i / colunas + 1 < linhas) grade[{i, i + colunas}] = 0;
    }
    TResultadoCompetitivo r = resultado(dados, w, &grade, sinais.apresentados());
    r.linhas = linhas;
    r.colunas = colunas;
    return r;
}

inline TResultadoCompetitivo treina(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                    TEventos* ev = nullptr) {
    switch (c.modelo) {
        case TModeloCompetitivo::hcl:
            return hcl(dados, c);
        case TModeloCompetitivo::lbg:
            return lbg(dados, c);
        case TModeloCompetitivo::ng:
            return gas(dados, c, false, ev);
        case TModeloCompetitivo::ngchl:
            return gas(dados, c, true, ev);
        case TModeloCompetitivo::chl:
            return chl(dados, c);
        case TModeloCompetitivo::gng:
            return gng(dados, c, false, ev);
        case TModeloCompetitivo::gngu:
            return gng(dados, c, true, ev);
        case TModeloCompetitivo::gg:
            return gg(dados, c, ev);
    }
    return {};
}

}  // namespace referencia

#include "UAnelLab.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

double distancia(const double* a, const double* b, std::int32_t d) {
    double s = 0.0;
    for (std::int32_t k = 0; k < d; ++k) {
        if (std::isnan(a[k]) || std::isnan(b[k])) continue;
        const double e = a[k] - b[k];
        s += e * e;
    }
    return std::sqrt(s);
}

}  // namespace

double comprimentoDoPercurso(const TDadosLab& dados, const std::vector<std::size_t>& ordem) {
    double total = 0.0;
    for (std::size_t i = 0; i < ordem.size(); ++i)
        total += distancia(dados.padrao(ordem[i]), dados.padrao(ordem[(i + 1) % ordem.size()]),
                           dados.dimensao);
    return ordem.size() < 2 ? 0.0 : total;
}

TPercursoLab percursoDoAnel(const TDadosLab& dados, const std::vector<double>& pesos,
                            const std::vector<std::int32_t>& vencedores, std::int32_t unidades) {
    const auto d = static_cast<std::size_t>(dados.dimensao);
    std::vector<std::tuple<std::int32_t, double, std::size_t>> chaves;
    for (std::size_t i = 0; i < dados.padroes() && i < vencedores.size(); ++i) {
        const std::int32_t u = vencedores[i];
        if (u < 0 || u >= unidades) continue;
        const double* antes =
            pesos.data() + static_cast<std::size_t>((u + unidades - 1) % unidades) * d;
        const double* depois = pesos.data() + static_cast<std::size_t>((u + 1) % unidades) * d;
        const double* w = pesos.data() + static_cast<std::size_t>(u) * d;
        const double* x = dados.padrao(i);
        double projecao = 0.0;
        for (std::size_t k = 0; k < d; ++k)
            if (!std::isnan(x[k])) projecao += (x[k] - w[k]) * (depois[k] - antes[k]);
        chaves.emplace_back(u, projecao, i);
    }
    std::sort(chaves.begin(), chaves.end());
    TPercursoLab p;
    for (const auto& c : chaves) p.ordem.push_back(std::get<2>(c));
    p.comprimento = comprimentoDoPercurso(dados, p.ordem);
    return p;
}

TPercursoLab percursoDoVizinhoMaisProximo(const TDadosLab& dados) {
    TPercursoLab p;
    const std::size_t n = dados.padroes();
    if (n == 0) return p;
    std::vector<bool> visitada(n, false);
    std::size_t atual = 0;
    for (std::size_t passo = 0; passo < n; ++passo) {
        visitada[atual] = true;
        p.ordem.push_back(atual);
        std::size_t proxima = n;
        double menor = std::numeric_limits<double>::infinity();
        for (std::size_t j = 0; j < n; ++j) {
            if (visitada[j]) continue;
            const double dj = distancia(dados.padrao(atual), dados.padrao(j), dados.dimensao);
            if (dj < menor) {
                menor = dj;
                proxima = j;
            }
        }
        if (proxima == n) break;
        atual = proxima;
    }
    p.comprimento = comprimentoDoPercurso(dados, p.ordem);
    return p;
}

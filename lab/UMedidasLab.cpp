// The measures of a laboratory map: the quantization and topographic errors, the hits, labels and
// U-matrix, and the result that gathers them.

#include <algorithm>
#include <cmath>
#include <limits>

#include "ULaboratorioInterno.h"

TEpocaLab erros(const std::vector<TMelhores>& melhores, const TMapaLab& mapa) {
    double qe = 0.0;
    std::int64_t contados = 0, separados = 0;
    for (const TMelhores& m : melhores) {
        if (m.c1 < 0) continue;
        qe += std::sqrt(m.d1);
        ++contados;
        if (m.c2 >= 0 && mapa.quatroD2(m.c1, m.c2) > 4) ++separados;
    }
    TEpocaLab e;
    if (contados > 0) {
        e.quantizacao = qe / static_cast<double>(contados);
        e.topografico = static_cast<double>(separados) / static_cast<double>(contados);
    }
    return e;
}

// Hits, labels and U-matrix of a map whose winners are in r.vencedores.
void resumeVencedores(const TDadosLab& dados, const TMapaLab& mapa, TResultadoLab& r) {
    const std::int32_t n = mapa.unidades();
    const std::size_t np = dados.padroes();
    r.acertos.assign(static_cast<std::size_t>(n), 0);
    for (std::size_t i = 0; i < np && i < r.vencedores.size(); ++i)
        if (r.vencedores[i] >= 0 && r.vencedores[i] < n)
            ++r.acertos[static_cast<std::size_t>(r.vencedores[i])];

    // Labels: (unit, label, first pattern) sorted, counted, then each unit's ranked.
    struct TPar {
        std::int32_t unidade, rotulo;
        std::size_t primeiro;
    };
    std::vector<TPar> pares;
    for (std::size_t i = 0; i < np && i < r.vencedores.size(); ++i)
        if (r.vencedores[i] >= 0 && r.vencedores[i] < n && i < dados.rotulo.size() &&
            dados.rotulo[i] >= 0)
            pares.push_back({r.vencedores[i], dados.rotulo[i], i});
    std::stable_sort(pares.begin(), pares.end(), [](const TPar& a, const TPar& b) {
        return a.unidade != b.unidade ? a.unidade < b.unidade : a.rotulo < b.rotulo;
    });
    // Each group's first pair holds its first pattern: the sort kept the patterns' order.
    r.rotulos.assign(static_cast<std::size_t>(n), {});
    std::vector<std::vector<std::size_t>> primeiros(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < pares.size();) {
        std::size_t j = i;
        while (j < pares.size() && pares[j].unidade == pares[i].unidade &&
               pares[j].rotulo == pares[i].rotulo)
            ++j;
        const auto u = static_cast<std::size_t>(pares[i].unidade);
        r.rotulos[u].push_back({pares[i].rotulo, static_cast<std::int64_t>(j - i)});
        primeiros[u].push_back(pares[i].primeiro);
        i = j;
    }
    for (std::size_t u = 0; u < r.rotulos.size(); ++u) {
        auto& lista = r.rotulos[u];
        if (lista.size() < 2) continue;
        std::vector<std::size_t> ordem(lista.size());
        for (std::size_t k = 0; k < ordem.size(); ++k) ordem[k] = k;
        std::sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
            return lista[a].vezes != lista[b].vezes ? lista[a].vezes > lista[b].vezes
                                                    : primeiros[u][a] < primeiros[u][b];
        });
        std::vector<TRotuloUnidade> ordenada;
        for (const std::size_t k : ordem) ordenada.push_back(lista[k]);
        lista = std::move(ordenada);
    }

    r.matrizU.assign(static_cast<std::size_t>(n), 0.0);
    const TGradeLab& grade = mapa.grade();
    for (std::int32_t u = 0; u < n; ++u) {
        const std::vector<std::int32_t> viz = grade.vizinhos(u);
        if (viz.empty()) continue;
        double soma = 0.0;
        for (const std::int32_t v : viz) {
            double s = 0.0;
            for (std::int32_t k = 0; k < mapa.dimensao(); ++k) {
                const double dif = mapa.peso(u, k) - mapa.peso(v, k);
                s += dif * dif;
            }
            soma += std::sqrt(s);
        }
        r.matrizU[static_cast<std::size_t>(u)] = soma / static_cast<double>(viz.size());
    }
}

// Everything measured on a map, as returned to the caller.
void completaResultado(const TDadosLab& dados, const TMapaLab& mapa,
                       const std::vector<TMelhores>& melhores, TResultadoLab& r) {
    r.pesos = mapa.porLinhas();
    const std::size_t np = dados.padroes();
    r.vencedores.assign(np, -1);
    r.segundos.assign(np, -1);
    r.distancias.assign(np, std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < np; ++i) {
        const TMelhores& m = melhores[i];
        if (m.c1 < 0) continue;
        r.vencedores[i] = m.c1;
        r.segundos[i] = m.c2;
        r.distancias[i] = std::sqrt(m.d1);
    }
    const TEpocaLab e = erros(melhores, mapa);
    r.quantizacao = e.quantizacao;
    r.topografico = e.topografico;
    resumeVencedores(dados, mapa, r);
}

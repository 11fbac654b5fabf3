// The clusters of a map's units: small maps worked out by hand, and a random grid against the
// definition done the slow way.

#include <gtest/gtest.h>

#include <cmath>
#include <queue>
#include <random>
#include <string>

#include "UAgrupamento.h"
#include "UGradeLab.h"

namespace {

TMapa grade(std::int32_t linhas, std::int32_t colunas, TTopologiaLab topologia,
            std::int32_t dimensao, std::vector<double> pesos) {
    TGradeLab g;
    g.linhas = linhas;
    g.colunas = colunas;
    g.topologia = topologia;
    return mapaDaGrade(g, dimensao, std::move(pesos));
}

// A graph of one weight per unit, with the given edges.
TMapa grafo(std::vector<double> pesos, const std::vector<std::pair<int, int>>& arestas) {
    TMapa m;
    m.forma = TFormaMapa::grafo;
    m.linhas = 1;
    m.colunas = static_cast<std::int32_t>(pesos.size());
    m.dimensao = 1;
    m.pesos = std::move(pesos);
    m.vizinhos.resize(m.pesos.size());
    for (const auto& [a, b] : arestas) {
        m.vizinhos[static_cast<std::size_t>(a)].push_back(b);
        m.vizinhos[static_cast<std::size_t>(b)].push_back(a);
    }
    for (auto& v : m.vizinhos) std::sort(v.begin(), v.end());
    return m;
}

TEST(Agrupamento, mapasPequenosAMao) {
    struct Caso {
        std::string nome;
        TMapa mapa;
        std::vector<std::pair<std::int32_t, std::int32_t>> juncoes;
        std::vector<double> alturas;
        std::int32_t k;
        std::vector<std::int32_t> grupos;
    };
    const std::vector<Caso> casos{
        // 0 and 2 are alike but not adjacent: 1 joins one of them, the lower pair on the tie.
        {"caminho 0 10 0",
         grafo({0, 10, 0}, {{0, 1}, {1, 2}}),
         {{0, 1}, {0, 2}},
         {10.0, std::sqrt(100.0 / 3)},
         2,
         {0, 0, 1}},
        // Joining neighbours brings the pair nearer to the third: the second join is lower.
        {"caminho 0 1 0",
         grafo({0, 1, 0}, {{0, 1}, {1, 2}}),
         {{0, 1}, {0, 2}},
         {1.0, std::sqrt(1.0 / 3)},
         2,
         {0, 0, 1}},
        // 0 - 3 and 1 - 2 cost the same: the pair with the lower first name goes first.
        {"empate",
         grafo({0, 5, 6, 1}, {{0, 3}, {1, 2}, {2, 3}}),
         {{0, 3}, {1, 2}, {0, 1}},
         {1.0, 1.0, std::sqrt(50.0)},
         3,
         {0, 1, 2, 0}},
        // Every cost 0: the lowest names first, 0 gathering its neighbours in order.
        {"grade igual",
         grade(2, 2, TTopologiaLab::retangular, 1, {5, 5, 5, 5}),
         {{0, 1}, {0, 2}, {0, 3}},
         {0, 0, 0},
         3,
         {0, 0, 1, 2}},
        // A path 0 - 1 - 2 in the plane and a lone unit: 0 and 2, nearest, are not adjacent; the
        // lone unit joins last, without adjacency.
        {"grafo em dois pedacos",
         [] {
             TMapa m = grafo({0, 0, 0, 0}, {{0, 1}, {1, 2}});
             m.dimensao = 2;
             m.pesos = {0, 0, 3, 4, 3, 0, 10, 10};
             return m;
         }(),
         {{1, 2}, {0, 1}, {0, 3}},
         {4.0, std::sqrt(2 * 26.0 / 3), std::sqrt(2 * 0.75 * (8 * 8 + (26.0 / 3) * (26.0 / 3)))},
         2,
         {0, 0, 0, 1}},
        // No edges at all: plain Ward.
        {"sem arestas",
         grafo({0, 10, 1}, {}),
         {{0, 2}, {0, 1}},
         {1.0, std::sqrt(2 * (2.0 / 3) * 9.5 * 9.5)},
         2,
         {0, 1, 0}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        const TAgrupamento g = agrupaUnidades(c.mapa);
        ASSERT_EQ(g.juncoes.size(), c.juncoes.size());
        for (std::size_t j = 0; j < c.juncoes.size(); ++j) {
            EXPECT_EQ(g.juncoes[j].a, c.juncoes[j].first);
            EXPECT_EQ(g.juncoes[j].b, c.juncoes[j].second);
            EXPECT_NEAR(g.alturas[j], c.alturas[j], 1e-12);
        }
        EXPECT_EQ(cortaEm(g, c.k), c.grupos);
        EXPECT_EQ(cortaEm(g, 1), std::vector<std::int32_t>(c.grupos.size(), 0));
    }
}

TEST(Agrupamento, duasMetadesDeUmaGrade) {
    // 2 x 4 grid; the left half (columns 0 and 1) near one value, the right near another. Whichever
    // half is lower, the half holding unit 0 is cluster 0, and the largest rise is before 1.
    for (const double esquerda : {0.0, 10.0}) {
        const double direita = 10.0 - esquerda;
        const TMapa m = grade(2, 4, TTopologiaLab::retangular, 1,
                              {esquerda, esquerda + 0.2, direita, direita + 0.3, esquerda + 0.1,
                               esquerda + 0.3, direita - 0.2, direita + 0.1});
        const TAgrupamento g = agrupaUnidades(m);
        EXPECT_EQ(cortaEm(g, 2), (std::vector<std::int32_t>{0, 0, 1, 1, 0, 0, 1, 1}));
        EXPECT_EQ(kSugerido(g, 7), 2);
    }
}

TEST(Agrupamento, numeroSugerido) {
    struct Caso {
        std::int32_t unidades;
        std::vector<double> alturas;
        std::int32_t maximo, k;
    };
    const std::vector<Caso> casos{
        {6, {1, 1, 1, 5, 6}, 10, 3},    // rises by k: 2 -> 1, 3 -> 4, 4 -> 0, 5 -> 0
        {6, {1, 1, 1, 5, 6}, 2, 2},     // held at maximo
        {6, {1, 2, 3, 4, 5}, 10, 2},    // equal rises: the smallest k
        {6, {1, 4, 3, 3.5, 4}, 10, 5},  // rises 0.5, 0.5, -1, 3
        {2, {3}, 10, 2},
        {1, {}, 10, 1},
        {0, {}, 10, 0},
    };
    for (const Caso& c : casos) {
        TAgrupamento g;
        g.unidades = c.unidades;
        g.alturas = c.alturas;
        EXPECT_EQ(kSugerido(g, c.maximo), c.k) << c.unidades << " unidades, maximo " << c.maximo;
    }
}

TEST(Agrupamento, mapaVazioEUmaUnidade) {
    const TAgrupamento vazio = agrupaUnidades(TMapa{});
    EXPECT_TRUE(vazio.juncoes.empty());
    EXPECT_TRUE(cortaEm(vazio, 3).empty());
    const TAgrupamento um = agrupaUnidades(grafo({7}, {}));
    EXPECT_TRUE(um.alturas.empty());
    EXPECT_EQ(cortaEm(um, 2), std::vector<std::int32_t>{0});
}

// The definition the slow way: every pair of clusters, each mean summed afresh from its units.
std::vector<std::pair<std::int32_t, std::int32_t>> juncoesLentas(const TMapa& m) {
    const auto d = static_cast<std::size_t>(m.dimensao);
    std::vector<std::vector<std::int32_t>> grupos;
    for (std::int32_t u = 0; u < m.unidades(); ++u) grupos.push_back({u});
    auto media = [&](const std::vector<std::int32_t>& g) {
        std::vector<double> s(d, 0.0);
        for (const std::int32_t u : g)
            for (std::size_t k = 0; k < d; ++k)
                s[k] += m.peso(u)[k] / static_cast<double>(g.size());
        return s;
    };
    std::vector<std::pair<std::int32_t, std::int32_t>> juncoes;
    bool adjacentes = true;  // until no two clusters left are
    while (grupos.size() > 1) {
        double melhor = INFINITY;
        std::size_t x = 0, y = 0;
        for (std::size_t i = 0; i < grupos.size(); ++i)
            for (std::size_t j = i + 1; j < grupos.size(); ++j) {
                bool junto = false;
                for (const std::int32_t u : grupos[i])
                    for (const std::int32_t v : grupos[j]) junto = junto || m.adjacentes(u, v);
                if (!junto && adjacentes) continue;
                const auto a = media(grupos[i]), b = media(grupos[j]);
                double s = 0.0;
                for (std::size_t k = 0; k < d; ++k) s += (a[k] - b[k]) * (a[k] - b[k]);
                const double ni = static_cast<double>(grupos[i].size());
                const double nj = static_cast<double>(grupos[j].size());
                if (ni * nj / (ni + nj) * s < melhor) {
                    melhor = ni * nj / (ni + nj) * s;
                    x = i;
                    y = j;
                }
            }
        if (x == y) {
            adjacentes = false;
            continue;
        }
        juncoes.emplace_back(grupos[x].front(), grupos[y].front());
        grupos[x].insert(grupos[x].end(), grupos[y].begin(), grupos[y].end());
        std::sort(grupos[x].begin(), grupos[x].end());
        grupos.erase(grupos.begin() + static_cast<std::ptrdiff_t>(y));
    }
    return juncoes;
}

// At every k: k clusters, numbered in the order of their first units, each connected.
void checaPedacos(const TMapa& m, const TAgrupamento& g, std::int32_t pecas) {
    const std::int32_t n = m.unidades();
    for (std::int32_t k = 1; k <= n; ++k) {
        SCOPED_TRACE(k);
        const std::vector<std::int32_t> grupo = cortaEm(g, k);
        std::int32_t proximo = 0;
        for (const std::int32_t c : grupo) {
            ASSERT_LE(c, proximo);
            if (c == proximo) ++proximo;
        }
        EXPECT_EQ(proximo, k);
        // A walk within the cluster from its first unit must reach all of it, once there are
        // no fewer clusters than pieces of the map.
        if (k < pecas) continue;
        std::vector<char> visto(static_cast<std::size_t>(n), 0);
        std::vector<char> andado(static_cast<std::size_t>(k), 0);
        for (std::int32_t inicio = 0; inicio < n; ++inicio) {
            if (visto[static_cast<std::size_t>(inicio)]) continue;
            auto& ja = andado[static_cast<std::size_t>(grupo[static_cast<std::size_t>(inicio)])];
            ASSERT_FALSE(ja) << "grupo " << grupo[static_cast<std::size_t>(inicio)] << " partido";
            ja = 1;
            std::queue<std::int32_t> fila;
            fila.push(inicio);
            visto[static_cast<std::size_t>(inicio)] = 1;
            while (!fila.empty()) {
                const std::int32_t u = fila.front();
                fila.pop();
                for (const std::int32_t v : m.vizinhos[static_cast<std::size_t>(u)])
                    if (!visto[static_cast<std::size_t>(v)] &&
                        grupo[static_cast<std::size_t>(v)] == grupo[static_cast<std::size_t>(u)]) {
                        visto[static_cast<std::size_t>(v)] = 1;
                        fila.push(v);
                    }
            }
        }
    }
}

TEST(Agrupamento, mapasAleatorios) {
    // Random weights, from one fixed sequence, on a 6 x 7 hexagonal grid (three attributes) and on
    // a graph of 40 units (two attributes) in five paths of eight, joined at the end without
    // adjacency.
    std::mt19937 gerador(20261208);
    auto aleatorios = [&](std::size_t quantos) {
        std::vector<double> v(quantos);
        for (double& p : v) p = static_cast<double>(gerador()) / 4294967296.0;
        return v;
    };
    std::vector<std::pair<int, int>> arestas;
    for (int u = 0; u + 1 < 40; ++u)
        if ((u + 1) % 8 != 0) arestas.emplace_back(u, u + 1);
    TMapa pedacos = grafo(std::vector<double>(40), arestas);
    pedacos.dimensao = 2;
    pedacos.pesos = aleatorios(80);
    struct Caso {
        TMapa mapa;
        std::int32_t pecas;
    };
    const std::vector<Caso> casos{
        {grade(6, 7, TTopologiaLab::hexagonal, 3, aleatorios(6 * 7 * 3)), 1},
        {pedacos, 5},
    };
    for (const Caso& c : casos) {
        const TMapa& m = c.mapa;
        SCOPED_TRACE(m.unidades());
        const TAgrupamento g = agrupaUnidades(m);
        const auto lentas = juncoesLentas(m);
        ASSERT_EQ(g.juncoes.size(), lentas.size());
        for (std::size_t j = 0; j < lentas.size(); ++j) {
            EXPECT_EQ(g.juncoes[j].a, lentas[j].first) << "juncao " << j;
            EXPECT_EQ(g.juncoes[j].b, lentas[j].second) << "juncao " << j;
        }
        checaPedacos(m, g, c.pecas);
    }
}

}  // namespace

// The measures every map shares, on a hexagonal torus (its adjacency the laboratory grid's) and on
// a small graph, with answers worked out by hand.

#include <gtest/gtest.h>

#include <cmath>

#include "UGradeLab.h"
#include "UMedidas.h"

namespace {

// 2 x 4 hexagonal torus, one weight per unit: row 0 holds 0 1 2 3, row 1 (half a unit to the
// right) 10 11 12 13. Unit 0 touches 1 and 3 across the seam in its row, and 4 and 7 in row 1;
// unit 4 touches 5 and 7, and 0 and 1 above it; unit 3 touches 6 and 7 below, not 4.
TMapa toro() {
    TGradeLab g;
    g.linhas = 2;
    g.colunas = 4;
    g.topologia = TTopologiaLab::hexagonal;
    g.toroidal = true;
    return mapaDaGrade(g, 1, {0, 1, 2, 3, 10, 11, 12, 13});
}

// A path 0 - 1 - 2 and a lone unit 3, in the plane: (0, 0), (3, 4), (3, 0), (10, 10).
TMapa grafo() {
    TMapa m;
    m.forma = TFormaMapa::grafo;
    m.linhas = 1;
    m.colunas = 4;
    m.dimensao = 2;
    m.pesos = {0, 0, 3, 4, 3, 0, 10, 10};
    m.vizinhos = {{1}, {0, 2}, {1}, {}};
    return m;
}

TEST(Medidas, matrizUNoToroENoGrafo) {
    const TMapa t = toro();
    EXPECT_EQ(t.vizinhos[0], (std::vector<std::int32_t>{1, 3, 4, 7}));
    const std::vector<double> u = matrizU<double>(t);
    EXPECT_DOUBLE_EQ(u[0], (1 + 3 + 10 + 13) / 4.0);
    EXPECT_DOUBLE_EQ(u[4], (10 + 9 + 1 + 3) / 4.0);
    EXPECT_EQ(matrizU<long double>(t), u);  // small whole numbers: the sums agree exactly

    const std::vector<double> g = matrizU<double>(grafo());
    EXPECT_EQ(g, (std::vector<double>{5.0, (5.0 + 4.0) / 2, 4.0, 0.0}));
}

TEST(Medidas, errosPelaBuscaEPelosVencedores) {
    // On the torus: 0,5 is won by unit 0 (its second, unit 1, adjacent); 6,6 by unit 4 at 3,4,
    // its second unit 3 at 3,6, and 3 and 4 are not adjacent.
    const std::vector<double> xs{0.5, 6.6};
    const std::optional<TErros> e = medeErros(toro(), {&xs[0], &xs[1]});
    ASSERT_TRUE(e);
    EXPECT_DOUBLE_EQ(e->quantizacao, (0.5 + (10.0 - 6.6)) / 2);
    EXPECT_DOUBLE_EQ(e->topografico, 0.5);

    // On the graph: (1, 0) is won by 0, second 2, not joined; (3, 3) by 1, second 2, joined; a
    // pattern given as null counts in the mean without being measured.
    const double a[] = {1, 0}, b[] = {3, 3};
    const std::optional<TErros> g = medeErros(grafo(), {a, b, nullptr, nullptr});
    ASSERT_TRUE(g);
    EXPECT_DOUBLE_EQ(g->quantizacao, (1.0 + 1.0) / 4);
    EXPECT_DOUBLE_EQ(g->topografico, 1.0 / 4);

    // A stop abandons the measure.
    EXPECT_FALSE(medeErros(grafo(), {a, b}, [] { return true; }));

    TSomaErros<double> soma;
    soma.acrescenta(1.0, true);
    soma.acrescenta(2.0, false);
    EXPECT_DOUBLE_EQ(soma.media(2).quantizacao, 1.5);
    EXPECT_DOUBLE_EQ(soma.media(2).topografico, 0.5);
    EXPECT_EQ(soma.media(0).quantizacao, 0.0);
}

TEST(Medidas, acertosERotulosPorUnidade) {
    // Unit 1 wins labels 2, 0, 2, 0, 1: 2 and 0 tie at two and 2 came first.
    const std::vector<std::int32_t> vencedor{1, 1, 0, 1, 1, -1, 1, 7};
    const std::vector<std::int32_t> rotulo{2, 0, 1, 2, 0, 1, 1, 0};
    EXPECT_EQ(acertos(3, vencedor), (std::vector<std::int64_t>{1, 5, 0}));
    const auto r = rotulosPorUnidade(3, vencedor, rotulo);
    using P = std::pair<std::int32_t, std::int64_t>;
    EXPECT_EQ(r[0], (std::vector<P>{{1, 1}}));
    EXPECT_EQ(r[1], (std::vector<P>{{2, 2}, {0, 2}, {1, 1}}));
    EXPECT_TRUE(r[2].empty());
}

TEST(Medidas, erroEMediaPorUnidade) {
    // On the graph (units at (0, 0), (3, 4), (3, 0), (10, 10)): unit 0 wins (0, 0) and (4, 3),
    // unit 2 wins (3, 2); units 1 and 3 win nothing; a pattern without a winner, one outside the
    // map and a null one are left out.
    const double p0[] = {0, 0}, p1[] = {4, 3}, p2[] = {3, 2}, p3[] = {1, 1}, p4[] = {9, 9};
    const std::vector<const double*> padroes{p0, p1, p2, p3, p4, nullptr};
    const std::vector<std::int32_t> vencedor{0, 0, 2, -1, 9, 2};
    const std::vector<double> e = erroPorUnidade(grafo(), padroes, vencedor);
    ASSERT_EQ(e.size(), 4u);
    EXPECT_DOUBLE_EQ(e[0], (0.0 + 5.0) / 2);
    EXPECT_TRUE(std::isnan(e[1]));
    EXPECT_DOUBLE_EQ(e[2], 2.0);
    EXPECT_TRUE(std::isnan(e[3]));

    // One column: unit 0 averages 2 and 6; unit 2 has a missing value and 8 (the last pattern,
    // null above, has a value here); units 1 and 3 won nothing.
    const double falta = std::nan("");
    const std::vector<double> valor{2, 6, falta, 100, 100, 8};
    const std::vector<double> m = mediaPorUnidade(4, vencedor, valor);
    ASSERT_EQ(m.size(), 4u);
    EXPECT_DOUBLE_EQ(m[0], 4.0);
    EXPECT_TRUE(std::isnan(m[1]));
    EXPECT_DOUBLE_EQ(m[2], 8.0);
    EXPECT_TRUE(std::isnan(m[3]));
}

}  // namespace

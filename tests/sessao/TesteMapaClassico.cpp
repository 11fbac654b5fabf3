// The classic map's measures on small maps whose answers are computed by hand.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "UCurvaErros.h"
#include "UMapaClassico.h"
#include "URede.h"

namespace {

// A map of the given size and neighbourhood whose neurons have the given weights.
TRede mapa(std::int32_t linhas, std::int32_t colunas, const char* vizinhanca,
           const std::vector<std::vector<double>>& pesos) {
    TRede r;
    r.qtdLinhas = linhas;
    r.qtdColunas = colunas;
    r.dimensao = static_cast<std::int32_t>(pesos[0].size());
    TGeradorAleatorio g(1);
    r.inicializaNeuronios(g, vizinhanca);
    for (std::int32_t a = 0; a < linhas * colunas; ++a)
        for (std::int32_t k = 0; k < r.dimensao; ++k)
            r.neuronio(a / colunas, a % colunas)
                .setPeso(k, pesos[static_cast<std::size_t>(a)][static_cast<std::size_t>(k)]);
    return r;
}

TPadroes padroes(const std::vector<std::vector<double>>& valores) {
    TPadroes ps;
    for (const auto& v : valores) {
        TPadraoEntrada p;
        for (double x : v) p.adicionaValor(x);
        ps.push_back(p);
    }
    return ps;
}

TEST(Analise, matrizUSegueAVizinhancaDoMapa) {
    // 2 x 3, one weight each:  0 1 3 / 4 6 10.
    const std::vector<std::vector<double>> w = {{0}, {1}, {3}, {4}, {6}, {10}};
    struct Caso {
        const char* vizinhanca;
        std::vector<double> esperado;
    };
    const Caso casos[] = {
        // GRID: every neighbour of the square around, diagonals included.
        {"GRID",
         {(1 + 4 + 6) / 3.0, (1 + 2 + 3 + 5 + 9) / 5.0, (2 + 3 + 7) / 3.0, (4 + 3 + 2) / 3.0,
          (6 + 5 + 3 + 2 + 4) / 5.0, (7 + 9 + 4) / 3.0}},
        // MANHATTAN: only the neighbours along a row or a column.
        {"MANHATTAN",
         {(1 + 4) / 2.0, (1 + 2 + 5) / 3.0, (2 + 7) / 2.0, (4 + 2) / 2.0, (5 + 2 + 4) / 3.0,
          (7 + 4) / 2.0}},
    };
    for (const Caso& c : casos) {
        const TRede r = mapa(2, 3, c.vizinhanca, w);
        const std::vector<double> u = matrizU(r.pesosDoMapa(), 6, 1, r.matrizDistancias);
        for (std::size_t a = 0; a < 6; ++a)
            EXPECT_DOUBLE_EQ(u[a], c.esperado[a]) << c.vizinhanca << " neurônio " << a;
    }
    // Euclidean in more dimensions; a lone neuron has no neighbour.
    const TRede dois = mapa(1, 2, "GRID", {{0, 0}, {3, 4}});
    EXPECT_DOUBLE_EQ(matrizU(dois.pesosDoMapa(), 2, 2, dois.matrizDistancias)[0], 5.0);
    const TRede um = mapa(1, 1, "GRID", {{7}});
    EXPECT_EQ(matrizU(um.pesosDoMapa(), 1, 1, um.matrizDistancias)[0], 0.0);
}

TEST(Analise, rotuloMajoritarioEmpateFicaComOPrimeiroAglutinado) {
    TNeuronio n;
    for (const char* r : {"b", "a", "a", "b", "c", ""}) n.adicionaPadrao(r);
    const std::vector<TContagemRotulo> c = contaRotulos(n);
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].rotulo, "b");
    EXPECT_EQ(c[0].vezes, 2);
    EXPECT_EQ(c[1].rotulo, "a");
    EXPECT_EQ(c[2].rotulo, "c");
    EXPECT_EQ(c[3].rotulo, "");
    EXPECT_TRUE(contaRotulos(TNeuronio()).empty());
}

TEST(Analise, legendaNaOrdemEmQueOsRotulosAparecem) {
    TPadroes ps;
    for (const char* r : {"b", "a", "b", "", "a"}) {
        TPadraoEntrada p;
        p.setRotulo(r);
        ps.push_back(p);
    }
    const std::optional<TRotulosDosPadroes> r = rotulosDosPadroes(ps);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->legenda, (std::vector<std::string>{"b", "a", ""}));
    EXPECT_EQ(r->indice, (std::vector<std::int32_t>{0, 1, 0, 2, 1}));
}

// Weights and patterns near the double's limit, where a squared distance overflows a double:
// every measure stays finite (and exact where it fits).
TEST(Analise, valoresNoLimiteDoDoubleDaoMedidasFinitas) {
    const TRede r = mapa(1, 2, "GRID", {{1e300, -1e300, 0}, {-DBL_MAX, DBL_MAX, 1}});
    const TPadroes ps = padroes({{DBL_MAX, -DBL_MAX, 0}, {1e300, -1e300, 0}});
    const TErros e = medeErros(r.pesosDoMapa(), 2, 3, ps, r.matrizDistancias);
    // The first pattern is nearer the first neuron, at sqrt(2) (DBL_MAX - 1e300); the second is it.
    const long double perto = std::sqrt(2.0L) * (static_cast<long double>(DBL_MAX) - 1e300L);
    EXPECT_DOUBLE_EQ(e.quantizacao, static_cast<double>(perto / 2));
    EXPECT_EQ(e.topografico, 0.0);
    // The two neurons lie farther apart than the largest double: the distance is held at it.
    EXPECT_EQ(matrizU(r.pesosDoMapa(), 2, 3, r.matrizDistancias)[0], DBL_MAX);
    std::vector<const double*> pontos{ps[0].dados(), ps[1].dados()};
    const std::vector<double> w = r.pesosDoMapa();
    pontos.push_back(w.data() + 3);
    const TProjecao proj = *projecaoPrincipal(pontos, 3);
    double norma = 0;
    for (double c : proj.eixo1) norma += c * c;
    EXPECT_NEAR(norma, 1.0, 1e-9);  // a real axis, not one lost to an overflow
    for (const double* x : pontos) {
        double a = 0, b = 0;
        proj.projeta(x, a, b);
        EXPECT_TRUE(std::isfinite(a) && std::isfinite(b));
    }
}

TEST(Analise, errosDeQuantizacaoETopografico) {
    // A 1 x 3 map along a line, weights 0, 5 and 1: neurons 0 and 2 lie two steps apart on the map
    // although they are the nearest in the input space.
    const TRede r = mapa(1, 3, "GRID", {{0}, {5}, {1}});
    // 0,4: best 0 (0,4), second 2 (0,6): not adjacent. 4: best 5 (1), second 1 (3): adjacent.
    // 5: best 5 (0), second 1 (4): adjacent. 0,5: tie between 0 and 2, the lower index wins;
    // second 2, not adjacent.
    const TPadroes ps = padroes({{0.4}, {4}, {5}, {0.5}});
    const TErros e = medeErros(r.pesosDoMapa(), 3, 1, ps, r.matrizDistancias);
    EXPECT_DOUBLE_EQ(e.quantizacao, (0.4 + 1 + 0 + 0.5) / 4);
    EXPECT_DOUBLE_EQ(e.topografico, 0.5);
    // No pattern, no error; one neuron, no topographic error.
    EXPECT_EQ(medeErros(r.pesosDoMapa(), 3, 1, {}, r.matrizDistancias).quantizacao, 0.0);
    const TRede um = mapa(1, 1, "GRID", {{0}});
    EXPECT_EQ(medeErros(um.pesosDoMapa(), 1, 1, ps, um.matrizDistancias).topografico, 0.0);
    // In 20 dimensions, where the distance is summed in blocks: 3-4-5 triangles.
    std::vector<double> longe(20, 0.0), perto(20, 0.0), x(20, 0.0);
    longe[0] = 30;
    perto[19] = 3;
    x[0] = 0;
    const TRede vinte = mapa(1, 2, "GRID", {longe, perto});
    std::vector<double> y(20, 0.0);
    y[18] = 4;
    const TErros e20 = medeErros(vinte.pesosDoMapa(), 2, 20, padroes({y}), vinte.matrizDistancias);
    EXPECT_DOUBLE_EQ(e20.quantizacao, 5.0);
}

TEST(Analise, curvaComAteDuzentosPontosOUltimoSempre) {
    EXPECT_EQ(pontosDaCurva(10000, 150, 168, 4), 200);
    EXPECT_EQ(pontosDaCurva(3, 24, 20, 3), 3);
    EXPECT_EQ(pontosDaCurva(13, 20000, 168, 64), 1);  // a measure costs as much as a cycle
    int marcados = 0;
    for (std::int64_t c = 1; c <= 10000; ++c) marcados += cicloDaCurva(c, 10000, 200) ? 1 : 0;
    EXPECT_EQ(marcados, 200);
    EXPECT_TRUE(cicloDaCurva(10000, 10000, 200));
    EXPECT_TRUE(cicloDaCurva(50, 10000, 200));
    EXPECT_FALSE(cicloDaCurva(51, 10000, 200));
    EXPECT_TRUE(cicloDaCurva(13, 13, 1));
    EXPECT_FALSE(cicloDaCurva(12, 13, 1));
}

TEST(Analise, projecaoNosEixosPrincipais) {
    // Points along the line y = 2x in three dimensions, with a little spread along z that is
    // uncorrelated with it.
    std::vector<std::vector<double>> pts;
    for (int i = -5; i <= 5; ++i) pts.push_back({1.0 * i, 2.0 * i, i % 2 == 0 ? 0.1 : -0.1});
    std::vector<const double*> ptr;
    for (const auto& p : pts) ptr.push_back(p.data());
    const TProjecao proj = *projecaoPrincipal(ptr, 3);
    EXPECT_NEAR(std::fabs(proj.eixo1[0]), 1 / std::sqrt(5.0), 1e-6);
    EXPECT_NEAR(std::fabs(proj.eixo1[1]), 2 / std::sqrt(5.0), 1e-6);
    EXPECT_NEAR(std::fabs(proj.eixo2[2]), 1.0, 1e-6);
    // Two dimensions are drawn as they are.
    const TProjecao plano = *projecaoPrincipal(ptr, 2);
    double a = 0, b = 0;
    plano.projeta(pts[0].data(), a, b);
    EXPECT_EQ(a, -5.0);
    EXPECT_EQ(b, -10.0);
}

}  // namespace

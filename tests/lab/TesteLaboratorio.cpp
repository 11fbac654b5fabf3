#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "../comum/Buscas.h"
#include "UAnelLab.h"
#include "UBusca.h"
#include "UErros.h"
#include "ULaboratorio.h"
#include "ULaboratorioInterno.h"

namespace {

// Grid distances from the units' places on the plane, wrapping by trying every copy.
double distancia2Plana(const TGradeLab& g, std::int32_t a, std::int32_t b) {
    const double passoX = g.colunas,
                 passoY = g.hexagonal() ? g.linhas * std::sqrt(3.0) / 2.0 : g.linhas;
    double xa = 0, ya = 0, xb = 0, yb = 0;
    g.posicao(a, xa, ya);
    g.posicao(b, xb, yb);
    double melhor = std::numeric_limits<double>::infinity();
    const int voltas = g.toroidal ? 1 : 0;
    for (int i = -voltas; i <= voltas; ++i)
        for (int j = -voltas; j <= voltas; ++j) {
            const double dx = xa - xb + i * passoX, dy = ya - yb + j * passoY;
            melhor = std::min(melhor, dx * dx + dy * dy);
        }
    return melhor;
}

// The plain loops: every distance a direct sum over the values present, every unit visited.
std::int32_t vencedorDireto(const std::vector<double>& w, std::int32_t n, std::int32_t d,
                            const double* x) {
    std::int32_t melhor = -1;
    double menor = 0;
    for (std::int32_t u = 0; u < n; ++u) {
        double s = 0;
        for (std::int32_t k = 0; k < d; ++k) {
            if (std::isnan(x[k])) continue;
            const double e = x[k] - w[static_cast<std::size_t>(u) * static_cast<std::size_t>(d) +
                                      static_cast<std::size_t>(k)];
            s += e * e;
        }
        if (melhor < 0 || s < menor) {
            melhor = u;
            menor = s;
        }
    }
    return melhor;
}

bool vazio(const double* x, std::int32_t d) {
    for (std::int32_t k = 0; k < d; ++k)
        if (!std::isnan(x[k])) return false;
    return true;
}

std::vector<double> referencia(const TDadosLab& dados, const TConfiguracaoLab& c) {
    const std::int32_t n = c.grade.unidades(), d = dados.dimensao;
    std::vector<double> w = pesosIniciaisLab(dados, c);
    const std::size_t np = dados.padroes();
    std::size_t validos = 0;
    for (std::size_t i = 0; i < np; ++i) validos += vazio(dados.padrao(i), d) ? 0u : 1u;
    const auto h = [&](std::int32_t a, std::int32_t b, double sigma) {
        return vizinhancaLab(c.vizinhanca, c.grade.distancia2(a, b), sigma);
    };
    if (c.modo == TModoLab::online) {
        TSorteioLab sorteio(c.semente ^ 0x6F6E6C696E65ull);
        std::vector<std::size_t> ordem(np);
        for (std::size_t i = 0; i < np; ++i) ordem[i] = i;
        std::int64_t s = 0;
        for (std::int32_t e = 0; e < c.epocas; ++e) {
            if (c.ordem == TOrdemLab::embaralhada)
                for (std::size_t i = np; i > 1; --i)
                    std::swap(ordem[i - 1], ordem[sorteio.inteiro(i)]);
            for (const std::size_t p : ordem) {
                const double* x = dados.padrao(p);
                if (vazio(x, d)) continue;
                const double f = static_cast<double>(s) /
                                 (static_cast<double>(c.epocas) * static_cast<double>(validos));
                const double sigma = c.raio.valor(f, c.decaimento),
                             alfa = c.taxa.valor(f, c.decaimento);
                const std::int32_t v = vencedorDireto(w, n, d, x);
                for (std::int32_t u = 0; u < n; ++u) {
                    const double hu = h(v, u, sigma);
                    if (!(hu > 0)) continue;
                    for (std::int32_t k = 0; k < d; ++k) {
                        if (std::isnan(x[k])) continue;
                        double& wk = w[static_cast<std::size_t>(u) * static_cast<std::size_t>(d) +
                                       static_cast<std::size_t>(k)];
                        wk = wk + (alfa * hu) * (x[k] - wk);
                    }
                }
                ++s;
            }
        }
        return w;
    }
    for (std::int32_t e = 0; e < c.epocas; ++e) {
        const double sigma = c.raio.valor(static_cast<double>(e) / c.epocas, c.decaimento);
        std::vector<std::int32_t> venc(np);
        for (std::size_t i = 0; i < np; ++i)
            venc[i] = vazio(dados.padrao(i), d) ? -1 : vencedorDireto(w, n, d, dados.padrao(i));
        std::vector<double> novo = w;
        for (std::int32_t u = 0; u < n; ++u)
            for (std::int32_t k = 0; k < d; ++k) {
                double num = 0, den = 0;
                for (std::size_t i = 0; i < np; ++i) {
                    const double xk = dados.padrao(i)[k];
                    if (venc[i] < 0 || std::isnan(xk)) continue;
                    num += h(venc[i], u, sigma) * xk;
                    den += h(venc[i], u, sigma);
                }
                if (den > 0)
                    novo[static_cast<std::size_t>(u) * static_cast<std::size_t>(d) +
                         static_cast<std::size_t>(k)] = num / den;
            }
        w = novo;
    }
    return w;
}

TDadosLab dadosAleatorios(std::uint64_t semente, std::size_t padroes, std::int32_t d,
                          bool ausentes) {
    TSorteioLab s(semente);
    TDadosLab dados;
    dados.dimensao = d;
    dados.legenda = {"a", "b", "c"};
    for (std::size_t i = 0; i < padroes; ++i) {
        const double centro = static_cast<double>(s.inteiro(3));
        for (std::int32_t k = 0; k < d; ++k)
            dados.valores.push_back(ausentes && s.inteiro(7) == 0
                                        ? std::numeric_limits<double>::quiet_NaN()
                                        : centro + s.uniforme());
        dados.rotulo.push_back(static_cast<std::int32_t>(centro));
    }
    return dados;
}

TEST(GradeLab, distanciasNoPlanoHexagonalEToroidal) {
    struct Caso {
        TGradeLab grade;
        std::int32_t a, b;
        std::int64_t quatroD2;
    };
    const TGradeLab hex{4, 5, TTopologiaLab::hexagonal, false};
    const TGradeLab hexToro{4, 5, TTopologiaLab::hexagonal, true};
    const TGradeLab retToro{3, 5, TTopologiaLab::retangular, true};
    const Caso casos[] = {
        {hex, 0, 1, 4},       // same row
        {hex, 0, 5, 4},       // row 1 sits half a unit right: (0.5, 0.866) from (0, 0)
        {hex, 1, 5, 4},       // and (1, 0) is its other upper neighbour
        {hex, 0, 6, 12},      // (1.5, 0.866): d^2 = 3
        {hex, 0, 10, 12},     // two rows up, same column: d^2 = 3
        {hex, 0, 19, 108},    // (4.5, 3 sqrt(3)/2): 9 halves and 3 rows, 81 + 27
        {hexToro, 0, 4, 4},   // across the side seam
        {hexToro, 0, 15, 4},  // row 3 (odd) col 0 is below-right of (0, 0) across the top seam
        {hexToro, 0, 19, 4},  // row 3 col 4 sits at x = 4.5, half a unit left of x = 5 = 0
        {retToro, 0, 4, 4},   // across the side seam
        {retToro, 0, 14, 8},  // the opposite corner is a diagonal step away
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(c.grade.quatroD2(c.a, c.b), c.quatroD2) << c.a << "-" << c.b;
        EXPECT_NEAR(c.grade.distancia2(c.a, c.b), distancia2Plana(c.grade, c.a, c.b), 1e-12);
    }
    // Every pair, against the plane, and the neighbour lists.
    for (const TGradeLab& g :
         {hex, hexToro, retToro, TGradeLab{6, 2, TTopologiaLab::hexagonal, true}}) {
        for (std::int32_t a = 0; a < g.unidades(); ++a) {
            std::vector<std::int32_t> adj;
            for (std::int32_t b = 0; b < g.unidades(); ++b) {
                EXPECT_NEAR(g.distancia2(a, b), distancia2Plana(g, a, b), 1e-9) << a << "-" << b;
                if (g.adjacentes(a, b)) adj.push_back(b);
            }
            EXPECT_EQ(g.vizinhos(a), adj);
        }
    }
    EXPECT_EQ(hexToro.vizinhos(7).size(), 6u);
    EXPECT_FALSE(validaGrade({5, 4, TTopologiaLab::hexagonal, true}).empty());
}

TEST(TreinoLab, motorRapidoIgualAosLacosSimples) {
    const std::vector<std::string> kernels = {"escalar", "avx2", "avx512"};
    int casos = 0;
    for (const TTopologiaLab topo : {TTopologiaLab::retangular, TTopologiaLab::hexagonal})
        for (const bool toro : {false, true})
            for (const TVizinhancaLab viz : {TVizinhancaLab::bolha, TVizinhancaLab::gaussiana})
                for (const TModoLab modo : {TModoLab::online, TModoLab::lote}) {
                    const int i = casos++;
                    ASSERT_EQ(defineBusca(buscaOuAbaixo(kernels[static_cast<std::size_t>(i) % 3])),
                              "");
                    // Sizes that leave vector tails, a dimension past one vector, missing values,
                    // file order, and fewer patterns than units (repeated units: exact ties).
                    const std::int32_t d = 3 + (i * 5) % 19;
                    const TDadosLab dados = dadosAleatorios(
                        static_cast<std::uint64_t>(i) + 7,
                        i % 4 == 2 ? 8 : 40 + static_cast<std::size_t>(i), d, i % 4 == 1);
                    TConfiguracaoLab c;
                    c.grade = {4, 3 + i % 4, topo, toro};
                    c.vizinhanca = viz;
                    c.modo = modo;
                    c.epocas = 6;
                    // A wide Gaussian in batch makes the units near copies of each other, whose
                    // order a different rounding of the sums could swap: a narrower radius there.
                    c.raio = {modo == TModoLab::lote ? 1.5 : 2.5, i % 3 == 0 ? 0.0 : 0.5};
                    c.taxa = {0.5, 0.02};
                    c.decaimento = i % 5 == 2 && c.raio.final > 0 ? TDecaimentoLab::exponencial
                                                                  : TDecaimentoLab::linear;
                    c.ordem = i % 3 == 1 ? TOrdemLab::arquivo : TOrdemLab::embaralhada;
                    c.inicio = i % 2 == 0 ? TInicioLab::amostras : TInicioLab::aleatorio;
                    c.semente = static_cast<std::uint64_t>(i);
                    const std::vector<double> esperado = referencia(dados, c);
                    for (const int threads : {1, 2}) {
                        c.threads = threads;
                        const TResultadoLab r = treinaLab(dados, c);
                        ASSERT_EQ(r.pesos.size(), esperado.size());
                        // Online the fast engine does the very operations of the loops; batch sums
                        // per winner first, in another order.
                        for (std::size_t k = 0; k < esperado.size(); ++k)
                            if (modo == TModoLab::online)
                                ASSERT_EQ(r.pesos[k], esperado[k]) << "caso " << i << " peso " << k;
                            else
                                ASSERT_NEAR(r.pesos[k], esperado[k],
                                            1e-12 * std::max(1.0, std::abs(esperado[k])))
                                    << "caso " << i << " threads " << threads << " peso " << k;
                        for (std::size_t p = 0; p < dados.padroes(); ++p)
                            ASSERT_EQ(r.vencedores[p],
                                      vazio(dados.padrao(p), d)
                                          ? -1
                                          : vencedorDireto(esperado, c.grade.unidades(), d,
                                                           dados.padrao(p)));
                        EXPECT_EQ(r.curva.size(), 6u);
                    }
                }
    defineBusca("");
}

// Batch training splits the search into blocks of 1024 patterns and the smoothing into blocks of
// 64 units: with more of both, two threads must give the very bits of one.
TEST(TreinoLab, loteComDuasThreadsIgualAUmaBitABit) {
    struct Caso {
        TGradeLab grade;
        bool ausentes;
    };
    const Caso casos[] = {
        {{9, 8, TTopologiaLab::retangular, false}, false},
        {{10, 8, TTopologiaLab::hexagonal, true}, true},
    };
    for (const Caso& caso : casos) {
        const TDadosLab dados = dadosAleatorios(11, 2500, 4, caso.ausentes);
        TConfiguracaoLab c;
        c.grade = caso.grade;
        c.modo = TModoLab::lote;
        c.epocas = 4;
        c.raio = {3.0, 0.5};
        c.threads = 1;
        const TResultadoLab um = treinaLab(dados, c);
        c.threads = 2;
        const TResultadoLab dois = treinaLab(dados, c);
        ASSERT_EQ(dois.threads, 2);
        ASSERT_EQ(um.pesos.size(), dois.pesos.size());
        EXPECT_EQ(std::memcmp(um.pesos.data(), dois.pesos.data(), um.pesos.size() * sizeof(double)),
                  0)
            << "ausentes " << caso.ausentes;
        EXPECT_EQ(um.vencedores, dois.vencedores);
        ASSERT_EQ(um.curva.size(), dois.curva.size());
        for (std::size_t e = 0; e < um.curva.size(); ++e) {
            EXPECT_EQ(
                std::memcmp(&um.curva[e].quantizacao, &dois.curva[e].quantizacao, sizeof(double)),
                0);
            EXPECT_EQ(
                std::memcmp(&um.curva[e].topografico, &dois.curva[e].topografico, sizeof(double)),
                0);
        }
    }
}

TEST(TreinoLab, medidasDoMapaRotulosEParada) {
    TDadosLab dados;
    dados.dimensao = 1;
    dados.valores = {1, 2, 3, 4, 9, std::numeric_limits<double>::quiet_NaN()};
    dados.legenda = {"a", "b", "c"};
    dados.rotulo = {1, 0, 1, 0, 2, 0};
    const TGradeLab grade{1, 2, TTopologiaLab::retangular, false};
    const TResultadoLab r = medeLab(dados, grade, {0.0, 10.0}, 1);
    EXPECT_EQ(r.vencedores, (std::vector<std::int32_t>{0, 0, 0, 0, 1, -1}));
    EXPECT_EQ(r.acertos, (std::vector<std::int64_t>{4, 1}));
    EXPECT_EQ(r.ignorados, 1);
    EXPECT_DOUBLE_EQ(r.quantizacao, (1 + 2 + 3 + 4 + 1) / 5.0);
    EXPECT_EQ(r.topografico, 0.0);
    EXPECT_EQ(r.matrizU, (std::vector<double>{10.0, 10.0}));
    // Two of each on the first unit: the label met first leads.
    ASSERT_EQ(r.rotulos[0].size(), 2u);
    EXPECT_EQ(r.rotulos[0][0].rotulo, 1);
    EXPECT_EQ(r.rotulos[0][1].rotulo, 0);
    EXPECT_EQ(r.rotulos[1][0].vezes, 1);

    // A stop after 3 presentations, online and in batch: the map as it stood, marked incomplete.
    TConfiguracaoLab c;
    c.grade = grade;
    c.epocas = 5;
    for (const TModoLab modo : {TModoLab::online, TModoLab::lote}) {
        c.modo = modo;
        TControle controle;
        controle.limiteApresentacoes = 3;
        if (modo == TModoLab::lote) controle.parar = true;
        const TResultadoLab parado = treinaLab(dados, c, &controle);
        EXPECT_FALSE(parado.completo);
        EXPECT_EQ(parado.epocas, 0);
        EXPECT_TRUE(parado.curva.empty());
    }
}

TEST(TreinoLab, passoAPassoAteOFimDaOMapaDoTreino) {
    const TDadosLab dados = dadosAleatorios(3, 30, 5, true);
    TConfiguracaoLab c;
    c.grade = {4, 4, TTopologiaLab::hexagonal, true};
    c.epocas = 3;
    TPassosLab passos(dados, c);
    std::int64_t vistos = 0;
    while (const std::optional<TPassoLab> p = passos.proximo()) {
        ASSERT_EQ(p->apresentacao, vistos++);
        ASSERT_EQ(p->antes.size(), 5u);
    }
    const TResultadoLab inteiro = treinaLab(dados, c);
    const TResultadoLab passo = passos.resultado();
    EXPECT_EQ(passo.pesos, inteiro.pesos);
    EXPECT_EQ(passo.curva.size(), 3u);
    EXPECT_EQ(passo.vencedores, inteiro.vencedores);
}

// The principal plane of large data takes over a second: a stop request is answered while it is
// found, before the training has a map.
TEST(TreinoLab, inicioLinearAtendeAParada) {
    const TDadosLab dados = dadosAleatorios(5, 3000, 20, false);
    TConfiguracaoLab c;
    c.grade = {10, 10, TTopologiaLab::hexagonal, false};
    c.inicio = TInicioLab::linear;
    TControle controle;
    controle.pedeParadaNoPasso = 5;
    EXPECT_THROW(treinaLab(dados, c, &controle), EInterrompido);
    EXPECT_EQ(controle.passos(), 5);
    // The same start of a stepped training, made on the window's worker.
    TControle doPasso;
    doPasso.pedeParadaNoPasso = 5;
    EXPECT_THROW(TPassosLab(dados, c, &doPasso), EInterrompido);
    EXPECT_EQ(doPasso.passos(), 5);
}

// A large map stopped early is summed up from the winners already found (Parar must answer at
// once), not measured again.
TEST(TreinoLab, mapaGrandeParadoNaoEMedidoDeNovo) {
    const TDadosLab dados = dadosAleatorios(5, 3000, 100, false);
    TConfiguracaoLab c;
    c.grade = {100, 100, TTopologiaLab::retangular, false};
    c.vizinhanca = TVizinhancaLab::bolha;
    c.raio = {1, 0};
    TControle controle;
    controle.limiteApresentacoes = 10;
    const TResultadoLab r = treinaLab(dados, c, &controle);
    EXPECT_FALSE(r.completo || r.medido);
    std::int64_t ganhos = 0;
    for (const std::int64_t a : r.acertos) ganhos += a;
    EXPECT_EQ(ganhos, 10);
    EXPECT_EQ(std::count_if(r.vencedores.begin(), r.vencedores.end(),
                            [](std::int32_t v) { return v >= 0; }),
              10);
}

// The unfolding demo starts the map in the lowest tenth of each attribute's range; a closed ring
// trained on 30 cities gives a tour through every city once, no longer than the nearest-neighbour
// tour by more than a tenth.
TEST(TreinoLab, cantoEAnelDoCaixeiroViajante) {
    const TDadosLab cidades = dadosAleatorios(11, 30, 2, false);
    TConfiguracaoLab c;
    c.grade = {1, 60, TTopologiaLab::retangular, true};
    c.inicio = TInicioLab::canto;
    c.raio = {8, 0.5};
    c.taxa = {0.8, 0.02};
    c.epocas = 200;
    double minimo[2] = {1e300, 1e300}, maximo[2] = {-1e300, -1e300};
    for (std::size_t i = 0; i < cidades.padroes(); ++i)
        for (int k = 0; k < 2; ++k) {
            minimo[k] = std::min(minimo[k], cidades.padrao(i)[k]);
            maximo[k] = std::max(maximo[k], cidades.padrao(i)[k]);
        }
    const std::vector<double> inicio = pesosIniciaisLab(cidades, c);
    for (std::size_t i = 0; i < inicio.size(); ++i) {
        const std::size_t k = i % 2;
        EXPECT_GE(inicio[i], minimo[k]);
        EXPECT_LE(inicio[i], minimo[k] + 0.1 * (maximo[k] - minimo[k]));
    }
    const TResultadoLab r = treinaLab(cidades, c);
    const TPercursoLab anel = percursoDoAnel(cidades, r.pesos, r.vencedores, 60);
    std::vector<std::size_t> ordem = anel.ordem;
    std::sort(ordem.begin(), ordem.end());
    for (std::size_t i = 0; i < ordem.size(); ++i) ASSERT_EQ(ordem[i], i);
    ASSERT_EQ(ordem.size(), 30u);
    EXPECT_LE(anel.comprimento, 1.1 * percursoDoVizinhoMaisProximo(cidades).comprimento);
}

// A Gaussian radius so small that its square rounds to zero is the radius 0 (the winner alone),
// online and in batch, not a map frozen by NaN.
TEST(TreinoLab, raioGaussianoMinusculoEORaioZero) {
    const TDadosLab dados = dadosAleatorios(3, 40, 2, false);
    TConfiguracaoLab c;
    c.grade = {3, 3, TTopologiaLab::retangular, false};
    c.vizinhanca = TVizinhancaLab::gaussiana;
    c.epocas = 4;
    for (const TModoLab modo : {TModoLab::online, TModoLab::lote}) {
        c.modo = modo;
        c.raio = {0.0, 0.0};
        const TResultadoLab zero = treinaLab(dados, c);
        c.raio = {1e-200, 1e-300};
        EXPECT_EQ(treinaLab(dados, c).pesos, zero.pesos);
    }
}

// The radius R's kohonen (3.0) starts from when none is given, quantile(unit.distances(grid), 2/3),
// on hexagonal grids, flat and toroidal (its rectangular grids measure distance otherwise).
TEST(GradeLab, raioPadraoIgualAoDoKohonen) {
    const struct {
        TGradeLab grade;
        double raio;
    } casos[] = {
        {{5, 5, TTopologiaLab::hexagonal, false}, 2.9999999999999996},
        {{4, 6, TTopologiaLab::hexagonal, false}, 3.0},
        {{4, 6, TTopologiaLab::hexagonal, true}, 2.2152504370215178},
        {{10, 10, TTopologiaLab::hexagonal, false}, 6.0827625302982185},
        {{10, 10, TTopologiaLab::hexagonal, true}, 4.358898943540674},
        {{4, 15, TTopologiaLab::hexagonal, true}, 5.0971675407096386},
        {{10, 1, TTopologiaLab::hexagonal, false}, 3.4641016151377544},
    };
    for (const auto& c : casos)
        EXPECT_NEAR(raioPadraoLab(c.grade), c.raio, 1e-12)
            << c.grade.linhas << "x" << c.grade.colunas << (c.grade.toroidal ? " toroidal" : "");
}

TEST(SementeLab, soInteirosDe64BitsEscritosPorExtenso) {
    const struct {
        const char* texto;
        std::optional<std::uint64_t> semente;
    } casos[] = {
        {"9007199254740992", 9007199254740992u},
        {"9007199254740993", 9007199254740993u},
        {" 7 ", 7u},
        {"18446744073709551615", 18446744073709551615u},
        {"18446744073709551616", std::nullopt},
        {"1e19", std::nullopt},
        {"-1", std::nullopt},
        {"", std::nullopt},
        {"3,0", std::nullopt},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(sementeDeTexto(caso.texto), caso.semente) << caso.texto;
}

}  // namespace

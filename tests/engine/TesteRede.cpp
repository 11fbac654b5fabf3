// The network: random map, distance matrix, training and classification, at the exact rounding
// points of the extended format.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "UErros.h"
#include "ULimites.h"
#include "URede.h"

namespace {

std::uint64_t bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

TPadraoEntrada padrao(std::vector<double> valores, std::string rotulo) {
    TPadraoEntrada p;
    p.setQtdValores(static_cast<std::int32_t>(valores.size()));
    for (std::size_t k = 0; k < valores.size(); ++k)
        p.setValor(static_cast<std::int32_t>(k), valores[k]);
    p.setRotulo(std::move(rotulo));
    return p;
}

// A map of the given size and dimension with every weight set to `peso`.
TRede mapa(std::int32_t linhas, std::int32_t colunas, std::int32_t dimensao,
           const std::string& vizinhanca = "GRID", double peso = 0.0) {
    TRede rede;
    rede.qtdLinhas = linhas;
    rede.qtdColunas = colunas;
    rede.dimensao = dimensao;
    TGeradorAleatorio g(7);
    rede.inicializaNeuronios(g, vizinhanca);
    for (auto& linha : rede.neuronios)
        for (TNeuronio& n : linha)
            for (std::int32_t k = 0; k < dimensao; ++k) n.setPeso(k, peso);
    return rede;
}

std::vector<double> todosOsPesos(const TRede& rede) {
    std::vector<double> v;
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha)
            for (std::int32_t k = 0; k < n.getQtdPesos(); ++k) v.push_back(n.getPeso(k));
    return v;
}

TEST(Gerador, sequenciaDoGeradorCongruencial) {
    TGeradorAleatorio g(0);
    // seed 1 -> 1 * 100 >> 32 = 0; seed 134775814 -> 13477581400 >> 32 = 3.
    EXPECT_EQ(g.sorteia(100), 0u);
    EXPECT_EQ(g.sorteia(100), 3u);
    EXPECT_EQ(g.semente(), 134775814u);
    TGeradorAleatorio h(0xFFFFFFFFu);
    h.sorteia(100);
    EXPECT_EQ(h.semente(), 0xFFFFFFFFu * 134775813u + 1u);
}

TEST(InicializaNeuronios, pesosSaoCentesimosDeMenosMeioAQuaseMeio) {
    TRede rede = mapa(1, 1, 0);
    rede.qtdLinhas = 12;
    rede.qtdColunas = 14;
    rede.dimensao = 60;
    TGeradorAleatorio g(2024);
    rede.inicializaNeuronios(g, "GRID");
    std::set<long> vistos;
    for (double w : todosOsPesos(rede)) {
        const double centesimos = w * 100.0;
        ASSERT_EQ(w,
                  static_cast<double>(static_cast<long double>(std::lround(centesimos)) / 100.0L));
        vistos.insert(std::lround(centesimos));
    }
    EXPECT_EQ(vistos.size(), 100u);
    EXPECT_EQ(*vistos.begin(), -50);
    EXPECT_EQ(*vistos.rbegin(), 49);
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha) {
            EXPECT_EQ(n.getAglutinados(), 0);
            EXPECT_EQ(n.contaPadroes(), 0);
        }
}

TEST(InicializaNeuronios, sorteiosNaOrdemLinhaColunaPeso) {
    // The same seed drawn as 2 x 3 neurons of 2 weights or as 1 x 1 of 12 weights gives the same
    // sequence, row by row, column by column, weight by weight.
    TRede grande, unico;
    grande.qtdLinhas = 2;
    grande.qtdColunas = 3;
    grande.dimensao = 2;
    unico.qtdLinhas = unico.qtdColunas = 1;
    unico.dimensao = 12;
    TGeradorAleatorio g1(31337), g2(31337);
    grande.inicializaNeuronios(g1, "GRID");
    unico.inicializaNeuronios(g2, "GRID");
    EXPECT_EQ(todosOsPesos(grande), todosOsPesos(unico));
    EXPECT_EQ(g1.semente(), g2.semente());
    TGeradorAleatorio g0(0);
    TRede primeiro = mapa(1, 1, 0);
    primeiro.dimensao = 2;
    primeiro.inicializaNeuronios(g0, "GRID");
    EXPECT_EQ(todosOsPesos(primeiro), (std::vector<double>{-0.5, -0.47}));
}

TEST(InicializaNeuronios, mapaQueNaoCabeERecusadoSemPerderOAtual) {
    TRede rede = mapa(2, 2, 3, "GRID", 0.25);
    rede.dimensao = 2'000'000;
    rede.qtdLinhas = 12;
    rede.qtdColunas = 14;
    TGeradorAleatorio g(1);
    EXPECT_THROW(rede.inicializaNeuronios(g, "GRID"), EMemoriaInsuficiente);
    ASSERT_EQ(rede.linhasMapa(), 2);
    EXPECT_EQ(rede.neuronio(1, 1).getPeso(2), 0.25);
    EXPECT_EQ(rede.matrizDistancias.size(), 16u);
    rede.dimensao = 1;
    rede.qtdLinhas = 50'000;
    rede.qtdColunas = 50'000;  // 2.5e9 neurons: the distance matrix alone is beyond any machine
    EXPECT_THROW(rede.inicializaNeuronios(g, "GRID"), EMemoriaInsuficiente);
    rede.qtdLinhas = 0;
    rede.qtdColunas = 3;
    EXPECT_THROW(rede.inicializaNeuronios(g, "GRID"), EMemoriaInsuficiente);
    EXPECT_EQ(rede.linhasMapa(), 2);
    EXPECT_GT(bytesDoMapa(100000, 100000, 1), kTetoMapaBytes);
    EXPECT_EQ(bytesDoMapa(12, 14, 4), 168u * 4u * 8u + 168u * 168u * 4u);
}

TEST(MatrizDistancias, formasDaVizinhanca) {
    TRede um = mapa(1, 1, 1);
    EXPECT_EQ(um.matrizDistancias, std::vector<std::int32_t>{0});

    TRede manhattan = mapa(3, 3, 1, "MANHATTAN");
    TRede grid = mapa(3, 3, 1, "GRID");
    for (std::size_t canto : {0u, 2u, 6u, 8u}) {
        EXPECT_EQ(manhattan.matrizDistancias[4 * 9 + canto], 2);
        EXPECT_EQ(grid.matrizDistancias[4 * 9 + canto], 1);
    }
    EXPECT_EQ(manhattan.matrizDistancias[0 * 9 + 8], 4);
    EXPECT_EQ(grid.matrizDistancias[0 * 9 + 8], 2);
    TRede outro = mapa(3, 3, 1, "manhattan");  // only the exact text selects MANHATTAN
    EXPECT_EQ(outro.matrizDistancias[4 * 9 + 0], 1);
    for (const TRede* r : {&manhattan, &grid})
        for (int a = 0; a < 9; ++a) {
            EXPECT_EQ(r->matrizDistancias[static_cast<std::size_t>(a * 9 + a)], 0);
            for (int b = 0; b < 9; ++b)
                EXPECT_EQ(r->matrizDistancias[static_cast<std::size_t>(a * 9 + b)],
                          r->matrizDistancias[static_cast<std::size_t>(b * 9 + a)]);
        }
}

TEST(AjustaPesos, vizinhancaGridDeRaio1NoCanto) {
    TRede rede = mapa(2, 3, 1, "GRID", 0.0);
    rede.entradas = {padrao({1.0}, "a")};
    rede.taxaAprendizado = 1.0;
    rede.raio = 1;
    rede.ajustaPesos(0, 0, 0);
    EXPECT_EQ(todosOsPesos(rede), (std::vector<double>{1, 1, 0, 1, 1, 0}));
}

TEST(AjustaPesos, vizinhancaManhattanEGridDeRaio1NoCentro) {
    for (const char* forma : {"MANHATTAN", "GRID"}) {
        TRede rede = mapa(3, 3, 1, forma, 0.0);
        rede.entradas = {padrao({2.0}, "a")};
        rede.taxaAprendizado = 0.5;
        rede.raio = 1;
        rede.ajustaPesos(0, 1, 1);
        const std::vector<double> esperado = std::string(forma) == "GRID"
                                                 ? std::vector<double>{1, 1, 1, 1, 1, 1, 1, 1, 1}
                                                 : std::vector<double>{0, 1, 0, 1, 1, 1, 0, 1, 0};
        EXPECT_EQ(todosOsPesos(rede), esperado) << forma;
    }
}

TEST(AjustaPesoVencedor, arredondaEmEstendidoComoSempre) {
    // w + (x - w) * r with the difference, the product and the sum each rounded to the 64-bit
    // significand and the result once more to double. Each row was computed with exact rational
    // arithmetic and differs both from plain double arithmetic and from the correctly rounded
    // value.
    struct Caso {
        double w, x, r, esperado;
    };
    const Caso casos[] = {
        {-0x1.27b54987d7480p-6, 0x1.02eb47b2fdbc4p-2, 0x1.4bc6a7ef9db23p-4, 0x1.fe6d2f21c81bep-9},
        {0x1.d2570eaf946d4p-1, -0x1.72e2e58a9f420p-2, 0x1.6666666666666p-1, 0x1.42f01bb832d04p-6},
        {-0x1.955a2e205bd80p-2, 0x1.d0f237db2d7bap-1, 0x1.3333333333333p-2, -0x1.31d94b2fa675ep-8},
        {0x1.5df1254615c10p-4, -0x1.a40489b1a7dfbp+8, 0x1.999999999999ap-4, -0x1.4f66280a26c2cp+5},
        {-0x1.010ff922232aap-1, -0x1.9a077a4988c57p+9, 0x1.4bc6a7ef9db23p-4, -0x1.0b8b67fe2a510p+6},
        {-0x1.71e3383441684p-2, 0x1.24b33b6830d30p-3, 0x1.6666666666666p-1, -0x1.10ade899eaae6p-7},
    };
    for (const Caso& c : casos) {
        TRede rede = mapa(1, 1, 1, "GRID", c.w);
        rede.entradas = {padrao({c.x}, "")};
        rede.taxaAprendizado = c.r;
        rede.ajustaPesoVencedor(0, 0, 0);
        EXPECT_EQ(bits(rede.neuronio(0, 0).getPeso(0)), bits(c.esperado)) << c.esperado;
    }
}

TEST(DistanciaEuclidiana, somaArredondadaADoubleACadaTermo) {
    struct Caso {
        std::vector<double> x, w;
        double esperado;
    };
    const Caso casos[] = {
        {{0x1.d9d6b0e2e0c9cp+2, 0x1.82e315c93443cp+2, -0x1.3f1b70d4b3aabp+2, -0x1.f4891c4e334f0p+0,
          0x1.71e1364869800p-2},
         {-0x1.8db4fa30d692fp+2, -0x1.04c776390cdbap+1, 0x1.426d6f3b33f4ep+2, -0x1.936e175215f76p+2,
          0x1.26972e70d9b36p+2},
         0x1.84277e832d6e6p+7},
        {{0x1.2aff00f2f1192p+3, -0x1.616cc7d1ec2b8p+1, 0x1.0ccba351e1738p+2},
         {-0x1.8567b5e832d3ep+1, 0x1.68ee9f7b27d1ap+2, -0x1.914f8160bb134p+2},
         0x1.4d9c4cba6fb9bp+7},
        {{-0x1.02125b29e502ap+3, 0x1.9871059a8b0a0p+2, 0x1.64f1cef29a9e4p+1, 0x1.9d2f701bfe108p+0,
          -0x1.c27b3e2c9aec0p-1},
         {0x1.e19264a61f82cp+2, -0x1.7b641f0d91b5bp+2, -0x1.2516c939fc4f6p+2, 0x1.1512bb325ee24p+2,
          0x1.03bb828b30074p+1},
         0x1.d0af20482b21fp+7},
        {{}, {}, 0.0},
        {{3.0}, {1.0}, 2.0},
    };
    for (const Caso& c : casos) {
        TNeuronio n;
        n.setQtdPesos(static_cast<std::int32_t>(c.w.size()));
        for (std::size_t k = 0; k < c.w.size(); ++k)
            n.setPeso(static_cast<std::int32_t>(k), c.w[k]);
        EXPECT_EQ(bits(TRede::distancia_euclidiana(padrao(c.x, ""), n)), bits(c.esperado));
    }
}

TEST(AtivaRede, exemploCalculadoAMao) {
    // Neurons at 0 and 1, patterns 0.25 (a) and 1 (b), radius 0, rate 0.5 halving each cycle.
    TRede rede = mapa(1, 2, 1);
    rede.neuronio(0, 1).setPeso(0, 1.0);
    rede.entradas = {padrao({0.25}, "a"), padrao({1.0}, "b")};
    rede.taxaAprendizado = 0.5;
    rede.taxaEvolucao = 50;
    rede.raio = 0;
    rede.ativaRede(true, 1);
    // Cycle 1 (rate 0.5): a -> n0 = 0.125, b -> n1 stays 1. Cycle 2 (rate 0.25): a -> n0 =
    // 0.125 + 0.125 * 0.25 = 0.15625, b -> n1.
    EXPECT_EQ(todosOsPesos(rede), (std::vector<double>{0.15625, 1.0}));
    EXPECT_EQ(rede.neuronio(0, 0).getAglutinados(), 1);
    EXPECT_EQ(rede.neuronio(0, 0).getPadrao(0), "a");
    EXPECT_EQ(rede.neuronio(0, 1).getPadrao(0), "b");
    EXPECT_EQ(rede.taxaAprendizado, 0.125);
    EXPECT_EQ(rede.ultimoCiclo, 1);
}

TEST(AtivaRede, criteriosDeParadaContamOsCiclos) {
    struct Caso {
        bool porCiclos;
        std::int32_t ultimo;
        std::int32_t raioInicial;
        int ciclosEsperados;
        std::int32_t raioFinal;
    };
    const Caso casos[] = {{false, 3, 3, 4, -1},
                          {false, 0, 0, 1, -1},
                          {true, 0, 2, 1, 2},
                          {true, 9, 1, 10, 1},
                          {false, -1, -1, 0, -1}};
    for (const Caso& c : casos) {
        TRede rede = mapa(3, 3, 2);
        rede.entradas = {padrao({0.1, 0.2}, "p")};
        rede.taxaAprendizado = 0.1;
        rede.taxaEvolucao = 100;
        rede.raio = c.raioInicial;
        std::vector<std::int32_t> raios;
        int chamadas = 0;
        rede.ativaRede(c.porCiclos, c.ultimo, [&](double, std::int32_t ciclo, std::int32_t raio) {
            EXPECT_EQ(ciclo, ++chamadas);
            raios.push_back(raio);
        });
        EXPECT_EQ(chamadas, c.ciclosEsperados);
        EXPECT_EQ(rede.raio, c.raioFinal);
        if (!c.porCiclos && c.ciclosEsperados > 0) {
            EXPECT_EQ(raios.back(), 0);
        }
    }
}

TEST(AtivaRede, taxaDecaiEmEstendidoAteOUltimoCiclo) {
    TRede rede = mapa(2, 2, 1);
    rede.entradas = {padrao({0.5}, "p")};
    rede.taxaAprendizado = 0.1;
    rede.taxaEvolucao = 90;
    rede.raio = 1;
    std::vector<double> taxas;
    rede.ativaRede(true, 2,
                   [&](double taxa, std::int32_t, std::int32_t) { taxas.push_back(taxa); });
    ASSERT_EQ(taxas.size(), 3u);
    EXPECT_EQ(bits(taxas[0]), bits(0x1.999999999999ap-4));
    EXPECT_EQ(bits(taxas[1]), bits(0x1.70a3d70a3d70bp-4));
    EXPECT_EQ(bits(taxas[2]), bits(0x1.4bc6a7ef9db24p-4));
    EXPECT_EQ(bits(rede.taxaAprendizado), bits(0x1.2a9930be0ded4p-4));
    EXPECT_NEAR(rede.taxaAprendizado, 0.0729, 1e-16);
}

TEST(AtivaRede, empateFicaComONeuronioDeMenorLinhaEColuna) {
    // Every neuron at 0 except (0,0), far away: (0,1) is the first of the equally near ones.
    TRede rede = mapa(3, 3, 2);
    rede.neuronio(0, 0).setPeso(0, 100.0);
    rede.entradas = {padrao({1.0, 1.0}, "x")};
    rede.classificaEntradas();
    EXPECT_EQ(rede.neuronio(0, 1).getAglutinados(), 1);
    TRede outra = mapa(3, 3, 2);
    for (int j = 0; j < 3; ++j) outra.neuronio(0, j).setPeso(0, 50.0);
    outra.entradas = rede.entradas;
    outra.classificaEntradas();
    EXPECT_EQ(outra.neuronio(1, 0).getAglutinados(), 1);
}

TEST(AtivaRede, dimensaoZeroLevaTudoAoPrimeiroNeuronio) {
    TRede rede = mapa(2, 3, 0);
    rede.entradas = {padrao({}, "a"), padrao({}, ""), padrao({}, "a")};
    rede.taxaAprendizado = 0.1;
    rede.taxaEvolucao = 100;
    rede.raio = 2;
    rede.ativaRede(false, 2);
    EXPECT_EQ(rede.neuronio(0, 0).getAglutinados(), 3);
    EXPECT_EQ(rede.neuronio(0, 0).contaPadroes(), 3);
    EXPECT_EQ(rede.neuronio(0, 0).getPadrao(1), "");
    EXPECT_EQ(rede.neuronio(0, 0).getPadrao(2), "a");
    EXPECT_EQ(rede.neuronio(1, 2).getAglutinados(), 0);
}

TEST(AtivaRede, taxaUmComRaioZeroCopiaOPadrao) {
    TRede rede = mapa(2, 2, 3);
    TGeradorAleatorio g(5);
    rede.inicializaNeuronios(g, "GRID");
    const std::vector<double> antes = todosOsPesos(rede);
    const std::vector<double> x = {0.3, -0.7, 1e-3};
    rede.entradas = {padrao(x, "p")};
    rede.taxaAprendizado = 1.0;
    rede.taxaEvolucao = 100;
    rede.raio = 0;
    rede.ativaRede(false, 0);
    int copiados = 0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const TNeuronio& n = rede.neuronio(i, j);
            if (n.getAglutinados() == 1) {
                ++copiados;
                for (int k = 0; k < 3; ++k) EXPECT_EQ(n.getPeso(k), x[static_cast<std::size_t>(k)]);
            } else {
                for (int k = 0; k < 3; ++k)
                    EXPECT_EQ(n.getPeso(k), antes[static_cast<std::size_t>((i * 2 + j) * 3 + k)]);
            }
        }
    EXPECT_EQ(copiados, 1);
}

TEST(AtivaRede, semPadroesOsCiclosCorremComContagensZero) {
    TRede rede = mapa(2, 2, 2);
    rede.taxaAprendizado = 0.1;
    rede.taxaEvolucao = 90;
    rede.raio = 1;
    int ciclos = 0;
    rede.ativaRede(false, 1, [&](double, std::int32_t, std::int32_t) { ++ciclos; });
    EXPECT_EQ(ciclos, 2);
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha) EXPECT_EQ(n.getAglutinados(), 0);
}

TEST(ClassificaEntradas, naoTocaNosPesosEDaSempreAsMesmasContagens) {
    TRede rede;
    rede.qtdLinhas = 4;
    rede.qtdColunas = 5;
    rede.dimensao = 3;
    TGeradorAleatorio g(77);
    rede.inicializaNeuronios(g, "MANHATTAN");
    for (int i = 0; i < 40; ++i)
        rede.entradas.push_back(
            padrao({std::sin(i * 1.0), std::cos(i * 0.5), i * 0.01}, "p" + std::to_string(i % 7)));
    rede.taxaAprendizado = 0.3;
    rede.taxaEvolucao = 95;
    rede.raio = 2;
    rede.ativaRede(false, 2);
    const std::vector<double> treinados = todosOsPesos(rede);
    rede.classificaEntradas();
    std::vector<std::int32_t> primeira, segunda;
    int total = 0;
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha) {
            primeira.push_back(n.getAglutinados());
            EXPECT_EQ(n.getAglutinados(), n.contaPadroes());
            total += n.getAglutinados();
        }
    EXPECT_EQ(total, 40);
    rede.classificaEntradas();
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha) segunda.push_back(n.getAglutinados());
    EXPECT_EQ(primeira, segunda);
    const std::vector<double> depois = todosOsPesos(rede);
    ASSERT_EQ(depois.size(), treinados.size());
    EXPECT_EQ(std::memcmp(depois.data(), treinados.data(), depois.size() * sizeof(double)), 0);
}

TEST(ClassificaEntradas, rotulosRepetidosFicamNaOrdem) {
    TRede rede = mapa(1, 1, 1);
    rede.entradas = {padrao({1}, "x"), padrao({2}, "x"), padrao({3}, "y")};
    rede.classificaEntradas();
    const TNeuronio& n = rede.neuronio(0, 0);
    ASSERT_EQ(n.contaPadroes(), 3);
    EXPECT_EQ(n.getPadrao(0), "x");
    EXPECT_EQ(n.getPadrao(1), "x");
    EXPECT_EQ(n.getPadrao(2), "y");
}

TEST(DesativaNeuronios, mapaVazioDepois) {
    TRede rede = mapa(3, 4, 2);
    rede.desativaNeuronios();
    EXPECT_FALSE(rede.existeMapa());
    EXPECT_TRUE(rede.matrizDistancias.empty());
    // Walking the map finds nothing to walk: a classification gives no pattern a neuron, and
    // neither fails nor is reported as stopped.
    rede.zeraAglutinados();
    rede.entradas = {padrao({1, 2}, "a")};
    EXPECT_TRUE(rede.classificaEntradas());
    EXPECT_FALSE(rede.existeMapa());
}

}  // namespace

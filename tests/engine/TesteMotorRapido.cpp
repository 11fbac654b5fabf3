// The fast engine against the plain reference loops over many seeded random cases: every weight,
// count, label, learning rate and radius must be bit-identical, with one thread and with two.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../comum/Buscas.h"
#include "UBusca.h"
#include "UExato.h"
#include "UPasso.h"
#include "URede.h"
#include "UTreinoRapido.h"

namespace {

struct Caso {
    std::int32_t linhas, colunas, dimensao, padroes;
    std::string vizinhanca;
    bool porCiclos;
    std::int32_t ultimo, raio;
    double taxa, evolucao;
    std::string dados;  // how the values were drawn, for the failure message
};

std::string descreve(const Caso& c) {
    std::ostringstream s;
    s << c.linhas << "x" << c.colunas << " d=" << c.dimensao << " p=" << c.padroes << " "
      << c.vizinhanca << (c.porCiclos ? " ciclos " : " raio ") << c.ultimo << " raio=" << c.raio
      << " taxa=" << c.taxa << " evol=" << c.evolucao << " dados=" << c.dados;
    return s.str();
}

// Values drawn to provoke what the fast search must survive: exact ties, duplicate patterns and
// neurons, huge and tiny magnitudes, few distinct values.
double sorteiaValor(std::mt19937_64& g, int tipo) {
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    switch (tipo) {
        case 0:
            return u(g);
        case 1:
            return static_cast<double>(g() % 256);  // pixels: many ties
        case 2:
            return static_cast<double>(g() % 3) * 0.5;  // three values only
        case 3:
            return u(g) * 1e-300;  // subnormal territory
        case 4:
            return u(g) * 1e150;  // squares beyond the double range
        case 5:
            return std::ldexp(u(g), static_cast<int>(g() % 2000) - 1000);  // every magnitude
        case 6:
            return (g() % 4 == 0) ? 0.0 : u(g) * 5.0;  // sparse
        default:
            return std::round(u(g) * 8.0) / 8.0;  // short binary fractions
    }
}

struct Par {
    TRede referencia, rapida;
    Caso caso;
};

Par monta(std::mt19937_64& g) {
    Caso c;
    const std::int32_t dimensoes[] = {0,  1,  2,  3,  4,  7,   8,   9,  15,
                                      16, 17, 24, 33, 64, 100, 257, 800};
    c.dimensao = dimensoes[g() % (sizeof dimensoes / sizeof dimensoes[0])];
    const bool grande = g() % 10 == 0;
    c.linhas = 1 + static_cast<std::int32_t>(g() % (grande ? 20 : 12));
    c.colunas = 1 + static_cast<std::int32_t>(g() % (grande ? 20 : 14));
    const std::int32_t maxPadroes = c.dimensao >= 200 ? 12 : 40;
    c.padroes = static_cast<std::int32_t>(g() % static_cast<std::uint64_t>(maxPadroes + 1));
    c.vizinhanca = g() % 2 ? "GRID" : "MANHATTAN";
    c.porCiclos = g() % 2 == 0;
    c.raio = static_cast<std::int32_t>(g() % 6) - (g() % 12 == 0 ? 2 : 0);
    c.ultimo = c.porCiclos ? static_cast<std::int32_t>(g() % 4) : c.raio;
    const double taxas[] = {0.1, 0.5, 1.0, 0.0, 0.3, 1e-20, 0.75, 0x1p-60};
    const double evolucoes[] = {100.0, 90.0, 50.0, 150.0, 99.0};
    c.taxa = taxas[g() % 8];
    c.evolucao = evolucoes[g() % 5];
    const int tipo = static_cast<int>(g() % 8);
    c.dados = std::to_string(tipo);

    Par par;
    TRede& r = par.referencia;
    r.qtdLinhas = c.linhas;
    r.qtdColunas = c.colunas;
    r.dimensao = c.dimensao;
    r.qtdPadroes = c.padroes;
    TGeradorAleatorio gerador(static_cast<std::uint32_t>(g()));
    r.inicializaNeuronios(gerador, c.vizinhanca);
    // Some maps start with neurons of equal weights, or in the data's own range.
    const int pesos = static_cast<int>(g() % 4);
    for (auto& linha : r.neuronios)
        for (TNeuronio& n : linha) {
            if (pesos == 1)
                for (std::int32_t k = 0; k < c.dimensao; ++k) n.setPeso(k, sorteiaValor(g, tipo));
            if (pesos == 2 && g() % 2)
                for (std::int32_t k = 0; k < c.dimensao; ++k)
                    n.setPeso(k, r.neuronio(0, 0).getPeso(k));
        }
    for (std::int32_t p = 0; p < c.padroes; ++p) {
        TPadraoEntrada padrao;
        if (p > 0 && g() % 4 == 0) {
            const TVistaPadrao repetido =
                r.entradas[static_cast<std::size_t>(g() % static_cast<std::uint64_t>(p))];
            for (std::int32_t k = 0; k < c.dimensao; ++k)
                padrao.adicionaValor(repetido.getValor(k));
        } else {
            for (std::int32_t k = 0; k < c.dimensao; ++k)
                padrao.adicionaValor(sorteiaValor(g, tipo));
        }
        padrao.setRotulo("p" + std::to_string(p % 5));
        r.entradas.push_back(padrao);
    }
    r.taxaAprendizado = c.taxa;
    r.taxaEvolucao = c.evolucao;
    r.raio = c.raio;
    par.rapida = r;
    par.caso = c;
    return par;
}

bool mesmosBits(const double* a, const double* b, std::int32_t n) {
    return n == 0 || std::memcmp(a, b, static_cast<std::size_t>(n) * sizeof(double)) == 0;
}

void comparaRedes(const TRede& a, const TRede& b, const std::string& onde) {
    ASSERT_EQ(a.linhasMapa(), b.linhasMapa()) << onde;
    for (std::int32_t i = 0; i < a.linhasMapa(); ++i)
        for (std::int32_t j = 0; j < a.colunasMapa(); ++j) {
            const TNeuronio& x = a.neuronio(i, j);
            const TNeuronio& y = b.neuronio(i, j);
            ASSERT_EQ(x.getQtdPesos(), y.getQtdPesos()) << onde;
            ASSERT_TRUE(mesmosBits(x.dados(), y.dados(), x.getQtdPesos()))
                << onde << " neurônio " << i << "," << j;
            ASSERT_EQ(x.getAglutinados(), y.getAglutinados())
                << onde << " neurônio " << i << "," << j;
            ASSERT_EQ(x.contaPadroes(), y.contaPadroes()) << onde;
            for (std::int32_t k = 0; k < x.contaPadroes(); ++k)
                ASSERT_EQ(x.getPadrao(k), y.getPadrao(k)) << onde;
        }
    ASSERT_EQ(std::memcmp(&a.taxaAprendizado, &b.taxaAprendizado, sizeof(double)), 0) << onde;
    ASSERT_EQ(a.raio, b.raio) << onde;
    ASSERT_EQ(a.ultimoCiclo, b.ultimoCiclo) << onde;
}

struct Chamada {
    double taxa;
    std::int32_t ciclo, raio;
    bool operator==(const Chamada& o) const {
        return std::memcmp(&taxa, &o.taxa, sizeof taxa) == 0 && ciclo == o.ciclo && raio == o.raio;
    }
};

// Every search kernel (the next one down where this processor lacks it), with one thread, with
// two, and with two that hand over to one and back every few patterns (3).
class MotorRapido : public ::testing::TestWithParam<std::tuple<int, const char*>> {
  protected:
    void SetUp() override {
        ASSERT_EQ(defineBusca(buscaOuAbaixo(std::get<1>(GetParam()))), "");
        threads = std::get<0>(GetParam());
        if (threads == 3) {
            defineRevezamentoParaTestes(3);
            threads = 2;
        }
    }
    void TearDown() override {
        defineBusca("");
        defineRevezamentoParaTestes(0);
    }
    int threads = 1;
};

TEST_P(MotorRapido, treinoIgualAoDeReferenciaBitABit) {
    std::mt19937_64 g(20261207 + static_cast<std::uint64_t>(threads));
    for (int n = 0; n < 250; ++n) {
        Par par = monta(g);
        const std::string onde = "caso " + std::to_string(n) + ": " + descreve(par.caso);
        // A third of the cases stop at a random presentation, as a stop request would.
        TControle controleRef, controleRap;
        if (n % 3 == 0) {
            const std::int64_t total =
                std::int64_t{par.caso.padroes} * (std::max(par.caso.ultimo, -1) + 1);
            controleRef.limiteApresentacoes =
                static_cast<std::int64_t>(g() % static_cast<std::uint64_t>(total + 2));
            controleRap.limiteApresentacoes = controleRef.limiteApresentacoes;
        }
        std::vector<Chamada> chamadasRef, chamadasRap;
        const bool completoRef = par.referencia.ativaRedeReferencia(
            par.caso.porCiclos, par.caso.ultimo,
            [&](double t, std::int32_t c, std::int32_t r) {
                chamadasRef.push_back({t, c, r});
            },
            &controleRef);
        par.rapida.defineThreads(threads);
        const bool completoRap = par.rapida.ativaRede(
            par.caso.porCiclos, par.caso.ultimo,
            [&](double t, std::int32_t c, std::int32_t r) {
                chamadasRap.push_back({t, c, r});
            },
            &controleRap);
        const std::string ondeParada =
            onde + " parada em " + std::to_string(controleRef.limiteApresentacoes);
        comparaRedes(par.referencia, par.rapida, ondeParada);
        ASSERT_TRUE(chamadasRef == chamadasRap) << ondeParada;
        ASSERT_EQ(completoRef, completoRap) << ondeParada;
        if (HasFatalFailure()) return;
    }
}

TEST_P(MotorRapido, classificacaoIgualADeReferencia) {
    if (std::get<0>(GetParam()) == 3) GTEST_SKIP() << "a classificação não reveza threads";
    std::mt19937_64 g(777 + static_cast<std::uint64_t>(threads));
    for (int n = 0; n < 100; ++n) {
        Par par = monta(g);
        // More patterns than training would use, so that two threads split them.
        const std::size_t originais = par.referencia.entradas.size();
        for (std::size_t i = 0; originais > 0 && par.referencia.entradas.size() < 80; ++i)
            par.referencia.entradas.push_back(par.referencia.entradas[i % originais]);
        par.rapida.entradas = par.referencia.entradas;
        par.referencia.classificaEntradasReferencia();
        par.rapida.defineThreads(threads);
        // A stopped classification leaves the counts of the pass before it.
        TControle parado;
        parado.parar = true;
        if (!par.referencia.entradas.empty()) {
            const TRede antesRef = par.referencia, antesRap = par.rapida;
            ASSERT_FALSE(par.referencia.classificaEntradasReferencia(&parado));
            ASSERT_FALSE(par.rapida.classificaEntradas(&parado));
            comparaRedes(antesRef, par.referencia, "parada, referência");
            comparaRedes(antesRap, par.rapida, "parada, rápida");
        }
        par.rapida.classificaEntradas();
        comparaRedes(par.referencia, par.rapida,
                     "caso " + std::to_string(n) + ": " + descreve(par.caso));
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(ThreadsEBuscas, MotorRapido,
                         ::testing::Combine(::testing::Values(1, 2, 3),
                                            ::testing::Values("escalar", "avx2", "avx512")),
                         [](const ::testing::TestParamInfo<std::tuple<int, const char*>>& i) {
                             const int n = std::get<0>(i.param);
                             return std::string(n == 1   ? "umaThread_"
                                                : n == 2 ? "duasThreads_"
                                                         : "revezando_") +
                                    std::get<1>(i.param);
                         });

TEST(AjusteExato, instrucoesPropriasIgualAExpressao) {
    // The hand-written x87 update against the plain expression, both in the program's precision,
    // over every kind of value the training meets and the special ones.
    std::mt19937_64 g(8);
    const double especiais[] = {0.0,
                                -0.0,
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN(),
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::max()};
    auto sorteia = [&] {
        return g() % 50 == 0 ? especiais[g() % 7] : sorteiaValor(g, static_cast<int>(g() % 8));
    };
    for (int i = 0; i < 4000000; ++i) {
        const double w = sorteia(), x = sorteia();
        const long double r =
            g() % 2 ? std::ldexp(static_cast<double>(g() % 1000000), -static_cast<int>(g() % 40))
                    : sorteia();
        double noLugar = w;
        ajustaPesoNoLugar(&noLugar, &x, r);
        const double esperado = ajustaPesoExato(w, x, r);
        ASSERT_EQ(std::memcmp(&noLugar, &esperado, sizeof esperado), 0)
            << w << " " << x << " " << static_cast<double>(r);
    }
}

TEST(TreinoPasso, passoAPassoIgualAoTreinoInteiro) {
    // Patterns one at a time and whole cycles, in random runs, end with the same bits and the same
    // status calls as the uninterrupted training.
    std::mt19937_64 g(11);
    for (int n = 0; n < 60; ++n) {
        Par par = monta(g);
        const std::string onde = "caso " + std::to_string(n) + ": " + descreve(par.caso);
        std::vector<Chamada> chamadasRef, chamadasPasso;
        par.referencia.ativaRedeReferencia(par.caso.porCiclos, par.caso.ultimo,
                                           [&](double t, std::int32_t c, std::int32_t r) {
                                               chamadasRef.push_back({t, c, r});
                                           });
        TTreinoPasso passo(par.rapida, par.caso.porCiclos, par.caso.ultimo,
                           [&](double t, std::int32_t c, std::int32_t r) {
                               chamadasPasso.push_back({t, c, r});
                           });
        while (!passo.terminado()) {
            if (g() % 3 == 0)
                passo.terminaCiclo();
            else
                passo.proximoPadrao();
        }
        comparaRedes(par.referencia, par.rapida, onde);
        ASSERT_TRUE(chamadasRef == chamadasPasso) << onde;
        if (HasFatalFailure()) return;
    }
}

TEST(MotorRapido, neuroniosIdenticosEmpatamNoDeMenorIndice) {
    // Every neuron equal: every pattern goes to neuron (0,0), whichever thread owns what.
    for (int threads : {1, 2}) {
        for (std::int32_t d : {3, 40}) {
            TRede r;
            r.qtdLinhas = 5;
            r.qtdColunas = 6;
            r.dimensao = d;
            TGeradorAleatorio g(3);
            r.inicializaNeuronios(g, "GRID");
            for (auto& linha : r.neuronios)
                for (TNeuronio& n : linha)
                    for (std::int32_t k = 0; k < d; ++k) n.setPeso(k, 0.25);
            for (int p = 0; p < 10; ++p) {
                TPadraoEntrada padrao;
                for (std::int32_t k = 0; k < d; ++k) padrao.adicionaValor(0.5 + p);
                r.entradas.push_back(padrao);
            }
            r.defineThreads(threads);
            r.classificaEntradas();
            EXPECT_EQ(r.neuronio(0, 0).getAglutinados(), 10) << "d=" << d << " threads=" << threads;
        }
    }
}

TEST(MotorRapido, padroesDeOutroTamanhoSeguemOsLacosDeReferencia) {
    // A pattern shorter than the map's dimension cannot come from the file reader, but the
    // engine still answers as the reference loops do instead of reading past it.
    TRede r;
    r.qtdLinhas = 2;
    r.qtdColunas = 2;
    r.dimensao = 20;
    TGeradorAleatorio g(9);
    r.inicializaNeuronios(g, "GRID");
    TPadraoEntrada curto;
    for (int k = 0; k < 5; ++k) curto.adicionaValor(k);
    r.entradas = {curto, curto};
    r.taxaAprendizado = 0.5;
    r.taxaEvolucao = 100;
    r.raio = 1;
    TRede referencia = r;
    r.ativaRede(false, 1);
    referencia.ativaRedeReferencia(false, 1);
    comparaRedes(referencia, r, "padrões curtos");
}

TEST(MotorRapido, kernelsConcordamComOEscalarNosCandidatos) {
    // Whatever the processor, every kernel keeps the same winner as the scalar one for random
    // slots; the bound makes the candidate sets supersets of the exact winner.
    std::mt19937_64 g(5);
    std::normal_distribution<double> nd;
    for (std::int32_t d : {1, 5, 8, 33, 130, 300}) {
        const std::int32_t m = 50;
        std::vector<double> pesos(static_cast<std::size_t>(m * d)), x(static_cast<std::size_t>(d));
        for (double& w : pesos) w = nd(g);
        for (double& v : x) v = nd(g);
        std::vector<std::int32_t> slots(static_cast<std::size_t>(m));
        for (std::int32_t s = 0; s < m; ++s) slots[static_cast<std::size_t>(s)] = s;
        std::vector<std::int32_t> c1(static_cast<std::size_t>(m)), c2(static_cast<std::size_t>(m));
        std::vector<double> f1(static_cast<std::size_t>(m)), f2(static_cast<std::size_t>(m));
        const TResultadoBusca a = buscaEscalar(x.data(), d, pesos.data(), slots.data(), m,
                                               1.0 + 1e-12, 0.0, c1.data(), f1.data());
        const TResultadoBusca b = funcaoBusca()(x.data(), d, pesos.data(), slots.data(), m,
                                                1.0 + 1e-12, 0.0, c2.data(), f2.data());
        ASSERT_GE(a.candidatos, 1);
        ASSERT_GE(b.candidatos, 1);
        EXPECT_EQ(c1[0], c2[0]) << "d=" << d << " kernel " << nomeDaBusca();
        EXPECT_NEAR(a.melhor, b.melhor, a.melhor * 1e-12);
    }
}

}  // namespace

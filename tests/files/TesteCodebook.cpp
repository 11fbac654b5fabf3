// SOM_PAK's codebook file: the round trip keeps every bit, the SOM Toolbox's files read, and each
// malformed file gets its own message.

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "../comum/ArquivoTemporario.h"
#include "UCodebook.h"
#include "UGraphml.h"
#include "ULimites.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void esperaMesmosBits(const std::vector<double>& lidos, const std::vector<double>& esperados) {
    ASSERT_EQ(lidos.size(), esperados.size());
    for (std::size_t i = 0; i < lidos.size(); ++i) {
        if (std::isnan(lidos[i]) && std::isnan(esperados[i])) continue;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(lidos[i]),
                  std::bit_cast<std::uint64_t>(esperados[i]))
            << "valor " << i << ": " << lidos[i] << " em vez de " << esperados[i];
    }
}

TEST(Codebook, idaEVoltaPeloArquivoGuardaCadaBit) {
    TCodebook cb;
    cb.dimensao = 2;
    cb.linhas = 2;
    cb.colunas = 3;
    cb.hexagonal = cb.gaussiana = cb.toroidal = true;
    cb.pesos = {std::numeric_limits<double>::denorm_min(),
                2.2250738585072009e-308,  // the largest subnormal
                0.1,
                1.0 / 3.0,
                -0.0,
                1e300,
                kNaN,
                -DBL_MAX,
                DBL_MIN,
                123456789.125,
                -7.0,
                1e-5};
    cb.rotulos = {"", "setosa", "classe 3", "", "3", "x_y"};
    cb.nomes = {"comprimento da pétala", "largura"};
    cb.comentarios = {"treinado pelo Norvika", "n não é a linha dos nomes"};
    PastaTemporaria pasta;
    const std::string caminho = pasta.arquivo("mapa.cod");
    gravaCodebook(cb, caminho);
    const TCodebook lido = leCodebook(caminho);
    EXPECT_EQ(PastaTemporaria::le(caminho).substr(0, 18), "2 hexa 3 2 gaussia");
    EXPECT_EQ(lido.dimensao, 2);
    EXPECT_EQ(lido.linhas, 2);
    EXPECT_EQ(lido.colunas, 3);
    EXPECT_TRUE(lido.hexagonal && lido.gaussiana && lido.toroidal);
    esperaMesmosBits(lido.pesos, cb.pesos);
    EXPECT_EQ(lido.rotulos, cb.rotulos);
    EXPECT_EQ(lido.nomes, (std::vector<std::string>{"comprimento_da_pétala", "largura"}));
    EXPECT_EQ(lido.comentarios,
              (std::vector<std::string>{"treinado pelo Norvika", " n não é a linha dos nomes"}));
}

TEST(Codebook, leOQueOSomToolboxEscreve) {
    const TCodebook cb = leCodebookDeTexto(
        "# gerado pelo SOM Toolbox\r\n"
        "3 rect 2 2 gaussian\r\n"
        "#n comp_1 comp_2 comp_3 \r\n"
        "0.5\t-1.25e-3 2 setosa \r\n"
        "1 NaN\t\t0.25 \r\n"
        "# meio\r\n"
        "\r\n"
        "-0.1 x 7 versicolor virginica\r\n"
        ".5 5. +3E2 3\r\n");
    EXPECT_EQ(cb.dimensao, 3);
    EXPECT_EQ(cb.colunas, 2);
    EXPECT_EQ(cb.linhas, 2);
    EXPECT_FALSE(cb.hexagonal || cb.toroidal);
    EXPECT_TRUE(cb.gaussiana);
    esperaMesmosBits(cb.pesos, {0.5, -1.25e-3, 2, 1, kNaN, 0.25, -0.1, kNaN, 7, 0.5, 5, 300});
    EXPECT_EQ(cb.rotulos, (std::vector<std::string>{"setosa", "", "versicolor virginica", "3"}));
    EXPECT_EQ(cb.nomes, (std::vector<std::string>{"comp_1", "comp_2", "comp_3"}));
    EXPECT_EQ(cb.comentarios, (std::vector<std::string>{" gerado pelo SOM Toolbox", " meio"}));
    // SOM_PAK leaves the neighbourhood out of the header: bubble.
    const TCodebook semVizinhanca = leCodebookDeTexto("1 hexa 1 1\n4\n");
    EXPECT_TRUE(semVizinhanca.hexagonal);
    EXPECT_FALSE(semVizinhanca.gaussiana);
}

TEST(Codebook, arquivosMalformadosDizemOQueHaDeErrado) {
    defineLimiteMemoriaDados(std::uint64_t{256} << 20);
    const std::string esperado =
        "(esperado: dimensão, topologia hexa ou rect, colunas, linhas e vizinhança bubble ou "
        "gaussian).";
    const std::string cabecalho = "cabeçalho inválido " + esperado;
    const struct {
        const char* texto;
        std::string mensagem;
    } casos[] = {
        {"# só um comentário\n", "O arquivo não tem cabeçalho " + esperado},
        {"2 rect 1\n", "Linha 1: " + cabecalho},
        {"# c\n\n2 hexa 1 1 ep\n0 0\n", "Linha 3: " + cabecalho},
        {"2 rect 1 1 bubble toroid\n0 0\n", "Linha 1: " + cabecalho},
        {"0 rect 1 1\n", "Linha 1: a dimensão deve ficar entre 1 e 100000."},
        {"1 rect 10001 1\n", "Linha 1: colunas e linhas devem ficar entre 1 e 10000."},
        {"100000 rect 10000 10000\n",
         "Linha 1: um mapa de 10000 × 10000 neurônios de dimensão 100000 passa da memória que o "
         "programa se permite (256 MiB)."},
        {"2 rect 1 2\n0.1 0.2\n0.3\n", "Linha 3: esperados 2 valores, encontrados 1."},
        {"2 rect 1 2\n0.1 0.2\n0.3 setosa\n", "Linha 3: esperados 2 valores, encontrados 1."},
        {"2 rect 1 1\n0.1 0.2 0.3 0.4 a\n", "Linha 2: esperados 2 valores, encontrados 4."},
        {"2 rect 1 1\n0.1 0.2\n0.3 0.4\n", "Linha 3: neurônios demais; o cabeçalho anuncia 1."},
        {"2 rect 2 2\n1 2\n3 4\n5 6\n", "O arquivo tem 3 neurônios; o cabeçalho anuncia 4."},
        {"2 rect 1 1\n0.1 0,2\n", "Linha 2: \"0,2\" não é um número (valor 2)."},
        {"2 rect 1 1\n1e 0.2\n", "Linha 2: \"1e\" não é um número (valor 1)."},
        {"2 rect 1 1\n0.1 -inf\n",
         "Linha 2: o valor 2 (\"-inf\") é infinito ou sai do intervalo "
         "dos reais."},
        {"2 rect 1 1\n1e400 0\n",
         "Linha 2: o valor 1 (\"1e400\") é infinito ou sai do intervalo "
         "dos reais."},
        {"#n a b c\n2 rect 1 1\n0 0\n", "Linha 1: a linha #n tem mais de 2 nomes; a dimensão é 2."},
        {"3 rect 100 100\n0 0 0\n",
         "Linha 1: o cabeçalho anuncia 10000 neurônios de dimensão 3, mas o resto do arquivo, com "
         "6 "
         "bytes, não tem lugar para mais de 2."},
    };
    // Below the smallest double is zero, not "infinite".
    EXPECT_EQ(leCodebookDeTexto("2 rect 1 1\n1e-400 -0.0001e-320\n").pesos,
              (std::vector<double>{0.0, -0.0}));
    for (const auto& caso : casos) {
        try {
            leCodebookDeTexto(caso.texto);
            ADD_FAILURE() << "lido sem erro: " << caso.texto;
        } catch (const ECodebook& e) {
            EXPECT_EQ(e.what(), caso.mensagem) << caso.texto;
        }
    }
    defineLimiteMemoriaDados(0);
}

// The competitive models' units, as plain text and as GraphML, read back to the same bits and
// edges; a plain line with a value too many names its line.
TEST(Codebook, unidadesEGrafoVoltamComoForam) {
    const std::vector<double> pesos = {0.1, -1.0 / 3.0, 1e-300, 123456789.125, -0.0, 2.5};
    const TCodebook simples = leUnidadesDeTexto(textoDasUnidades(2, pesos));
    EXPECT_EQ(std::tuple(simples.dimensao, simples.linhas, simples.colunas), std::tuple(2, 1, 3));
    esperaMesmosBits(simples.pesos, pesos);
    const TCodebook somPak = leUnidadesDeTexto("2 rect 3 1 bubble\n0 1\n2 3\n4 5\n");
    EXPECT_EQ(somPak.pesos, (std::vector<double>{0, 1, 2, 3, 4, 5}));
    try {
        leUnidadesDeTexto("# comentário\n2\n0 1\n2 3 4\n");
        ADD_FAILURE() << "aceitou uma linha com três valores";
    } catch (const ECodebook& e) {
        EXPECT_NE(std::string(e.what()).find("Linha 4"), std::string::npos) << e.what();
    }

    TGrafoUnidades g;
    g.dimensao = 2;
    g.pesos = pesos;
    g.nomes = {"a<b", "x & y"};
    g.arestas = {{0, 1, 7}, {1, 2, 0}};
    const TGrafoUnidades lido = leGraphmlDeTexto(textoGraphml(g));
    EXPECT_EQ(lido.dimensao, 2);
    esperaMesmosBits(lido.pesos, pesos);
    EXPECT_EQ(lido.nomes, g.nomes);
    EXPECT_EQ(lido.arestas, g.arestas);
    EXPECT_THROW(leGraphmlDeTexto("<graphml><graph><node id=\"n0\"/>"), EGraphml);
}

}  // namespace

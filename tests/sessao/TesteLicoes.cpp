// The lessons promise numbers in their texts; these train each lesson's settings on its data, as
// "Preparar" puts them in place, and check that the numbers hold.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "../comum/ArquivoTemporario.h"
#include "UAnelLab.h"
#include "UDadosLab.h"
#include "ULicoes.h"
#include "USessaoLab.h"

namespace {

TDadosLab dadosDaLicao(const TLicao& l, const PastaTemporaria& pasta) {
    if (!l.demonstracao)
        return carregaDadosLab(std::string(NORVIKA_EXEMPLOS "/") + l.exemplo).dados;
    std::ostringstream texto;
    escreveDemonstracao(*l.demonstracao, texto);
    return carregaDadosLab(pasta.escreve("licao.txt", texto.str())).dados;
}

}  // namespace

TEST(Licoes, osNumerosDosTextosValem) {
    const std::vector<TLicao>& l = licoes();
    ASSERT_GE(l.size(), 6u);
    PastaTemporaria pasta;
    const auto treina = [&](std::size_t i) {
        return treinaLab(dadosDaLicao(l[i], pasta), *l[i].laboratorio);
    };
    // 2 and 3: the same square; the radius that starts small gives the lower quantisation error
    // and a topographic error several times higher.
    const TResultadoLab desdobra = treina(1), dobra = treina(2);
    EXPECT_NEAR(desdobra.quantizacao, 0.049, 0.0005);
    EXPECT_NEAR(desdobra.topografico, 0.02, 0.0005);
    EXPECT_LT(dobra.quantizacao, desdobra.quantizacao);
    EXPECT_NEAR(dobra.quantizacao, 0.028, 0.0005);
    EXPECT_NEAR(dobra.topografico, 0.17, 0.005);
    EXPECT_GT(dobra.topografico, 4 * desdobra.topografico);

    // 5: the laboratory's side of iris.
    const TResultadoLab iris = treina(4);
    EXPECT_NEAR(iris.quantizacao, 0.303, 0.0005);
    EXPECT_NEAR(iris.topografico, 0.02, 0.0005);

    // 6: the ring's tour is a tour of the 30 cities, about 13 % shorter than the greedy one.
    const TDadosLab cidades = dadosDaLicao(l[5], pasta);
    const TResultadoLab r = treinaLab(cidades, *l[5].laboratorio);
    const TPercursoLab anel =
        percursoDoAnel(cidades, r.pesos, r.vencedores, l[5].laboratorio->grade.unidades());
    std::vector<std::size_t> ordem = anel.ordem;
    std::sort(ordem.begin(), ordem.end());
    ASSERT_EQ(ordem.size(), 30u);
    for (std::size_t i = 0; i < ordem.size(); ++i) EXPECT_EQ(ordem[i], i);
    EXPECT_NEAR(anel.comprimento, 4.66, 0.005);
    EXPECT_NEAR(percursoDoVizinhoMaisProximo(cidades).comprimento, 5.35, 0.005);
}

// The replay of a training: the start, every epoch in order, and the map the training left.
TEST(Licoes, reprisaDoTreino) {
    PastaTemporaria pasta;
    const TLicao& l = licoes()[1];
    std::ostringstream texto;
    escreveDemonstracao(*l.demonstracao, texto);
    TSessaoLab sessao;
    sessao.carrega(pasta.escreve("quadrado.txt", texto.str()));
    TConfiguracaoLab c = *l.laboratorio;
    c.epocas = 12;
    ASSERT_EQ(sessao.inicia(c), "");
    while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_EQ(sessao.quadros(), 13u);
    for (std::size_t i = 0; i < sessao.quadros(); ++i)
        EXPECT_EQ(sessao.epocaDoQuadro(i), static_cast<std::int64_t>(i));
    EXPECT_EQ(sessao.quadro(0)->pesos, pesosIniciaisLab(sessao.carga().dados, c));
    EXPECT_EQ(sessao.quadro(12)->pesos, sessao.mapa()->pesos);
    // Each frame is its own epoch's map, with the error curve up to it.
    EXPECT_NE(sessao.quadro(5)->pesos, sessao.quadro(6)->pesos);
    EXPECT_EQ(sessao.quadro(5)->curva.size(), 5u);

    // With room for about 20 frames, a long training keeps the start, evenly spaced epochs and
    // the end, within the room.
    const std::size_t quadro = 100 * 2 * sizeof(double) + 500 * sizeof(std::int32_t);
    sessao.limitaGravacao(20 * quadro);
    c.epocas = 100;
    ASSERT_EQ(sessao.inicia(c), "");
    while (!sessao.conclui()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const std::size_t n = sessao.quadros();
    ASSERT_GE(n, 10u);
    EXPECT_LE(n, 22u);
    EXPECT_EQ(sessao.epocaDoQuadro(0), 0);
    EXPECT_EQ(sessao.epocaDoQuadro(n - 1), 100);
    const std::int64_t passo = sessao.epocaDoQuadro(1);
    for (std::size_t i = 1; i + 1 < n; ++i)
        EXPECT_EQ(sessao.epocaDoQuadro(i), static_cast<std::int64_t>(i) * passo);
    EXPECT_EQ(sessao.quadro(n - 1)->pesos, sessao.mapa()->pesos);
}

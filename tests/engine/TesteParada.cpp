// "Parar" in every phase of a long command: each loop that reads, gathers, measures or trains
// stops at its next unit of work once the request has come, whatever the phase. The request is
// made at an exact point (TControle::pedeParadaNoPasso, or from the training's own status call),
// so nothing here depends on the clock.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../comum/ArquivoTemporario.h"
#include "UArquivoPadroes.h"
#include "UErros.h"
#include "UMapaClassico.h"
#include "UNumeros.h"
#include "URede.h"

namespace {

// `quantos` patterns of `dimensao` values, each with a label of its own.
TPadroes padroesDistintos(std::size_t quantos, std::int32_t dimensao) {
    TPadroes ps;
    TPadraoEntrada p;
    for (std::size_t i = 0; i < quantos; ++i) {
        p.setQtdValores(dimensao);
        for (std::int32_t k = 0; k < dimensao; ++k)
            p.setValor(
                k, static_cast<double>((i * 7 + static_cast<std::size_t>(k) * 13) % 101) / 10.0);
        p.setRotulo("r" + std::to_string(i));
        ps.push_back(p);
    }
    return ps;
}

TRede mapa(std::int32_t lado, std::int32_t dimensao) {
    TRede r;
    r.qtdLinhas = r.qtdColunas = lado;
    r.dimensao = dimensao;
    TGeradorAleatorio g(3);
    r.inicializaNeuronios(g, "GRID");
    return r;
}

struct Fase {
    const char* nome;
    std::int64_t pedidoNoPasso;
    std::int64_t passosAlemDoPedido;  // what the loops may still take once the request is made
    // Runs the phase; true when it reported that it stopped.
    std::function<bool(TControle&)> executa;
};

TEST(Parada, cadaFaseParaNoPassoSeguinteAoPedido) {
    defineSeparadorDecimal(',');
    PastaTemporaria pasta;
    std::string linhas = "20000|2#\n";
    for (int i = 0; i < 20000; ++i) linhas += "1|2,5|p" + std::to_string(i) + "#\n";
    const std::string muitasLinhas = pasta.escreve("linhas.txt", linhas);
    const std::string linhaLonga =
        pasta.escreve("longa.txt", "1|1#\n" + std::string(16 << 20, '1') + "|a#\n");
    const std::string cabecalhoLongo =
        pasta.escreve("cabecalho.txt", std::string(16 << 20, '0') + "\n");
    const TPadroes distintos = padroesDistintos(20000, 10);
    const TRede dezPorDez = mapa(10, 10);

    const Fase fases[] = {
        {"leitura, uma linha por passo", 1000, 0,
         [&](TControle& c) {
             TPadroes lidos;
             const bool completo = inicializaEntradas(muitasLinhas, 20000, 2, lidos, &c);
             EXPECT_LT(lidos.size(), 1000u);
             return !completo;
         }},
        {"leitura de uma linha de 16 MiB, um passo por megabyte", 5, 0,
         [&](TControle& c) {
             TPadroes lidos;
             return !inicializaEntradas(linhaLonga, 1, 1, lidos, &c);
         }},
        {"cabeçalho de 16 MiB", 4, 0,
         [&](TControle& c) {
             try {
                 leCabecalhoPadroes(cabecalhoLongo, &c);
             } catch (const EInterrompido&) {
                 return true;
             }
             return false;
         }},
        {"rótulos, um passo por padrão", 700, 0,
         [&](TControle& c) { return !rotulosDosPadroes(distintos, &c).has_value(); }},
        // 20,000 x 100 x 10 is split between two threads, each stepping every 64 patterns.
        {"medida dos erros", 40, 2,
         [&](TControle& c) {
             return !medeErros(dezPorDez.pesosDoMapa(), 100, 10, distintos,
                               dezPorDez.matrizDistancias, &c)
                         .has_value();
         }},
    };
    for (const Fase& f : fases) {
        SCOPED_TRACE(f.nome);
        TControle controle;
        controle.pedeParadaNoPasso = f.pedidoNoPasso;
        EXPECT_TRUE(f.executa(controle)) << "a fase foi até o fim";
        EXPECT_GE(controle.passos(), f.pedidoNoPasso);
        EXPECT_LE(controle.passos(), f.pedidoNoPasso + f.passosAlemDoPedido);
    }
}

// The training sees the request made at the end of a cycle before it presents another pattern.
TEST(Parada, treinoParaAntesDoPadraoSeguinte) {
    for (const int threads : {1, 2}) {
        SCOPED_TRACE(threads);
        TRede rede = mapa(12, 10);
        rede.entradas = padroesDistintos(3000, 10);
        rede.taxaAprendizado = 0.1;
        rede.taxaEvolucao = 100;
        rede.raio = 2;
        rede.defineThreads(threads);
        TControle controle;
        const bool completo = rede.ativaRede(
            true, 49,
            [&](double, std::int32_t ciclo, std::int32_t) {
                if (ciclo == 2) controle.parar.store(true);
            },
            &controle);
        EXPECT_FALSE(completo);
        EXPECT_EQ(controle.ciclos.load(), 2);
        EXPECT_LE(controle.padroes.load(), 1);
    }
}

}  // namespace

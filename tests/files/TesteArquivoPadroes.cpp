// The pattern file: its header, its pattern lines and the ways a file can be malformed.

#include <gtest/gtest.h>

#include <malloc.h>

#include <string>
#include <vector>

#include "../comum/ArquivoTemporario.h"
#include "UArquivoPadroes.h"
#include "UErros.h"
#include "ULimites.h"
#include "UNumeros.h"

namespace {

class ArquivoPadroes : public ::testing::Test {
  protected:
    void SetUp() override { defineSeparadorDecimal(','); }

    TPadroes le(std::string_view bytes, std::int32_t n, std::int32_t d) {
        TPadroes entradas;
        inicializaEntradas(pasta.escreve("p.txt", bytes), n, d, entradas);
        return entradas;
    }

    std::string falha(std::string_view bytes, std::int32_t n, std::int32_t d) {
        try {
            le(bytes, n, d);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "(sem falha)";
    }

    PastaTemporaria pasta;
};

TEST_F(ArquivoPadroes, cabecalhoSeparaNeD) {
    struct Caso {
        const char* linha;
        const char* n;
        const char* d;
    };
    const Caso casos[] = {{"150|4#", "150", "4"},
                          {"2|3#resto|ignorado#", "2", "3"},
                          {"|#", "", ""},
                          {" 7 |x#", " 7 ", "x"},
                          {"1|2|3#", "1", "2|3"}};
    for (const Caso& c : casos) {
        const TCabecalhoPadroes cab = separaCabecalhoPadroes(c.linha);
        EXPECT_EQ(cab.n, c.n) << c.linha;
        EXPECT_EQ(cab.d, c.d) << c.linha;
    }
    for (const char* ruim : {"150", "150#4", "1504#|", ""})
        EXPECT_THROW(separaCabecalhoPadroes(ruim), EFormatoArquivo) << ruim;
}

TEST_F(ArquivoPadroes, cabecalhoLidoDoArquivo) {
    const TCabecalhoPadroes cab = leCabecalhoPadroes(pasta.escreve("c.txt", "3|2#\r\n1|2|a#\r\n"));
    EXPECT_EQ(cab.n, "3");
    EXPECT_EQ(cab.d, "2");
    EXPECT_THROW(leCabecalhoPadroes(pasta.arquivo("nada.txt")), EEntradaSaida);
}

TEST_F(ArquivoPadroes, exemploDeDoisPadroes) {
    const auto e = le("2|3#\n1|2|3|a#\n4|5|6|b#\n", 2, 3);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].getValor(0), 1.0);
    EXPECT_EQ(e[0].getValor(2), 3.0);
    EXPECT_EQ(e[1].getValor(1), 5.0);
    EXPECT_EQ(e[0].getRotulo(), "a");
    EXPECT_EQ(e[1].getRotulo(), "b");
    EXPECT_EQ(e[1].getQtdValores(), 3);
}

TEST_F(ArquivoPadroes, rotulosEValoresDecimais) {
    const auto e =
        le("3|2#\r\n5,1|-0,25|x|y#\r\n1|2|# depois do fim\r\n,5|1E2|p17#\r\nnunca lida\r\n", 3, 2);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].getValor(0), 5.1);
    EXPECT_EQ(e[0].getValor(1), -0.25);
    EXPECT_EQ(e[0].getRotulo(), "x|y");
    EXPECT_EQ(e[1].getRotulo(), "");
    EXPECT_EQ(e[2].getValor(0), 0.5);
    EXPECT_EQ(e[2].getValor(1), 100.0);
    EXPECT_EQ(e[2].getRotulo(), "p17");
}

TEST_F(ArquivoPadroes, dimensaoZeroENenhumPadrao) {
    const auto e = le("2|0#\nsó rótulo#\n#\n", 2, 0);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].getRotulo(), "só rótulo");
    EXPECT_EQ(e[0].getQtdValores(), 0);
    EXPECT_EQ(e[1].getRotulo(), "");
    EXPECT_TRUE(le("0|4#\nlixo\n", 0, 4).empty());
}

TEST_F(ArquivoPadroes, falhasDaLeituraCompleta) {
    struct Caso {
        const char* bytes;
        std::int32_t n, d;
        const char* mensagem;
    };
    const Caso casos[] = {
        {"1|2#\n1.5|2|a#\n", 1, 2, "'1.5' is not a valid floating point value"},
        {"1|2#\n1|2a#\n", 1, 2,
         "Linha 2 do arquivo de padrões: falta o separador \"|\" depois do valor 2."},
        {"1|2#\n1|2|a\n", 1, 2,
         "Linha 2 do arquivo de padrões: falta o separador \"#\" depois do rótulo."},
        {"3|1#\n1|a#\n2|b#\n", 3, 1,
         "Linha 4 do arquivo de padrões: falta o separador \"|\" depois do valor 1."},
        {"1|1#\n1E400|a#\n", 1, 1, "Floating point overflow"},
        {"1|0#\nsem cerquilha\n", 1, 0,
         "Linha 2 do arquivo de padrões: falta o separador \"#\" depois do rótulo."},
    };
    for (const Caso& c : casos) EXPECT_EQ(falha(c.bytes, c.n, c.d), c.mensagem) << c.bytes;
}

TEST_F(ArquivoPadroes, padroesLidosAntesDaFalhaFicam) {
    TPadroes entradas;
    const std::string caminho = pasta.escreve("f.txt", "3|1#\n1|a#\n2|b#\nx|c#\n");
    EXPECT_THROW(inicializaEntradas(caminho, 3, 1, entradas), EConversao);
    ASSERT_EQ(entradas.size(), 2u);
    EXPECT_EQ(entradas[1].getRotulo(), "b");
}

TEST_F(ArquivoPadroes, cabecalhoQueAnunciaBilhoesNaoReservaMemoria) {
    // Two billion patterns of a million values announced, three lines present: the read fails at
    // the first missing line, having held only what the file really has.
    TPadroes entradas;
    const std::string caminho = pasta.escreve("g.txt", "2000000000|1#\n1|a#\n2|b#\n");
    EXPECT_THROW(inicializaEntradas(caminho, 2000000000, 1, entradas), EFormatoArquivo);
    EXPECT_EQ(entradas.size(), 2u);
    const std::string largo = pasta.escreve("h.txt", "1|1000000000#\n1|2|3#\n");
    EXPECT_THROW(inicializaEntradas(largo, 1, 1000000000, entradas), EFormatoArquivo);
}

#ifndef NORVIKA_ALOCADOR_INSTRUMENTADO  // a sanitizer's allocator is not the one being measured
// Small blocks come from the heap, large ones (the values) are mapped apart.
std::size_t memoriaEmUso() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

TEST_F(ArquivoPadroes, padroesNaoPassamDoTetoDeMemoria) {
    // The memory really held when the ceiling stops the read stays within it (the growth of the
    // values' block, which briefly holds two blocks, is kept within it too, so the read may stop
    // well before it).
    constexpr std::uint64_t kTeto = 8 << 20;
    std::string texto = "2000000000|1#\n";
    for (int i = 0; i < 1200000; ++i) texto += "1|#\n";
    const std::string caminho = pasta.escreve("curtos.txt", texto);
    defineLimiteMemoriaDados(kTeto);
    const std::size_t antes = memoriaEmUso();
    TPadroes entradas;
    EXPECT_THROW(inicializaEntradas(caminho, 2000000000, 1, entradas), EMemoriaInsuficiente);
    const std::size_t usados = memoriaEmUso() - antes;
    defineLimiteMemoriaDados(0);
    EXPECT_LE(usados, kTeto * 11 / 10);
    EXPECT_GE(usados, kTeto / 3) << "o teto parou a leitura cedo demais";
}

TEST_F(ArquivoPadroes, padroesOcupamPoucoMaisQueSeusBytes) {
    // 200,000 patterns of two values and a two-character label: 3.6 MB of values and labels,
    // which used to take eight times that as one record each.
    std::string texto = "200000|2#\n";
    for (int i = 0; i < 200000; ++i)
        texto += std::to_string(i % 97) + "|0,5|g" + std::to_string(i % 10) + "#\n";
    const std::string caminho = pasta.escreve("pequenos.txt", texto);
    const std::size_t antes = memoriaEmUso();
    TPadroes entradas;
    ASSERT_TRUE(inicializaEntradas(caminho, 200000, 2, entradas));
    const std::size_t usados = memoriaEmUso() - antes;
    EXPECT_LE(usados, 200000 * (2 * 8 + 2) * 115 / 100 + (256 << 10));
}
#endif

}  // namespace

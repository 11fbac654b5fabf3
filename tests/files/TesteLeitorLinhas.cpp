// The line rules that both file formats share.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "../comum/ArquivoTemporario.h"
#include "UErros.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"

namespace {

std::vector<std::string> leLinhas(const std::string& caminho, std::size_t quantas) {
    TLeitorLinhas leitor(caminho);
    std::vector<std::string> linhas;
    for (std::size_t i = 0; i < quantas; ++i) linhas.emplace_back(leitor.proximaLinha());
    return linhas;
}

struct CasoLinhas {
    const char* nome;
    std::string bytes;
    std::vector<std::string> linhas;  // then two empty lines past the end
};

void PrintTo(const CasoLinhas& c, std::ostream* os) {
    *os << c.nome;
}

class LeitorLinhas : public ::testing::TestWithParam<CasoLinhas> {};

TEST_P(LeitorLinhas, separaAsLinhasPelasRegras) {
    const CasoLinhas& c = GetParam();
    PastaTemporaria pasta;
    const std::string caminho = pasta.escreve("a.txt", c.bytes);
    std::vector<std::string> esperadas = c.linhas;
    esperadas.emplace_back();
    esperadas.emplace_back();
    EXPECT_EQ(leLinhas(caminho, esperadas.size()), esperadas);
}

INSTANTIATE_TEST_SUITE_P(
    Regras, LeitorLinhas,
    ::testing::Values(CasoLinhas{"lf", "a\nb\n", {"a", "b"}},
                      CasoLinhas{"crlf", "a\r\nb\r\n", {"a", "b"}},
                      CasoLinhas{"misturado", "a\r\nb\nc", {"a", "b", "c"}},
                      CasoLinhas{"crSoltoSomeENaoTermina", "a\rb\nc\r", {"ab", "c"}},
                      CasoLinhas{"crDuplo", "a\r\r\nb", {"a", "b"}},
                      CasoLinhas{"ctrlZTerminaOTexto",
                                 "ab\x1a"
                                 "cd\nef\n",
                                 {"ab", "ef"}},
                      CasoLinhas{"ctrlZNoInicio", "\x1a\nx", {"", "x"}},
                      CasoLinhas{"linhasVazias", "\n\n", {"", ""}},
                      CasoLinhas{"ultimaSemFim", "12|3#", {"12|3#"}},
                      CasoLinhas{"arquivoVazio", "", {}},
                      CasoLinhas{"bytesAltos", "r\xf3tulo\xff\n", {"r\xf3tulo\xff"}},
                      CasoLinhas{"nulo", std::string("a\0b\n", 4), {std::string("a\0b", 3)}}),
    [](const ::testing::TestParamInfo<CasoLinhas>& i) { return i.param.nome; });

TEST(LeitorLinhasLongas, linhaMaiorQueOBufferChegaInteira) {
    PastaTemporaria pasta;
    std::string longa(5'000'000, 'x');
    longa[4'999'999] = 'y';
    const std::string caminho = pasta.escreve("longa.txt", "cab\r\n" + longa + "\r\nfim");
    const auto linhas = leLinhas(caminho, 4);
    EXPECT_EQ(linhas[0], "cab");
    EXPECT_EQ(linhas[1], longa);
    EXPECT_EQ(linhas[2], "fim");
    EXPECT_EQ(linhas[3], "");
}

TEST(LeitorLinhasLongas, muitasLinhasAtravessamOsBlocos) {
    PastaTemporaria pasta;
    std::string texto;
    for (int i = 0; i < 300000; ++i) texto += std::to_string(i) + (i % 3 ? "\n" : "\r\n");
    const std::string caminho = pasta.escreve("muitas.txt", texto);
    TLeitorLinhas leitor(caminho);
    for (int i = 0; i < 300000; ++i) ASSERT_EQ(leitor.proximaLinha(), std::to_string(i));
    EXPECT_EQ(leitor.proximaLinha(), "");
}

// The classic window's messages stay as they were; the laboratory and the tools say the same
// failures in Portuguese, naming the file.
TEST(LeitorLinhasFalhas, mensagensDoSistema) {
    PastaTemporaria pasta;
    auto mensagens = [](const std::string& caminho) {
        try {
            TLeitorLinhas leitor(caminho);
        } catch (const EEntradaSaida& e) {
            return std::pair(std::string(e.what()), mensagemDaFalha(e, caminho));
        }
        return std::pair(std::string("(abriu)"), std::string());
    };
    const std::string fifo = pasta.arquivo("fila");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string caminho, classica, portugues;
    } casos[] = {
        {pasta.arquivo("nao-existe.txt"), "File not found", "o arquivo não existe."},
        {pasta.arquivo("pasta-que-falta/a.txt"), "Invalid filename", "a pasta não existe."},
        {pasta.caminho().string(), "I/O error 21", "é uma pasta."},
        // a pipe would block the window
        {fifo, "File access denied",
         "não é um arquivo comum (é um pipe, um dispositivo ou um socket)."},
    };
    for (const auto& c : casos) {
        const auto [classica, portugues] = mensagens(c.caminho);
        EXPECT_EQ(classica, c.classica);
        EXPECT_EQ(portugues, "Não foi possível ler \"" + c.caminho + "\": " + c.portugues);
    }
    const auto falhaDe = [](const char* texto) {
        try {
            textoParaDouble(texto, ',');
        } catch (const EConversao& e) {
            return e;
        }
        return EConversao("");
    };
    EXPECT_EQ(mensagemDaFalha(falhaDe("?"), "p.txt"), "\"p.txt\": \"?\" não é um número.");
}

TEST(ArquivoExiste, soArquivosContam) {
    PastaTemporaria pasta;
    EXPECT_TRUE(arquivoExiste(pasta.escreve("a", "x")));
    EXPECT_FALSE(arquivoExiste(pasta.arquivo("b")));
    EXPECT_FALSE(arquivoExiste(pasta.caminho().string()));
    EXPECT_FALSE(arquivoExiste(""));
}

}  // namespace

namespace {

// A header is read as far as its fields (and a few characters more) need, by the same line rules,
// and the reading goes on at line 2.
TEST(LeitorLinhas, cabecalhoLidoSoAteOndePrecisa) {
    struct Caso {
        const char* nome;
        std::string bytes;
        int barras;
        std::size_t depois;
        std::string esperado;
    };
    const std::string longo(TLeitorLinhas::kCampoMaximo + 5, '0');
    const Caso casos[] = {
        {"campos e nomes", "150|4#  a|b|c|d e mais\r\nlinha 2", 1, 9, "150|4#  a|b|c|d"},
        {"o # antes do | faz parte do campo", "1#|2#x\nlinha 2", 1, 0, "1#|2#"},
        {"seis | e o # da rede", "3|4|2|1|G#RID|150|2#resto\nlinha 2", 6, 0,
         "3|4|2|1|G#RID|150|2#"},
        {"CR descartado, Ctrl-Z encerra", "1\r2|3\x1a#\nlinha 2", 1, 0, "12|3"},
        {"linha sem #", "12|3\nlinha 2", 1, 5, "12|3"},
        {"campo longo vira ?", longo + "|7#\nlinha 2", 1, 0, "?|7#"},
    };
    PastaTemporaria pasta;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        TLeitorLinhas leitor(pasta.escreve("c.txt", c.bytes));
        EXPECT_EQ(leitor.proximoCabecalho(c.barras, c.depois), c.esperado);
        EXPECT_EQ(leitor.proximaLinha(), "linha 2");
        EXPECT_EQ(leitor.numeroLinha(), 2);
    }
}

}  // namespace

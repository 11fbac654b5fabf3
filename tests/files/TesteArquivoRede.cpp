// The trained-network file: header, weight lines, the round trip and a save that cannot destroy.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cfloat>
#include <csignal>
#include <filesystem>
#include <string>

#include "../comum/ArquivoTemporario.h"
#include "UArquivoRede.h"
#include "UErros.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"

namespace {

class ArquivoRede : public ::testing::Test {
  protected:
    void SetUp() override { defineSeparadorDecimal(','); }

    // A 2 x 3 map of 2 weights with known values.
    static TRede redePequena() {
        TRede rede;
        rede.qtdLinhas = 2;
        rede.qtdColunas = 3;
        rede.dimensao = 2;
        rede.qtdPadroes = 150;
        TGeradorAleatorio g(1);
        rede.inicializaNeuronios(g, "GRID");
        const double pesos[6][2] = {{0.123, -0.4}, {1.0 / 3.0, 2.0 / 3.0},
                                    {1e-5, 0.0},   {-2.5e-10, 1e20},
                                    {0.5, -0.0},   {12345.678, 7}};
        for (int a = 0; a < 6; ++a)
            for (int k = 0; k < 2; ++k) rede.neuronio(a / 3, a % 3).setPeso(k, pesos[a][k]);
        return rede;
    }

    PastaTemporaria pasta;
};

TEST_F(ArquivoRede, cabecalhoDeSeteCampos) {
    const TCabecalhoRede c = separaCabecalhoRede("3|4|2|1|GRID|150|2#");
    EXPECT_EQ(c.linhas, 3);
    EXPECT_EQ(c.colunas, 4);
    EXPECT_EQ(c.dimensao, 2);
    EXPECT_EQ(c.raio, 1);
    EXPECT_EQ(c.vizinhanca, "GRID");
    EXPECT_EQ(c.qtdPadroes, 150);
    EXPECT_EQ(separaCabecalhoRede("1|1|9|0|MANHATTAN|0|3#lixo").dimensao, 3);  // field 7 wins
    EXPECT_EQ(separaCabecalhoRede("15|2|1|999|qualquer|-1|1#").raio, 999);     // no range check
    EXPECT_EQ(separaCabecalhoRede("1|1|1|0||0|1#").vizinhanca, "");
}

TEST_F(ArquivoRede, cabecalhosMalformados) {
    const char* ruins[] = {"3|4|2|1|GRID|150|2",   "3|4|2|1|GRID|150#",
                           "3;4|2|1|GRID|150|2#",  "3|4|2|1,5|GRID|150|2#",
                           "0|4|2|1|GRID|150|2#",  "3|-4|2|1|GRID|150|2#",
                           "3|4|2|1|GRID|150|-2#", "",
                           "a|4|2|1|GRID|150|2#"};
    for (const char* ruim : ruins) {
        EXPECT_ANY_THROW(separaCabecalhoRede(ruim)) << ruim;
        try {
            separaCabecalhoRede(ruim);
        } catch (const EFormatoArquivo&) {
        } catch (const EConversao&) {
        } catch (...) {
            ADD_FAILURE() << "tipo de falha inesperado: " << ruim;
        }
    }
}

TEST_F(ArquivoRede, linhasDePesos) {
    TNeuronio n;
    n.setQtdPesos(3);
    lePesosNeuronio("0,5|-1,25|3#", 3, n);
    EXPECT_EQ(n.getPeso(0), 0.5);
    EXPECT_EQ(n.getPeso(1), -1.25);
    EXPECT_EQ(n.getPeso(2), 3.0);
    lePesosNeuronio("1#2#3|4|lixo", 3, n);  // either separator ends a weight; the rest is ignored
    EXPECT_EQ(n.getPeso(2), 3.0);
    EXPECT_THROW(lePesosNeuronio("1|2#", 3, n), EFormatoArquivo);
    EXPECT_THROW(lePesosNeuronio("1|2|3", 3, n), EFormatoArquivo);
    EXPECT_THROW(lePesosNeuronio("1|2.5|3#", 3, n), EConversao);
    lePesosNeuronio("", 0, n);
}

TEST_F(ArquivoRede, textoExatoComCrLf) {
    const TRede rede = redePequena();
    EXPECT_EQ(textoRede(rede, "1", "GRID"),
              "2|3|2|1|GRID|150|2#\r\n"
              "0,123|-0,4#\r\n"
              "0,333333333333333|0,666666666666667#\r\n"
              "1E-5|0#\r\n"
              "-2,5E-10|1E20#\r\n"
              "0,5|0#\r\n"
              "12345,678|7#\r\n");
}

TEST_F(ArquivoRede, idaEVoltaA15Digitos) {
    TRede rede;
    rede.qtdLinhas = 3;
    rede.qtdColunas = 4;
    rede.dimensao = 5;
    TGeradorAleatorio g(99);
    rede.inicializaNeuronios(g, "MANHATTAN");
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            for (int k = 0; k < 5; ++k)
                rede.neuronio(i, j).setPeso(
                    k, std::ldexp(1.0 / (3 + i * 20 + j * 5 + k), k * 40 - 80));
    const std::string caminho = pasta.arquivo("rede.cfg");
    salvaRede(caminho, rede, "3", "MANHATTAN");

    TRede lida;
    TGeradorAleatorio outro(5);
    const TCargaRede carga = carregaRede(caminho, "GRID", outro, lida);
    ASSERT_TRUE(carga.completa);
    const TCabecalhoRede& c = *carga.cabecalho;
    EXPECT_EQ(c.linhas, 3);
    EXPECT_EQ(c.colunas, 4);
    EXPECT_EQ(c.dimensao, 5);
    EXPECT_EQ(c.raio, 3);
    EXPECT_EQ(c.vizinhanca, "MANHATTAN");
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) {
            const TNeuronio& lido = lida.neuronio(i, j);
            for (int k = 0; k < 5; ++k) {
                const double original = rede.neuronio(i, j).getPeso(k);
                EXPECT_EQ(realParaTexto(lido.getPeso(k)), realParaTexto(original));
                EXPECT_NEAR(lido.getPeso(k), original, std::fabs(original) * 1e-14);
            }
        }
}

TEST_F(ArquivoRede, salvarSubstituiArquivoExistente) {
    const std::string caminho =
        pasta.escreve("rede.cfg", "conteúdo antigo e bem mais longo do que o novo\n");
    const TRede rede = redePequena();
    salvaRede(caminho, rede, "1", "GRID");
    EXPECT_EQ(PastaTemporaria::le(caminho), textoRede(rede, "1", "GRID"));
}

TEST_F(ArquivoRede, salvarQueFalhaNaoDestroiOArquivoAnterior) {
    const std::string antigo = "rede anterior\r\n";
    const std::string caminho = pasta.escreve("rede.cfg", antigo);
    TRede rede = redePequena();

    // The file-size limit makes every write beyond 8 bytes fail with EFBIG, as a full disk would.
    struct rlimit original {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit pequeno = original;
    pequeno.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
    EXPECT_THROW(salvaRede(caminho, rede, "1", "GRID"), EEntradaSaida);
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, sinalAnterior);

    EXPECT_EQ(PastaTemporaria::le(caminho), antigo);
    int arquivos = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(pasta.caminho()))
        ++arquivos;
    EXPECT_EQ(arquivos, 1) << "o arquivo temporário ficou para trás";
}

TEST_F(ArquivoRede, salvarNumaPastaQueNaoExisteFalha) {
    const TRede rede = redePequena();
    EXPECT_THROW(salvaRede(pasta.arquivo("falta/rede.cfg"), rede, "1", "GRID"), EEntradaSaida);
}

TEST_F(ArquivoRede, salvarAtravesDeUmLinkEscreveNoAlvo) {
    const std::string alvo = pasta.escreve("alvo.cfg", "x");
    const std::string link = pasta.arquivo("link.cfg");
    std::filesystem::create_symlink(alvo, link);
    const TRede rede = redePequena();
    salvaRede(link, rede, "1", "GRID");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(PastaTemporaria::le(alvo), textoRede(rede, "1", "GRID"));
}

TEST_F(ArquivoRede, oMaiorDoubleSalvoELidoDeVolta) {
    // Its 15-digit text lies above the double range; any larger magnitude still overflows.
    TRede rede = redePequena();
    rede.neuronio(0, 0).setPeso(0, DBL_MAX);
    rede.neuronio(0, 0).setPeso(1, -DBL_MAX);
    const std::string caminho = pasta.arquivo("maior.cfg");
    salvaRede(caminho, rede, "1", "GRID");
    TLeitorLinhas leitor(caminho);
    leitor.proximaLinha();
    TNeuronio lido;
    lido.setQtdPesos(2);
    lePesosNeuronio(leitor.proximaLinha(), 2, lido);
    EXPECT_EQ(lido.getPeso(0), DBL_MAX);
    EXPECT_EQ(lido.getPeso(1), -DBL_MAX);
    EXPECT_THROW(lePeso("1,79769313486233E308"), EEstouroReal);
    EXPECT_THROW(lePeso("-1,7976931348624E308"), EEstouroReal);
    EXPECT_EQ(lePeso("1,79769313486231E308"), 1.79769313486231E308);
}

// A save replaces an ordinary file through a temporary one, but writes in place what a rename
// would break, and refuses what is not a file.
TEST_F(ArquivoRede, salvarPreservaLinksEAlvosERecusaDispositivos) {
    const TRede rede = redePequena();
    const std::string esperado = textoRede(rede, "1", "GRID");

    // A second name of the file sees the new contents.
    const std::string original = pasta.escreve("original.cfg", "antigo");
    const std::string outroNome = pasta.arquivo("outro-nome.cfg");
    std::filesystem::create_hard_link(original, outroNome);
    salvaRede(original, rede, "1", "GRID");
    EXPECT_EQ(PastaTemporaria::le(outroNome), esperado);
    EXPECT_EQ(std::filesystem::hard_link_count(original), 2u);

    // A link to a file that does not exist yet: the file is made, the link stays a link.
    const std::string link = pasta.arquivo("pendente.cfg");
    std::filesystem::create_symlink(pasta.arquivo("criado.cfg"), link);
    salvaRede(link, rede, "1", "GRID");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(PastaTemporaria::le(pasta.arquivo("criado.cfg")), esperado);

    // A device or a named pipe is refused, and nothing is written (nor does the save block).
    EXPECT_THROW(salvaRede("/dev/null", rede, "1", "GRID"), EArquivoEspecial);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    const std::string pipe = pasta.arquivo("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(salvaRede(pipe, rede, "1", "GRID"), EArquivoEspecial);
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));

    // A folder where no file may be made: the writable file in it is written in place (root may
    // make files anywhere, and then the ordinary way is taken).
    const std::filesystem::path fechada = pasta.caminho() / "fechada";
    std::filesystem::create_directory(fechada);
    const std::string nela = pasta.escreve("fechada/rede.cfg", "antigo");
    std::filesystem::permissions(
        fechada, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_NO_THROW(salvaRede(nela, rede, "1", "GRID"));
    std::filesystem::permissions(fechada, std::filesystem::perms::owner_all);
    EXPECT_EQ(PastaTemporaria::le(nela), esperado);

    // Another user's file keeps its owner (only root can make one to try).
    if (::geteuid() == 0) {
        const std::string alheio = pasta.escreve("alheio.cfg", "antigo");
        ASSERT_EQ(::chown(alheio.c_str(), 4321, 4321), 0);
        salvaRede(alheio, rede, "1", "GRID");
        struct stat st {};
        ASSERT_EQ(::stat(alheio.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4321u);
        EXPECT_EQ(PastaTemporaria::le(alheio), esperado);
    }
}

TEST_F(ArquivoRede, dimensaoZeroDaLinhasVazias) {
    TRede rede;
    rede.qtdLinhas = 1;
    rede.qtdColunas = 2;
    rede.dimensao = 0;
    TGeradorAleatorio g(1);
    rede.inicializaNeuronios(g, "GRID");
    EXPECT_EQ(textoRede(rede, "0", "GRID"), "1|2|0|0|GRID|0|0#\r\n\r\n\r\n");
}

}  // namespace

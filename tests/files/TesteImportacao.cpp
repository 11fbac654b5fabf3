// Tables brought in as pattern files: each format's small cases as the pattern file they give (or
// the message they get), the scaling against hand-computed values, and the round trip through the
// classic reader to the same bits as a pattern file written by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "../comum/ArquivoTemporario.h"
#include "../comum/Zip.h"
#include "UArquivoPadroes.h"
#include "UErros.h"
#include "UImportacao.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "UPadroes.h"
#include "UPlanilha.h"

namespace {

struct Caso {
    const char* nome;
    const char* arquivo;  // its extension picks the format
    std::string texto;
    std::function<void(TOpcoesImportacao&)> opcoes;
    std::string padroes;                 // the pattern file written; empty when it fails
    std::vector<std::string> relatorio;  // lines the report must hold (or the message's part)
};

const std::function<void(TOpcoesImportacao&)> kPadrao = [](TOpcoesImportacao&) {};

const Caso kCasos[] = {
    {"R write.csv: row names left out, quotes, header",
     "a.csv",
     "\"\",\"Sepal.Length\",\"Species\"\n\"1\",5.1,\"setosa\"\n\"2\",4.9,\"setosa\"\n",
     kPadrao,
     "2|1#Sepal.Length\n5,1|setosa#\n4,9|setosa#\n",
     {"separador: vírgula; marca decimal: ponto; cabeçalho: sim", "Colunas ignoradas: coluna 1"}},
    {"R write.csv2: semicolon, decimal comma, CR LF",
     "a.csv",
     "\"\";\"a\";\"b\";\"Species\"\r\n\"1\";5,1;3;\"setosa\"\r\n\"2\";-0,25;1e3;\"virginica\"\r\n",
     kPadrao,
     "2|2#a|b\n5,1|3|setosa#\n-0,25|1000|virginica#\n",
     {"separador: ponto e vírgula; marca decimal: vírgula"}},
    {"no header when every row is numeric where it counts",
     "a.csv",
     "5.1,3.5,Iris-setosa\n4.9,3.0,Iris-setosa\n",
     kPadrao,
     "2|2#coluna 1|coluna 2\n5,1|3,5|Iris-setosa#\n4,9|3|Iris-setosa#\n",
     {"cabeçalho: não"}},
    {"tab, byte order mark, CR alone, no label",
     "a.tsv",
     "\xEF\xBB\xBFx\ty\r1\t2\r3\t4",
     kPadrao,
     "2|2#x|y\n1|2|#\n3|4|#\n",
     {"separador: tabulação", "Rótulo: nenhum"}},
    {"quotes: doubled, separator and line break inside, | kept, # blanked",
     "a.csv",
     "v,nome\n1,\"a \"\"b\"\", c\nd\"\n2,\"x|y#z\"\n",
     kPadrao,
     "2|1#v\n1|a \"b\", c d#\n2|x|y z#\n",
     {"Linhas lidas: 2"}},
    {"runs of blanks, leading and trailing",
     "a.txt",
     "  1.5   2\tum \n-3  4.25\tdois\n",
     kPadrao,
     "2|2#coluna 1|coluna 2\n1,5|2|um#\n-3|4,25|dois#\n",
     {"separador: espaços"}},
    {"Windows-1252 text becomes UTF-8",
     "a.csv",
     "n;r\n1;a\xE7\xE3o\n2;caf\xE9\n",
     kPadrao,
     "2|1#n\n1|ação#\n2|café#\n",
     {"codificação: Windows-1252"}},
    {"missing values drop their rows",
     "a.csv",
     "a,b,r\n1,NA,p\n2,3,q\n,4,s\n5,?,t\n6,7,u\n",
     kPadrao,
     "2|2#a|b\n2|3|q#\n6|7|u#\n",
     {"Valores ausentes em \"b\": 2", "Valores ausentes em \"a\": 1",
      "Linhas descartadas por valores ausentes: 3"}},
    {"missing values take the column's mean",
     "a.csv",
     "a,b\n1,NaN\n2,3\nx,5\n",
     [](TOpcoesImportacao& o) { o.ausentes = TAusentes::media; },
     "3|2#a|b\n1|4|#\n2|3|#\n1,5|5|#\n",
     {"Valores ausentes preenchidos com a média da coluna: 2"}},
    {"label and ignored columns chosen by name and number",
     "a.csv",
     "id,a,b,c\n7,1,2,x\n8,3,4,y\n",
     [](TOpcoesImportacao& o) {
         o.rotulo = "1";
         o.ignorar = {"b"};
     },
     "2|1#a\n1|7#\n3|8#\n",
     {"Rótulo: id", "Colunas ignoradas: b, c"}},
    {"ragged row",
     "a.csv",
     "a,b\n1,2\n3\n",
     kPadrao,
     "",
     {"Linha 3: 1 campos, mas a tabela tem 2 colunas."}},
    {"text in a numeric column",
     "a.csv",
     "a,b\n1,2\n3,4\n5,6\n7,abc\n",
     kPadrao,
     "",
     {"Linha 5, coluna 2 (\"b\"): \"abc\" não é um número."}},
    {"a thousands separator is refused",
     "a.csv",
     "a;b\n1.234,5;2\n3;4\n",
     kPadrao,
     "",
     {"separador de milhar"}},
    {"empty file", "a.csv", "", kPadrao, "", {"vazio"}},
    {"an unclosed quote is not the rest of the file",
     "a.csv",
     "a,b,c\n1,2,\"x\n3,4,y\n5,6,z\n",
     kPadrao,
     "",
     {"Linha 2: as aspas abertas nesta linha não se fecham até o fim do arquivo."}},
    {"every row discarded",
     "a.csv",
     "a,b\n1,NA\n?,2\n",
     kPadrao,
     "",
     {"Nenhum padrão restou depois de descartar as linhas com valores ausentes."}},
    {"no numeric column", "a.csv", "a,b\nx,y\n", kPadrao, "", {"nenhuma coluna numérica"}},

    {"SOM_PAK: names, comments, missing, keywords",
     "a.dat",
     "# dados\n3\n#n alfa beta gama\n1 2 3 um\n0.5 x 1 dois weight=2\n4 5 6 fixed=1,2\n",
     kPadrao,
     "2|3#alfa|beta|gama\n1|2|3|um#\n4|5|6|#\n",
     {"Formato: SOM_PAK", "Linhas descartadas por valores ausentes: 1", "weight="}},
    {"SOM_PAK: short line",
     "a.dat",
     "3\n1 2\n",
     kPadrao,
     "",
     {"Linha 2: 2 valores, mas a dimensão é 3."}},
    {"SOM_PAK: no dimension", "a.dat", "abc\n1 2\n", kPadrao, "", {"Linha 1:", "dimensão"}},
    {"SOM_PAK: lines ended by CR alone",
     "a.dat",
     "3\r1 2 3\r4 5 6\r",
     kPadrao,
     "",
     {"terminam só com CR"}},
    {"an exponent without digits is not a number",
     "a.csv",
     "a,b\n1,2\n3,4\n5,1e\n",
     kPadrao,
     "",
     {"Linha 4, coluna 2 (\"b\"): \"1e\" não é um número."}},

    {"ARFF: quoted names, nominal label, comments, case",
     "a.arff",
     "% iris\n@RELATION iris\n@attribute 'sepal length' REAL\n@Attribute largura numeric\n"
     "@attribute class {Iris-setosa,'Iris virginica'}\n\n@DATA\n% primeira\n5.1, 3.5, Iris-setosa\n"
     "6.3,?,'Iris virginica'\n4.9,3,'Iris virginica'\n",
     kPadrao,
     "2|2#sepal length|largura\n5,1|3,5|Iris-setosa#\n4,9|3|Iris virginica#\n",
     {"Formato: ARFF", "Rótulo: class", "Linhas descartadas por valores ausentes: 1"}},
    {"ARFF: wrong count of values",
     "a.arff",
     "@relation r\n@attribute a numeric\n@data\n1,2\n",
     kPadrao,
     "",
     {"Linha 4: 2 valores, mas o ARFF declara 1 atributos."}},
    {"ARFF: no data section",
     "a.arff",
     "@relation r\n@attribute a numeric\n",
     kPadrao,
     "",
     {"@data"}},
};

class Importacao : public ::testing::TestWithParam<Caso> {};

TEST_P(Importacao, DaOArquivoDePadroesOuAMensagem) {
    const Caso& c = GetParam();
    PastaTemporaria pasta;
    const std::string entrada = pasta.escreve(c.arquivo, c.texto);
    const std::string saida = pasta.arquivo("padroes.txt");
    TOpcoesImportacao opcoes;
    c.opcoes(opcoes);
    std::string textoDoRelatorio;
    try {
        const TImportacao t = importaTabela(entrada, opcoes);
        gravaPadroes(t, saida);
        for (const std::string& l : relatorioDaImportacao(t)) textoDoRelatorio += l + "\n";
        EXPECT_FALSE(c.padroes.empty()) << "imported, but should have failed:\n"
                                        << textoDoRelatorio;
        EXPECT_EQ(PastaTemporaria::le(saida), c.padroes);
    } catch (const EImportacao& e) {
        textoDoRelatorio = e.what();
        EXPECT_TRUE(c.padroes.empty()) << e.what();
        EXPECT_FALSE(std::filesystem::exists(saida));
    }
    for (const std::string& parte : c.relatorio)
        EXPECT_NE(textoDoRelatorio.find(parte), std::string::npos) << parte << "\n in:\n"
                                                                   << textoDoRelatorio;
}

INSTANTIATE_TEST_SUITE_P(Formatos, Importacao, ::testing::ValuesIn(kCasos),
                         [](const auto& i) { return "caso" + std::to_string(i.index); });

// The values of a pattern file as the classic reader gets them.
std::vector<double> valoresLidos(const std::string& caminho, std::int32_t n, std::int32_t d) {
    TPadroes padroes;
    EXPECT_TRUE(inicializaEntradas(caminho, n, d, padroes));
    std::vector<double> v;
    for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t k = 0; k < d; ++k)
            v.push_back(padroes[static_cast<std::size_t>(i)].getValor(k));
    return v;
}

TEST(Importacao, TabelaDeMilharesDeColunasTemCabecalhoMaiorQueAPrimeiraOlhada) {
    std::string cabecalho, linha;
    for (int k = 0; k < 20000; ++k) {
        cabecalho += (k > 0 ? ",c" : "c") + std::to_string(k);
        linha += (k > 0 ? ",1." : "1.") + std::to_string(k % 10);
    }
    PastaTemporaria pasta;
    const TImportacao t = importaTabela(
        pasta.escreve("larga.csv", cabecalho + "\n" + linha + "\n" + linha + "\n"), {});
    EXPECT_EQ(t.padroes(), 2u);
    EXPECT_EQ(t.dimensao(), 20000);
    EXPECT_EQ(t.colunas[19999].nome, "c19999");
}

// Spreadsheets of a few kilobytes that once cost minutes or gigabytes, and formulas that were
// never computed: each is refused with its reason, or read with its note, within the allowance.
struct CasoPlanilha {
    const char* nome;
    std::uint64_t limiteMiB;
    std::function<TPartesZip()> partes;
    const char* arquivo;
    std::string espera;  // a part of the message, or of the report when it imports
};

std::string linhas(std::string_view linha, int vezes) {
    std::string s;
    for (int i = 0; i < vezes; ++i) s += linha;
    return s;
}

const std::string kFolha =
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
    "main\"><sheetData>";
const std::string kFimFolha = "</sheetData></worksheet>";
const std::string kConteudo =
    "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
    "<office:spreadsheet><table:table table:name=\"A\">";
const std::string kFimConteudo =
    "</table:table></office:spreadsheet></office:body>"
    "</office:document-content>";

TPartesZip comFolha(std::string folha) {
    TPartesXlsx x;
    x.folha = std::move(folha);
    return x.partes();
}

const CasoPlanilha kPlanilhas[] = {
    {"a long comment is read in linear time", 256,
     [] {
         TPartesXlsx x;
         x.folha.insert(x.folha.find("<sheetData>"), "<!--" + std::string(12 << 20, 'x') + "-->");
         return x.partes();
     },
     "a.xlsx", "padrões: 2"},
    {"a token of more than 16 MiB", 256,
     [] {
         TPartesXlsx x;
         x.folha.insert(x.folha.find("<sheetData>"), "<!--" + std::string(40 << 20, 'x') + "-->");
         return x.partes();
     },
     "a.xlsx", "tem um elemento de mais de 16 MiB"},
    {"rows padded out to the last column", 256,
     [] {
         return comFolha(kFolha + linhas("<row><c r=\"XFD1\"><v>1</v></c></row>", 5000) +
                         kFimFolha);
     },
     "a.xlsx", "não cabe na memória que o programa se permite usar com ela"},
    {"a row of 16,384 cells repeated a million times", 256,
     [] {
         return TPartesZip{
             {"content.xml",
              kConteudo +
                  "<table:table-row table:number-rows-repeated=\"1048576\"><table:table-cell "
                  "table:number-columns-repeated=\"16384\" office:value-type=\"float\" "
                  "office:value=\"1\"/></table:table-row>" +
                  kFimConteudo}};
     },
     "a.ods", "não cabe na memória que o programa se permite usar com ela"},
    {"a cell of spaces, repeated", 256,
     [] {
         return TPartesZip{
             {"content.xml",
              kConteudo +
                  "<table:table-row table:number-rows-repeated=\"1000\"><table:table-cell "
                  "table:number-columns-repeated=\"1000\"><text:p>" +
                  linhas("<text:s text:c=\"1000\"/>", 1650) +
                  "</text:p></table:table-cell>"
                  "</table:table-row>" +
                  kFimConteudo}};
     },
     "a.ods", "não cabe na memória que o programa se permite usar com ela"},
    {"elements nested 300 deep", 256,
     [] { return comFolha(kFolha + linhas("<a>", 300) + linhas("</a>", 300) + kFimFolha); },
     "a.xlsx", "aninhados a mais de 256 níveis"},
    {"more sheets than any spreadsheet program makes", 256,
     [] {
         TPartesXlsx x;
         x.livro.insert(x.livro.find("</sheets>"),
                        linhas("<sheet name=\"x\" sheetId=\"2\" r:id=\"rId2\"/>", 10000));
         return x.partes();
     },
     "a.xlsx", "mais de 10000 planilhas"},
    {"a part inflating past the allowance", 32,
     [] { return comFolha(kFolha + std::string(40 << 20, ' ') + kFimFolha); }, "a.xlsx",
     "descomprimido a mais de 32 MiB"},
    {"formulas without a cached value, as openpyxl writes them", 256,
     [] {
         TPartesXlsx x;
         x.folha.replace(x.folha.find("<v>1.5</v>"), 10, "<f>1+0.5</f><v></v>");
         return x.partes();
     },
     "a.xlsx", "1 fórmula sem valor calculado foi lida como valor ausente"},
    {"one empty column before the table, said in the singular", 256,
     [] {
         TPartesXlsx x;
         for (const char* c : {"C", "B", "A"})
             for (const char* r : {"1", "2", "3"}) {
                 const std::string de = std::string("r=\"") + c + r + "\"";
                 const std::string para = std::string("r=\"") + char(*c + 1) + r + "\"";
                 x.folha.replace(x.folha.find(de), de.size(), para);
             }
         return x.partes();
     },
     "a.xlsx", "A primeira coluna da planilha está vazia e foi ignorada."},
};

class Planilha : public ::testing::TestWithParam<CasoPlanilha> {};

TEST_P(Planilha, RecusaOQueNaoCabeOuAnotaOQueFalta) {
    const CasoPlanilha& c = GetParam();
    PastaTemporaria pasta;
    const std::string arquivo = pasta.arquivo(c.arquivo);
    escreveZip(arquivo, c.partes());
    defineLimiteMemoriaDados(c.limiteMiB << 20);
    std::string texto;
    try {
        const TImportacao t = importaTabela(arquivo, {});
        for (const std::string& l : relatorioDaImportacao(t)) texto += l + "\n";
    } catch (const std::exception& e) {
        texto = e.what();
    }
    defineLimiteMemoriaDados(0);
    EXPECT_NE(texto.find(c.espera), std::string::npos) << texto;
}

INSTANTIATE_TEST_SUITE_P(Hostis, Planilha, ::testing::ValuesIn(kPlanilhas),
                         [](const auto& i) { return "caso" + std::to_string(i.index); });

TEST(Importacao, PlanilhasGravadasPeloLibreOffice) {
    // flores.fods made by hand and saved by LibreOffice Calc as .xlsx and .ods: a title merged
    // over the columns, an empty row, dates, a formula, an empty cell, a second sheet.
    struct Folha {
        std::string planilha, rotulo, padroes;
    };
    const Folha casos[] = {
        {"", "", "2|3#comprimento|largura|área\n5,1|3,5|17,85|setosa#\n6,3|0,1|0,63|virginica#\n"},
        {"Medidas", "coletada",
         "2|3#comprimento|largura|área\n5,1|3,5|17,85|2024-03-01#\n6,3|0,1|0,63|2024-03-03#\n"},
        {"2", "", "2|1#coluna 1\n1|um#\n2|dois#\n"},
    };
    PastaTemporaria pasta;
    for (const char* arquivo : {"flores.xlsx", "flores.ods"})
        for (const Folha& c : casos) {
            TOpcoesImportacao o;
            o.planilha = c.planilha;
            if (!c.rotulo.empty()) o.rotulo = c.rotulo;
            const TImportacao t = importaTabela(std::string(NORVIKA_PLANILHAS) + "/" + arquivo, o);
            gravaPadroes(t, pasta.arquivo("p.txt"));
            EXPECT_EQ(PastaTemporaria::le(pasta.arquivo("p.txt")), c.padroes)
                << arquivo << " " << c.planilha;
            EXPECT_EQ(t.planilhas, (std::vector<std::string>{"Medidas", "Outra"})) << arquivo;
        }
    TOpcoesImportacao terceira;
    terceira.planilha = "3";
    EXPECT_THROW(importaTabela(std::string(NORVIKA_PLANILHAS) + "/flores.ods", terceira),
                 EImportacao);
}

TEST(Importacao, DatasDasPlanilhas) {
    const std::pair<double, const char*> casos[] = {
        {1, "1900-01-01"},
        {59, "1900-02-28"},
        {61, "1900-03-01"},
        {45352, "2024-03-01"},
        {45352.5, "2024-03-01 12:00:00"},
        {45352.999999, "2024-03-02"},
        {2958465, "9999-12-31"},
    };
    for (const auto& [serial, texto] : casos)
        EXPECT_EQ(textoDeData(serial, false), texto) << serial;
    EXPECT_EQ(textoDeData(0, true), "1904-01-01");
}

TEST(Importacao, EscalasConferemComAsContasFeitasAMao) {
    // The column 1, 2, 3, 4: min-max gives k/3; z uses the mean 2,5 and the sample deviation
    // sqrt(5/3), as R's scale(c(1, 2, 3, 4)): -1,161895003862225 -0,387298334620742 ...
    PastaTemporaria pasta;
    const std::string entrada = pasta.escreve("a.csv", "v,c,r\n1,7,a\n2,7,b\n3,7,c\n4,7,d\n");
    struct Esperado {
        TNormalizacao normalizacao;
        std::vector<double> v;
        const char* escala;
    };
    const Esperado casos[] = {
        {TNormalizacao::minmax,
         {0.0, 1.0 / 3.0, 2.0 / 3.0, 1.0},
         "#norvika-escala|1|minmax|1|3\n#norvika-escala|2|minmax|7|0\n"},
        {TNormalizacao::z,
         {-1.161895003862225, -0.387298334620742, 0.387298334620742, 1.161895003862225},
         "#norvika-escala|1|z|2,5|1,29099444873581\n#norvika-escala|2|z|7|0\n"},
    };
    for (const Esperado& e : casos) {
        TOpcoesImportacao o;
        o.normalizacao = e.normalizacao;
        const TImportacao t = importaTabela(entrada, o);
        const std::string saida = pasta.arquivo("p.txt");
        gravaPadroes(t, saida);
        const std::vector<double> lidos = valoresLidos(saida, 4, 2);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(lidos[2 * i], e.v[i], 1e-14);
            EXPECT_EQ(lidos[2 * i + 1], 0.0) << "a constant column is 0";
        }
        const std::string texto = PastaTemporaria::le(saida);
        EXPECT_EQ(texto.substr(texto.find("#norvika-escala")), e.escala);
        const std::vector<TEscala> escala = leEscala(saida, 2);
        ASSERT_EQ(escala.size(), 2u);
        EXPECT_NEAR(escala[0].a + escala[0].b * lidos[6], 4.0, 1e-13)
            << "back to the original units";
        EXPECT_EQ(escala[1].a + escala[1].b * lidos[1], 7.0);
        const auto relatorio = relatorioDaImportacao(t);
        EXPECT_NE(std::find_if(relatorio.begin(), relatorio.end(),
                               [](const std::string& l) {
                                   return l.find("\"c\" é constante") != std::string::npos;
                               }),
                  relatorio.end());
    }
}

TEST(Importacao, IdaEVoltaDaOsMesmosBitsQueUmArquivoEscritoAMao) {
    // Values of every shape a table holds, at most 15 significant digits: exponents, tiny and
    // huge, subnormal, zero written "-0", the 15 digits of a long measurement.
    PastaTemporaria pasta;
    const std::string csv = pasta.escreve("t.csv",
                                          "a,b,c\n"
                                          "0.1,-2.675,123456789.123456\n"
                                          "1e-7,6.02214076E23,-0\n"
                                          "0.3,2.5e-320,99999999999999.9\n");
    const std::string aMao = pasta.escreve("m.txt",
                                           "3|3#\n"
                                           "0,1|-2,675|123456789,123456|#\n"
                                           "1e-7|6,02214076E23|-0|#\n"
                                           "0,3|2,5e-320|99999999999999,9|#\n");
    const std::string saida = pasta.arquivo("p.txt");
    gravaPadroes(importaTabela(csv, {}), saida);
    const std::vector<double> importados = valoresLidos(saida, 3, 3);
    const std::vector<double> escritos = valoresLidos(aMao, 3, 3);
    ASSERT_EQ(importados.size(), escritos.size());
    for (std::size_t i = 0; i < escritos.size(); ++i) EXPECT_EQ(importados[i], escritos[i]) << i;
}

TEST(Importacao, EscreveValorEscreveOQueAConversaoEscreve) {
    std::vector<double> valores = {0.1,
                                   -0.0001,
                                   0.00001,
                                   1e15,
                                   999999999999999.0,
                                   123456789012.3456,
                                   1e-5,
                                   5e-324,
                                   1.7e308,
                                   -2.675,
                                   100.0,
                                   0.5,
                                   1e14 + 0.25,
                                   3.0e-4,
                                   12345678901234.5};
    std::mt19937_64 gerador(2026);
    std::uniform_int_distribution<std::int64_t> mantissa(-999999999999999, 999999999999999);
    std::uniform_int_distribution<int> casas(0, 8);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 20000; ++i) {
        valores.push_back(static_cast<double>(mantissa(gerador)) / std::pow(10.0, casas(gerador)));
        double v;
        const std::uint64_t b = bits(gerador);
        std::memcpy(&v, &b, sizeof v);
        valores.push_back(v);
    }
    for (const double v : valores) {
        std::string rapido;
        escreveValor(rapido, v);
        ASSERT_EQ(rapido, realParaTexto(v, ',')) << v;
    }
}

}  // namespace

// A numeric column left out of the patterns is kept beside them, row for row (the dropped row
// dropped with it, a missing value not a number), unscaled, for the pictures of a column per unit;
// the row numbers and the text columns are not.
TEST(Importacao, ColunasNumericasForaDosPadroesFicamAoLado) {
    PastaTemporaria pasta;
    const std::string entrada =
        pasta.escreve("o.csv", ",a,b,peso,nome\n1,1,2,10,x\n2,3,,20,y\n3,5,6,,z\n4,7,8,40,w\n");
    TOpcoesImportacao o;
    o.ignorar = {"peso"};
    o.normalizacao = TNormalizacao::z;
    const TImportacao t = importaTabela(entrada, o);
    ASSERT_EQ(t.padroes(), 3u);
    ASSERT_EQ(t.outras.size(), 1u);
    EXPECT_EQ(t.colunas[t.outras[0]].nome, "peso");
    ASSERT_EQ(t.valoresOutras.size(), 3u);
    EXPECT_EQ(t.valoresOutras[0], 10.0);
    EXPECT_TRUE(std::isnan(t.valoresOutras[1]));
    EXPECT_EQ(t.valoresOutras[2], 40.0);
}

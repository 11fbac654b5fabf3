// Any bytes as a table of each format, with options taken from the first byte: the import either
// fails with one of its documented failures or writes a pattern file that the classic reader reads
// back whole, within the memory allowance. Spreadsheets are fuzzed at both layers: the bytes as
// the whole .xlsx or .ods (the zip), or as the sheet's XML inside a zip made here.

#include <unistd.h>
#include <zip.h>

#include <cmath>
#include <filesystem>

#include "Comum.h"
#include "UArquivoPadroes.h"
#include "UErros.h"
#include "UImportacao.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "UPadroes.h"

namespace {

// A folder of this process's own for the table and the pattern file.
const std::filesystem::path& pasta() {
    static const std::filesystem::path p = [] {
        auto caminho = std::filesystem::temp_directory_path() /
                       ("norvika-fuzz-importacao-" + std::to_string(::getpid()));
        std::filesystem::create_directories(caminho);
        return caminho;
    }();
    return p;
}

// A spreadsheet whose sheet (xlsx) or content (ods) is `xml`, the other parts fixed.
void escrevePlanilha(const std::string& caminho, bool ods, std::string_view xml) {
    static const std::string kLivro =
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheets><sheet name=\"Dados\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    static const std::string kRelacoes =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
    static const std::string kTextos =
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><si><t>nome</t>"
        "</si><si><r><t>a</t></r><r><t>b</t></r></si><si><t>x</t><rPh><t>y</t></rPh></si></sst>";
    int erro = 0;
    zip_t* z = zip_open(caminho.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
    if (z == nullptr) std::abort();
    auto adiciona = [&](const char* nome, std::string_view bytes) {
        zip_source_t* fonte = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
        if (fonte == nullptr || zip_file_add(z, nome, fonte, ZIP_FL_OVERWRITE) < 0) std::abort();
    };
    if (ods) {
        adiciona("content.xml", xml);
    } else {
        adiciona("xl/workbook.xml", kLivro);
        adiciona("xl/_rels/workbook.xml.rels", kRelacoes);
        adiciona("xl/sharedStrings.xml", kTextos);
        adiciona("xl/worksheets/sheet1.xml", xml);
    }
    if (zip_close(z) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    defineSeparadorDecimal(',');
    defineLimiteMemoriaDados(std::uint64_t{64} << 20);
    // The first byte: the format (2 bits, and the last bit: a spreadsheet), the missing values
    // (1), the scaling (2), a forced separator and decimal mark (1), no label (1).
    const std::uint8_t escolha = dados[0];
    const bool planilha = (escolha & 128) != 0;
    static const char* const kNomes[] = {"t.csv", "t.dat", "t.arff", "t.txt"};
    static const char* const kPlanilhas[] = {"t.xlsx", "t.ods", "t.xlsx", "t.ods"};
    const std::string entrada = (pasta() / (planilha ? kPlanilhas : kNomes)[escolha & 3]).string();
    if (planilha && (escolha & 2) != 0) {
        escrevePlanilha(entrada, (escolha & 1) != 0,
                        std::string_view(reinterpret_cast<const char*>(dados + 1), tamanho - 1));
    } else {
        const TArquivoEmMemoria bytes(dados + 1, tamanho - 1);
        std::filesystem::copy_file(bytes.caminho(), entrada,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    TOpcoesImportacao o;
    o.ausentes = (escolha & 4) != 0 ? TAusentes::media : TAusentes::descartar;
    o.normalizacao = static_cast<TNormalizacao>(((escolha >> 3) & 3) % 3);
    if ((escolha & 32) != 0) {
        o.separador = ';';
        o.decimal = ',';
    }
    o.semRotulo = (escolha & 64) != 0;
    const std::string saida = (pasta() / "p.txt").string();
    std::filesystem::remove(saida);
    try {
        const TImportacao t = importaTabela(entrada, o);
        relatorioDaImportacao(t);
        padroesDaPrevia(t, 20);
        gravaPadroes(t, saida);
        for (const double v : t.valores)
            if (!std::isfinite(v)) falhou("valor que não é finito num arquivo de padrões");
        const std::int32_t n = static_cast<std::int32_t>(t.padroes());
        const std::int32_t d = t.dimensao();
        const TCabecalhoPadroes cabecalho = leCabecalhoPadroes(saida);
        if (textoParaInteiro(cabecalho.n) != n || textoParaInteiro(cabecalho.d) != d)
            falhou("o cabeçalho não diz o que foi gravado");
        if (cabecalhoDosPadroes(t).size() <= kBytesNomes &&
            static_cast<std::int32_t>(nomesDosAtributos(cabecalho.linha, d).size()) != d)
            falhou("nomes de menos ou de mais");
        TPadroes lidos;
        if (!inicializaEntradas(saida, n, d, lidos) || static_cast<std::int32_t>(lidos.size()) != n)
            falhou("o arquivo gravado não se lê inteiro");
        std::size_t k = 0;
        for (const TVistaPadrao p : lidos)
            for (std::int32_t j = 0; j < d; ++j, ++k)
                if (p.getValor(j) != textoParaDouble(realParaTexto(t.valores[k], ','), ','))
                    falhou("um valor lido de volta não é o que foi escrito");
        if (o.normalizacao != TNormalizacao::nenhuma &&
            leEscala(saida, d).size() != static_cast<std::size_t>(d))
            falhou("a escala gravada não se lê");
    } catch (const EImportacao&) {
    } catch (const EEntradaSaida&) {
    } catch (const EMemoriaInsuficiente&) {
    }
    return 0;
}

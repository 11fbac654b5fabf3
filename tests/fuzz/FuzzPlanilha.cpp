// Every part of a spreadsheet from any bytes (expanded: see expande): the workbook and its sheet
// list, the relationships, the shared strings, the styles, the sheet, or an .ods's content. The
// reading either fails with one of its documented failures or gives a table, and never takes
// more time or memory than its limits allow (a fuzzer's timeout and memory limit are findings).

#include <unistd.h>

#include <filesystem>

#include "../comum/Zip.h"
#include "Comum.h"
#include "UErros.h"
#include "UImportacao.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "UPlanilha.h"

namespace {

const std::string& arquivo(bool ods) {
    static const std::string pasta = [] {
        auto caminho = std::filesystem::temp_directory_path() /
                       ("norvika-fuzz-planilha-" + std::to_string(::getpid()));
        std::filesystem::create_directories(caminho);
        return caminho.string();
    }();
    static const std::string xlsx = pasta + "/p.xlsx", ods_ = pasta + "/p.ods";
    return ods ? ods_ : xlsx;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    defineSeparadorDecimal(',');
    defineLimiteMemoriaDados(std::uint64_t{32} << 20);
    // The first byte: which part the rest is (6 choices), and whether the sheet list alone is
    // read.
    const int parte = dados[0] % 6;
    const bool soNomes = (dados[0] & 0x80) != 0;
    std::string xml = expande(dados + 1, tamanho - 1, std::size_t{24} << 20);
    TPartesXlsx x;
    TPartesZip partes;
    if (parte == 5) {
        partes = {{"content.xml", std::move(xml)}};
    } else {
        std::string* alvos[] = {&x.livro, &x.relacoes, &x.textos, &x.estilos, &x.folha};
        *alvos[parte] = std::move(xml);
        partes = x.partes();
    }
    const std::string& caminho = arquivo(parte == 5);
    escreveZip(caminho, partes, true);
    try {
        if (soNomes) {
            planilhasDoArquivo(caminho);
        } else {
            const TImportacao t = importaTabela(caminho, {});
            relatorioDaImportacao(t);
            if (t.valores.size() != t.padroes() * static_cast<std::size_t>(t.dimensao()))
                falhou("valores que não são padrões x dimensão");
        }
    } catch (const EImportacao&) {
    } catch (const EMemoriaInsuficiente&) {
    } catch (const EEntradaSaida&) {
    }
    return 0;
}

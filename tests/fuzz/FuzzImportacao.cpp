// Any bytes as a table of each format, with options taken from the first byte: the import either
// fails with one of its documented failures or writes a pattern file that the classic reader reads
// back whole, within the memory allowance.

#include <unistd.h>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    defineSeparadorDecimal(',');
    defineLimiteMemoriaDados(std::uint64_t{64} << 20);
    // The first byte: the format (2 bits), the missing values (1), the scaling (2), a forced
    // separator and decimal mark (1), no label (1).
    const std::uint8_t escolha = dados[0];
    static const char* const kNomes[] = {"t.csv", "t.dat", "t.arff", "t.txt"};
    const std::string entrada = (pasta() / kNomes[escolha & 3]).string();
    {
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

// The laboratory's data loader on any bytes (expanded: see expande) as a pattern file, a CSV, a
// SOM_PAK .dat or an ARFF file: it gives data whose every count agrees, or fails with one of its
// documented failures, within its time and memory (a fuzzer's timeout and memory limit are
// findings). What loads trains a small map without a failure.

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Comum.h"
#include "UDadosLab.h"
#include "UErros.h"
#include "ULimites.h"
#include "UNumeros.h"

namespace {

std::string arquivo(int formato) {
    static const std::filesystem::path pasta = [] {
        auto caminho = std::filesystem::temp_directory_path() /
                       ("norvika-fuzz-dadoslab-" + std::to_string(::getpid()));
        std::filesystem::create_directories(caminho);
        return caminho;
    }();
    static const char* const kNomes[] = {"d.txt", "d.csv", "d.dat", "d.arff"};
    return (pasta / kNomes[formato]).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    defineSeparadorDecimal(',');
    defineLimiteMemoriaDados(std::uint64_t{32} << 20);
    const std::string caminho = arquivo(dados[0] % 4);
    {
        const std::string texto = expande(dados + 1, tamanho - 1, std::size_t{24} << 20);
        std::ofstream f(caminho, std::ios::binary | std::ios::trunc);
        f.write(texto.data(), static_cast<std::streamsize>(texto.size()));
    }
    TCargaLab carga;
    try {
        carga = carregaDadosLab(caminho);
    } catch (const EImportacao&) {
        return 0;
    } catch (const EFormatoArquivo&) {
        return 0;
    } catch (const EConversao&) {
        return 0;
    } catch (const EEstouroReal&) {
        return 0;
    } catch (const EEntradaSaida&) {
        return 0;
    } catch (const EMemoriaInsuficiente&) {
        return 0;
    }
    const TDadosLab& d = carga.dados;
    if (d.dimensao < 0 ||
        (d.dimensao > 0 && d.valores.size() % static_cast<std::size_t>(d.dimensao) != 0))
        falhou("valores que não são padrões x dimensão");
    if (!d.rotulo.empty() && d.rotulo.size() != d.padroes()) falhou("rótulos de outra contagem");
    for (const std::int32_t r : d.rotulo)
        if (r < -1 || (r >= 0 && static_cast<std::size_t>(r) >= d.legenda.size()))
            falhou("rótulo fora da legenda");
    if (d.padroes() == 0 || d.padroes() > 5000 || d.dimensao > 64) return 0;
    TConfiguracaoLab c;
    c.grade = {2, 3, TTopologiaLab::hexagonal, false};
    c.epocas = 2;
    c.raio = {1.0, 0.0};
    if (!validaConfiguracao(c, d).empty()) return 0;
    const TResultadoLab r = treinaLab(d, c);
    if (r.pesos.size() != 6 * static_cast<std::size_t>(d.dimensao)) falhou("mapa de outro tamanho");
    return 0;
}

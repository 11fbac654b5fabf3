// The trained-network file from any bytes: it loads, or fails with one of the documented failures;
// and what loads, saved and loaded again, gives the same network and the same text.

#include <cstring>

#include "Comum.h"
#include "UArquivoRede.h"
#include "UErros.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UNumeros.h"

namespace {

// Loads as the window does: the header, a map of that size, every neuron's weights.
bool carrega(const std::string& caminho, TRede& rede) {
    TLeitorLinhas leitor(caminho);
    const TCabecalhoRede c = separaCabecalhoRede(leitor.proximaLinha());
    // The fuzzer's maps stay small; the ceiling of the program itself is tested elsewhere.
    if (bytesDoMapa(c.linhas, c.colunas, c.dimensao) > (std::uint64_t{16} << 20)) return false;
    rede.qtdLinhas = c.linhas;
    rede.qtdColunas = c.colunas;
    rede.dimensao = c.dimensao;
    rede.raio = c.raio;
    rede.qtdPadroes = c.qtdPadroes;
    TGeradorAleatorio g(1);
    rede.inicializaNeuronios(g, c.vizinhanca);
    for (std::int32_t i = 0; i < rede.linhasMapa(); ++i)
        for (std::int32_t j = 0; j < rede.colunasMapa(); ++j)
            lePesosNeuronio(leitor.proximaLinha(), rede.dimensao, rede.neuronio(i, j));
    return true;
}

bool mesmosPesos(const TRede& a, const TRede& b) {
    const std::vector<double> x = a.pesosDoMapa(), y = b.pesosDoMapa();
    return x.size() == y.size() &&
           (x.empty() || std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    defineSeparadorDecimal(',');
    defineLimiteMemoriaDados(std::uint64_t{64} << 20);
    const TArquivoEmMemoria arquivo(dados, tamanho);
    TRede rede;
    try {
        if (!carrega(arquivo.caminho(), rede)) return 0;
    } catch (const EConversao&) {
        return 0;
    } catch (const EEstouroReal&) {
        return 0;
    } catch (const EEntradaSaida&) {
        return 0;
    } catch (const EFormatoArquivo&) {
        return 0;
    } catch (const EMemoriaInsuficiente&) {
        return 0;
    }
    // Saved at 15 digits, loaded, saved again: the same text, and the same network once more.
    const std::string texto1 = textoRede(rede, std::to_string(rede.raio), "GRID");
    TRede segunda, terceira;
    try {
        const TArquivoEmMemoria salvo1(texto1);
        if (!carrega(salvo1.caminho(), segunda)) falhou("o arquivo salvo não carrega");
        const std::string texto2 = textoRede(segunda, std::to_string(segunda.raio), "GRID");
        if (texto2 != texto1) falhou("salvar, carregar e salvar muda o texto");
        const TArquivoEmMemoria salvo2(texto2);
        if (!carrega(salvo2.caminho(), terceira) || !mesmosPesos(segunda, terceira))
            falhou("carregar o mesmo texto dá outra rede");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        falhou("o arquivo salvo não carrega");
    }
    return 0;
}

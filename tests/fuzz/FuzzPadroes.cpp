// The pattern file from any bytes: it reads, or fails with one of the documented failures, within
// the memory allowance.

#include "Comum.h"
#include "UArquivoPadroes.h"
#include "UErros.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UNumeros.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    defineSeparadorDecimal(',');
    defineLimiteMemoriaDados(std::uint64_t{64} << 20);
    const TArquivoEmMemoria arquivo(dados, tamanho);
    try {
        const TCabecalhoPadroes cabecalho = leCabecalhoPadroes(arquivo.caminho());
        const std::int32_t d = textoParaInteiro(cabecalho.d);
        const std::int32_t n = textoParaInteiro(cabecalho.n);
        const std::vector<std::string> nomes =
            nomesDosAtributos(TLeitorLinhas(arquivo.caminho()).proximaLinha(), d);
        if (!nomes.empty() && static_cast<std::int32_t>(nomes.size()) != d)
            falhou("nomes de menos ou de mais");
        TPadroes entradas;
        if (n >= 0 && d >= 0 && inicializaEntradas(arquivo.caminho(), n, d, entradas)) {
            if (static_cast<std::int32_t>(entradas.size()) != n)
                falhou("padrões a mais ou a menos");
            for (const TVistaPadrao p : entradas)
                if (p.getQtdValores() != d) falhou("padrão com outra dimensão");
        }
    } catch (const EConversao&) {
    } catch (const EEstouroReal&) {
    } catch (const EEntradaSaida&) {
    } catch (const EFormatoArquivo&) {
    } catch (const EMemoriaInsuficiente&) {
    }
    return 0;
}

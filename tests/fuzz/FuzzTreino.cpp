// Training and classification on what a pattern file parses into, on small maps: the fast engine
// against the reference loops, bit for bit, with one thread and two, under every search kernel
// this processor runs, and stopped at a presentation chosen by the input.

#include <cstring>
#include <string>

#include "Comum.h"
#include "UArquivoPadroes.h"
#include "UBusca.h"
#include "UErros.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "URede.h"

namespace {

void comparaRedes(const TRede& a, const TRede& b) {
    if (a.linhasMapa() != b.linhasMapa() || a.colunasMapa() != b.colunasMapa())
        falhou("mapas de outro tamanho");
    for (std::int32_t i = 0; i < a.linhasMapa(); ++i)
        for (std::int32_t j = 0; j < a.colunasMapa(); ++j) {
            const TNeuronio& x = a.neuronio(i, j);
            const TNeuronio& y = b.neuronio(i, j);
            if (x.getQtdPesos() != y.getQtdPesos() ||
                (x.getQtdPesos() > 0 &&
                 std::memcmp(x.dados(), y.dados(),
                             static_cast<std::size_t>(x.getQtdPesos()) * sizeof(double)) != 0))
                falhou("pesos diferentes");
            if (x.getAglutinados() != y.getAglutinados() || x.contaPadroes() != y.contaPadroes())
                falhou("contagens diferentes");
            for (std::int32_t k = 0; k < x.contaPadroes(); ++k)
                if (x.getPadrao(k) != y.getPadrao(k)) falhou("rótulos diferentes");
        }
    if (std::memcmp(&a.taxaAprendizado, &b.taxaAprendizado, sizeof(double)) != 0)
        falhou("taxas diferentes");
    if (a.raio != b.raio) falhou("raios diferentes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    // The first eight bytes choose the map and the rules; the rest is the pattern file.
    if (tamanho < 8) return 0;
    defineSeparadorDecimal(',');
    defineLimiteMemoriaDados(std::uint64_t{64} << 20);
    const TArquivoEmMemoria arquivo(dados + 8, tamanho - 8);
    TRede base;
    try {
        const TCabecalhoPadroes cabecalho = leCabecalhoPadroes(arquivo.caminho());
        base.dimensao = textoParaInteiro(cabecalho.d);
        base.qtdPadroes = textoParaInteiro(cabecalho.n);
        if (base.dimensao < 0 || base.dimensao > 64 || base.qtdPadroes < 0 || base.qtdPadroes > 64)
            return 0;
        inicializaEntradas(arquivo.caminho(), base.qtdPadroes, base.dimensao, base.entradas);
    } catch (const std::exception&) {
        return 0;
    }
    base.qtdLinhas = 1 + dados[0] % 4;
    base.qtdColunas = 1 + dados[1] % 5;
    base.raio = dados[2] % 6;
    const bool porCiclos = (dados[3] & 1) != 0;
    const std::int32_t ultimo = porCiclos ? dados[3] % 4 : base.raio;
    const double taxas[] = {0.1, 0.5, 1.0, 0.0, 0x1p-40, 0.9};
    base.taxaAprendizado = taxas[dados[4] % 6];
    base.taxaEvolucao = (dados[4] / 6) % 2 == 0 ? 100.0 : 90.0;
    TGeradorAleatorio g(static_cast<std::uint32_t>(dados[5]) * 2654435761u);
    try {
        base.inicializaNeuronios(g, (dados[6] & 1) != 0 ? "MANHATTAN" : "GRID");
    } catch (const std::exception&) {
        return 0;
    }
    TControle paradaRef;
    if ((dados[6] & 2) != 0) paradaRef.limiteApresentacoes = dados[7];

    TRede referencia = base;
    const bool completoRef = referencia.ativaRedeReferencia(porCiclos, ultimo, {}, &paradaRef);
    TRede classificadaRef = referencia;
    classificadaRef.classificaEntradasReferencia();
    for (const char* busca : {"escalar", "avx2", "avx512"}) {
        if (!buscaDisponivel(busca)) continue;
        defineBusca(busca);
        for (int threads : {1, 2}) {
            TRede rapida = base;
            rapida.defineThreads(threads);
            TControle parada;
            parada.limiteApresentacoes = paradaRef.limiteApresentacoes;
            if (rapida.ativaRede(porCiclos, ultimo, {}, &parada) != completoRef)
                falhou("uma parou e a outra não");
            comparaRedes(referencia, rapida);
            rapida.classificaEntradas();
            comparaRedes(classificadaRef, rapida);
        }
    }
    defineBusca("");
    return 0;
}

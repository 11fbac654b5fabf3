// SOM_PAK's codebook file from any bytes (expanded: see expande): it reads, or fails with an
// ECodebook or past the allowance; and what reads, written and read again, gives the same
// codebook, bit for bit, and the same text. The same bytes as a file of units (plain or SOM_PAK)
// and as GraphML: they read or fail cleanly, and a graph that reads is written and read back the
// same.

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "Comum.h"
#include "UCodebook.h"
#include "UErros.h"
#include "UGraphml.h"
#include "ULimites.h"

namespace {

bool mesmosBits(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::isnan(a[i]) != std::isnan(b[i]) ||
            (!std::isnan(a[i]) &&
             std::bit_cast<std::uint64_t>(a[i]) != std::bit_cast<std::uint64_t>(b[i])))
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    // A header that announces far more units than the text holds, or lines repeated by the
    // thousand, must cost the reader no more than its allowance (the fuzzer's memory limit is a
    // few times that).
    defineLimiteMemoriaDados(std::uint64_t{64} << 20);
    const std::string entrada = expande(dados, tamanho, std::size_t{96} << 20);
    try {
        leUnidadesDeTexto(entrada);
    } catch (const ECodebook&) {
    } catch (const EMemoriaInsuficiente&) {
    }
    try {
        const TGrafoUnidades grafo = leGraphmlDeTexto(entrada);
        const TGrafoUnidades relido = leGraphmlDeTexto(textoGraphml(grafo));
        if (relido.dimensao != grafo.dimensao || relido.nomes != grafo.nomes ||
            relido.arestas != grafo.arestas || !mesmosBits(relido.pesos, grafo.pesos))
            falhou("escrever e reler muda o grafo");
    } catch (const EGraphml&) {
    }
    TCodebook lido;
    try {
        lido = leCodebookDeTexto(entrada);
    } catch (const ECodebook&) {
        return 0;
    } catch (const EMemoriaInsuficiente&) {
        return 0;
    }
    if (lido.pesos.size() != static_cast<std::size_t>(lido.linhas) *
                                 static_cast<std::size_t>(lido.colunas) *
                                 static_cast<std::size_t>(lido.dimensao) ||
        lido.rotulos.size() * static_cast<std::size_t>(lido.dimensao) != lido.pesos.size())
        falhou("o codebook lido não tem o tamanho do cabeçalho");
    try {
        const std::string texto = textoDoCodebook(lido);
        const TCodebook relido = leCodebookDeTexto(texto);
        if (relido.dimensao != lido.dimensao || relido.linhas != lido.linhas ||
            relido.colunas != lido.colunas || relido.hexagonal != lido.hexagonal ||
            relido.gaussiana != lido.gaussiana || relido.toroidal != lido.toroidal ||
            relido.rotulos != lido.rotulos || relido.nomes != lido.nomes ||
            relido.comentarios != lido.comentarios)
            falhou("escrever e reler muda o codebook");
        if (!mesmosBits(relido.pesos, lido.pesos)) falhou("escrever e reler muda um valor");
        if (textoDoCodebook(relido) != texto) falhou("escrever, reler e escrever muda o texto");
    } catch (const ECodebook& e) {
        std::fprintf(stderr, "%s\n", e.what());
        falhou("o codebook lido não se escreve e relê");
    }
    return 0;
}

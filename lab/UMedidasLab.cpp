// The measures of a laboratory map: the quantization and topographic errors, the hits, labels and
// U-matrix, and the result that gathers them.

#include <algorithm>
#include <cmath>
#include <limits>

#include "ULaboratorioInterno.h"
#include "UMedidas.h"

TEpocaLab erros(const std::vector<TMelhores>& melhores, const TMapaLab& mapa) {
    TSomaErros<double> soma;
    std::int64_t contados = 0;
    for (const TMelhores& m : melhores) {
        if (m.c1 < 0) continue;
        soma.acrescenta(std::sqrt(m.d1), m.c2 >= 0 && mapa.quatroD2(m.c1, m.c2) > 4);
        ++contados;
    }
    const TErros e = soma.media(contados);
    return {e.quantizacao, e.topografico};
}

// Hits, labels and U-matrix of a map whose weights are in r.pesos and winners in r.vencedores.
void resumeVencedores(const TDadosLab& dados, const TMapaLab& mapa, TResultadoLab& r) {
    const std::int32_t n = mapa.unidades();
    std::vector<std::int32_t> vencedores = r.vencedores;
    vencedores.resize(std::min(vencedores.size(), dados.padroes()));
    r.acertos = acertos(n, vencedores);
    r.rotulos.assign(static_cast<std::size_t>(n), {});
    const auto rotulos = rotulosPorUnidade(n, vencedores, dados.rotulo);
    for (std::size_t u = 0; u < rotulos.size(); ++u)
        for (const auto& [rotulo, vezes] : rotulos[u]) r.rotulos[u].push_back({rotulo, vezes});
    r.matrizU = matrizU<double>(mapaDaGrade(mapa.grade(), mapa.dimensao(), r.pesos));
}

// Everything measured on a map, as returned to the caller.
void completaResultado(const TDadosLab& dados, const TMapaLab& mapa,
                       const std::vector<TMelhores>& melhores, TResultadoLab& r) {
    r.pesos = mapa.porLinhas();
    const std::size_t np = dados.padroes();
    r.vencedores.assign(np, -1);
    r.segundos.assign(np, -1);
    r.distancias.assign(np, std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < np; ++i) {
        const TMelhores& m = melhores[i];
        if (m.c1 < 0) continue;
        r.vencedores[i] = m.c1;
        r.segundos[i] = m.c2;
        r.distancias[i] = std::sqrt(m.d1);
    }
    const TEpocaLab e = erros(melhores, mapa);
    r.quantizacao = e.quantizacao;
    r.topografico = e.topografico;
    resumeVencedores(dados, mapa, r);
}

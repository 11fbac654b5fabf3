#include "UPasso.h"

TTreinoPasso::TTreinoPasso(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                           TRede::FuncaoStatus status)
    : rede_(rede),
      criterioQtdCiclos_(criterioQtdCiclos),
      ultimo_(ultimo),
      status_(std::move(status)) {
    rede_.ultimoCiclo = ultimo;
    if (!rede_.existeMapa()) ultimo_ = -1;
}

void TTreinoPasso::fechaCiclo() {
    ++ciclo_;
    padrao_ = 0;
    // No control watches a stepped training: nothing asks for the map.
    rede_.fechaCiclo(ciclo_, criterioQtdCiclos_, status_, nullptr, {},
                     [] { return std::vector<double>(); });
}

TTreinoPasso::TPasso TTreinoPasso::proximoPadrao() {
    TPasso passo;
    if (terminado()) return passo;
    passo.ciclo = ciclo_;
    passo.padrao = padrao_;
    passo.raio = rede_.raio;
    passo.taxa = rede_.taxaAprendizado;
    // A cycle begins by emptying every count and label list.
    if (padrao_ == 0) rede_.zeraAglutinados();
    const auto padroes = static_cast<std::int64_t>(rede_.entradas.size());
    if (padroes == 0) {
        fechaCiclo();
        return passo;
    }
    const std::int32_t colunas = rede_.colunasMapa();
    const TVistaPadrao padrao = rede_.entradas[static_cast<std::size_t>(padrao_)];
    const std::int32_t v = rede_.procuraVencedor(padrao);
    TNeuronio& vencedor = rede_.neuronio(v / colunas, v % colunas);
    passo.vencedor = v;
    passo.antes.assign(vencedor.dados(), vencedor.dados() + vencedor.getQtdPesos());
    vencedor.incAglutinados();
    vencedor.adicionaPadrao(padrao.getRotulo());
    rede_.ajustaPesos(static_cast<std::int32_t>(padrao_), v / colunas, v % colunas);
    passo.depois.assign(vencedor.dados(), vencedor.dados() + vencedor.getQtdPesos());
    if (++padrao_ == padroes) fechaCiclo();
    return passo;
}

void TTreinoPasso::terminaCiclo() {
    const std::int64_t ciclo = ciclo_;
    while (!terminado() && ciclo_ == ciclo) proximoPadrao();
}

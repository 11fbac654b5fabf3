#include "UAcompanhamento.h"

TAcompanhamento::TAcompanhamento(const TRede& rede, std::int64_t ciclos)
    : rede_(rede),
      ciclos_(ciclos),
      pontos_(pontosDaCurva(ciclos, static_cast<std::int64_t>(rede.entradas.size()),
                            std::int64_t{rede.linhasMapa()} * rede.colunasMapa(), rede.dimensao)) {}

void TAcompanhamento::liga(TControle& controle) {
    controle.querInstantaneo = [this](std::int64_t feitos) {
        aoVivoPedido_ = querAoVivo_.exchange(false, std::memory_order_relaxed);
        return aoVivoPedido_ || cicloDaCurva(feitos, ciclos_, pontos_);
    };
    controle.aoInstantaneo = [this](const TInstantaneo& i) {
        const std::int32_t n = rede_.linhasMapa() * rede_.colunasMapa();
        if (cicloDaCurva(i.ciclos, ciclos_, pontos_)) {
            const TErros erros =
                medeErros(i.pesos, n, rede_.dimensao, rede_.entradas, rede_.matrizDistancias);
            const std::lock_guard<std::mutex> trava(mutex_);
            curva_.push_back({i.ciclos, erros});
        }
        if (aoVivoPedido_) {
            const std::lock_guard<std::mutex> trava(mutex_);
            aoVivo_.ciclos = i.ciclos;
            aoVivo_.pesos = i.pesos;
            aoVivo_.vencedores = i.vencedores;
            novo_ = true;
        }
    };
}

bool TAcompanhamento::tomaInstantaneo(TMapaAoVivo& mapa) {
    const std::lock_guard<std::mutex> trava(mutex_);
    if (!novo_) return false;
    novo_ = false;
    mapa = aoVivo_;
    return true;
}

std::vector<TDadosMapa::TPonto> TAcompanhamento::curva() const {
    const std::lock_guard<std::mutex> trava(mutex_);
    return curva_;
}

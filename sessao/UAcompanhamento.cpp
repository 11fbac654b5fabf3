#include "UAcompanhamento.h"

void TAcompanhamento::liga(TControle& controle, const TRede& rede, std::int64_t ciclos) {
    curva_.programa(rede, ciclos);
    controle.querInstantaneo = [this](std::int64_t feitos) {
        aoVivoPedido_ = querAoVivo_.exchange(false, std::memory_order_relaxed);
        return aoVivoPedido_ || curva_.registra(feitos);
    };
    controle.aoInstantaneo = [this, &controle](const TInstantaneo& i) {
        if (curva_.registra(i.ciclos)) {
            medindo_.store(true, std::memory_order_relaxed);
            curva_.mede(i, &controle);
            medindo_.store(false, std::memory_order_relaxed);
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

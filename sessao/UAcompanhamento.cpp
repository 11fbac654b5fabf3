#include "UAcompanhamento.h"

void TAcompanhamento::liga(TControle& controle, const TRede& rede, std::int64_t ciclos) {
    curva_.programa(rede, ciclos);
    controle.querInstantaneo = [this](std::int64_t feitos) {
        return aoVivo_.quer() || curva_.registra(feitos);
    };
    controle.aoInstantaneo = [this, &controle](const TInstantaneo& i) {
        if (curva_.registra(i.ciclos)) {
            medindo_.store(true, std::memory_order_relaxed);
            curva_.mede(i, &controle);
            medindo_.store(false, std::memory_order_relaxed);
        }
        aoVivo_.deposita(i);
    };
}

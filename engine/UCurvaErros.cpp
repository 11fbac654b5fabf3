#include "UCurvaErros.h"

void TCurvaErros::programa(const TRede& rede, std::int64_t ciclos) {
    rede_ = &rede;
    ciclos_ = ciclos;
    pontos_ = pontosDaCurva(ciclos, static_cast<std::int64_t>(rede.entradas.size()),
                            std::int64_t{rede.linhasMapa()} * rede.colunasMapa(), rede.dimensao);
    const std::lock_guard<std::mutex> trava(mutex_);
    curva_.clear();
}

void TCurvaErros::mede(const TInstantaneo& i, TControle* controle) {
    const std::int32_t n = rede_->linhasMapa() * rede_->colunasMapa();
    const std::optional<TErros> erros =
        medeErros(i.pesos, n, rede_->dimensao, rede_->entradas, rede_->matrizDistancias, controle);
    if (!erros) return;
    const std::lock_guard<std::mutex> trava(mutex_);
    curva_.push_back({i.ciclos, *erros});
}

void TCurvaErros::liga(TControle& controle) {
    controle.querInstantaneo = [this](std::int64_t feitos) { return registra(feitos); };
    controle.aoInstantaneo = [this, &controle](const TInstantaneo& i) { mede(i, &controle); };
}

std::vector<TPontoCurva> TCurvaErros::pontos() const {
    const std::lock_guard<std::mutex> trava(mutex_);
    return curva_;
}

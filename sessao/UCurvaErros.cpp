#include "UCurvaErros.h"

#include <algorithm>
#include <cmath>

std::int32_t pontosDaCurva(std::int64_t ciclos, std::int64_t padroes, std::int64_t neuronios,
                           std::int64_t dimensao) {
    if (ciclos <= 0) return 0;
    // One measure costs about one pass of the winner search; the training does one per cycle.
    constexpr double kFolga = 5e7;  // distance terms that cost a few hundredths of a second at most
    const double porMedida =
        std::max(1.0, static_cast<double>(padroes) * static_cast<double>(neuronios) *
                          static_cast<double>(std::max<std::int64_t>(dimensao, 1)));
    const double permitidas = std::max(0.1 * static_cast<double>(ciclos), kFolga / porMedida);
    const double pontos = std::min({200.0, static_cast<double>(ciclos), std::floor(permitidas)});
    return static_cast<std::int32_t>(std::max(1.0, pontos));
}

bool cicloDaCurva(std::int64_t ciclo, std::int64_t ciclos, std::int32_t pontos) {
    if (ciclo == ciclos) return true;
    if (pontos <= 1 || ciclo < 1 || ciclo > ciclos) return false;
    // Cycle c is a point when it is the first to reach the next k-th of the training.
    return (ciclo * pontos) / ciclos != ((ciclo - 1) * pontos) / ciclos;
}

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

#pragma once
// The error curve of a training: the quantization and topographic errors of the map after chosen
// cycles, measured on the training's own thread from the map it hands over (TControle's
// instants). The window and norvika-bench record it through this one class, so both measure at
// the same cycles.
//
// The cycles are chosen when the training is about to start, from the real number of patterns,
// neurons and values (pontosDaCurva): at most 200 points and a bounded share of the training's
// time. A stop request abandons the measure in progress; that cycle gets no point.

#include <cstdint>
#include <mutex>
#include <vector>

#include "UControle.h"
#include "UMapaClassico.h"
#include "URede.h"

// How many points of the error curve a training of `ciclos` cycles records: up to 200 (never more
// than the cycles), fewer when measuring would cost more than a tenth of the training's own work
// beyond a small allowance, and at least one, the last.
std::int32_t pontosDaCurva(std::int64_t ciclos, std::int64_t padroes, std::int64_t neuronios,
                           std::int64_t dimensao);
// Whether the curve records the map after `ciclo` cycles (1 .. ciclos): `pontos` evenly spaced
// cycles, the last included.
bool cicloDaCurva(std::int64_t ciclo, std::int64_t ciclos, std::int32_t pontos);

struct TPontoCurva {
    std::int64_t ciclo;
    TErros erros;
};

class TCurvaErros {
  public:
    // Chooses the cycles for `rede` (its map built, its patterns read), which is about to train
    // for `ciclos` cycles; the points recorded so far are forgotten. `rede` must outlive the
    // training and keep its patterns and distances as they are meanwhile.
    void programa(const TRede& rede, std::int64_t ciclos);
    std::int32_t pontosProgramados() const { return pontos_; }

    // Whether the map after `ciclo` cycles is one of the curve's points.
    bool registra(std::int64_t ciclo) const {
        return rede_ != nullptr && cicloDaCurva(ciclo, ciclos_, pontos_);
    }
    // Measures the map of an instant that `registra` chose, on the training's thread.
    void mede(const TInstantaneo& instantaneo, TControle* controle);
    // Hooks the curve alone into a training's control.
    void liga(TControle& controle);

    // The points so far; safe from any thread.
    std::vector<TPontoCurva> pontos() const;

  private:
    const TRede* rede_ = nullptr;
    std::int64_t ciclos_ = 0;
    std::int32_t pontos_ = 0;
    mutable std::mutex mutex_;
    std::vector<TPontoCurva> curva_;
};

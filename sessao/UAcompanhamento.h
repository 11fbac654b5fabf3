#pragma once
// What the window records of a training while it runs, on the training's own thread: the error
// curve at the cycles it asks for, and, when the explorer wants a live picture, the map at the end
// of the next cycle. The interface thread takes both from here; nothing here touches a widget.

#include <atomic>
#include <mutex>
#include <vector>

#include "UControle.h"
#include "UCurvaErros.h"
#include "UMapaAoVivo.h"
#include "URede.h"

class TAcompanhamento {
  public:
    // Hooks the recording into the training's control, on the training's thread once `rede` has
    // its map and its patterns and is about to train for `ciclos` cycles: the curve's cycles
    // follow from their real sizes. `rede` must outlive the training.
    void liga(TControle& controle, const TRede& rede, std::int64_t ciclos);

    // Asks for the map at the end of the next cycle (interface thread).
    void pedeInstantaneo() { aoVivo_.pede(); }
    using TMapaAoVivo = TQuadroAoVivo;
    // The latest map handed over since the last call, if any.
    bool tomaInstantaneo(TMapaAoVivo& mapa) { return aoVivo_.toma(mapa); }

    std::vector<TPontoCurva> curva() const { return curva_.pontos(); }
    // Whether a point of the curve is being measured now (the dialog says so).
    bool medindo() const { return medindo_.load(std::memory_order_relaxed); }

  private:
    TCurvaErros curva_;
    std::atomic<bool> medindo_{false};
    ::TMapaAoVivo aoVivo_;
};

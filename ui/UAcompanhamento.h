#pragma once
// What the window records of a training while it runs, on the training's own thread: the error
// curve at the cycles it asks for, and, when the explorer wants a live picture, the map at the end
// of the next cycle. The interface thread takes both from here; nothing here touches a widget.

#include <atomic>
#include <mutex>
#include <vector>

#include "UAnalise.h"
#include "UControle.h"
#include "URede.h"
#include "UVistaMapa.h"

class TAcompanhamento {
  public:
    // `rede` is the network that trains for `ciclos` cycles; its patterns and distances stay as
    // they are while it trains, and it must outlive the training.
    TAcompanhamento(const TRede& rede, std::int64_t ciclos);

    // Hooks the recording into the training's control.
    void liga(TControle& controle);

    // Asks for the map at the end of the next cycle (interface thread).
    void pedeInstantaneo() { querAoVivo_.store(true, std::memory_order_relaxed); }
    struct TMapaAoVivo {
        std::int64_t ciclos = 0;
        std::vector<double> pesos;
        std::vector<std::int32_t> vencedores;
    };
    // The latest map handed over since the last call, if any.
    bool tomaInstantaneo(TMapaAoVivo& mapa);

    std::vector<TDadosMapa::TPonto> curva() const;

  private:
    const TRede& rede_;
    std::int64_t ciclos_;
    std::int32_t pontos_;
    std::atomic<bool> querAoVivo_{false};
    bool aoVivoPedido_ = false;  // training thread only
    mutable std::mutex mutex_;
    std::vector<TDadosMapa::TPonto> curva_;
    TMapaAoVivo aoVivo_;
    bool novo_ = false;
};

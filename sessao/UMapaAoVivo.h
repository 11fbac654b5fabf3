#pragma once
// The live map a window shows while a training runs, handed from the training's thread to the
// interface thread, for the classic engine and the laboratory alike. The window asks for a map
// (pede); the training, at its next instant, sees the request (quer) and leaves the map there
// (deposita); the window takes the newest one it has not taken yet (toma). Only a map asked for
// is copied, so a training nobody watches pays nothing.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "UControle.h"

struct TQuadroAoVivo {
    std::int64_t ciclos = 0;  // cycles (epochs) completed
    std::vector<double> pesos;
    std::vector<std::int32_t> vencedores;
};

class TMapaAoVivo {
  public:
    // Interface thread: a map is wanted at the training's next instant.
    void pede() { pedido_.store(true, std::memory_order_relaxed); }
    // Training thread: whether the next instant should be handed over.
    bool quer() const { return pedido_.load(std::memory_order_relaxed); }
    // Training thread: keeps the instant if one was asked for (and answers the request).
    void deposita(const TInstantaneo& i) {
        if (!pedido_.exchange(false, std::memory_order_relaxed)) return;
        const std::lock_guard<std::mutex> trava(mutex_);
        quadro_.ciclos = i.ciclos;
        quadro_.pesos = i.pesos;
        quadro_.vencedores = i.vencedores;
        novo_ = true;
    }
    // Interface thread: the map left since the last call, if any.
    bool toma(TQuadroAoVivo& quadro) {
        const std::lock_guard<std::mutex> trava(mutex_);
        if (!novo_) return false;
        novo_ = false;
        quadro = quadro_;
        return true;
    }
    // Forgets any map left and any request (a new training starts).
    void esvazia() {
        pedido_.store(false, std::memory_order_relaxed);
        const std::lock_guard<std::mutex> trava(mutex_);
        novo_ = false;
    }

  private:
    std::atomic<bool> pedido_{false};
    std::mutex mutex_;
    TQuadroAoVivo quadro_;
    bool novo_ = false;
};

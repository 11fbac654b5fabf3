#pragma once
// What a long piece of work (a training, a classification, the reading of a file) shares with the
// thread that watches it: a request to stop, and how far the work has come. The work only loads
// and stores these with relaxed order, once per pattern, so being watched costs it nothing that
// can be measured, and no field ever changes a bit of what it computes.

#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

// The map at the end of a training cycle, for whoever watches the training: the weights as they
// stand (neuron after neuron in row-major order, `dimensao` each) and the winners of the cycle's
// patterns. Valid only during the call that hands it over.
struct TInstantaneo {
    std::int64_t ciclos;  // cycles completed
    const std::vector<double>& pesos;
    const std::vector<std::int32_t>& vencedores;
};

struct TControle {
    // Set by the watcher; the work stops at the next pattern.
    std::atomic<bool> parar{false};
    // The work also stops by itself once this many patterns have been presented in all (cycles
    // times patterns plus the patterns of the running cycle). Stopping at a given point gives the
    // same state whatever engine or thread count runs the work.
    std::int64_t limiteApresentacoes = std::numeric_limits<std::int64_t>::max();

    // Written by the work.
    std::atomic<std::int64_t> ciclos{0};  // training cycles completed
    std::atomic<std::int64_t> padroes{
        0};  // patterns done in the running cycle, or read, or classified

    // Optional, set before the work starts: after each cycle for which querInstantaneo(cycles
    // completed) is true, the training hands the map to aoInstantaneo, on its own thread. Reading
    // the map never changes a bit of the training.
    std::function<bool(std::int64_t feitos)> querInstantaneo;
    std::function<void(const TInstantaneo&)> aoInstantaneo;

    bool querMapa(std::int64_t feitos) const {
        return aoInstantaneo && querInstantaneo && querInstantaneo(feitos);
    }

    bool deveParar(std::int64_t apresentacoes) const {
        return apresentacoes >= limiteApresentacoes || parar.load(std::memory_order_relaxed);
    }

    // Every stoppable loop other than training's (reading a file, gathering the labels, measuring
    // the errors, loading a map) calls this once per unit of its work (a line, a megabyte of a
    // long line, a pattern, a block of patterns) and stops when it returns true.
    bool passo() {
        const std::int64_t n = passos_.fetch_add(1, std::memory_order_relaxed) + 1;
        if (n >= pedeParadaNoPasso) parar.store(true, std::memory_order_relaxed);
        return parar.load(std::memory_order_relaxed);
    }
    std::int64_t passos() const { return passos_.load(std::memory_order_relaxed); }
    // Tests stop a loop at an exact point: the request arrives once this many steps have been
    // taken, as a click on "Parar" would at that moment.
    std::int64_t pedeParadaNoPasso = std::numeric_limits<std::int64_t>::max();
    void anotaPadroes(std::int64_t n) { padroes.store(n, std::memory_order_relaxed); }
    void anotaCiclo(std::int64_t t) {
        ciclos.store(t, std::memory_order_relaxed);
        padroes.store(0, std::memory_order_relaxed);
    }

  private:
    std::atomic<std::int64_t> passos_{0};
};

// A long measure's question "stop now?" from a control: one step of it each time
// (TControle::passo); empty without a control.
inline std::function<bool()> perguntaParada(TControle* controle) {
    if (controle == nullptr) return {};
    return [controle] { return controle->passo(); };
}

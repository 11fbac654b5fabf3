#pragma once
// A training presented one pattern at a time, for the classroom: the same steps, in the same
// order and with the same arithmetic as the reference loops (TRede::ativaRedeReferencia), so that
// however it is stepped, paused or resumed it ends with the very bits of an uninterrupted
// training: weights, counts, labels, rate, radius and the status of every cycle.

#include <cstdint>
#include <vector>

#include "URede.h"

class TTreinoPasso {
  public:
    // Prepares cycles 0 .. ultimo on the network's map and patterns; nothing is presented yet.
    TTreinoPasso(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                 TRede::FuncaoStatus status = {});

    // What one presentation did: the pattern, its winner, the radius and rate it was pulled with,
    // and the winner's weights before and after.
    struct TPasso {
        std::int64_t ciclo = 0;   // from 0
        std::int64_t padrao = 0;  // from 0
        std::int32_t vencedor = -1;
        std::int32_t raio = 0;
        double taxa = 0.0;
        std::vector<double> antes, depois;
    };

    bool terminado() const { return ciclo_ > ultimo_; }
    std::int64_t ciclo() const { return ciclo_; }    // the cycle the next pattern belongs to
    std::int64_t padrao() const { return padrao_; }  // the next pattern of that cycle
    std::int64_t ciclos() const { return ultimo_ + 1; }

    // Presents the next pattern; the cycle ends (status, radius, rate) with its last pattern. A
    // training without patterns ends one cycle per call. Nothing happens once it has ended.
    TPasso proximoPadrao();
    // Presents patterns until the running cycle has ended.
    void terminaCiclo();

  private:
    void fechaCiclo();

    TRede& rede_;
    bool criterioQtdCiclos_;
    std::int64_t ultimo_;
    TRede::FuncaoStatus status_;
    std::int64_t ciclo_ = 0;
    std::int64_t padrao_ = 0;
};

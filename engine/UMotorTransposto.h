#pragma once
// The fast engine for small dimensions (up to kDimensaoTransposta values per pattern): weights
// stored by dimension, so that the winner search runs across neurons eight at a time
// (UMotorTransposto.cpp). Internal to the engine; the façade in UTreinoRapido chooses it.

#include <cstdint>
#include <optional>
#include <vector>

#include "UControle.h"
#include "URede.h"

namespace motor {

// Trains as TRede::ativaRede does, with this engine; returns false when the control stopped it.
bool treinaTransposto(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                      const TRede::FuncaoStatus& status, TControle* controle);

// Every pattern's winner against the map as it stands, `threads` threads each taking a share of
// the patterns; nothing when the control stopped it.
std::optional<std::vector<std::int32_t>> classificaTransposto(TRede& rede, int threads,
                                                              TControle* controle);

}  // namespace motor

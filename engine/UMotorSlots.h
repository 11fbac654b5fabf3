#pragma once
// The fast engine for larger dimensions (more than kDimensaoTransposta values per pattern):
// neurons share copy-on-write weight slots, and two threads may split the map (UMotorSlots.cpp).
// Internal to the engine; the façade in UTreinoRapido chooses it.

#include <cstdint>
#include <optional>
#include <vector>

#include "UControle.h"
#include "URede.h"

namespace motor {

// Trains as TRede::ativaRede does, with this engine on `threads` threads (1 or 2); `alternancia`
// > 0 makes two threads hand over to one and back every that many patterns. Returns false when
// the control stopped it.
bool treinaSlots(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                 const TRede::FuncaoStatus& status, int threads, std::int64_t alternancia,
                 TControle* controle);

// Every pattern's winner against the map as it stands, `threads` threads each taking a share of
// the patterns; nothing when the control stopped it.
std::optional<std::vector<std::int32_t>> classificaSlots(TRede& rede, int threads,
                                                         TControle* controle);

}  // namespace motor

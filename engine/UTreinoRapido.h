#pragma once
// Training and classification that give, bit for bit, the weights, counts, labels, learning rate
// and radius of the plain reference loops (TRede::ativaRedeReferencia and
// classificaEntradasReferencia), only faster:
//
// - The winner search first computes every distance in double precision with SIMD (UBusca),
//   abandoning a neuron once its partial sum passes the best; a rigorous error bound then keeps as
//   candidates only the neurons whose exact distance could be the smallest, and the exact
//   extended-precision arithmetic decides between them with the row-major tie-break.
// - Weights are stored contiguously. For up to kDimensaoTransposta values per pattern they are
//   stored by dimension, so that the search runs across neurons eight at a time.
// - Otherwise neurons share copy-on-write weight slots: neurons that receive the same updates
//   converge to bit-identical weights (early, wide-radius cycles make most of the map one vector),
//   and a slot is searched and updated once for all its neurons. A slot splits when only some of
//   its neurons are in a winner's neighbourhood, and two slots merge when their weights become
//   identical.
// - With two threads each thread owns the neurons of alternate map columns (of alternate rows on a
//   one-column map) and their slots: it searches and updates only those, and the two meet once per
//   pattern to agree on the winner. When another program keeps one of them waiting, the first goes
//   on alone over both threads' slots until two are faster again (UEncontro).
//
// Any input the bound cannot vouch for (a distance that is not finite or not below 2^1000) is
// decided by the exact distances alone, and inputs the fast layout cannot hold fall back to the
// reference loops, so the result never depends on the path taken.

#include <cstdint>

#include "UControle.h"
#include "URede.h"

inline constexpr std::int32_t kDimensaoTransposta = 16;

// The number of threads `threads` asks for on this map: 0 chooses (two when the machine has them
// and a pattern's work is large enough to pay for the meeting).
int threadsDoTreino(const TRede& rede, int threads);

// For tests: two training threads hand over to one and back every `padroes` patterns instead of
// when the clock says one runs faster (0, the default).
void defineRevezamentoParaTestes(std::int64_t padroes);

// Both return false when the control stopped them (see TRede::ativaRede).
bool treinaRapido(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                  const TRede::FuncaoStatus& status, int threads, TControle* controle = nullptr);
bool classificaRapido(TRede& rede, int threads, TControle* controle = nullptr);

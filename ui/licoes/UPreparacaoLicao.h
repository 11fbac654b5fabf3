#pragma once
// The lessons' "Preparar": a lesson's data written into the demonstrations folder, then its
// settings handed to the classic window, the laboratory or both, through their own commands.

#include <vector>

#include "UFolhaLicao.h"

class TFormMain;

namespace UPreparacaoLicao {

// Puts lesson `licao` (its place in licoes()) in place, the windows it uses opened from
// `principal`. Throws what writing its data throws.
void prepara(TFormMain& principal, int licao);

// The handout's pictures of lesson `licao`: the map each of its windows shows in the lesson's
// view, when that map was trained on the data its "Preparar" wrote in this run (none otherwise:
// a map of other data would not be the lesson's).
std::vector<TFiguraFolha> figuras(const TFormMain& principal, int licao);

}  // namespace UPreparacaoLicao

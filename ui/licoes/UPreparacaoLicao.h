#pragma once
// The lessons' "Preparar": a lesson's data written into the demonstrations folder, then its
// settings handed to the classic window, the laboratory or both, through their own commands.

class TFormMain;

namespace UPreparacaoLicao {

// Puts lesson `licao` (its place in licoes()) in place, the windows it uses opened from
// `principal`. Throws what writing its data throws.
void prepara(TFormMain& principal, int licao);

}  // namespace UPreparacaoLicao

#pragma once
// The main window's controls in its two states, as tables: which controls (by object name, a
// widget or a menu item) a training, a clearing and a load enable or disable, in the order the
// command has always switched them. The order matters: disabling a box that has the focus moves
// the focus, which runs the box's check on leaving it. The main window applies them, with what
// each command writes between them (TFormMain::entraEstado).

#include <span>

class QObject;

namespace UEstadosJanela {

struct THabilita {
    const char* controle;
    bool habilitado;
};

// After a training: the map's settings and the training rules are fixed until it is cleared.
extern const std::span<const THabilita> treinado;
// After a clearing: the two buttons, then (the status line and the cells emptied) the rest.
extern const std::span<const THabilita> limpoBotoes;
extern const std::span<const THabilita> limpoControles;
// After a load: the buttons and the size boxes, then the radius box (its text written first),
// then the neighbourhood list (its entry chosen first) with the classification page's controls
// and the training rules.
extern const std::span<const THabilita> carregadoInicio;
extern const std::span<const THabilita> carregadoRaio;
extern const std::span<const THabilita> carregadoFim;

void habilita(const QObject& janela, std::span<const THabilita> mudancas);

}  // namespace UEstadosJanela

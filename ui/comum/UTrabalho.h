#pragma once
// Long work off the interface thread. The handler that calls executa waits in a local event loop
// until the work has ended, so that when executa returns the handler goes on exactly as if it had
// done the work itself; meanwhile the windows repaint and the caller's observer runs 20 times a
// second on the interface thread. No input reaches the blocked window while the work runs: clicks,
// keys and shortcuts meant for it are dropped, never queued for later, and a request to close it
// is refused. After 0.4 s the "Treinando" dialog opens over it, modal to it, whose "Parar" asks the
// work to stop through its control; short work never flashes it.
//
// The work runs in the caller's floating-point environment (the x87 precision among it) and must
// not touch a widget.

#include <QString>
#include <exception>
#include <functional>

#include "UControle.h"
#include "UFormTreinando.h"

class QWidget;

namespace UTrabalho {

using Corpo = std::function<void(TControle& controle)>;
// Called on the interface thread while the work runs; what it returns goes to the dialog.
using Observador = std::function<TAndamento(const TControle& controle)>;

// Runs `corpo` on a worker thread and returns when it has ended, rethrowing here whatever it threw.
// Returns whether the user asked it to stop.
bool executa(QWidget& bloqueada, const QString& titulo, const Corpo& corpo,
             const Observador& observa);

// The same, handing back what the work threw instead of rethrowing it (for a command that must put
// what survives in place before it reports the failure).
std::exception_ptr executaRetendo(QWidget& bloqueada, const QString& titulo, const Corpo& corpo,
                                  const Observador& observa);

// While a test sets it, the dialog opens at once instead of after 0.4 s.
void defineEsperaDoDialogo(int milissegundos);

}  // namespace UTrabalho

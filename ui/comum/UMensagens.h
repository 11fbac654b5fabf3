#pragma once
// The program's two kinds of modal box, behind one seam so that tests can answer them:
// - the message box: caption "Norvika", no icon, one OK that Enter and Esc both answer, centred
//   on the screen;
// - the default failure report: the same caption, the error icon, the failure's own message with
//   a full stop appended when its last character comes after "." in the code table.

#include <QString>
#include <functional>

class QWidget;

namespace UMensagens {

enum class Tipo { Mensagem, Falha };

// While an interceptor is set, boxes are handed to it instead of being shown.
using Interceptador = std::function<void(Tipo tipo, const QString& texto)>;
void defineInterceptador(Interceptador interceptador);

void mostraMensagem(QWidget* pai, const QString& texto);
void mostraFalha(QWidget* pai, const QString& mensagem);

// Runs a handler so that no failure escapes into Qt: whatever it throws (std::bad_alloc
// included) is shown by the default failure report over `pai`, and the window stays usable.
void protege(QWidget* pai, const std::function<void()>& comando);

// The failure's message as the report shows it.
QString textoDaFalha(const QString& mensagem);

}  // namespace UMensagens

#pragma once
// The program's kinds of modal box, behind one seam so that tests can answer them:
// - the message box: caption "Norvika", no icon, one OK that Enter and Esc both answer, centred
//   on the screen;
// - the default failure report: the same caption, the error icon, the failure's own message with
//   a full stop appended when its last character comes after "." in the code table;
// - the question before unsaved work is dropped: Salvar, Descartar, Cancelar (Esc).

#include <QString>
#include <functional>

class QWidget;

namespace UMensagens {

enum class Tipo { Mensagem, Falha, Pergunta };

// While an interceptor is set, boxes are handed to it instead of being shown (a question is then
// answered Descartar).
using Interceptador = std::function<void(Tipo tipo, const QString& texto)>;
void defineInterceptador(Interceptador interceptador);

void mostraMensagem(QWidget* pai, const QString& texto);
void mostraFalha(QWidget* pai, const QString& mensagem);

enum class Resposta { Salvar, Descartar, Cancelar };
Resposta perguntaSeSalva(QWidget* pai, const QString& texto);

// Runs a handler so that no failure escapes into Qt: whatever it throws (std::bad_alloc
// included) is shown by the default failure report over `pai`, and the window stays usable.
void protege(QWidget* pai, const std::function<void()>& comando);

// The failure's message as the report shows it.
QString textoDaFalha(const QString& mensagem);

}  // namespace UMensagens

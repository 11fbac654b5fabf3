#include "UEdicaoPendente.h"

#include <QFocusEvent>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "USpinEdit.h"

TEdicaoPendente::TEdicaoPendente(QWidget& janela, std::vector<QWidget*> controles,
                                 std::function<void(QWidget*)> verifica)
    : QObject(&janela),
      janela_(janela),
      controles_(std::move(controles)),
      verifica_(std::move(verifica)) {
    for (QWidget* controle : controles_) controle->installEventFilter(this);
}

void TEdicaoPendente::conclui() {
    QWidget* pendente = std::exchange(pendente_, nullptr);
    if (pendente == nullptr) return;
    if (janela_.isActiveWindow() && janela_.focusWidget() == pendente) {
        pendente_ = pendente;
        return;
    }
    if (auto* spin = qobject_cast<TSpinEdit*>(pendente))
        spin->concluiEdicao();
    else
        verifica_(pendente);
}

bool TEdicaoPendente::eventFilter(QObject* objeto, QEvent* e) {
    auto* controle = qobject_cast<QWidget*>(objeto);
    if (e->type() == QEvent::FocusIn &&
        std::find(controles_.begin(), controles_.end(), controle) != controles_.end())
        pendente_ = controle;
    if (e->type() == QEvent::FocusOut && focoSaiParaOutroControle(*static_cast<QFocusEvent*>(e))) {
        if (controle == pendente_) pendente_ = nullptr;
        if (qobject_cast<TSpinEdit*>(controle) == nullptr && janela_.isVisible())
            verifica_(controle);
    }
    return false;
}

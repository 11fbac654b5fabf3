#pragma once
// The check a control runs when the focus leaves it (the learning rate's range, a spin box's
// clamp to its limits), kept pending from the moment the control takes the focus until the focus
// moves to another control. A command runs a pending check first, for the focus can move without
// telling: a file dialog that closed while its completer showed leaves no active window, and then
// Qt sends no focus events at all.

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

class TEdicaoPendente : public QObject {
  public:
    // Watches `controles` of `janela`. A spin box (TSpinEdit) checks itself; `verifica` is the
    // check of any other control, run also when the focus really leaves it.
    TEdicaoPendente(QWidget& janela, std::vector<QWidget*> controles,
                    std::function<void(QWidget* controle)> verifica);

    // Runs the pending check, unless the focus is still in that control (a command from a menu or
    // a shortcut does not leave it: nothing to check yet).
    void conclui();

  protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

  private:
    QWidget& janela_;
    std::vector<QWidget*> controles_;
    std::function<void(QWidget*)> verifica_;
    QWidget* pendente_ = nullptr;
};

#include "UJanelas.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

bool ehCaixaDeValor(const QObject* objeto) {
    return qobject_cast<const QAbstractSpinBox*>(objeto) != nullptr ||
           qobject_cast<const QComboBox*>(objeto) != nullptr;
}

class TFiltroJanelas : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        switch (evento->type()) {
            case QEvent::Polish:
                // A box takes the focus by click or tab, never by the wheel.
                if (ehCaixaDeValor(objeto))
                    static_cast<QWidget*>(objeto)->setFocusPolicy(Qt::StrongFocus);
                break;
            case QEvent::Show:
                if (objeto->isWidgetType() && static_cast<QWidget*>(objeto)->isWindow())
                    UJanelas::cabeNaTela(static_cast<QWidget*>(objeto));
                break;
            case QEvent::Wheel:
                if (ehCaixaDeValor(objeto) && !static_cast<QWidget*>(objeto)->hasFocus()) {
                    // The wheel goes to the area that scrolls the box, or nowhere.
                    for (QWidget* w = static_cast<QWidget*>(objeto)->parentWidget(); w != nullptr;
                         w = w->parentWidget())
                        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
                            QCoreApplication::sendEvent(area->viewport(), evento);
                            break;
                        }
                    return true;
                }
                break;
            default:
                break;
        }
        return false;
    }
};

}  // namespace

namespace UJanelas {

void instala() {
    static QPointer<QObject> filtro;
    if (filtro != nullptr || qApp == nullptr) return;
    filtro = new TFiltroJanelas(qApp);
    qApp->installEventFilter(filtro);
}

void cabeNaTela(QWidget* janela) {
    // Menus, tooltips and popups place themselves; a maximised window already fills the area.
    if (janela == nullptr ||
        (janela->windowType() != Qt::Window && janela->windowType() != Qt::Dialog) ||
        (janela->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0)
        return;
    const QScreen* tela =
        janela->screen() != nullptr ? janela->screen() : QGuiApplication::primaryScreen();
    if (tela == nullptr) return;
    const QRect area = tela->availableGeometry();
    // The frame as the window system has it, or a title bar above the window until it says.
    const QRect moldura = janela->frameGeometry();
    const QRect interior = janela->geometry();
    QMargins margens(interior.left() - moldura.left(), interior.top() - moldura.top(),
                     moldura.right() - interior.right(), moldura.bottom() - interior.bottom());
    // Until the window system has framed the window, its position is the inside's: the title bar
    // it will get goes above that (a place restored at the top of the screen would hide it).
    const bool semMoldura = margens.isNull();
    if (semMoldura && (janela->windowFlags() & Qt::FramelessWindowHint) == 0)
        margens.setTop(kTituloPresumido);
    const QSize cabe(area.width() - margens.left() - margens.right(),
                     area.height() - margens.top() - margens.bottom());
    const QSize tamanho = janela->size();
    if (tamanho.width() > cabe.width() || tamanho.height() > cabe.height())
        janela->resize(tamanho.boundedTo(cabe).expandedTo(janela->minimumSize()));
    const QSize externo = janela->size().grownBy(margens);
    // A window keeps its place when it fits; otherwise it moves in just enough.
    const QPoint acima = semMoldura ? QPoint(margens.left(), margens.top()) : QPoint();
    const QPoint onde = janela->pos() - acima;
    const QPoint dentro(
        std::max(area.left(), std::min(onde.x(), area.right() + 1 - externo.width())),
        std::max(area.top(), std::min(onde.y(), area.bottom() + 1 - externo.height())));
    if (dentro != onde) janela->move(dentro + acima);
}

}  // namespace UJanelas

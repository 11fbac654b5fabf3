#include "UJanelas.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "UIdioma.h"

namespace {

bool ehCaixaDeValor(const QObject* objeto) {
    return qobject_cast<const QAbstractSpinBox*>(objeto) != nullptr ||
           qobject_cast<const QComboBox*>(objeto) != nullptr;
}

constexpr const char* kAcomodada = "norvikaTextosAcomodados";

// The width a text control asks for, or 0 for one that a layout places or that wraps its text.
int larguraPedida(const QWidget* w) {
    if (w->parentWidget() == nullptr || w->parentWidget()->layout() != nullptr) return 0;
    if (const auto* r = qobject_cast<const QLabel*>(w)) {
        if (r->wordWrap() || r->text().isEmpty() || !r->pixmap().isNull()) return 0;
        return r->sizeHint().width();
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->text().isEmpty() || b->inherits("QPushButton") || b->inherits("QToolButton"))
            return 0;
        return b->sizeHint().width();
    }
    return 0;
}

bool mesmaFaixa(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// Widens `w` to `largura` (or as near as the row allows), pushing the siblings on its right in
// the same band along only as far as they would otherwise touch, and never past the parent's
// edge; the type shrinks for whatever is still missing.
void acomoda(QWidget* w, int largura) {
    constexpr int kFolga = 3;
    QWidget* pai = w->parentWidget();
    const QRect g = w->geometry();
    std::vector<QWidget*> aDireita;
    for (QObject* o : pai->children()) {
        auto* s = qobject_cast<QWidget*>(o);
        if (s == nullptr || s == w || s->isWindow()) continue;
        const QRect gs = s->geometry();
        if (gs.left() > g.left() && mesmaFaixa(gs, g)) aDireita.push_back(s);
    }
    std::sort(aDireita.begin(), aDireita.end(),
              [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
    const int limite = pai->contentsRect().right() - kFolga;
    // Where each sibling lands if `w` takes `l` pixels, and whether the row still fits.
    const auto empurra = [&](int l, std::vector<int>* lugares) {
        int borda = g.left() + l;
        for (const QWidget* s : aDireita) {
            const int x = std::max(s->x(), borda + kFolga);
            if (lugares != nullptr) lugares->push_back(x);
            borda = std::max(borda, x + s->width());
        }
        return borda;
    };
    int l = largura;
    if (empurra(l, nullptr) > limite) l = std::max(g.width(), l - (empurra(l, nullptr) - limite));
    std::vector<int> lugares;
    empurra(l, &lugares);
    for (std::size_t k = 0; k < aDireita.size(); ++k)
        aDireita[k]->move(lugares[k], aDireita[k]->y());
    w->resize(l, g.height());
    QFont fonte = w->font();
    const qreal original = fonte.pointSizeF();
    while (larguraPedida(w) > w->width() && fonte.pointSizeF() > 0.7 * original) {
        fonte.setPointSizeF(fonte.pointSizeF() - 0.5);
        w->setFont(fonte);
    }
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
                if (objeto->isWidgetType() && static_cast<QWidget*>(objeto)->isWindow()) {
                    auto* janela = static_cast<QWidget*>(objeto);
                    // The forms are drawn for the Portuguese texts; a translation is fitted once.
                    if (UIdioma::atual() != UIdioma::TIdioma::portugues &&
                        !janela->property(kAcomodada).toBool()) {
                        janela->setProperty(kAcomodada, true);
                        UJanelas::acomodaTextos(janela);
                    }
                    UJanelas::cabeNaTela(janela);
                }
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

void acomodaTextos(QWidget* janela) {
    if (janela == nullptr) return;
    std::vector<QWidget*> textos;
    for (QWidget* w : janela->findChildren<QWidget*>())
        if (larguraPedida(w) > w->width()) textos.push_back(w);
    // From left to right, so that a push is seen by the texts further along the row.
    std::sort(textos.begin(), textos.end(), [](const QWidget* a, const QWidget* b) {
        return a->mapTo(a->window(), QPoint()).x() < b->mapTo(b->window(), QPoint()).x();
    });
    for (QWidget* w : textos)
        if (const int l = larguraPedida(w); l > w->width()) acomoda(w, l);
}

}  // namespace UJanelas

#include "UTrabalho.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <atomic>
#include <cfenv>
#include <exception>
#include <memory>
#include <thread>

namespace UTrabalho {
namespace {

int& esperaDoDialogo() {
    static int ms = 400;
    return ms;
}

bool eventoDeEntrada(QEvent::Type tipo) {
    switch (tipo) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

// Drops the input meant for one window (its platform window, its widgets, its actions) and
// refuses its closing, for as long as it lives.
class TBloqueio : public QObject {
  public:
    explicit TBloqueio(QWidget& janela) : janela_(janela) { qApp->installEventFilter(this); }
    ~TBloqueio() override { qApp->removeEventFilter(this); }
    TBloqueio(const TBloqueio&) = delete;
    TBloqueio& operator=(const TBloqueio&) = delete;

  protected:
    bool eventFilter(QObject* alvo, QEvent* e) override {
        const QEvent::Type tipo = e->type();
        if (tipo == QEvent::Close && (alvo == &janela_ || alvo == janela_.windowHandle())) {
            e->ignore();
            return true;
        }
        return eventoDeEntrada(tipo) && pertence(alvo);
    }

  private:
    bool pertence(QObject* alvo) const {
        if (alvo == janela_.windowHandle()) return true;
        for (QObject* o = alvo; o != nullptr; o = o->parent())
            if (auto* w = qobject_cast<QWidget*>(o)) return w->window() == &janela_;
        return false;
    }

    QWidget& janela_;
};

}  // namespace

void defineEsperaDoDialogo(int milissegundos) {
    esperaDoDialogo() = milissegundos;
}

bool executa(QWidget& bloqueada, const QString& titulo, const Corpo& corpo,
             const Observador& observa) {
    TControle controle;
    std::exception_ptr falha;
    QEventLoop laco;
    TBloqueio bloqueio(bloqueada);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool cursorOcupado = true;

    std::fenv_t ambiente;
    std::fegetenv(&ambiente);
    std::atomic<bool> terminou{false};
    std::thread trabalhador([&] {
        std::fesetenv(&ambiente);
        try {
            corpo(controle);
        } catch (...) {
            falha = std::current_exception();
        }
        terminou.store(true);
        // The loop's quit slot by name: Qt then makes the queued call's event itself, and nothing
        // built by our code crosses the threads through Qt's locks, which a race detector cannot
        // see (a functor or an event made here would be reported when the other thread reads it).
        QMetaObject::invokeMethod(&laco, "quit", Qt::QueuedConnection);
    });

    QElapsedTimer relogio;
    relogio.start();
    std::unique_ptr<TFormTreinando> dialogo;
    auto atualiza = [&] {
        const TAndamento andamento = observa(controle);
        if (!dialogo && relogio.elapsed() >= esperaDoDialogo()) {
            dialogo = std::make_unique<TFormTreinando>(&bloqueada, titulo);
            QObject::connect(dialogo.get(), &TFormTreinando::paradaPedida,
                             [&controle] { controle.parar.store(true); });
            dialogo->mostra(andamento);
            QApplication::restoreOverrideCursor();
            cursorOcupado = false;
            dialogo->show();
        } else if (dialogo) {
            dialogo->mostra(andamento);
        }
    };
    QTimer relogioDeTela;
    relogioDeTela.setInterval(50);
    QObject::connect(&relogioDeTela, &QTimer::timeout, atualiza);
    relogioDeTela.start();
    if (esperaDoDialogo() == 0) atualiza();
    if (!terminou.load()) laco.exec();
    trabalhador.join();
    relogioDeTela.stop();
    observa(controle);

    const bool parada = dialogo && dialogo->pediuParada();
    if (dialogo) dialogo->hide();
    dialogo.reset();
    if (cursorOcupado) QApplication::restoreOverrideCursor();
    if (falha) std::rethrow_exception(falha);
    return parada;
}

std::exception_ptr executaRetendo(QWidget& bloqueada, const QString& titulo, const Corpo& corpo,
                                  const Observador& observa) {
    try {
        executa(bloqueada, titulo, corpo, observa);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

}  // namespace UTrabalho

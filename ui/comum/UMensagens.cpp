#include "UMensagens.h"

#include <exception>
#include <new>

#include "UTextos.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

namespace UMensagens {
namespace {

Interceptador& interceptadorAtual() {
    static Interceptador i;
    return i;
}

// A message box that places itself at the centre of the screen, not of its parent.
class TCaixa : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* e) override {
        QMessageBox::showEvent(e);
        const QScreen* tela = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
        if (tela != nullptr) {
            const QRect area = tela->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
};

// The text wraps at half the screen's width: Qt's own box would wrap it at 500 pixels at most.
void defineLarguraDoTexto(QMessageBox& caixa, const QString& texto) {
    auto* rotulo = caixa.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QScreen* tela =
        caixa.screen() != nullptr ? caixa.screen() : QGuiApplication::primaryScreen();
    if (rotulo == nullptr || tela == nullptr) return;
    const int metade = tela->geometry().width() / 2;
    const QRect ocupado =
        rotulo->fontMetrics().boundingRect(QRect(0, 0, metade, 1 << 20), Qt::TextWordWrap, texto);
    rotulo->setMinimumWidth(std::min(ocupado.width() + 1, metade));
}

void mostra(QWidget* pai, QMessageBox::Icon icone, const QString& texto) {
    TCaixa caixa(icone, QStringLiteral("Norvika"), texto, QMessageBox::Ok, pai);
    caixa.setObjectName(icone == QMessageBox::NoIcon ? QStringLiteral("MensagemNorvika")
                                                     : QStringLiteral("FalhaNorvika"));
    caixa.setTextFormat(Qt::PlainText);
    defineLarguraDoTexto(caixa, texto);
    caixa.setDefaultButton(QMessageBox::Ok);
    caixa.setEscapeButton(QMessageBox::Ok);
    caixa.exec();
}

}  // namespace

void defineInterceptador(Interceptador interceptador) {
    interceptadorAtual() = std::move(interceptador);
}

QString textoDaFalha(const QString& mensagem) {
    if (!mensagem.isEmpty() && mensagem.back().unicode() > u'.') return mensagem + u'.';
    return mensagem;
}

void mostraMensagem(QWidget* pai, const QString& texto) {
    if (interceptadorAtual()) {
        interceptadorAtual()(Tipo::Mensagem, texto);
        return;
    }
    mostra(pai, QMessageBox::NoIcon, texto);
}

void mostraFalha(QWidget* pai, const QString& mensagem) {
    const QString texto = textoDaFalha(mensagem);
    if (interceptadorAtual()) {
        interceptadorAtual()(Tipo::Falha, texto);
        return;
    }
    mostra(pai, QMessageBox::Critical, texto);
}

Resposta perguntaSeSalva(QWidget* pai, const QString& texto) {
    if (interceptadorAtual()) {
        interceptadorAtual()(Tipo::Pergunta, texto);
        return Resposta::Descartar;
    }
    TCaixa caixa(QMessageBox::Question, QStringLiteral("Norvika"), texto, QMessageBox::NoButton,
                 pai);
    caixa.setObjectName(QStringLiteral("PerguntaNorvika"));
    caixa.setTextFormat(Qt::PlainText);
    defineLarguraDoTexto(caixa, texto);
    QPushButton* salvar = caixa.addButton(QCoreApplication::translate("UMensagens", "Salvar…"),
                                          QMessageBox::AcceptRole);
    QPushButton* descartar = caixa.addButton(QCoreApplication::translate("UMensagens", "Descartar"),
                                             QMessageBox::DestructiveRole);
    QPushButton* cancelar = caixa.addButton(QCoreApplication::translate("UMensagens", "Cancelar"),
                                            QMessageBox::RejectRole);
    salvar->setObjectName(QStringLiteral("PerguntaSalvarButton"));
    descartar->setObjectName(QStringLiteral("PerguntaDescartarButton"));
    cancelar->setObjectName(QStringLiteral("PerguntaCancelarButton"));
    caixa.setDefaultButton(salvar);
    caixa.setEscapeButton(cancelar);
    caixa.exec();
    if (caixa.clickedButton() == salvar) return Resposta::Salvar;
    if (caixa.clickedButton() == descartar) return Resposta::Descartar;
    return Resposta::Cancelar;
}

void protege(QWidget* pai, const std::function<void()>& comando) {
    try {
        comando();
    } catch (const std::bad_alloc&) {
        mostraFalha(pai, QCoreApplication::translate(
                             "UMensagens", "Memória insuficiente para concluir a operação"));
    } catch (const std::exception& e) {
        mostraFalha(pai, textoDeBytes(e.what()));
    } catch (...) {
        mostraFalha(pai, QCoreApplication::translate("UMensagens", "Falha inesperada"));
    }
}

}  // namespace UMensagens

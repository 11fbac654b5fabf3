#include "UManual.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <functional>

#include "UImagens.h"

// The manual lives in a resource of the ui library, which a static library must register itself.
static void registraManual() {
    Q_INIT_RESOURCE(manual);
}

namespace {

// A browser for which a link "licao:N" opens a lesson instead of a page.
class TNavegadorManual : public QTextBrowser {
  public:
    TNavegadorManual(QWidget* pai, std::function<void(int)> aoPedirLicao)
        : QTextBrowser(pai), aoPedirLicao_(std::move(aoPedirLicao)) {}

  protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType tipo) override {
        if (url.scheme() == QLatin1String("licao")) {
            bool ok = false;
            const int licao = url.path().toInt(&ok);
            if (ok) aoPedirLicao_(licao);
            return;
        }
        QTextBrowser::doSetSource(url, tipo);
    }

  private:
    std::function<void(int)> aoPedirLicao_;
};

}  // namespace

TManual::TManual(QWidget* pai) : QWidget(pai, Qt::Window) {
    registraManual();
    setObjectName(QStringLiteral("ManualJanela"));
    setWindowTitle(QStringLiteral("Manual do Norvika"));
    setWindowIcon(UImagens::iconeNorvika());
    setWindowModality(Qt::NonModal);
    navegador_ = new TNavegadorManual(this, [this](int licao) { Q_EMIT licaoPedida(licao); });
    navegador_->setObjectName(QStringLiteral("ManualNavegador"));
    navegador_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(navegador_);
    resize(780, 640);
}

void TManual::mostraConteudo() {
    navegador_->setSource(QUrl(QStringLiteral("qrc:/manual/manual.html")));
    navegador_->scrollToAnchor(QStringLiteral("conteudo"));
    navegador_->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

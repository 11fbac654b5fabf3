#include "UManual.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "UImagens.h"

// The manual lives in a resource of the ui library, which a static library must register itself.
static void registraManual() {
    Q_INIT_RESOURCE(manual);
}

TManual::TManual(QWidget* pai) : QWidget(pai, Qt::Window) {
    registraManual();
    setObjectName(QStringLiteral("ManualJanela"));
    setWindowTitle(QStringLiteral("Manual do Norvika"));
    setWindowIcon(UImagens::iconeNorvika());
    setWindowModality(Qt::NonModal);
    navegador_ = new QTextBrowser(this);
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

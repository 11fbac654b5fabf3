#include "UManual.h"

#include <QScrollBar>

#include "UIdioma.h"
#include "UImagens.h"
#include "UJanelas.h"
#include "ui_UManual.h"

// The manual lives in a resource of the ui library, which a static library must register itself.
static void registraManual() {
    Q_INIT_RESOURCE(manual);
}

void TNavegadorManual::doSetSource(const QUrl& url, QTextDocument::ResourceType tipo) {
    if (url.scheme() == QLatin1String("licao")) {
        bool ok = false;
        const int licao = url.path().toInt(&ok);
        if (ok) Q_EMIT licaoPedida(licao);
        return;
    }
    QTextBrowser::doSetSource(url, tipo);
}

TManual::TManual(QWidget* pai) : QWidget(pai, Qt::Window), ui(new Ui::TManual) {
    registraManual();
    UJanelas::instala();
    ui->setupUi(this);
    setWindowIcon(UImagens::iconeNorvika());
    setWindowModality(Qt::NonModal);
    connect(ui->ManualNavegador, &TNavegadorManual::licaoPedida, this, &TManual::licaoPedida);
}

TManual::~TManual() {
    delete ui;
}

QUrl TManual::endereco(const QString& ancora) {
    QUrl url(UIdioma::atual() == UIdioma::TIdioma::ingles
                 ? QStringLiteral("qrc:/manual/manual-en.html")
                 : QStringLiteral("qrc:/manual/manual.html"));
    if (!ancora.isEmpty()) url.setFragment(ancora);
    return url;
}

QTextBrowser* TManual::navegador() const {
    return ui->ManualNavegador;
}

void TManual::mostraConteudo() {
    navegador()->setSource(endereco());
    navegador()->scrollToAnchor(QStringLiteral("conteudo"));
    navegador()->verticalScrollBar()->setValue(0);
    show();
    raise();
    activateWindow();
}

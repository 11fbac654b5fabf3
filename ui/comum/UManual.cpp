#include "UManual.h"

#include <QDesktopServices>
#include <QScrollBar>

#include "UIdioma.h"
#include "UImagens.h"
#include "UJanelas.h"
#include "ui_UManual.h"

// The manual lives in a resource of the ui library, which a static library must register itself.
static void registraManual() {
    Q_INIT_RESOURCE(manual);
}

TNavegadorManual::TNavegadorManual(QWidget* pai) : QTextBrowser(pai) {
    // QTextBrowser itself would hand every scheme but file and qrc to the desktop when external
    // links are open, the lessons' "licao:N" too; the links are followed here instead.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &TNavegadorManual::segue);
}

void TNavegadorManual::segue(const QUrl& url) {
    const QString esquema = url.scheme();
    if (openExternalLinks() && !esquema.isEmpty() && esquema != QLatin1String("licao") &&
        esquema != QLatin1String("qrc") && esquema != QLatin1String("file")) {
        QDesktopServices::openUrl(url);
        return;
    }
    setSource(url);
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

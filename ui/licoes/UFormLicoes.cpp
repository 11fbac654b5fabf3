#include "UFormLicoes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "UJanelas.h"
#include "ULicoes.h"

TFormLicoes::TFormLicoes(QWidget* pai) : QWidget(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    for (const TLicao& l : licoes()) ui.LicoesLista->addItem(QString::fromStdString(l.titulo));
    ui.LicoesDivisor->setSizes({230, 630});
    connect(ui.LicoesLista, &QListWidget::currentRowChanged, this, &TFormLicoes::mostraLicao);
    connect(ui.PrepararLicaoButton, &QPushButton::clicked, this, [this] {
        if (licaoEscolhida() >= 0) Q_EMIT preparar(licaoEscolhida());
    });
    connect(ui.LicaoManualButton, &QPushButton::clicked, this, &TFormLicoes::abrirManual);
    ui.LicoesLista->setCurrentRow(0);
}

int TFormLicoes::licaoEscolhida() const {
    return ui.LicoesLista->currentRow();
}

void TFormLicoes::escolhe(int licao) {
    ui.LicoesLista->setCurrentRow(licao);
}

void TFormLicoes::mostraLicao() {
    const int i = licaoEscolhida();
    while (QLayoutItem* item = ui.LicaoPerguntas->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (i < 0 || i >= static_cast<int>(licoes().size())) return;
    const TLicao& l = licoes()[static_cast<std::size_t>(i)];
    const auto html = [](const std::string& s) {
        return QString::fromStdString(s).toHtmlEscaped();
    };
    QString onde = l.classica && l.laboratorio ? QStringLiteral("a janela clássica e o laboratório")
                   : l.classica                ? QStringLiteral("a janela clássica")
                                               : QStringLiteral("o laboratório");
    ui.LicaoTexto->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p><h3>O que observar</h3><p>%3</p>"
                                          "<p style=\"color:#555\">Esta lição usa %4.</p>")
                               .arg(html(l.titulo), html(l.texto), html(l.observar), onde));
    int n = 0;
    for (const TPerguntaLicao& p : l.perguntas) {
        ++n;
        auto* pergunta = new QLabel(QStringLiteral("<b>%1.</b> %2").arg(n).arg(html(p.pergunta)));
        pergunta->setObjectName(QStringLiteral("LicaoPergunta%1").arg(n));
        pergunta->setWordWrap(true);
        auto* linha = new QWidget;
        auto* layout = new QHBoxLayout(linha);
        layout->setContentsMargins(16, 0, 0, 4);
        auto* botao = new QPushButton(QStringLiteral("Mostrar resposta"));
        botao->setObjectName(QStringLiteral("LicaoRespostaButton%1").arg(n));
        // The answer is plain text: its quotes and angle brackets are shown as written.
        auto* resposta = new QLabel(QString::fromStdString(p.resposta));
        resposta->setTextFormat(Qt::PlainText);
        resposta->setObjectName(QStringLiteral("LicaoRespostaLabel%1").arg(n));
        resposta->setWordWrap(true);
        resposta->setStyleSheet(QStringLiteral("color: #0b5394"));
        resposta->setVisible(false);
        layout->addWidget(botao, 0, Qt::AlignTop | Qt::AlignLeft);
        layout->addWidget(resposta, 1);
        connect(botao, &QPushButton::clicked, resposta, [botao, resposta] {
            const bool mostrar = !resposta->isVisible();
            resposta->setVisible(mostrar);
            botao->setText(mostrar ? QStringLiteral("Esconder")
                                   : QStringLiteral("Mostrar resposta"));
        });
        ui.LicaoPerguntas->addWidget(pergunta);
        ui.LicaoPerguntas->addWidget(linha);
    }
    ui.LicaoPerguntas->addStretch(1);
}

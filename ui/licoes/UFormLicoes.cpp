#include "UFormLicoes.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ULicoes.h"

TFormLicoes::TFormLicoes(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("FormLicoes"));
    setWindowTitle(QStringLiteral("Lições — Norvika"));
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(880, 560);

    auto* divisor = new QSplitter(this);
    lista_ = new QListWidget(divisor);
    lista_->setObjectName(QStringLiteral("LicoesLista"));
    for (const TLicao& l : licoes()) lista_->addItem(QString::fromStdString(l.titulo));
    lista_->setMinimumWidth(200);

    auto* direita = new QWidget(divisor);
    auto* coluna = new QVBoxLayout(direita);
    coluna->setContentsMargins(0, 0, 0, 0);
    texto_ = new QTextBrowser(direita);
    texto_->setObjectName(QStringLiteral("LicaoTexto"));
    texto_->setOpenLinks(false);
    coluna->addWidget(texto_, 3);

    auto* grupo = new QGroupBox(QStringLiteral("Perguntas para a turma"), direita);
    grupo->setObjectName(QStringLiteral("LicaoPerguntasGroup"));
    perguntas_ = new QVBoxLayout(grupo);
    coluna->addWidget(grupo, 2);

    auto* botoes = new QHBoxLayout;
    preparar_ = new QPushButton(QStringLiteral("&Preparar"), direita);
    preparar_->setObjectName(QStringLiteral("PrepararLicaoButton"));
    preparar_->setToolTip(
        QStringLiteral("Abre os dados da lição e escolhe o mapa e o treino na janela certa; "
                       "depois é só treinar."));
    auto* manual = new QPushButton(QStringLiteral("Lições no &manual"), direita);
    manual->setObjectName(QStringLiteral("LicaoManualButton"));
    botoes->addWidget(manual);
    botoes->addStretch(1);
    botoes->addWidget(preparar_);
    coluna->addLayout(botoes);

    divisor->setStretchFactor(1, 1);
    divisor->setSizes({230, 630});
    auto* principal = new QHBoxLayout(this);
    principal->addWidget(divisor);

    connect(lista_, &QListWidget::currentRowChanged, this, &TFormLicoes::mostraLicao);
    connect(preparar_, &QPushButton::clicked, this, [this] {
        if (licaoEscolhida() >= 0) Q_EMIT preparar(licaoEscolhida());
    });
    connect(manual, &QPushButton::clicked, this, &TFormLicoes::abrirManual);
    lista_->setCurrentRow(0);
}

int TFormLicoes::licaoEscolhida() const {
    return lista_->currentRow();
}

void TFormLicoes::escolhe(int licao) {
    lista_->setCurrentRow(licao);
}

void TFormLicoes::mostraLicao() {
    const int i = licaoEscolhida();
    while (QLayoutItem* item = perguntas_->takeAt(0)) {
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
    texto_->setHtml(QStringLiteral("<h2>%1</h2><p>%2</p><h3>O que observar</h3><p>%3</p>"
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
        auto* resposta = new QLabel(html(p.resposta));
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
        perguntas_->addWidget(pergunta);
        perguntas_->addWidget(linha);
    }
    perguntas_->addStretch(1);
}

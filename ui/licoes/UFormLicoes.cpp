#include "UFormLicoes.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "UDialogos.h"
#include "UImagemExportada.h"
#include "UJanelas.h"
#include "ULicoes.h"
#include "UTextos.h"

TFormLicoes::TFormLicoes(QWidget* pai) : QWidget(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    for (const TLicao& l : licoes()) ui.LicoesLista->addItem(traduzido("ULicoes", l.titulo));
    ui.LicoesDivisor->setSizes({230, 630});
    connect(ui.LicoesLista, &QListWidget::currentRowChanged, this, &TFormLicoes::mostraLicao);
    connect(ui.PrepararLicaoButton, &QPushButton::clicked, this, [this] {
        if (licaoEscolhida() >= 0) Q_EMIT preparar(licaoEscolhida());
    });
    connect(ui.LicaoManualButton, &QPushButton::clicked, this, &TFormLicoes::abrirManual);
    dialogoFolha_ = UDialogos::criaDialogoExportacao(this, "FolhaLicaoDialog", {tr("PDF (*.pdf)")},
                                                     QStringLiteral("pdf"));
    connect(ui.ImprimirFolhaButton, &QPushButton::clicked, this,
            &TFormLicoes::ImprimirFolhaButtonClick);
    connect(ui.ImprimirTodasFolhasButton, &QPushButton::clicked, this,
            &TFormLicoes::ImprimirTodasFolhasButtonClick);
    ui.LicoesLista->setCurrentRow(0);
}

int TFormLicoes::licaoEscolhida() const {
    return ui.LicoesLista->currentRow();
}

void TFormLicoes::escolhe(int licao) {
    ui.LicoesLista->setCurrentRow(licao);
}

void TFormLicoes::ImprimirFolhaButtonClick() {
    const int i = licaoEscolhida();
    if (i < 0) return;
    imprime({i}, QStringLiteral("licao-%1.pdf").arg(i + 1));
}

void TFormLicoes::ImprimirTodasFolhasButtonClick() {
    std::vector<int> todas(licoes().size());
    for (std::size_t i = 0; i < todas.size(); ++i) todas[i] = static_cast<int>(i);
    imprime(todas, QStringLiteral("licoes.pdf"));
}

void TFormLicoes::imprime(const std::vector<int>& quais, const QString& sugestao) {
    dialogoFolha_->selectFile(sugestao);
    const bool respostas = ui.FolhaRespostasCheckBox->isChecked();
    exportaComDialogo(
        this, *dialogoFolha_,
        [&](const QString& caminho) {
            std::vector<TLicaoNaFolha> folha;
            for (const int i : quais)
                folha.push_back({&licoes().at(static_cast<std::size_t>(i)),
                                 figuras_ ? figuras_(i) : std::vector<TFiguraFolha>{}});
            return escreveFolha(folha, caminho, respostas);
        },
        tr("a folha"));
}

void TFormLicoes::mostraLicao() {
    const int i = licaoEscolhida();
    while (QLayoutItem* item = ui.LicaoPerguntas->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (i < 0 || i >= static_cast<int>(licoes().size())) return;
    const TLicao& l = licoes()[static_cast<std::size_t>(i)];
    const auto html = [](const std::string& s) { return traduzido("ULicoes", s).toHtmlEscaped(); };
    const QString onde = l.classica && l.laboratorio
                             ? tr("Esta lição usa a janela clássica e o laboratório.")
                         : l.classica ? tr("Esta lição usa a janela clássica.")
                                      : tr("Esta lição usa o laboratório.");
    ui.LicaoTexto->setHtml(tr("<h2>%1</h2><p>%2</p><h3>O que observar</h3><p>%3</p>"
                              "<p style=\"color:#555\">%4</p>")
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
        auto* botao = new QPushButton(tr("Mostrar resposta"));
        botao->setObjectName(QStringLiteral("LicaoRespostaButton%1").arg(n));
        // The answer is plain text: its quotes and angle brackets are shown as written.
        auto* resposta = new QLabel(traduzido("ULicoes", p.resposta));
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
            botao->setText(mostrar ? tr("Esconder") : tr("Mostrar resposta"));
        });
        ui.LicaoPerguntas->addWidget(pergunta);
        ui.LicaoPerguntas->addWidget(linha);
    }
    ui.LicaoPerguntas->addStretch(1);
}

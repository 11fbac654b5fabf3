#include "UFormExplorador.h"

#include <QFileDialog>

#include "UDialogos.h"
#include "UImagemExportada.h"
#include "UJanelas.h"
#include "UMensagens.h"
#include "UTextos.h"

TFormExplorador::TFormExplorador(QWidget* pai) : QWidget(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    dialogoImagem_ = UDialogos::criaDialogoImagem(this, "ExportarImagemDialog");
    dialogoDados_ = UDialogos::criaDialogoDadosDoMapa(this, "ExportarDadosDialog");
    connect(dialogoDados_, &QFileDialog::filterSelected, this, [this](const QString& filtro) {
        dialogoDados_->setDefaultSuffix(filtro.contains(QStringLiteral("*.cod"))
                                            ? QStringLiteral("cod")
                                            : QStringLiteral("csv"));
    });
    // The plane's scale box keeps its room when hidden, so the window keeps its size as the view
    // changes.
    QSizePolicy politica = ui.EscalaComumCheckBox->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    ui.EscalaComumCheckBox->setSizePolicy(politica);
    TPainelMapa::TTextos textos;
    textos.instante = tr("Ciclo");
    textos.escolhaUmaUnidade = tr("Clique num neurônio do mapa para ver seus pesos e rótulos.");
    painel_ = new TPainelMapa(this,
                              {ui.VistaSeletor, ui.VistaMapa, ui.VistaCurva, ui.EscalaComumCheckBox,
                               ui.PainelNeuronio, ui.LinhaUmEmbaixoCheckBox, ui.AgrupamentosSpin,
                               ui.AgrupamentosCheckBox, ui.PropriedadeCombo},
                              textos);
    preencheSeletor();
    connect(ui.ExportarButton, &QPushButton::clicked, this, &TFormExplorador::ExportarButtonClick);
    connect(ui.ExportarDadosButton, &QPushButton::clicked, this,
            &TFormExplorador::ExportarDadosButtonClick);
    mostra(std::make_shared<TDadosMapa>());
}

void TFormExplorador::preencheSeletor() {
    // "Cores" only when the weights can be read as a colour.
    const TDadosMapa* d = dados();
    if (painel_->preencheSeletor(d != nullptr && d->dimensao == 3, vistaPedida_))
        vistaPedida_.reset();
}

bool TFormExplorador::passoAPasso() const {
    return ui.PassoAPassoCheckBox->isChecked();
}

void TFormExplorador::definePassoAPasso(bool ligado) {
    ui.PassoAPassoCheckBox->setChecked(ligado);
}

void TFormExplorador::escolheVista(TTipoVista tipo) {
    vistaPedida_ = tipo;
    preencheSeletor();
}

void TFormExplorador::VistaSeletorChange() {
    UMensagens::protege(this, [&] { painel_->mostraVistaEscolhida(); });
}

void TFormExplorador::mostra(std::shared_ptr<const TDadosMapa> dados) {
    const bool mudouDimensao = !dados_ || dados_->dimensao != dados->dimensao;
    dados_ = std::move(dados);
    painel_->mostra(dados_);
    preencheAviso();
    if (mudouDimensao) preencheSeletor();
    const bool temMapa = !dados_->vazio();
    ui.ExportarButton->setEnabled(temMapa);
    ui.ExportarDadosButton->setEnabled(temMapa);
    if (dados_->erros) {
        ui.ErroQuantizacaoLabel->setText(
            tr("Quantização: %1").arg(numeroCurto(dados_->erros->quantizacao)));
        ui.ErroTopograficoLabel->setText(
            tr("Topográfico: %1").arg(numeroCurto(dados_->erros->topografico)));
    } else {
        ui.ErroQuantizacaoLabel->setText(tr("Quantização: –"));
        ui.ErroTopograficoLabel->setText(tr("Topográfico: –"));
    }
    ui.SementeLabel->setText(
        dados_->semente ? tr("Semente dos pesos iniciais: %1").arg(*dados_->semente) : QString());
}

void TFormExplorador::acompanhaTreino(TTreino& treino) {
    TAcompanhamento::TMapaAoVivo mapa;
    if (treino.acompanhamento().tomaInstantaneo(mapa)) {
        auto dados = dadosDoMapa(treino.rede(), treino.extras(), &mapa.pesos, &mapa.vencedores);
        dados->curva = treino.acompanhamento().curva();
        mostra(dados);
    }
    if (!desdeAoVivo_.isValid() || desdeAoVivo_.elapsed() >= 100) {
        treino.acompanhamento().pedeInstantaneo();
        desdeAoVivo_.start();
    }
}

void TFormExplorador::preencheAviso() {
    const TExtrasMapa& x = *dados_->padroes;
    if (x.linhasAlem <= 0) {
        ui.AvisoLinhasLabel->clear();
        return;
    }
    ui.AvisoLinhasLabel->setText(
        (x.linhasAlem == 1 ? tr("%1 linha além das %2 anunciadas no cabeçalho foi ignorada.")
                           : tr("%1 linhas além das %2 anunciadas no cabeçalho foram ignoradas."))
            .arg(x.linhasAlem)
            .arg(x.anunciados));
}

QString TFormExplorador::exportaImagem(const QString& caminho) {
    return painel_->exportaImagem(caminho, ui.LegendaExportacaoCheckBox->isChecked());
}

QString TFormExplorador::exportaDados(const QString& caminho) {
    return painel_->exportaDados(caminho, [this] { return codebookDoMapa(*dados_); });
}

void TFormExplorador::ExportarButtonClick() {
    exportaComDialogo(
        this, *dialogoImagem_, [this](const QString& nome) { return exportaImagem(nome); },
        tr("a imagem"));
}

void TFormExplorador::ExportarDadosButtonClick() {
    exportaComDialogo(
        this, *dialogoDados_, [this](const QString& nome) { return exportaDados(nome); },
        tr("os dados"));
}

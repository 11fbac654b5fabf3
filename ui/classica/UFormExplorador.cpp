#include "UFormExplorador.h"

#include <QBuffer>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "UDialogos.h"
#include "UExportacao.h"
#include "UGravacao.h"
#include "UImagemExportada.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "UTextos.h"

namespace {

QFileDialog* dialogoDeExportacao(QWidget* pai, const char* nome, const QString& filtro,
                                 const QString& sufixo) {
    auto* d = new QFileDialog(pai);
    d->setObjectName(QString::fromLatin1(nome));
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    d->setNameFilter(filtro);
    d->setDefaultSuffix(sufixo);
    return d;
}

}  // namespace

TFormExplorador::TFormExplorador(QWidget* pai) : QWidget(pai) {
    ui.setupUi(this);
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    dialogoImagem_ =
        dialogoDeExportacao(this, "ExportarImagemDialog", QStringLiteral("Imagens (*.png *.svg)"),
                            QStringLiteral("png"));
    dialogoDados_ = dialogoDeExportacao(this, "ExportarDadosDialog",
                                        QStringLiteral("Tabelas (*.csv);;Mapas do SOM_PAK (*.cod)"),
                                        QStringLiteral("csv"));
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
    preencheSeletor();
    connect(ui.VistaSeletor, &QComboBox::currentIndexChanged, this,
            &TFormExplorador::VistaSeletorChange);
    connect(ui.EscalaComumCheckBox, &QCheckBox::toggled, ui.VistaMapa,
            &TVistaMapa::defineEscalaComum);
    connect(ui.VistaMapa, &TVistaMapa::neuronioEscolhido, this, &TFormExplorador::escolheNeuronio);
    connect(ui.ExportarButton, &QPushButton::clicked, this, &TFormExplorador::ExportarButtonClick);
    connect(ui.ExportarDadosButton, &QPushButton::clicked, this,
            &TFormExplorador::ExportarDadosButtonClick);
    mostra(std::make_shared<TDadosMapa>());
}

void TFormExplorador::preencheSeletor() {
    // "Cores" only when the weights can be read as a colour.
    const bool cores = dados_ && dados_->dimensao == 3;
    const QString atual = ui.VistaSeletor->currentText();
    ui.VistaSeletor->blockSignals(true);
    ui.VistaSeletor->clear();
    for (const TOpcaoVista& v : kOpcoesVista)
        if (v.vista != static_cast<int>(TTipoVista::Cores) || cores)
            ui.VistaSeletor->addItem(QString::fromUtf8(v.nome), v.vista);
    int indice = ui.VistaSeletor->findText(atual);
    if (const int pedida = ui.VistaSeletor->findText(vistaPedida_); pedida >= 0) {
        indice = pedida;
        vistaPedida_.clear();
    }
    ui.VistaSeletor->setCurrentIndex(indice >= 0 ? indice : 0);
    ui.VistaSeletor->blockSignals(false);
    VistaSeletorChange();
}

bool TFormExplorador::passoAPasso() const {
    return ui.PassoAPassoCheckBox->isChecked();
}

void TFormExplorador::definePassoAPasso(bool ligado) {
    ui.PassoAPassoCheckBox->setChecked(ligado);
}

void TFormExplorador::escolheVista(const QString& nome) {
    vistaPedida_ = nome;
    preencheSeletor();
}

void TFormExplorador::VistaSeletorChange() {
    UMensagens::protege(this, [&] { mostraVistaEscolhida(); });
}

void TFormExplorador::mostraVistaEscolhida() {
    const int vista = ui.VistaSeletor->currentData().toInt();
    const bool curva = vista == kVistaCurva;
    if (!curva) ui.VistaMapa->defineTipo(static_cast<TTipoVista>(vista));
    ui.VistaMapa->setVisible(!curva);
    ui.VistaCurva->setVisible(curva);
    ui.EscalaComumCheckBox->setVisible(vista == static_cast<int>(TTipoVista::Planos));
}

void TFormExplorador::mostra(std::shared_ptr<const TDadosMapa> dados) {
    const bool mudouDimensao = !dados_ || dados_->dimensao != dados->dimensao;
    dados_ = std::move(dados);
    ui.VistaMapa->defineDados(dados_);
    ui.VistaCurva->defineCurva(dados_->curva);
    preencheAviso();
    if (mudouDimensao) preencheSeletor();
    const bool temMapa = !dados_->vazio();
    ui.ExportarButton->setEnabled(temMapa);
    ui.ExportarDadosButton->setEnabled(temMapa);
    if (dados_->erros) {
        ui.ErroQuantizacaoLabel->setText(
            QStringLiteral("Quantização: %1").arg(numeroCurto(dados_->erros->quantizacao)));
        ui.ErroTopograficoLabel->setText(
            QStringLiteral("Topográfico: %1").arg(numeroCurto(dados_->erros->topografico)));
    } else {
        ui.ErroQuantizacaoLabel->setText(QStringLiteral("Quantização: –"));
        ui.ErroTopograficoLabel->setText(QStringLiteral("Topográfico: –"));
    }
    preenchePainel();
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

void TFormExplorador::escolheNeuronio(std::int32_t neuronio) {
    UMensagens::protege(this, [&] {
        ui.VistaMapa->defineSelecionado(neuronio);
        preenchePainel();
    });
}

void TFormExplorador::preencheAviso() {
    const TExtrasMapa& x = *dados_->padroes;
    if (x.linhasAlem <= 0) {
        ui.AvisoLinhasLabel->clear();
        return;
    }
    ui.AvisoLinhasLabel->setText(
        (x.linhasAlem == 1
             ? QStringLiteral("1 linha além das %2 anunciadas no cabeçalho foi ignorada.")
             : QStringLiteral("%1 linhas além das %2 anunciadas no cabeçalho foram ignoradas."))
            .arg(x.linhasAlem)
            .arg(x.anunciados));
}

void TFormExplorador::preenchePainel() {
    ui.SementeLabel->setText(
        dados_ && dados_->semente
            ? QStringLiteral("Semente dos pesos iniciais: %1").arg(*dados_->semente)
            : QString());
    if (dados_ && dados_->passo) {
        // Stepping: the pattern just presented and what it did to its winner.
        ui.PainelNeuronio->setPlainText(textoDoPasso(*dados_, QStringLiteral("Ciclo")));
        return;
    }
    const std::int32_t a = ui.VistaMapa->selecionado();
    if (!dados_ || a < 0 || a >= dados_->neuronios()) {
        ui.PainelNeuronio->setPlainText(
            dados_ && !dados_->vazio()
                ? QStringLiteral("Clique num neurônio do mapa para ver seus pesos e rótulos.")
                : QString());
        return;
    }
    ui.PainelNeuronio->setPlainText(textoDoNeuronio(*dados_, a));
}

QString TFormExplorador::exportaImagem(const QString& caminho) {
    // Drawn into memory first: the file is written only once the picture is whole.
    // The view on screen, the map's or the curve's, with its caption under it when asked.
    const bool curva = ui.VistaCurva->isVisibleTo(this);
    const QRect vista(QPoint(0, 0), curva ? ui.VistaCurva->size() : ui.VistaMapa->size());
    const bool legenda = ui.LegendaExportacaoCheckBox->isChecked() && !dados_->vazio();
    const QRect area =
        legenda ? vista.adjusted(0, 0, 0, static_cast<int>(kAlturaLegendaExportacao)) : vista;
    auto desenha = [&](QPainter& p) {
        if (curva)
            ui.VistaCurva->desenha(p, vista);
        else
            ui.VistaMapa->desenha(p, vista);
        if (legenda)
            pintaLegendaExportacao(
                p, QRectF(0, vista.height(), vista.width(), kAlturaLegendaExportacao), *dados_);
    };
    return gravaImagem(caminho, area.size(), ui.VistaSeletor->currentText(), desenha);
}

QString TFormExplorador::exportaDados(const QString& caminho) {
    if (!dados_ || dados_->vazio()) return QStringLiteral("não há mapa");
    if (!caminho.endsWith(QStringLiteral(".cod"), Qt::CaseInsensitive) &&
        !caminho.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return QStringLiteral("o nome deve terminar em .csv (tabela) ou .cod (SOM_PAK)");
    const std::string texto = caminho.endsWith(QStringLiteral(".cod"), Qt::CaseInsensitive)
                                  ? textoDoCodebook(codebookDoMapa(*dados_))
                                  : csvDoMapa(*dados_);
    return gravaExportacao(caminho, texto);
}

void TFormExplorador::exporta(QFileDialog& dialogo,
                              QString (TFormExplorador::*exportacao)(const QString&),
                              const QString& oQue) {
    exportaComDialogo(
        this, dialogo, [&](const QString& nome) { return (this->*exportacao)(nome); }, oQue);
}

void TFormExplorador::ExportarButtonClick() {
    exporta(*dialogoImagem_, &TFormExplorador::exportaImagem, QStringLiteral("a imagem"));
}

void TFormExplorador::ExportarDadosButtonClick() {
    exporta(*dialogoDados_, &TFormExplorador::exportaDados, QStringLiteral("os dados"));
}

#include "UFormLaboratorio.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <QShortcut>
#include <QThread>
#include <cmath>
#include <limits>

#include "UAnimacaoMapa.h"
#include "UDialogos.h"
#include "UErros.h"
#include "UExportacao.h"
#include "UFormComparacao.h"
#include "UFormImportar.h"
#include "UFormLaboratorioInterno.h"
#include "UIdioma.h"
#include "UImagemExportada.h"
#include "UJanelas.h"
#include "UMensagens.h"
#include "UTextos.h"

namespace ULabJanela {

QString gravaCodebookEm(const TCodebook& codebook, const QString& caminho) {
    try {
        gravaCodebook(codebook, caminhoEmBytes(caminho));
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

}  // namespace ULabJanela

namespace {

QStringList filtrosCod() {
    return {QCoreApplication::translate("TFormLaboratorio", "Mapas do SOM_PAK (*.cod)"),
            QCoreApplication::translate("TFormLaboratorio", "Todos (*)")};
}
QStringList filtrosSessao() {
    return {
        QCoreApplication::translate("TFormLaboratorio", "Sessões do laboratório (*.norvika-lab)"),
        QCoreApplication::translate("TFormLaboratorio", "Todos (*)")};
}

}  // namespace

TFormLaboratorio::TFormLaboratorio(QWidget* pai) : QWidget(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    // The .ui sets norvika-lab's defaults (hexagonal, Gaussian, shuffled, started from patterns)
    // and lets the map's column alone grow with the window; its first widths are set here.
    ui.LabDivisor->setSizes({340, 640, 320});
    // The .ui's numbers have the decimal comma; in English the fields show a point.
    if (UIdioma::atual() != UIdioma::TIdioma::portugues)
        for (QLineEdit* campo : {ui.LabRaioInicialEdit, ui.LabRaioFinalEdit, ui.LabTaxaInicialEdit,
                                 ui.LabTaxaFinalEdit})
            campo->setText(campo->text().replace(u',', u'.'));
    sessao_.defineNomeDosTreinos(bytesUtf8(tr("Treino")));
    // The planes' scale box keeps its room when hidden, so no view widens the window.
    QSizePolicy politica = ui.LabEscalaComumCheckBox->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    ui.LabEscalaComumCheckBox->setSizePolicy(politica);
    TPainelMapa::TTextos textos;
    textos.instante = tr("Época");
    textos.escolhaUmaUnidade =
        tr("Clique numa unidade do mapa para ver seus pesos, rótulos e padrões.");
    textos.semMapa = [this] {
        return sessao_.temDados() ? tr("Escolha o mapa e o treino e clique em Treinar.")
                                  : tr("Abra um arquivo de dados e treine um mapa.");
    };
    painel_ =
        new TPainelMapa(this,
                        {ui.LabVistaSeletor, ui.LabVista, ui.LabCurva, ui.LabEscalaComumCheckBox,
                         ui.LabPainelNeuronio, ui.LinhaUmEmbaixoCheckBox, ui.AgrupamentosSpin,
                         ui.AgrupamentosCheckBox, ui.PropriedadeCombo},
                        std::move(textos));
    painel_->preencheSeletor(true);
    for (const TInfoDemonstracao& info : kDemonstracoes) {
        ui.LabDemoCombo->addItem(traduzido("UDemonstracoes", info.titulo),
                                 static_cast<int>(info.tipo));
        ui.LabDemoCombo->setItemData(ui.LabDemoCombo->count() - 1,
                                     traduzido("UDemonstracoes", info.descricao), Qt::ToolTipRole);
    }
    LabDemoComboChange();
    ui.LabVista->defineTextoSemMapa(
        tr("Nenhum mapa ainda.\nAbra os dados, escolha o mapa e o treino à esquerda e "
           "clique em Treinar (ou em Passo, para ver um padrão de cada vez)."));
    dialogoDados_ = UDialogos::criaDialogoTabela(this, "LabAbrirDialog");
    dialogoDados_->setNameFilters({UDialogos::filtroTabelas(tr("Dados"), true), tr("Todos (*)")});
    dialogoSalvar_ = UDialogos::criaDialogoExportacao(this, "LabSalvarDialog", filtrosCod(),
                                                      QStringLiteral("cod"));
    dialogoAbrirMapa_ = new QFileDialog(this);
    dialogoAbrirMapa_->setObjectName(QStringLiteral("LabAbrirMapaDialog"));
    dialogoAbrirMapa_->setOption(QFileDialog::DontUseNativeDialog);
    dialogoAbrirMapa_->setFileMode(QFileDialog::ExistingFile);
    dialogoAbrirMapa_->setNameFilters(filtrosCod());
    dialogoImagem_ = UDialogos::criaDialogoImagem(this, "LabExportarImagemDialog");
    dialogoTabela_ = UDialogos::criaDialogoDadosDoMapa(this, "LabExportarTabelaDialog");
    dialogoSalvarSessao_ = UDialogos::criaDialogoExportacao(
        this, "LabSalvarSessaoDialog", filtrosSessao(), QStringLiteral("norvika-lab"));
    dialogoAbrirSessao_ = new QFileDialog(this);
    dialogoAbrirSessao_->setObjectName(QStringLiteral("LabAbrirSessaoDialog"));
    dialogoAbrirSessao_->setOption(QFileDialog::DontUseNativeDialog);
    dialogoAbrirSessao_->setFileMode(QFileDialog::ExistingFile);
    dialogoAbrirSessao_->setNameFilters(filtrosSessao());
    connect(ui.LabSalvarSessaoButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabSalvarSessaoButtonClick);
    connect(ui.LabAbrirSessaoButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabAbrirSessaoButtonClick);
    connect(ui.LabAbrirButton, &QPushButton::clicked, this, &TFormLaboratorio::LabAbrirButtonClick);
    connect(ui.LabGerarButton, &QPushButton::clicked, this, &TFormLaboratorio::LabGerarButtonClick);
    connect(ui.LabDemoCombo, &QComboBox::currentIndexChanged, this,
            &TFormLaboratorio::LabDemoComboChange);
    connect(ui.LabReproduzirButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabReproduzirButtonClick);
    mostraReproduzir(false);
    connect(ui.LabReprisaSlider, &QSlider::valueChanged, this, &TFormLaboratorio::mostraQuadro);
    connect(&reproducao_, &QTimer::timeout, this, [this] {
        if (ui.LabReprisaSlider->value() >= ui.LabReprisaSlider->maximum())
            LabReproduzirButtonClick();
        else
            ui.LabReprisaSlider->setValue(ui.LabReprisaSlider->value() + 1);
    });
    // The replay's pace is set by the length of each training (atualizaReprisa).
    reproducao_.setInterval(100);
    connect(ui.LabSugerirButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabSugerirButtonClick);
    connect(ui.LabReabrirButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabReabrirButtonClick);
    connect(ui.LabExcluirButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabExcluirButtonClick);
    connect(ui.LabSalvarExecucaoButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabSalvarExecucaoButtonClick);
    connect(ui.LabCompararButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabCompararButtonClick);
    connect(ui.LabHistoricoLista, &QListWidget::itemSelectionChanged, this,
            &TFormLaboratorio::escolheExecucoes);
    connect(ui.LabHistoricoLista, &QListWidget::itemDoubleClicked, ui.LabHistoricoLista,
            [this](QListWidgetItem* item) { ui.LabHistoricoLista->editItem(item); });
    connect(ui.LabHistoricoLista, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (preenchendoHistorico_) return;
        const int i = ui.LabHistoricoLista->row(item);
        if (i >= 0) sessao_.renomeia(static_cast<std::size_t>(i), bytesUtf8(item->text()));
    });
    connect(ui.LabExportarImagemButton, &QPushButton::clicked, this,
            [this] { exporta(*dialogoImagem_, &TFormLaboratorio::exportaImagem, tr("a imagem")); });
    connect(ui.LabExportarDadosButton, &QPushButton::clicked, this, [this] {
        dialogoTabela_->setNameFilters({tr("Tabelas (*.csv)"), tr("Mapas do SOM_PAK (*.cod)")});
        exporta(*dialogoTabela_, &TFormLaboratorio::exportaDados, tr("o mapa"));
    });
    connect(ui.LabExportarVencedoresButton, &QPushButton::clicked, this, [this] {
        dialogoTabela_->setNameFilters({tr("Tabelas (*.csv)")});
        exporta(*dialogoTabela_, &TFormLaboratorio::exportaVencedores, tr("os vencedores"));
    });
    dialogoAnimacao_ = UDialogos::criaDialogoExportacao(
        this, "LabExportarAnimacaoDialog", {tr("GIF animado (*.gif)"), tr("WebP animado (*.webp)")},
        QStringLiteral("gif"));
    connect(ui.LabExportarAnimacaoButton, &QPushButton::clicked, this, [this] {
        exporta(*dialogoAnimacao_, &TFormLaboratorio::exportaAnimacao, tr("a animação"));
    });
    connect(ui.LabTreinarButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabTreinarButtonClick);
    connect(ui.LabPararButton, &QPushButton::clicked, this, &TFormLaboratorio::LabPararButtonClick);
    connect(ui.LabPassoButton, &QPushButton::clicked, this, &TFormLaboratorio::LabPassoButtonClick);
    connect(ui.LabSalvarButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabSalvarButtonClick);
    connect(ui.LabAbrirMapaButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabAbrirMapaButtonClick);
    connect(ui.LabModoCombo, &QComboBox::currentIndexChanged, this,
            &TFormLaboratorio::LabModoComboChange);
    connect(&relogio_, &QTimer::timeout, this, &TFormLaboratorio::acompanha);
    for (const QKeySequence& tecla :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(tecla, this), &QShortcut::activated, this,
                &TFormLaboratorio::LabTreinarButtonClick);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &TFormLaboratorio::LabPararButtonClick);
    // Live pictures at most ten times a second.
    relogio_.setInterval(100);
    mostraMapa(sessao_.mapa());
    restauraPreferencias();
    LabModoComboChange();
    habilita();
}

TFormLaboratorio::~TFormLaboratorio() {
    guardaPreferencias();
}

void TFormLaboratorio::exporta(QFileDialog& dialogo,
                               QString (TFormLaboratorio::*exportacao)(const QString&),
                               const QString& oQue) {
    exportaComDialogo(
        this, dialogo, [&](const QString& nome) { return (this->*exportacao)(nome); }, oQue);
}

QString TFormLaboratorio::exportaImagem(const QString& caminho) {
    return painel_->exportaImagem(caminho, false);
}

QString TFormLaboratorio::exportaDados(const QString& caminho) {
    if (!sessao_.temMapa()) return tr("não há mapa");
    return painel_->exportaDados(caminho, [this] { return sessao_.codebook(); });
}

QString TFormLaboratorio::exportaVencedores(const QString& caminho) {
    const TDadosMapa& mapa = *painel_->dados();
    if (!sessao_.temMapa() || mapa.vencedorDoPadrao.empty()) return tr("não há mapa");
    const TDadosLab& d = sessao_.carga().dados;
    std::vector<std::string> rotulos;
    for (std::size_t i = 0; i < d.padroes(); ++i) {
        const std::int32_t r = i < d.rotulo.size() ? d.rotulo[i] : -1;
        rotulos.push_back(r < 0 ? std::string() : d.legenda[static_cast<std::size_t>(r)]);
    }
    if (!caminho.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return tr("o nome deve terminar em .csv");
    std::vector<double> distancias = mapa.distanciaDoPadrao;
    distancias.resize(mapa.vencedorDoPadrao.size(), std::numeric_limits<double>::quiet_NaN());
    return gravaExportacao(
        caminho, textoCsvVencedores(mapa.colunas, mapa.vencedorDoPadrao, distancias, rotulos));
}

QString TFormLaboratorio::exportaAnimacao(const QString& caminho) {
    const std::size_t quadros = sessao_.quadros();
    if (quadros == 0) return tr("não há reprise");
    const std::optional<TFormatoAnimacao> formato = formatoDaAnimacao(bytesUtf8(caminho));
    if (!formato) return tr("o nome deve terminar em .gif ou .webp");
    TPedidoAnimacao pedido;
    pedido.formato = *formato;
    pedido.gravados = quadros;
    pedido.epocas = sessao_.epocaDoQuadro(quadros - 1);
    const auto quadro = [this](std::size_t i) {
        return TQuadroAnimado{sessao_.quadro(i), sessao_.epocaDoQuadro(i)};
    };
    pedido.vista =
        ui.LabVista->isVisible() ? ui.LabVista->tipo() : vistaDaAnimacao(*quadro(quadros - 1).mapa);
    pedido.opcoes = ui.LabVista->opcoes();
    // A long replay takes a while: its progress is shown, and "Cancelar" stops it with nothing
    // written. The dialog is modal, so the run and its replay stay as they are meanwhile.
    QProgressDialog progresso(tr("Montando a animação…"), tr("Cancelar"), 0, 1, this);
    progresso.setObjectName(QStringLiteral("LabAnimacaoProgresso"));
    progresso.setWindowTitle(tr("Exportar animação"));
    progresso.setWindowModality(Qt::WindowModal);
    progresso.setMinimumDuration(400);
    progresso.setMinimumWidth(progresso.fontMetrics().horizontalAdvance(progresso.windowTitle()) *
                              2);
    std::string bytes;
    try {
        bytes = animacaoDaReprisa(pedido, quadro, [&](std::size_t feitas, std::size_t total) {
            progresso.setMaximum(static_cast<int>(total));
            progresso.setValue(static_cast<int>(feitas));
            if (progresso.wasCanceled()) throw EInterrompido();
        });
    } catch (const EInterrompido&) {
        ui.LabStatusLabel->setText(tr("Exportação da animação cancelada: nada foi gravado."));
        return {};
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    progresso.reset();
    return gravaExportacao(caminho, bytes);
}

void TFormLaboratorio::LabVistaSeletorChange() {
    painel_->mostraVistaEscolhida();
}

void TFormLaboratorio::habilita() {
    const bool ocupada = sessao_.ocupada();
    for (QWidget* w :
         {static_cast<QWidget*>(ui.LabAbrirButton), static_cast<QWidget*>(ui.LabMapaGroup),
          static_cast<QWidget*>(ui.LabTreinoGroup), static_cast<QWidget*>(ui.LabAbrirMapaButton),
          static_cast<QWidget*>(ui.LabGerarButton)})
        w->setEnabled(!ocupada);
    ui.LabAbrirMapaButton->setEnabled(!ocupada && sessao_.temDados());
    ui.LabTreinarButton->setEnabled(!ocupada);
    ui.LabPassoButton->setEnabled(!ocupada);
    ui.LabPararButton->setEnabled(ocupada);
    ui.LabSalvarButton->setEnabled(!ocupada && sessao_.temMapa());
    ui.LabSugerirButton->setEnabled(!ocupada);
    for (QPushButton* b :
         {ui.LabExportarImagemButton, ui.LabExportarDadosButton, ui.LabExportarVencedoresButton})
        b->setEnabled(!ocupada && sessao_.temMapa());
    ui.LabExportarAnimacaoButton->setEnabled(!ocupada && sessao_.quadros() > 0);
    escolheExecucoes();
    if (!ocupada) LabModoComboChange();
}

void TFormLaboratorio::mostraDados() {
    const TCargaLab& c = sessao_.carga();
    ui.LabArquivoLabel->setText(QFileInfo(QString::fromStdString(sessao_.arquivo())).fileName());
    ui.LabArquivoLabel->setToolTip(QString::fromStdString(sessao_.arquivo()));
    QString normalizacao = tr("nenhuma");
    if (!sessao_.mapa()->padroes->escala.empty())
        normalizacao =
            tr("feita na importação (os pesos aparecem também nos valores "
               "originais)");
    if (c.normalizacao == TNormalizacao::minmax) normalizacao = tr("mínimo-máximo");
    if (c.normalizacao == TNormalizacao::z) normalizacao = tr("escore z");
    std::int64_t ausentes = 0;
    for (const double v : c.dados.valores) ausentes += std::isnan(v) ? 1 : 0;
    QString texto = tr("%1, %2, %3\nNormalização: %4")
                        .arg(contagem(static_cast<std::int64_t>(c.dados.padroes()), tr("padrão"),
                                      tr("padrões")),
                             contagem(c.dados.dimensao, tr("atributo"), tr("atributos")),
                             contagem(static_cast<std::int64_t>(c.dados.legenda.size()),
                                      tr("rótulo"), tr("rótulos")),
                             normalizacao);
    if (ausentes > 0) texto += tr("\nValores ausentes: %1").arg(ausentes);
    ui.LabDadosLabel->setText(texto);
}

bool TFormLaboratorio::abreDados(const QString& caminho) {
    if (sessao_.ocupada()) return false;
    // Even the first line, which tells a pattern file from a table, is read on the worker: it may
    // run to the end of a large file.
    const QString status = ui.LabStatusLabel->text();
    const std::string arquivo = caminhoEmBytes(caminho);
    sessao_.iniciaCarga([arquivo](TControle&) { return arquivo; }, true);
    if (!recebeDados()) return false;
    if (!sessao_.precisaImportar()) {
        ui.LabStatusLabel->setText(tr("Dados abertos: %1").arg(QFileInfo(caminho).fileName()));
        return true;
    }
    ui.LabStatusLabel->setText(status);
    // A table goes through the import dialog, which writes a pattern file, or, when none is
    // wanted, hands the table read to be trained from memory.
    QFileDialog* salvar = UDialogos::criaDialogoPadroes(this, "LabSalvarPadroesDialog");
    TFormImportar dialogo(this, caminho, *salvar, TFormImportar::TDestino::laboratorio);
    const int resposta = UDialogos::executa(dialogo);
    salvar->deleteLater();
    if (resposta != QDialog::Accepted) return false;
    if (dialogo.importacao())
        return recebeImportacao(cargaDaImportacao(*dialogo.importacao()), caminho);
    if (dialogo.arquivoGravado().isEmpty()) return false;
    abreDadosPreparados(dialogo.arquivoGravado());
    return true;
}

bool TFormLaboratorio::recebeImportacao(TCargaLab carga, const QString& tabela) {
    if (sessao_.ocupada()) return false;
    sessao_.iniciaCarga(std::move(carga), caminhoEmBytes(tabela));
    if (!recebeDados()) return false;
    ui.LabStatusLabel->setText(
        tr("Tabela importada, na memória: %1").arg(QFileInfo(tabela).fileName()));
    return true;
}

void TFormLaboratorio::LabAbrirButtonClick() {
    UMensagens::protege(this, [&] {
        const QString nome = UDialogos::escolhe(*dialogoDados_);
        if (!nome.isEmpty()) abreDados(nome);
    });
}

void TFormLaboratorio::LabTreinarButtonClick() {
    UMensagens::protege(this, [&] {
        if (sessao_.ocupada()) return;
        QString motivo;
        const std::optional<TConfiguracaoLab> c = configuracao(motivo);
        if (!c) {
            UMensagens::mostraMensagem(this, motivo);
            return;
        }
        if (const std::string recusa = sessao_.inicia(*c); !recusa.empty()) {
            UMensagens::mostraMensagem(this, QString::fromStdString(recusa));
            return;
        }
        ui.LabProgresso->setMaximum(static_cast<int>(std::min<std::int64_t>(c->epocas, INT32_MAX)));
        ui.LabProgresso->setValue(0);
        ui.LabStatusLabel->setText(tr("Treinando…"));
        habilita();
        atualizaReprisa();
        relogio_.start();
    });
}

void TFormLaboratorio::LabPassoButtonClick() {
    UMensagens::protege(this, [&] {
        QString motivo;
        const std::optional<TConfiguracaoLab> c = configuracao(motivo);
        if (!c) {
            UMensagens::mostraMensagem(this, motivo);
            return;
        }
        // A new stepped training's starting map is made on the worker, with Parar.
        if (sessao_.precisaPassos(*c)) {
            if (const std::string recusa = sessao_.iniciaPassos(*c); !recusa.empty()) {
                UMensagens::mostraMensagem(this, QString::fromStdString(recusa));
                return;
            }
            if (!aguardaTrabalhador(tr("Preparando o mapa inicial…"),
                                    tr("Passo a passo interrompido."))) {
                if (!sessao_.erro().empty())
                    UMensagens::mostraFalha(this, QString::fromStdString(sessao_.erro()));
                return;
            }
        }
        if (const std::string recusa = sessao_.passo(*c); !recusa.empty()) {
            UMensagens::mostraMensagem(this, QString::fromStdString(recusa));
            return;
        }
        atualizaReprisa();
        mostraMapa(sessao_.mapa());
        if (const auto& s = sessao_.mapa()->passo)
            ui.LabStatusLabel->setText(tr("Passo a passo: época %1 de %2, padrão %3.")
                                           .arg(s->ciclo + 1)
                                           .arg(s->ciclos)
                                           .arg(s->padrao + 1));
        habilita();
    });
}

void TFormLaboratorio::LabPararButtonClick() {
    if (!sessao_.ocupada()) return;
    // A reading's wait notices the stop itself; a training's end is the timer's to show.
    sessao_.para();
    ui.LabStatusLabel->setText(tr("Parando…"));
}

void TFormLaboratorio::acompanha() {
    UMensagens::protege(this, [&] {
        if (sessao_.conclui()) {
            mostraConclusao();
            return;
        }
        const TSessaoLab::TAndamento a = sessao_.andamento();
        ui.LabProgresso->setValue(static_cast<int>(std::min<std::int64_t>(a.epocas, INT32_MAX)));
        ui.LabStatusLabel->setText(
            tr("Treinando: época %1 de %2").arg(a.epocas + 1).arg(a.totalEpocas));
        if (std::shared_ptr<TDadosMapa> vivo = sessao_.mapaAoVivo()) mostraMapa(vivo);
    });
}

void TFormLaboratorio::mostraConclusao() {
    relogio_.stop();
    // Read once the training's thread has ended: the epochs it really did, so that a stopped
    // training's bar stands where it stopped.
    const TSessaoLab::TAndamento a = sessao_.andamento();
    ui.LabProgresso->setValue(static_cast<int>(std::min<std::int64_t>(a.epocas, INT32_MAX)));
    mostraMapa(sessao_.mapa());
    QString estado =
        sessao_.parado()
            ? tr("Parado na época %1 de %2.").arg(a.epocas).arg(a.totalEpocas)
            : tr("Treino concluído: %1.").arg(contagem(a.totalEpocas, tr("época"), tr("épocas")));
    if (!sessao_.erro().empty()) {
        estado = tr("O treino falhou.");
        UMensagens::mostraFalha(this, QString::fromStdString(sessao_.erro()));
    }
    ui.LabStatusLabel->setText(estado);
    habilita();
    atualizaHistorico();
    atualizaReprisa();
    Q_EMIT treinoConcluido();
}

void TFormLaboratorio::mostraMapa(std::shared_ptr<const TDadosMapa> mapa) {
    painel_->mostra(std::move(mapa));
    const TDadosMapa& m = *painel_->dados();
    QString erros =
        m.erros ? tr("Quantização: %1   Topográfico: %2")
                      .arg(numeroCurto(m.erros->quantizacao), numeroCurto(m.erros->topografico))
                : tr("Quantização: –   Topográfico: –");
    if (m.percurso)
        erros += tr("\nPercurso do anel: %1   vizinho mais próximo: %2")
                     .arg(numeroCurto(m.percurso->comprimento),
                          numeroCurto(m.percurso->vizinhoMaisProximo));
    ui.LabErrosLabel->setText(erros);
}

QString TFormLaboratorio::salvaMapa(const QString& caminho) {
    if (!sessao_.temMapa()) return tr("não há mapa");
    return ULabJanela::gravaCodebookEm(sessao_.codebook(), caminho);
}

QString TFormLaboratorio::abreMapa(const QString& caminho) {
    if (sessao_.ocupada()) return tr("espere o trabalho em andamento terminar");
    sessao_.iniciaMapa(caminhoEmBytes(caminho));
    if (!aguardaTrabalhador(tr("Abrindo o mapa…"),
                            tr("Abertura do mapa interrompida: o mapa ficou como estava.")))
        return QString::fromStdString(sessao_.erro());  // empty after a stop
    // The fields show what made the map: the settings its file keeps, or else its grid with the
    // radius this grid starts from (nothing of an earlier training is left in them).
    const TGradeLab& g = sessao_.grade();
    QString status = tr("Mapa aberto: %1").arg(QFileInfo(caminho).fileName());
    if (const std::optional<TConfiguracaoLab>& doArquivo = sessao_.configuracaoDoMapa()) {
        mostraConfiguracao(*doArquivo);
    } else {
        QString motivo;
        TConfiguracaoLab c = configuracao(motivo).value_or(TConfiguracaoLab{});
        c.grade = g;
        c.raio = {raioPadraoLab(g), 0.0};
        mostraConfiguracao(c);
        status = tr("Mapa aberto: %1 (o arquivo não guarda os ajustes do treino; a "
                    "grade e o raio inicial são os do mapa)")
                     .arg(QFileInfo(caminho).fileName());
    }
    atualizaReprisa();
    mostraMapa(sessao_.mapa());
    ui.LabStatusLabel->setText(status);
    habilita();
    return {};
}

void TFormLaboratorio::LabSalvarButtonClick() {
    exporta(*dialogoSalvar_, &TFormLaboratorio::salvaMapa, tr("o mapa"));
}

void TFormLaboratorio::LabAbrirMapaButtonClick() {
    UMensagens::protege(this, [&] {
        const QString nome = UDialogos::escolhe(*dialogoAbrirMapa_);
        if (nome.isEmpty()) return;
        const QString motivo = abreMapa(nome);
        if (!motivo.isEmpty())
            UMensagens::mostraMensagem(
                this, tr("Não foi possível abrir o mapa \"%1\": %2").arg(nome, motivo));
    });
}

void TFormLaboratorio::closeEvent(QCloseEvent* e) {
    // A training does not outlive its window's view of it: closing stops it.
    if (sessao_.ocupada()) {
        const bool treino = sessao_.treinando();
        sessao_.para();
        while (!sessao_.conclui()) QThread::msleep(5);
        // What Parar leaves, with nothing left for the timer to show later (a reading's own
        // command goes on once its wait sees the worker free).
        if (treino) mostraConclusao();
    }
    guardaPreferencias();
    QWidget::closeEvent(e);
}

bool TFormLaboratorio::podeSair() {
    // A closed laboratory keeps its session until the program ends: the question comes then.
    if (sessao_.ocupada() && isVisible()) close();
    return podeDescartar(tr(
        "As execuções desta sessão não foram salvas. Salvar a sessão antes de sair do Norvika?"));
}

void TFormLaboratorio::abreDadosPreparados(const QString& caminho) {
    const std::string arquivo = caminhoEmBytes(caminho);
    if (leDados([arquivo](TControle&) { return arquivo; }))
        ui.LabStatusLabel->setText(tr("Dados abertos: %1").arg(QFileInfo(caminho).fileName()));
}

bool TFormLaboratorio::leDados(std::function<std::string(TControle&)> arquivo) {
    if (sessao_.ocupada()) return false;
    sessao_.iniciaCarga(std::move(arquivo));
    return recebeDados();
}

bool TFormLaboratorio::recebeDados() {
    if (!aguardaTrabalhador(tr("Lendo os dados…"),
                            tr("Leitura interrompida: os dados ficaram como estavam."))) {
        if (const std::exception_ptr falha = sessao_.falha()) std::rethrow_exception(falha);
        return false;
    }
    if (sessao_.precisaImportar()) return true;
    // Nothing trained on these data yet: the bar starts over.
    ui.LabProgresso->setValue(0);
    atualizaHistorico();
    atualizaReprisa();
    mostraDados();
    mostraMapa(sessao_.mapa());
    habilita();
    return true;
}

bool TFormLaboratorio::aguardaTrabalhador(const QString& andamento, const QString& interrompido) {
    // The window goes on painting and Parar (the only control enabled meanwhile) stops the work;
    // the caller goes on once the work is in place, as if it had done it itself.
    ui.LabStatusLabel->setText(andamento);
    habilita();
    QEventLoop laco;
    QTimer vigia;
    vigia.setInterval(10);
    connect(&vigia, &QTimer::timeout, &laco, [&] {
        if (!sessao_.ocupada() || sessao_.conclui()) laco.quit();
    });
    vigia.start();
    laco.exec();
    habilita();
    if (!sessao_.erro().empty() || sessao_.falha()) {
        ui.LabStatusLabel->clear();
        return false;
    }
    if (sessao_.parado()) {
        ui.LabStatusLabel->setText(interrompido);
        return false;
    }
    return true;
}

void TFormLaboratorio::escolheVista(TTipoVista tipo) {
    painel_->escolhe(tipo);
}

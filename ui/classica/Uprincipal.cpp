// The main window's handlers (see Uprincipal.h). A little over 600 lines because the window has
// the 25 commands the program has always had, each a handler of its own that reads its controls,
// calls the session and writes the result back; what they do to the network is in USessao.

#include "Uprincipal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QLocale>
#include <QStyle>
#include <algorithm>
#include <exception>
#include <limits>

#include "UArquivoRede.h"
#include "UDialogos.h"
#include "UEdicaoPendente.h"
#include "UErros.h"
#include "UEstadosJanela.h"
#include "UFormExplorador.h"
#include "UFormImportar.h"
#include "UFormInformacoes.h"
#include "UFormLaboratorio.h"
#include "UFormLicoes.h"
#include "UFormSemente.h"
#include "UFormSobre.h"
#include "UFormTreinando.h"
#include "UImagens.h"
#include "ULeitorLinhas.h"
#include "UManual.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "UPassoAPasso.h"
#include "USpinEdit.h"
#include "UTextos.h"
#include "UTrabalho.h"

TFormMain* FormMain = nullptr;

namespace {

std::int32_t inteiroDe(const QString& texto) {
    return textoParaInteiro(bytesUtf8(texto));
}

// The decimal symbol of the user's regional settings, "." when it is not a single character.
char separadorRegional() {
    const QString ponto = QLocale::system().decimalPoint();
    return ponto.size() == 1 && ponto.at(0).unicode() < 128
               ? static_cast<char>(ponto.at(0).unicode())
               : '.';
}

// Red text on the two command buttons of the training page, grey when disabled.
void pintaDeVermelho(QWidget& botao) {
    QPalette p = botao.palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, Qt::red);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::red);
    botao.setPalette(p);
}

}  // namespace

TFormMain::TFormMain(QWidget* pai) : QMainWindow(pai) {
    ui.setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    // The size is fixed before the window is placed: a resize after move() would make Qt place
    // the client area, not the frame, at the given point.
    layout()->activate();
    move(152, 62);
    setWindowIcon(UImagens::iconeNorvika());
    const QIcon pasta = style()->standardIcon(QStyle::SP_DirOpenIcon);
    ui.TreinamentoArqBitBtn->setIcon(pasta);
    ui.ClassificacaoArqBitBtn->setIcon(pasta);
    pintaDeVermelho(*ui.TreinarButton);
    pintaDeVermelho(*ui.LimparButton);
    QPalette preto = ui.MapaNosGrid->palette();
    preto.setColor(QPalette::Text, Qt::black);
    ui.MapaNosGrid->setPalette(preto);
    ui.MapaNosGrid->defineTamanho(1, 1);
    ui.CalculoDistanciaGroupBox->raise();

    OpenDialogPadroesTreinamento =
        UDialogos::criaDialogoArquivo(this, "OpenDialogPadroesTreinamento", false);
    SaveDialog = UDialogos::criaDialogoArquivo(this, "SaveDialog", true);
    OpenDialogTreinamento = UDialogos::criaDialogoArquivo(this, "OpenDialogTreinamento", false);
    OpenDialogPadroesClassificacao =
        UDialogos::criaDialogoArquivo(this, "OpenDialogPadroesClassificacao", false);
    OpenDialogTabela = UDialogos::criaDialogoTabela(this, "OpenDialogTabela");
    SaveDialogPadroes = UDialogos::criaDialogoPadroes(this, "SaveDialogPadroes");

    connect(ui.TreinarButton, &QPushButton::clicked, this, &TFormMain::TreinarButtonClick);
    connect(ui.LimparButton, &QPushButton::clicked, this, &TFormMain::LimparButtonClick);
    connect(ui.ClassificarButton, &QPushButton::clicked, this, &TFormMain::ClassificarButtonClick);
    connect(ui.TreinamentoArqBitBtn, &QPushButton::clicked, this,
            &TFormMain::TreinamentoArqBitBtnClick);
    connect(ui.ClassificacaoArqBitBtn, &QPushButton::clicked, this,
            &TFormMain::ClassificacaoArqBitBtnClick);
    connect(ui.QtdCiclosRadioButton, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado) QtdCiclosRadioButtonClick();
    });
    connect(ui.RaioRadioButton, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado) RaioRadioButtonClick();
    });
    connect(ui.PageControl, &QTabWidget::currentChanged, this, [this](int pagina) {
        if (pagina == 0)
            TreinamentoTabsheetShow();
        else
            ClassificacaoTabSheetShow();
    });
    connect(ui.LinhaNeuronioSpinEdit, &TSpinEdit::textChanged, this,
            &TFormMain::LinhaNeuronioSpinEditChange);
    connect(ui.ColunaNeuronioSpinEdit, &TSpinEdit::textChanged, this,
            &TFormMain::ColunaNeuronioSpinEditChange);
    connect(ui.MapaNosGrid, &TGradeMapa::celulaSelecionada, this,
            &TFormMain::MapaNosGridSelectCell);
    connect(ui.SalvarTreinamentoItemMenu, &QAction::triggered, this,
            &TFormMain::SalvarTreinamentoItemMenuClick);
    connect(ui.CarregarTreinamentoItemMenu, &QAction::triggered, this,
            &TFormMain::CarregarTreinamentoItemMenuClick);
    connect(ui.SairItemMenu, &QAction::triggered, this, &TFormMain::SairItemMenuClick);
    connect(ui.ManualItemMenu, &QAction::triggered, this, &TFormMain::ManualItemMenuClick);
    connect(ui.Sobre, &QAction::triggered, this, &TFormMain::SobreClick);
    edicaoPendente_ = new TEdicaoPendente(
        *this,
        {ui.ValorInicialTextBox, ui.LinhaNeuronioSpinEdit, ui.ColunaNeuronioSpinEdit,
         ui.RaioSpinEdit, ui.EvolucaoSpinEdit, ui.QtdCiclosSpinEdit},
        [this](QWidget*) { ValorInicialTextBoxExit(); });
    // "Exibir", between "Arquivo" and "Ajuda": the windows that show what the map learned.
    connect(ui.ExploradorItemMenu, &QAction::triggered, this, &TFormMain::ExploradorItemMenuClick);
    connect(ui.LaboratorioItemMenu, &QAction::triggered, this,
            &TFormMain::LaboratorioItemMenuClick);
    connect(ui.LicoesItemMenu, &QAction::triggered, this, &TFormMain::LicoesItemMenuClick);
    connect(ui.SementeItemMenu, &QAction::triggered, this, &TFormMain::SementeItemMenuClick);
    // "Dados", between "Exibir" and "Ajuda": tables brought in as pattern files.
    connect(ui.ImportarItemMenu, &QAction::triggered, this, &TFormMain::ImportarItemMenuClick);
    // A seed fixed from the start, for a whole class: NORVIKA_SEMENTE=12345.
    sessao_.sementeFixa = sementeDoTexto(qEnvironmentVariable("NORVIKA_SEMENTE"));

    // The wheel changes the neighbourhood only while the list has the focus.
    ui.TipoVizinhancaComboBox->setFocusPolicy(Qt::StrongFocus);
    ui.TipoVizinhancaComboBox->installEventFilter(this);
}

TFormMain::~TFormMain() {
    if (FormMain == this) FormMain = nullptr;
}

void TFormMain::ExploradorItemMenuClick() {
    protege([&] {
        // A window of its own, without a parent, so that the "Treinando" dialog (modal to this
        // window) leaves it usable while a training runs.
        if (!explorador_) {
            explorador_ = std::make_unique<TFormExplorador>();
            explorador_->setWindowIcon(windowIcon());
        }
        atualizaExplorador();
        explorador_->show();
        explorador_->raise();
        explorador_->activateWindow();
    });
}

void TFormMain::LaboratorioItemMenuClick() {
    abreLaboratorio();
}

void TFormMain::abreLaboratorio(const QString& arquivo) {
    protege([&] {
        // A window of its own, like the explorer; the classic window is not touched by it.
        if (!laboratorio_) {
            laboratorio_ = std::make_unique<TFormLaboratorio>();
            laboratorio_->setWindowIcon(windowIcon());
        }
        laboratorio_->show();
        laboratorio_->raise();
        laboratorio_->activateWindow();
        if (!arquivo.isEmpty()) laboratorio_->abreDados(arquivo);
    });
}

void TFormMain::atualizaExplorador() {
    if (!explorador_) return;
    // Only a trained (or loaded) map is shown; the untrained window shows the hint.
    const bool treinada = ui.LimparButton->isEnabled() && rede().existeMapa();
    explorador_->mostra(treinada ? sessao_.dados() : std::make_shared<TDadosMapa>());
}

void TFormMain::SementeItemMenuClick() {
    protege([&] {
        TFormSemente dialogo(this, sessao_.sementeFixa);
        if (UDialogos::executa(dialogo) != QDialog::Accepted) return;
        sessao_.sementeFixa = dialogo.semente();
    });
}

bool TFormMain::event(QEvent* e) {
    // The status line keeps its text: menu hints do not replace it.
    if (e->type() == QEvent::StatusTip) return true;
    if (e->type() == QEvent::LocaleChange) defineSeparadorDecimal(separadorRegional());
    return QMainWindow::event(e);
}

void TFormMain::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

bool TFormMain::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == ui.TipoVizinhancaComboBox && e->type() == QEvent::Wheel &&
        !ui.TipoVizinhancaComboBox->hasFocus()) {
        e->ignore();
        return true;
    }
    return QMainWindow::eventFilter(objeto, e);
}

void TFormMain::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // The first showing activates the window; where the platform does not report that (no window
    // manager, the offscreen platform), the activation steps run here all the same.
    if (!jaMostrada_) {
        jaMostrada_ = true;
        FormActivate();
    }
}

void TFormMain::closeEvent(QCloseEvent* e) {
    if (manual_) manual_->close();
    QMainWindow::closeEvent(e);
}

void TFormMain::FormActivate() {
    protege([&] {
        ui.MapaNosGrid->horizontalHeader()->setDefaultSectionSize(30);
        LinhaNeuronioSpinEditChange();
        sessao_.semeia(UDialogos::sementeDoRelogio());
        defineSeparadorDecimal(',');
    });
}

int TFormMain::limiteLinhasGrade() const {
    return std::max({ui.LinhaNeuronioSpinEdit->maximum(), linhasMapaRecente_, rede().linhasMapa()});
}

int TFormMain::limiteColunasGrade() const {
    return std::max(
        {ui.ColunaNeuronioSpinEdit->maximum(), colunasMapaRecente_, rede().colunasMapa()});
}

void TFormMain::LinhaNeuronioSpinEditChange() {
    protege([&] {
        const int linhas = std::clamp(ui.LinhaNeuronioSpinEdit->value(), 1, limiteLinhasGrade());
        ui.MapaNosGrid->defineTamanho(linhas, ui.MapaNosGrid->columnCount());
        constroiMapa();
    });
}

void TFormMain::ColunaNeuronioSpinEditChange() {
    protege([&] {
        const int colunas = std::clamp(ui.ColunaNeuronioSpinEdit->value(), 1, limiteColunasGrade());
        ui.MapaNosGrid->defineTamanho(ui.MapaNosGrid->rowCount(), colunas);
        constroiMapa();
    });
}

void TFormMain::preencheMapa() {
    TGradeMapa& grade = *ui.MapaNosGrid;
    // Every neuron has its cell, also when the map is larger than the size boxes allow.
    if (grade.rowCount() < rede().linhasMapa() || grade.columnCount() < rede().colunasMapa()) {
        grade.defineTamanho(std::max(grade.rowCount(), rede().linhasMapa()),
                            std::max(grade.columnCount(), rede().colunasMapa()));
        constroiMapa();
    }
    for (std::int32_t i = 0; i < rede().linhasMapa(); ++i)
        for (std::int32_t j = 0; j < rede().colunasMapa(); ++j) {
            const std::int32_t n = rede().neuronio(i, j).getAglutinados();
            grade.escreveCelula(i, j, n != 0 ? QString::number(n) : QStringLiteral(" "));
        }
}

void TFormMain::limpaCelulasDoMapa(const QString& texto) {
    ui.MapaNosGrid->escreveEmTodas(rede().linhasMapa(), rede().colunasMapa(), texto);
}

void TFormMain::limpaPaginas() {
    limpaCelulasDoMapa(QStringLiteral(" "));
    sessao_.zeraContagens();
}

bool TFormMain::getConfiguracao() {
    // A rate that does not convert, or does not fit a double, is refused and reset.
    bool taxaValida = true;
    try {
        rede().taxaAprendizado = textoParaDouble(bytesUtf8(ui.ValorInicialTextBox->text()));
    } catch (const EConversao&) {
        taxaValida = false;
    } catch (const EEstouroReal&) {
        taxaValida = false;
    }
    if (!taxaValida) {
        mensagem(QStringLiteral(
            "A taxa de aprendizagem deve ser especificada em valores reais com virgula. "));
        ui.ValorInicialTextBox->setText(QStringLiteral("0,1"));
        return false;
    }
    rede().taxaEvolucao = textoParaDouble(bytesUtf8(ui.EvolucaoSpinEdit->text()));

    if (!arquivoExiste(rede().arquivoPadroes)) {
        mensagem(QStringLiteral("Você deve especificar um arquivo de padrões."));
        return false;
    }
    // Read on a worker: a header line of gigabytes keeps the window alive and can be stopped.
    std::optional<TCabecalhoPadroes> cabecalho;
    try {
        cabecalho = leCabecalhoNoTrabalhador(rede().arquivoPadroes);
        if (!cabecalho) return false;
    } catch (const std::exception&) {
    }
    switch (cabecalho ? sessao_.aceitaCabecalho(*cabecalho, !ui.TreinarButton->isEnabled())
                      : TSessao::TCabecalho::invalido) {
        case TSessao::TCabecalho::dimensaoDiferente:
            mensagem(QStringLiteral("Estes padrões não podem ser classificados com esta rede!"));
            return false;
        case TSessao::TCabecalho::invalido:
            mensagem(QStringLiteral("Formato inválido do arquivo de padrões."));
            return false;
        case TSessao::TCabecalho::aceito:
            break;
    }

    rede().qtdLinhas = inteiroDe(ui.LinhaNeuronioSpinEdit->text());
    rede().qtdColunas = inteiroDe(ui.ColunaNeuronioSpinEdit->text());
    rede().raio = inteiroDe(ui.RaioSpinEdit->text());
    // The radius is clamped to the larger side of the map (the rows when both are equal).
    if (rede().raio > rede().qtdLinhas && rede().raio > rede().qtdColunas) {
        rede().raio = std::max(rede().qtdLinhas, rede().qtdColunas);
        mensagem(QStringLiteral(
            "O Raio foi ajustado para o tamanho máximo permitido pela topologia da rede."));
        ui.RaioSpinEdit->setText(QString::number(rede().raio));
    }
    return true;
}

std::optional<TCabecalhoPadroes> TFormMain::leCabecalhoNoTrabalhador(const std::string& caminho) {
    std::optional<TCabecalhoPadroes> cabecalho;
    UTrabalho::executa(
        *this, QStringLiteral("Lendo"),
        [&](TControle& controle) {
            try {
                cabecalho = leCabecalhoPadroes(caminho, &controle);
            } catch (const EInterrompido&) {
            }
        },
        [](const TControle&) {
            return andamento(QStringLiteral("Lendo o cabeçalho do arquivo de padrões"), 0, -1);
        });
    return cabecalho;
}

void TFormMain::entraEstado(TEstado estado, const TCabecalhoRede* carregado) {
    switch (estado) {
        case TEstado::treinado:
            UEstadosJanela::habilita(*this, UEstadosJanela::treinado);
            break;
        case TEstado::limpo: {
            UEstadosJanela::habilita(*this, UEstadosJanela::limpoBotoes);
            escreveStatus(QString());
            ui.MapaNosGrid->escreveEmTodas(inteiroDe(ui.LinhaNeuronioSpinEdit->text()),
                                           inteiroDe(ui.ColunaNeuronioSpinEdit->text()), QString());
            UEstadosJanela::habilita(*this, UEstadosJanela::limpoControles);
            break;
        }
        case TEstado::carregado:
            UEstadosJanela::habilita(*this, UEstadosJanela::carregadoInicio);
            ui.RaioSpinEdit->setText(QString::number(rede().raio));
            UEstadosJanela::habilita(*this, UEstadosJanela::carregadoRaio);
            ui.TipoVizinhancaComboBox->setCurrentIndex(
                carregado != nullptr && carregado->vizinhanca == "GRID" ? 1 : 0);
            UEstadosJanela::habilita(*this, UEstadosJanela::carregadoFim);
            break;
    }
}

void TFormMain::TreinarButtonClick() {
    protege([&] {
        edicaoPendente_->conclui();
        rede().arquivoPadroes = caminhoEmBytes(ui.TreinamentoArqTextBox->text());
        if (!getConfiguracao()) return;

        // What the work needs from the controls is read here; the cycle count is converted now,
        // but a failure of it is reported where the training would have begun.
        TTreino::TPedido pedido;
        pedido.vizinhanca = bytesUtf8(ui.TipoVizinhancaComboBox->currentText());
        pedido.porCiclos = ui.QtdCiclosRadioButton->isChecked();
        try {
            const std::int64_t u = pedido.porCiclos
                                       ? std::int64_t{inteiroDe(ui.QtdCiclosSpinEdit->text())} - 1
                                       : std::int64_t{inteiroDe(ui.RaioSpinEdit->text())};
            pedido.ultimo = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(u, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()));
        } catch (const std::exception&) {
            pedido.falhaCiclos = std::current_exception();
        }
        pedido.passoAPasso = explorador_ && explorador_->passoAPasso();

        TTreino treino(sessao_, std::move(pedido));
        const std::exception_ptr falha = UTrabalho::executaRetendo(
            *this, QStringLiteral("Treinando"),
            [&](TControle& controle) { treino.trabalha(controle); },
            [&](const TControle& controle) { return acompanhaTreino(treino, controle); });
        const TSessao::TResultadoTreino feito = sessao_.concluiTreino(treino, falha);
        if (!feito.treinou) return;
        bool completo = feito.completo;
        if (feito.passoAPasso) {
            // Step by step, the training runs from the dialog, here on the interface thread.
            TTreinoPassoAPasso passos(
                *this, rede(), treino.porCiclos(), treino.ultimo(), treino.status().funcao(),
                [&] {
                    if (const auto linha = treino.status().novaLinha())
                        escreveStatus(QString::fromStdString(*linha));
                },
                treino.extras(), explorador_.get());
            completo = passos.executa();
            sessao_.fechaTreino(treino, completo, &passos.curva());
        } else {
            sessao_.fechaTreino(treino, completo);
        }
        // Stopped: the line of the last cycle completed, marked; alone before the first.
        const std::optional<std::string> linha = treino.status().ultimaLinha();
        if (!completo)
            escreveStatus(linha ? QString::fromStdString(*linha) +
                                      QStringLiteral("    (interrompido)")
                                : QStringLiteral("(interrompido)"));
        else if (linha)
            escreveStatus(QString::fromStdString(*linha));
        linhasMapaRecente_ = rede().linhasMapa();
        colunasMapaRecente_ = rede().colunasMapa();
        preencheMapa();
        entraEstado(TEstado::treinado);
        atualizaExplorador();
    });
}

TAndamento TFormMain::acompanhaTreino(TTreino& treino, const TControle& controle) {
    if (const auto linha = treino.status().novaLinha())
        escreveStatus(QString::fromStdString(*linha));
    if (treino.fase() == TTreino::Fase::treino && !treino.medindo() && explorador_ &&
        explorador_->isVisible())
        explorador_->acompanhaTreino(treino);
    return andamentoDoTreino(treino, controle);
}

void TFormMain::LimparButtonClick() {
    protege([&] {
        sessao_.limpa();
        entraEstado(TEstado::limpo);
        atualizaExplorador();
    });
}

void TFormMain::TreinamentoTabsheetShow() {
    protege([&] {
        limpaPaginas();
        if (!ui.LimparButton->isEnabled()) {
            ui.LinhaNeuronioSpinEdit->setEnabled(true);
            ui.ColunaNeuronioSpinEdit->setEnabled(true);
            ui.RaioSpinEdit->setEnabled(true);
            ui.TipoVizinhancaComboBox->setEnabled(true);
        }
        ui.DistanciaEuclidianaRadio->setEnabled(true);
        atualizaExplorador();
    });
}

void TFormMain::ClassificacaoTabSheetShow() {
    protege([&] {
        ui.LinhaNeuronioSpinEdit->setEnabled(false);
        ui.ColunaNeuronioSpinEdit->setEnabled(false);
        ui.RaioSpinEdit->setEnabled(false);
        ui.TipoVizinhancaComboBox->setEnabled(false);
        const bool treinada = !ui.TreinarButton->isEnabled();
        if (!treinada) mensagem(QStringLiteral("A rede deve estar treinada! "));
        ui.ClassificacaoArqTextBox->setEnabled(treinada);
        ui.DistanciaEuclidianaRadio->setEnabled(treinada);
        ui.ClassificacaoArqBitBtn->setEnabled(treinada);
        ui.ClassificarButton->setEnabled(treinada);
        limpaPaginas();
        atualizaExplorador();
    });
}

void TFormMain::QtdCiclosRadioButtonClick() {
    ui.QtdCiclosSpinEdit->setEnabled(true);
}

void TFormMain::RaioRadioButtonClick() {
    ui.QtdCiclosSpinEdit->setEnabled(false);
}

void TFormMain::TreinamentoArqBitBtnClick() {
    protege([&] {
        ui.TreinamentoArqTextBox->setText(UDialogos::escolhe(*OpenDialogPadroesTreinamento));
    });
}

void TFormMain::ClassificacaoArqBitBtnClick() {
    protege([&] {
        ui.ClassificacaoArqTextBox->setText(UDialogos::escolhe(*OpenDialogPadroesClassificacao));
    });
}

void TFormMain::ValorInicialTextBoxExit() {
    protege([&] {
        const QString texto = ui.ValorInicialTextBox->text();
        bool fora = texto.isEmpty();
        if (!fora) {
            // Compared as converted, without storing into a double: 1E400 is simply above 1.
            const long double valor = textoParaReal(bytesUtf8(texto));
            fora = valor > 1.0L || valor < 0.0L;
        }
        if (fora) {
            mensagem(QStringLiteral(
                "Você deve especificar um valor inicial para taxa de aprendizagem entre 0 e 1."));
            ui.ValorInicialTextBox->setText(QStringLiteral("0,1"));
        }
    });
}

void TFormMain::SairItemMenuClick() {
    close();
}

void TFormMain::MapaNosGridSelectCell(int aCol, int aRow) {
    protege([&] {
        if (informacoes_ == nullptr) return;
        informacoes_->limpaValores();
        if (!ui.LimparButton->isEnabled()) return;
        const int i = aRow - 1;
        const int j = aCol - 1;
        if (i < 0 || j < 0 || i >= rede().linhasMapa() || j >= rede().colunasMapa()) return;
        informacoes_->mostraNeuronio(aRow, aCol, rede().neuronio(i, j));
        informacoes_->exec();
    });
}

void TFormMain::ClassificarButtonClick() {
    protege([&] {
        edicaoPendente_->conclui();
        rede().arquivoPadroes = caminhoEmBytes(ui.ClassificacaoArqTextBox->text());
        if (!getConfiguracao()) return;
        if (!arquivoExiste(rede().arquivoPadroes)) {
            mensagem(QStringLiteral("Você deve especificar um arquivo de padrões para teste!"));
            return;
        }
        TClassificacao classificacao(sessao_);
        const std::exception_ptr falha = UTrabalho::executaRetendo(
            *this, QStringLiteral("Classificando"),
            [&](TControle& controle) { classificacao.trabalha(controle); },
            [&](const TControle& controle) {
                return andamentoDaClassificacao(classificacao, controle);
            });
        const TSessao::TResultadoClassificacao feita =
            sessao_.concluiClassificacao(classificacao, falha);
        if (!feita.completa) return;
        // The cells go empty while the nearest neurons are searched, then show the new counts.
        if (feita.comPadroes) limpaCelulasDoMapa(QString());
        preencheMapa();
        atualizaExplorador();
    });
}

void TFormMain::SalvarTreinamentoItemMenuClick() {
    protege([&] {
        const QString nome = UDialogos::escolhe(*SaveDialog);
        if (nome.isEmpty()) return;
        try {
            salvaRede(caminhoEmBytes(nome), rede(), bytesUtf8(ui.RaioSpinEdit->text()),
                      bytesUtf8(ui.TipoVizinhancaComboBox->currentText()));
        } catch (const EArquivoEspecial& e) {
            mensagem(textoDeBytes(e.what()));
        } catch (const std::exception&) {
            mensagem(QStringLiteral("O Arquivo está em uso."));
        }
    });
}

void TFormMain::CarregarTreinamentoItemMenuClick() {
    protege([&] {
        edicaoPendente_->conclui();
        const QString nome = UDialogos::escolhe(*OpenDialogTreinamento);
        if (!nome.isEmpty()) carregaTreinamento(nome);
    });
}

void TFormMain::abreArquivo(const QString& caminho) {
    protege([&] {
        const QFileInfo arquivo(QDir::cleanPath(QFileInfo(caminho).absoluteFilePath()));
        if (arquivo.suffix().compare(QLatin1String("cfg"), Qt::CaseInsensitive) == 0)
            carregaTreinamento(arquivo.filePath());
        else if (arquivo.isFile() && !temCabecalhoDePadroes(caminhoEmBytes(arquivo.filePath())))
            importaTabela(arquivo.filePath());
        else
            ui.TreinamentoArqTextBox->setText(arquivo.filePath());
    });
}

void TFormMain::ImportarItemMenuClick() {
    protege([&] {
        edicaoPendente_->conclui();
        const QString tabela = UDialogos::escolhe(*OpenDialogTabela);
        if (!tabela.isEmpty()) importaTabela(tabela);
    });
}

void TFormMain::importaTabela(const QString& tabela) {
    TFormImportar dialogo(this, tabela, *SaveDialogPadroes);
    if (UDialogos::executa(dialogo) != QDialog::Accepted || dialogo.arquivoGravado().isEmpty())
        return;
    ui.PageControl->setCurrentIndex(0);
    ui.TreinamentoArqTextBox->setText(dialogo.arquivoGravado());
}

void TFormMain::carregaTreinamento(const QString& nome) {
    const std::string caminho = caminhoEmBytes(nome);
    if (!arquivoExiste(caminho)) return;

    // The file is read into a network aside; the session and the window then take what was read
    // in the order the load has always changed them, so that a failure part-way leaves the same
    // state, and a stopped load leaves nothing changed.
    TCarga carga(sessao_, caminho, bytesUtf8(ui.TipoVizinhancaComboBox->currentText()));
    UTrabalho::executa(
        *this, QStringLiteral("Carregando"), [&](TControle& controle) { carga.trabalha(controle); },
        [&](const TControle& controle) {
            return andamento(QStringLiteral("Lendo o arquivo de treinamento"),
                             controle.padroes.load(), carga.neuroniosALer());
        });
    const TCargaRede& lida = carga.resultado();
    if (lida.parada()) return;
    // A map too large for memory, or a load that could not allocate what it read, is refused
    // before anything changes.
    if (const std::optional<std::string> recusa = carga.recusa()) {
        mensagem(QString::fromStdString(*recusa));
        return;
    }
    try {
        sessao_.aplicaCabecalho(carga);
        if (lida.cabecalho && (rede().qtdLinhas != inteiroDe(ui.LinhaNeuronioSpinEdit->text()) ||
                               rede().qtdColunas != inteiroDe(ui.ColunaNeuronioSpinEdit->text()))) {
            linhasMapaRecente_ = rede().qtdLinhas;
            colunasMapaRecente_ = rede().qtdColunas;
            ui.MapaNosGrid->defineTamanho(rede().qtdLinhas, ui.MapaNosGrid->columnCount());
            ui.LinhaNeuronioSpinEdit->setText(QString::number(rede().qtdLinhas));
            ui.MapaNosGrid->defineTamanho(ui.MapaNosGrid->rowCount(), rede().qtdColunas);
            ui.ColunaNeuronioSpinEdit->setText(QString::number(rede().qtdColunas));
            constroiMapa();
        }
        sessao_.colocaMapa(carga);
        if (lida.mapaPronto) {
            linhasMapaRecente_ = rede().linhasMapa();
            colunasMapaRecente_ = rede().colunasMapa();
        }
        if (lida.falha) std::rethrow_exception(lida.falha);
        preencheMapa();
        entraEstado(TEstado::carregado, &*lida.cabecalho);
        atualizaExplorador();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        mensagem(QStringLiteral("Formato inválido do arquivo de treinamento."));
    }
}

void TFormMain::SobreClick() {
    protege([&] {
        if (sobre_ != nullptr) sobre_->exec();
    });
}

void TFormMain::ManualItemMenuClick() {
    protege([&] {
        criaManual();
        manual_->mostraConteudo();
    });
}

// The main window (see Uprincipal.h): its making, its events, the map's grid, the states of its
// controls, and the commands that open the other windows. The training and classification are in
// UprincipalTreino.cpp, the file commands in UprincipalArquivos.cpp; what the commands do to the
// network is in USessao.

#include "Uprincipal.h"

#include <QActionGroup>
#include <QLayout>
#include <QLocale>
#include <QStyle>
#include <algorithm>

#include "UDialogos.h"
#include "UEdicaoPendente.h"
#include "UErros.h"
#include "UEstadosJanela.h"
#include "UFormExplorador.h"
#include "UFormInformacoes.h"
#include "UFormLaboratorio.h"
#include "UFormLicoes.h"
#include "UFormSemente.h"
#include "UFormSobre.h"
#include "UIdioma.h"
#include "UImagens.h"
#include "UJanelas.h"
#include "UManual.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "UPreparacaoLicao.h"
#include "USpinEdit.h"
#include "UTextos.h"

TFormMain* FormMain = nullptr;

namespace {

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
    UJanelas::instala();
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
    // The language: the one of this run checked; a choice is kept for the next start.
    auto* idiomas = new QActionGroup(this);
    idiomas->setExclusive(true);
    for (const auto& [acao, idioma] :
         {std::pair(ui.IdiomaPortuguesItemMenu, UIdioma::TIdioma::portugues),
          std::pair(ui.IdiomaInglesItemMenu, UIdioma::TIdioma::ingles)}) {
        idiomas->addAction(acao);
        acao->setChecked(UIdioma::atual() == idioma);
        connect(acao, &QAction::triggered, this, [this, idioma = idioma] {
            UIdioma::salva(idioma);
            if (idioma != UIdioma::atual())
                UMensagens::mostraMensagem(
                    this, idioma == UIdioma::TIdioma::ingles
                              ? QStringLiteral("Norvika will be in English the next time it "
                                               "starts. (O Norvika estará em inglês na próxima "
                                               "vez que abrir.)")
                              : QStringLiteral("O Norvika estará em português na próxima vez que "
                                               "abrir. (Norvika will be in Portuguese the next "
                                               "time it starts.)"));
        });
    }
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
        if (arquivo.endsWith(QLatin1String(kExtensaoSessaoLab), Qt::CaseInsensitive)) {
            const QString motivo = laboratorio_->abreSessao(arquivo);
            if (!motivo.isEmpty())
                UMensagens::mostraMensagem(
                    laboratorio_.get(),
                    tr("Não foi possível abrir a sessão \"%1\": %2").arg(arquivo, motivo));
        } else if (!arquivo.isEmpty()) {
            laboratorio_->abreDados(arquivo);
        }
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
    // The laboratory asks about its unsaved runs first; cancelling keeps the program open.
    if (laboratorio_ && !laboratorio_->podeSair()) {
        e->ignore();
        return;
    }
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
        if (!treinada) mensagem(tr("A rede deve estar treinada! "));
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
            mensagem(tr(
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

void TFormMain::LicoesItemMenuClick() {
    protege([&] {
        if (!licoes_) {
            licoes_ = std::make_unique<TFormLicoes>();
            licoes_->setWindowIcon(windowIcon());
            connect(licoes_.get(), &TFormLicoes::preparar, this, [this](int licao) {
                protege([&] { UPreparacaoLicao::prepara(*this, licao); });
            });
            licoes_->defineFiguras(
                [this](int licao) { return UPreparacaoLicao::figuras(*this, licao); });
            connect(licoes_.get(), &TFormLicoes::abrirManual, this, [this] {
                protege([&] {
                    criaManual();
                    manual_->mostraConteudo();
                    manual_->navegador()->scrollToAnchor(QStringLiteral("licoes"));
                });
            });
        }
        licoes_->show();
        licoes_->raise();
        licoes_->activateWindow();
    });
}

void TFormMain::mostraLicao(int i) {
    LicoesItemMenuClick();
    if (licoes_) licoes_->escolhe(i);
}

void TFormMain::criaManual() {
    if (manual_) return;
    manual_ = new TManual(this);
    connect(manual_.data(), &TManual::licaoPedida, this,
            [this](int licao) { mostraLicao(licao - 1); });
}

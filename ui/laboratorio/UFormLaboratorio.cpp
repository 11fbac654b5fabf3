#include "UFormLaboratorio.h"

#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QThread>
#include <cmath>
#include <limits>

#include "UArquivoPadroes.h"
#include "UDialogos.h"
#include "UErros.h"
#include "UExportacao.h"
#include "UFormComparacao.h"
#include "UFormImportar.h"
#include "UGravacao.h"
#include "UImagemExportada.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "UPintura.h"
#include "USugestaoLab.h"
#include "UTextos.h"

namespace {

// A number typed with a decimal comma or point; nothing when it is not one.
std::optional<double> numeroDoCampo(const QString& texto) {
    return numeroDigitado(bytesUtf8(texto.trimmed()));
}

// The seed field: a whole number from 0 to 2^64 - 1, else nothing.
std::optional<std::uint64_t> sementeDoCampo(const QString& texto) {
    return sementeDeTexto(bytesUtf8(texto));
}

QString sementeRecusada(const QString& texto) {
    return QStringLiteral("Semente: \"%1\" não é um inteiro não negativo.").arg(texto);
}

// Writes a map as a .cod; returns why it failed, empty when written.
QString gravaCodebookEm(const TCodebook& codebook, const QString& caminho) {
    try {
        gravaCodebook(codebook, caminhoEmBytes(caminho));
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

const QStringList kFiltrosCod = {QStringLiteral("Mapas do SOM_PAK (*.cod)"),
                                 QStringLiteral("Todos (*)")};

}  // namespace

TFormLaboratorio::TFormLaboratorio(QWidget* pai) : QWidget(pai) {
    ui.setupUi(this);
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    // The .ui sets norvika-lab's defaults (hexagonal, Gaussian, shuffled, started from patterns)
    // and lets the map's column alone grow with the window; its first widths are set here.
    ui.LabDivisor->setSizes({340, 700, 260});
    TPainelMapa::TTextos textos;
    textos.instante = QStringLiteral("Época");
    textos.escolhaUmaUnidade =
        QStringLiteral("Clique numa unidade do mapa para ver seus pesos, rótulos e padrões.");
    textos.semMapa = [this] {
        return sessao_.temDados() ? QStringLiteral("Escolha o mapa e o treino e clique em Treinar.")
                                  : QStringLiteral("Abra um arquivo de dados e treine um mapa.");
    };
    painel_ = new TPainelMapa(this,
                              {ui.LabVistaSeletor, ui.LabVista, ui.LabCurva,
                               ui.LabEscalaComumCheckBox, ui.LabPainelNeuronio},
                              std::move(textos));
    painel_->preencheSeletor(true);
    for (const TInfoDemonstracao& info : kDemonstracoes) {
        ui.LabDemoCombo->addItem(QString::fromUtf8(info.titulo), static_cast<int>(info.tipo));
        ui.LabDemoCombo->setItemData(ui.LabDemoCombo->count() - 1,
                                     QString::fromUtf8(info.descricao), Qt::ToolTipRole);
    }
    LabDemoComboChange();
    ui.LabVista->defineTextoSemMapa(
        QStringLiteral("Nenhum mapa ainda.\nAbra os dados, escolha o mapa e o treino à esquerda e "
                       "clique em Treinar (ou em Passo, para ver um padrão de cada vez)."));
    dialogoDados_ = UDialogos::criaDialogoTabela(this, "LabAbrirDialog");
    dialogoDados_->setNameFilters(
        {QStringLiteral("Dados (*.txt *.csv *.tsv *.dat *.arff *.xlsx *.ods)"),
         QStringLiteral("Todos (*)")});
    dialogoSalvar_ = UDialogos::criaDialogoExportacao(this, "LabSalvarDialog", kFiltrosCod,
                                                      QStringLiteral("cod"));
    dialogoAbrirMapa_ = new QFileDialog(this);
    dialogoAbrirMapa_->setObjectName(QStringLiteral("LabAbrirMapaDialog"));
    dialogoAbrirMapa_->setOption(QFileDialog::DontUseNativeDialog);
    dialogoAbrirMapa_->setFileMode(QFileDialog::ExistingFile);
    dialogoAbrirMapa_->setNameFilters(kFiltrosCod);
    dialogoImagem_ = UDialogos::criaDialogoImagem(this, "LabExportarImagemDialog");
    dialogoTabela_ = UDialogos::criaDialogoDadosDoMapa(this, "LabExportarTabelaDialog");
    connect(ui.LabAbrirButton, &QPushButton::clicked, this, &TFormLaboratorio::LabAbrirButtonClick);
    connect(ui.LabGerarButton, &QPushButton::clicked, this, &TFormLaboratorio::LabGerarButtonClick);
    connect(ui.LabDemoCombo, &QComboBox::currentIndexChanged, this,
            &TFormLaboratorio::LabDemoComboChange);
    connect(ui.LabReproduzirButton, &QPushButton::clicked, this,
            &TFormLaboratorio::LabReproduzirButtonClick);
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
    connect(ui.LabExportarImagemButton, &QPushButton::clicked, this, [this] {
        exporta(*dialogoImagem_, &TFormLaboratorio::exportaImagem, QStringLiteral("a imagem"));
    });
    connect(ui.LabExportarDadosButton, &QPushButton::clicked, this, [this] {
        dialogoTabela_->setNameFilters(
            {QStringLiteral("Tabelas (*.csv)"), QStringLiteral("Mapas do SOM_PAK (*.cod)")});
        exporta(*dialogoTabela_, &TFormLaboratorio::exportaDados, QStringLiteral("o mapa"));
    });
    connect(ui.LabExportarVencedoresButton, &QPushButton::clicked, this, [this] {
        dialogoTabela_->setNameFilters({QStringLiteral("Tabelas (*.csv)")});
        exporta(*dialogoTabela_, &TFormLaboratorio::exportaVencedores,
                QStringLiteral("os vencedores"));
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

namespace {

// The window's settings between sessions: the controls by their names.
constexpr const char* kSpins[] = {"LabLinhasSpin", "LabColunasSpin", "LabEpocasSpin"};
constexpr const char* kCombos[] = {"LabTopologiaCombo",  "LabModoCombo",  "LabVizinhancaCombo",
                                   "LabDecaimentoCombo", "LabOrdemCombo", "LabInicioCombo",
                                   "LabVistaSeletor"};
constexpr const char* kEdits[] = {"LabRaioInicialEdit", "LabRaioFinalEdit", "LabTaxaInicialEdit",
                                  "LabTaxaFinalEdit", "LabSementeEdit"};

QSettings preferencias() {
    return QSettings(QStringLiteral("Norvika"), QStringLiteral("Laboratorio"));
}

}  // namespace

void TFormLaboratorio::guardaPreferencias() const {
    QSettings p = preferencias();
    p.setValue(QStringLiteral("geometria"), saveGeometry());
    p.setValue(QStringLiteral("divisor"), ui.LabDivisor->saveState());
    for (const char* nome : kSpins)
        p.setValue(QString::fromLatin1(nome),
                   findChild<QSpinBox*>(QString::fromLatin1(nome))->value());
    for (const char* nome : kCombos)
        p.setValue(QString::fromLatin1(nome),
                   findChild<QComboBox*>(QString::fromLatin1(nome))->currentIndex());
    for (const char* nome : kEdits)
        p.setValue(QString::fromLatin1(nome),
                   findChild<QLineEdit*>(QString::fromLatin1(nome))->text());
    p.setValue(QStringLiteral("LabToroidalCheckBox"), ui.LabToroidalCheckBox->isChecked());
}

void TFormLaboratorio::restauraPreferencias() {
    QSettings p = preferencias();
    if (p.contains(QStringLiteral("geometria")))
        restoreGeometry(p.value(QStringLiteral("geometria")).toByteArray());
    if (p.contains(QStringLiteral("divisor")))
        ui.LabDivisor->restoreState(p.value(QStringLiteral("divisor")).toByteArray());
    for (const char* nome : kSpins)
        if (p.contains(QString::fromLatin1(nome)))
            findChild<QSpinBox*>(QString::fromLatin1(nome))
                ->setValue(p.value(QString::fromLatin1(nome)).toInt());
    for (const char* nome : kCombos)
        if (p.contains(QString::fromLatin1(nome))) {
            QComboBox* c = findChild<QComboBox*>(QString::fromLatin1(nome));
            const int i = p.value(QString::fromLatin1(nome)).toInt();
            if (i >= 0 && i < c->count()) c->setCurrentIndex(i);
        }
    for (const char* nome : kEdits)
        if (p.contains(QString::fromLatin1(nome)))
            findChild<QLineEdit*>(QString::fromLatin1(nome))
                ->setText(p.value(QString::fromLatin1(nome)).toString());
    ui.LabToroidalCheckBox->setChecked(
        p.value(QStringLiteral("LabToroidalCheckBox"), false).toBool());
}

void TFormLaboratorio::mostraConfiguracao(const TConfiguracaoLab& c) {
    const auto numero = [](double v) { return QString::number(v, 'g', 15).replace(u'.', u','); };
    ui.LabLinhasSpin->setValue(c.grade.linhas);
    ui.LabColunasSpin->setValue(c.grade.colunas);
    ui.LabTopologiaCombo->setCurrentIndex(c.grade.hexagonal() ? 1 : 0);
    ui.LabToroidalCheckBox->setChecked(c.grade.toroidal);
    ui.LabModoCombo->setCurrentIndex(c.modo == TModoLab::lote ? 1 : 0);
    ui.LabVizinhancaCombo->setCurrentIndex(c.vizinhanca == TVizinhancaLab::gaussiana ? 1 : 0);
    ui.LabRaioInicialEdit->setText(numero(c.raio.inicial));
    ui.LabRaioFinalEdit->setText(numero(c.raio.final));
    ui.LabTaxaInicialEdit->setText(numero(c.taxa.inicial));
    ui.LabTaxaFinalEdit->setText(numero(c.taxa.final));
    ui.LabDecaimentoCombo->setCurrentIndex(c.decaimento == TDecaimentoLab::exponencial ? 1 : 0);
    ui.LabEpocasSpin->setValue(c.epocas);
    ui.LabOrdemCombo->setCurrentIndex(c.ordem == TOrdemLab::arquivo ? 0 : 1);
    if (c.inicio != TInicioLab::pesos)
        ui.LabInicioCombo->setCurrentIndex(static_cast<int>(c.inicio));
    ui.LabSementeEdit->setText(QString::number(c.semente));
    LabModoComboChange();
}

void TFormLaboratorio::LabSugerirButtonClick() {
    UMensagens::protege(this, [&] {
        if (!sessao_.temDados()) {
            UMensagens::mostraMensagem(
                this, QStringLiteral("Abra um arquivo de dados antes: a sugestão vem deles."));
            return;
        }
        mostraConfiguracao(sugestaoLab(sessao_.carga().dados));
        ui.LabStatusLabel->setText(QStringLiteral("Valores sugeridos para estes dados."));
    });
}

void TFormLaboratorio::atualizaHistorico() {
    preenchendoHistorico_ = true;
    // Runs come only at the end of the list and leave from anywhere, in order: the items of runs
    // gone are taken out and items are made for the new ones only, so that a change costs the
    // same whatever the number of runs (a thumbnail takes milliseconds to draw).
    QListWidget& lista = *ui.LabHistoricoLista;
    const std::vector<TExecucaoLab>& execucoes = sessao_.execucoes();
    std::size_t seguinte = 0;
    for (int linha = 0; linha < lista.count();) {
        const auto l = static_cast<std::size_t>(linha);
        if (seguinte < execucoes.size() && mapasListados_[l] == execucoes[seguinte].mapa) {
            ++linha;
            ++seguinte;
            continue;
        }
        delete lista.takeItem(linha);
        mapasListados_.erase(mapasListados_.begin() + linha);
    }
    for (; seguinte < execucoes.size(); ++seguinte) {
        const TExecucaoLab& e = execucoes[seguinte];
        ++miniaturasDesenhadas_;
        // A small picture of its label map.
        QImage miniatura(144, 108, QImage::Format_RGB32);
        miniatura.fill(Qt::white);
        {
            QPainter p(&miniatura);
            // The margins and the legend fall outside the picture: only the cells are in it.
            TOpcoesVista opcoes;
            pintaVista(p, QRectF(-30, -30, 144 + 30 + kLarguraLegenda, 108 + 30 + kMargemVista),
                       *e.mapa, TTipoVista::Rotulos, opcoes, nullptr);
        }
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(miniatura)),
                                         QString::fromStdString(e.nome));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        const TConfiguracaoLab& c = e.config;
        item->setToolTip(
            QStringLiteral("%1 × %2 %3%4, %5, %6, raio %7 → %8, %9 épocas\nQuantização %10, "
                           "topográfico %11, %12 s%13")
                .arg(c.grade.linhas)
                .arg(c.grade.colunas)
                .arg(c.grade.hexagonal() ? QStringLiteral("hexagonal")
                                         : QStringLiteral("retangular"))
                .arg(c.grade.toroidal ? QStringLiteral(" toroidal") : QString())
                .arg(c.vizinhanca == TVizinhancaLab::gaussiana ? QStringLiteral("gaussiana")
                                                               : QStringLiteral("bolha"))
                .arg(c.modo == TModoLab::online ? QStringLiteral("online") : QStringLiteral("lote"))
                .arg(numeroCurto(c.raio.inicial), numeroCurto(c.raio.final))
                .arg(c.epocas)
                .arg(e.mapa->erros ? numeroCurto(e.mapa->erros->quantizacao) : QStringLiteral("–"),
                     e.mapa->erros ? numeroCurto(e.mapa->erros->topografico) : QStringLiteral("–"),
                     numeroCurto(e.segundos), e.parada ? QStringLiteral(" (parada)") : QString()));
        lista.addItem(item);
        mapasListados_.push_back(e.mapa);
    }
    preenchendoHistorico_ = false;
    escolheExecucoes();
}

std::vector<std::size_t> TFormLaboratorio::execucoesEscolhidas() const {
    std::vector<std::size_t> linhas;
    for (int i = 0; i < ui.LabHistoricoLista->count(); ++i)
        if (ui.LabHistoricoLista->item(i)->isSelected())
            linhas.push_back(static_cast<std::size_t>(i));
    return linhas;
}

void TFormLaboratorio::escolheExecucoes() {
    const std::size_t n = execucoesEscolhidas().size();
    const bool livre = !sessao_.ocupada();
    ui.LabReabrirButton->setEnabled(livre && n == 1);
    ui.LabSalvarExecucaoButton->setEnabled(n == 1);
    ui.LabExcluirButton->setEnabled(livre && n >= 1);
    ui.LabCompararButton->setEnabled(n == 2);
    if (n == 1)
        ui.LabStatusLabel->setText(
            ui.LabHistoricoLista->item(static_cast<int>(execucoesEscolhidas().front()))->toolTip());
}

void TFormLaboratorio::LabReabrirButtonClick() {
    UMensagens::protege(this, [&] {
        const std::vector<std::size_t> linhas = execucoesEscolhidas();
        if (linhas.size() != 1 || sessao_.ocupada()) return;
        sessao_.reabre(linhas.front());
        atualizaReprisa();
        mostraConfiguracao(sessao_.execucoes()[linhas.front()].config);
        mostraMapa(sessao_.mapa());
        habilita();
    });
}

void TFormLaboratorio::LabExcluirButtonClick() {
    std::vector<std::size_t> linhas = execucoesEscolhidas();
    std::sort(linhas.rbegin(), linhas.rend());
    for (const std::size_t i : linhas) sessao_.remove(i);
    atualizaHistorico();
}

void TFormLaboratorio::LabSalvarExecucaoButtonClick() {
    UMensagens::protege(this, [&] {
        const std::vector<std::size_t> linhas = execucoesEscolhidas();
        if (linhas.size() != 1) return;
        const TCodebook codebook = sessao_.codebookDe(linhas.front());
        exportaComDialogo(
            this, *dialogoSalvar_,
            [&](const QString& nome) { return gravaCodebookEm(codebook, nome); },
            QStringLiteral("o mapa"));
    });
}

void TFormLaboratorio::LabCompararButtonClick() {
    UMensagens::protege(this, [&] {
        const std::vector<std::size_t> linhas = execucoesEscolhidas();
        if (linhas.size() != 2) return;
        comparacao_ = new TFormComparacao(this, sessao_.execucoes()[linhas[0]],
                                          sessao_.execucoes()[linhas[1]]);
        comparacao_->show();
    });
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
    if (!sessao_.temMapa()) return QStringLiteral("não há mapa");
    return painel_->exportaDados(caminho, [this] { return sessao_.codebook(); });
}

QString TFormLaboratorio::exportaVencedores(const QString& caminho) {
    const TDadosMapa& mapa = *painel_->dados();
    if (!sessao_.temMapa() || mapa.vencedorDoPadrao.empty()) return QStringLiteral("não há mapa");
    const TDadosLab& d = sessao_.carga().dados;
    std::vector<std::string> rotulos;
    for (std::size_t i = 0; i < d.padroes(); ++i) {
        const std::int32_t r = i < d.rotulo.size() ? d.rotulo[i] : -1;
        rotulos.push_back(r < 0 ? std::string() : d.legenda[static_cast<std::size_t>(r)]);
    }
    if (!caminho.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return QStringLiteral("o nome deve terminar em .csv");
    std::vector<double> distancias = mapa.distanciaDoPadrao;
    distancias.resize(mapa.vencedorDoPadrao.size(), std::numeric_limits<double>::quiet_NaN());
    return gravaExportacao(
        caminho, textoCsvVencedores(mapa.colunas, mapa.vencedorDoPadrao, distancias, rotulos));
}

void TFormLaboratorio::LabVistaSeletorChange() {
    painel_->mostraVistaEscolhida();
}

void TFormLaboratorio::LabModoComboChange() {
    // The rate only moves units in online training.
    const bool online = ui.LabModoCombo->currentIndex() == 0;
    for (QWidget* w :
         {static_cast<QWidget*>(ui.LabTaxaInicialEdit), static_cast<QWidget*>(ui.LabTaxaFinalEdit),
          static_cast<QWidget*>(ui.LabTaxaInicialLabel),
          static_cast<QWidget*>(ui.LabTaxaFinalLabel), static_cast<QWidget*>(ui.LabOrdemCombo),
          static_cast<QWidget*>(ui.LabOrdemLabel)})
        w->setEnabled(online && !sessao_.ocupada());
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
    escolheExecucoes();
    if (!ocupada) LabModoComboChange();
}

void TFormLaboratorio::mostraDados() {
    const TCargaLab& c = sessao_.carga();
    ui.LabArquivoLabel->setText(QFileInfo(QString::fromStdString(sessao_.arquivo())).fileName());
    ui.LabArquivoLabel->setToolTip(QString::fromStdString(sessao_.arquivo()));
    QString normalizacao = QStringLiteral("nenhuma");
    if (!sessao_.mapa()->padroes->escala.empty())
        normalizacao = QStringLiteral(
            "feita na importação (os pesos aparecem nos valores "
            "originais)");
    if (c.normalizacao == TNormalizacao::minmax) normalizacao = QStringLiteral("mínimo-máximo");
    if (c.normalizacao == TNormalizacao::z) normalizacao = QStringLiteral("escore z");
    std::int64_t ausentes = 0;
    for (const double v : c.dados.valores) ausentes += std::isnan(v) ? 1 : 0;
    QString texto = QStringLiteral("%1 padrões, %2 atributos, %3 rótulos\nNormalização: %4")
                        .arg(c.dados.padroes())
                        .arg(c.dados.dimensao)
                        .arg(c.dados.legenda.size())
                        .arg(normalizacao);
    if (ausentes > 0) texto += QStringLiteral("\nValores ausentes: %1").arg(ausentes);
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
        ui.LabStatusLabel->setText(
            QStringLiteral("Dados abertos: %1").arg(QFileInfo(caminho).fileName()));
        return true;
    }
    ui.LabStatusLabel->setText(status);
    // A table goes through the import dialog, which writes a pattern file.
    QFileDialog* salvar = UDialogos::criaDialogoPadroes(this, "LabSalvarPadroesDialog");
    TFormImportar dialogo(this, caminho, *salvar);
    const int resposta = UDialogos::executa(dialogo);
    salvar->deleteLater();
    if (resposta != QDialog::Accepted || dialogo.arquivoGravado().isEmpty()) return false;
    abreDadosPreparados(dialogo.arquivoGravado());
    return true;
}

void TFormLaboratorio::LabAbrirButtonClick() {
    UMensagens::protege(this, [&] {
        const QString nome = UDialogos::escolhe(*dialogoDados_);
        if (!nome.isEmpty()) abreDados(nome);
    });
}

std::optional<TConfiguracaoLab> TFormLaboratorio::configuracao(QString& motivo) const {
    TConfiguracaoLab c;
    c.grade.linhas = ui.LabLinhasSpin->value();
    c.grade.colunas = ui.LabColunasSpin->value();
    c.grade.topologia = ui.LabTopologiaCombo->currentIndex() == 1 ? TTopologiaLab::hexagonal
                                                                  : TTopologiaLab::retangular;
    c.grade.toroidal = ui.LabToroidalCheckBox->isChecked();
    c.modo = ui.LabModoCombo->currentIndex() == 1 ? TModoLab::lote : TModoLab::online;
    c.vizinhanca = ui.LabVizinhancaCombo->currentIndex() == 1 ? TVizinhancaLab::gaussiana
                                                              : TVizinhancaLab::bolha;
    c.decaimento = ui.LabDecaimentoCombo->currentIndex() == 1 ? TDecaimentoLab::exponencial
                                                              : TDecaimentoLab::linear;
    c.epocas = ui.LabEpocasSpin->value();
    c.ordem = ui.LabOrdemCombo->currentIndex() == 0 ? TOrdemLab::arquivo : TOrdemLab::embaralhada;
    static constexpr TInicioLab kInicios[] = {TInicioLab::aleatorio, TInicioLab::amostras,
                                              TInicioLab::linear, TInicioLab::canto};
    c.inicio = kInicios[std::clamp(ui.LabInicioCombo->currentIndex(), 0, 3)];
    struct TCampo {
        const QLineEdit* edit;
        const char* nome;
        double* destino;
    };
    const TCampo campos[] = {{ui.LabRaioInicialEdit, "Raio inicial", &c.raio.inicial},
                             {ui.LabRaioFinalEdit, "Raio final", &c.raio.final},
                             {ui.LabTaxaInicialEdit, "Taxa inicial", &c.taxa.inicial},
                             {ui.LabTaxaFinalEdit, "Taxa final", &c.taxa.final}};
    for (const TCampo& campo : campos) {
        const std::optional<double> v = numeroDoCampo(campo.edit->text());
        if (!v) {
            motivo = QStringLiteral("%1: \"%2\" não é um número.")
                         .arg(QString::fromUtf8(campo.nome), campo.edit->text());
            return std::nullopt;
        }
        *campo.destino = *v;
    }
    const std::optional<std::uint64_t> semente = sementeDoCampo(ui.LabSementeEdit->text());
    if (!semente) {
        motivo = sementeRecusada(ui.LabSementeEdit->text());
        return std::nullopt;
    }
    c.semente = *semente;
    if (const std::string m = validaConfiguracao(c, sessao_.carga().dados);
        !m.empty() && sessao_.temDados()) {
        motivo = QString::fromStdString(m);
        return std::nullopt;
    }
    return c;
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
        ui.LabStatusLabel->setText(QStringLiteral("Treinando…"));
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
            if (!aguardaTrabalhador(QStringLiteral("Preparando o mapa inicial…"),
                                    QStringLiteral("Passo a passo interrompido."))) {
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
            ui.LabStatusLabel->setText(QStringLiteral("Passo a passo: época %1 de %2, padrão %3.")
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
    ui.LabStatusLabel->setText(QStringLiteral("Parando…"));
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
            QStringLiteral("Treinando: época %1 de %2").arg(a.epocas + 1).arg(a.totalEpocas));
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
            ? QStringLiteral("Parado na época %1 de %2.").arg(a.epocas).arg(a.totalEpocas)
            : QStringLiteral("Treino concluído: %1 épocas.").arg(a.totalEpocas);
    if (!sessao_.erro().empty()) {
        estado = QStringLiteral("O treino falhou.");
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
        m.erros ? QStringLiteral("Quantização: %1   Topográfico: %2")
                      .arg(numeroCurto(m.erros->quantizacao), numeroCurto(m.erros->topografico))
                : QStringLiteral("Quantização: –   Topográfico: –");
    if (m.percurso)
        erros += QStringLiteral("\nPercurso do anel: %1   vizinho mais próximo: %2")
                     .arg(numeroCurto(m.percurso->comprimento),
                          numeroCurto(m.percurso->vizinhoMaisProximo));
    ui.LabErrosLabel->setText(erros);
}

QString TFormLaboratorio::salvaMapa(const QString& caminho) {
    if (!sessao_.temMapa()) return QStringLiteral("não há mapa");
    return gravaCodebookEm(sessao_.codebook(), caminho);
}

QString TFormLaboratorio::abreMapa(const QString& caminho) {
    if (sessao_.ocupada()) return QStringLiteral("espere o trabalho em andamento terminar");
    sessao_.iniciaMapa(caminhoEmBytes(caminho));
    if (!aguardaTrabalhador(
            QStringLiteral("Abrindo o mapa…"),
            QStringLiteral("Abertura do mapa interrompida: o mapa ficou como estava.")))
        return QString::fromStdString(sessao_.erro());  // empty after a stop
    const TGradeLab& g = sessao_.grade();
    ui.LabLinhasSpin->setValue(g.linhas);
    ui.LabColunasSpin->setValue(g.colunas);
    ui.LabTopologiaCombo->setCurrentIndex(g.hexagonal() ? 1 : 0);
    ui.LabToroidalCheckBox->setChecked(g.toroidal);
    atualizaReprisa();
    mostraMapa(sessao_.mapa());
    ui.LabStatusLabel->setText(
        QStringLiteral("Mapa aberto: %1").arg(QFileInfo(caminho).fileName()));
    habilita();
    return {};
}

void TFormLaboratorio::LabSalvarButtonClick() {
    exporta(*dialogoSalvar_, &TFormLaboratorio::salvaMapa, QStringLiteral("o mapa"));
}

void TFormLaboratorio::LabAbrirMapaButtonClick() {
    UMensagens::protege(this, [&] {
        const QString nome = UDialogos::escolhe(*dialogoAbrirMapa_);
        if (nome.isEmpty()) return;
        const QString motivo = abreMapa(nome);
        if (!motivo.isEmpty())
            UMensagens::mostraMensagem(
                this, QStringLiteral("Não foi possível abrir o mapa \"%1\": %2").arg(nome, motivo));
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

QString TFormLaboratorio::pastaDemonstracoes() {
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                          QStringLiteral("/demonstracoes");
    QDir().mkpath(pasta);
    return pasta;
}

void TFormLaboratorio::LabDemoComboChange() {
    const TInfoDemonstracao& info =
        infoDemonstracao(static_cast<TDemonstracao>(ui.LabDemoCombo->currentData().toInt()));
    ui.LabDemoPadroesSpin->setValue(static_cast<int>(info.padroes));
    ui.LabDemoDimensaoSpin->setVisible(info.dimensao > 0);
    if (info.dimensao > 0) ui.LabDemoDimensaoSpin->setValue(static_cast<int>(info.dimensao));
}

namespace {

// Where a demonstration's file goes, named by its request.
QString arquivoDaDemonstracao(const TPedidoDemonstracao& pedido) {
    const TInfoDemonstracao& info = infoDemonstracao(pedido.tipo);
    QString nome = QStringLiteral("%1-%2").arg(QString::fromUtf8(info.nome)).arg(pedido.padroes);
    if (info.dimensao > 0) nome += QStringLiteral("x%1").arg(pedido.dimensao);
    nome += QStringLiteral("-semente%1.txt").arg(pedido.semente);
    return TFormLaboratorio::pastaDemonstracoes() + u'/' + nome;
}

// Writes a demonstration's pattern file (on the worker when controle is given) through the safe
// writer, a step of the control per mebibyte: at the largest request it runs to hundreds of
// megabytes, streamed to the disk, and a stop request (EInterrompido) or a failure leaves
// whatever was at that name as it was.
void escreveArquivoDeDemonstracao(const TPedidoDemonstracao& pedido, const QString& caminho,
                                  TControle* controle) {
    try {
        TSaidaSegura saida(caminhoEmBytes(caminho), controle);
        escreveDemonstracao(pedido, saida);
        saida.conclui();
    } catch (const EEntradaSaida& e) {
        QString motivo = textoDeBytes(e.what());
        if (motivo.endsWith(u'.')) motivo.chop(1);
        throw EEntradaSaida(
            bytesUtf8(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(caminho, motivo)));
    }
}

}  // namespace

QString TFormLaboratorio::gravaDemonstracao(const TPedidoDemonstracao& pedido) {
    const QString caminho = arquivoDaDemonstracao(pedido);
    escreveArquivoDeDemonstracao(pedido, caminho, nullptr);
    return caminho;
}

void TFormLaboratorio::abreDadosPreparados(const QString& caminho) {
    const std::string arquivo = caminhoEmBytes(caminho);
    if (leDados([arquivo](TControle&) { return arquivo; }))
        ui.LabStatusLabel->setText(
            QStringLiteral("Dados abertos: %1").arg(QFileInfo(caminho).fileName()));
}

bool TFormLaboratorio::leDados(std::function<std::string(TControle&)> arquivo) {
    if (sessao_.ocupada()) return false;
    sessao_.iniciaCarga(std::move(arquivo));
    return recebeDados();
}

bool TFormLaboratorio::recebeDados() {
    if (!aguardaTrabalhador(
            QStringLiteral("Lendo os dados…"),
            QStringLiteral("Leitura interrompida: os dados ficaram como estavam."))) {
        if (const std::exception_ptr falha = sessao_.falha()) std::rethrow_exception(falha);
        return false;
    }
    if (sessao_.precisaImportar()) return true;
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

void TFormLaboratorio::LabGerarButtonClick() {
    UMensagens::protege(this, [&] {
        if (sessao_.ocupada()) return;
        const std::optional<std::uint64_t> semente = sementeDoCampo(ui.LabSementeEdit->text());
        if (!semente) {
            UMensagens::mostraMensagem(this, sementeRecusada(ui.LabSementeEdit->text()));
            return;
        }
        TPedidoDemonstracao pedido;
        pedido.tipo = static_cast<TDemonstracao>(ui.LabDemoCombo->currentData().toInt());
        pedido.padroes = ui.LabDemoPadroesSpin->value();
        pedido.dimensao = ui.LabDemoDimensaoSpin->value();
        pedido.semente = *semente;
        const QString caminho = arquivoDaDemonstracao(pedido);
        const std::string arquivo = caminhoEmBytes(caminho);
        // Written and read on the worker: the largest request is hundreds of megabytes.
        const bool lidos = leDados([pedido, caminho, arquivo](TControle& controle) {
            escreveArquivoDeDemonstracao(pedido, caminho, &controle);
            return arquivo;
        });
        if (lidos) ui.LabStatusLabel->setText(QStringLiteral("Dados gerados em %1").arg(caminho));
    });
}

void TFormLaboratorio::atualizaReprisa() {
    reproducao_.stop();
    ui.LabReproduzirButton->setText(QStringLiteral("▶ Reproduzir"));
    const auto quadros = static_cast<int>(sessao_.quadros());
    const bool ha = quadros >= 2 && !sessao_.ocupada();
    for (QWidget* w :
         {static_cast<QWidget*>(ui.LabReproduzirButton), static_cast<QWidget*>(ui.LabReprisaSlider),
          static_cast<QWidget*>(ui.LabReprisaLabel)})
        w->setVisible(ha);
    if (!ha) return;
    const QSignalBlocker bloqueio(ui.LabReprisaSlider);
    ui.LabReprisaSlider->setRange(0, quadros - 1);
    ui.LabReprisaSlider->setValue(quadros - 1);
    escreveEpocaDaReprisa(quadros - 1);
    reproducao_.setInterval(std::clamp(10000 / quadros, 50, 400));
}

void TFormLaboratorio::mostraQuadro(int i) {
    UMensagens::protege(this, [&] {
        const auto quadros = static_cast<int>(sessao_.quadros());
        if (i < 0 || i >= quadros || sessao_.ocupada()) return;
        const auto q = static_cast<std::size_t>(i);
        // The last frame is the map itself, with everything measured.
        mostraMapa(i == quadros - 1 ? sessao_.mapa() : sessao_.quadro(q));
        escreveEpocaDaReprisa(i);
    });
}

void TFormLaboratorio::escreveEpocaDaReprisa(int i) {
    const std::size_t ultimo = sessao_.quadros() - 1;
    ui.LabReprisaLabel->setText(QStringLiteral("Época %1 de %2")
                                    .arg(sessao_.epocaDoQuadro(static_cast<std::size_t>(i)))
                                    .arg(sessao_.epocaDoQuadro(ultimo)));
}

void TFormLaboratorio::LabReproduzirButtonClick() {
    if (reproducao_.isActive()) {
        reproducao_.stop();
        ui.LabReproduzirButton->setText(QStringLiteral("▶ Reproduzir"));
        return;
    }
    if (sessao_.quadros() < 2) return;
    if (ui.LabReprisaSlider->value() >= ui.LabReprisaSlider->maximum())
        ui.LabReprisaSlider->setValue(0);
    ui.LabReproduzirButton->setText(QStringLiteral("⏸ Pausar"));
    reproducao_.start();
}

void TFormLaboratorio::escolheVista(const QString& nome) {
    if (const int i = ui.LabVistaSeletor->findText(nome); i >= 0)
        ui.LabVistaSeletor->setCurrentIndex(i);
}

void TFormLaboratorio::mostraPedido(const TPedidoDemonstracao& pedido) {
    const int i = ui.LabDemoCombo->findData(static_cast<int>(pedido.tipo));
    if (i >= 0) ui.LabDemoCombo->setCurrentIndex(i);
    const TInfoDemonstracao& info = infoDemonstracao(pedido.tipo);
    ui.LabDemoPadroesSpin->setValue(
        static_cast<int>(pedido.padroes < 0 ? info.padroes : pedido.padroes));
    if (info.dimensao > 0)
        ui.LabDemoDimensaoSpin->setValue(
            static_cast<int>(pedido.dimensao < 0 ? info.dimensao : pedido.dimensao));
}

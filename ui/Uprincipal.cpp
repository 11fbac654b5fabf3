#include "Uprincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFocusEvent>
#include <QHeaderView>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <algorithm>
#include <array>
#include <atomic>
#include <exception>
#include <limits>
#include <mutex>
#include <optional>

#include "UAcompanhamento.h"
#include "UAnalise.h"
#include "UArquivoPadroes.h"
#include "UArquivoRede.h"
#include "UDialogos.h"
#include "UErros.h"
#include "UFormExplorador.h"
#include "UFormInformacoes.h"
#include "UFormTreinando.h"
#include "UPasso.h"
#include "UFormSobre.h"
#include "UImagens.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UManual.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "USpinEdit.h"
#include "UTextos.h"
#include "UTrabalho.h"

TFormMain* FormMain = nullptr;

std::optional<std::uint32_t> sementeDoTexto(const QString& texto) {
    bool ok = false;
    const qulonglong valor = texto.trimmed().toULongLong(&ok, 10);
    if (!ok || valor > 0xFFFFFFFFull || texto.trimmed().startsWith(u'+')) return std::nullopt;
    return static_cast<std::uint32_t>(valor);
}

namespace {

std::int32_t inteiroDe(const QString& texto) { return textoParaInteiro(bytesUtf8(texto)); }

// The decimal symbol of the user's regional settings, "." when it is not a single character.
char separadorRegional() {
    const QString ponto = QLocale::system().decimalPoint();
    return ponto.size() == 1 && ponto.at(0).unicode() < 128 ? static_cast<char>(ponto.at(0).unicode()) : '.';
}

// Red text on the two command buttons of the training page, grey when disabled.
void pintaDeVermelho(QWidget& botao) {
    QPalette p = botao.palette();
    p.setColor(QPalette::Active, QPalette::ButtonText, Qt::red);
    p.setColor(QPalette::Inactive, QPalette::ButtonText, Qt::red);
    botao.setPalette(p);
}

// The status line of a training running on a worker thread: the worker hands over each cycle's
// values, the window shows the line of the latest one when it next looks.
class TStatusTreino {
public:
    TRede::FuncaoStatus funcao() {
        return [this](double taxa, std::int32_t ciclo, std::int32_t raio) {
            const std::lock_guard<std::mutex> trava(mutex_);
            ultimo_ = {taxa, ciclo, raio};
            ++versao_;
        };
    }
    // The line of the last completed cycle, when it is not the one last asked for.
    std::optional<QString> novaLinha() {
        const std::lock_guard<std::mutex> trava(mutex_);
        if (versao_ == vista_) return std::nullopt;
        vista_ = versao_;
        return linha(ultimo_);
    }
    std::optional<QString> ultimaLinha() {
        const std::lock_guard<std::mutex> trava(mutex_);
        if (versao_ == 0) return std::nullopt;
        return linha(ultimo_);
    }

private:
    struct TValores {
        double taxa;
        std::int32_t ciclo, raio;
    };
    static QString linha(const TValores& v) {
        return QString::fromStdString(textoStatusCiclo(v.taxa, v.ciclo, v.raio));
    }
    std::mutex mutex_;
    TValores ultimo_{};
    std::uint64_t versao_ = 0, vista_ = 0;
};

// Progress over `total` items of which `feitos` are done (unknown when there is no total).
TAndamento andamento(const QString& fase, std::int64_t feitos, std::int64_t total) {
    TAndamento a;
    a.fase = fase;
    if (total > 0) a.fracao = static_cast<double>(feitos) / static_cast<double>(total);
    return a;
}

// Progress over the cycles and, within the running one, over its patterns.
TAndamento andamentoDosCiclos(const QString& fase, std::int64_t ciclosFeitos, std::int64_t padroesFeitos,
                              std::int64_t padroes, std::int64_t ciclos) {
    TAndamento a;
    a.fase = fase;
    if (ciclos <= 0) return a;
    const std::int64_t feitos = std::min(ciclosFeitos, ciclos);
    const double dentro = padroes > 0 ? static_cast<double>(padroesFeitos) / static_cast<double>(padroes) : 0.0;
    a.fracao = (static_cast<double>(feitos) + dentro) / static_cast<double>(ciclos);
    a.ciclo = QStringLiteral("Ciclo %1 de %2").arg(std::min(feitos + 1, ciclos)).arg(ciclos);
    return a;
}

// Whether measuring the errors of n neurons on these patterns costs only a moment (about a
// tenth of a second at most): after a stop the window measures only then, so that "Parar" is not
// followed by a wait.
bool medidaRapida(std::size_t padroes, std::int32_t neuronios, std::int32_t dimensao) {
    constexpr double kTermos = 5e7;
    return static_cast<double>(padroes) * neuronios * std::max(dimensao, 1) <= kTermos;
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

    OpenDialogPadroesTreinamento = criaDialogo("OpenDialogPadroesTreinamento", false);
    SaveDialog = criaDialogo("SaveDialog", true);
    OpenDialogTreinamento = criaDialogo("OpenDialogTreinamento", false);
    OpenDialogPadroesClassificacao = criaDialogo("OpenDialogPadroesClassificacao", false);

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
        if (pagina == 0) TreinamentoTabsheetShow();
        else ClassificacaoTabSheetShow();
    });
    connect(ui.LinhaNeuronioSpinEdit, &TSpinEdit::textChanged, this,
            &TFormMain::LinhaNeuronioSpinEditChange);
    connect(ui.ColunaNeuronioSpinEdit, &TSpinEdit::textChanged, this,
            &TFormMain::ColunaNeuronioSpinEditChange);
    connect(ui.MapaNosGrid, &TGradeMapa::celulaSelecionada, this, &TFormMain::MapaNosGridSelectCell);
    connect(ui.SalvarTreinamentoItemMenu, &QAction::triggered, this,
            &TFormMain::SalvarTreinamentoItemMenuClick);
    connect(ui.CarregarTreinamentoItemMenu, &QAction::triggered, this,
            &TFormMain::CarregarTreinamentoItemMenuClick);
    connect(ui.SairItemMenu, &QAction::triggered, this, &TFormMain::SairItemMenuClick);
    connect(ui.ManualItemMenu, &QAction::triggered, this, &TFormMain::ManualItemMenuClick);
    connect(ui.Sobre, &QAction::triggered, this, &TFormMain::SobreClick);
    for (QWidget* controle : controlesVerificados()) controle->installEventFilter(this);
    // "Exibir", between "Arquivo" and "Ajuda": the windows that show what the map learned.
    ExibirMenu = new QMenu(QStringLiteral("Exibir"), ui.MainMenu);
    ExibirMenu->setObjectName(QStringLiteral("ExibirMenu"));
    ExploradorItemMenu = new QAction(QStringLiteral("Explorador do mapa"), this);
    ExploradorItemMenu->setObjectName(QStringLiteral("ExploradorItemMenu"));
    ExploradorItemMenu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    ExibirMenu->addAction(ExploradorItemMenu);
    SementeItemMenu = new QAction(QStringLiteral("Semente aleatória…"), this);
    SementeItemMenu->setObjectName(QStringLiteral("SementeItemMenu"));
    ExibirMenu->addAction(SementeItemMenu);
    connect(SementeItemMenu, &QAction::triggered, this, &TFormMain::SementeItemMenuClick);
    // A seed fixed from the start, for a whole class: NORVIKA_SEMENTE=12345.
    sementeFixa_ = sementeDoTexto(qEnvironmentVariable("NORVIKA_SEMENTE"));
    ui.MainMenu->insertMenu(ui.AjudaItemMenu->menuAction(), ExibirMenu);
    connect(ExploradorItemMenu, &QAction::triggered, this, &TFormMain::ExploradorItemMenuClick);

    // The wheel changes the neighbourhood only while the list has the focus.
    ui.TipoVizinhancaComboBox->setFocusPolicy(Qt::StrongFocus);
    ui.TipoVizinhancaComboBox->installEventFilter(this);
}

std::array<QWidget*, 6> TFormMain::controlesVerificados() const {
    return {ui.ValorInicialTextBox,   ui.LinhaNeuronioSpinEdit, ui.ColunaNeuronioSpinEdit,
            ui.RaioSpinEdit,          ui.EvolucaoSpinEdit,      ui.QtdCiclosSpinEdit};
}

void TFormMain::concluiEdicaoPendente() {
    QWidget* pendente = std::exchange(edicaoPendente_, nullptr);
    if (pendente == nullptr) return;
    // A command given while the focus is still in the control (from a menu or a shortcut) does not
    // leave it: nothing to check yet.
    if (isActiveWindow() && focusWidget() == pendente) {
        edicaoPendente_ = pendente;
        return;
    }
    if (pendente == ui.ValorInicialTextBox) ValorInicialTextBoxExit();
    else if (auto* spin = qobject_cast<TSpinEdit*>(pendente)) spin->concluiEdicao();
}

TFormMain::~TFormMain() {
    if (FormMain == this) FormMain = nullptr;
}

// ---------------------------------------------------------------------------------------------
// The map explorer

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

std::optional<TFormMain::TExtras> TFormMain::extrasDosPadroes(const TPadroes& padroes,
                                                               std::int32_t dimensao,
                                                               TControle* controle) {
    std::optional<TRotulosDosPadroes> rotulos = rotulosDosPadroes(padroes, controle);
    if (!rotulos) return std::nullopt;
    TExtras x;
    x.rotulos = std::move(rotulos->legenda);
    x.rotuloDoPadrao = std::move(rotulos->indice);
    x.legenda.reserve(static_cast<qsizetype>(x.rotulos.size()));
    for (std::size_t i = 0; i < x.rotulos.size(); ++i) {
        x.legenda << textoDeBytes(x.rotulos[i]);
        x.indiceDoRotulo.emplace(x.rotulos[i], static_cast<int>(i));
    }
    std::vector<const double*> pontos;
    for (const TVistaPadrao p : padroes)
        if (p.getQtdValores() == dimensao) pontos.push_back(p.dados());
    x.projecao = projecaoPrincipal(pontos, dimensao);
    // Up to 5000 points are drawn, evenly spread over the file.
    const std::size_t passo = std::max<std::size_t>(1, (padroes.size() + 4999) / 5000);
    for (std::size_t i = 0; i < padroes.size(); i += passo) {
        if (padroes[i].getQtdValores() != dimensao) continue;
        double a = 0, b = 0;
        x.projecao.projeta(padroes[i].dados(), a, b);
        x.pontos.emplace_back(a, b);
        x.rotuloDoPonto.push_back(x.rotuloDoPadrao[i]);
    }
    return x;
}

std::shared_ptr<TDadosMapa> TFormMain::dadosDoMapa(const TRede& rede, const TExtras& extras,
                                                   const std::vector<double>* pesos,
                                                   const std::vector<std::int32_t>* vencedores) const {
    auto d = std::make_shared<TDadosMapa>();
    d->linhas = rede.linhasMapa();
    d->colunas = rede.colunasMapa();
    d->dimensao = rede.dimensao;
    const std::int32_t n = d->neuronios();
    d->pesos = pesos != nullptr ? *pesos : rede.pesosDoMapa();
    if (static_cast<std::int64_t>(d->pesos.size()) != std::int64_t{n} * std::max(d->dimensao, 0)) return std::make_shared<TDadosMapa>();
    if (vencedores != nullptr && extras.rotuloDoPadrao.size() == rede.entradas.size()) {
        // An instant of a training: the counts and labels of that cycle's winners, counted by
        // each pattern's place in the legend.
        d->contagens.assign(static_cast<std::size_t>(n), 0);
        std::vector<std::vector<std::pair<std::int32_t, std::int32_t>>> vistos(static_cast<std::size_t>(n));
        std::vector<std::unordered_map<std::int32_t, std::size_t>> onde(static_cast<std::size_t>(n));
        for (std::size_t p = 0; p < vencedores->size() && p < rede.entradas.size(); ++p) {
            const auto v = static_cast<std::size_t>((*vencedores)[p]);
            if (v >= vistos.size()) continue;
            ++d->contagens[v];
            const std::int32_t r = extras.rotuloDoPadrao[p];
            const auto [it, novo] = onde[v].try_emplace(r, vistos[v].size());
            if (novo) vistos[v].emplace_back(r, 1);
            else ++vistos[v][it->second].second;
        }
        for (auto& lista : vistos) {
            std::vector<TContagemRotulo> c;
            for (const auto& [r, vezes] : lista) c.push_back({extras.rotulos[static_cast<std::size_t>(r)], vezes});
            std::stable_sort(c.begin(), c.end(), [](const TContagemRotulo& a, const TContagemRotulo& b) { return a.vezes > b.vezes; });
            d->rotulos.push_back(std::move(c));
        }
    } else {
        for (std::int32_t a = 0; a < n; ++a) {
            const TNeuronio& neuronio = rede.neuronio(a / d->colunas, a % d->colunas);
            d->contagens.push_back(neuronio.getAglutinados());
            d->rotulos.push_back(contaRotulos(neuronio));
        }
    }
    for (const auto& r : d->rotulos) {
        const auto it = r.empty() ? extras.indiceDoRotulo.end() : extras.indiceDoRotulo.find(r.front().rotulo);
        d->majoritario.push_back(it == extras.indiceDoRotulo.end() ? -1 : it->second);
    }
    d->matriz = rede.matrizDistancias;
    d->u = matrizU(d->pesos, n, d->dimensao, d->matriz);
    d->nomes = extras.nomes;
    d->legenda = extras.legenda;
    d->projecao = extras.projecao;
    d->pontos = extras.pontos;
    d->rotuloDoPonto = extras.rotuloDoPonto;
    d->curva = extras.curva;
    d->temErros = extras.temErros;
    d->erros = extras.erros;
    d->semente = extras.semente;
    // A map without patterns (a load) is drawn on the principal axes of its own weights.
    if (d->projecao.media.size() != static_cast<std::size_t>(std::max(d->dimensao, 0))) {
        std::vector<const double*> ws;
        for (std::int32_t a = 0; a < n; ++a) ws.push_back(d->pesos.data() + static_cast<std::size_t>(a) * static_cast<std::size_t>(d->dimensao));
        d->projecao = projecaoPrincipal(ws, d->dimensao);
    }
    return d;
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
        [](const TControle&) { return andamento(QStringLiteral("Lendo o cabeçalho do arquivo de padrões"), 0, -1); });
    return cabecalho;
}

void TFormMain::SementeItemMenuClick() {
    protege([&] {
        QDialog dialogo(this);
        dialogo.setObjectName(QStringLiteral("FormSemente"));
        dialogo.setWindowTitle(QStringLiteral("Semente aleatória"));
        auto* relogio = new QRadioButton(QStringLiteral("Do relógio: pesos iniciais diferentes a cada treinamento"), &dialogo);
        relogio->setObjectName(QStringLiteral("SementeRelogioRadio"));
        auto* fixa = new QRadioButton(QStringLiteral("Fixa (0 a 4294967295):"), &dialogo);
        fixa->setObjectName(QStringLiteral("SementeFixaRadio"));
        auto* numero = new QLineEdit(&dialogo);
        numero->setObjectName(QStringLiteral("SementeEdit"));
        numero->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), numero));
        auto* explica = new QLabel(QStringLiteral("Com a semente fixa, dois treinamentos com as mesmas configurações e o mesmo "
                                                  "arquivo dão o mesmo mapa: a turma toda pode obter o mesmo resultado."),
                                   &dialogo);
        explica->setWordWrap(true);
        auto* botoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
        auto* layout = new QVBoxLayout(&dialogo);
        auto* linhaFixa = new QHBoxLayout;
        linhaFixa->addWidget(fixa);
        linhaFixa->addWidget(numero);
        layout->addWidget(relogio);
        layout->addLayout(linhaFixa);
        layout->addWidget(explica);
        layout->addWidget(botoes);
        (sementeFixa_ ? fixa : relogio)->setChecked(true);
        if (sementeFixa_) numero->setText(QString::number(*sementeFixa_));
        numero->setEnabled(fixa->isChecked());
        connect(fixa, &QRadioButton::toggled, numero, &QLineEdit::setEnabled);
        connect(botoes, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
        connect(botoes, &QDialogButtonBox::accepted, &dialogo, [&] {
            if (fixa->isChecked() && !sementeDoTexto(numero->text())) {
                mensagem(QStringLiteral("A semente deve ser um número inteiro de 0 a 4294967295."));
                return;
            }
            dialogo.accept();
        });
        if (UDialogos::executa(dialogo) != QDialog::Accepted) return;
        sementeFixa_ = fixa->isChecked() ? sementeDoTexto(numero->text()) : std::nullopt;
    });
}

bool TFormMain::treinaPassoAPasso(bool porCiclos, std::int32_t ultimo, const TRede::FuncaoStatus& status,
                                  const std::function<void()>& aposPasso, TExtras& extras) {
    TTreinoPasso passo(rede_, porCiclos, ultimo, status);
    const std::int32_t n = rede_.linhasMapa() * rede_.colunasMapa();
    const std::int64_t padroes = static_cast<std::int64_t>(rede_.entradas.size());
    const std::int32_t pontos = pontosDaCurva(passo.ciclos(), padroes, n, rede_.dimensao);
    extras.curva.clear();
    std::optional<TDadosMapa::TPassoAtual> atual;
    QElapsedTimer desdeTela;
    desdeTela.start();

    TFormTreinando dialogo(this, QStringLiteral("Treinando"));
    dialogo.modoPassoAPasso();
    QEventLoop laco;
    QTimer animacao;
    bool parar = false;

    auto umPadrao = [&] {
        const std::int64_t ciclo = passo.ciclo();
        const TTreinoPasso::TPasso feito = passo.proximoPadrao();
        if (feito.vencedor >= 0) {
            TDadosMapa::TPassoAtual s;
            s.ciclo = feito.ciclo;
            s.ciclos = passo.ciclos();
            s.padrao = feito.padrao;
            s.padroes = padroes;
            s.vencedor = feito.vencedor;
            s.raio = feito.raio;
            s.taxa = feito.taxa;
            const TVistaPadrao p = rede_.entradas[static_cast<std::size_t>(feito.padrao)];
            s.valores.assign(p.dados(), p.dados() + p.getQtdValores());
            s.rotulo = p.getRotulo();
            s.antes = feito.antes;
            s.depois = feito.depois;
            atual = std::move(s);
        }
        // The error curve at the end of the cycles it records, on the map as it stands.
        if (passo.ciclo() != ciclo && cicloDaCurva(ciclo + 1, passo.ciclos(), pontos))
            extras.curva.push_back({ciclo + 1, medeErros(rede_.pesosDoMapa(), n, rede_.dimensao, rede_.entradas,
                                                          rede_.matrizDistancias)});
        aposPasso();
    };
    auto mostra = [&](bool sempre) {
        QString linha;
        if (atual) {
            linha = QStringLiteral("Ciclo %1 de %2, padrão %3 de %4 (%5)")
                        .arg(atual->ciclo + 1).arg(atual->ciclos).arg(atual->padrao + 1).arg(padroes)
                        .arg(atual->rotulo.empty() ? QStringLiteral("sem rótulo") : textoDeBytes(atual->rotulo));
        } else {
            linha = QStringLiteral("Ciclo 1 de %1, nenhum padrão apresentado ainda").arg(passo.ciclos());
        }
        linha += QStringLiteral("; taxa de aprendizagem %1, raio %2")
                     .arg(QString::fromStdString(realParaTexto(atual ? atual->taxa : rede_.taxaAprendizado)))
                     .arg(atual ? atual->raio : rede_.raio);
        dialogo.ui.PassoLabel->setText(linha);
        dialogo.mostra(andamentoDosCiclos(QStringLiteral("Treinando o mapa passo a passo"), passo.ciclo(),
                                          passo.padrao(), padroes, passo.ciclos()));
        // The explorer follows every step, and at most ten times a second when animated fast.
        if (explorador_ && explorador_->isVisible() && (sempre || desdeTela.elapsed() >= 100)) {
            auto dados = dadosDoMapa(rede_, extras);
            dados->passo = atual;
            if (!dados->passo) dados->passo = TDadosMapa::TPassoAtual{0, passo.ciclos(), 0, padroes, -1, rede_.raio, rede_.taxaAprendizado, {}, {}, {}, {}};
            explorador_->mostra(dados);
            desdeTela.restart();
        }
    };
    auto verificaFim = [&] {
        if (passo.terminado() || parar) laco.quit();
    };
    auto alternaAnimacao = [&](bool anima) {
        dialogo.ui.ContinuarButton->setText(anima ? QStringLiteral("Pausar") : QStringLiteral("Continuar"));
        dialogo.ui.ProximoPadraoButton->setEnabled(!anima);
        dialogo.ui.ProximoCicloButton->setEnabled(!anima);
        if (anima) animacao.start(0);
        else animacao.stop();
    };
    QElapsedTimer relogioAnimacao;
    double devidos = 0.0;
    connect(&animacao, &QTimer::timeout, &dialogo, [&] {
        const double ritmo = dialogo.padroesPorSegundo();
        QElapsedTimer fatia;
        fatia.start();
        if (ritmo <= 0.0) {
            // As fast as the machine goes, in slices short enough to keep the windows alive.
            while (!passo.terminado() && fatia.elapsed() < 30) umPadrao();
        } else {
            // The patterns owed at this pace since the last one.
            if (!relogioAnimacao.isValid()) relogioAnimacao.start();
            devidos += ritmo * static_cast<double>(relogioAnimacao.restart()) / 1000.0;
            while (devidos >= 1.0 && !passo.terminado() && fatia.elapsed() < 30) {
                umPadrao();
                devidos -= 1.0;
            }
            devidos = std::min(devidos, 1.0);
            animacao.setInterval(static_cast<int>(std::clamp(1000.0 / ritmo, 1.0, 50.0)));
        }
        mostra(ritmo > 0.0 && ritmo <= 20.0);
        verificaFim();
    });
    connect(dialogo.ui.ProximoPadraoButton, &QPushButton::clicked, &dialogo, [&] {
        umPadrao();
        mostra(true);
        verificaFim();
    });
    connect(dialogo.ui.ProximoCicloButton, &QPushButton::clicked, &dialogo, [&] {
        const std::int64_t ciclo = passo.ciclo();
        while (!passo.terminado() && passo.ciclo() == ciclo) umPadrao();
        mostra(true);
        verificaFim();
    });
    connect(dialogo.ui.ContinuarButton, &QPushButton::clicked, &dialogo, [&] {
        relogioAnimacao.invalidate();
        devidos = 1.0;
        alternaAnimacao(!animacao.isActive());
    });
    connect(&dialogo, &TFormTreinando::paradaPedida, &dialogo, [&] {
        parar = true;
        animacao.stop();
        laco.quit();
    });
    dialogo.show();
    mostra(true);
    if (!passo.terminado()) laco.exec();
    animacao.stop();
    dialogo.hide();
    return passo.terminado();
}

void TFormMain::atualizaExplorador() {
    if (!explorador_) return;
    // Only a trained (or loaded) map is shown; the untrained window shows the hint.
    if (!ui.LimparButton->isEnabled() || !rede_.existeMapa()) {
        explorador_->mostra(std::make_shared<TDadosMapa>());
        return;
    }
    explorador_->mostra(dadosDoMapa(rede_, extras_));
}

TManual* TFormMain::manual() const { return manual_.data(); }

void TFormMain::defineJanelas(TFormInformacoes* informacoes, TFormSobre* sobre) {
    informacoes_ = informacoes;
    sobre_ = sobre;
}

QFileDialog* TFormMain::criaDialogo(const char* nome, bool salvar) {
    auto* d = new QFileDialog(this);
    d->setObjectName(QString::fromLatin1(nome));
    // Qt's own dialog, the same on every desktop, with the program's settings.
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setOption(QFileDialog::ReadOnly, false);
    d->setFileMode(QFileDialog::AnyFile);
    d->setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setOption(QFileDialog::DontConfirmOverwrite, true);  // saving replaces without asking
    d->setSizeGripEnabled(true);
    if (salvar) {
        d->setDefaultSuffix(QStringLiteral("cfg"));
        d->setNameFilter(QStringLiteral("(*.cfg)"));
    }
    return d;
}

void TFormMain::protege(const std::function<void()>& comando) {
    try {
        comando();
    } catch (const std::bad_alloc&) {
        UMensagens::mostraFalha(this, QStringLiteral("Memória insuficiente para concluir a operação"));
    } catch (const std::exception& e) {
        UMensagens::mostraFalha(this, textoDeBytes(e.what()));
    } catch (...) {
        UMensagens::mostraFalha(this, QStringLiteral("Falha inesperada"));
    }
}

void TFormMain::mensagem(const QString& texto) { UMensagens::mostraMensagem(this, texto); }

void TFormMain::escreveStatus(const QString& texto) { ui.StatusBar->setText(texto); }

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
    // A control with a check on leaving it has that check pending from the moment it takes the
    // focus until the focus moves to another control; a command runs a pending check first, for
    // the focus can move without telling (a file dialog that closed while its completer showed
    // leaves no active window, and then Qt sends no focus events at all).
    if (e->type() == QEvent::FocusIn) {
        for (QWidget* controle : controlesVerificados())
            if (objeto == controle) edicaoPendente_ = controle;
    }
    if (e->type() == QEvent::FocusOut && focoSaiParaOutroControle(*static_cast<QFocusEvent*>(e))) {
        if (objeto == edicaoPendente_) edicaoPendente_ = nullptr;
        if (objeto == ui.ValorInicialTextBox && isVisible()) ValorInicialTextBoxExit();
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

// ---------------------------------------------------------------------------------------------
// Activation and the map grid

void TFormMain::FormActivate() {
    protege([&] {
        ui.MapaNosGrid->horizontalHeader()->setDefaultSectionSize(30);
        LinhaNeuronioSpinEditChange();
        gerador_.defineSemente(UDialogos::sementeDoRelogio());
        defineSeparadorDecimal(',');
    });
}

int TFormMain::limiteLinhasGrade() const {
    return std::max({ui.LinhaNeuronioSpinEdit->maximum(), linhasMapaRecente_, rede_.linhasMapa()});
}

int TFormMain::limiteColunasGrade() const {
    return std::max({ui.ColunaNeuronioSpinEdit->maximum(), colunasMapaRecente_, rede_.colunasMapa()});
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

void TFormMain::constroiMapa() {
    TGradeMapa& grade = *ui.MapaNosGrid;
    grade.horizontalHeader()->setDefaultSectionSize(30);
    QStringList colunas, linhas;
    for (int k = 1; k <= grade.columnCount(); ++k) colunas << QString::number(k);
    for (int r = 1; r <= grade.rowCount(); ++r) linhas << QString::number(r);
    grade.setHorizontalHeaderLabels(colunas);
    grade.setVerticalHeaderLabels(linhas);
}

void TFormMain::preencheMapa() {
    TGradeMapa& grade = *ui.MapaNosGrid;
    // Every neuron has its cell, also when the map is larger than the size boxes allow.
    if (grade.rowCount() < rede_.linhasMapa() || grade.columnCount() < rede_.colunasMapa()) {
        grade.defineTamanho(std::max(grade.rowCount(), rede_.linhasMapa()),
                            std::max(grade.columnCount(), rede_.colunasMapa()));
        constroiMapa();
    }
    for (std::int32_t i = 0; i < rede_.linhasMapa(); ++i)
        for (std::int32_t j = 0; j < rede_.colunasMapa(); ++j) {
            const std::int32_t n = rede_.neuronio(i, j).getAglutinados();
            grade.escreveCelula(i, j, n != 0 ? QString::number(n) : QStringLiteral(" "));
        }
}

void TFormMain::limpaCelulasDoMapa(const QString& texto) {
    TGradeMapa& grade = *ui.MapaNosGrid;
    const int linhas = std::min(rede_.linhasMapa(), grade.rowCount());
    const int colunas = std::min(rede_.colunasMapa(), grade.columnCount());
    for (int i = 0; i < linhas; ++i)
        for (int j = 0; j < colunas; ++j) grade.escreveCelula(i, j, texto);
}

void TFormMain::limpaPaginas() {
    limpaCelulasDoMapa(QStringLiteral(" "));
    rede_.zeraAglutinados();
}

// ---------------------------------------------------------------------------------------------
// Settings

bool TFormMain::getConfiguracao() {
    // A rate that does not convert, or does not fit a double, is refused and reset.
    bool taxaValida = true;
    try {
        rede_.taxaAprendizado = textoParaDouble(bytesUtf8(ui.ValorInicialTextBox->text()));
    } catch (const EConversao&) {
        taxaValida = false;
    } catch (const EEstouroReal&) {
        taxaValida = false;
    }
    if (!taxaValida) {
        mensagem(QStringLiteral("A taxa de aprendizagem deve ser especificada em valores reais com virgula. "));
        ui.ValorInicialTextBox->setText(QStringLiteral("0,1"));
        return false;
    }
    rede_.taxaEvolucao = textoParaDouble(bytesUtf8(ui.EvolucaoSpinEdit->text()));

    if (!arquivoExiste(rede_.arquivoPadroes)) {
        mensagem(QStringLiteral("Você deve especificar um arquivo de padrões."));
        return false;
    }
    try {
        // Read on a worker: a header line of gigabytes keeps the window alive and can be stopped.
        const std::optional<TCabecalhoPadroes> lido = leCabecalhoNoTrabalhador(rede_.arquivoPadroes);
        if (!lido) return false;
        const TCabecalhoPadroes& cabecalho = *lido;
        linhaCabecalho_ = cabecalho.linha;
        const std::int32_t d = textoParaInteiro(cabecalho.d);
        if (d != rede_.dimensao && !ui.TreinarButton->isEnabled()) {
            mensagem(QStringLiteral("Estes padrões não podem ser classificados com esta rede!"));
            return false;
        }
        if (d < 0) throw EFormatoArquivo("dimensão negativa");
        const std::int32_t n = textoParaInteiro(cabecalho.n);
        if (n < 0) throw EFormatoArquivo("quantidade negativa");
        rede_.qtdPadroes = n;
        rede_.dimensao = d;
    } catch (const std::exception&) {
        mensagem(QStringLiteral("Formato inválido do arquivo de padrões."));
        return false;
    }

    rede_.qtdLinhas = inteiroDe(ui.LinhaNeuronioSpinEdit->text());
    rede_.qtdColunas = inteiroDe(ui.ColunaNeuronioSpinEdit->text());
    rede_.raio = inteiroDe(ui.RaioSpinEdit->text());
    // The radius is clamped to the larger side of the map (the rows when both are equal).
    if (rede_.raio > rede_.qtdLinhas && rede_.raio > rede_.qtdColunas) {
        rede_.raio = std::max(rede_.qtdLinhas, rede_.qtdColunas);
        mensagem(QStringLiteral("O Raio foi ajustado para o tamanho máximo permitido pela topologia da rede."));
        ui.RaioSpinEdit->setText(QString::number(rede_.raio));
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Training and the two states

void TFormMain::TreinarButtonClick() {
    protege([&] {
        concluiEdicaoPendente();
        rede_.arquivoPadroes = caminhoEmBytes(ui.TreinamentoArqTextBox->text());
        if (!getConfiguracao()) return;

        // What the work needs from the controls is read here; the cycle count is converted now,
        // but a failure of it is reported where the training would have begun.
        const std::string vizinhanca = bytesUtf8(ui.TipoVizinhancaComboBox->currentText());
        const bool porCiclos = ui.QtdCiclosRadioButton->isChecked();
        std::int32_t ultimo = 0;
        std::exception_ptr falhaCiclos;
        try {
            const std::int64_t u = porCiclos ? std::int64_t{inteiroDe(ui.QtdCiclosSpinEdit->text())} - 1
                                             : std::int64_t{inteiroDe(ui.RaioSpinEdit->text())};
            ultimo = static_cast<std::int32_t>(std::clamp<std::int64_t>(
                u, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
        } catch (const std::exception&) {
            falhaCiclos = std::current_exception();
        }
        const std::int64_t ciclos = std::max<std::int64_t>(std::int64_t{ultimo} + 1, 0);

        // The new network is built aside, so that the window never reads one that a worker is
        // changing, and a read the user stops leaves everything as it was.
        TRede nova = rede_.semMapa();
        const std::int32_t padroes = nova.qtdPadroes;
        // A fixed seed starts every training's draws afresh; otherwise they go on from the clock's.
        TGeradorAleatorio gerador = sementeFixa_ ? TGeradorAleatorio(*sementeFixa_) : gerador_;
        const std::uint32_t semente = gerador.semente();
        const bool passoAPasso = explorador_ && explorador_->ui.PassoAPassoCheckBox->isChecked();
        enum class Fase { mapa, leitura, rotulos, treino, medida };
        std::atomic<Fase> fase{Fase::mapa};
        bool mapaPronto = false, leituraParada = false, lido = false, treinou = false, completo = false;
        TStatusTreino status;
        // The explorer's record of this training: the error curve, and live pictures of the map.
        TAcompanhamento acompanhamento;
        TExtras extras;
        QElapsedTimer desdeAoVivo;
        desdeAoVivo.start();
        std::exception_ptr falha;
        try {
            UTrabalho::executa(*this, QStringLiteral("Treinando"), [&](TControle& controle) {
                nova.inicializaNeuronios(gerador, vizinhanca);
                mapaPronto = true;
                fase = Fase::leitura;
                leituraParada = !inicializaEntradas(nova.arquivoPadroes, nova.qtdPadroes,
                                                    nova.dimensao, nova.entradas, &controle);
                if (leituraParada || falhaCiclos) return;
                fase = Fase::rotulos;
                // A stop while the labels are gathered is a stop of the reading.
                std::optional<TExtras> dosPadroes = extrasDosPadroes(nova.entradas, nova.dimensao, &controle);
                if (!dosPadroes) {
                    leituraParada = true;
                    return;
                }
                extras = std::move(*dosPadroes);
                extras.nomes = nomesDosAtributos(linhaCabecalho_, nova.dimensao);
                extras.semente = semente;
                lido = true;
                // Step by step, the training runs from the dialog, here on this thread.
                if (passoAPasso) return;
                acompanhamento.liga(controle, nova, ciclos);
                controle.anotaCiclo(0);
                fase = Fase::treino;
                completo = nova.ativaRede(porCiclos, ultimo, status.funcao(), &controle);
                treinou = true;
                // The errors of the map as it ends: the curve's last point when the training ran
                // to its end; otherwise measured here, and after a stop only when that is quick.
                extras.curva = acompanhamento.curva();
                if (completo && !extras.curva.empty() && extras.curva.back().ciclo == ciclos) {
                    extras.temErros = true;
                    extras.erros = extras.curva.back().erros;
                    return;
                }
                const std::int32_t n = nova.linhasMapa() * nova.colunasMapa();
                const bool parado = controle.parar.load();
                if (parado && !medidaRapida(nova.entradas.size(), n, nova.dimensao)) return;
                fase = Fase::medida;
                const std::optional<TErros> erros = medeErros(nova.pesosDoMapa(), n, nova.dimensao, nova.entradas,
                                                              nova.matrizDistancias, parado ? nullptr : &controle);
                extras.temErros = erros.has_value();
                if (erros) extras.erros = *erros;
            },
            [&](const TControle& controle) {
                if (const auto linha = status.novaLinha()) escreveStatus(*linha);
                if (fase == Fase::medida || (fase == Fase::treino && acompanhamento.medindo()))
                    return andamento(QStringLiteral("Medindo os erros do mapa"), 0, -1);
                if (fase == Fase::rotulos)
                    return andamento(QStringLiteral("Reunindo os rótulos dos padrões"), 0, -1);
                if (fase != Fase::treino)
                    return andamento(QStringLiteral("Lendo o arquivo de padrões"), controle.padroes.load(),
                                     fase == Fase::leitura ? padroes : -1);
                // The explorer follows the training at most ten times a second.
                if (explorador_ && explorador_->isVisible()) {
                    TAcompanhamento::TMapaAoVivo mapa;
                    if (acompanhamento.tomaInstantaneo(mapa)) {
                        TExtras aoVivo = extras;
                        aoVivo.curva = acompanhamento.curva();
                        explorador_->mostra(dadosDoMapa(nova, aoVivo, &mapa.pesos, &mapa.vencedores));
                    }
                    if (desdeAoVivo.elapsed() >= 100) {
                        acompanhamento.pedeInstantaneo();
                        desdeAoVivo.restart();
                    }
                }
                return andamentoDosCiclos(QStringLiteral("Treinando o mapa"), controle.ciclos.load(),
                                          controle.padroes.load(), padroes, ciclos);
            });
        } catch (...) {
            falha = std::current_exception();
        }
        // A read that was stopped keeps nothing. A failed read keeps its map and the patterns
        // read before the failure, and so does a cycle count that does not convert.
        if (mapaPronto && !leituraParada) {
            gerador_ = gerador;
            rede_ = std::move(nova);
            linhasMapaRecente_ = rede_.linhasMapa();
            colunasMapaRecente_ = rede_.colunasMapa();
        }
        if (falha) std::rethrow_exception(falha);
        if (falhaCiclos && !leituraParada) std::rethrow_exception(falhaCiclos);
        if (passoAPasso && lido) {
            completo = treinaPassoAPasso(porCiclos, ultimo, status.funcao(), [&] {
                if (const auto linha = status.novaLinha()) escreveStatus(*linha);
            }, extras);
            treinou = true;
            // Stepping measures the map on this thread, as it trains it here.
            extras.temErros = true;
            if (completo && !extras.curva.empty() && extras.curva.back().ciclo == ciclos)
                extras.erros = extras.curva.back().erros;
            else
                extras.erros = medeErros(rede_.pesosDoMapa(), rede_.linhasMapa() * rede_.colunasMapa(),
                                         rede_.dimensao, rede_.entradas, rede_.matrizDistancias);
        }
        if (!treinou) return;

        const std::optional<QString> linha = status.ultimaLinha();
        if (completo) {
            if (linha) escreveStatus(*linha);
        } else {
            // Stopped: the line of the last cycle completed, marked; alone before the first.
            escreveStatus(linha ? *linha + QStringLiteral("    (interrompido)") : QStringLiteral("(interrompido)"));
        }
        preencheMapa();
        extras_ = std::move(extras);

        ui.TreinarButton->setEnabled(false);
        ui.LimparButton->setEnabled(true);
        ui.LinhaNeuronioSpinEdit->setEnabled(false);
        ui.ColunaNeuronioSpinEdit->setEnabled(false);
        ui.RaioSpinEdit->setEnabled(false);
        ui.SalvarTreinamentoItemMenu->setEnabled(true);
        ui.CarregarTreinamentoItemMenu->setEnabled(false);
        ui.TreinamentoArqBitBtn->setEnabled(false);
        ui.TipoVizinhancaComboBox->setEnabled(false);
        ui.ValorInicialTextBox->setEnabled(false);
        ui.EvolucaoSpinEdit->setEnabled(false);
        ui.QtdCiclosRadioButton->setEnabled(false);
        ui.RaioRadioButton->setEnabled(false);
        ui.QtdCiclosSpinEdit->setEnabled(false);
        rede_.desativaEntradas();
        atualizaExplorador();
    });
}

void TFormMain::LimparButtonClick() {
    protege([&] {
        rede_.desativaNeuronios();
        ui.TreinarButton->setEnabled(true);
        ui.LimparButton->setEnabled(false);
        escreveStatus(QString());
        const int linhas = std::min(inteiroDe(ui.LinhaNeuronioSpinEdit->text()), ui.MapaNosGrid->rowCount());
        const int colunas = std::min(inteiroDe(ui.ColunaNeuronioSpinEdit->text()), ui.MapaNosGrid->columnCount());
        for (int r = 0; r < linhas; ++r)
            for (int k = 0; k < colunas; ++k) ui.MapaNosGrid->escreveCelula(r, k, QString());
        ui.LinhaNeuronioSpinEdit->setEnabled(true);
        ui.ColunaNeuronioSpinEdit->setEnabled(true);
        ui.SalvarTreinamentoItemMenu->setEnabled(false);
        ui.CarregarTreinamentoItemMenu->setEnabled(true);
        ui.TreinamentoArqBitBtn->setEnabled(true);
        ui.RaioSpinEdit->setEnabled(true);
        ui.TipoVizinhancaComboBox->setEnabled(true);
        ui.ValorInicialTextBox->setEnabled(true);
        ui.EvolucaoSpinEdit->setEnabled(true);
        ui.QtdCiclosRadioButton->setEnabled(true);
        ui.RaioRadioButton->setEnabled(true);
        ui.QtdCiclosSpinEdit->setEnabled(true);
        extras_ = TExtras();
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

void TFormMain::QtdCiclosRadioButtonClick() { ui.QtdCiclosSpinEdit->setEnabled(true); }

void TFormMain::RaioRadioButtonClick() { ui.QtdCiclosSpinEdit->setEnabled(false); }

void TFormMain::TreinamentoArqBitBtnClick() {
    protege([&] { ui.TreinamentoArqTextBox->setText(UDialogos::escolhe(*OpenDialogPadroesTreinamento)); });
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
            mensagem(QStringLiteral("Você deve especificar um valor inicial para taxa de aprendizagem entre 0 e 1."));
            ui.ValorInicialTextBox->setText(QStringLiteral("0,1"));
        }
    });
}

void TFormMain::SairItemMenuClick() { close(); }

// ---------------------------------------------------------------------------------------------
// Neuron window and classification

void TFormMain::MapaNosGridSelectCell(int aCol, int aRow) {
    protege([&] {
        if (informacoes_ == nullptr) return;
        informacoes_->limpaValores();
        if (!ui.LimparButton->isEnabled()) return;
        const int i = aRow - 1;
        const int j = aCol - 1;
        if (i < 0 || j < 0 || i >= rede_.linhasMapa() || j >= rede_.colunasMapa()) return;
        informacoes_->mostraNeuronio(aRow, aCol, rede_.neuronio(i, j));
        informacoes_->exec();
    });
}

void TFormMain::ClassificarButtonClick() {
    protege([&] {
        concluiEdicaoPendente();
        rede_.arquivoPadroes = caminhoEmBytes(ui.ClassificacaoArqTextBox->text());
        if (!getConfiguracao()) return;
        if (!arquivoExiste(rede_.arquivoPadroes)) {
            mensagem(QStringLiteral("Você deve especificar um arquivo de padrões para teste!"));
            return;
        }
        // The patterns are read aside; the map's counts change only when every pattern has found
        // its neuron, so that a stopped read, measure or search leaves the map as it was.
        const std::int32_t padroes = rede_.qtdPadroes;
        TPadroes lidas;
        enum class Fase { leitura, medida, busca };
        std::atomic<Fase> fase{Fase::leitura};
        bool completo = false;
        TExtras extras;
        std::exception_ptr falha;
        try {
            UTrabalho::executa(
                *this, QStringLiteral("Classificando"),
                [&](TControle& controle) {
                    if (!inicializaEntradas(rede_.arquivoPadroes, padroes, rede_.dimensao, lidas, &controle))
                        return;
                    fase = Fase::medida;
                    // What the explorer shows of the classified file: its labels, its points and
                    // the map's errors on it.
                    std::optional<TExtras> dosPadroes = extrasDosPadroes(lidas, rede_.dimensao, &controle);
                    if (!dosPadroes) return;
                    extras = std::move(*dosPadroes);
                    extras.nomes = nomesDosAtributos(linhaCabecalho_, rede_.dimensao);
                    const std::optional<TErros> erros =
                        medeErros(rede_.pesosDoMapa(), rede_.linhasMapa() * rede_.colunasMapa(), rede_.dimensao,
                                  lidas, rede_.matrizDistancias, &controle);
                    if (!erros) return;
                    extras.temErros = true;
                    extras.erros = *erros;
                    controle.anotaPadroes(0);
                    fase = Fase::busca;
                    rede_.entradas.swap(lidas);
                    completo = rede_.classificaEntradas(&controle);
                },
                [&](const TControle& controle) {
                    switch (fase.load()) {
                        case Fase::leitura:
                            return andamento(QStringLiteral("Lendo o arquivo de padrões"), controle.padroes.load(), padroes);
                        case Fase::medida:
                            return andamento(QStringLiteral("Medindo os erros do mapa"), 0, -1);
                        case Fase::busca:
                            break;
                    }
                    return andamento(QStringLiteral("Classificando os padrões"), controle.padroes.load(), padroes);
                });
        } catch (...) {
            falha = std::current_exception();
        }
        const bool lendo = fase.load() == Fase::leitura;
        if (falha) {
            // The patterns read before the failure stay until the next read.
            if (lendo) rede_.entradas.swap(lidas);
            std::rethrow_exception(falha);
        }
        if (!completo) {
            rede_.desativaEntradas();
            return;
        }
        // The cells go empty while the nearest neurons are searched, then show the new counts.
        if (!rede_.entradas.empty()) limpaCelulasDoMapa(QString());
        preencheMapa();
        rede_.desativaEntradas();
        extras.curva = std::move(extras_.curva);
        if (extras.nomes.empty()) extras.nomes = std::move(extras_.nomes);
        extras_ = std::move(extras);
        atualizaExplorador();
    });
}

// ---------------------------------------------------------------------------------------------
// The trained-network file

void TFormMain::SalvarTreinamentoItemMenuClick() {
    protege([&] {
        const QString nome = UDialogos::escolhe(*SaveDialog);
        if (nome.isEmpty()) return;
        try {
            salvaRede(caminhoEmBytes(nome), rede_, bytesUtf8(ui.RaioSpinEdit->text()),
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
        concluiEdicaoPendente();
        const QString nome = UDialogos::escolhe(*OpenDialogTreinamento);
        if (!nome.isEmpty()) carregaTreinamento(nome);
    });
}

void TFormMain::abreArquivo(const QString& caminho) {
    protege([&] {
        const QFileInfo arquivo(QDir::cleanPath(QFileInfo(caminho).absoluteFilePath()));
        if (arquivo.suffix().compare(QLatin1String("cfg"), Qt::CaseInsensitive) == 0)
            carregaTreinamento(arquivo.filePath());
        else
            ui.TreinamentoArqTextBox->setText(arquivo.filePath());
    });
}

void TFormMain::carregaTreinamento(const QString& nome) {
    const std::string caminho = caminhoEmBytes(nome);
    if (!arquivoExiste(caminho)) return;

    // The file is read into a network built aside; the window takes what was read in the
    // order the load has always changed it, so that a failure part-way leaves the same state,
    // and a stopped load leaves nothing changed.
    const std::string vizinhancaAtual = bytesUtf8(ui.TipoVizinhancaComboBox->currentText());
    TRede nova = rede_.semMapa();
    TGeradorAleatorio gerador = gerador_;
    TCabecalhoRede cabecalho;
    bool cabecalhoLido = false, grandeDemais = false, mapaPronto = false, completo = false;
    std::atomic<std::int64_t> neuroniosALer{0};  // for the progress, once the map is built
    std::exception_ptr falha;
    try {
        UTrabalho::executa(
            *this, QStringLiteral("Carregando"),
            [&](TControle& controle) {
                TLeitorLinhas leitor(caminho, &controle);
                try {
                    cabecalho = separaCabecalhoRede(leitor.proximoCabecalho(6, 0));
                } catch (const EInterrompido&) {
                    return;
                }
                // A map that could not fit is refused before anything changes.
                if (bytesDoMapa(cabecalho.linhas, cabecalho.colunas, cabecalho.dimensao) > kTetoMapaBytes) {
                    grandeDemais = true;
                    return;
                }
                cabecalhoLido = true;
                nova.qtdLinhas = cabecalho.linhas;
                nova.qtdColunas = cabecalho.colunas;
                nova.raio = cabecalho.raio;
                nova.qtdPadroes = cabecalho.qtdPadroes;
                nova.dimensao = cabecalho.dimensao;
                // The distance matrix follows the neighbourhood chosen before this load.
                nova.inicializaNeuronios(gerador, vizinhancaAtual);
                mapaPronto = true;
                neuroniosALer = std::int64_t{nova.linhasMapa()} * nova.colunasMapa();
                std::int64_t lidos = 0;
                try {
                    for (std::int32_t i = 0; i < nova.linhasMapa(); ++i)
                        for (std::int32_t j = 0; j < nova.colunasMapa(); ++j) {
                            if (controle.passo()) return;
                            lePesosNeuronio(leitor.proximaLinha(), nova.dimensao, nova.neuronio(i, j));
                            controle.anotaPadroes(++lidos);
                        }
                } catch (const EInterrompido&) {
                    return;
                }
                completo = true;
            },
            [&](const TControle& controle) {
                return andamento(QStringLiteral("Lendo o arquivo de treinamento"), controle.padroes.load(),
                                 neuroniosALer.load());
            });
    } catch (...) {
        falha = std::current_exception();
    }
    if (grandeDemais) {
        mensagem(QStringLiteral("O mapa de %1 x %2 neurônios com %3 pesos cada deste arquivo "
                                "não cabe na memória que o programa se permite usar.")
                     .arg(cabecalho.linhas)
                     .arg(cabecalho.colunas)
                     .arg(cabecalho.dimensao));
        return;
    }
    // The work ends complete, failed, refused, or stopped (in its header or its weights).
    const bool parada = !completo && !falha;
    if (parada) return;
    // A load that could not allocate what it read fails as a malformed file does, and keeps
    // nothing of it.
    if (falha) {
        try {
            std::rethrow_exception(falha);
        } catch (const std::bad_alloc&) {
            mensagem(QStringLiteral("Formato inválido do arquivo de treinamento."));
            return;
        } catch (...) {
        }
    }
    try {
        if (cabecalhoLido) {
            rede_.qtdLinhas = cabecalho.linhas;
            rede_.qtdColunas = cabecalho.colunas;
            rede_.raio = cabecalho.raio;
            rede_.qtdPadroes = cabecalho.qtdPadroes;
            rede_.dimensao = cabecalho.dimensao;
            if (rede_.qtdLinhas != inteiroDe(ui.LinhaNeuronioSpinEdit->text()) ||
                rede_.qtdColunas != inteiroDe(ui.ColunaNeuronioSpinEdit->text())) {
                linhasMapaRecente_ = rede_.qtdLinhas;
                colunasMapaRecente_ = rede_.qtdColunas;
                ui.MapaNosGrid->defineTamanho(rede_.qtdLinhas, ui.MapaNosGrid->columnCount());
                ui.LinhaNeuronioSpinEdit->setText(QString::number(rede_.qtdLinhas));
                ui.MapaNosGrid->defineTamanho(ui.MapaNosGrid->rowCount(), rede_.qtdColunas);
                ui.ColunaNeuronioSpinEdit->setText(QString::number(rede_.qtdColunas));
                constroiMapa();
            }
        }
        if (mapaPronto) {
            gerador_ = gerador;
            rede_.neuronios.swap(nova.neuronios);
            rede_.matrizDistancias.swap(nova.matrizDistancias);
            linhasMapaRecente_ = rede_.linhasMapa();
            colunasMapaRecente_ = rede_.colunasMapa();
        }
        if (falha) std::rethrow_exception(falha);
        preencheMapa();
        extras_ = TExtras();

        ui.LimparButton->setEnabled(true);
        ui.TreinarButton->setEnabled(false);
        ui.CarregarTreinamentoItemMenu->setEnabled(false);
        ui.SalvarTreinamentoItemMenu->setEnabled(true);
        ui.LinhaNeuronioSpinEdit->setEnabled(false);
        ui.ColunaNeuronioSpinEdit->setEnabled(false);
        ui.RaioSpinEdit->setText(QString::number(rede_.raio));
        ui.RaioSpinEdit->setEnabled(false);
        ui.TreinamentoArqBitBtn->setEnabled(false);
        ui.TipoVizinhancaComboBox->setCurrentIndex(cabecalho.vizinhanca == "GRID" ? 1 : 0);
        ui.TipoVizinhancaComboBox->setEnabled(false);
        ui.ClassificacaoArqTextBox->setEnabled(true);
        ui.DistanciaEuclidianaRadio->setEnabled(true);
        ui.ClassificacaoArqBitBtn->setEnabled(true);
        ui.ClassificarButton->setEnabled(true);
        ui.ValorInicialTextBox->setEnabled(false);
        ui.EvolucaoSpinEdit->setEnabled(false);
        ui.QtdCiclosRadioButton->setEnabled(false);
        ui.RaioRadioButton->setEnabled(false);
        ui.QtdCiclosSpinEdit->setEnabled(false);
        atualizaExplorador();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        mensagem(QStringLiteral("Formato inválido do arquivo de treinamento."));
    }
}

// ---------------------------------------------------------------------------------------------
// Help

void TFormMain::SobreClick() {
    protege([&] {
        if (sobre_ != nullptr) sobre_->exec();
    });
}

void TFormMain::ManualItemMenuClick() {
    protege([&] {
        if (!manual_) manual_ = new TManual(this);
        manual_->mostraConteudo();
    });
}

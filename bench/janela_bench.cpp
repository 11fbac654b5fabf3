// norvika-bench-janela: the real main window, driven headless, trains a pattern file as a user
// would (the controls set, "Treinar!" clicked) and prints how long the command took; with
// --parar it clicks "Parar" when the "Treinando" dialog shows the given phase and prints how long
// the window took from that click to being usable again. For comparing the window with
// norvika-bench and for measuring how fast "Parar" answers; not installed.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "UFormExplorador.h"
#include "UFormTreinando.h"
#include "UMensagens.h"
#include "USpinEdit.h"
#include "UTrabalho.h"
#include "UVistaMapa.h"
#include "Uprincipal.h"

namespace {

[[noreturn]] void uso(const char* erro) {
    std::fprintf(
        stderr,
        "norvika-bench-janela: %s\n"
        "Uso: norvika-bench-janela ARQUIVO --linhas L --colunas C --raio R --vizinhanca V\n"
        "       (--ciclos N | --decrementar-raio) --taxa T --evolucao E --semente S\n"
        "       [--parar cabecalho|leitura|rotulos|treino|medida [--apos-ms M]]\n"
        "       [--tela ARQUIVO.png [--vista NOME] [--neuronio A] [--passos N]]\n",
        erro);
    std::exit(2);
}

const char* faseDoNome(const std::string& nome) {
    if (nome == "cabecalho") return "Lendo o cabeçalho do arquivo de padrões";
    if (nome == "leitura") return "Lendo o arquivo de padrões";
    if (nome == "rotulos") return "Reunindo os rótulos dos padrões";
    if (nome == "treino") return "Treinando o mapa";
    if (nome == "medida") return "Medindo os erros do mapa";
    uso(("fase desconhecida: " + nome).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    // Headless unless there is a display (Xvfb) to look at, for --tela.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacao(argc, argv);
    std::string arquivo, linhas = "12", colunas = "14", raio = "0", vizinhanca = "GRID", ciclos,
                         taxa = "0,1", evolucao = "100", parar;
    std::uint32_t semente = 1;
    long aposMs = 0;
    std::string tela, vista;
    int numeroPassos = 0;
    int neuronio = -1;
    bool porCiclos = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valor = [&] {
            if (i + 1 >= argc) uso(("falta o valor de " + a).c_str());
            return std::string(argv[++i]);
        };
        if (a == "--linhas")
            linhas = valor();
        else if (a == "--colunas")
            colunas = valor();
        else if (a == "--raio")
            raio = valor();
        else if (a == "--vizinhanca")
            vizinhanca = valor();
        else if (a == "--ciclos") {
            ciclos = valor();
            porCiclos = true;
        } else if (a == "--decrementar-raio")
            porCiclos = false;
        else if (a == "--taxa")
            taxa = valor();
        else if (a == "--evolucao")
            evolucao = valor();
        else if (a == "--semente")
            semente = static_cast<std::uint32_t>(std::stoul(valor()));
        else if (a == "--parar")
            parar = valor();
        else if (a == "--apos-ms")
            aposMs = std::stol(valor());
        else if (a == "--passos")
            numeroPassos = std::stoi(valor());
        else if (a == "--tela")
            tela = valor();
        else if (a == "--vista")
            vista = valor();
        else if (a == "--neuronio")
            neuronio = std::stoi(valor());
        else if (a[0] != '-' && arquivo.empty())
            arquivo = a;
        else
            uso(("opção desconhecida: " + a).c_str());
    }
    if (arquivo.empty()) uso("falta o arquivo de padrões");
    const char* fase = parar.empty() ? nullptr : faseDoNome(parar);

    // The window's messages are printed instead of waiting for a click.
    UMensagens::defineInterceptador([](UMensagens::Tipo, const QString& texto) {
        std::printf("mensagem=%s\n", texto.toUtf8().constData());
    });
    TFormMain janela;
    janela.show();
    janela.defineSementeFixa(semente);
    UTrabalho::defineEsperaDoDialogo(0);
    auto texto = [&](const char* nome, const std::string& t) {
        const QString valor = QString::fromStdString(t);
        if (auto* spin = janela.findChild<TSpinEdit*>(QString::fromLatin1(nome)))
            spin->setText(valor);
        else
            janela.findChild<QLineEdit*>(QString::fromLatin1(nome))->setText(valor);
    };
    janela.findChild<QLineEdit*>(QStringLiteral("TreinamentoArqTextBox"))
        ->setText(QString::fromLocal8Bit(arquivo.c_str()));
    texto("LinhaNeuronioSpinEdit", linhas);
    texto("ColunaNeuronioSpinEdit", colunas);
    texto("RaioSpinEdit", raio);
    texto("ValorInicialTextBox", taxa);
    texto("EvolucaoSpinEdit", evolucao);
    if (porCiclos) {
        janela.findChild<QRadioButton*>(QStringLiteral("QtdCiclosRadioButton"))->setChecked(true);
        texto("QtdCiclosSpinEdit", ciclos);
    }
    janela.findChild<QComboBox*>(QStringLiteral("TipoVizinhancaComboBox"))
        ->setCurrentText(QString::fromStdString(vizinhanca));

    // Watches the dialog every millisecond; clicks "Parar" once its phase has shown for --apos-ms.
    QElapsedTimer desdeParar, naFase;
    QString faseVista;
    QTimer observador;
    QObject::connect(&observador, &QTimer::timeout, [&] {
        auto* dialogo = janela.findChild<TFormTreinando*>(QStringLiteral("FormTreinando"));
        if (fase == nullptr || dialogo == nullptr || desdeParar.isValid()) return;
        const QString atual = dialogo->findChild<QLabel*>(QStringLiteral("FaseLabel"))->text();
        if (atual != QString::fromUtf8(fase)) {
            naFase.invalidate();
            return;
        }
        if (!naFase.isValid()) naFase.start();
        if (naFase.elapsed() < aposMs) return;
        faseVista = atual;
        desdeParar.start();
        dialogo->findChild<QPushButton*>(QStringLiteral("PararButton"))->click();
    });
    observador.start(1);

    // Step mode on a display: the explorer open beside the window, "Próximo padrão" clicked
    // --passos times as a person would (each click activates the dialog), then the screen saved
    // to --tela while the dialog is still open, and "Parar".
    QTimer passos;
    int clicados = 0;
    if (numeroPassos > 0) {
        janela.findChild<QAction*>(QStringLiteral("ExploradorItemMenu"))->trigger();
        auto* e = janela.explorador();
        e->move(20, 20);
        e->findChild<QCheckBox*>(QStringLiteral("PassoAPassoCheckBox"))->setChecked(true);
        janela.raise();
        janela.activateWindow();
        QObject::connect(&passos, &QTimer::timeout, [&] {
            auto* d = janela.findChild<TFormTreinando*>(QStringLiteral("FormTreinando"));
            if (d == nullptr || !d->isVisible()) return;
            if (clicados < numeroPassos) {
                d->activateWindow();
                d->findChild<QPushButton*>(QStringLiteral("ProximoPadraoButton"))->click();
                ++clicados;
                return;
            }
            passos.stop();
            if (!tela.empty())
                QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(tela));
            d->findChild<QPushButton*>(QStringLiteral("PararButton"))->click();
        });
        passos.start(400);
    }

    QElapsedTimer relogio;
    relogio.start();
    janela.findChild<QPushButton*>(QStringLiteral("TreinarButton"))->click();  // returns when done
    const double segundos = static_cast<double>(relogio.nsecsElapsed()) / 1e9;
    std::printf("janela_s=%.4f\n", segundos);
    if (fase != nullptr) {
        if (!desdeParar.isValid()) {
            std::printf("parada=nao_vista\n");
            return 1;
        }
        std::printf("fase=%s\nparada_ms=%.1f\n", faseVista.toUtf8().constData(),
                    static_cast<double>(desdeParar.nsecsElapsed()) / 1e6);
    }
    // FNV-1a over the final weights, as norvika-bench prints it: the same training gives the same.
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const auto& linha : janela.rede().neuronios)
        for (const TNeuronio& n : linha) {
            const auto* p = reinterpret_cast<const unsigned char*>(n.dados());
            for (std::size_t i = 0; i < static_cast<std::size_t>(n.getQtdPesos()) * sizeof(double);
                 ++i)
                h = (h ^ p[i]) * 0x100000001b3ull;
        }
    std::printf("pesos_fnv=%016llx\n", static_cast<unsigned long long>(h));
    if (!tela.empty() && numeroPassos == 0) {
        // The explorer beside the window, on the chosen view, and the whole screen as seen.
        janela.findChild<QAction*>(QStringLiteral("ExploradorItemMenu"))->trigger();
        if (auto* e = janela.explorador()) {
            e->move(janela.frameGeometry().right() + 10, 20);
            if (!vista.empty())
                e->findChild<QComboBox*>(QStringLiteral("VistaSeletor"))
                    ->setCurrentText(QString::fromStdString(vista));
            // A neuron chosen as a click chooses it: its weights in the side panel.
            if (neuronio >= 0)
                Q_EMIT e->findChild<TVistaMapa*>(QStringLiteral("VistaMapa"))
                    ->neuronioEscolhido(neuronio);
            std::printf("erros=%s | %s\n",
                        e->findChild<QLabel*>(QStringLiteral("ErroQuantizacaoLabel"))
                            ->text()
                            .toUtf8()
                            .constData(),
                        e->findChild<QLabel*>(QStringLiteral("ErroTopograficoLabel"))
                            ->text()
                            .toUtf8()
                            .constData());
        }
        QElapsedTimer espera;
        espera.start();
        while (espera.elapsed() < 1500) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(tela));
    }
    std::printf("status=%s\n", janela.findChild<QWidget*>(QStringLiteral("StatusBar"))
                                   ->property("text")
                                   .toString()
                                   .toUtf8()
                                   .constData());
    return 0;
}

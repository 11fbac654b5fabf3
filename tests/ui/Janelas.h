#pragma once
// The program's three windows as the running program has them, with its modal boxes, file dialogs
// and seeding clock answered by the test: messages are recorded, dialogs answer with queued paths
// (an empty answer is "cancelled"), and the clock always gives the same seed.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "UBarraStatus.h"
#include "UDialogos.h"
#include "UFormInformacoes.h"
#include "UFormSobre.h"
#include "UGradeMapa.h"
#include "UMensagens.h"
#include "USpinEdit.h"
#include "Uprincipal.h"

inline constexpr std::uint32_t kSementeTeste = 12345;

// Twelve 2-dimensional patterns in five groups, one with an empty label.
inline constexpr const char* kDoze =
    "12|2#\n"
    "0|0|a#\n0,1|0,2|a#\n0,2|0|a#\n"
    "5|5|b#\n5,1|4,9|b#\n4,8|5,2|b#\n"
    "0|5|c#\n0,2|5,1|c#\n"
    "5|0|d#\n4,9|0,1|d#\n"
    "2,5|2,5|e#\n2,4|2,6|#\n";

struct Mensagem {
    UMensagens::Tipo tipo;
    QString texto;
};

class Janelas {
  public:
    Janelas() {
        UMensagens::defineInterceptador([this](UMensagens::Tipo tipo, const QString& texto) {
            mensagens.push_back({tipo, texto});
        });
        UDialogos::defineRespondedor([this](QFileDialog& dialogo) {
            dialogosAbertos << dialogo.objectName();
            return respostas.isEmpty() ? QString() : respostas.takeFirst();
        });
        UDialogos::defineRelogio([] { return kSementeTeste; });
        principal = new TFormMain;
        informacoes = new TFormInformacoes(principal);
        sobre = new TFormSobre(principal);
        principal->defineJanelas(informacoes, sobre);
        principal->show();
        principal->activateWindow();
        if (!QTest::qWaitForWindowActive(principal)) QTest::qWait(50);
    }
    ~Janelas() {
        delete principal;
        UMensagens::defineInterceptador({});
        UDialogos::defineRespondedor({});
        UDialogos::defineRelogio({});
    }
    Janelas(const Janelas&) = delete;
    Janelas& operator=(const Janelas&) = delete;

    template <class T>
    T* w(const char* nome) const {
        T* widget = principal->findChild<T*>(QString::fromLatin1(nome));
        if (widget == nullptr) qFatal("componente %s não encontrado", nome);
        return widget;
    }
    QAbstractButton* botao(const char* nome) const { return w<QAbstractButton>(nome); }
    TSpinEdit* spin(const char* nome) const { return w<TSpinEdit>(nome); }
    QLineEdit* edit(const char* nome) const { return w<QLineEdit>(nome); }
    QAction* acao(const char* nome) const { return w<QAction>(nome); }
    TGradeMapa* grade() const { return w<TGradeMapa>("MapaNosGrid"); }
    QTabWidget* paginas() const { return w<QTabWidget>("PageControl"); }
    QComboBox* vizinhanca() const { return w<QComboBox>("TipoVizinhancaComboBox"); }
    QString status() const { return w<TBarraStatus>("StatusBar")->text(); }

    bool habilitado(const char* nome) const {
        if (auto* a = principal->findChild<QAction*>(QString::fromLatin1(nome)))
            return a->isEnabled();
        return w<QWidget>(nome)->isEnabled();
    }

    // Clicks a button with the mouse, as the user would (the focus moves to it first).
    void clica(const char* nome) const {
        QAbstractButton* b = botao(nome);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }

    // The messages shown since the last call, then forgotten.
    std::vector<Mensagem> tomaMensagens() { return std::exchange(mensagens, {}); }
    QStringList tomaTextos() {
        QStringList t;
        for (const Mensagem& m : tomaMensagens()) t << m.texto;
        return t;
    }

    // Picks a pattern file for training through the page's file button.
    void escolheArquivoTreino(const QString& caminho) {
        respostas << caminho;
        clica("TreinamentoArqBitBtn");
    }
    void escolheArquivoClassificacao(const QString& caminho) {
        respostas << caminho;
        clica("ClassificacaoArqBitBtn");
    }

    // Sets the training controls and presses "Treinar!".
    struct Treino {
        QString arquivo;
        int linhas = 3, colunas = 4, raio = 1;
        QString vizinhanca = QStringLiteral("GRID");
        bool porCiclos = false;
        int ciclos = 1;
        QString taxa = QStringLiteral("0,1");
        QString evolucao = QStringLiteral("100");
    };
    void treina(const Treino& t) {
        escolheArquivoTreino(t.arquivo);
        spin("LinhaNeuronioSpinEdit")->setText(QString::number(t.linhas));
        spin("ColunaNeuronioSpinEdit")->setText(QString::number(t.colunas));
        spin("RaioSpinEdit")->setText(QString::number(t.raio));
        vizinhanca()->setCurrentText(t.vizinhanca);
        w<QRadioButton>(t.porCiclos ? "QtdCiclosRadioButton" : "RaioRadioButton")->setChecked(true);
        spin("QtdCiclosSpinEdit")->setText(QString::number(t.ciclos));
        edit("ValorInicialTextBox")->setText(t.taxa);
        spin("EvolucaoSpinEdit")->setText(t.evolucao);
        clica("TreinarButton");
    }

    // Opens the neuron window by clicking a map cell and returns what it showed, closed again.
    struct Vista {
        bool abriu = false;
        QString titulo, posicao, pesos, padroes;
        QPoint marcada;  // the grid's current cell (column, row) while the window was open
    };
    Vista clicaNeuronio(int linha, int coluna, Qt::KeyboardModifiers teclas = {}) {
        return observaJanelaModal([&] {
            TGradeMapa* g = grade();
            const QRect r = g->visualRect(g->model()->index(linha, coluna));
            QTest::mouseClick(g->viewport(), Qt::LeftButton, teclas, r.center());
        });
    }
    // Runs `acao` and reads the neuron window if it opens modally meanwhile.
    Vista observaJanelaModal(const std::function<void()>& acao) {
        Vista v;
        bool terminado = false;
        int tentativas = 0;
        std::function<void()> verifica = [&] {
            if (auto* modal = qobject_cast<TFormInformacoes*>(QApplication::activeModalWidget())) {
                v.abriu = true;
                v.titulo = modal->windowTitle();
                v.posicao = modal->ui.NeuronioLabel->text();
                v.pesos = modal->ui.VetorPesosLabel->text();
                v.padroes = modal->ui.VetorPadroesLabel->text();
                v.marcada = QPoint(grade()->currentColumn(), grade()->currentRow());
                modal->close();
                terminado = true;
            } else if (++tentativas > 40) {
                terminado = true;
            } else {
                QTimer::singleShot(5, verifica);
            }
        };
        QTimer::singleShot(0, verifica);
        acao();
        if (!QTest::qWaitFor([&] { return terminado; }, 5000))
            qWarning("a janela modal não respondeu");
        QTest::qWait(5);
        return v;
    }

    TFormMain* principal = nullptr;
    TFormInformacoes* informacoes = nullptr;
    TFormSobre* sobre = nullptr;
    std::vector<Mensagem> mensagens;
    QStringList respostas;
    QStringList dialogosAbertos;
};

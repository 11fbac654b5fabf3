// The neuron window, classification, saving and loading a network, the About window and the
// manual, driven through the main window as the user drives them.

#include <sys/resource.h>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>
#include <csignal>

#include "../comum/ArquivoTemporario.h"
#include "Janelas.h"
#include "UArquivoPadroes.h"
#include "UArquivoRede.h"
#include "UManual.h"
#include "UNumeros.h"

namespace {

QString pesosComoTexto(const TNeuronio& n) {
    QString s;
    for (int k = 0; k < n.getQtdPesos(); ++k)
        s += QStringLiteral("\r%1) %2")
                 .arg(k + 1)
                 .arg(QString::fromStdString(realParaTexto(n.getPeso(k))));
    return s;
}

}  // namespace

class TesteJanelasSecundarias : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        defineSeparadorDecimal(',');
        j = std::make_unique<Janelas>();
    }
    void cleanup() { j.reset(); }

    void janelaDoNeuronioMostraPesosERotulos() {
        // One neuron, rate 1, radius 0, one cycle: the neuron copies every pattern in turn, so it
        // ends with the last one's values and holds all eight labels.
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve(
            "sete.txt",
            "8|2#\n1|1|a#\n1|1|b#\n1|1|c#\n1|1|d#\n1|1|e#\n1|1|f#\n1|1|g#\n0,25|-0,125|#\n"));
        t.linhas = t.colunas = 1;
        t.raio = 0;
        t.taxa = "1";
        j->treina(t);
        QCOMPARE(j->tomaTextos(), QStringList());
        const Janelas::Vista v = j->clicaNeuronio(0, 0);
        QVERIFY(v.abriu);
        QCOMPARE(v.titulo, QStringLiteral("Informações do Neurônio"));
        QCOMPARE(v.posicao, QStringLiteral("[1,1]"));
        QCOMPARE(v.pesos, QStringLiteral("\r1) 0,25\r2) -0,125"));
        QCOMPARE(v.padroes, QStringLiteral("\ra; b; c; d; e; \rf; g; ; "));
    }

    void janelaDoNeuronioDeUmMapaTreinado() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.linhas = 2;
        t.colunas = 3;
        t.raio = 1;
        j->treina(t);
        const TRede& rede = j->principal->rede();
        for (int i = 0; i < 2; ++i)
            for (int c = 0; c < 3; ++c) {
                const Janelas::Vista v = j->clicaNeuronio(i, c);
                QVERIFY(v.abriu);
                QCOMPARE(v.posicao, QStringLiteral("[%1,%2]").arg(i + 1).arg(c + 1));
                QCOMPARE(v.pesos, pesosComoTexto(rede.neuronio(i, c)));
                const TNeuronio& n = rede.neuronio(i, c);
                QString esperado;
                for (int k = 0; k < n.contaPadroes(); ++k) {
                    if (k % 5 == 0) esperado += u'\r';
                    esperado += QString::fromStdString(n.getPadrao(k)) + QStringLiteral("; ");
                }
                QCOMPARE(v.padroes, esperado);
                if (n.contaPadroes() == 0) QCOMPARE(v.padroes, QString());
            }
        // The same cell again opens the window again; an arrow key opens it for the cell reached.
        QVERIFY(j->clicaNeuronio(0, 2).abriu);
        QVERIFY(j->clicaNeuronio(0, 2).abriu);
        const Janelas::Vista seta =
            j->observaJanelaModal([&] { QTest::keyClick(j->grade(), Qt::Key_Down); });
        QVERIFY(seta.abriu);
        QCOMPARE(seta.posicao, QStringLiteral("[2,3]"));
        // After a page change no neuron has labels left.
        j->paginas()->setCurrentIndex(1);
        j->paginas()->setCurrentIndex(0);
        const Janelas::Vista vazia = j->clicaNeuronio(0, 0);
        QVERIFY(vazia.abriu);
        QCOMPARE(vazia.padroes, QString());
    }

    // Only clicks (Ctrl changes nothing) and the navigation keys select a cell; while the neuron
    // window is open the grid still marks the cell selected before.
    void gradeSelecionaPorCliqueESetas() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.linhas = 2;
        t.colunas = 3;
        j->treina(t);
        QVERIFY(j->clicaNeuronio(0, 0).abriu);
        // A cell below that Qt's keyboard search would jump to for a typed "1".
        j->grade()->escreveCelula(0, 0, QStringLiteral("7"));
        j->grade()->escreveCelula(1, 0, QStringLiteral("1"));
        for (const Qt::Key tecla : {Qt::Key_1, Qt::Key_7})
            QVERIFY(!j->observaJanelaModal([&] { QTest::keyClick(j->grade(), tecla); }).abriu);
        QCOMPARE(QPoint(j->grade()->currentColumn(), j->grade()->currentRow()), QPoint(0, 0));
        const Janelas::Vista ctrl = j->clicaNeuronio(1, 2, Qt::ControlModifier);
        QVERIFY(ctrl.abriu);
        QCOMPARE(ctrl.posicao, QStringLiteral("[2,3]"));
        QCOMPARE(ctrl.marcada, QPoint(0, 0));
        QCOMPARE(QPoint(j->grade()->currentColumn(), j->grade()->currentRow()), QPoint(2, 1));
        QCOMPARE(j->grade()->selectedItems().size(), 1);
        const Janelas::Vista seta =
            j->observaJanelaModal([&] { QTest::keyClick(j->grade(), Qt::Key_Left); });
        QCOMPARE(seta.posicao, QStringLiteral("[2,2]"));
        QCOMPARE(seta.marcada, QPoint(2, 1));
        QVERIFY(!j->clicaNeuronio(0, 0, Qt::ShiftModifier).abriu);
        // A count too wide for its cell is drawn whole, in a smaller font.
        j->grade()->escreveCelula(0, 0, QStringLiteral("12345"));
        const QTableWidgetItem* celula = j->grade()->item(0, 0);
        QCOMPARE(celula->text(), QStringLiteral("12345"));
        QVERIFY(QFontMetrics(celula->font()).horizontalAdvance(celula->text()) <= 28);
    }

    // Esc leaves the neuron window and the About window open.
    void escNaoFechaAsJanelas_data() {
        QTest::addColumn<QString>("janela");
        QTest::newRow("neurônio") << "neuronio";
        QTest::newRow("sobre") << "sobre";
    }
    void escNaoFechaAsJanelas() {
        QFETCH(QString, janela);
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        j->treina(t);
        bool abertaDepoisDoEsc = false;
        QTimer::singleShot(20, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            QTest::keyClick(modal, Qt::Key_Escape);
            abertaDepoisDoEsc = modal->isVisible();
            modal->close();
        });
        if (janela == QStringLiteral("sobre")) {
            j->acao("Sobre")->trigger();
        } else {
            TGradeMapa* g = j->grade();
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                              g->visualRect(g->model()->index(0, 0)).center());
            QTest::qWait(100);
        }
        QVERIFY(abertaDepoisDoEsc);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void neuronioEnormeAbreSemTravar() {
        // A loaded neuron of 200,000 weights: the window opens, its text holds every line, and it
        // measures and paints only what can be seen.
        std::string texto = "1|1|200000|0|GRID|0|200000#\r\n";
        for (int k = 0; k < 200000; ++k) texto += "0,5|";
        texto.back() = '#';
        j->respostas << QString::fromStdString(pasta.escreve("enorme.cfg", texto));
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        QCOMPARE(j->tomaTextos(), QStringList());
        QElapsedTimer relogio;
        relogio.start();
        const Janelas::Vista v = j->clicaNeuronio(0, 0);
        QVERIFY(v.abriu);
        QVERIFY(v.pesos.endsWith(QStringLiteral("\r200000) 0,5")));
        QCOMPARE(v.pesos.count(u'\r'), 200000);
        QVERIFY2(relogio.elapsed() < 20000, qPrintable(QString::number(relogio.elapsed())));
    }

    void nadaAbreSemRedeTreinada() {
        j->spin("LinhaNeuronioSpinEdit")->setText("2");
        j->spin("ColunaNeuronioSpinEdit")->setText("2");
        const Janelas::Vista v = j->clicaNeuronio(1, 1);
        QVERIFY(!v.abriu);
        QCOMPARE(j->grade()->currentRow(), 1);
        QCOMPARE(j->grade()->currentColumn(), 1);
        // A cell outside the map of the trained state reads nothing and shows nothing.
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.linhas = t.colunas = 2;
        j->treina(t);
        j->principal->MapaNosGridSelectCell(3, 3);
        j->principal->MapaNosGridSelectCell(0, 1);
        QCOMPARE(j->tomaTextos(), QStringList());
    }

    void gradeQueRecebeOFocoNaoAbreAJanela() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        j->treina(t);
        // The focus lands on the grid when the control that had it is disabled, or by Tab: the
        // first cell becomes current, and that is no click.
        const Janelas::Vista v =
            j->observaJanelaModal([&] { j->grade()->setFocus(Qt::TabFocusReason); });
        QVERIFY(!v.abriu);
        QVERIFY(j->grade()->hasFocus());
    }

    void classificacaoContaSemMudarPesos() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        j->treina(t);
        const TRede& rede = j->principal->rede();
        std::vector<double> antes;
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c)
                for (int k = 0; k < 2; ++k) antes.push_back(rede.neuronio(i, c).getPeso(k));
        j->paginas()->setCurrentIndex(1);
        j->escolheArquivoClassificacao(t.arquivo);
        j->clica("ClassificarButton");
        QCOMPARE(j->tomaTextos(), QStringList());
        QStringList primeira;
        int total = 0;
        TRede copia;  // the same map classified by the engine directly
        copia.neuronios = rede.neuronios;
        inicializaEntradas(t.arquivo.toStdString(), 12, 2, copia.entradas);
        copia.classificaEntradasReferencia();
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c) {
                const int n = copia.neuronio(i, c).getAglutinados();
                QCOMPARE(j->grade()->textoCelula(i, c),
                         n ? QString::number(n) : QStringLiteral(" "));
                QCOMPARE(rede.neuronio(i, c).getAglutinados(), n);
                QCOMPARE(rede.neuronio(i, c).contaPadroes(), n);
                primeira << j->grade()->textoCelula(i, c);
                total += n;
            }
        QCOMPARE(total, 12);
        std::vector<double> depois;
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c)
                for (int k = 0; k < 2; ++k) depois.push_back(rede.neuronio(i, c).getPeso(k));
        QCOMPARE(depois, antes);
        j->clica("ClassificarButton");
        QStringList segunda;
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c) segunda << j->grade()->textoCelula(i, c);
        QCOMPARE(segunda, primeira);
        // The labels of the classified file are what the neuron window shows.
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c)
                if (rede.neuronio(i, c).contaPadroes() > 0) {
                    const Janelas::Vista v = j->clicaNeuronio(i, c);
                    QVERIFY(v.padroes.startsWith(u'\r'));
                }
    }

    void classificacaoRecusasEFalhas() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        j->treina(t);
        j->paginas()->setCurrentIndex(1);
        j->escolheArquivoClassificacao(t.arquivo);
        j->clica("ClassificarButton");
        QStringList contagens;
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c) contagens << j->grade()->textoCelula(i, c);

        // Another dimension, a negative one included, is refused as such.
        for (const char* cabecalho : {"1|3#\n1|2|3|x#\n", "1|-2#\n"}) {
            j->escolheArquivoClassificacao(
                QString::fromStdString(pasta.escreve("outra.txt", cabecalho)));
            j->clica("ClassificarButton");
            QCOMPARE(j->tomaTextos(),
                     QStringList{"Estes padrões não podem ser classificados com esta rede!"});
        }

        j->escolheArquivoClassificacao(
            QString::fromStdString(pasta.escreve("ruim.txt", "2|2#\n1|1|a#\n1|1b#\n")));
        j->clica("ClassificarButton");
        QCOMPARE(j->tomaTextos(),
                 QStringList{
                     "Linha 3 do arquivo de padrões: falta o separador \"|\" depois do valor 2."});
        QStringList depois;
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c) depois << j->grade()->textoCelula(i, c);
        QCOMPARE(depois, contagens);  // the previous counts stay

        j->escolheArquivoClassificacao(QString());
        j->clica("ClassificarButton");
        QCOMPARE(j->tomaTextos(), QStringList{"Você deve especificar um arquivo de padrões."});

        j->escolheArquivoClassificacao(QString::fromStdString(pasta.escreve("zero.txt", "0|2#\n")));
        j->clica("ClassificarButton");
        QCOMPARE(j->tomaTextos(), QStringList());
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c)
                QCOMPARE(j->grade()->textoCelula(i, c), QStringLiteral(" "));
    }

    void salvarLimparECarregarDevolvemAMesmaRede() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.linhas = 3;
        t.colunas = 4;
        t.raio = 2;
        t.vizinhanca = "GRID";
        j->treina(t);
        const TRede treinada = j->principal->rede();
        const QString arquivo = QString::fromStdString(pasta.arquivo("rede.cfg"));
        pasta.escreve("rede.cfg", "um arquivo antigo que será substituído\n");
        j->respostas << arquivo;
        j->acao("SalvarTreinamentoItemMenu")->trigger();
        QCOMPARE(j->tomaTextos(), QStringList());
        QCOMPARE(j->dialogosAbertos.last(), QStringLiteral("SaveDialog"));
        QCOMPARE(
            QString::fromStdString(PastaTemporaria::le(arquivo.toStdString())).section(u'\r', 0, 0),
            QStringLiteral("3|4|2|2|GRID|12|2#"));

        j->clica("LimparButton");
        j->vizinhanca()->setCurrentIndex(0);
        j->spin("RaioSpinEdit")->setText("7");
        j->paginas()->setCurrentIndex(1);  // load while the classification page is shown
        j->tomaTextos();
        j->respostas << arquivo;
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        QCOMPARE(j->tomaTextos(), QStringList());
        QCOMPARE(j->dialogosAbertos.last(), QStringLiteral("OpenDialogTreinamento"));
        const TRede& carregada = j->principal->rede();
        QCOMPARE(carregada.linhasMapa(), 3);
        QCOMPARE(carregada.colunasMapa(), 4);
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c) {
                QCOMPARE(j->grade()->textoCelula(i, c), QStringLiteral(" "));
                for (int k = 0; k < 2; ++k)
                    QCOMPARE(realParaTexto(carregada.neuronio(i, c).getPeso(k)),
                             realParaTexto(treinada.neuronio(i, c).getPeso(k)));
            }
        QCOMPARE(j->spin("RaioSpinEdit")->text(), QStringLiteral("2"));
        QCOMPARE(j->vizinhanca()->currentText(), QStringLiteral("GRID"));
        for (const char* on :
             {"LimparButton", "SalvarTreinamentoItemMenu", "ClassificacaoArqTextBox",
              "ClassificacaoArqBitBtn", "ClassificarButton", "DistanciaEuclidianaRadio"})
            QVERIFY2(j->habilitado(on), on);
        for (const char* off :
             {"TreinarButton", "CarregarTreinamentoItemMenu", "LinhaNeuronioSpinEdit",
              "ColunaNeuronioSpinEdit", "RaioSpinEdit", "TipoVizinhancaComboBox",
              "TreinamentoArqBitBtn", "ValorInicialTextBox", "EvolucaoSpinEdit",
              "QtdCiclosRadioButton", "RaioRadioButton", "QtdCiclosSpinEdit"})
            QVERIFY2(!j->habilitado(off), off);
        // Classification works at once, and a neuron shows no labels before it.
        QCOMPARE(j->clicaNeuronio(0, 0).padroes, QString());
        j->escolheArquivoClassificacao(t.arquivo);
        j->clica("ClassificarButton");
        QCOMPARE(j->tomaTextos(), QStringList());
        int total = 0;
        for (int i = 0; i < 3; ++i)
            for (int c = 0; c < 4; ++c)
                total += j->principal->rede().neuronio(i, c).getAglutinados();
        QCOMPARE(total, 12);
        // Clearing after a load keeps the loaded radius and shape.
        j->paginas()->setCurrentIndex(0);
        j->clica("LimparButton");
        QCOMPARE(j->spin("RaioSpinEdit")->text(), QStringLiteral("2"));
        QCOMPARE(j->vizinhanca()->currentText(), QStringLiteral("GRID"));
    }

    void carregarMapaMaiorRedimensionaAGrade() {
        std::string texto = "15|2|1|3|MANHATTAN|40|1#\r\n";
        for (int a = 0; a < 30; ++a) texto += std::to_string(a) + ",5#\r\n";
        j->respostas << QString::fromStdString(pasta.escreve("grande.cfg", texto));
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        QCOMPARE(j->tomaTextos(), QStringList());
        QCOMPARE(j->grade()->rowCount(), 15);
        QCOMPARE(j->grade()->columnCount(), 2);
        QCOMPARE(j->spin("LinhaNeuronioSpinEdit")->text(), QStringLiteral("15"));
        QCOMPARE(j->spin("ColunaNeuronioSpinEdit")->text(), QStringLiteral("2"));
        QCOMPARE(j->grade()->verticalHeaderItem(14)->text(), QStringLiteral("15"));
        QCOMPARE(j->principal->rede().neuronio(14, 1).getPeso(0), 29.5);
        QCOMPARE(j->spin("RaioSpinEdit")->text(), QStringLiteral("3"));
        QCOMPARE(j->vizinhanca()->currentText(), QStringLiteral("MANHATTAN"));
        // The window's activation keeps the loaded size; the last row's neuron opens.
        j->principal->FormActivate();
        QCOMPARE(j->grade()->rowCount(), 15);
        QCOMPARE(j->clicaNeuronio(14, 1).posicao, QStringLiteral("[15,2]"));
    }

    void arquivosDeRedeMalformados_data() {
        QTest::addColumn<QString>("conteudo");
        QTest::newRow("sem separadores") << "2 2 1 0 GRID 0 1\r\n1#\r\n";
        QTest::newRow("sem cerquilha no cabecalho") << "1|1|1|0|GRID|0|1\r\n1#\r\n";
        QTest::newRow("linha de pesos curta") << "1|2|2|0|GRID|0|2#\r\n1|2#\r\n3#\r\n";
        QTest::newRow("linha que falta") << "2|1|1|0|GRID|0|1#\r\n1#\r\n";
        QTest::newRow("tamanho negativo") << "-1|2|1|0|GRID|0|1#\r\n";
        QTest::newRow("tamanho zero") << "0|2|1|0|GRID|0|1#\r\n";
        QTest::newRow("peso com ponto") << "1|1|1|0|GRID|0|1#\r\n0.5#\r\n";
        QTest::newRow("raio com letra") << "1|1|1|r|GRID|0|1#\r\n0,5#\r\n";
        QTest::newRow("vazio") << "";
        QTest::newRow("peso alem do double") << "1|1|1|0|GRID|0|1#\r\n1E400#\r\n";
    }
    void arquivosDeRedeMalformados() {
        QFETCH(QString, conteudo);
        j->respostas << QString::fromStdString(pasta.escreve("ruim.cfg", conteudo.toStdString()));
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        QCOMPARE(j->tomaTextos(), QStringList{"Formato inválido do arquivo de treinamento."});
        QVERIFY(j->habilitado("TreinarButton"));
        QVERIFY(!j->habilitado("LimparButton"));
        QVERIFY(j->habilitado("CarregarTreinamentoItemMenu"));
        // The window stays usable: a good file loads afterwards.
        j->respostas << QString::fromStdString(
            pasta.escreve("bom.cfg", "1|1|1|0|GRID|0|1#\r\n0,5#\r\n"));
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        QCOMPARE(j->tomaTextos(), QStringList());
        QVERIFY(j->habilitado("LimparButton"));
    }

    void carregarMapaQueNaoCabeERecusado() {
        j->respostas << QString::fromStdString(
            pasta.escreve("enorme.cfg", "50000|50000|1|0|GRID|0|1#\r\n"));
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        const QStringList textos = j->tomaTextos();
        QCOMPARE(textos.size(), 1);
        QVERIFY(textos[0].startsWith(QStringLiteral("O mapa de 50000 x 50000 neurônios")));
        QCOMPARE(j->grade()->rowCount(), 1);
        QVERIFY(j->habilitado("TreinarButton"));
    }

    void carregarCanceladoOuSemArquivoNaoFazNada() {
        j->acao("CarregarTreinamentoItemMenu")->trigger();  // cancelled
        j->respostas << QString::fromStdString(pasta.arquivo("nao-existe.cfg"));
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        QCOMPARE(j->tomaTextos(), QStringList());
        QVERIFY(j->habilitado("TreinarButton"));
    }

    void salvarQueFalhaMantemOArquivoAnterior() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        j->treina(t);
        const std::string antigo = "3|4|2|1|GRID|12|2#\r\nrede salva antes\r\n";
        const std::string caminho = pasta.escreve("rede.cfg", antigo);
        struct rlimit original {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
        const auto sinal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit pequeno = original;
        pequeno.rlim_cur = 16;  // every write past 16 bytes fails, as on a full disk
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &pequeno), 0);
        j->respostas << QString::fromStdString(caminho);
        j->acao("SalvarTreinamentoItemMenu")->trigger();
        setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, sinal);
        QCOMPARE(j->tomaTextos(), QStringList{"O Arquivo está em uso."});
        QCOMPARE(PastaTemporaria::le(caminho), antigo);
        QVERIFY(j->habilitado("LimparButton"));
    }

    void importarDadosDoMenuAteOTreino() {
        // R's write.csv2: row names, ";" and the decimal comma, a missing value.
        const QString tabela = QString::fromStdString(
            pasta.escreve("medidas.csv",
                          "\"\";\"altura\";\"peso\";\"grupo\"\r\n\"1\";1,5;10;\"a\"\r\n"
                          "\"2\";NA;12;\"b\"\r\n\"3\";2;14;\"b\"\r\n"));
        const QString padroes = QString::fromStdString(pasta.arquivo("medidas.txt"));
        QStringList previa, relatorio;
        UDialogos::defineExecutor([&](QDialog& d) {
            auto* previaTabela = d.findChild<QTableWidget*>("PreviaTabela");
            auto texto = [&] {
                QStringList linhas;
                for (int i = 0; i < previaTabela->rowCount(); ++i) {
                    QStringList celulas;
                    for (int c = 0; c < previaTabela->columnCount(); ++c)
                        celulas << previaTabela->item(i, c)->text();
                    linhas << celulas.join('|');
                }
                return linhas;
            };
            previa << texto();
            // The label column left out, and back.
            d.findChild<QComboBox*>("PapelCombo4")->setCurrentIndex(2);
            previa << texto();
            d.findChild<QComboBox*>("PapelCombo4")->setCurrentIndex(1);
            // Min-max scaling, and the missing height filled with the mean: the preview follows.
            d.findChild<QComboBox*>("NormalizacaoCombo")->setCurrentIndex(1);
            d.findChild<QComboBox*>("AusentesCombo")->setCurrentIndex(1);
            previa << texto();
            relatorio << d.findChild<QPlainTextEdit*>("RelatorioImportacaoTexto")->toPlainText();
            j->respostas << padroes;
            d.findChild<QPushButton*>("ImportarButton")->click();
            return d.result();
        });
        j->respostas << tabela;
        j->acao("ImportarItemMenu")->trigger();
        UDialogos::defineExecutor({});
        QCOMPARE(j->dialogosAbertos.mid(j->dialogosAbertos.size() - 2),
                 (QStringList{"OpenDialogTabela", "SaveDialogPadroes"}));
        // Every table the import reads is offered, the spreadsheets too.
        QCOMPARE(j->principal->findChild<QFileDialog*>("OpenDialogTabela")->nameFilters().first(),
                 QStringLiteral("Tabelas (*.csv *.tsv *.txt *.dat *.arff *.xlsx *.ods)"));
        QCOMPARE(previa, (QStringList{"1,5|10|a", "2|14|b", "1,5|10|", "2|14|", "0|0|a",
                                      "0,5|0,5|b", "1|1|b"}));
        QVERIFY2(
            relatorio.join("").contains("Valores ausentes preenchidos com a média da coluna: 1"),
            qPrintable(relatorio.join("")));
        QCOMPARE(j->edit("TreinamentoArqTextBox")->text(), padroes);
        QCOMPARE(PastaTemporaria::le(padroes.toStdString()),
                 std::string("3|2#altura|peso\n0|0|a#\n0,5|0,5|b#\n1|1|b#\n"
                             "#norvika-escala|1|minmax|1,5|0,5\n#norvika-escala|2|minmax|10|4\n"));
        // The pattern file trains as any other.
        Janelas::Treino t;
        t.arquivo = padroes;
        t.linhas = 2;
        t.colunas = 2;
        j->treina(t);
        QCOMPARE(j->tomaTextos(), QStringList());
        QVERIFY(j->habilitado("LimparButton"));
        // A table named on the command line opens the same dialog; a pattern file does not.
        QStringList abertos;
        UDialogos::defineExecutor([&](QDialog& d) {
            abertos << d.objectName();
            return int(QDialog::Rejected);
        });
        j->clica("LimparButton");
        j->principal->abreArquivo(tabela);
        j->principal->abreArquivo(padroes);
        UDialogos::defineExecutor({});
        QCOMPARE(abertos, QStringList{"FormImportar"});
        QCOMPARE(j->edit("TreinamentoArqTextBox")->text(), padroes);
    }

    void janelaSobreFechaComEnter() {
        QCOMPARE(j->sobre->windowTitle(), QStringLiteral("Sobre "));
        QCOMPARE(j->sobre->ui.AutorLabel->text(), QStringLiteral("Autor:"));
        QCOMPARE(j->sobre->ui.OrientadorLabel->text(), QStringLiteral("Orientador:"));
        QCOMPARE(j->sobre->size(), QSize(485, 305));
        for (int vez = 0; vez < 2; ++vez) {
            bool viu = false;
            QString foco;
            QTimer::singleShot(20, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                viu = modal == j->sobre;
                if (QApplication::focusWidget() != nullptr)
                    foco = QApplication::focusWidget()->objectName();
                QTest::keyClick(modal, Qt::Key_Return);
            });
            j->acao("Sobre")->trigger();
            QVERIFY(viu);
            QCOMPARE(foco, QStringLiteral("FecharButton"));
            QVERIFY(!j->sobre->isVisible());
        }
    }

    void manualAbreSemBloquearAJanela() {
        j->acao("ManualItemMenu")->trigger();
        TManual* manual = j->principal->manual();
        QVERIFY(manual != nullptr);
        QVERIFY(manual->isVisible());
        QVERIFY(!manual->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        const QString texto = manual->navegador()->toPlainText();
        QVERIFY(texto.contains(QStringLiteral("Conteúdo")));
        QVERIFY(texto.contains(QStringLiteral("Classificação")));
        QVERIFY(texto.contains(QStringLiteral("150|4#")));
        // The main window goes on working meanwhile.
        j->spin("LinhaNeuronioSpinEdit")->setText("4");
        QCOMPARE(j->grade()->rowCount(), 4);
        j->acao("ManualItemMenu")->trigger();
        QCOMPARE(j->principal->manual(), manual);  // the same window, brought forward
    }

    // The English manual is a translation of the Portuguese one: every anchor, link (the lessons'
    // "licao:N" too) and picture of the Portuguese document is in it, a picture with text in its
    // English version under figuras/en/; every picture either manual names is a resource.
    void manualEmInglesTemAsAncorasELigacoesDoPortugues() {
        // The manual's resource is registered with its window.
        j->acao("ManualItemMenu")->trigger();
        const auto atributos = [](const QString& recurso) {
            QFile f(recurso);
            if (!f.open(QIODevice::ReadOnly)) return QSet<QString>{};
            static const QRegularExpression re(QStringLiteral("\\b(id|href|src)=\"([^\"]+)\""));
            QSet<QString> achados;
            for (const QRegularExpressionMatch& m : re.globalMatch(QString::fromUtf8(f.readAll())))
                achados.insert(m.captured(1) + QLatin1Char('=') + m.captured(2));
            return achados;
        };
        const QSet<QString> pt = atributos(QLatin1Char(':') + TManual::endereco().path());
        const QSet<QString> en = atributos(QStringLiteral(":/manual/manual-en.html"));
        QVERIFY(pt.contains(QStringLiteral("id=conteudo")));
        QVERIFY(pt.contains(QStringLiteral("href=licao:1")));
        for (const QString& a : pt + en) {
            if (a.startsWith(QLatin1String("src=")))
                QVERIFY2(QFile::exists(QStringLiteral(":/manual/") + a.mid(4)), qPrintable(a));
        }
        QSet<QString> enComoPt;
        for (QString a : en)
            enComoPt.insert(a.replace(QLatin1String("=figuras/en/"), QLatin1String("=figuras/")));
        const QSet<QString> faltam = pt - enComoPt;
        QVERIFY2(
            faltam.isEmpty(),
            qPrintable(QStringList(faltam.cbegin(), faltam.cend()).join(QStringLiteral(", "))));
    }

  private:
    std::unique_ptr<Janelas> j;
    PastaTemporaria pasta;
};

QTEST_MAIN(TesteJanelasSecundarias)
#include "TesteJanelasSecundarias.moc"

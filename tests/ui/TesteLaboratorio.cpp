// The laboratory window driven as a student drives it, and the hexagonal cells' hit-testing.

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCursor>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <random>

#include "../comum/ArquivoTemporario.h"
#include "../comum/Pdf.h"
#include "Janelas.h"
#include "UAjustesLab.h"
#include "UCodebook.h"
#include "UDialogos.h"
#include "UFormComparacao.h"
#include "UFormExplorador.h"
#include "UFormLaboratorio.h"
#include "UFormLicoes.h"
#include "UImportacao.h"
#include "ULayoutMapa.h"
#include "UManual.h"
#include "UNumeros.h"
#include "UPintura.h"
#include "UVistaMapa.h"

class TesteLaboratorio : public QObject {
    Q_OBJECT

    template <class T>
    T* filho(const char* nome) const {
        T* w = lab->findChild<T*>(QString::fromLatin1(nome));
        if (w == nullptr) qFatal("componente %s não encontrado", nome);
        return w;
    }
    void clica(const char* nome) const {
        auto* b = filho<QAbstractButton>(nome);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    bool esperaConcluir(int ms) const {
        QSignalSpy fim(lab, &TFormLaboratorio::treinoConcluido);
        return fim.wait(ms);
    }

    std::unique_ptr<Janelas> j;
    TFormLaboratorio* lab = nullptr;
    PastaTemporaria pasta;

  private Q_SLOTS:
    void initTestCase() {
        // The window's preferences go to the test's own folder, and each test starts without any;
        // generated data go to Qt's test folders.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(pasta.arquivo("preferencias")));
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        QSettings(QStringLiteral("Norvika"), QStringLiteral("Laboratorio")).clear();
        QSettings(QStringLiteral("Norvika"), QStringLiteral("Vistas")).clear();
        defineSeparadorDecimal(',');
        j = std::make_unique<Janelas>();
        j->acao("LaboratorioItemMenu")->trigger();
        lab = j->principal->laboratorio();
        QVERIFY(lab != nullptr && lab->isVisible());
        QCOMPARE(lab->windowTitle(), QStringLiteral("Laboratório — Norvika"));
    }
    void cleanup() {
        lab = nullptr;
        j.reset();
    }

    void treinaParaSalvaEReabre() {
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt")));
        QCOMPARE(filho<QLabel>("LabDadosLabel")->text().section(u'\n', 0, 0),
                 QStringLiteral("150 padrões, 4 atributos, 3 rótulos"));
        filho<QSpinBox>("LabLinhasSpin")->setValue(6);
        filho<QSpinBox>("LabColunasSpin")->setValue(8);
        filho<QComboBox>("LabTopologiaCombo")->setCurrentText(QStringLiteral("Hexagonal"));
        filho<QComboBox>("LabVizinhancaCombo")->setCurrentText(QStringLiteral("Gaussiana"));
        filho<QComboBox>("LabModoCombo")->setCurrentText(QStringLiteral("Lote"));
        QVERIFY(!filho<QLineEdit>("LabTaxaInicialEdit")->isEnabled());
        filho<QLineEdit>("LabRaioInicialEdit")->setText(QStringLiteral("4"));
        filho<QSpinBox>("LabEpocasSpin")->setValue(30);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        QVERIFY(lab->sessao().temMapa() && !lab->sessao().parado());
        QVERIFY(
            filho<QLabel>("LabErrosLabel")->text().startsWith(QStringLiteral("Quantização: 0,")));
        // The same map as norvika-lab gives for these settings.
        TConfiguracaoLab c;
        c.grade = {6, 8, TTopologiaLab::hexagonal, false};
        c.modo = TModoLab::lote;
        c.raio = {4, 0};
        c.epocas = 30;
        const TResultadoLab esperado = treinaLab(lab->sessao().carga().dados, c);
        QCOMPARE(lab->sessao().codebook().pesos, esperado.pesos);

        // A long online training on a large map, stopped: the window answers at once and keeps
        // the map as it stood.
        filho<QComboBox>("LabModoCombo")->setCurrentText(QStringLiteral("Online"));
        filho<QSpinBox>("LabLinhasSpin")->setValue(60);
        filho<QSpinBox>("LabColunasSpin")->setValue(60);
        filho<QSpinBox>("LabEpocasSpin")->setValue(100000);
        clica("LabTreinarButton");
        QVERIFY(filho<QPushButton>("LabPararButton")->isEnabled());
        QVERIFY(!filho<QPushButton>("LabTreinarButton")->isEnabled());
        QTest::qWait(300);
        QElapsedTimer relogio;
        relogio.start();
        QTest::keyClick(lab, Qt::Key_Escape);
        QVERIFY(esperaConcluir(5000));
        // The stop itself takes milliseconds; the bound leaves room for a loaded machine.
        QVERIFY2(relogio.elapsed() < 1000, qPrintable(QString::number(relogio.elapsed())));
        QVERIFY(lab->sessao().parado() && lab->sessao().grade().colunas == 60);

        // Trained again, saved as a codebook and opened back: the same bits.
        filho<QSpinBox>("LabLinhasSpin")->setValue(4);
        filho<QSpinBox>("LabColunasSpin")->setValue(6);
        filho<QSpinBox>("LabEpocasSpin")->setValue(5);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        const std::vector<double> pesos = lab->sessao().codebook().pesos;
        const QString cod = QString::fromStdString(pasta.arquivo("mapa.cod"));
        j->respostas << cod;
        clica("LabSalvarButton");
        QVERIFY(j->tomaTextos().isEmpty());
        QCOMPARE(leCodebook(cod.toStdString()).pesos, pesos);
        filho<QSpinBox>("LabLinhasSpin")->setValue(9);
        j->respostas << cod;
        clica("LabAbrirMapaButton");
        QVERIFY(j->tomaTextos().isEmpty());
        QCOMPARE(lab->sessao().codebook().pesos, pesos);
        QCOMPARE(filho<QSpinBox>("LabLinhasSpin")->value(), 4);
    }

    // Closing the window during a training leaves what Parar leaves: the status and the bar at
    // the epoch it stopped in, and the stopped run in the list.
    void fecharDuranteOTreinoEquivaleAParar_data() {
        QTest::addColumn<bool>("fecha");
        QTest::newRow("Parar") << false;
        QTest::newRow("fechar") << true;
    }
    void fecharDuranteOTreinoEquivaleAParar() {
        QFETCH(bool, fecha);
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt")));
        filho<QSpinBox>("LabLinhasSpin")->setValue(30);
        filho<QSpinBox>("LabColunasSpin")->setValue(30);
        filho<QSpinBox>("LabEpocasSpin")->setValue(100000);
        clica("LabTreinarButton");
        QTest::qWait(300);
        if (fecha) {
            lab->close();
            j->acao("LaboratorioItemMenu")->trigger();
            QVERIFY(lab->isVisible() && !lab->sessao().treinando());
        } else {
            clica("LabPararButton");
            QVERIFY(esperaConcluir(5000));
        }
        const TSessaoLab::TAndamento a = lab->sessao().andamento();
        QVERIFY(lab->sessao().parado() && a.epocas < a.totalEpocas);
        QCOMPARE(filho<QLabel>("LabStatusLabel")->text(),
                 QStringLiteral("Parado na época %1 de 100000.").arg(a.epocas));
        QCOMPARE(filho<QProgressBar>("LabProgresso")->value(), static_cast<int>(a.epocas));
        QCOMPARE(filho<QListWidget>("LabHistoricoLista")->count(), 1);
        QVERIFY(lab->sessao().execucoes()[0].parada);
    }

    // Each run's thumbnail is drawn once: neither a training's end nor Excluir draws the listed
    // runs' again, so both cost the same with one run or fifty.
    void miniaturasDesenhadasUmaVezPorExecucao() {
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/animais.txt")));
        filho<QSpinBox>("LabLinhasSpin")->setValue(2);
        filho<QSpinBox>("LabColunasSpin")->setValue(2);
        filho<QLineEdit>("LabRaioInicialEdit")->setText(QStringLiteral("1"));
        filho<QSpinBox>("LabEpocasSpin")->setValue(1);
        for (int i = 0; i < 50; ++i) {
            clica("LabTreinarButton");
            QVERIFY(esperaConcluir(20000));
        }
        auto* lista = filho<QListWidget>("LabHistoricoLista");
        QCOMPARE(lista->count(), 50);
        QCOMPARE(lab->miniaturasDesenhadas(), 50);
        lista->item(10)->setSelected(true);
        clica("LabExcluirButton");
        QCOMPARE(lista->count(), 49);
        QCOMPARE(lista->item(10)->text(), QStringLiteral("Treino 12"));
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        QCOMPARE(lab->miniaturasDesenhadas(), 51);
        QCOMPARE(lista->item(49)->text(), QStringLiteral("Treino 51"));
    }

    // Two steps of online training: the panel tells the pattern, its winner and its weights; a
    // step in batch mode is refused.
    void passoAPassoMostraOPadraoEOVencedor() {
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/animais.txt")));
        filho<QComboBox>("LabOrdemCombo")->setCurrentText(QStringLiteral("Arquivo"));
        clica("LabPassoButton");
        clica("LabPassoButton");
        QVERIFY(j->tomaTextos().isEmpty());
        const QString painel = filho<QPlainTextEdit>("LabPainelNeuronio")->toPlainText();
        QVERIFY2(painel.startsWith(QStringLiteral("Época 1 de 100, padrão 2 de 16 (galinha)")),
                 qPrintable(painel));
        QVERIFY(painel.contains(QStringLiteral("Pesos antes → depois:")));
        QVERIFY(lab->sessao().emPassos());
        // A step searches no pattern but its own: the map knows the two winners found so far.
        const std::vector<std::int32_t>& vencedores = lab->sessao().mapa()->vencedorDoPadrao;
        QCOMPARE(std::count_if(vencedores.begin(), vencedores.end(),
                               [](std::int32_t v) { return v >= 0; }),
                 2);
        filho<QComboBox>("LabModoCombo")->setCurrentText(QStringLiteral("Lote"));
        clica("LabPassoButton");
        QCOMPARE(j->tomaTextos(),
                 QStringList{
                     QStringLiteral("O treino passo a passo é o online: escolha o modo Online.")});
    }

    // Two runs that differ in two settings: the comparison highlights exactly those; a run is
    // renamed, reopened (its settings back in the controls), its winners and its replay exported.
    void execucoesComparadasEReabertas() {
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt")));
        filho<QSpinBox>("LabLinhasSpin")->setValue(4);
        filho<QSpinBox>("LabColunasSpin")->setValue(6);
        filho<QComboBox>("LabModoCombo")->setCurrentText(QStringLiteral("Lote"));
        filho<QSpinBox>("LabEpocasSpin")->setValue(10);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        filho<QComboBox>("LabVizinhancaCombo")->setCurrentText(QStringLiteral("Bolha"));
        filho<QLineEdit>("LabRaioInicialEdit")->setText(QStringLiteral("3"));
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        auto* lista = filho<QListWidget>("LabHistoricoLista");
        QCOMPARE(lista->count(), 2);
        lista->item(1)->setText(QStringLiteral("bolha"));
        QCOMPARE(lab->sessao().execucoes()[1].nome, std::string("bolha"));
        lista->selectAll();
        clica("LabCompararButton");
        QVERIFY(lab->comparacao() != nullptr);
        QCOMPARE(lab->comparacao()->destacadas(),
                 (QStringList{QStringLiteral("Vizinhança"), QStringLiteral("Raio inicial")}));
        QCOMPARE(lab->comparacao()
                     ->findChild<QComboBox*>(QStringLiteral("LabComparacaoVistaSeletor"))
                     ->currentText(),
                 QStringLiteral("Rótulos"));
        QVERIFY(lab->comparacao()
                    ->findChild<QCheckBox*>(QStringLiteral("ComparacaoMesmaEscalaCheckBox"))
                    ->isChecked());
        // The property, the clusters' number and their borders go to both maps alike.
        TFormComparacao& c = *lab->comparacao();
        c.findChild<QComboBox*>(QStringLiteral("ComparacaoPropriedadeCombo"))->setCurrentIndex(3);
        c.findChild<QSpinBox*>(QStringLiteral("ComparacaoAgrupamentosSpin"))->setValue(4);
        c.findChild<QCheckBox*>(QStringLiteral("ComparacaoAgrupamentosCheckBox"))->setChecked(true);
        for (const char* nome : {"LabComparacaoVistaA", "LabComparacaoVistaB"}) {
            const TOpcoesVista& o = c.findChild<TVistaMapa*>(QString::fromLatin1(nome))->opcoes();
            QCOMPARE(std::tuple(o.propriedade, o.grupos, o.mostraGrupos), std::tuple(3, 4, true));
        }
        lista->clearSelection();
        lista->item(0)->setSelected(true);
        clica("LabReabrirButton");
        QCOMPARE(filho<QComboBox>("LabVizinhancaCombo")->currentText(),
                 QStringLiteral("Gaussiana"));
        QCOMPARE(filho<QLineEdit>("LabRaioInicialEdit")->text(), QStringLiteral("5"));
        QCOMPARE(lab->sessao().codebook().pesos, lab->sessao().execucoes()[0].pesos);
        const QString csv = QString::fromStdString(pasta.arquivo("vencedores.csv"));
        QCOMPARE(lab->exportaVencedores(csv), QString());
        QCOMPARE(QString::fromStdString(PastaTemporaria::le(csv.toStdString())).count(u'\n'), 151);
        // The reopened run's replay, as a GIF for slides.
        const std::string gif = pasta.arquivo("reprise.gif");
        j->respostas << QString::fromStdString(gif);
        clica("LabExportarAnimacaoButton");
        QCOMPARE(PastaTemporaria::le(gif).substr(0, 6), std::string("GIF89a"));
    }

    // A session saved with its runs, view and selection opens over other data as it was, and
    // saved again gives the same bytes; a truncated file changes nothing; quitting with runs not
    // saved asks first.
    void sessaoSalvaEReabertaComoEstava() {
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt")));
        filho<QSpinBox>("LabLinhasSpin")->setValue(4);
        filho<QSpinBox>("LabColunasSpin")->setValue(5);
        filho<QComboBox>("LabModoCombo")->setCurrentText(QStringLiteral("Lote"));
        filho<QSpinBox>("LabEpocasSpin")->setValue(5);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        filho<QLineEdit>("LabRaioInicialEdit")->setText(QStringLiteral("3"));
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        filho<QComboBox>("LabVistaSeletor")->setCurrentText(QStringLiteral("Matriz-U"));
        filho<QCheckBox>("AgrupamentosCheckBox")->setChecked(true);
        // A number of clusters other than the map's suggestion, and the third attribute.
        auto* grupos = filho<QSpinBox>("AgrupamentosSpin");
        const int k = grupos->value() == 3 ? 4 : 3;
        grupos->setValue(k);
        filho<QComboBox>("PropriedadeCombo")->setCurrentIndex(2);
        auto* lista = filho<QListWidget>("LabHistoricoLista");
        lista->selectAll();
        const QString primeira = QString::fromStdString(pasta.arquivo("aula.norvika-lab"));
        j->respostas << primeira;
        clica("LabSalvarSessaoButton");
        QVERIFY(QFileInfo::exists(primeira));
        QVERIFY(!lab->sessao().alterada());

        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/animais.txt")));
        filho<QSpinBox>("LabLinhasSpin")->setValue(9);
        filho<QComboBox>("LabVistaSeletor")->setCurrentText(QStringLiteral("Acertos"));
        filho<QCheckBox>("AgrupamentosCheckBox")->setChecked(false);
        QCOMPARE(lab->abreSessao(primeira), QString());
        QVERIFY(filho<QCheckBox>("AgrupamentosCheckBox")->isChecked());
        QCOMPARE(grupos->value(), k);
        QCOMPARE(filho<QComboBox>("PropriedadeCombo")->currentIndex(), 2);
        QCOMPARE(filho<TVistaMapa>("LabVista")->opcoes().grupos, k);
        QCOMPARE(filho<TVistaMapa>("LabVista")->opcoes().propriedade, 2);
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lista->selectedItems().size(), 2);
        QCOMPARE(filho<QComboBox>("LabVistaSeletor")->currentText(), QStringLiteral("Matriz-U"));
        QCOMPARE(filho<QSpinBox>("LabLinhasSpin")->value(), 4);
        QCOMPARE(filho<QLineEdit>("LabRaioInicialEdit")->text(), QStringLiteral("3"));
        QVERIFY(filho<QLabel>("LabArquivoLabel")->text() == QStringLiteral("iris.txt"));
        QCOMPARE(lab->sessao().codebook().pesos, lab->sessao().execucoes()[1].pesos);
        const std::string segunda = pasta.arquivo("de-novo.norvika-lab");
        QCOMPARE(lab->salvaSessao(QString::fromStdString(segunda)), QString());
        QCOMPARE(PastaTemporaria::le(segunda), PastaTemporaria::le(primeira.toStdString()));

        const std::string inteira = PastaTemporaria::le(segunda);
        const std::string cortada = pasta.escreve("cortada.norvika-lab", inteira.substr(0, 900));
        QVERIFY(!lab->abreSessao(QString::fromStdString(cortada)).isEmpty());
        QCOMPARE(lista->count(), 2);
        QCOMPARE(lab->sessao().codebook().pesos, lab->sessao().execucoes()[1].pesos);

        lista->item(0)->setText(QStringLiteral("renomeada"));
        j->mensagens.clear();
        j->principal->close();
        QCOMPARE(j->mensagens.size(), 1);
        QCOMPARE(j->mensagens[0].tipo, UMensagens::Tipo::Pergunta);
    }

    // A table reaches the laboratory without a pattern file: "Abrir no laboratório" from the main
    // window's import, or Importar from the laboratory's with the save cancelled; either way it
    // trains from memory.
    void tabelaImportadaTreinaDaMemoria_data() {
        QTest::addColumn<bool>("daPrincipal");
        QTest::newRow("Abrir no laboratório") << true;
        QTest::newRow("salvar cancelado") << false;
    }
    void tabelaImportadaTreinaDaMemoria() {
        QFETCH(bool, daPrincipal);
        UDialogos::defineExecutor([&](QDialog& d) {
            d.findChild<QPushButton*>(daPrincipal ? "AbrirNoLaboratorioButton" : "ImportarButton")
                ->click();
            return d.result();
        });
        const QString tabela = QStringLiteral(NORVIKA_EXEMPLOS "/iris.csv");
        if (daPrincipal) {
            lab->close();
            j->respostas << tabela;
            j->acao("ImportarItemMenu")->trigger();
            QVERIFY(lab->isVisible());
        } else {
            QVERIFY(lab->abreDados(tabela));
        }
        UDialogos::defineExecutor({});
        QCOMPARE(filho<QLabel>("LabDadosLabel")->text().section(u'\n', 0, 0),
                 QStringLiteral("150 padrões, 4 atributos, 3 rótulos"));
        QCOMPARE(filho<QLabel>("LabArquivoLabel")->text(), QStringLiteral("iris.csv"));
        QVERIFY(lab->sessao().carga().importado);
        filho<QSpinBox>("LabEpocasSpin")->setValue(2);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        QCOMPARE(lab->sessao().execucoes().size(), std::size_t{1});
    }

    // The comparison opens on what says something about the data: labels when the patterns have
    // them, the net in its plane for two attributes, the U-matrix otherwise.
    void comparacaoAbreNaVistaDosDados() {
        struct Caso {
            std::vector<std::int32_t> rotulos;
            std::int32_t dimensao;
            TTipoVista vista;
        };
        for (const Caso& c :
             {Caso{{-1, 0, -1}, 4, TTipoVista::Rotulos}, Caso{{-1, -1, -1}, 2, TTipoVista::Espaco},
              Caso{{}, 4, TTipoVista::MatrizU}}) {
            TDadosMapa mapa;
            mapa.dimensao = c.dimensao;
            auto extras = std::make_shared<TExtrasMapa>();
            extras->rotuloDoPadrao = c.rotulos;
            mapa.padroes = extras;
            QCOMPARE(TFormComparacao::vistaInicial(mapa), c.vista);
        }
    }

    // Sugerir on iris: 5 sqrt(150) = 61 units in the ratio of the spreads along the two principal
    // components (sqrt(4,228 / 0,2427) = 4,17): 4 rows of 15, radius 7,5 to 1, 50 x 60 / 150 = 20
    // epochs, hexagonal, Gaussian, batch, from the principal plane.
    void sugerirNaIris() {
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt")));
        clica("LabSugerirButton");
        QCOMPARE(filho<QSpinBox>("LabLinhasSpin")->value(), 4);
        QCOMPARE(filho<QSpinBox>("LabColunasSpin")->value(), 15);
        QCOMPARE(filho<QLineEdit>("LabRaioInicialEdit")->text(), QStringLiteral("7,5"));
        QCOMPARE(filho<QLineEdit>("LabRaioFinalEdit")->text(), QStringLiteral("1"));
        QCOMPARE(filho<QSpinBox>("LabEpocasSpin")->value(), 20);
        QCOMPARE(filho<QComboBox>("LabTopologiaCombo")->currentText(), QStringLiteral("Hexagonal"));
        QCOMPARE(filho<QComboBox>("LabVizinhancaCombo")->currentText(),
                 QStringLiteral("Gaussiana"));
        QCOMPARE(filho<QComboBox>("LabModoCombo")->currentText(), QStringLiteral("Lote"));
        QCOMPARE(filho<QComboBox>("LabInicioCombo")->currentText(), QStringLiteral("Linear"));
    }

    // "Linha 1 embaixo" draws a map as R's kohonen does: the unit at the bottom left is row 1,
    // column 1, on square and hexagonal grids alike, for the click as for the picture; the
    // choice comes back with the window, and the explorer shares it.
    void linhaUmEmbaixo_data() {
        QTest::addColumn<bool>("hexagonal");
        QTest::newRow("retangular") << false;
        QTest::newRow("hexagonal") << true;
    }
    void linhaUmEmbaixo() {
        QFETCH(bool, hexagonal);
        auto d = std::make_shared<TDadosMapa>();
        d->forma = hexagonal ? TFormaMapa::hexagonal : TFormaMapa::retangular;
        d->linhas = 4;
        d->colunas = 5;
        d->dimensao = 1;
        d->pesos.assign(20, 0.0);
        d->contagens.assign(20, 0);
        d->rotulos.assign(20, {});
        d->u.assign(20, 0.0);
        auto* vista = filho<TVistaMapa>("LabVista");
        vista->defineDados(d);
        vista->defineTipo(TTipoVista::Rotulos);
        const TGradeCelulas g =
            layoutDaVista(TTipoVista::Rotulos, *d, QRectF(vista->rect()), true).grade;
        const QPoint embaixoAEsquerda =
            QPointF(g.mapa.left() + 0.75 * g.lado, g.mapa.bottom() - g.lado / 2).toPoint();
        auto* caixa = filho<QCheckBox>("LinhaUmEmbaixoCheckBox");
        QVERIFY(!caixa->isChecked());
        QCOMPARE(vista->neuronioEm(embaixoAEsquerda), 15);  // row 4, column 1
        QTest::mouseClick(caixa, Qt::LeftButton, {}, caixa->rect().center());
        QVERIFY(caixa->isChecked());
        QCOMPARE(vista->neuronioEm(embaixoAEsquerda), 0);
        lab->close();
        j.reset();
        j = std::make_unique<Janelas>();
        j->acao("LaboratorioItemMenu")->trigger();
        lab = j->principal->laboratorio();
        QVERIFY(filho<QCheckBox>("LinhaUmEmbaixoCheckBox")->isChecked());
        QVERIFY(filho<TVistaMapa>("LabVista")->linhaUmEmbaixo());
        j->acao("ExploradorItemMenu")->trigger();
        auto* explorador = j->principal->explorador();
        QVERIFY(explorador->findChild<QCheckBox*>(QStringLiteral("LinhaUmEmbaixoCheckBox"))
                    ->isChecked());
    }

    // The settings and the layout survive closing the window and the program.
    void preferenciasVoltamDepoisDeReabrir() {
        filho<QSpinBox>("LabLinhasSpin")->setValue(7);
        filho<QComboBox>("LabVizinhancaCombo")->setCurrentText(QStringLiteral("Bolha"));
        filho<QLineEdit>("LabRaioInicialEdit")->setText(QStringLiteral("2,5"));
        filho<QCheckBox>("LabToroidalCheckBox")->setChecked(true);
        lab->close();
        j.reset();
        j = std::make_unique<Janelas>();
        j->acao("LaboratorioItemMenu")->trigger();
        lab = j->principal->laboratorio();
        QCOMPARE(filho<QSpinBox>("LabLinhasSpin")->value(), 7);
        QCOMPARE(filho<QComboBox>("LabVizinhancaCombo")->currentText(), QStringLiteral("Bolha"));
        QCOMPARE(filho<QLineEdit>("LabRaioInicialEdit")->text(), QStringLiteral("2,5"));
        QVERIFY(filho<QCheckBox>("LabToroidalCheckBox")->isChecked());
    }

    // The view comes back after a reopening; the number an older program kept for its last choice
    // (6, the error curve) still names the curve, though views now stand before it.
    void vistaGuardadaVoltaDepoisDeReabrir_data() {
        QTest::addColumn<QString>("escolhida");
        QTest::addColumn<QVariant>("guardada");
        QTest::addColumn<QString>("esperada");
        QTest::newRow("nova") << QStringLiteral("Agrupamentos") << QVariant() << "Agrupamentos";
        QTest::newRow("curva de antes")
            << QStringLiteral("Rótulos") << QVariant(6) << "Curva de erro";
    }
    void vistaGuardadaVoltaDepoisDeReabrir() {
        QFETCH(QString, escolhida);
        QFETCH(QVariant, guardada);
        QFETCH(QString, esperada);
        filho<QComboBox>("LabVistaSeletor")->setCurrentText(escolhida);
        lab->close();
        j.reset();
        if (guardada.isValid())
            QSettings(QStringLiteral("Norvika"), QStringLiteral("Laboratorio"))
                .setValue(QStringLiteral("LabVistaSeletor"), guardada);
        j = std::make_unique<Janelas>();
        j->acao("LaboratorioItemMenu")->trigger();
        lab = j->principal->laboratorio();
        QCOMPARE(filho<QComboBox>("LabVistaSeletor")->currentText(), esperada);
    }

    // A map of the laboratory has its patterns' values for the property view, and the clusters'
    // number starts at the map's suggestion.
    void gruposEPropriedadeNoLaboratorio() {
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt")));
        filho<QSpinBox>("LabEpocasSpin")->setValue(10);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        const auto* vista = filho<TVistaMapa>("LabVista");
        filho<QComboBox>("LabVistaSeletor")->setCurrentText(QStringLiteral("Agrupamentos"));
        const TDadosMapa& d = *lab->sessao().mapa();
        QCOMPARE(filho<QSpinBox>("AgrupamentosSpin")->value(), d.kGruposSugerido());
        QCOMPARE(vista->opcoes().grupos, d.kGruposSugerido());
        QVERIFY(d.temValores());
        QCOMPARE(filho<QComboBox>("PropriedadeCombo")->count(), 4);
        // The person's number stays for the next map of the same grid; another grid gets its own
        // suggestion.
        auto* spin = filho<QSpinBox>("AgrupamentosSpin");
        const int escolhido = spin->value() == 5 ? 6 : 5;
        spin->setValue(escolhido);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        QCOMPARE(std::pair(spin->value(), vista->opcoes().grupos), std::pair(escolhido, escolhido));
        filho<QSpinBox>("LabLinhasSpin")->setValue(3);
        filho<QSpinBox>("LabColunasSpin")->setValue(4);
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(20000));
        QCOMPARE(spin->value(), lab->sessao().mapa()->kGruposSugerido());
    }

    // A column of the table left out of the training is still offered per unit: on a map of one
    // unit its mean is the column's mean (iris's petal width: 1.199333…).
    void colunaForaDoTreinoViraPropriedade() {
        TOpcoesImportacao o;
        o.ignorar = {"largura da pétala (cm)"};
        const std::string tabela = NORVIKA_EXEMPLOS "/iris.csv";
        TSessaoLab sessao;
        sessao.defineDados(cargaDaImportacao(importaTabela(tabela, o)), tabela);
        TCodebook c;
        c.dimensao = 3;
        c.linhas = c.colunas = 1;
        c.pesos = {5.8, 3.0, 3.7};
        sessao.defineMapa(c);
        const TDadosMapa& d = *sessao.mapa();
        QCOMPARE(d.propriedades(), 4);
        QCOMPARE(nomeDoAtributo(d, 3), QStringLiteral("largura da pétala (cm)"));
        QVERIFY(std::abs(d.mediaDoAtributo(3).at(0) - 179.9 / 150) < 1e-12);
    }

    // The controls hold every setting of the table: a configuration shown and read back is the
    // same, a seed of 2^64 - 1 included, and each combo lists its setting's options in order.
    void configuracaoIdaEVoltaPelosControles() {
        TConfiguracaoLab c;
        c.grade = {6, 8, TTopologiaLab::retangular, true};
        c.modo = TModoLab::online;
        c.vizinhanca = TVizinhancaLab::bolha;
        c.raio = {3.25, 0.5};
        c.taxa = {0.2, 0.125};
        c.decaimento = TDecaimentoLab::exponencial;
        c.epocas = 17;
        c.ordem = TOrdemLab::arquivo;
        c.inicio = TInicioLab::canto;
        c.semente = 18446744073709551615u;
        lab->mostraConfiguracao(c);
        QCOMPARE(filho<QLineEdit>("LabSementeEdit")->text(),
                 QStringLiteral("18446744073709551615"));
        QString motivo;
        const std::optional<TConfiguracaoLab> lida = lab->configuracao(motivo);
        QVERIFY2(lida.has_value(), qPrintable(motivo));
        QVERIFY(*lida == c);
        for (const TDescricaoAjusteLab& s : ajustesLab()) {
            QVERIFY2(lab->findChild<QWidget*>(QString::fromLatin1(s.controle)), s.controle);
            const auto* combo = lab->findChild<QComboBox*>(QString::fromLatin1(s.controle));
            if (combo == nullptr) continue;
            for (int i = 0; i < combo->count(); ++i)
                QCOMPARE(combo->itemText(i),
                         QString::fromUtf8(s.escolhas[static_cast<std::size_t>(i)].texto));
        }
    }

    void configuracaoRecusadaNaoTreina_data() {
        QTest::addColumn<QString>("raio");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("raio") << "abc" << 4 << "Raio inicial: \"abc\" não é um número.";
        QTest::newRow("toro") << "2" << 5
                              << "Um mapa hexagonal toroidal precisa de um número par de linhas.";
    }
    void configuracaoRecusadaNaoTreina() {
        QFETCH(QString, raio);
        QFETCH(int, linhas);
        QFETCH(QString, mensagem);
        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/animais.txt")));
        filho<QLineEdit>("LabRaioInicialEdit")->setText(raio);
        filho<QSpinBox>("LabLinhasSpin")->setValue(linhas);
        filho<QCheckBox>("LabToroidalCheckBox")->setChecked(true);
        clica("LabTreinarButton");
        QCOMPARE(j->tomaTextos(), QStringList{mensagem});
        QVERIFY(!lab->sessao().treinando() && !lab->sessao().temMapa());
    }

    // On a hexagonal map a click selects the hexagon under it: the unit whose centre is nearest
    // (hexagons are exactly those cells), also near a corner, where a square would say otherwise.
    void hexagonoSobOClique() {
        const TGradeCelulas g = TGradeCelulas::em(QRectF(0, 0, 500, 400), 5, 6, 0.0, true);
        std::mt19937 sorteio(7);
        std::uniform_real_distribution<double> x(g.mapa.left(), g.mapa.right());
        std::uniform_real_distribution<double> y(g.mapa.top(), g.mapa.bottom());
        int quinas = 0;
        for (int i = 0; i < 2000; ++i) {
            const QPointF p(x(sorteio), y(sorteio));
            std::int32_t perto = -1;
            double menor = 1e300;
            for (std::int32_t a = 0; a < 30; ++a) {
                const QPointF d = g.centro(a) - p;
                const double d2 = d.x() * d.x() + d.y() * d.y();
                if (d2 < menor) {
                    menor = d2;
                    perto = a;
                }
            }
            // Outside every hexagon (the map's jagged edge) no unit is hit.
            const double raio = g.lado / std::sqrt(3.0);
            std::int32_t sob = -1;
            for (std::int32_t a = 0; a < 30; ++a)
                if (g.contem(a, p)) sob = a;
            if (sob < 0) {
                QVERIFY(std::sqrt(menor) > g.lado / 2 - 1e-9);
                continue;
            }
            QCOMPARE(sob, perto);
            // A point of this hexagon that its square cell would give to another unit.
            const QPointF d = p - g.centro(sob);
            if (std::abs(d.y()) > raio / 2) ++quinas;
        }
        QVERIFY(quinas > 100);
    }

    // A lesson prepared from its window and trained: the ring on the cities, its tour and the
    // replay; the classic lesson's settings; the answers behind their buttons; a generated file.
    // Lesson 3 after lesson 2: the same square, so lesson 2's run stays listed and is compared
    // with lesson 3's; other data grey both, and no map is shown on data it was not trained on.
    void licoesSeguidasMantemAsExecucoes() {
        j->acao("LicoesItemMenu")->trigger();
        TFormLicoes* licoes = j->principal->licoes();
        QVERIFY(licoes != nullptr);
        auto* preparar = licoes->findChild<QPushButton*>(QStringLiteral("PrepararLicaoButton"));
        licoes->escolhe(1);
        QTest::mouseClick(preparar, Qt::LeftButton, {}, preparar->rect().center());
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(30000));
        licoes->escolhe(2);
        QTest::mouseClick(preparar, Qt::LeftButton, {}, preparar->rect().center());
        auto* lista = filho<QListWidget>("LabHistoricoLista");
        QCOMPARE(lista->count(), 1);
        QVERIFY(!lab->sessao().temMapa());
        QCOMPARE(filho<QLabel>("LabErrosLabel")->text(),
                 QStringLiteral("Quantização: –   Topográfico: –"));
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(30000));
        lista->selectAll();
        QVERIFY(filho<QPushButton>("LabCompararButton")->isEnabled());

        QVERIFY(lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt")));
        QCOMPARE(lista->count(), 2);
        QVERIFY(!lab->sessao().temMapa());
        QVERIFY2(lista->item(0)->toolTip().startsWith(QStringLiteral("Treinada em ")),
                 qPrintable(lista->item(0)->toolTip()));
        QVERIFY(lista->item(1)->toolTip().contains(
            QStringLiteral(": não pode ser comparada com execuções de outros dados.\n")));
    }

    void licoesPreparadasETreinadas() {
        j->acao("LicoesItemMenu")->trigger();
        TFormLicoes* licoes = j->principal->licoes();
        QVERIFY(licoes != nullptr && licoes->isVisible());
        // An answer's quotes are shown as quotes, not as escaped HTML.
        licoes->escolhe(0);
        const auto* aspas = licoes->findChild<QLabel*>(QStringLiteral("LicaoRespostaLabel3"));
        QVERIFY(aspas != nullptr && aspas->text().contains(QStringLiteral("\"vermelho\"")));
        licoes->escolhe(5);
        auto* resposta = licoes->findChild<QLabel*>(QStringLiteral("LicaoRespostaLabel1"));
        QVERIFY(resposta != nullptr && resposta->isHidden());
        auto* mostrar = licoes->findChild<QPushButton*>(QStringLiteral("LicaoRespostaButton1"));
        QTest::mouseClick(mostrar, Qt::LeftButton, {}, mostrar->rect().center());
        QVERIFY(!resposta->isHidden());
        auto* preparar = licoes->findChild<QPushButton*>(QStringLiteral("PrepararLicaoButton"));
        QTest::mouseClick(preparar, Qt::LeftButton, {}, preparar->rect().center());
        QCOMPARE(lab->sessao().carga().dados.padroes(), std::size_t{30});
        QCOMPARE(filho<QSpinBox>("LabLinhasSpin")->value(), 1);
        QCOMPARE(filho<QSpinBox>("LabColunasSpin")->value(), 90);
        QVERIFY(filho<QCheckBox>("LabToroidalCheckBox")->isChecked());
        QCOMPARE(filho<QComboBox>("LabVistaSeletor")->currentText(),
                 QStringLiteral("Rede no espaço"));
        clica("LabTreinarButton");
        QVERIFY(esperaConcluir(30000));
        const auto& percurso = lab->sessao().mapa()->percurso;
        QVERIFY(percurso && percurso->cidades.size() == 30);
        QVERIFY(percurso->comprimento < percurso->vizinhoMaisProximo);
        auto* reprisa = filho<QSlider>("LabReprisaSlider");
        QVERIFY(!reprisa->isHidden());
        QCOMPARE(reprisa->maximum(), 300);
        reprisa->setValue(0);
        QCOMPARE(filho<QLabel>("LabReprisaLabel")->text(), QStringLiteral("Época 0 de 300"));
        QCOMPARE(filho<QLabel>("LabErrosLabel")->text(),
                 QStringLiteral("Quantização: –   Topográfico: –"));
        // The handout shows the ring the laboratory trained, on a page before the answers.
        const std::string folha = pasta.arquivo("licao-6.pdf");
        j->respostas << QString::fromStdString(folha);
        auto* imprimir = licoes->findChild<QPushButton*>(QStringLiteral("ImprimirFolhaButton"));
        QTest::mouseClick(imprimir, Qt::LeftButton, {}, imprimir->rect().center());
        QCOMPARE(j->dialogosAbertos.last(), QStringLiteral("FolhaLicaoDialog"));
        QCOMPARE(paginasDoPdf(PastaTemporaria::le(folha)), 5);

        licoes->escolhe(0);
        QTest::mouseClick(preparar, Qt::LeftButton, {}, preparar->rect().center());
        QVERIFY(j->edit("TreinamentoArqTextBox")->text().endsWith(u"/cores.txt"));
        QVERIFY(j->principal->explorador() && j->principal->explorador()->passoAPasso());
        QCOMPARE(j->principal->sementeFixa(), std::optional<std::uint32_t>(2026));
        QCOMPARE(j->principal->findChild<QComboBox*>("TipoVizinhancaComboBox")->currentText(),
                 QStringLiteral("MANHATTAN"));

        // The manual's lesson links open the panel at that lesson.
        auto* manual = licoes->findChild<QPushButton*>(QStringLiteral("LicaoManualButton"));
        QTest::mouseClick(manual, Qt::LeftButton, {}, manual->rect().center());
        QVERIFY(j->principal->manual() != nullptr);
        QTextBrowser* navegador = j->principal->manual()->navegador();
        QTextCursor link = navegador->document()->find(QStringLiteral("4. Dados reais"));
        QVERIFY(!link.isNull());
        navegador->setTextCursor(link);
        navegador->ensureCursorVisible();
        link.setPosition(link.selectionStart() + 3);
        QTest::mouseClick(navegador->viewport(), Qt::LeftButton, {},
                          navegador->cursorRect(link).center());
        QCOMPARE(licoes->licaoEscolhida(), 3);
        QTest::mouseClick(preparar, Qt::LeftButton, {}, preparar->rect().center());
        QCOMPARE(filho<QComboBox>("LabVistaSeletor")->currentText(), QStringLiteral("Matriz-U"));

        auto* demo = filho<QComboBox>("LabDemoCombo");
        demo->setCurrentIndex(demo->findText(QStringLiteral("Espiral")));
        filho<QSpinBox>("LabDemoPadroesSpin")->setValue(200);
        clica("LabGerarButton");
        QCOMPARE(lab->sessao().carga().dados.padroes(), std::size_t{200});
        QCOMPARE(lab->sessao().carga().dados.legenda.size(), std::size_t{3});
        QVERIFY(filho<QSlider>("LabReprisaSlider")->isHidden());
    }
};

QTEST_MAIN(TesteLaboratorio)
#include "TesteLaboratorio.moc"

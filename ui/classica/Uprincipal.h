#pragma once
// The main window: every command of the program is given here. Its controls hold the settings a
// command reads at the moment it runs; the handlers (under the names the program has always given
// them) read them, hand the session document (TSessao) a plain request, run its work on a worker
// behind the "Treinando" dialog, and write the results back into the controls.
//
// The window is untrained or trained; the state has no variable of its own: "Treinar!" enabled
// means untrained, "Limpar Treinamento" enabled means trained. The three switches between them
// (after a training, a clearing, a load) are written in one place, entraEstado.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "UArquivoPadroes.h"
#include "UBarraStatus.h"
#include "UGradeMapa.h"
#include "UManual.h"
#include "UMensagens.h"
#include "USessao.h"
#include "ui_Uprincipal.h"

class QAction;
class QFileDialog;
class QMenu;
class TEdicaoPendente;
class TFormExplorador;
class TFormLaboratorio;
class TFormLicoes;
class TFormInformacoes;
class TFormSobre;
class TManual;
struct TAndamento;
struct TClassicaLicao;

class TFormMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit TFormMain(QWidget* pai = nullptr);
    ~TFormMain() override;

    // The two secondary windows, created once at start-up and shown modally from here.
    void defineJanelas(TFormInformacoes* informacoes, TFormSobre* sobre) {
        informacoes_ = informacoes;
        sobre_ = sobre;
    }

    TRede& rede() { return sessao_.rede(); }
    const TRede& rede() const { return sessao_.rede(); }
    TManual* manual() const { return manual_.data(); }

    // Handlers, under the names the program has always used for them.
    void FormActivate();
    void TreinarButtonClick();
    void LimparButtonClick();
    void TreinamentoTabsheetShow();
    void ClassificacaoTabSheetShow();
    void QtdCiclosRadioButtonClick();
    void RaioRadioButtonClick();
    void TreinamentoArqBitBtnClick();
    void ClassificacaoArqBitBtnClick();
    void ValorInicialTextBoxExit();
    void SairItemMenuClick();
    void LinhaNeuronioSpinEditChange();
    void ColunaNeuronioSpinEditChange();
    void MapaNosGridSelectCell(int aCol, int aRow);
    void ClassificarButtonClick();
    void SalvarTreinamentoItemMenuClick();
    void CarregarTreinamentoItemMenuClick();
    void SobreClick();
    void ManualItemMenuClick();
    void ExploradorItemMenuClick();
    void LaboratorioItemMenuClick();
    void LicoesItemMenuClick();
    // The lessons panel (made on first use) at lesson i, from 0.
    void mostraLicao(int i);
    // A lesson's settings put into the training page as the user would type them, the pattern
    // file `arquivo` and the seed included; a map already trained is cleared first, as "Limpar
    // Treinamento" does.
    void preparaTreino(const QString& arquivo, const TClassicaLicao& ajustes);
    void escreveStatus(const QString& texto) { ui.StatusBar->setText(texto); }
    // Shows the laboratory, opening `arquivo` in it when given.
    void abreLaboratorio(const QString& arquivo = {});
    void SementeItemMenuClick();
    void ImportarItemMenuClick();

    // A file named on the command line, opened as the user would open it: a trained network
    // (".cfg") is loaded as by "Carregar Treinamento" once its dialog has given the file; a
    // pattern file (its first line a pattern header) has its full path put into the training
    // page's path box; any other file is a table, opened in "Importar dados".
    void abreArquivo(const QString& caminho);

    // The seed of the initial weights when the user fixed it (the menu or NORVIKA_SEMENTE); none
    // when the clock gives it.
    std::optional<std::uint32_t> sementeFixa() const { return sessao_.sementeFixa; }
    void defineSementeFixa(std::optional<std::uint32_t> semente) { sessao_.sementeFixa = semente; }

    // The map explorer, once opened.
    TFormExplorador* explorador() const { return explorador_.get(); }
    TFormLaboratorio* laboratorio() const { return laboratorio_.get(); }
    TFormLicoes* licoes() const { return licoes_.get(); }

    bool getConfiguracao();
    void constroiMapa() { ui.MapaNosGrid->escreveCabecalhos(); }
    void preencheMapa();

  protected:
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    // Runs a handler so that no failure escapes into Qt: whatever it throws is shown by the
    // default failure report and the window stays usable.
    void protege(const std::function<void()>& comando) { UMensagens::protege(this, comando); }
    void mensagem(const QString& texto) { UMensagens::mostraMensagem(this, texto); }

    // The window's controls after a training, a clearing and a load, each switched in the order
    // the command has always switched them (disabling a box that has the focus runs its check).
    enum class TEstado { treinado, limpo, carregado };
    void entraEstado(TEstado estado, const TCabecalhoRede* carregado = nullptr);

    void limpaCelulasDoMapa(const QString& texto);
    void limpaPaginas();
    int limiteLinhasGrade() const;
    int limiteColunasGrade() const;
    // The load of a trained-network file, after its dialog.
    void carregaTreinamento(const QString& nome);
    // The manual window, made on first use; its lesson links open the lessons panel.
    void criaManual();
    // The "Importar dados" dialog on a table; the pattern file it writes goes into the training
    // page's path box.
    void importaTabela(const QString& tabela);
    // The header of the pattern file about to be read, read on a worker behind the "Treinando"
    // dialog; nothing when the user stopped it. Throws what the reading throws.
    std::optional<TCabecalhoPadroes> leCabecalhoNoTrabalhador(const std::string& caminho);
    // The progress of a training for the dialog; the status line and the live explorer follow it.
    TAndamento acompanhaTreino(TTreino& treino, const TControle& controle);
    // Shows the session's map in the explorer, or the hint when the window is untrained.
    void atualizaExplorador();

    Ui::TFormMain ui;
    TSessao sessao_;
    TFormInformacoes* informacoes_ = nullptr;
    TFormSobre* sobre_ = nullptr;
    QPointer<TManual> manual_;
    QFileDialog* OpenDialogPadroesTreinamento = nullptr;
    QFileDialog* SaveDialog = nullptr;
    QFileDialog* OpenDialogTreinamento = nullptr;
    QFileDialog* OpenDialogPadroesClassificacao = nullptr;
    QFileDialog* OpenDialogTabela = nullptr;
    QFileDialog* SaveDialogPadroes = nullptr;
    // Whether the window was shown once: its first showing runs the activation steps.
    bool jaMostrada_ = false;
    // The size of the last map built or loaded: the grid may follow a size box that far even when
    // the box's own limit is smaller (a loaded 15-row map), never farther while the user types.
    int linhasMapaRecente_ = 0;
    int colunasMapaRecente_ = 0;
    // The leave-checks of the boxes; a command runs the pending one first.
    TEdicaoPendente* edicaoPendente_ = nullptr;

    std::unique_ptr<TFormExplorador> explorador_;
    std::unique_ptr<TFormLaboratorio> laboratorio_;
    std::unique_ptr<TFormLicoes> licoes_;
};

// The main window of the running program.
extern TFormMain* FormMain;

#pragma once
// The main window: every command of the program is given here. Its controls are the program's only
// settings store; each command reads what it needs at the moment it runs, calls the engine or the
// file formats, and writes the results back into the controls.
//
// The window is untrained or trained; the state has no variable of its own: "Treinar!" enabled
// means untrained, "Limpar Treinamento" enabled means trained.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "UAleatorio.h"
#include "UArquivoPadroes.h"
#include "UCurvaErros.h"
#include "URede.h"
#include "UVistaMapa.h"
#include "ui_Uprincipal.h"

class QFileDialog;
class QMenu;
class TFormExplorador;
class TFormInformacoes;
class TFormSobre;
class TManual;

class TFormMain : public QMainWindow {
    Q_OBJECT

public:
    explicit TFormMain(QWidget* pai = nullptr);
    ~TFormMain() override;

    // The two secondary windows, created once at start-up and shown modally from here.
    void defineJanelas(TFormInformacoes* informacoes, TFormSobre* sobre);

    TRede& rede() { return rede_; }
    const TRede& rede() const { return rede_; }
    TManual* manual() const;

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
    void SementeItemMenuClick();

    // A file named on the command line, opened as the user would open it: a trained network
    // (".cfg") is loaded as by "Carregar Treinamento" once its dialog has given the file; any
    // other file is a pattern file and its full path goes into the training page's path box.
    void abreArquivo(const QString& caminho);

    // The seed of the initial weights when the user fixed it (the menu or NORVIKA_SEMENTE); none
    // when the clock gives it.
    std::optional<std::uint32_t> sementeFixa() const { return sementeFixa_; }
    void defineSementeFixa(std::optional<std::uint32_t> semente) { sementeFixa_ = semente; }

    // The map explorer, once opened.
    TFormExplorador* explorador() const { return explorador_.get(); }

    bool getConfiguracao();
    void constroiMapa();
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
    void protege(const std::function<void()>& comando);
    void mensagem(const QString& texto);
    void escreveStatus(const QString& texto);
    void entraEstadoTreinado();
    void limpaCelulasDoMapa(const QString& texto);
    void limpaPaginas();
    int limiteLinhasGrade() const;
    int limiteColunasGrade() const;
    QFileDialog* criaDialogo(const char* nome, bool salvar);
    std::array<QWidget*, 6> controlesVerificados() const;
    // Runs the leave-check of the control that the focus left without a focus event, as the
    // click that gave a command would have.
    void concluiEdicaoPendente();
    // The load of a trained-network file, after its dialog.
    void carregaTreinamento(const QString& nome);

    Ui::TFormMain ui;
    TRede rede_;
    TGeradorAleatorio gerador_;
    TFormInformacoes* informacoes_ = nullptr;
    TFormSobre* sobre_ = nullptr;
    QPointer<TManual> manual_;
    QFileDialog* OpenDialogPadroesTreinamento = nullptr;
    QFileDialog* SaveDialog = nullptr;
    QFileDialog* OpenDialogTreinamento = nullptr;
    QFileDialog* OpenDialogPadroesClassificacao = nullptr;
    // The size of the last map built or loaded: the grid may follow a size box that far even when
    // the box's own limit is smaller (a loaded 15-row map), never farther while the user types.
    bool jaMostrada_ = false;
    int linhasMapaRecente_ = 0;
    int colunasMapaRecente_ = 0;
    QWidget* edicaoPendente_ = nullptr;

    // What the explorer shows beside the network itself: from the patterns last read, their labels
    // in the order met (as bytes and for display) with each pattern's place among them, their
    // points on the input space's principal axes and the attribute names; the error curve of the
    // last training and the errors of the current map on its patterns.
    struct TExtras {
        std::vector<std::string> nomes;
        std::vector<std::string> rotulos;
        QStringList legenda;
        std::unordered_map<std::string, int> indiceDoRotulo;
        std::vector<std::int32_t> rotuloDoPadrao;
        TProjecao projecao;
        std::vector<QPointF> pontos;
        std::vector<int> rotuloDoPonto;
        std::vector<TPontoCurva> curva;
        bool temErros = false;
        TErros erros;
        std::optional<std::uint32_t> semente;
    };
    // Computed on the worker that read the patterns; nothing when the user stopped it.
    static std::optional<TExtras> extrasDosPadroes(const TPadroes& padroes, std::int32_t dimensao,
                                                   TControle* controle);
    // The explorer's data: the network's map with its counts and labels, or, while a training runs,
    // the weights and winners of an instant of it.
    std::shared_ptr<TDadosMapa> dadosDoMapa(const TRede& rede, const TExtras& extras,
                                            const std::vector<double>* pesos = nullptr,
                                            const std::vector<std::int32_t>* vencedores = nullptr) const;
    // The header of the pattern file about to be read, read on a worker behind the "Treinando"
    // dialog; nothing when the user stopped it. Throws what the reading throws.
    std::optional<TCabecalhoPadroes> leCabecalhoNoTrabalhador(const std::string& caminho);
    void atualizaExplorador();
    // A training presented pattern by pattern from the "Treinando" dialog, on the map and
    // patterns of rede_; `aposPasso` runs after every presentation. Returns whether it ran to its
    // end.
    bool treinaPassoAPasso(bool porCiclos, std::int32_t ultimo, const TRede::FuncaoStatus& status,
                           const std::function<void()>& aposPasso, TExtras& extras);

    QMenu* ExibirMenu = nullptr;
    QAction* ExploradorItemMenu = nullptr;
    QAction* SementeItemMenu = nullptr;
    std::optional<std::uint32_t> sementeFixa_;
    std::unique_ptr<TFormExplorador> explorador_;
    TExtras extras_;
    // The header line of the pattern file last checked, for the attribute names.
    std::string linhaCabecalho_;
};

// The main window of the running program.
extern TFormMain* FormMain;

// A seed as the user writes it: a whole number from 0 to 4294967295, blanks around allowed.
std::optional<std::uint32_t> sementeDoTexto(const QString& texto);

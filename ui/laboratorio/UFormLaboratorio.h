#pragma once
// The laboratory: a window beside the classic one where any SOM of the laboratory engine is trained
// on the student's data and watched live, drawn as it really is (hexagons, a torus). Data and
// settings at the left, the map's views in the middle, the selected unit at the right; the
// training runs on a thread of its own (TSessaoLab), the window stays usable and shows its
// progress itself, and Parar keeps the map as it stands.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "UDemonstracoes.h"
#include "UFormComparacao.h"
#include "UPainelMapa.h"
#include "USessaoLab.h"
#include "ui_UFormLaboratorio.h"

class QFileDialog;

class TFormLaboratorio : public QWidget {
    Q_OBJECT

  public:
    explicit TFormLaboratorio(QWidget* pai = nullptr);

    // Opens a data file as "Abrir…" does (a table through the import dialog). Returns whether the
    // data are in place.
    bool abreDados(const QString& caminho);
    // The settings in the controls, or why they cannot train (a message naming the field).
    std::optional<TConfiguracaoLab> configuracao(QString& motivo) const;
    // Saves the map as a .cod, and opens one; each returns why it failed, empty when done.
    QString salvaMapa(const QString& caminho);
    QString abreMapa(const QString& caminho);
    // Saves the whole session (.norvika-lab), and opens one in place of this one; each returns
    // why it failed, empty when done (a file that cannot be opened leaves everything as it was).
    QString salvaSessao(const QString& caminho);
    QString abreSessao(const QString& caminho);
    // Before the program ends: whether the session's runs may go (saved, or the user says so
    // when asked); a training running is stopped first, as closing the window stops it.
    bool podeSair();

    const TSessaoLab& sessao() const { return sessao_; }
    // The controls set to a run's settings (Reabrir, Sugerir).
    void mostraConfiguracao(const TConfiguracaoLab& config);
    // The exports of the current map, each returning why it failed, empty when written.
    QString exportaImagem(const QString& caminho);
    QString exportaDados(const QString& caminho);
    QString exportaVencedores(const QString& caminho);
    // The replay of the run shown as an animated GIF or WebP (by the suffix), in the view shown
    // (the default view of a replay while the curve is shown).
    QString exportaAnimacao(const QString& caminho);
    // How many run thumbnails have been drawn since the window opened (one per run).
    std::int64_t miniaturasDesenhadas() const { return miniaturasDesenhadas_; }
    // The comparison window opened last (null until one is).
    TFormComparacao* comparacao() const { return comparacao_; }
    // Writes a demonstration's pattern file into the demonstrations folder; returns the file's
    // path, or throws why it could not.
    static QString gravaDemonstracao(const TPedidoDemonstracao& pedido);
    // Where generated data and the lessons' files go (created on demand).
    static QString pastaDemonstracoes();
    // A table the import dialog read, as the data (trained from memory; `tabela` is its file).
    // Returns whether the data are in place.
    bool recebeImportacao(TCargaLab carga, const QString& tabela);
    // Opens a pattern file as data without any dialog (the lessons' prepared files).
    void abreDadosPreparados(const QString& caminho);
    // Shows replay frame i of the last training (the slider does this).
    void mostraQuadro(int i);
    // Shows the view of this kind.
    void escolheVista(TTipoVista tipo);
    // Shows the view a session file or the preferences kept (numeroGuardadoDaVista).
    void escolheVistaGuardada(int numero);
    void mostraStatus(const QString& texto) { ui.LabStatusLabel->setText(texto); }
    // The demonstration controls set to a request (a lesson's data).
    void mostraPedido(const TPedidoDemonstracao& pedido);

    void LabAbrirButtonClick();
    void LabTreinarButtonClick();
    void LabPararButtonClick();
    void LabPassoButtonClick();
    void LabSalvarButtonClick();
    void LabAbrirMapaButtonClick();
    void LabVistaSeletorChange();
    void LabSugerirButtonClick();
    void LabReabrirButtonClick();
    void LabExcluirButtonClick();
    void LabSalvarExecucaoButtonClick();
    void LabCompararButtonClick();
    void LabModoComboChange();
    void LabGerarButtonClick();
    void LabDemoComboChange();
    void LabReproduzirButtonClick();
    void LabSalvarSessaoButtonClick();
    void LabAbrirSessaoButtonClick();

  Q_SIGNALS:
    // The training ended (finished, stopped or failed) and its map is in place.
    void treinoConcluido();

  protected:
    void closeEvent(QCloseEvent* e) override;

  public:
    ~TFormLaboratorio() override;

  private:
    void acompanha();
    // Reads data on the worker (`arquivo` runs there and returns the file to read) and shows
    // them; rethrows what the reading threw, returns false when it was stopped.
    bool leDados(std::function<std::string(TControle&)> arquivo);
    // Waits for the reading just started on the worker and shows its data; the same answers.
    bool recebeDados();
    // Waits, the window still painting, for the work just started on the session's worker, with
    // `andamento` in the status line; the work's result is then in place. True when it ended
    // well; false after a stop (the status then says `interrompido`) or a failure (the status
    // cleared; erro() and falha() say why).
    bool aguardaTrabalhador(const QString& andamento, const QString& interrompido);
    // Shows what a training left once its thread has ended (finished, stopped or failed).
    void mostraConclusao();
    void mostraMapa(std::shared_ptr<const TDadosMapa> mapa);
    void mostraDados();
    void habilita();
    void atualizaHistorico();
    void atualizaReprisa();
    void escreveEpocaDaReprisa(int quadro);
    // The replay button as "Reproduzir" or, while it plays, "Pausar", each with its icon.
    void mostraReproduzir(bool tocando);
    void escolheExecucoes();
    std::vector<std::size_t> execucoesEscolhidas() const;
    bool comparaveis(const std::vector<std::size_t>& linhas) const;
    void exporta(QFileDialog& dialogo, QString (TFormLaboratorio::*exportacao)(const QString&),
                 const QString& oQue);
    // The window's own part of a session file, and that part put back.
    std::vector<std::pair<std::string, std::string>> estadoDaJanela() const;
    void restauraEstado(const std::vector<std::pair<std::string, std::string>>& estado);
    // Whether the session's runs may be dropped: saved, or the user says so (asked `pergunta`,
    // whether to save them first, when they are not).
    bool podeDescartar(const QString& pergunta);
    // The window's layout and settings, kept between sessions.
    void guardaPreferencias() const;
    void restauraPreferencias();

    Ui::TFormLaboratorio ui;
    TSessaoLab sessao_;
    TPainelMapa* painel_ = nullptr;
    QTimer relogio_;
    QTimer reproducao_;  // plays the replay
    QFileDialog* dialogoDados_ = nullptr;
    QFileDialog* dialogoSalvar_ = nullptr;
    QFileDialog* dialogoAbrirMapa_ = nullptr;
    QFileDialog* dialogoImagem_ = nullptr;
    QFileDialog* dialogoTabela_ = nullptr;
    QFileDialog* dialogoAnimacao_ = nullptr;
    QFileDialog* dialogoSalvarSessao_ = nullptr;
    QFileDialog* dialogoAbrirSessao_ = nullptr;
    // Cleared by Qt when the window closes (it deletes itself).
    QPointer<TFormComparacao> comparacao_;
    bool preenchendoHistorico_ = false;
    // The map of each run listed, in the list's order: it tells which items are still runs.
    std::vector<std::shared_ptr<const TDadosMapa>> mapasListados_;
    std::int64_t miniaturasDesenhadas_ = 0;
};

#pragma once
// The laboratory window's document: its data, the map it shows and a training that runs on a
// thread of its own while the window stays usable. Plain C++ (no Qt), so that tests drive it
// without any window; the window reads controls, calls one of these and shows what it returns.
//
// What survives what: a training stopped by "Parar" leaves the map as it stood (the last complete
// epoch in batch); a training that fails leaves the map it started from; data that cannot be read
// leave the data and the map as they were; new data leave no map shown (a map is only ever measured
// on the data it was trained on, or, opened from a codebook, on the data open then) and keep the
// runs, each with the data it was trained on.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "UAjustesLab.h"
#include "UArquivoSessaoLab.h"
#include "UCodebook.h"
#include "UDadosLab.h"
#include "UDadosMapa.h"
#include "ULaboratorio.h"
#include "UMapaAoVivo.h"

// What the data add to the pictures (labels, names, original units, the input space's points).
std::shared_ptr<const TExtrasMapa> extrasDosDadosLab(const TCargaLab& carga);

// The same with a stop request answered while the data's principal axes are found (EInterrompido).
std::shared_ptr<const TExtrasMapa> extrasDosDadosLab(const TCargaLab& carga, TControle* controle);

// A laboratory map as the explorer's views draw it: hexagonal or toroidal when it is (a ring's
// tour is the session's to add).
std::shared_ptr<TDadosMapa> dadosDoMapaLab(const TGradeLab& grade, const TDadosLab& dados,
                                           const TResultadoLab& resultado,
                                           const std::shared_ptr<const TExtrasMapa>& extras);

// A laboratory map as a SOM_PAK codebook (codebookDoMapa) with, when the training's settings are
// known, its neighbourhood and the comment lines of its settings and errors.
TCodebook codebookDoMapaLab(const TDadosMapa& mapa, const std::optional<TConfiguracaoLab>& config);

// Data as the session read them, with what they add to the pictures; shared by the session and
// the runs trained on them, and read once: data read again unchanged are the same object.
struct TDadosSessaoLab {
    TCargaLab carga;
    std::shared_ptr<const TExtrasMapa> extras = std::make_shared<TExtrasMapa>();
};

// A run: one training of the session, kept to be reopened, compared, renamed or saved.
struct TExecucaoLab {
    std::string nome;
    TConfiguracaoLab config;
    std::vector<double> pesos;
    std::shared_ptr<const TDadosMapa> mapa;
    double segundos = 0.0;
    std::int32_t epocas = 0;  // done
    bool parada = false;      // stopped before its last epoch
    // Its replay (null when none was kept, or its frames gave way to later runs').
    std::shared_ptr<const TReprisaLab> reprisa;
    // What it was trained on: only runs of the same data are compared.
    std::shared_ptr<const TDadosSessaoLab> dados;
    std::string arquivo;
};

class TSessaoLab {
  public:
    TSessaoLab() = default;
    ~TSessaoLab();
    TSessaoLab(const TSessaoLab&) = delete;
    TSessaoLab& operator=(const TSessaoLab&) = delete;

    // Reads a pattern file or any table the import reads. Throws what the reading throws, with
    // everything left as it was.
    void carrega(const std::string& caminho);
    // Data already read (the import dialog's result).
    void defineDados(TCargaLab carga, const std::string& caminho);
    // What carrega does, on the worker: `arquivo` runs there first and returns the file to read
    // (Gerar writes it there). Once conclui() has returned true the data are in place, or falha()
    // holds what the reading threw, or parado() tells that a stop left everything as it was.
    // With `soPadroes` ("Abrir…"), of a file that is not a pattern file only the first line is
    // read, and precisaImportar() then tells the window to hand it to the import dialog,
    // everything left as it was.
    void iniciaCarga(std::function<std::string(TControle&)> arquivo, bool soPadroes = false);
    bool precisaImportar() const { return precisaImportar_; }
    // Data already read (a table the import dialog read and kept in memory), measured on the
    // worker as iniciaCarga does; `caminho` is the table they came from.
    void iniciaCarga(TCargaLab carga, const std::string& caminho);
    // What reading a codebook and defineMapa do, on the worker, ending as iniciaCarga does (erro()
    // says why the map was refused).
    void iniciaMapa(const std::string& caminho);
    // What the last reading threw (null when it read its file, or was stopped).
    std::exception_ptr falha() const { return falhaDaLeitura_; }
    bool temDados() const { return dados_->carga.dados.padroes() > 0; }
    const TCargaLab& carga() const { return dados_->carga; }
    const std::string& arquivo() const { return arquivo_; }
    const std::shared_ptr<const TDadosSessaoLab>& dados() const { return dados_; }

    bool temMapa() const { return mapa_ != nullptr; }
    const TGradeLab& grade() const { return grade_; }
    // The map for the views (an empty one when there is none).
    std::shared_ptr<const TDadosMapa> mapa() const;
    // A codebook's map, the data measured on it. Throws ECodebook when it does not fit the data.
    // The settings its comments keep (norvika-lab's own) become the map's, and the errors they
    // record are the ones shown: the data open may not be those it was trained on.
    void defineMapa(const TCodebook& codebook);
    // The settings of the map's training, when known (trained here, or kept in its codebook).
    const std::optional<TConfiguracaoLab>& configuracaoDoMapa() const { return config_; }
    // The map as a codebook, with the settings of its training in comments.
    TCodebook codebook() const;

    // Starts a training on a thread; returns why it cannot start (a message naming the setting),
    // or empty.
    std::string inicia(const TConfiguracaoLab& config);
    // The work on the worker: a training, a reading of data or of a map, or the start of a
    // stepped training. Nothing else changes the session while it runs.
    enum class TTarefa { treino, dados, mapa, passos, sessao };
    TTarefa tarefa() const { return tarefa_; }
    bool ocupada() const { return thread_.joinable(); }
    bool treinando() const { return ocupada() && tarefa_ == TTarefa::treino; }

    // Step mode (online training): presents one pattern, starting a stepped training when none
    // runs with these settings; the map then shows the pattern, its winner and the units within
    // the radius, with the winners found so far and the curve's errors (a step never searches the
    // whole map). Returns why it cannot step, or empty. A full training ends it.
    std::string passo(const TConfiguracaoLab& config);
    // Whether the next passo() with these settings would first start a stepped training, whose
    // starting map may take seconds on large data: iniciaPassos() makes it on the worker, with the
    // stop, ending as iniciaCarga does; returns why it cannot start, or empty.
    bool precisaPassos(const TConfiguracaoLab& config) const {
        return !passos_ || !(configPassos_ == config);
    }
    std::string iniciaPassos(const TConfiguracaoLab& config);
    bool emPassos() const { return passos_ != nullptr; }
    void encerraPassos() { passos_.reset(); }
    // Asks the work to stop; a training stops within a pattern (online) or a block (batch), a
    // reading within a line or a block of patterns.
    void para();

    struct TAndamento {
        std::int64_t epocas = 0, totalEpocas = 0;    // epochs done, of
        std::int64_t padroes = 0, totalPadroes = 0;  // of the running epoch (online)
    };
    TAndamento andamento() const;
    // The map after the latest epoch, once per new one (null when there is none since the last
    // call), and asks for the next.
    std::shared_ptr<TDadosMapa> mapaAoVivo();
    // When the work has ended: puts its map (or data) in place and returns true (once). erro()
    // then says why it failed, if it did; parado() whether it was stopped.
    bool conclui();
    const std::string& erro() const { return erro_; }
    bool parado() const { return parado_; }

    // The replay of the map shown, when it is a run's: the map before the first epoch and after
    // each one (after every k-th one when recording them all would pass the memory set aside; the
    // last is always the map the training left). Nothing is recorded of a map too large for it.
    // The runs keep their replays within eight times that memory, the latest runs' first.
    std::size_t quadros() const { return reprisa_ ? reprisa_->quadros.size() : 0; }
    std::int64_t epocaDoQuadro(std::size_t i) const { return reprisa_->quadros.at(i).epoca; }
    std::shared_ptr<TDadosMapa> quadro(std::size_t i) const;
    // The memory set aside for a replay (64 MiB unless a test asks for less).
    void limitaGravacao(std::size_t bytes) { limiteGravacao_ = bytes; }

    // The runs of the session, the first first, whatever data they were trained on.
    const std::vector<TExecucaoLab>& execucoes() const { return execucoes_; }
    bool deOutrosDados(std::size_t i) const { return execucoes_.at(i).dados != dados_; }
    // Puts run i's map back in the window, and its data when they are others (the map is shown
    // with its own labels and points, and what follows, a training or a step, goes on with them);
    // its settings are the caller's to restore.
    void reabre(std::size_t i);
    void renomeia(std::size_t i, const std::string& nome);
    // The word of the runs' default names ("Treino 1", "Treino 2", ...), in the window's language.
    void defineNomeDosTreinos(std::string palavra) { nomeDosTreinos_ = std::move(palavra); }
    void remove(std::size_t i);
    TCodebook codebookDe(std::size_t i) const;

    // The session as a file holds it: the data, the runs and the map shown, with the window's
    // own state beside them.
    TDocumentoLab documento(std::vector<std::pair<std::string, std::string>> janela) const;
    // Saves it (gravaSessaoLab); the session is then saved (alterada() false).
    void salva(const std::string& caminho, std::vector<std::pair<std::string, std::string>> janela);
    // Reads a session file on the worker, its maps measured there, ending as iniciaCarga does;
    // once conclui() has put it in place, janela() is the window's state it kept. A file that
    // cannot be read leaves everything as it was.
    void iniciaSessao(const std::string& caminho);
    // The same at once (tests, the command line).
    void abreSessao(const std::string& caminho);
    const std::vector<std::pair<std::string, std::string>>& janela() const { return janela_; }
    // Whether runs were made, renamed or removed since the session was last saved or opened.
    bool alterada() const { return alterada_; }

  private:
    // Data read and measured off the session, ready to take the place of the current ones.
    struct TNovosDados {
        std::shared_ptr<TDadosSessaoLab> dados;
        std::string arquivo;
    };
    TNovosDados preparaDados(TCargaLab carga, const std::string& caminho,
                             TControle* controle) const;
    void instalaDados(TNovosDados novos);
    struct TNovoMapa {
        TGradeLab grade;
        TResultadoLab medida;
        std::optional<TConfiguracaoLab> config;  // kept in its comments
        std::optional<TErros> erros;             // recorded in its comments
    };
    TNovoMapa preparaMapa(const TCodebook& codebook, TControle* controle) const;
    void instalaMapa(TNovoMapa novo);
    void preparaTrabalhador(TTarefa tarefa);
    // Runs `trabalho` on the worker: a stop ends it quietly; a failure is kept for conclui(), said
    // in Portuguese with the file the work had named in `caminho`.
    void iniciaTrabalho(TTarefa tarefa, std::function<void(std::string& caminho)> trabalho);
    // Where the map came from, when it was trained here.
    void poeOrigem(std::int32_t epocas);
    static TDadosMapa::TOrigem origemDe(const TConfiguracaoLab& config, const std::string& arquivo,
                                        std::int32_t epocas);
    // No map shown: nor its steps, its replay, its settings nor the data's tour length.
    void esqueceMapa();
    void instala(const TGradeLab& grade, TResultadoLab resultado,
                 std::optional<TConfiguracaoLab> config);
    void grava(const TInstantaneo& instantaneo);  // on the training's thread, under mutex_
    // A map during a training (live or replayed): its winners known, its errors the curve's.
    std::shared_ptr<TDadosMapa> mapaDoInstante(const TGradeLab& grade,
                                               const std::vector<double>& pesos,
                                               const std::vector<std::int32_t>& vencedores,
                                               std::vector<TEpocaLab> curva) const;
    // A ring's travelling salesman tour, put on its map (the data's nearest-neighbour tour
    // computed once, in `vizinhoMaisProximo`).
    static void poePercurso(TDadosMapa& mapa, const TGradeLab& grade, const TResultadoLab& r,
                            const TDadosSessaoLab& dados,
                            std::optional<double>& vizinhoMaisProximo);
    void poePercurso(TDadosMapa& mapa, const TGradeLab& grade, const TResultadoLab& r) const {
        poePercurso(mapa, grade, r, *dados_, vizinhoMaisProximo_);
    }
    // A session file read and measured off the session, ready to take its place.
    struct TSessaoLida {
        std::vector<std::shared_ptr<const TDadosSessaoLab>> dados;
        std::vector<TExecucaoLab> execucoes;
        TDocumentoLab documento;  // its runs' and data's bulk moved into the above
        std::shared_ptr<TDadosMapa> mapaSolto;
    };
    TSessaoLida preparaSessao(TDocumentoLab documento, TControle* controle) const;
    void instalaSessao(TSessaoLida lida);
    // Keeps the runs' replays within eight times a replay's memory, dropping the oldest first.
    void limitaReprisas();

    std::size_t limiteGravacao_ = std::size_t{64} << 20;

    std::shared_ptr<const TDadosSessaoLab> dados_ = std::make_shared<TDadosSessaoLab>();
    std::string arquivo_;
    mutable std::optional<double> vizinhoMaisProximo_;  // of these data, once computed
    TGradeLab grade_;
    std::optional<TConfiguracaoLab> config_;  // of the map's training, when it was trained here
    std::shared_ptr<TDadosMapa> mapa_;
    // The run whose map mapa_ shows (a copy of it), when it is one.
    std::shared_ptr<const TDadosMapa> mapaDaExecucao_;
    std::vector<double> pesos_;  // the map's weights, row-major

    std::vector<TExecucaoLab> execucoes_;
    std::int64_t treinos_ = 0;  // numbers the runs' default names
    std::string nomeDosTreinos_ = "Treino";
    std::chrono::steady_clock::time_point inicio_;
    std::unique_ptr<TPassosLab> passos_;
    TConfiguracaoLab configPassos_;
    std::unique_ptr<TPassosLab> passosProntos_;  // made on the worker, installed by conclui()

    std::shared_ptr<const TReprisaLab> reprisa_;
    std::vector<std::pair<std::string, std::string>> janela_;
    bool alterada_ = false;

    // The running work. What a reading leaves is read only after the thread is joined.
    std::thread thread_;
    TTarefa tarefa_ = TTarefa::treino;
    std::optional<TNovosDados> dadosLidos_;
    std::optional<TNovoMapa> mapaLido_;
    std::optional<TSessaoLida> sessaoLida_;
    std::exception_ptr falhaDaLeitura_;
    bool precisaImportar_ = false;
    TControle controle_;
    TConfiguracaoLab emCurso_;
    std::atomic<bool> terminou_{false};
    TMapaAoVivo aoVivo_;
    mutable std::mutex mutex_;  // guards what follows
    std::optional<TResultadoLab> resultado_;
    std::string falha_;
    std::vector<TEpocaLab> curvaAoVivo_;
    bool gravando_ = false;  // set before the thread starts
    std::vector<TReprisaLab::TQuadro> gravacao_;
    std::int64_t intervaloGravacao_ = 1;  // every how many epochs a frame is kept
    std::size_t bytesGravados_ = 0;
    std::string erro_;
    bool parado_ = false;
};

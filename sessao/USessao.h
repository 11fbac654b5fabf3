#pragma once
// The session document: the network the main window works on, the generator of its initial
// weights, and what the explorer shows beside it (the patterns' labels and points, the error
// curve, the errors of the current map, the seed). The window's handlers read their controls,
// hand the session a plain request, run the work it gives them on a worker (UTrabalho), and show
// what comes back; what survives a refused, failed or stopped command is decided here, once.
//
// Each long command is an object (TTreino, TClassificacao, TCarga): built on the interface thread
// from the session, its `trabalha` runs on the worker and touches only what the object owns (and,
// for a classification, the session's network while the window waits), its observers are read by
// the window while it runs, and the session's `conclui...` puts its result in place. No Qt here.

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "UAcompanhamento.h"
#include "UAleatorio.h"
#include "UArquivoPadroes.h"
#include "UArquivoRede.h"
#include "UControle.h"
#include "UDadosMapa.h"
#include "URede.h"

// The status line of a training running on a worker: the worker hands over each cycle's values,
// the window shows the line of the latest one when it next looks.
class TStatusTreino {
  public:
    TRede::FuncaoStatus funcao();
    // The line of the last completed cycle, when it is not the one last asked for.
    std::optional<std::string> novaLinha();
    // The line of the last completed cycle, if any.
    std::optional<std::string> ultimaLinha();

  private:
    struct TValores {
        double taxa;
        std::int32_t ciclo, raio;
    };
    std::mutex mutex_;
    TValores ultimo_{};
    std::uint64_t versao_ = 0, vista_ = 0;
};

class TSessao;

// One training, from the settings the window read to the map it leaves.
class TTreino {
  public:
    struct TPedido {
        std::string vizinhanca;   // the neighbourhood list's text
        bool porCiclos = false;   // the cycle criterion, else the radius criterion
        std::int32_t ultimo = 0;  // the last cycle (cycles 0 .. ultimo run)
        // The cycle count did not convert: reported where the training would have begun.
        std::exception_ptr falhaCiclos;
        bool passoAPasso = false;  // stepped from the dialog, on the interface thread
    };
    enum class Fase { mapa, leitura, rotulos, treino, medida };

    // The network is built aside from the session's settings (those getConfiguracao left), so that
    // the window never reads one the worker is changing. A fixed seed starts the draws afresh;
    // otherwise they go on from the session's generator.
    TTreino(const TSessao& sessao, TPedido pedido);
    TTreino(const TTreino&) = delete;
    TTreino& operator=(const TTreino&) = delete;

    // On the worker: the map, the patterns, their labels and points, then (unless stepped) the
    // training and the errors of the map it ends with.
    void trabalha(TControle& controle);

    // Read by the window while the work runs.
    Fase fase() const { return fase_.load(); }
    bool medindo() const { return acompanhamento_.medindo(); }
    std::int64_t ciclos() const { return ciclos_; }
    std::int32_t padroesAnunciados() const { return nova_.qtdPadroes; }
    TStatusTreino& status() { return status_; }
    TAcompanhamento& acompanhamento() { return acompanhamento_; }
    // The network being trained; its map and patterns stay as they are once the reading ended.
    const TRede& rede() const { return nova_; }
    // What the patterns add, once their labels were gathered (from Fase::treino on).
    const std::shared_ptr<const TExtrasMapa>& extras() const { return extras_; }
    bool porCiclos() const { return pedido_.porCiclos; }
    std::int32_t ultimo() const { return pedido_.ultimo; }

  private:
    friend class TSessao;
    TPedido pedido_;
    TRede nova_;
    TGeradorAleatorio gerador_;
    std::uint32_t semente_;
    std::string linhaCabecalho_;
    std::int64_t ciclos_;
    TDadosMapa::TOrigem origem_;
    std::atomic<Fase> fase_{Fase::mapa};
    bool mapaPronto_ = false, leituraParada_ = false, lido_ = false, treinou_ = false,
         completo_ = false;
    TStatusTreino status_;
    TAcompanhamento acompanhamento_;
    std::shared_ptr<const TExtrasMapa> extras_;
    std::vector<TPontoCurva> curva_;
    std::optional<TErros> erros_;
    std::int64_t linhasAlem_ = 0;
};

// One classification of a second file against the session's map.
class TClassificacao {
  public:
    enum class Fase { leitura, medida, busca };
    explicit TClassificacao(TSessao& sessao);
    TClassificacao(const TClassificacao&) = delete;
    TClassificacao& operator=(const TClassificacao&) = delete;

    // On the worker: the patterns are read aside, their labels, points and errors on the map
    // measured, and only then every pattern given its neuron, so that a stop in any phase leaves
    // the map's counts as they were.
    void trabalha(TControle& controle);

    Fase fase() const { return fase_.load(); }
    std::int32_t padroesAnunciados() const { return padroes_; }

  private:
    friend class TSessao;
    TSessao& sessao_;
    std::int32_t padroes_;
    TPadroes lidas_;
    std::atomic<Fase> fase_{Fase::leitura};
    bool completo_ = false;
    std::shared_ptr<TExtrasMapa> extras_;
    std::optional<TErros> erros_;
    std::int64_t linhasAlem_ = 0;
};

// One load of a trained-network file, read into a network aside.
class TCarga {
  public:
    // `vizinhanca`: the neighbourhood chosen before this load, which the distance matrix follows.
    TCarga(const TSessao& sessao, std::string caminho, std::string vizinhanca);
    TCarga(const TCarga&) = delete;
    TCarga& operator=(const TCarga&) = delete;

    void trabalha(TControle& controle);

    const TCargaRede& resultado() const { return carga_; }
    // Why the load is refused before it changes anything: the file's map cannot fit the memory
    // the program allows itself, or what was read could not be allocated.
    std::optional<std::string> recusa() const;
    // Neurons to read, once the map is built (for the progress).
    std::int64_t neuroniosALer() const { return neuronios_.load(); }

  private:
    friend class TSessao;
    std::string caminho_, vizinhanca_;
    TRede nova_;
    TGeradorAleatorio gerador_;
    TCargaRede carga_;
    std::atomic<std::int64_t> neuronios_{0};
};

class TSessao {
  public:
    TRede& rede() { return rede_; }
    const TRede& rede() const { return rede_; }

    // The seed of the initial weights when the user fixed it; none when the clock gives it.
    std::optional<std::uint32_t> sementeFixa;
    // The clock's seed, taken each time the main window is activated.
    void semeia(std::uint32_t semente) { gerador_.defineSemente(semente); }
    // The header line of the pattern file last checked, for the attribute names.
    std::string linhaCabecalho;

    // The header of the pattern file that a command is about to read: D is converted first, and
    // with a trained map a different dimension is refused (N is not looked at); otherwise N and D
    // become the network's. A field that does not convert, or a negative one, makes the file
    // invalid.
    enum class TCabecalho { aceito, dimensaoDiferente, invalido };
    TCabecalho aceitaCabecalho(const TCabecalhoPadroes& cabecalho, bool treinada);

    // A training that the window ran: the map goes in place unless the reading was stopped (a
    // failed reading keeps its map and the patterns read before the failure, and so does a cycle
    // count that does not convert); then the failure, if any, is rethrown.
    struct TResultadoTreino {
        bool treinou = false;      // a training ran (or is to be stepped)
        bool completo = false;     // it ran to its end
        bool passoAPasso = false;  // the patterns are read and the window steps the training now
    };
    TResultadoTreino concluiTreino(TTreino& treino, std::exception_ptr falha);
    // After the training (and its steps): what the explorer shows of it; the patterns go. A
    // stepped training hands over the curve it recorded, and its final errors are measured here,
    // on the thread that stepped it.
    void fechaTreino(TTreino& treino, bool completo,
                     const std::vector<TPontoCurva>* curvaDosPassos = nullptr);

    // A classification that the window ran. Patterns read before a failure stay until the next
    // read; then the failure is rethrown. Stopped, nothing changes.
    struct TResultadoClassificacao {
        bool completa = false;
        bool comPadroes = false;  // the file held patterns (the cells were searched)
    };
    TResultadoClassificacao concluiClassificacao(TClassificacao& classificacao,
                                                 std::exception_ptr falha);

    // A load, in the order the load has always changed the state, so that a failure part-way
    // leaves the same: first the header's values (when it was read), then, after the window has
    // resized its grid, the map (when it was built). Nothing of a stopped load is kept.
    void aplicaCabecalho(const TCarga& carga);
    void colocaMapa(TCarga& carga);

    // The training cleared: no map, nothing for the explorer.
    void limpa();
    // Every neuron's count and label list emptied (a change of tab page), and with them the
    // errors of the pass they described.
    void zeraContagens() {
        rede_.zeraAglutinados();
        erros_.reset();
    }

    // What the explorer shows of the session's map; an empty map when there is none.
    std::shared_ptr<TDadosMapa> dados() const;

  private:
    friend class TTreino;
    friend class TClassificacao;
    friend class TCarga;
    TRede rede_;
    TGeradorAleatorio gerador_;
    std::shared_ptr<const TExtrasMapa> extras_;
    std::vector<TPontoCurva> curva_;
    std::optional<TErros> erros_;
    std::optional<std::uint32_t> semente_;
    std::optional<TDadosMapa::TOrigem> origem_;
};

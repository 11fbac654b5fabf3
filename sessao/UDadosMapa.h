#pragma once
// What the map explorer shows, as plain data: the map (weights, counts, labels, U-matrix) and,
// beside it, what the patterns last read add (their labels, their points on the input space's
// principal axes, the attribute names) and the training's error curve. Built by the session
// document from the network; the views only read it. No Qt here, so the session and its tests do
// not need it.

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "UAgrupamento.h"
#include "UCodebook.h"
#include "UControle.h"
#include "UCurvaErros.h"
#include "UImportacao.h"
#include "UMapa.h"
#include "UMapaClassico.h"
#include "UPadroes.h"
#include "URede.h"

struct TPontoPlano {
    double x = 0.0, y = 0.0;
};

// What a file's patterns add to the map's pictures; computed once per reading, on the worker.
struct TExtrasMapa {
    std::vector<std::string> nomes;  // attribute names as the file has them, or none
    // The attributes' scaling when the file was written by an import that normalised them (its
    // #norvika-escala lines): the weights are shown in the original units. Empty otherwise.
    std::vector<TEscala> escala;
    std::vector<std::string> legenda;                     // every label (bytes), in the order met
    std::unordered_map<std::string, int> indiceDoRotulo;  // label -> place in the legend
    std::vector<std::int32_t> rotuloDoPadrao;             // per pattern, its label's place
    // Lines after the patterns the header announced that look like patterns, never read.
    std::int64_t linhasAlem = 0;
    std::int64_t anunciados = 0;
    // The input space: at most 5000 patterns, evenly spread over the file, on the two principal
    // axes, with their labels' places (-1 without one); the projection places the neurons.
    TProjecao projecao;
    std::vector<TPontoPlano> pontos;
    std::vector<int> rotuloDoPonto;
    // Every pattern's values, pattern after pattern (as many as the map's dimension each), for the
    // pictures that average an attribute over the patterns a unit won. One copy per reading,
    // shared by every map drawn from it; null when the patterns are not at hand (a loaded map) or
    // when the copy would take the patterns past the memory allowed to data (limiteMemoriaDados).
    std::shared_ptr<const std::vector<double>> valores;
    // A table's numeric columns that were not trained on: their names and values, pattern after
    // pattern (the pictures of a column per unit offer them after the attributes).
    std::vector<std::string> nomesOutras;
    std::shared_ptr<const std::vector<double>> valoresOutras;
};

// A copy of `valores` for TExtrasMapa::valores, or null when the patterns and their copy together
// would pass limiteMemoriaDados.
std::shared_ptr<const std::vector<double>> copiaDosValores(const double* valores,
                                                           std::size_t quantos);

// The units' clusters, agglomerated (agrupaUnidades) the first time they are asked for, on any
// thread, and kept with the map; a copy of the data starts without them, since its weights may
// change.
class TMemoAgrupamento {
  public:
    TMemoAgrupamento() = default;
    TMemoAgrupamento(const TMemoAgrupamento&) {}
    TMemoAgrupamento& operator=(const TMemoAgrupamento&) {
        const std::lock_guard<std::mutex> trava(trava_);
        valor_.reset();
        return *this;
    }
    std::shared_ptr<const TAgrupamento> de(const TMapa& mapa) const;

  private:
    mutable std::mutex trava_;
    mutable std::shared_ptr<const TAgrupamento> valor_;
};

// The labels, points and projection of `padroes` (of `dimensao` values); nothing when a stop
// request came while the labels were gathered (one step per pattern).
std::optional<TExtrasMapa> extrasDosPadroes(const TPadroes& padroes, std::int32_t dimensao,
                                            TControle* controle);

// The map itself (TMapa: its grid, weights and adjacency, whichever engine made it) and what the
// views show of it.
struct TDadosMapa : TMapa {
    std::vector<std::int32_t> contagens;                // patterns won in the last pass
    std::vector<std::vector<TContagemRotulo>> rotulos;  // per neuron, the most frequent first
    std::vector<int> majoritario;  // per neuron, its majority label's place in the legend, or -1
    std::vector<std::int32_t> matriz;  // map distances, n x n (the classic map only)
    // Each pattern's winner, when known (the laboratory's side panel lists a unit's patterns).
    std::vector<std::int32_t> vencedorDoPadrao;
    // Whether the side panel lists a unit's patterns (the laboratory's does; the classic explorer
    // keeps its text as it always was, and uses the winners for the pictures only).
    bool listaPadroesGanhos = true;
    std::vector<double> distanciaDoPadrao;  // to its winner, beside it
    std::vector<double> u;                  // the U-matrix
    // What the patterns add; never null (empty for a loaded map).
    std::shared_ptr<const TExtrasMapa> padroes = std::make_shared<TExtrasMapa>();
    // The error curve (cycle, quantization, topographic) and the errors of the current map.
    std::vector<TPontoCurva> curva;
    std::optional<TErros> erros;
    // The seed the map's initial weights were drawn from, when known.
    std::optional<std::uint32_t> semente;
    // Where the map comes from, for the caption of an exported picture: the pattern file it was
    // trained on (or the network file it was loaded from), its neighbourhood, the radius it started
    // with and the cycles it ran (0 when unknown).
    struct TOrigem {
        std::string arquivo, vizinhanca;
        std::int32_t raio = 0;
        std::int64_t ciclos = 0;
    };
    std::optional<TOrigem> origem;
    // In a training stepped pattern by pattern: the pattern just presented, its winner, the radius
    // around it and the winner's weights before and after.
    struct TPassoAtual {
        std::int64_t ciclo = 0, ciclos = 0, padrao = 0, padroes = 0;
        std::int32_t vencedor = -1;
        double raio = 0.0, taxa = 0.0;
        std::vector<double> valores, antes, depois;
        std::string rotulo;
        // The units within the radius, when the map gives no distance matrix (the laboratory).
        std::vector<std::int32_t> alcance;
    };
    std::optional<TPassoAtual> passo;

    // The travelling salesman's tour a ring gives (a 1 x N toroidal map of the laboratory): the
    // patterns in the ring's order, its closed length, and a nearest-neighbour tour's length.
    struct TPercurso {
        std::vector<std::size_t> ordem;
        std::vector<TPontoPlano> cidades;  // the same patterns in the input space's picture
        double comprimento = 0.0, vizinhoMaisProximo = 0.0;
    };
    std::optional<TPercurso> percurso;

    // The clusters of the units (computed once, on first use) and their cut into k clusters (k
    // held within 1..units), or, with k of 0, into the suggested number (kGruposSugerido).
    TMemoAgrupamento memoAgrupamento;
    std::shared_ptr<const TAgrupamento> agrupamento() const { return memoAgrupamento.de(*this); }
    static constexpr std::int32_t kMaximoGrupos = 20;
    std::int32_t kGruposSugerido() const;
    std::vector<std::int32_t> grupos(std::int32_t k) const;

    // Whether each pattern's values and winner are at hand: the per-unit averages need both.
    bool temValores() const;
    // Per unit, the mean of attribute k over the patterns it won, in the original units when the
    // file was normalised; not a number for a unit with none. Empty when the values or the
    // winners are not at hand. From k = dimensao on, the table's columns not trained on
    // (TExtrasMapa::nomesOutras), as the table has them.
    std::vector<double> mediaDoAtributo(std::int32_t k) const;
    // How many columns mediaDoAtributo offers: the attributes, then the other columns.
    std::int32_t propriedades() const;
    // Per unit, the mean distance between its weights and the patterns it won (the distances
    // beside the winners, or else measured from the values); not a number for a unit with none.
    // Empty when neither is at hand.
    std::vector<double> erroDasUnidades() const;

    std::int32_t neuronios() const { return linhas * colunas; }
    // Drawn with hexagons.
    bool hexagonal() const { return forma == TFormaMapa::hexagonal; }
    bool vazio() const { return neuronios() == 0; }
    // The legend place of a neuron's majority label, -1 for an empty neuron.
    int rotuloMajoritario(std::int32_t a) const;
    const std::vector<std::string>& legenda() const { return padroes->legenda; }
    const std::vector<std::string>& nomes() const { return padroes->nomes; }
    // Whether weights are shown in the original units, and a weight of attribute k in them (the
    // weight itself when the file was not normalised). Training and every computation stay on
    // the file's values.
    bool valoresOriginais() const {
        return dimensao > 0 && padroes->escala.size() == static_cast<std::size_t>(dimensao);
    }
    double original(std::int32_t k, double peso) const {
        if (!valoresOriginais()) return peso;
        const TEscala& e = padroes->escala[static_cast<std::size_t>(k)];
        return e.a + e.b * peso;
    }
};

// The explorer's data for a network and what its patterns added: the network's map with its
// counts and labels, or, while a training runs, the weights and winners of an instant of it (the
// winners of the patterns of rede.entradas).
std::shared_ptr<TDadosMapa> dadosDoMapa(const TRede& rede,
                                        const std::shared_ptr<const TExtrasMapa>& extras,
                                        const std::vector<double>* pesos = nullptr,
                                        const std::vector<std::int32_t>* vencedores = nullptr);

// The map as a table for a spreadsheet (textoCsvMapa): each neuron's weights, in the original
// units when the file was normalised (the attribute columns then say "(valores originais)"), its
// win count and its majority label.
std::string csvDoMapa(const TDadosMapa& dados);
// The map as a SOM_PAK codebook, for SOM_PAK, the SOM Toolbox and the laboratory: its grid
// (rectangular or hexagonal, flat or toroidal), each unit's majority label and the attributes'
// names; the weights as trained, in the file's units. The neighbourhood is the bubble (the classic
// map's own) and there are no comments: a laboratory map adds its own (codebookDoMapaLab).
TCodebook codebookDoMapa(const TDadosMapa& dados);

#pragma once
// The network state and the operations that compute on it: building a map with random weights and
// its neighbourhood distance matrix, training with the online Kohonen rule, and classifying
// patterns against a trained map. The window owns one TRede for the whole run and feeds it the
// settings that it reads from its controls.
//
// Arithmetic follows the x87 extended format (long double) at the points where the program has
// always rounded: each term of a distance and each running sum, each weight update and each decay
// of the learning rate. ativaRedeReferencia and classificaEntradasReferencia are those plain loops;
// ativaRede and classificaEntradas give bit-identical results faster.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "UAleatorio.h"
#include "UControle.h"
#include "UKohonen.h"
#include "UPadroes.h"

class TRede {
  public:
    // Called after every training cycle with the learning rate of that cycle, the number of
    // cycles done and the radius of that cycle.
    using FuncaoStatus = std::function<void(double taxa, std::int32_t ciclo, std::int32_t raio)>;

    // The map, [row][column], and the patterns of the command that is running, in file order.
    std::vector<std::vector<TNeuronio>> neuronios;
    TPadroes entradas;

    std::int32_t qtdLinhas = 0;
    std::int32_t qtdColunas = 0;
    std::int32_t dimensao = 0;
    std::int32_t qtdPadroes = 0;
    double taxaAprendizado = 0.0;
    double taxaEvolucao = 0.0;  // percent: after every cycle the rate is multiplied by this / 100
    std::int32_t raio = 0;
    std::int32_t ultimoCiclo = 0;
    // Map distance between neurons a and b (linear indices, row * columns + column) at
    // [a * n + b], n = the number of neurons.
    std::vector<std::int32_t> matrizDistancias;
    std::string arquivoPadroes;

    // Builds a new map of qtdLinhas x qtdColunas neurons with `dimensao` weights each, drawn from
    // the generator in the order row, column, weight, then its distance matrix for the given
    // neighbourhood ("MANHATTAN"; anything else is "GRID"). Throws EMemoriaInsuficiente, before
    // anything is touched, when the map would not fit the memory ceiling or has no neuron.
    void inicializaNeuronios(TGeradorAleatorio& gerador, const std::string& tipoVizinhanca);
    void montaMatrizDistancias(const std::string& tipoVizinhanca);
    void desativaNeuronios();
    void desativaEntradas();

    // The settings and counters alone, without the map, its distances and the patterns: a
    // network that a command builds aside, to put in place of this one only when it is ready.
    TRede semMapa() const;

    // Every neuron's weights, neuron after neuron in row-major order.
    std::vector<double> pesosDoMapa() const;

    bool existeMapa() const { return !neuronios.empty(); }
    std::int32_t linhasMapa() const { return static_cast<std::int32_t>(neuronios.size()); }
    std::int32_t colunasMapa() const {
        return neuronios.empty() ? 0 : static_cast<std::int32_t>(neuronios[0].size());
    }
    TNeuronio& neuronio(std::int32_t i, std::int32_t j) {
        return neuronios[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
    const TNeuronio& neuronio(std::int32_t i, std::int32_t j) const {
        return neuronios[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
    // Empties every neuron's count and label list.
    void zeraAglutinados();

    // Trains the map on `entradas`. With the cycle criterion the radius stays; otherwise it drops
    // by one after every cycle. Cycles 0 .. ultimo run.
    //
    // A control may stop the training before a pattern (TControle); it returns false then. The
    // map keeps its weights as they stand, the counts and labels describe the patterns presented
    // in the last cycle that presented any (none when the very first was stopped), and the rate
    // and radius are those of the stopped cycle, or those after the last completed one when the
    // stop came between cycles. The status is reported for completed cycles only.
    bool ativaRede(bool criterioQtdCiclos, std::int32_t ultimo, const FuncaoStatus& status = {},
                   TControle* controle = nullptr);
    bool ativaRedeReferencia(bool criterioQtdCiclos, std::int32_t ultimo,
                             const FuncaoStatus& status = {}, TControle* controle = nullptr);

    // Gives every pattern of `entradas` to its nearest neuron: counts and labels, no weight
    // touched. Stopped by the control, it returns false and leaves the counts as they were.
    bool classificaEntradas(TControle* controle = nullptr);
    bool classificaEntradasReferencia(TControle* controle = nullptr);

    // Half the squared Euclidean distance; each term in extended precision, the running sum
    // rounded to double after each addition.
    static double distancia_euclidiana(const TVistaPadrao& p, const TNeuronio& n);
    double getDistancia(const TVistaPadrao& p, const TNeuronio& n) const {
        return distancia_euclidiana(p, n);
    }
    // Pulls every neuron within `raio` of the winner (lin, col) towards pattern p.
    void ajustaPesos(std::int32_t p, std::int32_t lin, std::int32_t col);
    void ajustaPesoVencedor(std::int32_t p, std::int32_t i, std::int32_t j);

    // Linear index of the nearest neuron; on equal distances the one met first in row-major
    // order.
    std::int32_t procuraVencedor(const TVistaPadrao& p) const;

    // How many threads training may use; 0 lets the engine choose.
    void defineThreads(int threads) { threads_ = threads; }
    int threads() const { return threads_; }

    // The learning rate after one more cycle: (taxaEvolucao / 100) * taxa, the quotient and the
    // product in extended precision, rounded to double once.
    static double decaiTaxa(double taxa, double evolucao);

    // The end of a training cycle, `ciclos` being the cycles completed with it, as every trainer
    // closes one: the status with the rate and radius the cycle used; the control's count and,
    // when it asks, the map (pesos() gives the weights neuron after neuron, `vencedores` the
    // cycle's winners); then the radius drops by one unless the cycles are the criterion, and
    // the rate decays.
    template <class Pesos>
    void fechaCiclo(std::int64_t ciclos, bool criterioQtdCiclos, const FuncaoStatus& status,
                    TControle* controle, const std::vector<std::int32_t>& vencedores,
                    const Pesos& pesos) {
        if (status) status(taxaAprendizado, static_cast<std::int32_t>(ciclos), raio);
        if (controle != nullptr) {
            controle->anotaCiclo(ciclos);
            if (controle->querMapa(ciclos)) controle->aoInstantaneo({ciclos, pesos(), vencedores});
        }
        if (!criterioQtdCiclos) --raio;
        taxaAprendizado = decaiTaxa(taxaAprendizado, taxaEvolucao);
    }

  private:
    int threads_ = 0;
};

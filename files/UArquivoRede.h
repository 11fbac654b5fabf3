#pragma once
// The trained-network file (".cfg"): the map's size, the pattern dimension, the neighbourhood
// settings and every neuron's weights; no counts, labels or learning rates.
//
//   line 1       rows|columns|dimension|radius|neighbourhood|patterns|dimension#
//   lines 2..    one neuron per line in row-major order: w1|w2|...|wD#
//
// Weights are written by realParaTexto (decimal comma, 15 significant digits), so they survive a
// save and load to 15 significant digits. Every line ends with CR LF.

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "UAleatorio.h"
#include "UControle.h"
#include "UKohonen.h"
#include "URede.h"

struct TCabecalhoRede {
    std::int32_t linhas = 0;
    std::int32_t colunas = 0;
    std::int32_t dimensao = 0;  // field 7; field 3 is read and overwritten by it
    std::int32_t raio = 0;
    std::string vizinhanca;
    std::int32_t qtdPadroes = 0;
};

// Splits and converts a header line. Fields 1 to 6 end at "|", field 7 at "#"; each number is
// converted as soon as it is split off. Throws EFormatoArquivo, EConversao, and EFormatoArquivo for
// a size or dimension that is zero or negative.
TCabecalhoRede separaCabecalhoRede(std::string_view linha);

// One weight as text: textoParaDouble, except that the 15-digit text of the largest double
// (1,79769313486232E308, either sign) reads as the largest double instead of overflowing.
double lePeso(std::string_view campo);

// Reads `dimensao` weights of one neuron line into `neuronio`; "|" or "#" ends each weight and
// whatever follows the last one is ignored. Throws EFormatoArquivo, EConversao or EEstouroReal.
void lePesosNeuronio(std::string_view linha, std::int32_t dimensao, TNeuronio& neuronio);

// How far the reading of a network file came, so that the caller can keep exactly what a load has
// always kept after a failure part-way (the header's values, a map with partly loaded weights).
struct TCargaRede {
    std::optional<TCabecalhoRede> cabecalho;  // read and converted
    bool grandeDemais = false;  // the header's map could not fit the memory ceiling: nothing else
    bool mapaPronto = false;    // the map was built (random weights, then those read so far)
    bool completa = false;      // every weight was read
    std::exception_ptr falha;   // what ended the reading early, if not a stop request
    bool parada() const { return !completa && !falha && !grandeDemais; }
};

// Reads a network file into `nova`: the header (no further than its fields), then a map of random
// weights drawn from `gerador` with the distance matrix of `vizinhanca` (the neighbourhood chosen
// before the load), then the weights, neuron after neuron. A control's stop request (one step
// per megabyte of the header and per neuron) ends it early. Never throws: a failure is kept in
// the result.
TCargaRede carregaRede(const std::string& caminho, const std::string& vizinhanca,
                       TGeradorAleatorio& gerador, TRede& nova, TControle* controle = nullptr);

// Writes the network to `caminho`. The file is written beside the target under a temporary name
// and renamed over it only when complete, so a failed save leaves any earlier file intact. Throws
// EEntradaSaida.
void salvaRede(const std::string& caminho, const TRede& rede, std::string_view textoRaio,
               std::string_view textoVizinhanca);

// The text of the file that salvaRede writes.
std::string textoRede(const TRede& rede, std::string_view textoRaio,
                      std::string_view textoVizinhanca);

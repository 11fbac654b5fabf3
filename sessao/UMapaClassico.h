#pragma once
// The classic network seen as a map (TMapa) and the explorer's classic measures over it: a
// rectangular grid whose adjacency is the network's distance matrix at 1 (so it follows MANHATTAN
// or GRID), the distances summed in long double as the classic map's numbers always were. Also
// what the classic files add: the labels of a neuron's gathered patterns and of a pattern file.
//
// A map's weights are passed as one array, neuron after neuron in row-major order (n neurons of
// d weights), and its neighbourhood as the distance matrix of the network (n x n).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "UControle.h"
#include "UKohonen.h"
#include "UMapa.h"
#include "UMedidas.h"
#include "UPadroes.h"
#include "UProjecao.h"

// The map of n neurons of d weights whose adjacency is matriz's 1s; `linhas` x `colunas` when
// known (the measures do not need them).
TMapa mapaClassico(std::vector<double> pesos, std::int32_t n, std::int32_t d,
                   const std::vector<std::int32_t>& matriz, std::int32_t linhas = 0,
                   std::int32_t colunas = 0);

// For each neuron, the mean Euclidean distance between its weights and those of its adjacent
// neurons; 0 for a neuron without any (a 1 x 1 map).
std::vector<double> matrizU(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                            const std::vector<std::int32_t>& matriz);

struct TContagemRotulo {
    std::string rotulo;
    std::int32_t vezes;
};

// The labels of a neuron's gathered patterns with how many times each occurs, the most frequent
// first; among equally frequent labels, the one gathered first comes first. The first entry is the
// neuron's majority label. Linear in the number of labels gathered.
std::vector<TContagemRotulo> contaRotulos(const TNeuronio& neuronio);

// Every distinct label of a file's patterns in the order first met, and each pattern's place in
// that list. Built with a hash table, so a file of a million distinct labels takes a moment, not
// hours; a stop request (one step per pattern) abandons it.
struct TRotulosDosPadroes {
    std::vector<std::string> legenda;
    std::vector<std::int32_t> indice;  // per pattern
};
std::optional<TRotulosDosPadroes> rotulosDosPadroes(const TPadroes& padroes,
                                                    TControle* controle = nullptr);

// Both errors of the patterns on the map. A pattern's winner is its nearest neuron and its
// second-best the nearest other one, ties going to the lower index in both. With no pattern both
// are 0; with one neuron the topographic error is 0. Values too large for a squared distance in
// double (beyond about 1e154) are measured in extended precision, so the errors of any finite map
// are finite.
TErros medeErros(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                 const TPadroes& padroes, const std::vector<std::int32_t>& matriz);
// The same, abandoned at a stop request (one step per 64 patterns): nothing then.
std::optional<TErros> medeErros(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                                const TPadroes& padroes, const std::vector<std::int32_t>& matriz,
                                TControle* controle);

#pragma once
// What the map explorer shows, computed from a map: the U-matrix, the labels each neuron gathered,
// the quantization and topographic errors, and a projection of the input space on its two
// principal components. Plain definitions in plain double arithmetic: these are measures shown to
// the student, never part of the training, and nothing here changes the network.
//
// A map's weights are passed as one array, neuron after neuron in row-major order (n neurons of
// d weights), and its neighbourhood as the distance matrix of the network (n x n): two neurons are
// adjacent when their map distance is 1, so adjacency follows MANHATTAN or GRID.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "UControle.h"
#include "UKohonen.h"
#include "UPadroes.h"

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

struct TErros {
    double quantizacao = 0.0;  // mean Euclidean distance of each pattern to its winner
    double topografico = 0.0;  // share of patterns whose two nearest neurons are not adjacent
};

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

// How many points of the error curve a training of `ciclos` cycles records: up to 200 (never more
// than the cycles), fewer when measuring would cost more than a tenth of the training's own work
// beyond a small allowance, and at least one, the last.
std::int32_t pontosDaCurva(std::int64_t ciclos, std::int64_t padroes, std::int64_t neuronios,
                           std::int64_t dimensao);
// Whether the curve records the map after `ciclo` cycles (1 .. ciclos): `pontos` evenly spaced
// cycles, the last included.
bool cicloDaCurva(std::int64_t ciclo, std::int64_t ciclos, std::int32_t pontos);

// The two principal axes of a cloud of points (the mean and two orthonormal directions of largest
// variance); with fewer than two dimensions the missing axis is zero.
struct TProjecao {
    std::vector<double> media, eixo1, eixo2;
    // The point's coordinates along the two axes, in extended precision and held within the
    // double range, so that any finite point has finite coordinates.
    void projeta(const double* x, double& a, double& b) const;
};
// At most `amostra` points are used, evenly spread over the cloud. With a control, each pass over
// the points is a step of it (TControle::passo), and a stop request throws EInterrompido.
TProjecao projecaoPrincipal(const std::vector<const double*>& pontos, std::int32_t d,
                            std::size_t amostra = 4000, TControle* controle = nullptr);

#pragma once
// The measures of a map that the views and the files show, written once for every engine: the
// U-matrix, the quantization and topographic errors, the hits and the ranking of each unit's
// labels. Plain definitions over TMapa. A measure that sums is parameterised by the type it sums
// in: the classic map's numbers have always been summed in long double, the laboratory's in
// double (they reach its files), and each keeps its bits.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "UMapa.h"

// Asked once per piece of a long measure; true abandons it.
using TParadaMedida = std::function<bool()>;

// The Euclidean distance between two weight vectors, the squares summed in double in attribute
// order; in extended precision when they overflow a double, so that any two finite vectors are a
// finite distance apart (clamped to the largest double beyond it).
double distanciaEntre(const double* a, const double* b, std::size_t d);

// For each unit, the mean distance between its weights and those of its adjacent units, summed in
// Soma in the order of TMapa::vizinhos; 0 for a unit without any.
template <class Soma>
std::vector<double> matrizU(const TMapa& mapa);

struct TErros {
    double quantizacao = 0.0;  // mean Euclidean distance of each pattern to its winner
    double topografico = 0.0;  // share of patterns whose two nearest units are not adjacent
};

// Both errors from each pattern's winner, second-best and distance to the winner, summed in Soma.
template <class Soma>
class TSomaErros {
  public:
    // A pattern whose winner is `distancia` away; `separados`: its two best units not adjacent.
    void acrescenta(Soma distancia, bool separados) {
        quantizacao_ += distancia;
        separados_ += separados ? 1 : 0;
    }
    void junta(const TSomaErros& outra) {
        quantizacao_ += outra.quantizacao_;
        separados_ += outra.separados_;
    }
    // The means over `padroes` patterns (0 without any), held within the double range.
    TErros media(std::int64_t padroes) const {
        TErros e;
        if (padroes <= 0) return e;
        const auto total = static_cast<Soma>(padroes);
        e.quantizacao =
            static_cast<double>(std::min(quantizacao_ / total, static_cast<Soma>(DBL_MAX)));
        e.topografico = static_cast<double>(separados_) / static_cast<double>(padroes);
        return e;
    }

  private:
    Soma quantizacao_ = 0;
    std::int64_t separados_ = 0;
};

// Both errors of the patterns on the map by a full search: a pattern's winner is its nearest unit
// and its second-best the nearest other one, ties going to the lower index in both; the distances
// are summed in long double. `padroes` holds each pattern's values, or null for a pattern that
// counts in the mean but is not measured. With one unit the topographic error is 0. Abandoned at a
// stop (asked once per 64 patterns): nothing then. A large measure is split in two halves of the
// patterns, the second on a thread of its own; the split depends only on the size, so the sums are
// the same on every machine.
std::optional<TErros> medeErros(const TMapa& mapa, const std::vector<const double*>& padroes,
                                const TParadaMedida& parar = {});

// How many patterns each unit won (winners outside the map, such as -1, are left out).
std::vector<std::int64_t> acertos(std::int32_t unidades, const std::vector<std::int32_t>& vencedor);

// Per unit, the mean distance (distanciaEntre) between its weights and the patterns it won, summed
// in double in the patterns' order; not a number for a unit that won none. A winner outside the map
// (such as -1) and a null pattern are left out.
std::vector<double> erroPorUnidade(const TMapa& mapa, const std::vector<const double*>& padroes,
                                   const std::vector<std::int32_t>& vencedor);

// Per unit, the mean of one value per pattern (a column of the data) over the patterns it won,
// summed in double in the patterns' order; a value that is not a number (missing) is left out, and
// a unit with no value left is not a number either. Winners outside the map are left out.
std::vector<double> mediaPorUnidade(std::int32_t unidades,
                                    const std::vector<std::int32_t>& vencedor,
                                    const std::vector<double>& valor);

// The distinct values of a sequence with how many times each occurs, the most frequent first;
// equally frequent values in the order first met. Linear in the length.
template <class T, class Intervalo>
std::vector<std::pair<T, std::int64_t>> porFrequencia(const Intervalo& valores) {
    std::vector<std::pair<T, std::int64_t>> contagens;
    std::unordered_map<T, std::size_t> posicao;
    for (const auto& v : valores) {
        const auto [it, novo] = posicao.try_emplace(T(v), contagens.size());
        if (novo)
            contagens.emplace_back(T(v), 1);
        else
            ++contagens[it->second].second;
    }
    std::stable_sort(contagens.begin(), contagens.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    return contagens;
}

// Per unit, the labels of the patterns it won (each pattern's label a place in a legend, -1 for
// none, left out) ranked as porFrequencia ranks them, first met meaning in the patterns' order.
std::vector<std::vector<std::pair<std::int32_t, std::int64_t>>> rotulosPorUnidade(
    std::int32_t unidades, const std::vector<std::int32_t>& vencedor,
    const std::vector<std::int32_t>& rotulo);

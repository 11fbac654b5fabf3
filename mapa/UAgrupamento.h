#pragma once
// The units of a map gathered into clusters that stay whole on the map: Ward's agglomeration of the
// units' weights (as hclust's "ward.D2" on a codebook), except that two clusters are joined only
// when a unit of one is adjacent to a unit of the other (TMapa::vizinhos), so that every cluster is
// one connected piece of the grid or graph. Cut at any number of clusters, with a suggested number.

#include <cstdint>
#include <vector>

#include "UMapa.h"

// A cluster is named by its lowest unit; joining two keeps the lower name.
struct TJuncao {
    std::int32_t a = 0, b = 0;  // the two clusters joined, a < b; the result is named a
};

struct TAgrupamento {
    std::int32_t unidades = 0;
    // The n - 1 joins in the order they were made (none for an empty map) and the height of each:
    // sqrt(2 * cost), Ward's cost of joining A and B being |A||B| / (|A| + |B|) * |mean(A) -
    // mean(B)|^2, so that two single units join at their Euclidean distance. The heights are in
    // the order of the joins and need not increase: a join of neighbours can bring a cluster
    // nearer to another it was not yet adjacent to (0 - 1 - 0 on a path joins at 1, then at
    // sqrt(1/3)).
    std::vector<TJuncao> juncoes;
    std::vector<double> alturas;
};

// The cheapest join of adjacent clusters first; among equal costs (the same double), the pair with
// the lowest first name, then the lowest second name. When no two clusters left are adjacent (a
// graph in separate pieces), the pieces are joined by the same rule without the adjacency, so that
// the map always ends in one cluster. Means and costs in double, attributes summed in order: the
// same map gives the same joins on every machine. Roughly O(n log n) joins of neighbours on a grid,
// O(n^2) per attribute when everything is apart.
TAgrupamento agrupaUnidades(const TMapa& mapa);

// Each unit's cluster after the first n - k joins (k held within 1..n), the clusters numbered
// 0..k-1 in the order of their lowest units: unit 0 is always in cluster 0. Empty for an empty map.
std::vector<std::int32_t> cortaEm(const TAgrupamento& agrupamento, std::int32_t k);

// The number of clusters just before the largest rise of height between two consecutive joins:
// the k in 2..min(maximo, n - 1) for which alturas[n - k] - alturas[n - k - 1] (the join that
// would leave k - 1 clusters against the one that left k) is largest, the smallest such k on a
// tie. With no such k (fewer than three units, or maximo below 2): min(n, max(maximo, 1)).
std::int32_t kSugerido(const TAgrupamento& agrupamento, std::int32_t maximo);

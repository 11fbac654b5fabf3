#pragma once
// What any trained map is, whichever engine made it: its units, each with its weights and a place
// on a grid (or none, for a graph), and which units are adjacent: the grid neighbours of the
// classic and laboratory maps, or the edges of a graph. Every measure a view shows is computed over
// this (UMedidas.h). Built by adapters above this folder; the standard library only.

#include <algorithm>
#include <cstdint>
#include <vector>

enum class TFormaMapa {
    retangular,  // unit (r, c) at (c, r)
    hexagonal,   // odd rows (from 0) half a unit to the right
    grafo,       // no grid: the units' places are their weights
};

struct TMapa {
    TFormaMapa forma = TFormaMapa::retangular;
    bool toroidal = false;
    // The grid, row after row (unit k = r * colunas + c); a graph is one row of its units.
    std::int32_t linhas = 0, colunas = 0;
    std::int32_t dimensao = 0;
    std::vector<double> pesos;  // unit after unit
    // Per unit, the units adjacent to it, increasing, each once; symmetric.
    std::vector<std::vector<std::int32_t>> vizinhos;

    std::int32_t unidades() const { return static_cast<std::int32_t>(vizinhos.size()); }
    const double* peso(std::int32_t u) const {
        return pesos.data() + static_cast<std::size_t>(u) * static_cast<std::size_t>(dimensao);
    }
    bool adjacentes(std::int32_t a, std::int32_t b) const {
        const auto& v = vizinhos[static_cast<std::size_t>(a)];
        return std::binary_search(v.begin(), v.end(), b);
    }
};

#pragma once
// The laboratory's maps: R rows x C columns of units, unit k = r * C + c (row after row, the column
// fastest, as SOM_PAK orders its units).
//
// A rectangular map puts unit (r, c) at (c, r). A hexagonal one puts it at
// (c + 0.5 (r mod 2), r sqrt(3)/2): odd rows shifted right by half a unit, so that every inner unit
// has six neighbours at distance 1. A toroidal map wraps in both directions and the distance is the
// shortest over the wrapped copies; a hexagonal torus needs an even number of rows, or the shifted
// rows would meet unshifted ones across the seam.
//
// Grid distances are handled as 4 d^2, an integer: (2 dc)^2 + (2 dr)^2 on a rectangular map and
// dx^2 + 3 dr^2 on a hexagonal one, dx being the horizontal distance in halves of a unit. So d^2 is
// exact, neighbours are at exactly 1, and a bubble's edge falls exactly where it should.

#include <cstdint>
#include <string>
#include <vector>

#include "UMapa.h"

enum class TTopologiaLab { retangular, hexagonal };

inline constexpr std::int32_t kLadoMaximoLab = 100;

struct TGradeLab {
    std::int32_t linhas = 10, colunas = 10;
    TTopologiaLab topologia = TTopologiaLab::hexagonal;
    bool toroidal = false;

    bool operator==(const TGradeLab&) const = default;

    std::int32_t unidades() const { return linhas * colunas; }
    bool hexagonal() const { return topologia == TTopologiaLab::hexagonal; }

    // 4 d^2 between units a and b.
    std::int64_t quatroD2(std::int32_t a, std::int32_t b) const;
    double distancia2(std::int32_t a, std::int32_t b) const {
        return static_cast<double>(quatroD2(a, b)) / 4.0;
    }
    // Adjacent: distinct and at grid distance 1 (at most 1, which on these grids is the same).
    bool adjacentes(std::int32_t a, std::int32_t b) const { return a != b && quatroD2(a, b) <= 4; }
    // The units adjacent to k, increasing, each once (a narrow torus reaches some by two ways).
    std::vector<std::int32_t> vizinhos(std::int32_t k) const;
    // Unit k's place on the plane (see above).
    void posicao(std::int32_t k, double& x, double& y) const;
};

// The starting radius R's kohonen takes when none is given: the 2/3 quantile (R's default, type 7)
// of the grid distances between every ordered pair of units, the pairs of a unit with itself
// included; computed from the pairs' offsets, without listing the n^2 pairs.
double raioPadraoLab(const TGradeLab& grade);

// Why a grid cannot be trained (a Portuguese message naming the setting), or empty.
std::string validaGrade(const TGradeLab& grade);

// The map of these units with the given weights (units x dimension, row-major), its adjacency the
// grid's.
TMapa mapaDaGrade(const TGradeLab& grade, std::int32_t dimensao, std::vector<double> pesos);

#pragma once
// The travelling salesman on a closed ring of units (a 1 x N toroidal map trained on cities): the
// tour the ring gives, and a simple tour to hold it against.

#include <cstdint>
#include <vector>

#include "ULaboratorio.h"

struct TPercursoLab {
    std::vector<std::size_t> ordem;  // the cities (patterns with a winner), each once
    double comprimento = 0.0;        // closed: back to the first city
};

// The cities in the order of their winners along the ring; cities sharing a unit go in the order
// of their projection on the ring's direction there (from the unit before to the unit after).
TPercursoLab percursoDoAnel(const TDadosLab& dados, const std::vector<double>& pesos,
                            const std::vector<std::int32_t>& vencedores, std::int32_t unidades);

// From the first city, always on to the nearest one not yet visited, and back.
TPercursoLab percursoDoVizinhoMaisProximo(const TDadosLab& dados);

// The closed length of visiting the cities in `ordem` (Euclidean, over the values present).
double comprimentoDoPercurso(const TDadosLab& dados, const std::vector<std::size_t>& ordem);

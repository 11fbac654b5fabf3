#pragma once
// The map as a table for a spreadsheet: one line per neuron with its place, its weights, its win
// count and its majority label. Fields are separated by ";" since numbers use the decimal comma;
// weights are written by realParaTexto (15 significant digits), so they read back to 15 digits.
//
//   linha;coluna;NAME1;...;NAMED;acertos;rotulo
//   1;1;0,25;-0,125;3;setosa
//
// The names are the attributes' own when there are `dimensao` of them, else "atributo_1" ... A
// field holding ";", a double quote or a line break is quoted, with its quotes doubled. Lines end
// with CR LF.

#include <cstdint>
#include <string>
#include <vector>

// `pesos` holds the neurons one after the other in row-major order; `rotulos` each neuron's
// majority label (empty for none).
std::string textoCsvMapa(std::int32_t linhas, std::int32_t colunas, std::int32_t dimensao,
                         const std::vector<double>& pesos,
                         const std::vector<std::int32_t>& contagens,
                         const std::vector<std::string>& rotulos,
                         const std::vector<std::string>& nomes);

// Each pattern's winner on a map, a line per pattern in file order, numbered from 1:
//
//   padrao;linha;coluna;distancia;rotulo
//   1;3;5;0,125;setosa
//
// distancia is the Euclidean distance to the winner; a pattern that was left out (no value at all)
// has empty linha, coluna and distancia.
std::string textoCsvVencedores(std::int32_t colunas, const std::vector<std::int32_t>& vencedores,
                               const std::vector<double>& distancias,
                               const std::vector<std::string>& rotulos);

#pragma once
// A graph of units as GraphML, the XML that networkx, igraph and Gephi read: one node per unit
// ("n0", "n1", … in unit order) with its values as data "x0" … "x{D-1}" (named after the data's
// attributes when they have names), one undirected edge per pair with its age as data "idade".
// Numbers are written with "." and 17 significant digits, so they read back to the same doubles.
//
// Reading takes what this writer writes and what those programs write of such a graph: keys by
// their id, nodes in any order of their ids (the units are numbered by order of appearance), an
// edge's ends by id; data it does not know are skipped. Every error is an EGraphml in Portuguese.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class EGraphml : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct TArestaGrafo {
    std::int32_t a = 0, b = 0;
    std::int64_t idade = 0;
    bool operator==(const TArestaGrafo&) const = default;
};

struct TGrafoUnidades {
    std::int32_t dimensao = 0;
    std::vector<double> pesos;       // units x dimensao, row-major
    std::vector<std::string> nomes;  // of the attributes: none, or one each
    std::vector<TArestaGrafo> arestas;
};

// Throws EGraphml for sizes that do not match or a value that is not finite.
std::string textoGraphml(const TGrafoUnidades& grafo);
// Throws EGraphml.
TGrafoUnidades leGraphmlDeTexto(std::string_view texto);

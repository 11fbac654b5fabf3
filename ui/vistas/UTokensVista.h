#pragma once
// The views by the words the command-line tools take (--vista rotulos, …), in one list, and the
// property view's column ("propriedade=COLUNA": a name the data give, or a number from 1).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ULayoutMapa.h"

struct TVistaNomeada {
    const char* nome;
    TTipoVista tipo;
};
inline constexpr TVistaNomeada kVistasNomeadas[] = {
    {"rotulos", TTipoVista::Rotulos},
    {"acertos", TTipoVista::Acertos},
    {"matriz-u", TTipoVista::MatrizU},
    {"planos", TTipoVista::Planos},
    {"cores", TTipoVista::Cores},
    {"espaco", TTipoVista::Espaco},
    {"amostras", TTipoVista::Amostras},
    {"agrupamentos", TTipoVista::Agrupamentos},
    {"erro-unidade", TTipoVista::ErroUnidade},
};
inline constexpr std::string_view kPrefixoPropriedade = "propriedade=";

struct TVistaPedida {
    TTipoVista tipo;
    std::string coluna;  // the property's column, as written
};

inline std::optional<TVistaPedida> vistaDoNome(std::string_view nome) {
    if (nome.substr(0, kPrefixoPropriedade.size()) == kPrefixoPropriedade &&
        nome.size() > kPrefixoPropriedade.size())
        return TVistaPedida{TTipoVista::Propriedade,
                            std::string(nome.substr(kPrefixoPropriedade.size()))};
    for (const TVistaNomeada& v : kVistasNomeadas)
        if (nome == v.nome) return TVistaPedida{v.tipo, {}};
    return std::nullopt;
}

// The attribute a column names among `nomes` (of `dimensao` attributes): its name, else its
// number from 1; nothing when it is neither.
inline std::optional<std::int32_t> atributoDaColuna(const std::string& coluna,
                                                    const std::vector<std::string>& nomes,
                                                    std::int32_t dimensao) {
    for (std::size_t k = 0; k < nomes.size() && k < static_cast<std::size_t>(dimensao); ++k)
        if (nomes[k] == coluna) return static_cast<std::int32_t>(k);
    std::int32_t n = 0;
    for (const char c : coluna) {
        if (c < '0' || c > '9' || n > dimensao) return std::nullopt;
        n = 10 * n + (c - '0');
    }
    if (coluna.empty() || n < 1 || n > dimensao) return std::nullopt;
    return n - 1;
}

#pragma once
// The views by the words the command-line tools take (--vista rotulos, …), in one list.

#include <optional>
#include <string_view>

#include "ULayoutMapa.h"

struct TVistaNomeada {
    const char* nome;
    TTipoVista tipo;
};
inline constexpr TVistaNomeada kVistasNomeadas[] = {
    {"rotulos", TTipoVista::Rotulos},  {"acertos", TTipoVista::Acertos},
    {"matriz-u", TTipoVista::MatrizU}, {"planos", TTipoVista::Planos},
    {"cores", TTipoVista::Cores},      {"espaco", TTipoVista::Espaco},
};

inline std::optional<TTipoVista> vistaDoNome(std::string_view nome) {
    for (const TVistaNomeada& v : kVistasNomeadas)
        if (nome == v.nome) return v.tipo;
    return std::nullopt;
}

#pragma once
// The named search kernel or, on a processor that lacks it, the best one below it: a test written
// for every kernel then tests one everywhere instead of being skipped.

#include <string>

#include "UBusca.h"

inline std::string buscaOuAbaixo(std::string nome) {
    if (nome == "avx512" && !buscaDisponivel(nome)) nome = "avx2";
    if (nome == "avx2" && !buscaDisponivel(nome)) nome = "escalar";
    return nome;
}

#pragma once
// The command-line tools' way out: a message for the user, thrown from anywhere in reading the
// arguments or doing the work, and written by main() before it ends with a failure code.

#include <string>
#include <utility>
#include <vector>

#include "UGravacao.h"
#include "UImportacao.h"

struct TFalha {
    std::string mensagem;
};

[[noreturn]] inline void falha(const std::string& mensagem) {
    throw TFalha{mensagem};
}

// Checked before any work: an output that would replace one of the inputs or another output, or
// that could not be written (a folder, a folder that does not exist, no permission), fails at once
// with its name, rather than after a long training or over the data it came from.
// `entradas` and `saidas` pair each file with the option that named it.
inline void confereSaidas(const std::vector<std::pair<std::string, std::string>>& entradas,
                          const std::vector<std::pair<std::string, std::string>>& saidas) {
    for (std::size_t i = 0; i < saidas.size(); ++i) {
        const auto& [opcao, saida] = saidas[i];
        if (saida.empty()) continue;
        for (const auto& [nome, entrada] : entradas)
            if (!entrada.empty() && (saida == entrada || mesmoArquivo(saida, entrada)))
                falha(opcao + " \"" + saida + "\" é o próprio arquivo de " + nome +
                      ": escolha outro nome para não perdê-lo.");
        for (std::size_t j = 0; j < i; ++j)
            if (saida == saidas[j].second || mesmoArquivo(saida, saidas[j].second))
                falha(opcao + " e " + saidas[j].first + " gravariam o mesmo arquivo \"" + saida +
                      "\".");
        if (const std::string problema = problemaDoDestino(saida); !problema.empty())
            falha("não é possível gravar " + opcao + " \"" + saida + "\": " + problema + ".");
    }
}

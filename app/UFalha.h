#pragma once
// The command-line tools' way out: a message for the user, thrown from anywhere in reading the
// arguments or doing the work, and written by main() before it ends with a failure code.

#include <QCoreApplication>
#include <QString>
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
[[noreturn]] inline void falha(const QString& mensagem) {
    throw TFalha{mensagem.toStdString()};
}

// Checked before any work: an output that would replace one of the inputs or another output, or
// that could not be written (a folder, a folder that does not exist, no permission), fails at once
// with its name, rather than after a long training or over the data it came from.
// `entradas` and `saidas` pair each file with the option that named it (an input's name already
// in the language of the run).
inline void confereSaidas(const std::vector<std::pair<std::string, std::string>>& entradas,
                          const std::vector<std::pair<std::string, std::string>>& saidas) {
    for (std::size_t i = 0; i < saidas.size(); ++i) {
        const auto& [opcao, saida] = saidas[i];
        if (saida.empty()) continue;
        for (const auto& [nome, entrada] : entradas)
            if (!entrada.empty() && (saida == entrada || mesmoArquivo(saida, entrada)))
                falha(QCoreApplication::translate(
                          "Ferramentas",
                          "%1 \"%2\" é o próprio arquivo de %3: escolha outro nome "
                          "para não perdê-lo.")
                          .arg(QString::fromStdString(opcao), QString::fromStdString(saida),
                               QString::fromStdString(nome)));
        for (std::size_t j = 0; j < i; ++j)
            if (saida == saidas[j].second || mesmoArquivo(saida, saidas[j].second))
                falha(QCoreApplication::translate("Ferramentas",
                                                  "%1 e %2 gravariam o mesmo arquivo \"%3\".")
                          .arg(QString::fromStdString(opcao),
                               QString::fromStdString(saidas[j].first),
                               QString::fromStdString(saida)));
        if (const std::string problema = problemaDoDestino(saida); !problema.empty())
            falha(QCoreApplication::translate("Ferramentas", "não é possível gravar %1 \"%2\": %3.")
                      .arg(QString::fromStdString(opcao), QString::fromStdString(saida),
                           QString::fromStdString(problema)));
    }
}

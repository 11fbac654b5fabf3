#pragma once
// The command-line tools' way out: a message for the user, thrown from anywhere in reading the
// arguments or doing the work, and written by main() before it ends with a failure code.

#include <string>

struct TFalha {
    std::string mensagem;
};

[[noreturn]] inline void falha(const std::string& mensagem) {
    throw TFalha{mensagem};
}

#include "UTraducao.h"

#include <atomic>
#include <vector>

namespace {

std::atomic<TTradutor> tradutorInstalado{nullptr};

}  // namespace

void instalaTradutor(TTradutor tradutor) {
    tradutorInstalado.store(tradutor, std::memory_order_release);
}

std::string traducao(const char* contexto, const char* fonte) {
    const TTradutor t = tradutorInstalado.load(std::memory_order_acquire);
    return t != nullptr ? t(contexto, fonte) : std::string(fonte);
}

std::string mensagem(const char* modelo, std::initializer_list<TArgumento> argumentos) {
    const std::string texto = traducao("Mensagens", modelo);
    const std::vector<TArgumento> args(argumentos);
    std::string saida;
    saida.reserve(texto.size() + 16 * args.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '%' && i + 1 < texto.size() && texto[i + 1] >= '1' && texto[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(texto[i + 1] - '1');
            if (k < args.size()) {
                saida += args[k].texto();
                ++i;
                continue;
            }
        }
        saida += c;
    }
    return saida;
}

#include "UMotorTransposto.h"

namespace motor {

bool treinaTransposto(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                      const TRede::FuncaoStatus& status, TControle* controle) {
    TMotorTransposto motor(rede);
    auto rascunho = motor.rascunho();
    const auto padroes = static_cast<std::int64_t>(rede.entradas.size());
    std::vector<std::int32_t> vencedores(static_cast<std::size_t>(padroes), 0);
    std::int64_t presentes = 0;
    bool completo = true, comecou = false;
    std::vector<double> instantaneo;
    for (std::int64_t t = 0; t <= ultimo; ++t) {
        if (controle != nullptr && controle->deveParar(t * padroes)) {
            completo = false;
            break;
        }
        comecou = true;
        const double taxa = rede.taxaAprendizado;
        const std::int32_t raio = rede.raio;
        for (std::int64_t p = 0; p < padroes; ++p) {
            if (controle != nullptr && p > 0) {
                if (controle->deveParar(t * padroes + p)) {
                    completo = false;
                    presentes = p;
                    break;
                }
                controle->anotaPadroes(p);
            }
            const double* x = rede.entradas[static_cast<std::size_t>(p)].dados();
            const std::int32_t v = motor.vencedor(x, rascunho);
            vencedores[static_cast<std::size_t>(p)] = v;
            motor.ajusta(v, x, taxa, raio);
        }
        if (!completo) break;
        presentes = padroes;
        rede.fechaCiclo(t + 1, criterioQtdCiclos, status, controle, vencedores,
                        [&]() -> const std::vector<double>& {
                            motor.copiaPesos(instantaneo);
                            return instantaneo;
                        });
    }
    motor.devolve();
    if (comecou) anotaApresentados(rede, vencedores, presentes);
    return completo;
}

std::optional<std::vector<std::int32_t>> classificaTransposto(TRede& rede, int threads,
                                                              TControle* controle) {
    const TMotorTransposto motor(rede);
    return vencedoresEmThreads(rede, threads, controle, [&motor] {
        return [&motor, rascunho = motor.rascunho()](const double* x) mutable {
            return motor.vencedor(x, rascunho);
        };
    });
}

}  // namespace motor

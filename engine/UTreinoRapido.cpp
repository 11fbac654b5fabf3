#include "UTreinoRapido.h"

#include <thread>
#include <vector>

#include "UMotorComum.h"
#include "UMotorSlots.h"
#include "UMotorTransposto.h"

using namespace motor;

namespace {

std::atomic<std::int64_t> revezamentoParaTestes{0};

// Work of one pattern (neurons x values) from which a second thread pays for meeting the first.
constexpr std::int64_t kTrabalhoParaDuasThreads = 8192;

// Whether the fast layout can hold this network; otherwise the reference loops run.
bool cabeNoLayoutRapido(const TRede& rede) {
    if (!rede.existeMapa() || rede.dimensao < 0) return false;
    const std::int64_t n = static_cast<std::int64_t>(rede.linhasMapa()) * rede.colunasMapa();
    if (static_cast<std::int64_t>(rede.matrizDistancias.size()) != n * n) return false;
    for (const auto& linha : rede.neuronios) {
        if (static_cast<std::int32_t>(linha.size()) != rede.colunasMapa()) return false;
        for (const TNeuronio& neuronio : linha)
            if (neuronio.getQtdPesos() != rede.dimensao) return false;
    }
    if (!rede.entradas.empty() && rede.entradas.largura() != rede.dimensao) return false;
    return true;
}

}  // namespace

void defineRevezamentoParaTestes(std::int64_t padroes) {
    revezamentoParaTestes.store(padroes);
}

int threadsDoTreino(const TRede& rede, int threads) {
    if (threads == 1 || rede.dimensao <= kDimensaoTransposta) return 1;
    if (rede.linhasMapa() * rede.colunasMapa() < 2) return 1;
    if (threads >= 2) return 2;
    const std::int64_t trabalho =
        static_cast<std::int64_t>(rede.linhasMapa()) * rede.colunasMapa() * rede.dimensao;
    return std::thread::hardware_concurrency() >= 2 && trabalho >= kTrabalhoParaDuasThreads ? 2 : 1;
}

bool treinaRapido(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                  const TRede::FuncaoStatus& status, int threads, TControle* controle) {
    if (!cabeNoLayoutRapido(rede))
        return rede.ativaRedeReferencia(criterioQtdCiclos, ultimo, status, controle);
    rede.ultimoCiclo = ultimo;
    if (rede.dimensao <= kDimensaoTransposta)
        return treinaTransposto(rede, criterioQtdCiclos, ultimo, status, controle);
    return treinaSlots(rede, criterioQtdCiclos, ultimo, status, threadsDoTreino(rede, threads),
                       revezamentoParaTestes.load(), controle);
}

bool classificaRapido(TRede& rede, int threads, TControle* controle) {
    if (!cabeNoLayoutRapido(rede)) return rede.classificaEntradasReferencia(controle);
    const auto padroes = static_cast<std::int64_t>(rede.entradas.size());
    // Patterns are independent here: each thread takes a contiguous half (vencedoresEmThreads).
    const std::int64_t trabalho = padroes * rede.linhasMapa() * rede.colunasMapa() * rede.dimensao;
    const bool duas = threads >= 2 || (threads == 0 && std::thread::hardware_concurrency() >= 2 &&
                                       trabalho >= 64 * kTrabalhoParaDuasThreads);
    const int threadsUsadas = duas && padroes >= 64 ? 2 : 1;
    // A stop request leaves the counts as they were.
    const auto vencedores = rede.dimensao <= kDimensaoTransposta
                                ? classificaTransposto(rede, threadsUsadas, controle)
                                : classificaSlots(rede, threadsUsadas, controle);
    if (!vencedores) return false;
    anotaVencedores(rede, *vencedores);
    return true;
}

bool TRede::ativaRede(bool criterioQtdCiclos, std::int32_t ultimo, const FuncaoStatus& status,
                      TControle* controle) {
    return treinaRapido(*this, criterioQtdCiclos, ultimo, status, threads_, controle);
}

bool TRede::classificaEntradas(TControle* controle) {
    return classificaRapido(*this, threads_, controle);
}

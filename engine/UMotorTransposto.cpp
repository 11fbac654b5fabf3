#include "UMotorTransposto.h"

#include "UBusca.h"
#include "UExato.h"
#include "UMotorComum.h"

namespace motor {

namespace {

class TMotorTransposto {
  public:
    explicit TMotorTransposto(TRede& rede)
        : rede_(rede),
          colunas_(rede.colunasMapa()),
          n_(rede.linhasMapa() * rede.colunasMapa()),
          d_(rede.dimensao),
          passo_((n_ + 7) / 8 * 8),
          t_(static_cast<std::size_t>(d_) * static_cast<std::size_t>(passo_), 0.0),
          limiar_(limiarDaBusca(d_)),
          kernel_(funcaoTransposta()),
          seleciona_(funcaoSeleciona()),
          vizinhancas_(rede, n_) {
        for (std::int32_t j = 0; j < n_; ++j) {
            const TNeuronio& neuronio = rede.neuronio(j / colunas_, j % colunas_);
            for (std::int32_t k = 0; k < d_; ++k) peso(k, j) = neuronio.getPeso(k);
        }
    }

    void devolve() {
        for (std::int32_t j = 0; j < n_; ++j) {
            TNeuronio& neuronio = rede_.neuronio(j / colunas_, j % colunas_);
            for (std::int32_t k = 0; k < d_; ++k) neuronio.setPeso(k, peso(k, j));
        }
    }

    // The weights neuron after neuron, as an instant of the training shows them.
    void copiaPesos(std::vector<double>& pesos) {
        pesos.resize(static_cast<std::size_t>(n_) * static_cast<std::size_t>(d_));
        for (std::int32_t j = 0; j < n_; ++j)
            for (std::int32_t k = 0; k < d_; ++k)
                pesos[static_cast<std::size_t>(j) * static_cast<std::size_t>(d_) +
                      static_cast<std::size_t>(k)] = peso(k, j);
    }

    // Scratch for one thread's searches.
    struct TRascunho {
        std::vector<double> f;
        std::vector<std::int32_t> candidatos;
        std::vector<double> pesos;
    };
    TRascunho rascunho() const {
        TRascunho r;
        r.f.resize(static_cast<std::size_t>(passo_));
        r.candidatos.resize(static_cast<std::size_t>(n_));
        r.pesos.resize(static_cast<std::size_t>(d_));
        return r;
    }

    std::int32_t vencedor(const double* x, TRascunho& r) const {
        const TResultadoTransposta rapido = kernel_(x, d_, t_.data(), passo_, n_, r.f.data());
        if (rapido.inseguro) return vencedorExato(x, r);
        const double limite = rapido.melhor * limiar_.fator + limiar_.folga;
        const std::int32_t quantos = seleciona_(r.f.data(), n_, limite, r.candidatos.data());
        // The bound keeps the winner among the candidates: a lone candidate needs no exact sum.
        if (quantos == 1) return r.candidatos[0];
        TChave melhor;
        for (std::int32_t c = 0; c < quantos; ++c) {
            const std::int32_t j = r.candidatos[static_cast<std::size_t>(c)];
            const TChave chave{distanciaExataAte(x, colhePesos(j, r), d_, melhor.distancia), j};
            if (chave.menorQue(melhor)) melhor = chave;
        }
        return melhor.neuronio;
    }

    void ajusta(std::int32_t vencedor, const double* x, double taxa, std::int32_t raio) {
        const long double r = taxa;
        for (const TSegmento& s : vizinhancas_.de(vencedor, raio))
            for (std::int32_t k = 0; k < d_; ++k) {
                double* linha = t_.data() + static_cast<std::int64_t>(k) * passo_;
                for (std::int32_t j = s.inicio; j < s.fim; ++j)
                    linha[j] = ajustaPesoExato(linha[j], x[k], r);
            }
    }

  private:
    double& peso(std::int32_t k, std::int32_t j) {
        return t_[static_cast<std::size_t>(k) * static_cast<std::size_t>(passo_) +
                  static_cast<std::size_t>(j)];
    }

    const double* colhePesos(std::int32_t j, TRascunho& r) const {
        for (std::int32_t k = 0; k < d_; ++k)
            r.pesos[static_cast<std::size_t>(k)] =
                t_[static_cast<std::size_t>(k) * static_cast<std::size_t>(passo_) +
                   static_cast<std::size_t>(j)];
        return r.pesos.data();
    }

    // The program's own search, for distances the bound cannot vouch for (not finite, enormous).
    std::int32_t vencedorExato(const double* x, TRascunho& r) const {
        return primeiroMaisProximo(
            n_, [&](std::int32_t j) { return distanciaExata(x, colhePesos(j, r), d_); });
    }

    TRede& rede_;
    std::int32_t colunas_, n_, d_, passo_;
    std::vector<double> t_;
    TLimiar limiar_;
    TFuncaoTransposta kernel_;
    TFuncaoSeleciona seleciona_;
    TVizinhancas vizinhancas_;
};

}  // namespace

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

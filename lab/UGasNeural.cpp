// The models whose units never grow in number: hard competitive learning (the nearest unit moves),
// LBG (each unit to the mean of the patterns it wins, epoch after epoch), the neural gas (every
// unit moves by its rank), with or without the competitive Hebbian edges, and those edges alone.

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>

#include "UCompetitivoInterno.h"

namespace {

// Past this, exp(-x) is 0 in double.
constexpr double kExpoenteNulo = 746.0;

// The units in the order of (distance, index), for the ranks: a stable merge sort, from index
// order, on the distances' bits (a distance is never negative, so its bits order as it does). Each
// step of a merge picks its side without a branch on the data, which would be mispredicted half
// the time on distances in no order.
class TOrdenacao {
  public:
    explicit TOrdenacao(std::size_t n) : k_(n), u_(n), k2_(n), u2_(n) {}

    const std::vector<std::int32_t>& ordena(const double* distancias, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) {
            k_[i] = std::bit_cast<std::uint64_t>(distancias[i]);
            u_[i] = static_cast<std::int32_t>(i);
        }
        for (std::size_t largura = 1; largura < n; largura *= 2) {
            for (std::size_t inicio = 0; inicio < n; inicio += 2 * largura)
                junta(inicio, std::min(inicio + largura, n), std::min(inicio + 2 * largura, n));
            std::swap(k_, k2_);
            std::swap(u_, u2_);
        }
        return u_;
    }

  private:
    void junta(std::size_t inicio, std::size_t meio, std::size_t fim) {
        std::size_t i = inicio, j = meio, o = inicio;
        while (i < meio && j < fim) {
            const bool direita = k_[j] < k_[i];  // a tie keeps the left, lower-index side first
            k2_[o] = direita ? k_[j] : k_[i];
            u2_[o] = direita ? u_[j] : u_[i];
            ++o;
            j += direita ? 1 : 0;
            i += direita ? 0 : 1;
        }
        for (; i < meio; ++i, ++o) k2_[o] = k_[i], u2_[o] = u_[i];
        for (; j < fim; ++j, ++o) k2_[o] = k_[j], u2_[o] = u_[j];
    }

    std::vector<std::uint64_t> k_;
    std::vector<std::int32_t> u_;
    std::vector<std::uint64_t> k2_;
    std::vector<std::int32_t> u2_;
};

}  // namespace

namespace {

class THcl : public TModeloBase {
  public:
    THcl(const TConfiguracaoCompetitiva& c, std::int32_t d, const std::vector<double>& inicio,
         std::int64_t total)
        : TModeloBase(d, inicio, total, false), eps_(epsDoModelo(c)) {}

    void sinal(const double* x) override {
        const TMelhores m = busca_.busca(x, true);
        s1_ = m.c1;
        s2_ = m.c2;
        unidades_.move(m.c1, x, agendaExponencial(eps_, sinais_, total_));
        ++sinais_;
    }

  private:
    const TAgendaLab eps_;
};

}  // namespace

std::unique_ptr<TModeloEmTreino> criaHcl(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                         const std::vector<double>& inicio, std::int64_t total) {
    return std::make_unique<THcl>(c, dimensao, inicio, total);
}

TResultadoCompetitivo treinaLbg(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                TControle* controle) {
    TUnidadesCompetitivas unidades(dados.dimensao);
    unidades.defineLinhas(inicioCompetitivo(dados, c, unidadesIniciais(c, dados.dimensao)));
    const std::size_t np = dados.padroes();
    const auto d = static_cast<std::size_t>(dados.dimensao);
    std::vector<std::int32_t> antes, agora(np);
    std::int32_t feitas = 0;
    for (std::int64_t e = 1; e <= c.epocas; ++e) {
        if (controle != nullptr && controle->deveParar(static_cast<std::int64_t>(np) * (e - 1)))
            throw EInterrompido();
        // Every pattern's unit with the weights at the start of the epoch.
        const std::vector<TMelhores> melhores = melhoresCompetitivos(dados, unidades, c.threads);
        for (std::size_t i = 0; i < np; ++i) agora[i] = melhores[i].c1;
        feitas = static_cast<std::int32_t>(e);
        if (agora == antes) break;  // nothing changed: the means would stay as they are
        const std::int32_t n = unidades.n();
        std::vector<double> somas(static_cast<std::size_t>(n) * d, 0.0);
        std::vector<std::int64_t> contagens(static_cast<std::size_t>(n), 0);
        for (std::size_t i = 0; i < np; ++i) {
            const auto u = static_cast<std::size_t>(agora[i]);
            const double* x = dados.padrao(i);
            for (std::size_t k = 0; k < d; ++k) somas[u * d + k] += x[k];
            ++contagens[u];
        }
        for (std::int32_t u = 0; u < n; ++u) {
            const std::int64_t m = contagens[static_cast<std::size_t>(u)];
            if (m == 0) continue;  // a unit that won nothing stays
            for (std::size_t k = 0; k < d; ++k)
                unidades.peso(u, static_cast<std::int32_t>(k)) =
                    somas[static_cast<std::size_t>(u) * d + k] / static_cast<double>(m);
        }
        std::swap(antes, agora);
        agora.resize(np);
    }
    TResultadoCompetitivo r;
    r.epocasFeitas = feitas;
    r.sinais = static_cast<std::int64_t>(np) * feitas;
    completaCompetitivo(dados, c, unidades, r);
    return r;
}

namespace {

// The neural gas, with the competitive Hebbian edges for NG-CHL.
class TNg : public TModeloBase {
  public:
    TNg(const TConfiguracaoCompetitiva& c, std::int32_t d, const std::vector<double>& inicio,
        std::int64_t total)
        : TModeloBase(d, inicio, total, c.modelo == TModeloCompetitivo::ngchl),
          eps_(epsDoModelo(c)),
          lambda_(c.lambdaNg),
          idade_(c.idade),
          distanciasExatas_(funcaoDistanciasExatasLab()),
          move_(funcaoMoveLab()),
          postos_(funcaoPostos()) {}

    void sinal(const double* x) override {
        const std::int32_t n = unidades_.n();
        prepara(n);
        const auto t = sinais_;
        // The ranks, before any unit moves: by distance, ties to the lower index.
        distanciasExatas_(x, unidades_.d(), unidades_.dados(), unidades_.passo(), (n + 7) / 8 * 8,
                          distancias_.data());
        if (n <= kPostosDiretos) {
            postos_(distancias_.data(), n, posto_.data());
        } else {
            const std::vector<std::int32_t>& ordem =
                ordenacao_.ordena(distancias_.data(), static_cast<std::size_t>(n));
            for (std::int32_t k = 0; k < n; ++k)
                posto_[static_cast<std::size_t>(ordem[static_cast<std::size_t>(k)])] = k;
        }
        const double e = agendaExponencial(eps_, t, total_);
        const double lambda = agendaExponencial(lambda_, t, total_);
        for (std::int32_t k = 0; k < n; ++k) {
            const double expoente = -static_cast<double>(k) / lambda;
            fatores_[static_cast<std::size_t>(k)] =
                expoente < -kExpoenteNulo ? e * 0.0 : e * std::exp(expoente);
        }
        // Every unit moves, by its rank's factor (never negative, so the kernel moves them all).
        std::int32_t s1 = 0, s2 = n > 1 ? 1 : 0;
        for (std::int32_t u = 0; u < n; ++u) {
            const std::int32_t k = posto_[static_cast<std::size_t>(u)];
            porUnidade_[static_cast<std::size_t>(u)] = fatores_[static_cast<std::size_t>(k)];
            s1 = k == 0 ? u : s1;
            s2 = k == 1 ? u : s2;
        }
        move_(unidades_.dados(), unidades_.passo(), x, unidades_.d(), porUnidade_.data(), 0, n);
        s1_ = s1;
        s2_ = n > 1 ? s2 : -1;
        if (comArestas_ && n > 1) {
            grafo_.envelhece(s1);
            grafo_.zera(s1, s2);
            grafo_.removeTodasVelhas(agendaExponencial(idade_, t, total_));
        }
        ++sinais_;
    }

  private:
    // The buffers for n units (their number changes only by an edit).
    void prepara(std::int32_t n) {
        if (static_cast<std::int32_t>(posto_.size()) == n) return;
        const auto un = static_cast<std::size_t>(n);
        // The distances of the padding units too: the kernel works eight units at a time.
        distancias_.assign(static_cast<std::size_t>(unidades_.passo()) + 8, 0.0);
        fatores_.assign(un, 0.0);
        porUnidade_.assign(un, 0.0);
        posto_.assign(un, 0);
        ordenacao_ = TOrdenacao(un);
    }

    const TAgendaLab eps_, lambda_, idade_;
    const TFuncaoDistanciasLab distanciasExatas_;
    const TFuncaoMoveLab move_;
    const TFuncaoPostos postos_;
    std::vector<double> distancias_, fatores_, porUnidade_;
    std::vector<std::int32_t> posto_;
    TOrdenacao ordenacao_{0};
};

// The competitive Hebbian edges alone: the units never move.
class TChl : public TModeloBase {
  public:
    TChl(std::int32_t d, const std::vector<double>& inicio, std::int64_t total)
        : TModeloBase(d, inicio, total, true) {}

    void sinal(const double* x) override {
        const TMelhores m = busca_.busca(x, true);
        s1_ = m.c1;
        s2_ = m.c2;
        if (m.c2 >= 0 && !grafo_.existe(m.c1, m.c2)) grafo_.zera(m.c1, m.c2);
        ++sinais_;
    }
};

}  // namespace

std::unique_ptr<TModeloEmTreino> criaNg(const TConfiguracaoCompetitiva& c, std::int32_t dimensao,
                                        const std::vector<double>& inicio, std::int64_t total) {
    return std::make_unique<TNg>(c, dimensao, inicio, total);
}

std::unique_ptr<TModeloEmTreino> criaChl(const TConfiguracaoCompetitiva&, std::int32_t dimensao,
                                         const std::vector<double>& inicio, std::int64_t total) {
    return std::make_unique<TChl>(dimensao, inicio, total);
}

// The models whose units never grow in number: hard competitive learning (the nearest unit moves),
// LBG (each unit to the mean of the patterns it wins, epoch after epoch), the neural gas (every
// unit moves by its rank), with or without the competitive Hebbian edges, and those edges alone.

#include <algorithm>
#include <bit>
#include <cmath>

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

    // The first n of `distancias` (n at most the size it was made for).
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

TResultadoCompetitivo treinaHcl(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                TControle* controle) {
    TUnidadesCompetitivas unidades(dados.dimensao);
    unidades.defineLinhas(inicioCompetitivo(dados, c, unidadesIniciais(c, dados.dimensao)));
    TBuscaLab busca(dados.dimensao);
    unidades.aponta(busca);
    TSinaisCompetitivos sinais(dados.padroes(), c.ordem, c.semente);
    const std::int64_t total = sinaisDoTreino(c, dados);
    const TAgendaLab eps = epsDoModelo(c);
    for (std::int64_t t = 0; t < total; ++t) {
        verificaParadaCompetitiva(controle, t);
        const double* x = dados.padrao(sinais.proximo());
        unidades.move(busca.busca(x, true).c1, x, agendaExponencial(eps, t, total));
    }
    TResultadoCompetitivo r;
    r.sinais = total;
    completaCompetitivo(dados, c, unidades, nullptr, r);
    return r;
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
    completaCompetitivo(dados, c, unidades, nullptr, r);
    return r;
}

TResultadoCompetitivo treinaNg(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                               TControle* controle) {
    const bool hebb = c.modelo == TModeloCompetitivo::ngchl;
    TUnidadesCompetitivas unidades(dados.dimensao);
    unidades.defineLinhas(inicioCompetitivo(dados, c, unidadesIniciais(c, dados.dimensao)));
    const std::int32_t n = unidades.n();
    TGrafoCompetitivo grafo;
    for (std::int32_t u = 0; u < n; ++u) grafo.acrescentaUnidade();
    TSinaisCompetitivos sinais(dados.padroes(), c.ordem, c.semente);
    const std::int64_t total = sinaisDoTreino(c, dados);
    const TAgendaLab eps = epsDoModelo(c);
    // The distances of the padding units too: the kernel works eight units at a time.
    std::vector<double> distancias(static_cast<std::size_t>(unidades.passo()) + 8),
        fatores(static_cast<std::size_t>(n)), porUnidade(static_cast<std::size_t>(n));
    const TFuncaoDistanciasLab distanciasExatas = funcaoDistanciasExatasLab();
    const TFuncaoMoveLab move = funcaoMoveLab();
    TOrdenacao ordenacao(static_cast<std::size_t>(n));
    std::vector<std::int32_t> posto(static_cast<std::size_t>(n));
    const TFuncaoPostos postos = funcaoPostos();
    for (std::int64_t t = 0; t < total; ++t) {
        verificaParadaCompetitiva(controle, t);
        const double* x = dados.padrao(sinais.proximo());
        // The ranks, before any unit moves: by distance, ties to the lower index.
        distanciasExatas(x, unidades.d(), unidades.dados(), unidades.passo(), (n + 7) / 8 * 8,
                         distancias.data());
        if (n <= kPostosDiretos) {
            postos(distancias.data(), n, posto.data());
        } else {
            const std::vector<std::int32_t>& ordem =
                ordenacao.ordena(distancias.data(), static_cast<std::size_t>(n));
            for (std::int32_t k = 0; k < n; ++k)
                posto[static_cast<std::size_t>(ordem[static_cast<std::size_t>(k)])] = k;
        }
        const double e = agendaExponencial(eps, t, total);
        const double lambda = agendaExponencial(c.lambdaNg, t, total);
        for (std::int32_t k = 0; k < n; ++k) {
            const double expoente = -static_cast<double>(k) / lambda;
            fatores[static_cast<std::size_t>(k)] =
                expoente < -kExpoenteNulo ? e * 0.0 : e * std::exp(expoente);
        }
        // Every unit moves, by its rank's factor (never negative, so the kernel moves them all).
        std::int32_t s1 = 0, s2 = 0;
        for (std::int32_t u = 0; u < n; ++u) {
            const std::int32_t k = posto[static_cast<std::size_t>(u)];
            porUnidade[static_cast<std::size_t>(u)] = fatores[static_cast<std::size_t>(k)];
            s1 = k == 0 ? u : s1;
            s2 = k == 1 ? u : s2;
        }
        move(unidades.dados(), unidades.passo(), x, unidades.d(), porUnidade.data(), 0, n);
        if (hebb) {
            grafo.envelhece(s1);
            grafo.zera(s1, s2);
            grafo.removeTodasVelhas(agendaExponencial(c.idade, t, total));
        }
    }
    TResultadoCompetitivo r;
    r.sinais = total;
    completaCompetitivo(dados, c, unidades, hebb ? &grafo : nullptr, r);
    return r;
}

TResultadoCompetitivo treinaChl(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                TControle* controle) {
    TUnidadesCompetitivas unidades(dados.dimensao);
    unidades.defineLinhas(inicioCompetitivo(dados, c, unidadesIniciais(c, dados.dimensao)));
    TGrafoCompetitivo grafo;
    for (std::int32_t u = 0; u < unidades.n(); ++u) grafo.acrescentaUnidade();
    TBuscaLab busca(dados.dimensao);
    unidades.aponta(busca);
    TSinaisCompetitivos sinais(dados.padroes(), c.ordem, c.semente);
    const std::int64_t total = sinaisDoTreino(c, dados);
    for (std::int64_t t = 0; t < total; ++t) {
        verificaParadaCompetitiva(controle, t);
        const TMelhores m = busca.busca(dados.padrao(sinais.proximo()), true);
        if (!grafo.existe(m.c1, m.c2)) grafo.zera(m.c1, m.c2);
    }
    TResultadoCompetitivo r;
    r.sinais = total;
    completaCompetitivo(dados, c, unidades, &grafo, r);
    return r;
}

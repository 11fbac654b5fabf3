// The models whose units never grow in number: hard competitive learning (the nearest unit moves),
// LBG (each unit to the mean of the patterns it wins, epoch after epoch), the neural gas (every
// unit moves by its rank), with or without the competitive Hebbian edges, and those edges alone.

#include <algorithm>
#include <cmath>

#include "UCompetitivoInterno.h"

namespace {

// Past this, exp(-x) is 0 in double.
constexpr double kExpoenteNulo = 746.0;

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
    std::vector<double> distancias(static_cast<std::size_t>(n)),
        fatores(static_cast<std::size_t>(n));
    std::vector<std::int32_t> ordem(static_cast<std::size_t>(n));
    for (std::int64_t t = 0; t < total; ++t) {
        verificaParadaCompetitiva(controle, t);
        const double* x = dados.padrao(sinais.proximo());
        // The ranks, before any unit moves: by distance, ties to the lower index.
        for (std::int32_t u = 0; u < n; ++u) {
            distancias[static_cast<std::size_t>(u)] = unidades.distancia(x, u);
            ordem[static_cast<std::size_t>(u)] = u;
        }
        std::sort(ordem.begin(), ordem.end(), [&](std::int32_t a, std::int32_t b) {
            const double da = distancias[static_cast<std::size_t>(a)];
            const double db = distancias[static_cast<std::size_t>(b)];
            return da != db ? da < db : a < b;
        });
        const double e = agendaExponencial(eps, t, total);
        const double lambda = agendaExponencial(c.lambdaNg, t, total);
        for (std::int32_t k = 0; k < n; ++k) {
            const double expoente = -static_cast<double>(k) / lambda;
            fatores[static_cast<std::size_t>(k)] =
                expoente < -kExpoenteNulo ? e * 0.0 : e * std::exp(expoente);
        }
        for (std::int32_t k = 0; k < n; ++k)
            unidades.move(ordem[static_cast<std::size_t>(k)], x,
                          fatores[static_cast<std::size_t>(k)]);
        if (hebb) {
            const std::int32_t s1 = ordem[0], s2 = ordem[1];
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

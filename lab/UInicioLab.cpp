// The initial weights of a laboratory map. Every draw comes from one seeded generator
// (TSorteioLab), so the same settings give the same map on every machine.

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "UErros.h"
#include "ULaboratorioInterno.h"
#include "UTraducao.h"

namespace {

// The principal plane of a large data set (100,000 patterns of a thousand values) takes more than a
// second: its passes over the data answer a stop request every block of patterns, each block a
// step of the control. The other starts read the data once and are not stopped.
constexpr std::size_t kPadroesPorPasso = 1024;

void verificaParada(std::size_t i, TControle* controle) {
    if (controle != nullptr && i % kPadroesPorPasso == 0 && controle->passo())
        throw EInterrompido();
}

// Per attribute, over the values present: the least, the greatest and the mean (0, 0, 0 for an
// attribute without any value).
struct TResumoAtributos {
    std::vector<double> minimo, maximo, media;
};

TResumoAtributos resume(const TDadosLab& dados, TControle* controle = nullptr) {
    const auto d = static_cast<std::size_t>(dados.dimensao);
    TResumoAtributos r;
    r.minimo.assign(d, std::numeric_limits<double>::infinity());
    r.maximo.assign(d, -std::numeric_limits<double>::infinity());
    std::vector<long double> soma(d, 0.0L);
    std::vector<std::int64_t> conta(d, 0);
    for (std::size_t i = 0; i < dados.padroes(); ++i) {
        verificaParada(i, controle);
        const double* x = dados.padrao(i);
        for (std::size_t k = 0; k < d; ++k) {
            if (std::isnan(x[k])) continue;
            r.minimo[k] = std::min(r.minimo[k], x[k]);
            r.maximo[k] = std::max(r.maximo[k], x[k]);
            soma[k] += x[k];
            ++conta[k];
        }
    }
    r.media.assign(d, 0.0);
    for (std::size_t k = 0; k < d; ++k) {
        if (conta[k] == 0) {
            r.minimo[k] = r.maximo[k] = 0.0;
            continue;
        }
        r.media[k] = static_cast<double>(soma[k] / static_cast<long double>(conta[k]));
    }
    return r;
}

// The patterns with at least one value, in file order.
std::vector<std::size_t> padroesComValores(const TDadosLab& dados, TControle* controle = nullptr) {
    std::vector<std::size_t> v;
    for (std::size_t i = 0; i < dados.padroes(); ++i) {
        verificaParada(i, controle);
        if (valoresPresentes(dados.padrao(i), dados.dimensao) > 0) v.push_back(i);
    }
    return v;
}

// A pattern as a map's weights: a missing value becomes the attribute's mean.
void copiaPadrao(const TDadosLab& dados, std::size_t i, const TResumoAtributos& resumo,
                 double* destino) {
    const double* x = dados.padrao(i);
    for (std::int32_t k = 0; k < dados.dimensao; ++k)
        destino[k] = std::isnan(x[k]) ? resumo.media[static_cast<std::size_t>(k)] : x[k];
}

}  // namespace

TPlanoDosDados planoDosDados(const TDadosLab& dados, TControle* controle) {
    const auto d = static_cast<std::size_t>(dados.dimensao);
    const TResumoAtributos resumo = resume(dados, controle);
    const std::vector<std::size_t> usados = padroesComValores(dados, controle);
    // Missing values take the attribute's mean, here only.
    std::vector<double> completos(usados.size() * d);
    std::vector<const double*> pontos(usados.size());
    for (std::size_t i = 0; i < usados.size(); ++i) {
        verificaParada(i, controle);
        copiaPadrao(dados, usados[i], resumo, completos.data() + i * d);
        pontos[i] = completos.data() + i * d;
    }
    TPlanoDosDados plano;
    std::optional<TProjecao> eixos =
        projecaoPrincipal(pontos, dados.dimensao, 4000, perguntaParada(controle));
    if (!eixos) throw EInterrompido();
    plano.eixos = std::move(*eixos);
    // The spread along each axis, over the same points.
    long double s1 = 0.0L, s2 = 0.0L;
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        verificaParada(i, controle);
        double a = 0.0, b = 0.0;
        plano.eixos.projeta(pontos[i], a, b);
        s1 += static_cast<long double>(a) * a;
        s2 += static_cast<long double>(b) * b;
    }
    const long double m = std::max<long double>(1.0L, static_cast<long double>(pontos.size()));
    plano.desvio1 = static_cast<double>(std::sqrt(s1 / m));
    plano.desvio2 = static_cast<double>(std::sqrt(s2 / m));
    return plano;
}

namespace {

// The map spread over the plane of the data's two principal components: each unit at the mean
// plus its place on the map, scaled to -1 .. 1 along each side, times the spread (standard
// deviation) along that component; the map's longer side lies along the first.
void planoPrincipal(const TDadosLab& dados, const TGradeLab& grade, std::vector<double>& pesos,
                    TControle* controle) {
    const auto d = static_cast<std::size_t>(dados.dimensao);
    const TPlanoDosDados plano = planoDosDados(dados, controle);
    const TProjecao& eixos = plano.eixos;
    const double desvio1 = plano.desvio1, desvio2 = plano.desvio2;

    const std::int32_t n = grade.unidades();
    double xmin = std::numeric_limits<double>::infinity(), xmax = -xmin, ymin = xmin, ymax = -xmin;
    for (std::int32_t u = 0; u < n; ++u) {
        double x = 0.0, y = 0.0;
        grade.posicao(u, x, y);
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    }
    const auto escala = [](double v, double lo, double hi) {
        return hi > lo ? 2.0 * (v - lo) / (hi - lo) - 1.0 : 0.0;
    };
    const bool colunasNoPrimeiro = grade.colunas >= grade.linhas;
    for (std::int32_t u = 0; u < n; ++u) {
        double x = 0.0, y = 0.0;
        grade.posicao(u, x, y);
        const double ex = escala(x, xmin, xmax), ey = escala(y, ymin, ymax);
        const double a = (colunasNoPrimeiro ? ex : ey) * desvio1;
        const double b = (colunasNoPrimeiro ? ey : ex) * desvio2;
        double* w = pesos.data() + static_cast<std::size_t>(u) * d;
        for (std::size_t k = 0; k < d; ++k)
            w[k] = eixos.media[k] + a * eixos.eixo1[k] + b * eixos.eixo2[k];
    }
}

}  // namespace

std::vector<double> pesosIniciaisLab(const TDadosLab& dados, const TConfiguracaoLab& config,
                                     TControle* controle) {
    const std::int32_t n = config.grade.unidades();
    const auto d = static_cast<std::size_t>(dados.dimensao);
    std::vector<double> pesos(static_cast<std::size_t>(n) * d, 0.0);
    if (config.inicio == TInicioLab::pesos) {
        if (config.pesosIniciais.size() != pesos.size())
            throw std::invalid_argument(mensagem(QT_TRANSLATE_NOOP(
                "Mensagens",
                "Os pesos iniciais não têm o tamanho do mapa e a dimensão dos padrões.")));
        return config.pesosIniciais;
    }
    if (config.inicio == TInicioLab::linear) {
        planoPrincipal(dados, config.grade, pesos, controle);
        return pesos;
    }
    const TResumoAtributos resumo = resume(dados);
    TSorteioLab sorteio(config.semente);
    switch (config.inicio) {
        case TInicioLab::aleatorio:
            for (std::size_t u = 0; u < static_cast<std::size_t>(n); ++u)
                for (std::size_t k = 0; k < d; ++k)
                    pesos[u * d + k] = resumo.minimo[k] +
                                       sorteio.uniforme() * (resumo.maximo[k] - resumo.minimo[k]);
            break;
        case TInicioLab::amostras: {
            std::vector<std::size_t> usados = padroesComValores(dados);
            if (usados.empty()) break;
            const auto un = static_cast<std::size_t>(n);
            if (usados.size() >= un) {
                // The first n of a random permutation: n distinct patterns.
                for (std::size_t u = 0; u < un; ++u)
                    std::swap(usados[u], usados[u + sorteio.inteiro(usados.size() - u)]);
                for (std::size_t u = 0; u < un; ++u)
                    copiaPadrao(dados, usados[u], resumo, pesos.data() + u * d);
            } else {
                for (std::size_t u = 0; u < un; ++u)
                    copiaPadrao(dados, usados[sorteio.inteiro(usados.size())], resumo,
                                pesos.data() + u * d);
            }
            break;
        }
        case TInicioLab::canto:
            // Drawn in the tenth of each attribute's range next to its least value: the whole
            // map starts in a small corner, away from the data, and unfolds over it.
            for (std::size_t u = 0; u < static_cast<std::size_t>(n); ++u)
                for (std::size_t k = 0; k < d; ++k)
                    pesos[u * d + k] = resumo.minimo[k] + 0.1 * sorteio.uniforme() *
                                                              (resumo.maximo[k] - resumo.minimo[k]);
            break;
        case TInicioLab::linear:
        case TInicioLab::pesos:
            break;
    }
    return pesos;
}

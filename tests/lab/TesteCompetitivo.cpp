#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "ReferenciaCompetitiva.h"
#include "UBusca.h"
#include "UCompetitivo.h"

namespace {

using M = TModeloCompetitivo;

TDadosLab reta(const std::vector<double>& valores) {
    TDadosLab d;
    d.dimensao = 1;
    d.valores = valores;
    return d;
}

// Three overlapping square clouds on the plane, from a fixed seed.
TDadosLab nuvens(std::size_t n, std::uint64_t semente) {
    TDadosLab d;
    d.dimensao = 2;
    TSorteioLab s(semente);
    const double cx[3] = {0.0, 3.0, 1.0}, cy[3] = {0.0, 1.0, 4.0};
    for (std::size_t i = 0; i < n; ++i) {
        d.valores.push_back(cx[i % 3] + s.uniforme() * 1.5);
        d.valores.push_back(cy[i % 3] + s.uniforme() * 1.5);
    }
    return d;
}

bool mesmosBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The first difference between two results, or empty.
std::string diferenca(const TResultadoCompetitivo& a, const TResultadoCompetitivo& b) {
    std::ostringstream o;
    o.precision(17);
    if (a.dimensao != b.dimensao)
        o << "dimensao " << a.dimensao << " / " << b.dimensao;
    else if (a.pesos.size() != b.pesos.size())
        o << "unidades " << a.unidades() << " / " << b.unidades();
    else
        for (std::size_t i = 0; i < a.pesos.size(); ++i)
            if (!mesmosBits(a.pesos[i], b.pesos[i])) {
                o << "peso " << i << ": " << a.pesos[i] << " / " << b.pesos[i];
                break;
            }
    if (!o.str().empty()) return o.str();
    if (a.arestas != b.arestas) {
        o << "arestas (" << a.arestas.size() << " / " << b.arestas.size() << ")";
        for (std::size_t i = 0; i < std::min(a.arestas.size(), b.arestas.size()); ++i)
            if (!(a.arestas[i] == b.arestas[i])) {
                o << ", aresta " << i << ": {" << a.arestas[i].a << "," << a.arestas[i].b
                  << "} idade " << a.arestas[i].idade << " / {" << b.arestas[i].a << ","
                  << b.arestas[i].b << "} idade " << b.arestas[i].idade;
                break;
            }
    } else if (a.linhas != b.linhas || a.colunas != b.colunas) {
        o << "grade " << a.linhas << "x" << a.colunas << " / " << b.linhas << "x" << b.colunas;
    } else if (a.sinais != b.sinais) {
        o << "sinais " << a.sinais << " / " << b.sinais;
    } else if (a.epocasFeitas != b.epocasFeitas) {
        o << "epocasFeitas " << a.epocasFeitas << " / " << b.epocasFeitas;
    } else if (a.vencedores != b.vencedores) {
        o << "vencedores";
    } else if (!mesmosBits(a.quantizacao, b.quantizacao)) {
        o << "quantizacao " << a.quantizacao << " / " << b.quantizacao;
    } else if (a.topografico.has_value() != b.topografico.has_value() ||
               (a.topografico && !mesmosBits(*a.topografico, *b.topografico))) {
        o << "topografico";
    }
    return o.str();
}

// Small cases worked out by hand: they hold the reference (and the engine) to the definitions.
struct TContaAMao {
    const char* nome;
    TDadosLab dados;
    TConfiguracaoCompetitiva config;
    std::vector<double> pesos;
    std::vector<TArestaCompetitiva> arestas;
    std::int32_t epocasFeitas;
    std::int64_t sinais;
    double quantizacao;
};

std::vector<TContaAMao> contasAMao() {
    std::vector<TContaAMao> casos;
    TConfiguracaoCompetitiva c;
    // HCL, one unit at 1, patterns 0 and 4 in file order, eps 0.5 then 0.5 (1/4)^(1/2) = 0.25:
    // 1 -> 0.5 -> 0.5 + 0.25 (4 - 0.5) = 1.375; distances 1.375 and 2.625.
    c.modelo = M::hcl;
    c.ordem = TOrdemLab::arquivo;
    c.inicio = {1.0};
    c.eps = TAgendaLab{0.5, 0.125};
    casos.push_back({"hcl", reta({0.0, 4.0}), c, {1.375}, {}, 0, 2, 2.0});
    // LBG on 0, 1, 10, 11 from 0, 1 and 100: {0} {1 10 11} -> 0, 22/3; {0 1} {10 11} -> 0.5,
    // 10.5; the same again: the third epoch stops. The unit at 100 never wins and stays.
    c = {};
    c.modelo = M::lbg;
    c.inicio = {0.0, 1.0, 100.0};
    c.epocas = 10;
    casos.push_back({"lbg", reta({0.0, 1.0, 10.0, 11.0}), c, {0.5, 10.5, 100.0}, {}, 3, 12, 0.5});
    // Stopped by the epoch count instead, after the second.
    c.epocas = 2;
    casos.push_back({"lbg2", reta({0.0, 1.0, 10.0, 11.0}), c, {0.5, 10.5, 100.0}, {}, 2, 8, 0.5});
    // NG, units 0 and 1, one signal at 2, eps 0.5 and lambda 1: the nearest (1, rank 0) moves
    // half-way to 1.5, the other by 0.5 exp(-1) of the distance 2, to exp(-1).
    c = {};
    c.modelo = M::ng;
    c.inicio = {0.0, 1.0};
    c.eps = TAgendaLab{0.5, 0.1};
    c.lambdaNg = {1.0, 0.5};
    casos.push_back({"ng", reta({2.0}), c, {std::exp(-1.0), 1.5}, {}, 0, 1, 0.5});
    // The same with units 0 and 2 and the signal at 1: a tie, unit 0 takes rank 0.
    c.inicio = {0.0, 2.0};
    casos.push_back(
        {"ng empatado", reta({1.0}), c, {0.5, 2.0 - 0.5 * std::exp(-1.0)}, {}, 0, 1, 0.5});
    // CHL with a unit on each of 0, 1, 3, 7: each pattern joins its unit to the next nearest.
    c = {};
    c.modelo = M::chl;
    c.inicio = {0.0, 1.0, 3.0, 7.0};
    casos.push_back({"chl",
                     reta({0.0, 1.0, 3.0, 7.0}),
                     c,
                     {0.0, 1.0, 3.0, 7.0},
                     {{0, 1, 0}, {1, 2, 0}, {2, 3, 0}},
                     0,
                     4,
                     0.0});
    return casos;
}

TEST(Competitivo, ContasAMao) {
    for (const TContaAMao& caso : contasAMao()) {
        SCOPED_TRACE(caso.nome);
        const TResultadoCompetitivo ref = referencia::treina(caso.dados, caso.config);
        const TResultadoCompetitivo motor = treinaCompetitivo(caso.dados, caso.config);
        for (const TResultadoCompetitivo* r : {&ref, &motor}) {
            EXPECT_EQ(r->pesos, caso.pesos);
            EXPECT_EQ(r->arestas, caso.arestas);
            EXPECT_EQ(r->epocasFeitas, caso.epocasFeitas);
            EXPECT_EQ(r->sinais, caso.sinais);
            EXPECT_EQ(r->quantizacao, caso.quantizacao);
        }
        EXPECT_EQ(diferenca(motor, ref), "");
    }
}

// The growing grid from the unit square, every signal at the corner unit 0: its right and lower
// neighbours come equally near to it, and the tie goes to the lower one (up, down, left, right):
// a new row, not a column.
TEST(Competitivo, EmpateNoCrescimentoVaiParaALinha) {
    TDadosLab dados;
    dados.dimensao = 2;
    dados.valores = {0.0, 0.0};
    TConfiguracaoCompetitiva c;
    c.modelo = M::gg;
    c.inicio = {0.0, 0.0, 1.0, 0.0, 0.0, 1.0, 1.0, 1.0};
    c.lambda = 1;
    c.unidadesMax = 6;
    c.epocasAjuste = 1;
    const TResultadoCompetitivo ref = referencia::treina(dados, c);
    EXPECT_EQ(ref.linhas, 3);
    EXPECT_EQ(ref.colunas, 2);
    EXPECT_EQ(ref.sinais, 5);
    EXPECT_EQ(diferenca(treinaCompetitivo(dados, c), ref), "");
}

// Settings in which each branch of the models happens, on 45 points of the plane: the events the
// reference must see, so that the comparison covers them.
struct TCaso {
    const char* nome;
    TConfiguracaoCompetitiva config;
    std::vector<std::int64_t referencia::TEventos::*> eventos;
    bool reticulado = false;  // on the whole points of a square, where distances tie
};

// The 36 whole points (i, j), 0 <= i, j < 6.
TDadosLab reticulado() {
    TDadosLab d;
    d.dimensao = 2;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            d.valores.insert(d.valores.end(), {static_cast<double>(i), static_cast<double>(j)});
    return d;
}

std::vector<TCaso> casos() {
    using E = referencia::TEventos;
    std::vector<TCaso> v;
    TConfiguracaoCompetitiva c;
    c.modelo = M::hcl;
    c.unidades = 5;
    c.sinais = 900;
    v.push_back({"hcl", c, {}});
    c = {};
    c.modelo = M::hcl;
    c.ordem = TOrdemLab::arquivo;
    c.inicio = {0.0, 0.0, 2.0, 2.0, 4.0, 4.0};
    c.epocas = 7;
    c.eps = TAgendaLab{0.3, 0.01};
    v.push_back({"hcl em ordem", c, {}});
    c = {};
    c.modelo = M::lbg;
    c.unidades = 6;
    c.epocas = 50;
    v.push_back({"lbg", c, {}});
    c = {};
    c.modelo = M::ng;
    c.unidades = 8;
    c.sinais = 1000;
    v.push_back({"ng", c, {}});
    c = {};
    c.modelo = M::ngchl;
    c.unidades = 10;
    c.sinais = 1500;
    c.idade = {2.0, 6.0};
    v.push_back({"ngchl", c, {&E::arestasPorIdade}});
    // A constant age limit, a whole number: an edge of exactly that age stays.
    c.idade = {3.0, 3.0};
    v.push_back({"ngchl, idade 3", c, {&E::arestasPorIdade}});
    c = {};
    c.modelo = M::chl;
    c.unidades = 12;
    c.epocas = 3;
    c.ordem = TOrdemLab::arquivo;
    v.push_back({"chl", c, {}});
    c = {};
    c.modelo = M::gng;
    c.lambda = 25;
    c.idadeMax = 4;
    c.unidadesMax = 15;
    c.sinais = 2000;
    v.push_back({"gng", c, {&E::insercoes, &E::arestasPorIdade, &E::unidadesIsoladas}});
    c = {};
    c.modelo = M::gng;
    c.ordem = TOrdemLab::arquivo;
    c.inicio = {1.0, 1.0, 2.0, 3.0, 9.0, 9.0};
    c.lambda = 40;
    c.unidadesMax = 6;
    c.sinais = 700;
    v.push_back({"gng em ordem", c, {&E::insercoes}});
    c = {};
    c.modelo = M::gngu;
    c.lambda = 20;
    c.idadeMax = 6;
    c.k = 1.2;
    c.unidadesMax = 15;
    c.sinais = 3000;
    v.push_back({"gngu", c, {&E::insercoes, &E::remocoesPorUtilidade, &E::unidadesIsoladas}});
    // At most three units: a removal for utility may leave the other two without edges; they stay.
    c.unidadesMax = 3;
    c.k = 0.5;
    c.lambda = 10;
    c.sinais = 2000;
    v.push_back({"gngu, 3 unidades", c, {&E::remocoesPorUtilidade, &E::isoladasMantidas}});
    c = {};
    c.modelo = M::gg;
    c.lambda = 3;
    c.unidadesMax = 20;
    c.epocasAjuste = 2;
    v.push_back({"gg", c, {&E::linhasInseridas, &E::colunasInseridas}});
    c = {};
    c.modelo = M::gg;
    c.ordem = TOrdemLab::arquivo;
    c.inicio = {0.0, 0.0, 4.0, 0.0, 0.0, 5.0, 4.0, 5.0, 7.0, 7.0};
    c.lambda = 2;
    c.unidadesMax = 9;
    c.epocasAjuste = 1;
    c.sigma = 1.1;
    c.eps = TAgendaLab{0.2, 0.01};
    v.push_back({"gg em ordem", c, {}});
    // Halving steps on the whole points: accumulated errors tie, and the neighbour f of a
    // tie goes to the lowest index.
    c = {};
    c.modelo = M::gngu;
    c.lambda = 1;
    c.unidadesMax = 5;
    c.epsB = 0.5;
    c.epsN = 0.25;
    c.beta = 0.5;
    c.k = 1.0;
    c.idadeMax = 4;
    c.sinais = 100;
    v.push_back({"gngu em passos de metades", c, {&E::insercoes}, true});
    // Ties: the nearest and the second nearest by the lowest index, ranks by (d2, index).
    for (const M modelo : {M::hcl, M::lbg, M::ng, M::ngchl, M::gng, M::gngu, M::gg}) {
        c = {};
        c.modelo = modelo;
        c.unidades = 6;
        c.sinais = 600;
        c.epocas = 30;
        c.idade = {2.0, 6.0};
        c.lambda = modelo == M::gg ? 2 : 15;
        c.idadeMax = 5;
        c.unidadesMax = 12;
        c.epocasAjuste = 1;
        v.push_back({nomeDoModelo(modelo), c, {}, true});
    }
    c = {};
    c.modelo = M::chl;
    c.inicio = {0.0, 0.0, 2.0, 0.0, 4.0, 1.0, 1.0, 3.0, 3.0, 3.0, 5.0, 5.0};
    c.unidades = 6;
    c.epocas = 2;
    v.push_back({"chl", c, {}, true});
    return v;
}

TEST(Competitivo, MotorIgualAReferencia) {
    for (const TCaso& caso : casos()) {
        SCOPED_TRACE(std::string(caso.nome) + (caso.reticulado ? " no reticulado" : ""));
        const TDadosLab dados = caso.reticulado ? reticulado() : nuvens(45, 7);
        referencia::TEventos eventos;
        const TResultadoCompetitivo ref = referencia::treina(dados, caso.config, &eventos);
        for (const auto evento : caso.eventos) EXPECT_GT(eventos.*evento, 0);
        if (caso.config.modelo == M::lbg) {
            EXPECT_LT(ref.epocasFeitas, caso.config.epocas);  // stopped early
        }
        EXPECT_EQ(diferenca(treinaCompetitivo(dados, caso.config), ref), "");
    }
}

// The threads and the search kernels change nothing.
TEST(Competitivo, IgualEmTodaBuscaETodoNumeroDeThreads) {
    for (const TCaso& caso : casos()) {
        const TDadosLab dados = caso.reticulado ? reticulado() : nuvens(45, 11);
        const TResultadoCompetitivo ref = referencia::treina(dados, caso.config);
        for (const char* busca : {"escalar", "avx2", "avx512"}) {
            if (!buscaDisponivel(busca)) continue;
            defineBusca(busca);
            for (const int threads : {1, 2}) {
                SCOPED_TRACE(std::string(caso.nome) +
                             (caso.reticulado ? " no reticulado, " : ", ") + busca + ", threads " +
                             std::to_string(threads));
                TConfiguracaoCompetitiva c = caso.config;
                c.threads = threads;
                EXPECT_EQ(diferenca(treinaCompetitivo(dados, c), ref), "");
            }
        }
        defineBusca("");
    }
}

}  // namespace

// Past 256 units the neural gas ranks its units by sorting them instead of counting every pair.
TEST(Competitivo, gasNeuralDeMuitasUnidadesIgualAReferencia) {
    const TDadosLab dados = nuvens(400, 3);
    TConfiguracaoCompetitiva c;
    c.modelo = M::ngchl;
    c.unidades = 300;
    c.sinais = 400;
    EXPECT_EQ(diferenca(treinaCompetitivo(dados, c), referencia::treina(dados, c)), "");
}

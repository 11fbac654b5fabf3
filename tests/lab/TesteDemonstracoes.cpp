#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "UDemonstracoes.h"
#include "UDistribuicoes.h"

namespace {

struct TPontoLido {
    std::vector<double> valores;
    std::string rotulo;
};

// Reads back what escreveDemonstracao wrote: "N|D#", then D values with a decimal comma and the
// label up to "#" on each line.
std::vector<TPontoLido> le(const std::string& texto, long& n, long& d) {
    std::istringstream in(texto);
    std::string linha;
    std::getline(in, linha);
    n = std::stol(linha.substr(0, linha.find('|')));
    d = std::stol(linha.substr(linha.find('|') + 1));
    std::vector<TPontoLido> pontos;
    while (std::getline(in, linha)) {
        TPontoLido p;
        std::size_t inicio = 0;
        for (long k = 0; k < d; ++k) {
            const std::size_t fim = linha.find('|', inicio);
            std::string v = linha.substr(inicio, fim - inicio);
            for (char& c : v)
                if (c == ',') c = '.';
            p.valores.push_back(std::stod(v));
            inicio = fim + 1;
        }
        p.rotulo = linha.substr(inicio, linha.find('#', inicio) - inicio);
        pontos.push_back(p);
    }
    return pontos;
}

std::string gera(TDemonstracao tipo, long padroes, std::uint64_t semente, long dimensao = -1) {
    TPedidoDemonstracao p;
    p.tipo = tipo;
    p.padroes = padroes;
    p.dimensao = dimensao;
    p.semente = semente;
    std::ostringstream s;
    escreveDemonstracao(p, s);
    return s.str();
}

std::uint64_t fnv1a(const std::string& s) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (const char c : s) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
    return h;
}

}  // namespace

// Every shape's points lie in it (within the four decimals written) and carry the right label.
TEST(Demonstracoes, formas) {
    constexpr double e = 1e-4;
    const auto raio2 = [](const TPontoLido& p) {
        return (p.valores[0] - 0.5) * (p.valores[0] - 0.5) +
               (p.valores[1] - 0.5) * (p.valores[1] - 0.5);
    };
    struct TCaso {
        TDemonstracao tipo;
        long dimensao;
        std::function<bool(const TPontoLido&)> dentro;
    };
    const TCaso casos[] = {
        {TDemonstracao::quadrado, 2,
         [&](const TPontoLido& p) {
             return p.rotulo.empty() && p.valores[0] >= 0 && p.valores[0] <= 1 &&
                    p.valores[1] >= 0 && p.valores[1] <= 1;
         }},
        {TDemonstracao::disco, 2,
         [&](const TPontoLido& p) { return p.rotulo.empty() && raio2(p) <= 0.25 + e; }},
        {TDemonstracao::anel, 2,
         [&](const TPontoLido& p) {
             return p.rotulo.empty() && raio2(p) >= 0.0625 - e && raio2(p) <= 0.25 + e;
         }},
        {TDemonstracao::luas, 2,
         [&](const TPontoLido& p) {
             // The second moon is the first turned half a turn about (0.5, 0.25).
             double x = p.valores[0], y = p.valores[1];
             if (p.rotulo == "lua2") {
                 x = 1 - x;
                 y = 0.5 - y;
             } else if (p.rotulo != "lua1") {
                 return false;
             }
             const double r2 = x * x + y * y;
             return y >= -e && r2 >= 0.81 - 3 * e && r2 <= 1.21 + 3 * e;
         }},
        {TDemonstracao::cubo, 3,
         [&](const TPontoLido& p) {
             for (const double v : p.valores)
                 if (v < 0 || v > 1) return false;
             return p.rotulo.empty();
         }},
        {TDemonstracao::espiral, 2,
         [&](const TPontoLido& p) {
             // Near the spiral r = 0.45 theta / (6.5 pi), within the turn its label names.
             const int volta = p.rotulo.size() == 6 ? p.rotulo[5] - '0' : 0;
             if (p.rotulo.rfind("volta", 0) != 0 || volta < 1 || volta > 3) return false;
             const double pi = std::acos(-1.0);
             for (double t = 0; t <= 1; t += 1e-4) {
                 const double theta = (0.5 + 2 * (volta - 1) + 2 * t) * pi;
                 const double r = 0.45 * theta / (6.5 * pi);
                 const double dx = p.valores[0] - 0.5 - r * std::cos(theta),
                              dy = p.valores[1] - 0.5 - r * std::sin(theta);
                 if (std::abs(dx) <= 0.012 + 2 * e && std::abs(dy) <= 0.012 + 2 * e) return true;
             }
             return false;
         }},
        {TDemonstracao::cidades, 2,
         [&](const TPontoLido& p) {
             return p.rotulo.rfind('c', 0) == 0 && p.valores[0] >= 0 && p.valores[0] <= 1 &&
                    p.valores[1] >= 0 && p.valores[1] <= 1;
         }},
        {TDemonstracao::gaussianas, 5,
         [&](const TPontoLido& p) { return p.rotulo.rfind('g', 0) == 0; }},
    };
    for (const TCaso& caso : casos) {
        const char* nome = infoDemonstracao(caso.tipo).nome;
        long n = 0, d = 0;
        const std::vector<TPontoLido> pontos = le(gera(caso.tipo, 400, 3, 5), n, d);
        EXPECT_EQ(n, 400) << nome;
        EXPECT_EQ(d, caso.dimensao) << nome;
        ASSERT_EQ(pontos.size(), 400u) << nome;
        std::vector<std::string> rotulos;
        for (const TPontoLido& p : pontos) {
            EXPECT_TRUE(caso.dentro(p))
                << nome << ": " << p.valores[0] << " " << p.valores[1] << " '" << p.rotulo << "'";
            if (std::find(rotulos.begin(), rotulos.end(), p.rotulo) == rotulos.end())
                rotulos.push_back(p.rotulo);
        }
        // Both moons, every turn of the spiral, a name per city.
        const std::size_t esperados = caso.tipo == TDemonstracao::luas      ? 2
                                      : caso.tipo == TDemonstracao::espiral ? 3
                                      : caso.tipo == TDemonstracao::cidades ? 400
                                                                            : 0;
        if (esperados > 0) {
            EXPECT_EQ(rotulos.size(), esperados) << nome;
        }
    }
}

// The generators the benchmarks' workloads come from keep their bytes.
TEST(Demonstracoes, geradoresAntigosMantemOsBytes) {
    TPedidoDemonstracao g;
    g.tipo = TDemonstracao::gaussianas;
    g.padroes = 50;
    g.dimensao = 3;
    g.grupos = 4;
    g.semente = 5;
    std::ostringstream s;
    escreveDemonstracao(g, s);
    EXPECT_EQ(fnv1a(s.str()), 0x89c1295d0d6907efull);
    EXPECT_EQ(fnv1a(gera(TDemonstracao::pixels, 20, 3, 16)), 0x41aa8561558ed42eull);
    EXPECT_EQ(fnv1a(gera(TDemonstracao::cores, 40, 7)), 0x7e6fb692baed62cdull);
}

// The playground's signals stay in the square, and a seed gives the same ones again (and another
// seed others).
TEST(Distribuicoes, noQuadradoEAsMesmasPelaSemente) {
    for (const TInfoDistribuicao& d : kDistribuicoes) {
        TFonteDeSinais a(d.tipo, 7, 100), b(d.tipo, 7, 100), c(d.tipo, 8, 100);
        bool diferem = false;
        for (int i = 0; i < 2000; ++i) {
            double x[2], y[2], z[2];
            a.proximo(x);
            b.proximo(y);
            c.proximo(z);
            ASSERT_TRUE(x[0] >= 0.0 && x[0] <= 1.0 && x[1] >= 0.0 && x[1] <= 1.0)
                << d.nome << " " << x[0] << " " << x[1];
            ASSERT_TRUE(x[0] == y[0] && x[1] == y[1]) << d.nome;
            diferem = diferem || x[0] != z[0];
        }
        EXPECT_TRUE(diferem) << d.nome;
    }
}

// The jumping square stays in one place for a whole period and goes to another at its end; the
// moving one and the shrinking ring are where their phase puts them.
TEST(Distribuicoes, asQueSeMovemSeguemOPeriodo) {
    constexpr std::int64_t kPeriodo = 40;
    TFonteDeSinais salta(TDistribuicao::quadradoQueSalta, 3, kPeriodo);
    int antes = -1;
    for (int periodo = 0; periodo < 12; ++periodo) {
        int lugar = -1;
        for (std::int64_t i = 0; i < kPeriodo; ++i) {
            double x[2];
            salta.proximo(x);
            const int aqui = (x[0] < 0.5 ? 0 : 1) + (x[1] < 0.5 ? 0 : 2);
            if (lugar < 0) lugar = aqui;
            ASSERT_EQ(aqui, lugar) << "período " << periodo << ", sinal " << i;
        }
        EXPECT_NE(lugar, antes) << "período " << periodo;
        antes = lugar;
    }
    TFonteDeSinais move(TDistribuicao::quadradoQueSeMove, 3, 4),
        anel(TDistribuicao::anelQueEncolhe, 3, 4);
    for (int i = 0; i < 4; ++i) {
        double x[2], y[2];
        move.proximo(x);
        anel.proximo(y);
        // The square's centre at a quarter turn per signal; the ring's outer radius down 0.075.
        const double cx[] = {0.8, 0.5, 0.2, 0.5}, cy[] = {0.5, 0.8, 0.5, 0.2};
        EXPECT_LE(std::max(std::abs(x[0] - cx[i]), std::abs(x[1] - cy[i])), 0.15 + 1e-12) << i;
        EXPECT_LE(std::hypot(y[0] - 0.5, y[1] - 0.5), 0.45 - 0.075 * i + 1e-12) << i;
    }
}

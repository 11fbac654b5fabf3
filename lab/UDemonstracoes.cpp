#include "UDemonstracoes.h"

// The names and descriptions are Portuguese, the program's source language, marked for
// translation: the laboratory shows them through it ("UDemonstracoes").
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

#include <stdexcept>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "ULaboratorioInterno.h"
#include "UTraducao.h"

const TInfoDemonstracao kDemonstracoes[10] = {
    {TDemonstracao::quadrado, "quadrado", QT_TRANSLATE_NOOP("UDemonstracoes", "Quadrado uniforme"),
     QT_TRANSLATE_NOOP("UDemonstracoes",
                       "pontos uniformes no quadrado [0, 1] x [0, 1], sem rótulo"),
     1000, 0},
    {TDemonstracao::disco, "disco", QT_TRANSLATE_NOOP("UDemonstracoes", "Disco"),
     QT_TRANSLATE_NOOP("UDemonstracoes", "pontos uniformes num disco de raio 0,5, sem rótulo"),
     1000, 0},
    {TDemonstracao::anel, "anel", QT_TRANSLATE_NOOP("UDemonstracoes", "Anel"),
     QT_TRANSLATE_NOOP("UDemonstracoes",
                       "pontos uniformes entre os raios 0,25 e 0,5 (uma coroa), sem rótulo"),
     1000, 0},
    {TDemonstracao::luas, "luas", QT_TRANSLATE_NOOP("UDemonstracoes", "Duas luas"),
     QT_TRANSLATE_NOOP("UDemonstracoes", "duas meias-luas entrelaçadas, rótulos lua1 e lua2"), 600,
     0},
    {TDemonstracao::cubo, "cubo", QT_TRANSLATE_NOOP("UDemonstracoes", "Cubo (cores)"),
     QT_TRANSLATE_NOOP("UDemonstracoes",
                       "pontos uniformes no cubo [0, 1]³, sem rótulo (como cores RGB)"),
     1000, 0},
    {TDemonstracao::gaussianas, "gaussianas",
     QT_TRANSLATE_NOOP("UDemonstracoes", "Nuvens gaussianas"),
     QT_TRANSLATE_NOOP("UDemonstracoes", "G grupos gaussianos em D dimensões, rótulos g0, g1, ..."),
     20000, 64},
    {TDemonstracao::espiral, "espiral", QT_TRANSLATE_NOOP("UDemonstracoes", "Espiral"),
     QT_TRANSLATE_NOOP("UDemonstracoes", "três voltas de uma espiral, rótulos volta1 a volta3"),
     1000, 0},
    {TDemonstracao::cidades, "cidades",
     QT_TRANSLATE_NOOP("UDemonstracoes", "Cidades (caixeiro-viajante)"),
     QT_TRANSLATE_NOOP("UDemonstracoes",
                       "cidades sorteadas no quadrado [0, 1]², rótulos c1, c2, ..."),
     30, 0},
    {TDemonstracao::pixels, "pixels", QT_TRANSLATE_NOOP("UDemonstracoes", "Traços como dígitos"),
     QT_TRANSLATE_NOOP("UDemonstracoes",
                       "imagens de D pixels de 0 a 255 em dez classes de traços, rótulos d0 a d9"),
     5000, 784},
    {TDemonstracao::cores, "cores", QT_TRANSLATE_NOOP("UDemonstracoes", "Cores com nome"),
     QT_TRANSLATE_NOOP("UDemonstracoes",
                       "cores RGB de 0 a 1 rotuladas com o nome da cor mais próxima"),
     3000, 0},
};

const TInfoDemonstracao& infoDemonstracao(TDemonstracao tipo) {
    for (const TInfoDemonstracao& info : kDemonstracoes)
        if (info.tipo == tipo) return info;
    return kDemonstracoes[0];
}

std::optional<TDemonstracao> demonstracaoPeloNome(std::string_view nome) {
    for (const TInfoDemonstracao& info : kDemonstracoes)
        if (nome == info.nome) return info.tipo;
    return std::nullopt;
}

namespace {

// Approximately standard normal: the sum of twelve uniforms, minus six.
double normal(TSorteioLab& g) {
    double s = 0;
    for (int i = 0; i < 12; ++i) s += g.uniforme();
    return s - 6.0;
}

std::uint32_t ate(TSorteioLab& g, long n) {
    return static_cast<std::uint32_t>(g.inteiro(static_cast<std::size_t>(n)));
}

// The value with `casas` decimals and a decimal comma, without trailing zeros.
std::string decimal(double v, int casas) {
    long long escala = 1;
    for (int i = 0; i < casas; ++i) escala *= 10;
    const double a = v * static_cast<double>(escala);
    long long q = static_cast<long long>(a < 0 ? a - 0.5 : a + 0.5);
    std::string s;
    if (q < 0) {
        s += '-';
        q = -q;
    }
    s += std::to_string(q / escala);
    long long f = q % escala;
    if (f != 0) {
        std::string frac = std::to_string(f);
        frac.insert(0, static_cast<std::size_t>(casas) - frac.size(), '0');
        while (frac.back() == '0') frac.pop_back();
        s += ',' + frac;
    }
    return s == "-0" ? "0" : s;
}

void pontos(std::ostream& f, const std::vector<double>& valores, const std::string& rotulo) {
    for (const double v : valores) f << decimal(v, 4) << '|';
    f << rotulo << "#\n";
}

void quadrado(long n, TSorteioLab& g, std::ostream& f, bool rotulado) {
    f << n << "|2#\n";
    for (long i = 0; i < n; ++i) {
        const double x = g.uniforme(), y = g.uniforme();
        pontos(f, {x, y}, rotulado ? "c" + std::to_string(i + 1) : std::string());
    }
}

// Uniform in the ring of radii r0 and r1 around (0.5, 0.5), by rejection from the square.
void coroa(long n, double r0, double r1, TSorteioLab& g, std::ostream& f) {
    f << n << "|2#\n";
    for (long i = 0; i < n; ++i) {
        double x, y, d2;
        do {
            x = g.uniforme();
            y = g.uniforme();
            d2 = (x - 0.5) * (x - 0.5) + (y - 0.5) * (y - 0.5);
        } while (d2 < r0 * r0 || d2 > r1 * r1);
        pontos(f, {x, y}, {});
    }
}

// The upper half of the ring of radii 0.9 and 1.1 around the origin; the second moon is the
// first turned half a turn and moved to (1, 0.5), so the two interlock without touching.
void luas(long n, TSorteioLab& g, std::ostream& f) {
    f << n << "|2#\n";
    for (long i = 0; i < n; ++i) {
        const bool segunda = ate(g, 2) == 1;
        double x, y, d2;
        do {
            x = g.uniforme() * 2.2 - 1.1;
            y = g.uniforme() * 1.1;
            d2 = x * x + y * y;
        } while (d2 < 0.81 || d2 > 1.21);
        if (segunda) {
            x = 1.0 - x;
            y = 0.5 - y;
        }
        pontos(f, {x, y}, segunda ? "lua2" : "lua1");
    }
}

void cubo(long n, TSorteioLab& g, std::ostream& f) {
    f << n << "|3#\n";
    for (long i = 0; i < n; ++i) {
        const double r = g.uniforme(), gg = g.uniforme(), b = g.uniforme();
        pontos(f, {r, gg, b}, {});
    }
}

// Three turns of the spiral r = 0.45 theta / theta1 around (0.5, 0.5), theta from a quarter turn;
// theta is drawn so that the points are about uniform along the curve, then moved by up to 0.012.
void espiral(long n, TSorteioLab& g, std::ostream& f) {
    constexpr double kVolta = 2 * 3.14159265358979323846;
    constexpr double theta0 = 0.25 * kVolta, theta1 = 3.25 * kVolta;
    f << n << "|2#\n";
    for (long i = 0; i < n; ++i) {
        const double u = g.uniforme();
        const double theta = std::sqrt(theta0 * theta0 + (theta1 * theta1 - theta0 * theta0) * u);
        double s, c;
        senoCosseno(theta, s, c);
        const double r = 0.45 * theta / theta1;
        const double x = 0.5 + r * c + (g.uniforme() - 0.5) * 0.024;
        const double y = 0.5 + r * s + (g.uniforme() - 0.5) * 0.024;
        const long volta = std::min(3L, 1 + static_cast<long>((theta - theta0) / kVolta));
        pontos(f, {x, y}, "volta" + std::to_string(volta));
    }
}

void gaussianas(long n, long d, long grupos, TSorteioLab& g, std::ostream& f) {
    std::vector<std::vector<double>> centros(static_cast<std::size_t>(grupos));
    for (auto& c : centros)
        for (long k = 0; k < d; ++k) c.push_back(g.uniforme() * 10.0 - 5.0);
    f << n << '|' << d << "#\n";
    for (long i = 0; i < n; ++i) {
        const std::uint32_t grupo = ate(g, grupos);
        for (long k = 0; k < d; ++k)
            f << decimal(centros[grupo][static_cast<std::size_t>(k)] + normal(g), 4) << '|';
        f << 'g' << grupo << "#\n";
    }
}

void pixels(long n, long d, TSorteioLab& g, std::ostream& f) {
    long lado = 1;
    while (lado * lado < d) ++lado;
    // Ten classes, each a picture of three thick strokes, like handwritten digits.
    std::vector<std::vector<char>> prototipos(
        10, std::vector<char>(static_cast<std::size_t>(lado * lado), 0));
    for (auto& p : prototipos)
        for (int traco = 0; traco < 3; ++traco) {
            long x0 = ate(g, lado), y0 = ate(g, lado);
            const long x1 = ate(g, lado), y1 = ate(g, lado);
            const long passos = std::max(std::labs(x1 - x0), std::labs(y1 - y0)) + 1;
            for (long s = 0; s <= passos; ++s) {
                const long x = x0 + (x1 - x0) * s / passos, y = y0 + (y1 - y0) * s / passos;
                for (long dy = 0; dy < 2; ++dy)
                    for (long dx = 0; dx < 2; ++dx)
                        if (x + dx < lado && y + dy < lado)
                            p[static_cast<std::size_t>((y + dy) * lado + x + dx)] = 1;
            }
        }
    f << n << '|' << d << "#\n";
    for (long i = 0; i < n; ++i) {
        const std::uint32_t classe = ate(g, 10);
        const long desvioX = static_cast<long>(ate(g, 3)) - 1,
                   desvioY = static_cast<long>(ate(g, 3)) - 1;
        for (long k = 0; k < d; ++k) {
            const long x = k % lado - desvioX, y = k / lado - desvioY;
            const bool traco = x >= 0 && y >= 0 && x < lado && y < lado &&
                               prototipos[classe][static_cast<std::size_t>(y * lado + x)];
            long v = 0;
            if (traco)
                v = 128 + ate(g, 128);
            else if (ate(g, 100) < 2)
                v = ate(g, 256);
            f << v << '|';
        }
        f << 'd' << classe << "#\n";
    }
}

struct Cor {
    const char* nome;
    double r, g, b;
};
const Cor kCores[] = {
    {"vermelho", 1, 0, 0},       {"verde", 0, 0.5, 0},
    {"azul", 0, 0, 1},           {"amarelo", 1, 1, 0},
    {"ciano", 0, 1, 1},          {"magenta", 1, 0, 1},
    {"branco", 1, 1, 1},         {"preto", 0, 0, 0},
    {"cinza", 0.5, 0.5, 0.5},    {"laranja", 1, 0.65, 0},
    {"rosa", 1, 0.75, 0.8},      {"roxo", 0.5, 0, 0.5},
    {"marrom", 0.6, 0.3, 0.1},   {"verde-limão", 0.2, 0.8, 0.2},
    {"azul-marinho", 0, 0, 0.5}, {"vinho", 0.5, 0, 0.13},
    {"bege", 0.96, 0.96, 0.86},  {"turquesa", 0.25, 0.88, 0.82},
    {"dourado", 1, 0.84, 0},     {"prata", 0.75, 0.75, 0.75},
    {"lilás", 0.78, 0.64, 0.78}, {"verde-oliva", 0.5, 0.5, 0},
    {"salmão", 0.98, 0.5, 0.45}, {"azul-celeste", 0.53, 0.81, 0.92},
};

void cores(long n, TSorteioLab& g, std::ostream& f) {
    f << n << "|3#\n";
    for (long i = 0; i < n; ++i) {
        const double rgb[3] = {static_cast<double>(ate(g, 101)) / 100,
                               static_cast<double>(ate(g, 101)) / 100,
                               static_cast<double>(ate(g, 101)) / 100};
        const Cor* melhor = &kCores[0];
        double menor = 1e9;
        for (const Cor& c : kCores) {
            const double d = (rgb[0] - c.r) * (rgb[0] - c.r) + (rgb[1] - c.g) * (rgb[1] - c.g) +
                             (rgb[2] - c.b) * (rgb[2] - c.b);
            if (d < menor) {
                menor = d;
                melhor = &c;
            }
        }
        f << decimal(rgb[0], 2) << '|' << decimal(rgb[1], 2) << '|' << decimal(rgb[2], 2) << '|'
          << melhor->nome << "#\n";
    }
}

}  // namespace

std::string problemaDoPedido(const TPedidoDemonstracao& p) {
    const TInfoDemonstracao& info = infoDemonstracao(p.tipo);
    const long n = p.padroes < 0 ? info.padroes : p.padroes;
    const long d = p.dimensao < 0 ? info.dimensao : p.dimensao;
    if (n < 1 || n > kDemonstracaoMaximoPadroes)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "a quantidade de padrões deve ficar entre 1 e %1."),
            {kDemonstracaoMaximoPadroes});
    if (info.dimensao == 0) return {};
    if (d < 1 || d > kDemonstracaoMaximaDimensao)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "a dimensão deve ficar entre 1 e %1."),
                        {kDemonstracaoMaximaDimensao});
    if (p.tipo == TDemonstracao::gaussianas &&
        (p.grupos < 1 || p.grupos > kDemonstracaoMaximoGrupos))
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "a quantidade de grupos deve ficar entre 1 e %1."),
            {kDemonstracaoMaximoGrupos});
    if (n > kDemonstracaoMaximoValores / d)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "padrões × dimensão passa de %1 valores."),
                        {kDemonstracaoMaximoValores});
    return {};
}

void escreveDemonstracao(const TPedidoDemonstracao& p, std::ostream& f) {
    if (const std::string problema = problemaDoPedido(p); !problema.empty())
        throw std::invalid_argument(problema);
    const TInfoDemonstracao& info = infoDemonstracao(p.tipo);
    TSorteioLab g(p.semente);
    const long n = p.padroes < 0 ? info.padroes : p.padroes;
    const long d = p.dimensao < 0 ? info.dimensao : p.dimensao;
    switch (p.tipo) {
        case TDemonstracao::quadrado:
            return quadrado(n, g, f, false);
        case TDemonstracao::cidades:
            return quadrado(n, g, f, true);
        case TDemonstracao::disco:
            return coroa(n, 0.0, 0.5, g, f);
        case TDemonstracao::anel:
            return coroa(n, 0.25, 0.5, g, f);
        case TDemonstracao::luas:
            return luas(n, g, f);
        case TDemonstracao::cubo:
            return cubo(n, g, f);
        case TDemonstracao::espiral:
            return espiral(n, g, f);
        case TDemonstracao::gaussianas:
            return gaussianas(n, d, p.grupos, g, f);
        case TDemonstracao::pixels:
            return pixels(n, d, g, f);
        case TDemonstracao::cores:
            return cores(n, g, f);
    }
}

void senoCosseno(double angulo, double& seno, double& cosseno) {
    constexpr double kPi = 3.14159265358979323846, kDoisPi = 2 * kPi;
    double t = angulo - kDoisPi * static_cast<double>(static_cast<long long>(angulo / kDoisPi));
    if (t < 0) t += kDoisPi;
    if (t >= kPi) t -= kDoisPi;
    double termo = t, s = t, c = 1.0, termoC = 1.0;
    for (int k = 1; k <= 15; ++k) {
        termoC = -termoC * t * t / ((2.0 * k - 1) * (2.0 * k));
        termo = -termo * t * t / ((2.0 * k) * (2.0 * k + 1));
        c += termoC;
        s += termo;
    }
    seno = s;
    cosseno = c;
}

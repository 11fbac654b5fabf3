// norvika-gera-dados: writes pattern files for the examples and the benchmark workloads. The
// output depends only on the arguments: the generator is splitmix64 and the arithmetic uses no
// library function whose last bit could differ between machines.
//
//   norvika-gera-dados gaussianas ARQUIVO [--padroes 20000] [--dimensao 64] [--grupos 10]
//   [--semente 1] norvika-gera-dados pixels     ARQUIVO [--padroes 5000]  [--dimensao 784]
//   [--semente 1] norvika-gera-dados cores      ARQUIVO [--padroes 3000]  [--semente 1]

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct SplitMix {
    std::uint64_t estado;
    std::uint64_t proximo() {
        std::uint64_t z = (estado += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), 53 random bits.
    double uniforme() { return static_cast<double>(proximo() >> 11) * 0x1p-53; }
    std::uint32_t ate(std::uint32_t n) {
        // The high 32 bits of 32 random bits times n.
        return static_cast<std::uint32_t>(((proximo() >> 32) * n) >> 32);
    }
    // Approximately standard normal: the sum of twelve uniforms, minus six.
    double normal() {
        double s = 0;
        for (int i = 0; i < 12; ++i) s += uniforme();
        return s - 6.0;
    }
};

// The value with four decimals and a decimal comma, without trailing zeros.
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

struct Opcoes {
    std::string tipo, arquivo;
    long padroes = -1, dimensao = -1, grupos = 10;
    std::uint64_t semente = 1;
};

[[noreturn]] void uso() {
    std::fprintf(stderr,
                 "uso: norvika-gera-dados gaussianas|pixels|cores ARQUIVO [--padroes N] "
                 "[--dimensao D] [--grupos G] [--semente S]\n");
    std::exit(2);
}

void ajuda() {
    std::fputs(
        "Uso: norvika-gera-dados TIPO ARQUIVO [--padroes N] [--dimensao D] [--grupos G]\n"
        "                        [--semente S]\n"
        "Grava em ARQUIVO um arquivo de padrões do Norvika. O conteúdo depende só dos\n"
        "argumentos: os mesmos bytes em qualquer máquina.\n"
        "\n"
        "Tipos:\n"
        "  gaussianas   G grupos gaussianos em D dimensões, rótulos g0, g1, ...\n"
        "               (padrão: 20000 padrões, dimensão 64, 10 grupos)\n"
        "  pixels       imagens de D pixels de 0 a 255 em dez classes de traços, rótulos d0 a d9\n"
        "               (padrão: 5000 padrões, dimensão 784)\n"
        "  cores        cores RGB de 0 a 1 rotuladas com o nome da cor mais próxima\n"
        "               (padrão: 3000 padrões; a dimensão é sempre 3)\n"
        "\n"
        "Opções:\n"
        "  --padroes N    quantidade de padrões\n"
        "  --dimensao D   valores por padrão (gaussianas e pixels)\n"
        "  --grupos G     quantidade de grupos (gaussianas; padrão 10)\n"
        "  --semente S    semente do gerador (padrão 1)\n"
        "  -h, --help     mostra esta ajuda e sai\n",
        stdout);
    std::exit(0);
}

void gaussianas(const Opcoes& o, std::ofstream& f) {
    SplitMix g{o.semente};
    const long d = o.dimensao < 0 ? 64 : o.dimensao, n = o.padroes < 0 ? 20000 : o.padroes;
    std::vector<std::vector<double>> centros(static_cast<std::size_t>(o.grupos));
    for (auto& c : centros)
        for (long k = 0; k < d; ++k) c.push_back(g.uniforme() * 10.0 - 5.0);
    f << n << '|' << d << "#\n";
    for (long i = 0; i < n; ++i) {
        const std::uint32_t grupo = g.ate(static_cast<std::uint32_t>(o.grupos));
        for (long k = 0; k < d; ++k)
            f << decimal(centros[grupo][static_cast<std::size_t>(k)] + g.normal(), 4) << '|';
        f << 'g' << grupo << "#\n";
    }
}

void pixels(const Opcoes& o, std::ofstream& f) {
    SplitMix g{o.semente};
    const long d = o.dimensao < 0 ? 784 : o.dimensao, n = o.padroes < 0 ? 5000 : o.padroes;
    long lado = 1;
    while (lado * lado < d) ++lado;
    // Ten classes, each a picture of three thick strokes, like handwritten digits.
    std::vector<std::vector<char>> prototipos(
        10, std::vector<char>(static_cast<std::size_t>(lado * lado), 0));
    for (auto& p : prototipos)
        for (int traco = 0; traco < 3; ++traco) {
            long x0 = g.ate(static_cast<std::uint32_t>(lado)),
                 y0 = g.ate(static_cast<std::uint32_t>(lado));
            const long x1 = g.ate(static_cast<std::uint32_t>(lado)),
                       y1 = g.ate(static_cast<std::uint32_t>(lado));
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
        const std::uint32_t classe = g.ate(10);
        const long desvioX = static_cast<long>(g.ate(3)) - 1,
                   desvioY = static_cast<long>(g.ate(3)) - 1;
        for (long k = 0; k < d; ++k) {
            const long x = k % lado - desvioX, y = k / lado - desvioY;
            const bool traco = x >= 0 && y >= 0 && x < lado && y < lado &&
                               prototipos[classe][static_cast<std::size_t>(y * lado + x)];
            long v = 0;
            if (traco)
                v = 128 + g.ate(128);
            else if (g.ate(100) < 2)
                v = g.ate(256);
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

void cores(const Opcoes& o, std::ofstream& f) {
    SplitMix g{o.semente};
    const long n = o.padroes < 0 ? 3000 : o.padroes;
    f << n << "|3#\n";
    for (long i = 0; i < n; ++i) {
        const double rgb[3] = {static_cast<double>(g.ate(101)) / 100,
                               static_cast<double>(g.ate(101)) / 100,
                               static_cast<double>(g.ate(101)) / 100};
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

int main(int argc, char** argv) {
    if (argc >= 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h"))
        ajuda();
    if (argc < 3) uso();
    Opcoes o;
    o.tipo = argv[1];
    o.arquivo = argv[2];
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string_view a = argv[i];
        const long v = std::atol(argv[i + 1]);
        if (a == "--padroes")
            o.padroes = v;
        else if (a == "--dimensao")
            o.dimensao = v;
        else if (a == "--grupos")
            o.grupos = std::max(1L, v);
        else if (a == "--semente")
            o.semente = static_cast<std::uint64_t>(v);
        else
            uso();
    }
    if ((argc - 3) % 2 != 0) uso();
    std::ofstream f(o.arquivo, std::ios::binary);
    if (!f) {
        std::fprintf(stderr, "norvika-gera-dados: não foi possível criar %s\n", o.arquivo.c_str());
        return 1;
    }
    if (o.tipo == "gaussianas")
        gaussianas(o, f);
    else if (o.tipo == "pixels")
        pixels(o, f);
    else if (o.tipo == "cores")
        cores(o, f);
    else
        uso();
    return f.good() ? 0 : 1;
}

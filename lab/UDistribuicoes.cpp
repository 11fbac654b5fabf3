#include "UDistribuicoes.h"

#include "UDemonstracoes.h"
#include "UTraducao.h"

const TInfoDistribuicao kDistribuicoes[kNumeroDistribuicoes] = {
    {TDistribuicao::quadrado, "quadrado", QT_TRANSLATE_NOOP("UDistribuicoes", "Quadrado uniforme"),
     false},
    {TDistribuicao::disco, "disco", QT_TRANSLATE_NOOP("UDistribuicoes", "Disco"), false},
    {TDistribuicao::anel, "anel", QT_TRANSLATE_NOOP("UDistribuicoes", "Anel"), false},
    {TDistribuicao::luas, "luas", QT_TRANSLATE_NOOP("UDistribuicoes", "Duas luas"), false},
    {TDistribuicao::altaEBaixa, "alta-e-baixa",
     QT_TRANSLATE_NOOP("UDistribuicoes", "Alta e baixa densidade"), false},
    {TDistribuicao::retangulos, "retangulos",
     QT_TRANSLATE_NOOP("UDistribuicoes", "Retângulos separados"), false},
    {TDistribuicao::quadradoQueSeMove, "quadrado-move",
     QT_TRANSLATE_NOOP("UDistribuicoes", "Quadrado que se move"), true},
    {TDistribuicao::quadradoQueSalta, "quadrado-salta",
     QT_TRANSLATE_NOOP("UDistribuicoes", "Quadrado que salta"), true},
    {TDistribuicao::anelQueEncolhe, "anel-encolhe",
     QT_TRANSLATE_NOOP("UDistribuicoes", "Anel que encolhe"), true},
};

const TInfoDistribuicao& infoDistribuicao(TDistribuicao tipo) {
    for (const TInfoDistribuicao& d : kDistribuicoes)
        if (d.tipo == tipo) return d;
    return kDistribuicoes[0];
}

std::optional<TDistribuicao> distribuicaoPeloNome(std::string_view nome) {
    for (const TInfoDistribuicao& d : kDistribuicoes)
        if (nome == d.nome) return d.tipo;
    return std::nullopt;
}

namespace {

constexpr double kVolta = 2 * 3.14159265358979323846;
// The moving and jumping squares' side.
constexpr double kLado = 0.3;
// The jumping square's places (centres), in turn order.
constexpr double kLugares[4][2] = {{0.25, 0.25}, {0.75, 0.25}, {0.75, 0.75}, {0.25, 0.75}};

struct TRetangulo {
    double x0, y0, x1, y1;
};
// Three rectangles that touch nothing, drawn in proportion to their areas.
constexpr TRetangulo kRetangulos[3] = {
    {0.05, 0.05, 0.35, 0.95}, {0.45, 0.05, 0.95, 0.30}, {0.55, 0.50, 0.85, 0.90}};

}  // namespace

TFonteDeSinais::TFonteDeSinais(TDistribuicao tipo, std::uint64_t semente, std::int64_t periodo)
    : tipo_(tipo), periodo_(periodo < 1 ? 1 : periodo), sorteio_(semente) {}

void TFonteDeSinais::coroa(double cx, double cy, double r0, double r1, double* x) {
    double d2;
    do {
        x[0] = cx - r1 + 2.0 * r1 * sorteio_.uniforme();
        x[1] = cy - r1 + 2.0 * r1 * sorteio_.uniforme();
        d2 = (x[0] - cx) * (x[0] - cx) + (x[1] - cy) * (x[1] - cy);
    } while (d2 < r0 * r0 || d2 > r1 * r1);
}

void TFonteDeSinais::proximo(double* x) {
    const std::int64_t t = t_++;
    // Where the period stands, in [0, 1).
    const double fase = static_cast<double>(t % periodo_) / static_cast<double>(periodo_);
    switch (tipo_) {
        case TDistribuicao::quadrado:
            x[0] = sorteio_.uniforme();
            x[1] = sorteio_.uniforme();
            return;
        case TDistribuicao::disco:
            return coroa(0.5, 0.5, 0.0, 0.5, x);
        case TDistribuicao::anel:
            return coroa(0.5, 0.5, 0.25, 0.5, x);
        case TDistribuicao::luas: {
            // Two half rings of radii 0.9 and 1.1 that interlock, as the classroom's moons,
            // scaled into the square.
            const bool segunda = sorteio_.inteiro(2) == 1;
            double a, b, d2;
            do {
                a = sorteio_.uniforme() * 2.2 - 1.1;
                b = sorteio_.uniforme() * 1.1;
                d2 = a * a + b * b;
            } while (d2 < 0.81 || d2 > 1.21);
            if (segunda) {
                a = 1.0 - a;
                b = 0.5 - b;
            }
            x[0] = (a + 1.1) / 3.2;
            x[1] = (b + 0.6) / 3.2 + 0.23;
            return;
        }
        case TDistribuicao::altaEBaixa: {
            // Half the signals in a square of side 0.5, half in one of side 0.25: four times as
            // dense.
            const bool densa = sorteio_.inteiro(2) == 1;
            const double lado = densa ? 0.25 : 0.5, x0 = densa ? 0.65 : 0.05;
            x[0] = x0 + lado * sorteio_.uniforme();
            x[1] = x0 + lado * sorteio_.uniforme();
            return;
        }
        case TDistribuicao::retangulos: {
            double total = 0.0;
            for (const TRetangulo& r : kRetangulos) total += (r.x1 - r.x0) * (r.y1 - r.y0);
            double u = sorteio_.uniforme() * total;
            const TRetangulo* escolhido = &kRetangulos[2];
            for (const TRetangulo& r : kRetangulos) {
                const double area = (r.x1 - r.x0) * (r.y1 - r.y0);
                if (u < area) {
                    escolhido = &r;
                    break;
                }
                u -= area;
            }
            x[0] = escolhido->x0 + (escolhido->x1 - escolhido->x0) * sorteio_.uniforme();
            x[1] = escolhido->y0 + (escolhido->y1 - escolhido->y0) * sorteio_.uniforme();
            return;
        }
        case TDistribuicao::quadradoQueSeMove: {
            // Its centre goes once round the circle of radius 0.3 around the middle per period.
            double seno, cosseno;
            senoCosseno(kVolta * fase, seno, cosseno);
            x[0] = 0.5 + 0.3 * cosseno + kLado * (sorteio_.uniforme() - 0.5);
            x[1] = 0.5 + 0.3 * seno + kLado * (sorteio_.uniforme() - 0.5);
            return;
        }
        case TDistribuicao::quadradoQueSalta:
            // A new place, one of the three others, at the start of each period but the first.
            if (t > 0 && t % periodo_ == 0)
                lugar_ = (lugar_ + 1 + static_cast<int>(sorteio_.inteiro(3))) % 4;
            x[0] = kLugares[lugar_][0] + kLado * (sorteio_.uniforme() - 0.5);
            x[1] = kLugares[lugar_][1] + kLado * (sorteio_.uniforme() - 0.5);
            return;
        case TDistribuicao::anelQueEncolhe: {
            // From radii 0.27 and 0.45 down to a third of those, then again.
            const double r1 = 0.45 - 0.3 * fase;
            return coroa(0.5, 0.5, 0.6 * r1, r1, x);
        }
    }
}

#include "UGradeLab.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "UTraducao.h"

namespace {

std::int64_t quadrado(std::int64_t v) {
    return v * v;
}

// The shortest of v, v - periodo and v + periodo in absolute value (v within one period).
std::int64_t menorVolta(std::int64_t v, std::int64_t periodo) {
    const std::int64_t a = std::abs(v);
    return std::min(a, periodo - a);
}

}  // namespace

std::int64_t TGradeLab::quatroD2(std::int32_t a, std::int32_t b) const {
    const std::int64_t ra = a / colunas, ca = a % colunas;
    const std::int64_t rb = b / colunas, cb = b % colunas;
    std::int64_t dr = ra - rb;
    if (!hexagonal()) {
        std::int64_t dc = ca - cb;
        if (toroidal) {
            dr = menorVolta(dr, linhas);
            dc = menorVolta(dc, colunas);
        }
        return 4 * (quadrado(dc) + quadrado(dr));
    }
    // In halves of a unit; odd rows sit half a unit to the right.
    const std::int64_t dx = (2 * ca + (ra & 1)) - (2 * cb + (rb & 1));
    if (!toroidal) return quadrado(dx) + 3 * quadrado(dr);
    // An even number of rows keeps each row's shift across the seam, so the copies of b sit at
    // dx + 2 C i, dr + R j for whole i, j; the nearest is among i, j in -1 .. 1.
    std::int64_t menor = -1;
    for (std::int64_t j = -1; j <= 1; ++j)
        for (std::int64_t i = -1; i <= 1; ++i) {
            const std::int64_t q =
                quadrado(dx + 2 * colunas * i) + 3 * quadrado(dr + std::int64_t{linhas} * j);
            if (menor < 0 || q < menor) menor = q;
        }
    return menor;
}

std::vector<std::int32_t> TGradeLab::vizinhos(std::int32_t k) const {
    std::vector<std::int32_t> v;
    const std::int32_t r = k / colunas, c = k % colunas;
    for (std::int32_t i = -1; i <= 1; ++i)
        for (std::int32_t j = -1; j <= 1; ++j) {
            std::int32_t rr = r + i, cc = c + j;
            if (toroidal) {
                rr = (rr + linhas) % linhas;
                cc = (cc + colunas) % colunas;
            } else if (rr < 0 || rr >= linhas || cc < 0 || cc >= colunas) {
                continue;
            }
            const std::int32_t u = rr * colunas + cc;
            if (adjacentes(k, u)) v.push_back(u);
        }
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end()), v.end());
    return v;
}

void TGradeLab::posicao(std::int32_t k, double& x, double& y) const {
    const std::int32_t r = k / colunas, c = k % colunas;
    if (hexagonal()) {
        x = c + 0.5 * (r % 2);
        y = r * (std::sqrt(3.0) / 2.0);
    } else {
        x = c;
        y = r;
    }
}

std::string validaGrade(const TGradeLab& g) {
    if (g.linhas < 1 || g.linhas > kLadoMaximoLab)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O número de linhas do mapa deve estar entre 1 e 100."));
    if (g.colunas < 1 || g.colunas > kLadoMaximoLab)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                          "O número de colunas do mapa deve estar entre 1 e 100."));
    if (g.toroidal && g.hexagonal() && g.linhas % 2 != 0)
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "Um mapa hexagonal toroidal precisa de um número par de linhas."));
    return {};
}

double raioPadraoLab(const TGradeLab& g) {
    // 4 d^2 depends only on the two rows and the columns' difference, and C - |dc| pairs of
    // columns have the difference dc: every pair counted, in R^2 (2C - 1) distances.
    std::map<std::int64_t, std::uint64_t> vezes;
    for (std::int32_t ra = 0; ra < g.linhas; ++ra)
        for (std::int32_t rb = 0; rb < g.linhas; ++rb)
            for (std::int32_t dc = 1 - g.colunas; dc < g.colunas; ++dc) {
                const std::int32_t ca = std::max(0, dc);
                vezes[g.quatroD2(ra * g.colunas + ca, rb * g.colunas + ca - dc)] +=
                    static_cast<std::uint64_t>(g.colunas - std::abs(dc));
            }
    const auto n = static_cast<std::uint64_t>(g.unidades());
    // The distance at a place of all of them, sorted (from 0).
    const auto naPosicao = [&](std::uint64_t posicao) {
        std::uint64_t ate = 0;
        for (const auto& [q, k] : vezes)
            if (posicao < (ate += k)) return std::sqrt(static_cast<double>(q)) / 2.0;
        return std::sqrt(static_cast<double>(vezes.rbegin()->first)) / 2.0;
    };
    const double h = static_cast<double>(n * n - 1) * 2.0 / 3.0;
    const auto baixo = static_cast<std::uint64_t>(std::floor(h));
    const double x0 = naPosicao(baixo), x1 = naPosicao(baixo + 1);
    return x0 + (h - std::floor(h)) * (x1 - x0);
}

TMapa mapaDaGrade(const TGradeLab& grade, std::int32_t dimensao, std::vector<double> pesos) {
    TMapa m;
    m.forma = grade.hexagonal() ? TFormaMapa::hexagonal : TFormaMapa::retangular;
    m.toroidal = grade.toroidal;
    m.linhas = grade.linhas;
    m.colunas = grade.colunas;
    m.dimensao = dimensao;
    m.pesos = std::move(pesos);
    m.vizinhos.resize(static_cast<std::size_t>(grade.unidades()));
    for (std::int32_t u = 0; u < grade.unidades(); ++u)
        m.vizinhos[static_cast<std::size_t>(u)] = grade.vizinhos(u);
    return m;
}

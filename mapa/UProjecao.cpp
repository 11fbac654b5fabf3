#include "UProjecao.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

void TProjecao::projeta(const double* x, double& a, double& b) const {
    long double la = 0.0L, lb = 0.0L;
    for (std::size_t k = 0; k < media.size(); ++k) {
        const long double c = static_cast<long double>(x[k]) - static_cast<long double>(media[k]);
        la += c * eixo1[k];
        lb += c * eixo2[k];
    }
    constexpr long double kMaior = DBL_MAX;
    a = static_cast<double>(std::clamp(la, -kMaior, kMaior));
    b = static_cast<double>(std::clamp(lb, -kMaior, kMaior));
}

namespace {

// One direction of largest variance orthogonal to `fora` (when given), by power iteration on the
// covariance without forming it: v <- sum over points of (x . v) x, the points already centred.
std::optional<std::vector<double>> eixoPrincipal(const std::vector<double>& pontos, std::size_t d,
                                                 const std::vector<double>* fora,
                                                 const TParadaMedida& parar) {
    const std::size_t quantos = d == 0 ? 0 : pontos.size() / d;
    std::vector<double> v(d), novo(d);
    for (std::size_t k = 0; k < d; ++k)
        v[k] = 1.0 / std::sqrt(static_cast<double>(d)) * (1.0 + 0.01 * static_cast<double>(k % 7));
    auto ortogonaliza = [&](std::vector<double>& u) {
        if (fora == nullptr) return;
        double pe = 0.0;
        for (std::size_t k = 0; k < d; ++k) pe += u[k] * (*fora)[k];
        for (std::size_t k = 0; k < d; ++k) u[k] -= pe * (*fora)[k];
    };
    auto normaliza = [&](std::vector<double>& u) {
        double s = 0.0;
        for (double c : u) s += c * c;
        const double norma = std::sqrt(s);
        if (norma > 0.0)
            for (double& c : u) c /= norma;
        return norma;
    };
    ortogonaliza(v);
    normaliza(v);
    for (int iteracao = 0; iteracao < 60; ++iteracao) {
        // A pass over thousands of points of a thousand values takes milliseconds: a stop is
        // answered between passes.
        if (parar && parar()) return std::nullopt;
        std::fill(novo.begin(), novo.end(), 0.0);
        for (std::size_t i = 0; i < quantos; ++i) {
            const double* x = pontos.data() + i * d;
            double pe = 0.0;
            for (std::size_t k = 0; k < d; ++k) pe += x[k] * v[k];
            for (std::size_t k = 0; k < d; ++k) novo[k] += pe * x[k];
        }
        ortogonaliza(novo);
        if (!(normaliza(novo) > 0.0)) return std::vector<double>(d, 0.0);
        double mudanca = 0.0;
        for (std::size_t k = 0; k < d; ++k) mudanca += std::fabs(novo[k] - v[k]);
        v.swap(novo);
        if (mudanca < 1e-10) break;
    }
    return v;
}

}  // namespace

std::optional<TProjecao> projecaoPrincipal(const std::vector<const double*>& todos, std::int32_t d,
                                           std::size_t amostra, const TParadaMedida& parar) {
    TProjecao p;
    const auto dd = static_cast<std::size_t>(std::max(d, 0));
    p.media.assign(dd, 0.0);
    p.eixo1.assign(dd, 0.0);
    p.eixo2.assign(dd, 0.0);
    if (todos.empty() || dd == 0) return p;
    std::vector<const double*> amostrados;
    const std::size_t passo =
        std::max<std::size_t>(1, (todos.size() + amostra - 1) / std::max<std::size_t>(amostra, 1));
    for (std::size_t i = 0; i < todos.size(); i += passo) amostrados.push_back(todos[i]);
    // One or two dimensions are drawn as they are.
    if (dd <= 2) {
        p.eixo1[0] = 1.0;
        if (dd == 2) p.eixo2[1] = 1.0;
        return p;
    }
    // The mean in extended precision, then the points centred and divided by their largest
    // deviation: the axes do not change, and values near the double's limit cannot overflow.
    for (std::size_t k = 0; k < dd; ++k) {
        long double soma = 0.0L;
        for (const double* x : amostrados) soma += x[k];
        p.media[k] = static_cast<double>(soma / static_cast<long double>(amostrados.size()));
    }
    long double maior = 0.0L;
    for (const double* x : amostrados)
        for (std::size_t k = 0; k < dd; ++k)
            maior = std::max(maior, std::fabs(static_cast<long double>(x[k]) - p.media[k]));
    if (!(maior > 0.0L)) return p;
    std::vector<double> centrados(amostrados.size() * dd);
    for (std::size_t i = 0; i < amostrados.size(); ++i)
        for (std::size_t k = 0; k < dd; ++k)
            centrados[i * dd + k] = static_cast<double>(
                (static_cast<long double>(amostrados[i][k]) - p.media[k]) / maior);
    std::optional<std::vector<double>> eixo1 = eixoPrincipal(centrados, dd, nullptr, parar);
    if (!eixo1) return std::nullopt;
    p.eixo1 = std::move(*eixo1);
    std::optional<std::vector<double>> eixo2 = eixoPrincipal(centrados, dd, &p.eixo1, parar);
    if (!eixo2) return std::nullopt;
    p.eixo2 = std::move(*eixo2);
    return p;
}

#include "ULayoutMapa.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool finito(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

TGradeCelulas TGradeCelulas::em(const QRectF& area, std::int32_t linhas, std::int32_t colunas,
                                double margem) {
    TGradeCelulas g;
    g.linhas = linhas;
    g.colunas = std::max(colunas, 1);
    g.lado = std::max(1.0, std::min((area.width() - margem) / std::max(colunas, 1),
                                    (area.height() - margem) / std::max(linhas, 1)));
    g.mapa = QRectF(area.left() + margem, area.top() + margem, g.lado * colunas, g.lado * linhas);
    return g;
}

QPointF TLayoutVista::tela(double x, double y) const {
    const QPointF centro = regiao.center();
    return {static_cast<double>(centro.x() + (x - meioX) * escala),
            static_cast<double>(centro.y() - (y - meioY) * escala)};
}

std::int32_t TLayoutVista::neuronioEm(const QPointF& ponto) const {
    switch (tipo) {
        case TTipoVista::Planos:
            for (const TPlano& plano : planos) {
                if (!plano.grade.mapa.contains(ponto)) continue;
                const auto coluna = static_cast<std::int32_t>(
                    (ponto.x() - plano.grade.mapa.left()) / plano.grade.lado);
                const auto linha = static_cast<std::int32_t>((ponto.y() - plano.grade.mapa.top()) /
                                                             plano.grade.lado);
                if (coluna < plano.grade.colunas && linha < plano.grade.linhas)
                    return linha * plano.grade.colunas + coluna;
            }
            return -1;
        case TTipoVista::Espaco:
            // A small square around each neuron's dot; the last drawn is on top.
            for (std::size_t a = neuronios.size(); a-- > 0;)
                if (finito(neuronios[a]) &&
                    QRectF(neuronios[a] - QPointF(5, 5), QSizeF(10, 10)).contains(ponto))
                    return static_cast<std::int32_t>(a);
            return -1;
        default:
            for (std::int32_t a = grade.linhas * grade.colunas; a-- > 0;)
                if (grade.caixa(a).contains(ponto)) return a;
            return -1;
    }
}

namespace {

// Small multiples, one per attribute, in the number of columns that makes them largest; with one
// scale per plane each keeps room at its right for its own colour bar.
void dispoePlanos(const TDadosMapa& d, const QRectF& util, bool escalaComum, TLayoutVista& l) {
    const double barra = escalaComum ? 0.0 : 16.0;
    const std::int32_t planos = d.dimensao;
    if (planos <= 0) return;
    int melhorColunas = 1;
    double melhorLado = 0.0;
    for (int c = 1; c <= planos; ++c) {
        const int linhas = (planos + c - 1) / c;
        const double w = util.width() / c, h = util.height() / linhas - 16;
        const double lado = std::min((w - 10 - barra) / d.colunas, (h - 6) / d.linhas);
        if (lado > melhorLado) {
            melhorLado = lado;
            melhorColunas = c;
        }
    }
    const int colunas = melhorColunas;
    const int linhas = (planos + colunas - 1) / colunas;
    const double w = util.width() / colunas, h = util.height() / linhas;
    for (std::int32_t k = 0; k < planos; ++k) {
        TLayoutVista::TPlano plano;
        plano.caixa =
            QRectF(util.left() + (k % colunas) * w, util.top() + (k / colunas) * h, w - 10, h - 6);
        plano.grade.linhas = d.linhas;
        plano.grade.colunas = d.colunas;
        plano.grade.lado = std::max(
            1.0, std::min(plano.caixa.width() / d.colunas, (plano.caixa.height() - 16) / d.linhas));
        plano.grade.mapa = QRectF(plano.caixa.left(), plano.caixa.top() + 16,
                                  plano.grade.lado * d.colunas, plano.grade.lado * d.linhas);
        l.planos.push_back(plano);
    }
}

// The patterns' points and the neurons on one scale; only finite points count.
void dispoeEspaco(const TDadosMapa& d, const QRectF& regiao, TLayoutVista& l) {
    l.regiao = regiao;
    std::vector<QPointF> neuronios;
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        double x = 0, y = 0;
        if (d.dimensao > 0)
            d.padroes->projecao.projeta(
                d.pesos.data() + static_cast<std::size_t>(a) * static_cast<std::size_t>(d.dimensao),
                x, y);
        neuronios.emplace_back(x, y);
    }
    double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
    auto inclui = [&](const QPointF& q) {
        if (!finito(q)) return;
        x0 = std::min(x0, q.x());
        x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y());
        y1 = std::max(y1, q.y());
    };
    for (const TPontoPlano& q : d.padroes->pontos) inclui(QPointF(q.x, q.y));
    for (const QPointF& q : neuronios) inclui(q);
    if (!(x0 <= x1)) x0 = x1 = y0 = y1 = 0.0;
    const long double largura = static_cast<long double>(x1) - x0;
    const long double altura = static_cast<long double>(y1) - y0;
    l.escala = std::min(largura > 0 ? regiao.width() / largura : 1.0L,
                        altura > 0 ? regiao.height() / altura : 1.0L) *
               0.95L;
    l.meioX = (static_cast<long double>(x0) + x1) / 2;
    l.meioY = (static_cast<long double>(y0) + y1) / 2;
    for (const QPointF& q : neuronios)
        l.neuronios.push_back(finito(q) ? l.tela(q.x(), q.y())
                                        : QPointF(std::numeric_limits<double>::quiet_NaN(), 0.0));
}

}  // namespace

TLayoutVista layoutDaVista(TTipoVista tipo, const TDadosMapa& d, const QRectF& area,
                           bool escalaComum) {
    TLayoutVista l;
    l.tipo = tipo;
    l.area = area.adjusted(kMargemVista, kMargemVista, -kMargemVista, -kMargemVista);
    const QRectF direita(l.area.right() - kLarguraLegenda + 12, l.area.top(), kLarguraLegenda - 12,
                         l.area.height());
    switch (tipo) {
        case TTipoVista::Cores:
            l.grade = TGradeCelulas::em(l.area, d.linhas, d.colunas, kMargemNumeros);
            break;
        case TTipoVista::Planos:
            if (escalaComum) l.legenda = direita;
            dispoePlanos(d, l.area.adjusted(0, 0, escalaComum ? -kLarguraLegenda : 0.0, 0),
                         escalaComum, l);
            break;
        case TTipoVista::Espaco:
            l.legenda = direita;
            dispoeEspaco(d, l.area.adjusted(0, 0, -kLarguraLegenda, -20), l);
            break;
        default:
            l.legenda = direita;
            l.grade = TGradeCelulas::em(l.area.adjusted(0, 0, -kLarguraLegenda, 0), d.linhas,
                                        d.colunas, kMargemNumeros);
            break;
    }
    return l;
}

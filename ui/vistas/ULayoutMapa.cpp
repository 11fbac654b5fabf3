#include "ULayoutMapa.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool finito(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

namespace {

const double kRaiz3 = std::sqrt(3.0);

}  // namespace

QSizeF TGradeCelulas::medidas(std::int32_t linhas, std::int32_t colunas, bool hexagonal) {
    const double c = std::max(colunas, 1), r = std::max(linhas, 1);
    if (!hexagonal) return {c, r};
    // Half a cell more for the shifted rows; between the top and bottom vertices of the first and
    // last rows, (r - 1) row steps and one hexagon's height.
    return {r > 1 ? c + 0.5 : c, (r - 1) * kRaiz3 / 2 + 2 / kRaiz3};
}

TGradeCelulas TGradeCelulas::em(const QRectF& area, std::int32_t linhas, std::int32_t colunas,
                                double margem, bool hexagonal, bool linhaUmEmbaixo) {
    TGradeCelulas g;
    g.linhas = linhas;
    g.colunas = std::max(colunas, 1);
    g.hexagonal = hexagonal;
    g.linhaUmEmbaixo = linhaUmEmbaixo;
    const QSizeF m = medidas(linhas, colunas, hexagonal);
    g.lado = std::max(
        1.0, std::min((area.width() - margem) / m.width(), (area.height() - margem) / m.height()));
    g.mapa =
        QRectF(area.left() + margem, area.top() + margem, g.lado * m.width(), g.lado * m.height());
    return g;
}

QPointF TGradeCelulas::centro(std::int32_t a) const {
    // The shift goes with the row, the height with where the row is drawn.
    const std::int32_t r = a / colunas, c = a % colunas, f = fila(r);
    if (!hexagonal) return {mapa.left() + (c + 0.5) * lado, mapa.top() + (f + 0.5) * lado};
    return {mapa.left() + (c + 0.5 + 0.5 * (r % 2)) * lado,
            mapa.top() + lado / kRaiz3 + f * lado * kRaiz3 / 2};
}

QRectF TGradeCelulas::caixa(std::int32_t a) const {
    if (!hexagonal)
        return {mapa.left() + (a % colunas) * lado, mapa.top() + fila(a / colunas) * lado, lado,
                lado};
    const QPointF c = centro(a);
    const double meiaAltura = lado / kRaiz3 / 2;
    return {c.x() - lado / 2, c.y() - meiaAltura, lado, 2 * meiaAltura};
}

QPolygonF TGradeCelulas::celula(std::int32_t a, double recuo) const {
    if (!hexagonal) return QPolygonF(caixa(a).adjusted(recuo, recuo, -recuo, -recuo));
    const QPointF c = centro(a);
    // Circumradius lado / sqrt(3); the inset moves the sides in by `recuo`.
    const double raio = std::max(0.0, lado / kRaiz3 - recuo * 2 / kRaiz3);
    QPolygonF h;
    for (int k = 0; k < 6; ++k) {
        const double angulo = (90.0 + 60.0 * k) * 3.14159265358979323846 / 180.0;
        h << QPointF(c.x() + raio * std::cos(angulo), c.y() - raio * std::sin(angulo));
    }
    return h;
}

bool TGradeCelulas::contem(std::int32_t a, const QPointF& ponto) const {
    if (!hexagonal) return caixa(a).contains(ponto);
    return celula(a).containsPoint(ponto, Qt::OddEvenFill);
}

QRectF TGradeCelulas::faixaDaLinha(std::int32_t i) const {
    if (!hexagonal) return {mapa.left(), mapa.top() + fila(i) * lado, mapa.width(), lado};
    const double passo = lado * kRaiz3 / 2;
    const double y = mapa.top() + lado / kRaiz3 + fila(i) * passo;
    return {mapa.left(), y - passo / 2, mapa.width(), passo};
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
                for (std::int32_t a = plano.grade.linhas * plano.grade.colunas; a-- > 0;)
                    if (plano.grade.contem(a, ponto)) return a;
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
                if (grade.contem(a, ponto)) return a;
            return -1;
    }
}

namespace {

// Small multiples, one per attribute, in the number of columns that makes them largest; with one
// scale per plane each keeps room at its right for its own colour bar.
void dispoePlanos(const TDadosMapa& d, const QRectF& util, bool escalaComum, bool linhaUmEmbaixo,
                  TLayoutVista& l) {
    const double barra = escalaComum ? 0.0 : 16.0;
    const std::int32_t planos = d.dimensao;
    if (planos <= 0) return;
    int melhorColunas = 1;
    double melhorLado = 0.0;
    const QSizeF m = TGradeCelulas::medidas(d.linhas, d.colunas, d.hexagonal());
    for (int c = 1; c <= planos; ++c) {
        const int linhas = (planos + c - 1) / c;
        const double w = util.width() / c, h = util.height() / linhas - 16;
        const double lado = std::min((w - 10 - barra) / m.width(), (h - 6) / m.height());
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
        plano.grade = TGradeCelulas::em(plano.caixa.adjusted(0, 16, 0, 0), d.linhas, d.colunas, 0.0,
                                        d.hexagonal(), linhaUmEmbaixo);
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

double alturaLegendasEspaco(const TDadosMapa& d) {
    return (d.percurso ? 3 : 1) * kLinhaLegendaEspaco + 4.0;
}

TLayoutVista layoutDaVista(TTipoVista tipo, const TDadosMapa& d, const QRectF& area,
                           bool escalaComum, bool linhaUmEmbaixo) {
    TLayoutVista l;
    l.tipo = tipo;
    l.area = area.adjusted(kMargemVista, kMargemVista, -kMargemVista, -kMargemVista);
    const QRectF direita(l.area.right() - kLarguraLegenda + 12, l.area.top(), kLarguraLegenda - 12,
                         l.area.height());
    switch (tipo) {
        case TTipoVista::Cores:
            l.grade = TGradeCelulas::em(l.area, d.linhas, d.colunas, kMargemNumeros, d.hexagonal(),
                                        linhaUmEmbaixo);
            break;
        case TTipoVista::Planos:
            if (escalaComum) l.legenda = direita;
            dispoePlanos(d, l.area.adjusted(0, 0, escalaComum ? -kLarguraLegenda : 0.0, 0),
                         escalaComum, linhaUmEmbaixo, l);
            break;
        case TTipoVista::Espaco:
            l.legenda = direita;
            dispoeEspaco(d, l.area.adjusted(0, 0, -kLarguraLegenda, -alturaLegendasEspaco(d)), l);
            break;
        default:
            l.legenda = direita;
            l.grade = TGradeCelulas::em(l.area.adjusted(0, 0, -kLarguraLegenda, 0), d.linhas,
                                        d.colunas, kMargemNumeros, d.hexagonal(), linhaUmEmbaixo);
            break;
    }
    return l;
}

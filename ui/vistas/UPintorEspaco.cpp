#include "UPintorEspaco.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "UTextos.h"

void pintaEspaco(QPainter& p, const TLayoutVista& l, const TDadosMapa& d,
                 const TOpcoesVista& opcoes) {
    const auto& pontos = d.padroes->pontos;
    const auto& rotuloDoPonto = d.padroes->rotuloDoPonto;
    const auto& neuronios = l.neuronios;
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        const QPointF q(pontos[i].x, pontos[i].y);
        if (!finito(q)) continue;
        const int r = i < rotuloDoPonto.size() ? rotuloDoPonto[i] : -1;
        QColor cor = r >= 0 ? corDoRotulo(r) : QColor(Qt::gray);
        cor.setAlphaF(0.7f);
        p.setBrush(cor);
        p.drawEllipse(l.tela(q.x(), q.y()), 3, 3);
    }
    // The net: each neuron joined to its neighbours on the map. A torus's seams are left out: they
    // would cross the picture.
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.2));
    auto liga = [&](std::int32_t a, std::int32_t b) {
        const QPointF& pa = neuronios[static_cast<std::size_t>(a)];
        const QPointF& pb = neuronios[static_cast<std::size_t>(b)];
        if (finito(pa) && finito(pb)) p.drawLine(pa, pb);
    };
    // A flat rectangular map's net is its rows and columns (a classic GRID map also counts its
    // diagonal neighbours as adjacent, which the net leaves out).
    if (d.vizinhos.size() == static_cast<std::size_t>(d.neuronios()) &&
        (d.forma != TFormaMapa::retangular || d.toroidal)) {
        // A single row or column on a torus is a ring: its one seam closes it.
        const bool anel = d.linhas == 1 || d.colunas == 1;
        for (std::int32_t a = 0; a < d.neuronios(); ++a)
            for (const std::int32_t b : d.vizinhos[static_cast<std::size_t>(a)]) {
                const bool costura = std::abs(a / d.colunas - b / d.colunas) > 1 ||
                                     std::abs(a % d.colunas - b % d.colunas) > 1;
                if (b > a && (anel || !costura)) liga(a, b);
            }
    } else {
        for (std::int32_t a = 0; a < d.neuronios(); ++a) {
            if (a % d.colunas + 1 < d.colunas) liga(a, a + 1);
            if (a + d.colunas < d.neuronios()) liga(a, a + d.colunas);
        }
    }
    if (d.percurso && d.percurso->cidades.size() >= 2) {
        // The tour the ring gives, city to city and back to the first.
        QPolygonF tour;
        for (const TPontoPlano& c : d.percurso->cidades) tour << l.tela(c.x, c.y);
        p.setPen(QPen(QColor(0xD5, 0x5E, 0x00), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(tour);
    }
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    for (const QPointF& neuronio : neuronios)
        if (finito(neuronio)) p.drawEllipse(neuronio, 2.5, 2.5);
    if (opcoes.selecionado >= 0 && opcoes.selecionado < d.neuronios() &&
        finito(neuronios[static_cast<std::size_t>(opcoes.selecionado)])) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::red, 2));
        p.drawEllipse(neuronios[static_cast<std::size_t>(opcoes.selecionado)], 6, 6);
    }
    if (d.passo && static_cast<std::int32_t>(d.passo->valores.size()) == d.dimensao &&
        d.dimensao > 0) {
        // The pattern just presented, and the line to its winner.
        double x = 0, y = 0;
        d.padroes->projecao.projeta(d.passo->valores.data(), x, y);
        const QPointF alvo = l.tela(x, y);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xD5, 0x5E, 0x00), 3));
        p.drawEllipse(alvo, 8, 8);
        const std::int32_t v = d.passo->vencedor;
        if (v >= 0 && v < d.neuronios() && finito(neuronios[static_cast<std::size_t>(v)])) {
            p.setPen(QPen(QColor(0xD5, 0x5E, 0x00), 1.5, Qt::DashLine));
            p.drawLine(alvo, neuronios[static_cast<std::size_t>(v)]);
        }
    }
    QFont fonte = p.font();
    fonte.setPixelSize(11);
    p.setFont(fonte);
    p.setPen(Qt::darkGray);
    // The captions in their band under the points (alturaLegendasEspaco): the tour's lines, then
    // the axes'.
    const double direita = l.legenda.isEmpty() ? l.area.right() : l.legenda.left() - 4;
    const auto linha = [&](int i) {
        return QRectF(l.area.left(), l.regiao.bottom() + 4.0 + i * kLinhaLegendaEspaco,
                      direita - l.area.left(), kLinhaLegendaEspaco);
    };
    int linhas = 0;
    if (d.percurso) {
        const double anel = d.percurso->comprimento, vizinho = d.percurso->vizinhoMaisProximo;
        QString linha1 =
            QCoreApplication::translate("UPintorEspaco", "Percurso do anel (laranja): %1")
                .arg(numeroCurto(anel));
        if (vizinho > 0 && anel < vizinho)
            linha1 += QCoreApplication::translate("UPintorEspaco", ", %1 % mais curto")
                          .arg(std::lround(100 * (1 - anel / vizinho)));
        QFont negrito = fonte;
        negrito.setBold(true);
        p.setFont(negrito);
        p.setPen(QColor(0xA0, 0x45, 0x00));
        p.drawText(linha(linhas++), Qt::AlignLeft | Qt::AlignVCenter, linha1);
        p.setFont(fonte);
        p.setPen(QColor(0x33, 0x33, 0x33));
        p.drawText(
            linha(linhas++), Qt::AlignLeft | Qt::AlignVCenter,
            QCoreApplication::translate("UPintorEspaco", "Percurso do vizinho mais próximo: %1")
                .arg(numeroCurto(vizinho)));
    }
    p.setPen(Qt::darkGray);
    p.drawText(linha(linhas), Qt::AlignLeft | Qt::AlignVCenter,
               d.dimensao <= 2
                   ? QCoreApplication::translate("UPintorEspaco",
                                                 "Os padrões e a rede nos valores dos atributos")
                   : QCoreApplication::translate(
                         "UPintorEspaco", "Os padrões e a rede nos dois componentes principais"));
    pintaLegenda(p, l.legenda, d);
}

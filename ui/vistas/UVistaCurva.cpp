#include "UVistaCurva.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "UPintura.h"

void pintaCurva(QPainter& p, const QRectF& area, const std::vector<TPontoCurva>& curva) {
    QFont fonte = p.font();
    fonte.setPixelSize(11);
    p.setFont(fonte);
    if (curva.empty()) {
        p.setPen(Qt::darkGray);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                   QCoreApplication::translate(
                       "UVistaCurva", "A curva de erro é registrada durante o treinamento."));
        return;
    }
    const std::int64_t ultimo = curva.back().ciclo;
    auto grafico = [&](const QRectF& caixa, const QString& titulo, auto valorDe,
                       const QColor& cor) {
        double maximo = 0.0;
        for (const auto& ponto : curva)
            if (std::isfinite(valorDe(ponto.erros)))
                maximo = std::max(maximo, valorDe(ponto.erros));
        if (maximo <= 0.0) maximo = 1.0;
        const QRectF plano = caixa.adjusted(58, 20, -10, -24);
        p.setPen(Qt::black);
        p.drawText(QRectF(caixa.left(), caixa.top(), caixa.width(), 16),
                   Qt::AlignLeft | Qt::AlignVCenter, titulo);
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(plano.bottomLeft(), plano.bottomRight());
        p.drawLine(plano.bottomLeft(), plano.topLeft());
        p.setPen(Qt::black);
        p.drawText(QRectF(caixa.left(), plano.top() - 8, 54, 16), Qt::AlignRight | Qt::AlignVCenter,
                   numeroCurto(maximo));
        p.drawText(QRectF(caixa.left(), plano.bottom() - 8, 54, 16),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
        p.drawText(QRectF(plano.left() - 20, plano.bottom() + 4, 40, 16), Qt::AlignCenter,
                   QStringLiteral("0"));
        p.drawText(QRectF(plano.right() - 60, plano.bottom() + 4, 70, 16),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QCoreApplication::translate("UVistaCurva", "ciclo %1").arg(ultimo));
        QPainterPath linha;
        for (std::size_t i = 0; i < curva.size(); ++i) {
            if (!std::isfinite(valorDe(curva[i].erros))) continue;
            const double x =
                plano.left() + plano.width() * static_cast<double>(curva[i].ciclo) /
                                   static_cast<double>(std::max<std::int64_t>(ultimo, 1));
            const double y = plano.bottom() - plano.height() * valorDe(curva[i].erros) / maximo;
            if (linha.elementCount() == 0)
                linha.moveTo(x, y);
            else
                linha.lineTo(x, y);
        }
        p.setPen(QPen(cor, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(linha);
        p.setBrush(cor);
        p.setPen(Qt::NoPen);
        if (curva.size() <= 60)
            for (const auto& ponto : curva)
                if (std::isfinite(valorDe(ponto.erros)))
                    p.drawEllipse(
                        QPointF(plano.left() +
                                    plano.width() * static_cast<double>(ponto.ciclo) /
                                        static_cast<double>(std::max<std::int64_t>(ultimo, 1)),
                                plano.bottom() - plano.height() * valorDe(ponto.erros) / maximo),
                        2.5, 2.5);
    };
    const double metade = area.height() / 2;
    grafico(
        QRectF(area.left(), area.top(), area.width(), metade - 6),
        QCoreApplication::translate(
            "UVistaCurva", "Erro de quantização (distância média de cada padrão ao seu vencedor)"),
        [](const TErros& e) { return e.quantizacao; }, corDoRotulo(4));
    grafico(
        QRectF(area.left(), area.top() + metade + 6, area.width(), metade - 6),
        QCoreApplication::translate(
            "UVistaCurva",
            "Erro topográfico (fração dos padrões cujos dois neurônios mais próximos "
            "não são vizinhos)"),
        [](const TErros& e) { return e.topografico; }, corDoRotulo(5));
}

TVistaCurva::TVistaCurva(QWidget* pai) : QWidget(pai) {
    setMinimumSize(320, 240);
    setAutoFillBackground(true);
    QPalette branco = palette();
    branco.setColor(QPalette::Window, Qt::white);
    setPalette(branco);
}

void TVistaCurva::defineCurva(std::vector<TPontoCurva> curva) {
    curva_ = std::move(curva);
    update();
}

void TVistaCurva::desenha(QPainter& p, const QRect& area) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(area, Qt::white);
    pintaCurva(p, QRectF(area).adjusted(kMargemVista, kMargemVista, -kMargemVista, -kMargemVista),
               curva_);
    p.restore();
}

void TVistaCurva::paintEvent(QPaintEvent*) {
    QPainter p(this);
    desenha(p, rect());
}

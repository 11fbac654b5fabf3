#include "UPintorPlanos.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

void pintaPlanos(QPainter& p, const TLayoutVista& l, const TDadosMapa& d,
                 const TOpcoesVista& opcoes) {
    const auto [minimoComum, maximoComum] = opcoes.faixa ? *opcoes.faixa : faixaFinita(d.pesos);
    QFont fonte = p.font();
    const std::vector<std::int32_t> grupos =
        opcoes.mostraGrupos ? d.grupos(opcoes.grupos) : std::vector<std::int32_t>();
    for (std::int32_t k = 0; k < static_cast<std::int32_t>(l.planos.size()); ++k) {
        const TLayoutVista::TPlano& plano = l.planos[static_cast<std::size_t>(k)];
        const auto [minimo, maximo] = opcoes.escalaComum
                                          ? std::pair(minimoComum, maximoComum)
                                          : faixaFinita(d.pesos, static_cast<std::size_t>(k),
                                                        static_cast<std::size_t>(d.dimensao));
        fonte.setPixelSize(11);
        p.setFont(fonte);
        p.setPen(Qt::black);
        // The range in the title: the colours' own with a scale per plane; with a normalised
        // file, always the weights' range in the original units, which a common scale cannot show.
        QString titulo = nomeDoAtributo(d, k);
        if (d.valoresOriginais()) {
            const auto [de, ate] = faixaFinita(d.pesos, static_cast<std::size_t>(k),
                                               static_cast<std::size_t>(d.dimensao));
            titulo += QCoreApplication::translate("UPintorPlanos", " (%1 a %2)")
                          .arg(numeroCurto(d.original(k, de)), numeroCurto(d.original(k, ate)));
        } else if (!opcoes.escalaComum) {
            titulo += QCoreApplication::translate("UPintorPlanos", " (%1 a %2)")
                          .arg(numeroCurto(minimo), numeroCurto(maximo));
        }
        p.drawText(QRectF(plano.caixa.left(), plano.caixa.top(), plano.caixa.width(), 14),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(titulo, Qt::ElideRight,
                                              static_cast<int>(plano.caixa.width())));
        for (std::int32_t a = 0; a < d.neuronios(); ++a) {
            const double v = d.pesos[static_cast<std::size_t>(a * d.dimensao + k)];
            preencheCelula(
                p, plano.grade, a,
                std::isfinite(v) ? corDaEscala(fracao(v, minimo, maximo)) : QColor(Qt::lightGray));
        }
        marcaNeuroniosVazios(p, d, plano.grade);
        if (!grupos.empty()) pintaFronteiras(p, plano.grade, d, grupos);
        if (!opcoes.escalaComum) {
            // Each plane its own colour bar, at its right, its ends in the title.
            const QRectF barra(plano.grade.mapa.right() + 4, plano.grade.mapa.top(), 8,
                               plano.grade.mapa.height());
            pintaBarraDaEscala(p, barra);
        }
        if (opcoes.selecionado >= 0 && opcoes.selecionado < d.neuronios()) {
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(Qt::NoBrush);
            contornaCelula(p, plano.grade, opcoes.selecionado);
        }
    }
    if (opcoes.escalaComum) {
        pintaEscala(
            p, l.legenda, minimoComum, maximoComum,
            d.valoresOriginais()
                ? QCoreApplication::translate("UPintorPlanos",
                                              "Peso normalizado (mesma escala em todos)")
                : QCoreApplication::translate("UPintorPlanos", "Peso (mesma escala em todos)"));
        pintaNotaVazios(p, l.legenda, d);
    }
    if (d.valoresOriginais()) {
        QFont nota = p.font();
        nota.setPixelSize(11);
        p.setFont(nota);
        p.setPen(Qt::darkGray);
        const QRectF caixa = l.legenda.adjusted(0, std::max(0.0, l.legenda.height() - 30), 0, 0);
        p.drawText(
            caixa, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
            QCoreApplication::translate("UPintorPlanos", "Faixas nos títulos: valores originais"));
    }
}

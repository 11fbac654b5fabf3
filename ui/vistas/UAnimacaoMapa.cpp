#include "UAnimacaoMapa.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "UPintura.h"
#include "UTextos.h"

namespace {

constexpr double kAlturaLegenda = 28.0;

QString legendaDoQuadro(const TDadosMapa& mapa, std::int64_t epoca, std::int64_t epocas) {
    QString texto =
        QCoreApplication::translate("UAnimacaoMapa", "Época %1 de %2").arg(epoca).arg(epocas);
    if (mapa.erros)
        texto +=
            QCoreApplication::translate("UAnimacaoMapa",
                                        " · erro de quantização %1, topográfico %2")
                .arg(numeroCurto(mapa.erros->quantizacao), numeroCurto(mapa.erros->topografico));
    return texto;
}

}  // namespace

TTipoVista vistaDaAnimacao(const TDadosMapa& dados) {
    return dados.dimensao == 2 ? TTipoVista::Espaco : TTipoVista::MatrizU;
}

std::vector<std::size_t> quadrosEscolhidos(std::size_t gravados, std::size_t quero) {
    std::vector<std::size_t> escolhidos;
    if (gravados == 0) return escolhidos;
    if (quero == 0 || quero >= gravados) {
        for (std::size_t i = 0; i < gravados; ++i) escolhidos.push_back(i);
        return escolhidos;
    }
    if (quero == 1) return {gravados - 1};
    for (std::size_t k = 0; k < quero; ++k)
        escolhidos.push_back(static_cast<std::size_t>(
            std::llround(static_cast<double>(k) * static_cast<double>(gravados - 1) /
                         static_cast<double>(quero - 1))));
    return escolhidos;
}

QImage imagemDoQuadro(const TPedidoAnimacao& pedido, const TQuadroAnimado& q) {
    const double escala = escalaDaFigura(pedido.largura, pedido.altura);
    const QSizeF referencia(pedido.largura / escala, pedido.altura / escala);
    QImage imagem(pedido.largura, pedido.altura, QImage::Format_RGB888);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.scale(escala, escala);
    TOpcoesVista opcoes = pedido.opcoes;
    opcoes.selecionado = -1;
    pintaVista(p, QRectF(0, 0, referencia.width(), referencia.height() - kAlturaLegenda), *q.mapa,
               pedido.vista, opcoes, nullptr);
    p.setPen(Qt::black);
    p.drawText(
        QRectF(8, referencia.height() - kAlturaLegenda, referencia.width() - 16, kAlturaLegenda),
        Qt::AlignLeft | Qt::AlignVCenter, legendaDoQuadro(*q.mapa, q.epoca, pedido.epocas));
    p.end();
    return imagem;
}

std::string animacaoDaReprisa(const TPedidoAnimacao& pedido,
                              const std::function<TQuadroAnimado(std::size_t)>& quadro,
                              const TProgressoAnimacao& progresso) {
    const std::vector<std::size_t> escolhidos = quadrosEscolhidos(pedido.gravados, pedido.quadros);
    TAnimacao animacao;
    animacao.largura = pedido.largura;
    animacao.altura = pedido.altura;
    animacao.quadros = escolhidos.size();
    const std::size_t total = pinturasDaAnimacao(pedido.formato, escolhidos.size());
    std::size_t feitas = 0;
    return bytesDaAnimacao(
        pedido.formato, animacao, [&](std::size_t i, std::vector<std::uint8_t>& rgb) {
            const QImage imagem = imagemDoQuadro(pedido, quadro(escolhidos[i]));
            const std::size_t linha = static_cast<std::size_t>(pedido.largura) * 3;
            for (int y = 0; y < pedido.altura; ++y)
                std::memcpy(rgb.data() + static_cast<std::size_t>(y) * linha,
                            imagem.constScanLine(y), linha);
            if (progresso) progresso(++feitas, total);
        });
}

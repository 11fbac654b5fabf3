#include "UPintorCelulas.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "UTextos.h"

QString textoDaCelula(const TDadosMapa& d, std::int32_t a) {
    const auto& lista = d.rotulos[static_cast<std::size_t>(a)];
    if (d.contagens[static_cast<std::size_t>(a)] <= 0 || lista.empty()) return {};
    const TContagemRotulo& maior = lista.front();
    QString contagem = QString::number(maior.vezes);
    if (lista.size() > 1) contagem += QStringLiteral(" +%1").arg(lista.size() - 1);
    const QString nome = maior.rotulo.empty()
                             ? QCoreApplication::translate("UPintorCelulas", "(sem rótulo)")
                             : textoDeBytes(maior.rotulo);
    return nome + u'\n' + contagem;
}

namespace {

// Lays the cells' texts out (split into lines, sized and cut to the cell) unless they already are
// for this map, view, cell and device.
void disponTextos(QPainter& p, const TLayoutVista& l, const TDadosMapa& d,
                  const std::function<QString(std::int32_t)>& textoDe, TTextosCelulas& textos) {
    const TGradeCelulas& g = l.grade;
    const std::tuple<const TDadosMapa*, int, int, int> chave{
        &d, static_cast<int>(l.tipo), static_cast<int>(g.lado), p.device()->logicalDpiY()};
    if (textos.chave == chave) return;
    textos.chave = chave;
    textos.celulas.assign(static_cast<std::size_t>(d.neuronios()), {});
    if (g.lado < 14) return;
    QFont fonte = p.font();
    const int cabe = static_cast<int>(g.lado - 4);
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        TTextosCelulas::TCelula& t = textos.celulas[static_cast<std::size_t>(a)];
        const QStringList linhas =
            inicioVisivel(textoDe(a), 2 * g.lado).split(u'\n', Qt::SkipEmptyParts);
        if (linhas.isEmpty()) continue;
        // The font shrinks, down to 7 pixels, before a line is cut short.
        t.pixels = std::clamp(static_cast<int>(g.lado * (linhas.size() > 1 ? 0.2 : 0.3)), 7, 16);
        auto largura = [&] {
            fonte.setPixelSize(t.pixels);
            const QFontMetrics medidas(fonte, p.device());
            int maior = 0;
            for (const QString& linha : linhas)
                maior = std::max(maior, medidas.horizontalAdvance(inicioVisivel(linha, g.lado)));
            return maior;
        };
        while (t.pixels > 7 && largura() > cabe) --t.pixels;
        fonte.setPixelSize(t.pixels);
        const QFontMetrics medidas(fonte, p.device());
        for (const QString& linha : linhas)
            t.linhas << medidas.elidedText(inicioVisivel(linha, g.lado), Qt::ElideRight, cabe);
    }
}

// The cells in their colours with their texts, the numbers around, the step's marks and the
// selection.
void pintaGrade(QPainter& p, const TLayoutVista& l, const TDadosMapa& d, const TOpcoesVista& opcoes,
                const std::vector<QColor>& cores, const TTextosCelulas& textos,
                const std::function<void()>& sobreAsCelulas) {
    const TGradeCelulas& g = l.grade;
    p.setBrush(Qt::NoBrush);
    QFont fonte = p.font();
    fonte.setPixelSize(std::clamp(static_cast<int>(kMargemNumeros * 0.55), 8, 12));
    p.setFont(fonte);
    p.setPen(Qt::black);
    const double topo = g.mapa.top() - kMargemNumeros, esquerda = g.mapa.left() - kMargemNumeros;
    for (std::int32_t j = 0; j < d.colunas; ++j)
        p.drawText(QRectF(g.mapa.left() + j * g.lado, topo, g.lado, kMargemNumeros),
                   Qt::AlignCenter, QString::number(j + 1));
    for (std::int32_t i = 0; i < d.linhas; ++i) {
        const QRectF faixa = g.faixaDaLinha(i);
        p.drawText(QRectF(esquerda, faixa.top(), kMargemNumeros, faixa.height()), Qt::AlignCenter,
                   QString::number(i + 1));
    }
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        const QRectF celula = g.caixa(a);
        const QColor cor = cores[static_cast<std::size_t>(a)];
        preencheCelula(p, g, a, cor);
        p.setPen(QPen(QColor(0xBB, 0xBB, 0xBB), 1));
        p.setBrush(Qt::NoBrush);
        contornaCelula(p, g, a);
        // One or two lines (a label over its count), each cut to the cell's width.
        const TTextosCelulas::TCelula& t = textos.celulas[static_cast<std::size_t>(a)];
        if (t.linhas.isEmpty()) continue;
        fonte.setPixelSize(t.pixels);
        p.setFont(fonte);
        p.setPen(textoSobre(cor));
        const double altura = p.fontMetrics().height();
        double y = celula.center().y() - altura * static_cast<double>(t.linhas.size()) / 2;
        for (const QString& linha : t.linhas) {
            p.drawText(QRectF(celula.left() + 2, y, celula.width() - 4, altura), Qt::AlignCenter,
                       linha);
            y += altura;
        }
    }
    if (sobreAsCelulas) sobreAsCelulas();
    const auto n = static_cast<std::size_t>(d.neuronios());
    if (d.passo && d.passo->vencedor >= 0 && d.passo->vencedor < d.neuronios()) {
        // The winner of the pattern just presented, and the neighbourhood it pulled with it.
        const auto v = static_cast<std::size_t>(d.passo->vencedor);
        std::vector<std::int32_t> alcance = d.passo->alcance;
        if (d.matriz.size() == n * n)
            for (std::int32_t a = 0; a < d.neuronios(); ++a)
                if (d.matriz[v * n + static_cast<std::size_t>(a)] <= d.passo->raio)
                    alcance.push_back(a);
        for (const std::int32_t a : alcance) {
            if (a < 0 || a >= d.neuronios()) continue;
            // In the colour that reads on the cell, black on light cells and white on dark ones,
            // with an outline of it, so the neighbourhood shows on any colour.
            QColor traco = textoSobre(cores[static_cast<std::size_t>(a)]);
            traco.setAlpha(200);
            preencheCelula(p, g, a, QBrush(traco, Qt::BDiagPattern));
            p.setPen(QPen(traco, 2, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            contornaCelula(p, g, a, 1);
        }
        p.setPen(QPen(QColor(0xD5, 0x5E, 0x00), 4));
        p.setBrush(Qt::NoBrush);
        contornaCelula(p, g, d.passo->vencedor, 2);
    }
    if (opcoes.selecionado >= 0 && opcoes.selecionado < d.neuronios()) {
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        contornaCelula(p, g, opcoes.selecionado, 1.5);
        p.setPen(QPen(Qt::white, 1));
        contornaCelula(p, g, opcoes.selecionado, 3.5);
    }
}

// Each pattern a dot in its winner's cell, in its label's colour (grey without labels): the k-th
// of a unit's n patterns on a sunflower (Vogel's spiral: radius sqrt((k + 1/2) / n), turning by the
// golden angle), so that the dots fill the cell evenly and the same data always fall in the same
// places. The dots shrink as a cell fills, to no less than 1.5 pixels across.
void desenhaAmostras(QPainter& p, const TGradeCelulas& g, const TDadosMapa& d) {
    const std::vector<std::int32_t>& vencedor = d.vencedorDoPadrao;
    const auto n = static_cast<std::size_t>(d.neuronios());
    std::vector<std::int32_t> total(n, 0), visto(n, 0);
    for (const std::int32_t v : vencedor)
        if (v >= 0 && static_cast<std::size_t>(v) < n) ++total[static_cast<std::size_t>(v)];
    const std::vector<std::int32_t>& rotulo = d.padroes->rotuloDoPadrao;
    const bool rotulados = !d.legenda().empty() && rotulo.size() == vencedor.size();
    const double anguloAureo = 3.14159265358979323846 * (3.0 - std::sqrt(5.0));
    p.setPen(Qt::NoPen);
    QRgb atual = 0;
    bool comCor = false;
    for (std::size_t i = 0; i < vencedor.size(); ++i) {
        const std::int32_t v = vencedor[i];
        if (v < 0 || static_cast<std::size_t>(v) >= n) continue;
        const auto u = static_cast<std::size_t>(v);
        const double quantos = total[u];
        const double k = visto[u]++;
        const double raio =
            std::clamp(0.4 * g.lado / std::sqrt(quantos + 1.0), 0.75, std::min(5.0, g.lado * 0.09));
        const double alcance = std::max(0.0, g.lado * 0.46 - raio);
        const double r = alcance * std::sqrt((k + 0.5) / quantos);
        const QPointF centro =
            g.centro(v) + QPointF(r * std::cos(k * anguloAureo), r * std::sin(k * anguloAureo));
        const QRgb cor = rotulados && rotulo[i] >= 0 ? corDoRotulo(rotulo[i]).rgb()
                                                     : QColor(0x55, 0x55, 0x55).rgb();
        if (!comCor || cor != atual) {
            p.setBrush(QColor(cor));
            atual = cor;
            comCor = true;
        }
        p.drawEllipse(centro, raio, raio);
    }
}

// The samples' dots from the view's picture of them, drawn again only for another map, place,
// order of rows or pixel ratio.
void pintaAmostras(QPainter& p, const TGradeCelulas& g, const TDadosMapa& d,
                   TTextosCelulas& cache) {
    const double escala = p.device()->devicePixelRatioF();
    const auto chave = std::make_tuple(&d, g.mapa.left(), g.mapa.top(), g.lado, g.linhaUmEmbaixo,
                                       static_cast<double>(escala));
    if (cache.chaveAmostras != chave || cache.amostras.isNull()) {
        const QSize tamanho(static_cast<int>(std::ceil(g.mapa.width() * escala)) + 2,
                            static_cast<int>(std::ceil(g.mapa.height() * escala)) + 2);
        QImage imagem(tamanho, QImage::Format_ARGB32_Premultiplied);
        imagem.setDevicePixelRatio(escala);
        imagem.fill(Qt::transparent);
        QPainter q(&imagem);
        q.setRenderHint(QPainter::Antialiasing, true);
        q.translate(-g.mapa.topLeft());
        desenhaAmostras(q, g, d);
        q.end();
        cache.amostras = std::move(imagem);
        cache.chaveAmostras = chave;
        ++cache.desenhosAmostras;
    }
    p.drawImage(g.mapa.topLeft(), cache.amostras);
}

// What a view says in place of the map when the data lack what it needs.
void pintaAviso(QPainter& p, const QRectF& area, const QString& texto) {
    p.save();
    p.setPen(Qt::darkGray);
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, texto);
    p.restore();
}

}  // namespace

void pintaCelulas(QPainter& p, const TLayoutVista& l, const TDadosMapa& d,
                  const TOpcoesVista& opcoes, TTextosCelulas& textos) {
    if (l.tipo == TTipoVista::Cores && d.dimensao != 3) return;
    std::vector<QColor> cores;
    std::function<QString(std::int32_t)> textoDe = [](std::int32_t) { return QString(); };
    double minimo = 0.0, maximo = 0.0;
    QString titulo;
    const std::vector<double> acertos(d.contagens.begin(), d.contagens.end());
    // The clusters, when this view or their borders show them.
    std::vector<std::int32_t> grupos;
    if (l.tipo == TTipoVista::Agrupamentos || opcoes.mostraGrupos) grupos = d.grupos(opcoes.grupos);
    std::int32_t quantosGrupos = 0;
    for (const std::int32_t g : grupos) quantosGrupos = std::max(quantosGrupos, g + 1);
    // The per-unit means (error, property) on a colour scale; empty when the data lack them.
    std::vector<double> medias;
    const QString semPadroes = QCoreApplication::translate(
        "UPintorCelulas",
        "Esta vista precisa dos padrões com que o mapa foi medido e de seus vencedores, que não "
        "estão à mão para este mapa.");
    switch (l.tipo) {
        case TTipoVista::Amostras:
            if (d.vencedorDoPadrao.empty()) {
                pintaAviso(p, l.area, semPadroes);
                return;
            }
            cores.assign(static_cast<std::size_t>(d.neuronios()), QColor(Qt::white));
            break;
        case TTipoVista::Agrupamentos:
            for (std::int32_t a = 0; a < d.neuronios(); ++a)
                cores.push_back(corDoGrupo(grupos[static_cast<std::size_t>(a)]));
            break;
        case TTipoVista::ErroUnidade:
        case TTipoVista::Propriedade: {
            const bool erro = l.tipo == TTipoVista::ErroUnidade;
            const std::int32_t k =
                std::clamp(opcoes.propriedade, 0, std::max(d.propriedades() - 1, 0));
            medias = erro ? d.erroDasUnidades() : d.mediaDoAtributo(k);
            if (medias.size() != static_cast<std::size_t>(d.neuronios())) {
                pintaAviso(p, l.area, semPadroes);
                return;
            }
            std::tie(minimo, maximo) = opcoes.faixa ? *opcoes.faixa : faixaFinita(medias);
            titulo =
                erro ? QCoreApplication::translate("UPintorCelulas", "Erro médio de quantização")
                     : nomeDoAtributo(d, k);
            for (const double v : medias)
                cores.push_back(std::isfinite(v) ? corDaEscala(fracao(v, minimo, maximo))
                                                 : QColor(Qt::lightGray));
            break;
        }
        case TTipoVista::Rotulos:
            for (std::int32_t a = 0; a < d.neuronios(); ++a)
                cores.push_back(corDoRotulo(d.rotuloMajoritario(a)));
            // The majority label over its own count and, after "+", how many other labels share
            // the cell: "pomba" over "1 +2" is one pomba with two other animals.
            textoDe = [&d](std::int32_t a) { return textoDaCelula(d, a); };
            break;
        case TTipoVista::Cores: {
            // Weights up to 1 are read as fractions, larger ones as 0 to 255.
            const double escala = faixaFinita(d.pesos).second > 1.0 ? 255.0 : 1.0;
            for (std::int32_t a = 0; a < d.neuronios(); ++a) {
                auto canal = [&](int k) {
                    const double v = d.pesos[static_cast<std::size_t>(a * 3 + k)] / escala;
                    return static_cast<float>(std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0));
                };
                cores.push_back(QColor::fromRgbF(canal(0), canal(1), canal(2)));
            }
            textoDe = [&d](std::int32_t a) {
                const auto& r = d.rotulos[static_cast<std::size_t>(a)];
                return r.empty() ? QString() : textoDeBytes(r.front().rotulo);
            };
            break;
        }
        default: {
            // Hits from 0 (an empty neuron is left white, with no number) or the U-matrix.
            const bool numeros = l.tipo == TTipoVista::Acertos;
            const std::vector<double>& valores = numeros ? acertos : d.u;
            std::tie(minimo, maximo) = opcoes.faixa ? *opcoes.faixa : faixaFinita(valores);
            if (numeros) minimo = 0.0;
            titulo = numeros ? QCoreApplication::translate("UPintorCelulas", "Padrões ganhos")
                             : QCoreApplication::translate("UPintorCelulas",
                                                           "Distância média aos vizinhos");
            for (std::int32_t a = 0; a < d.neuronios(); ++a) {
                const double v = valores[static_cast<std::size_t>(a)];
                cores.push_back(numeros && v == 0.0 ? QColor(Qt::white)
                                : std::isfinite(v)  ? corDaEscala(fracao(v, minimo, maximo))
                                                    : QColor(Qt::lightGray));
            }
            textoDe = [&valores, numeros](std::int32_t a) {
                const double v = valores[static_cast<std::size_t>(a)];
                return numeros && v != 0.0 ? QString::number(static_cast<long long>(v)) : QString();
            };
            break;
        }
    }
    disponTextos(p, l, d, textoDe, textos);
    const bool marcaVazios = l.tipo == TTipoVista::MatrizU || l.tipo == TTipoVista::ErroUnidade ||
                             l.tipo == TTipoVista::Propriedade;
    pintaGrade(p, l, d, opcoes, cores, textos, [&] {
        if (l.tipo == TTipoVista::Amostras) pintaAmostras(p, l.grade, d, textos);
        if (marcaVazios) marcaNeuroniosVazios(p, d, l.grade);
        if (!grupos.empty()) pintaFronteiras(p, l.grade, d, grupos);
    });
    switch (l.tipo) {
        case TTipoVista::Rotulos:
        case TTipoVista::Amostras:
            pintaLegenda(p, l.legenda, d);
            break;
        case TTipoVista::Agrupamentos:
            pintaLegendaGrupos(p, l.legenda, quantosGrupos);
            break;
        case TTipoVista::Cores:
            break;
        default:
            pintaEscala(p, l.legenda, minimo, maximo, titulo);
            break;
    }
    if (marcaVazios) pintaNotaVazios(p, l.legenda, d);
}

#include "UVistaMapa.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>

#include "UNumeros.h"
#include "UTextos.h"

namespace {

// Okabe and Ito's eight colours (black as grey), then Tol's muted scheme: seventeen labels that
// readers with any common colour-vision deficiency can tell apart.
constexpr QRgb kQualitativa[] = {0xE69F00, 0x56B4E9, 0x009E73, 0xF0E442, 0x0072B2, 0xD55E00,
                                 0xCC79A7, 0x999999, 0x332288, 0x88CCEE, 0x44AA99, 0x117733,
                                 0x999933, 0xDDCC77, 0xCC6677, 0x882255, 0xAA4499};
// Viridis at ten even steps: perceptually even, readable in grey and by colour-blind readers.
constexpr QRgb kViridis[] = {0x440154, 0x482878, 0x3E4A89, 0x31688E, 0x26828E,
                             0x1F9E89, 0x35B779, 0x6DCD59, 0xB4DE2C, 0xFDE725};

constexpr double kMargemNumeros = 22.0;  // room for the row and column numbers
constexpr double kLarguraLegenda = 170.0;

QColor textoSobre(const QColor& fundo) {
    const double luz = 0.299 * fundo.redF() + 0.587 * fundo.greenF() + 0.114 * fundo.blueF();
    return luz > 0.55 ? Qt::black : Qt::white;
}

QString numero(double v) {
    return QString::fromStdString(realParaTexto(v));
}

// Where v lies between minimo and maximo, 0 to 1, taken in extended precision so that a range
// wider than the largest double still divides; 0 for a value that is not finite.
double fracao(double v, double minimo, double maximo) {
    if (!std::isfinite(v) || !(maximo > minimo)) return 0.0;
    const long double t = (static_cast<long double>(v) - minimo) /
                          (static_cast<long double>(maximo) - minimo);
    return static_cast<double>(std::clamp(t, 0.0L, 1.0L));
}

// The smallest and largest finite values (0 and 0 when there is none).
std::pair<double, double> faixaFinita(const std::vector<double>& valores, std::size_t inicio = 0,
                                      std::size_t passo = 1) {
    double minimo = std::numeric_limits<double>::infinity(), maximo = -minimo;
    for (std::size_t i = inicio; i < valores.size(); i += passo)
        if (std::isfinite(valores[i])) {
            minimo = std::min(minimo, valores[i]);
            maximo = std::max(maximo, valores[i]);
        }
    if (minimo > maximo) return {0.0, 0.0};
    return {minimo, maximo};
}

// At most as many characters as a width in pixels can show: eliding a label of kilobytes measures
// only its visible start.
QString inicioVisivel(const QString& texto, double largura) {
    const auto cabe = static_cast<qsizetype>(std::max(largura, 1.0)) + 1;
    return texto.size() > cabe ? texto.left(cabe) : texto;
}

// A short number for scales and axes: 4 significant digits, decimal comma.
QString numeroCurto(double v) {
    QString s = QString::number(v, 'g', 4);
    s.replace(u'.', QChar::fromLatin1(separadorDecimal()));
    return s;
}

}  // namespace

QString nomeDoAtributo(const TDadosMapa& dados, std::int32_t k) {
    const auto& nomes = dados.nomes();
    if (static_cast<std::size_t>(k) < nomes.size()) return textoDeBytes(nomes[static_cast<std::size_t>(k)]);
    return QStringLiteral("Atributo %1").arg(k + 1);
}

TVistaMapa::TVistaMapa(QWidget* pai) : QWidget(pai) {
    setMinimumSize(320, 240);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette branco = palette();
    branco.setColor(QPalette::Window, Qt::white);
    setPalette(branco);
}

QColor TVistaMapa::corDoRotulo(int indice) {
    if (indice < 0) return Qt::white;
    return QColor(kQualitativa[static_cast<std::size_t>(indice) % std::size(kQualitativa)]);
}

QColor TVistaMapa::corDaEscala(double t) {
    if (!std::isfinite(t)) t = 0.0;
    t = std::clamp(t, 0.0, 1.0) * (std::size(kViridis) - 1);
    const auto i =
        static_cast<std::size_t>(std::min<double>(std::floor(t), std::size(kViridis) - 2));
    const double f = t - static_cast<double>(i);
    const QColor a(kViridis[i]), b(kViridis[i + 1]);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * f),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * f),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * f));
}

void TVistaMapa::defineDados(std::shared_ptr<const TDadosMapa> dados) {
    dados_ = std::move(dados);
    textos_.chave = {};
    if (!dados_ || selecionado_ >= dados_->neuronios()) selecionado_ = -1;
    update();
}

void TVistaMapa::defineTipo(Tipo tipo) {
    tipo_ = tipo;
    update();
}

void TVistaMapa::defineEscalaComum(bool comum) {
    escalaComum_ = comum;
    update();
}

void TVistaMapa::defineSelecionado(std::int32_t neuronio) {
    selecionado_ = neuronio;
    update();
}

void TVistaMapa::paintEvent(QPaintEvent*) {
    QPainter p(this);
    alvos_.clear();
    registrando_ = true;
    desenha(p, rect());
    registrando_ = false;
}

void TVistaMapa::marcaAlvo(const QRectF& area, std::int32_t neuronio) const {
    if (registrando_) alvos_.emplace_back(area, neuronio);
}

TVistaMapa::TGrade TVistaMapa::gradeEm(const QRectF& area, std::int32_t linhas,
                                       std::int32_t colunas) const {
    const double lado =
        std::max(1.0, std::min((area.width() - kMargemNumeros) / std::max(colunas, 1),
                               (area.height() - kMargemNumeros) / std::max(linhas, 1)));
    return {QRectF(area.left() + kMargemNumeros, area.top() + kMargemNumeros, lado * colunas,
                   lado * linhas),
            lado};
}

void TVistaMapa::desenha(QPainter& p, const QRect& area) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(area, Qt::white);
    if (!dados_ || dados_->vazio()) {
        p.setPen(Qt::darkGray);
        p.drawText(
            area, Qt::AlignCenter | Qt::TextWordWrap,
            QStringLiteral("Nenhum mapa ainda.\nTreine, carregue ou classifique um mapa na janela "
                           "principal para vê-lo aqui."));
        p.restore();
        return;
    }
    const QRectF a = QRectF(area).adjusted(8, 8, -8, -8);
    switch (tipo_) {
        case Tipo::Rotulos:
            desenhaRotulos(p, a);
            break;
        case Tipo::Acertos: {
            std::vector<double> v(dados_->contagens.begin(), dados_->contagens.end());
            desenhaValores(p, a, v, QStringLiteral("Padrões ganhos"), true);
            break;
        }
        case Tipo::MatrizU:
            desenhaValores(p, a, dados_->u, QStringLiteral("Distância média aos vizinhos"), false);
            break;
        case Tipo::Planos:
            desenhaPlanos(p, a);
            break;
        case Tipo::Cores:
            desenhaCores(p, a);
            break;
        case Tipo::Espaco:
            desenhaEspaco(p, a);
            break;
        case Tipo::Curva:
            desenhaCurva(p, a);
            break;
    }
    p.restore();
}

void TVistaMapa::desenhaCelulas(QPainter& p, const QRectF& area, const std::vector<QColor>& cores,
                                const std::function<QString(std::int32_t)>& textoDe) const {
    const TDadosMapa& d = *dados_;
    const TGrade g = gradeEm(area, d.linhas, d.colunas);
    QFont fonte = p.font();
    fonte.setPixelSize(std::clamp(static_cast<int>(kMargemNumeros * 0.55), 8, 12));
    p.setFont(fonte);
    p.setPen(Qt::black);
    for (std::int32_t j = 0; j < d.colunas; ++j)
        p.drawText(QRectF(g.mapa.left() + j * g.lado, area.top(), g.lado, kMargemNumeros),
                   Qt::AlignCenter, QString::number(j + 1));
    for (std::int32_t i = 0; i < d.linhas; ++i)
        p.drawText(QRectF(area.left(), g.mapa.top() + i * g.lado, kMargemNumeros, g.lado),
                   Qt::AlignCenter, QString::number(i + 1));
    // The texts are laid out (split, sized and cut to the cell) once for each map, view, cell size
    // and device; a repaint only draws them.
    const std::tuple<const TDadosMapa*, int, int, int> chave{
        &d, static_cast<int>(tipo_), static_cast<int>(g.lado), p.device()->logicalDpiY()};
    if (textos_.chave != chave) {
        textos_.chave = chave;
        textos_.celulas.assign(static_cast<std::size_t>(d.neuronios()), {});
        if (g.lado >= 14) {
            for (std::int32_t a = 0; a < d.neuronios(); ++a) {
                TTextoCelula& t = textos_.celulas[static_cast<std::size_t>(a)];
                const QStringList linhas = inicioVisivel(textoDe(a), 2 * g.lado).split(u'\n', Qt::SkipEmptyParts);
                if (linhas.isEmpty()) continue;
                t.pixels = std::clamp(static_cast<int>(g.lado * (linhas.size() > 1 ? 0.2 : 0.3)), 6, 16);
                fonte.setPixelSize(t.pixels);
                const QFontMetrics medidas(fonte, p.device());
                for (const QString& linha : linhas)
                    t.linhas << medidas.elidedText(inicioVisivel(linha, g.lado), Qt::ElideRight,
                                                   static_cast<int>(g.lado - 4));
            }
        }
    }
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        const QRectF celula = g.celula(a, d.colunas);
        const QColor cor = cores[static_cast<std::size_t>(a)];
        p.fillRect(celula, cor);
        marcaAlvo(celula, a);
        p.setPen(QPen(QColor(0xBB, 0xBB, 0xBB), 1));
        p.drawRect(celula);
        // One or two lines (a label over its count), each cut to the cell's width.
        const TTextoCelula& t = textos_.celulas[static_cast<std::size_t>(a)];
        if (t.linhas.isEmpty()) continue;
        fonte.setPixelSize(t.pixels);
        p.setFont(fonte);
        p.setPen(textoSobre(cor));
        const double altura = p.fontMetrics().height();
        double y = celula.center().y() - altura * static_cast<double>(t.linhas.size()) / 2;
        for (const QString& linha : t.linhas) {
            p.drawText(QRectF(celula.left() + 2, y, celula.width() - 4, altura), Qt::AlignCenter, linha);
            y += altura;
        }
    }
    if (d.passo && d.passo->vencedor >= 0 && d.passo->vencedor < d.neuronios()) {
        // The winner of the pattern just presented, and the neighbourhood it pulled with it.
        const auto v = static_cast<std::size_t>(d.passo->vencedor);
        for (std::int32_t a = 0; a < d.neuronios(); ++a) {
            if (d.matriz[v * static_cast<std::size_t>(d.neuronios()) +
                         static_cast<std::size_t>(a)] > d.passo->raio)
                continue;
            const QRectF celula = g.celula(a, d.colunas);
            p.fillRect(celula, QBrush(QColor(0, 0, 0, 110), Qt::BDiagPattern));
        }
        const QRectF celula = g.celula(d.passo->vencedor, d.colunas);
        p.setPen(QPen(QColor(0xD5, 0x5E, 0x00), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRect(celula.adjusted(2, 2, -2, -2));
    }
    if (selecionado_ >= 0 && selecionado_ < d.neuronios()) {
        const QRectF celula = g.celula(selecionado_, d.colunas);
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(celula.adjusted(1.5, 1.5, -1.5, -1.5));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(celula.adjusted(3.5, 3.5, -3.5, -3.5));
    }
}

void TVistaMapa::desenhaLegenda(QPainter& p, const QRectF& area) const {
    const TDadosMapa& d = *dados_;
    QFont fonte = p.font();
    fonte.setPixelSize(12);
    p.setFont(fonte);
    double y = area.top();
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), y, area.width(), 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Rótulos"));
    y += 22;
    const auto& legenda = d.legenda();
    for (std::size_t i = 0; i < legenda.size() && y + 16 <= area.bottom(); ++i, y += 18) {
        p.fillRect(QRectF(area.left(), y + 2, 14, 14), corDoRotulo(static_cast<int>(i)));
        p.setPen(Qt::gray);
        p.drawRect(QRectF(area.left(), y + 2, 14, 14));
        p.setPen(Qt::black);
        const QString nome = legenda[i].empty() ? QStringLiteral("(sem rótulo)") : textoDeBytes(legenda[i]);
        p.drawText(QRectF(area.left() + 20, y, area.width() - 20, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(inicioVisivel(nome, area.width()), Qt::ElideRight,
                                              static_cast<int>(area.width() - 20)));
    }
}

void TVistaMapa::desenhaRotulos(QPainter& p, const QRectF& area) const {
    const TDadosMapa& d = *dados_;
    std::vector<QColor> cores;
    for (std::int32_t a = 0; a < d.neuronios(); ++a) cores.push_back(corDoRotulo(d.rotuloMajoritario(a)));
    // The majority label over the count, when the neuron has a named label.
    auto texto = [&d](std::int32_t a) {
        const std::int32_t n = d.contagens[static_cast<std::size_t>(a)];
        const auto& lista = d.rotulos[static_cast<std::size_t>(a)];
        const QString nome = lista.empty() ? QString() : textoDeBytes(lista.front().rotulo);
        return n <= 0 ? QString() : nome.isEmpty() ? QString::number(n) : nome + u'\n' + QString::number(n);
    };
    const QRectF mapa = area.adjusted(0, 0, -kLarguraLegenda, 0);
    desenhaCelulas(p, mapa, cores, texto);
    desenhaLegenda(p, QRectF(area.right() - kLarguraLegenda + 12, area.top(), kLarguraLegenda - 12,
                             area.height()));
}

void TVistaMapa::desenhaEscala(QPainter& p, const QRectF& area, double minimo, double maximo,
                               const QString& titulo) const {
    QFont fonte = p.font();
    fonte.setPixelSize(12);
    p.setFont(fonte);
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left(), area.top(), area.width(), 34), Qt::AlignLeft | Qt::TextWordWrap,
               titulo);
    const QRectF barra(area.left(), area.top() + 40, 18, std::min(220.0, area.height() - 50));
    for (int y = 0; y < static_cast<int>(barra.height()); ++y)
        p.fillRect(QRectF(barra.left(), barra.bottom() - y - 1, barra.width(), 1.5),
                   corDaEscala(y / std::max(1.0, barra.height() - 1)));
    p.setPen(Qt::gray);
    p.setBrush(Qt::NoBrush);
    p.drawRect(barra);
    p.setPen(Qt::black);
    p.drawText(QRectF(barra.right() + 6, barra.top() - 8, area.width() - 24, 16),
               Qt::AlignLeft | Qt::AlignVCenter, numeroCurto(maximo));
    p.drawText(QRectF(barra.right() + 6, barra.bottom() - 8, area.width() - 24, 16),
               Qt::AlignLeft | Qt::AlignVCenter, numeroCurto(minimo));
}

void TVistaMapa::desenhaValores(QPainter& p, const QRectF& area, const std::vector<double>& valores,
                                const QString& titulo, bool numeros) const {
    const TDadosMapa& d = *dados_;
    auto [minimo, maximo] = faixaFinita(valores);
    if (numeros) minimo = 0.0;
    std::vector<QColor> cores;
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        const double v = valores[static_cast<std::size_t>(a)];
        const bool vazio = numeros && v == 0.0;
        cores.push_back(vazio ? QColor(Qt::white)
                              : std::isfinite(v) ? corDaEscala(fracao(v, minimo, maximo))
                                                 : QColor(Qt::lightGray));
    }
    auto texto = [&valores, numeros](std::int32_t a) {
        const double v = valores[static_cast<std::size_t>(a)];
        return numeros && v != 0.0 ? QString::number(static_cast<long long>(v)) : QString();
    };
    desenhaCelulas(p, area.adjusted(0, 0, -kLarguraLegenda, 0), cores, texto);
    desenhaEscala(p,
                  QRectF(area.right() - kLarguraLegenda + 12, area.top(), kLarguraLegenda - 12,
                         area.height()),
                  minimo, maximo, titulo);
}

void TVistaMapa::desenhaPlanos(QPainter& p, const QRectF& area) const {
    const TDadosMapa& d = *dados_;
    const std::int32_t planos = d.dimensao;
    if (planos <= 0) return;
    // Small multiples in the grid of columns that makes them largest.
    const double legenda = escalaComum_ ? kLarguraLegenda : 0.0;
    const QRectF util = area.adjusted(0, 0, -legenda, 0);
    int melhorColunas = 1;
    double melhorLado = 0.0;
    for (int c = 1; c <= planos; ++c) {
        const int l = (planos + c - 1) / c;
        const double w = util.width() / c, h = util.height() / l - 16;
        const double lado = std::min((w - 10) / d.colunas, (h - 6) / d.linhas);
        if (lado > melhorLado) {
            melhorLado = lado;
            melhorColunas = c;
        }
    }
    const int colunas = melhorColunas;
    const int linhas = (planos + colunas - 1) / colunas;
    const double w = util.width() / colunas, h = util.height() / linhas;
    const auto [minimoComum, maximoComum] = faixaFinita(d.pesos);
    QFont fonte = p.font();
    for (std::int32_t k = 0; k < planos; ++k) {
        const QRectF celula(util.left() + (k % colunas) * w, util.top() + (k / colunas) * h, w - 10,
                            h - 6);
        const auto [minimo, maximo] =
            escalaComum_ ? std::pair(minimoComum, maximoComum)
                         : faixaFinita(d.pesos, static_cast<std::size_t>(k), static_cast<std::size_t>(d.dimensao));
        fonte.setPixelSize(11);
        p.setFont(fonte);
        p.setPen(Qt::black);
        QString titulo = nomeDoAtributo(d, k);
        if (!escalaComum_)
            titulo += QStringLiteral(" (%1 a %2)").arg(numeroCurto(minimo), numeroCurto(maximo));
        p.drawText(
            QRectF(celula.left(), celula.top(), celula.width(), 14),
            Qt::AlignLeft | Qt::AlignVCenter,
            p.fontMetrics().elidedText(titulo, Qt::ElideRight, static_cast<int>(celula.width())));
        const double lado =
            std::max(1.0, std::min(celula.width() / d.colunas, (celula.height() - 16) / d.linhas));
        for (std::int32_t a = 0; a < d.neuronios(); ++a) {
            const double v = d.pesos[static_cast<std::size_t>(a * d.dimensao + k)];
            const QRectF c(celula.left() + (a % d.colunas) * lado,
                           celula.top() + 16 + (a / d.colunas) * lado, lado, lado);
            p.fillRect(c, std::isfinite(v) ? corDaEscala(fracao(v, minimo, maximo)) : QColor(Qt::lightGray));
            marcaAlvo(c, a);
        }
        if (selecionado_ >= 0 && selecionado_ < d.neuronios()) {
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(celula.left() + (selecionado_ % d.colunas) * lado,
                              celula.top() + 16 + (selecionado_ / d.colunas) * lado, lado, lado));
        }
    }
    if (escalaComum_)
        desenhaEscala(p,
                      QRectF(area.right() - kLarguraLegenda + 12, area.top(), kLarguraLegenda - 12,
                             area.height()),
                      minimoComum, maximoComum, QStringLiteral("Peso (mesma escala em todos)"));
}

void TVistaMapa::desenhaCores(QPainter& p, const QRectF& area) const {
    const TDadosMapa& d = *dados_;
    if (d.dimensao != 3) return;
    // Weights up to 1 are read as fractions, larger ones as 0 to 255.
    const double maior = faixaFinita(d.pesos).second;
    const double escala = maior > 1.0 ? 255.0 : 1.0;
    std::vector<QColor> cores;
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        auto canal = [&](int k) {
            const double v = d.pesos[static_cast<std::size_t>(a * 3 + k)] / escala;
            return static_cast<float>(std::isnan(v) ? 0.0 : std::clamp(v, 0.0, 1.0));
        };
        cores.push_back(QColor::fromRgbF(canal(0), canal(1), canal(2)));
    }
    auto texto = [&d](std::int32_t a) {
        const auto& r = d.rotulos[static_cast<std::size_t>(a)];
        return r.empty() ? QString() : textoDeBytes(r.front().rotulo);
    };
    desenhaCelulas(p, area, cores, texto);
}

void TVistaMapa::desenhaEspaco(QPainter& p, const QRectF& area) const {
    const TDadosMapa& d = *dados_;
    const QRectF mapa = area.adjusted(0, 0, -kLarguraLegenda, -20);
    std::vector<QPointF> neuronios;
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        double x = 0, y = 0;
        if (d.dimensao > 0)
            d.padroes->projecao.projeta(
                d.pesos.data() + static_cast<std::size_t>(a) * static_cast<std::size_t>(d.dimensao),
                x, y);
        neuronios.emplace_back(x, y);
    }
    // Only finite points are placed (the projection keeps any finite pattern finite; a map whose
    // weights ran away to infinity has none), on one scale for both axes so that distances look
    // as they are; the scale is taken in extended precision, so ranges as wide as the doubles go
    // still divide.
    auto finito = [](const QPointF& q) { return std::isfinite(q.x()) && std::isfinite(q.y()); };
    double x0 = std::numeric_limits<double>::infinity(), x1 = -x0, y0 = x0, y1 = -x0;
    auto inclui = [&](const QPointF& q) {
        if (!finito(q)) return;
        x0 = std::min(x0, q.x());
        x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y());
        y1 = std::max(y1, q.y());
    };
    const auto& pontos = d.padroes->pontos;
    for (const TPontoPlano& q : pontos) inclui(QPointF(q.x, q.y));
    for (const QPointF& q : neuronios) inclui(q);
    if (!(x0 <= x1)) x0 = x1 = y0 = y1 = 0.0;
    const long double largura = static_cast<long double>(x1) - x0;
    const long double altura = static_cast<long double>(y1) - y0;
    const long double escala =
        std::min(largura > 0 ? mapa.width() / largura : 1.0L, altura > 0 ? mapa.height() / altura : 1.0L) * 0.95L;
    const long double meioX = (static_cast<long double>(x0) + x1) / 2;
    const long double meioY = (static_cast<long double>(y0) + y1) / 2;
    const QPointF centro = mapa.center();
    auto tela = [&](const QPointF& q) {
        return QPointF(static_cast<double>(centro.x() + (q.x() - meioX) * escala),
                       static_cast<double>(centro.y() - (q.y() - meioY) * escala));
    };
    p.setPen(Qt::NoPen);
    const auto& rotuloDoPonto = d.padroes->rotuloDoPonto;
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        const QPointF q(pontos[i].x, pontos[i].y);
        if (!finito(q)) continue;
        const int r = i < rotuloDoPonto.size() ? rotuloDoPonto[i] : -1;
        QColor cor = r >= 0 ? corDoRotulo(r) : QColor(Qt::gray);
        cor.setAlphaF(0.7f);
        p.setBrush(cor);
        p.drawEllipse(tela(q), 3, 3);
    }
    // The net: each neuron joined to the next one in its row and in its column.
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.2));
    auto liga = [&](std::int32_t a, std::int32_t b) {
        const QPointF& pa = neuronios[static_cast<std::size_t>(a)];
        const QPointF& pb = neuronios[static_cast<std::size_t>(b)];
        if (finito(pa) && finito(pb)) p.drawLine(tela(pa), tela(pb));
    };
    for (std::int32_t a = 0; a < d.neuronios(); ++a) {
        if (a % d.colunas + 1 < d.colunas) liga(a, a + 1);
        if (a + d.colunas < d.neuronios()) liga(a, a + d.colunas);
    }
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    for (std::size_t a = 0; a < neuronios.size(); ++a) {
        if (!finito(neuronios[a])) continue;
        const QPointF centroNeuronio = tela(neuronios[a]);
        p.drawEllipse(centroNeuronio, 2.5, 2.5);
        marcaAlvo(QRectF(centroNeuronio - QPointF(5, 5), QSizeF(10, 10)),
                  static_cast<std::int32_t>(a));
    }
    if (selecionado_ >= 0 && selecionado_ < d.neuronios() &&
        finito(neuronios[static_cast<std::size_t>(selecionado_)])) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::red, 2));
        p.drawEllipse(tela(neuronios[static_cast<std::size_t>(selecionado_)]), 6, 6);
    }
    if (d.passo && static_cast<std::int32_t>(d.passo->valores.size()) == d.dimensao &&
        d.dimensao > 0) {
        // The pattern just presented, and the line to its winner.
        double x = 0, y = 0;
        d.padroes->projecao.projeta(d.passo->valores.data(), x, y);
        const QPointF alvo = tela(QPointF(x, y));
        const std::size_t v = static_cast<std::size_t>(std::max(d.passo->vencedor, 0));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xD5, 0x5E, 0x00), 3));
        p.drawEllipse(alvo, 8, 8);
        if (d.passo->vencedor >= 0 && d.passo->vencedor < d.neuronios() && finito(neuronios[v])) {
            p.setPen(QPen(QColor(0xD5, 0x5E, 0x00), 1.5, Qt::DashLine));
            p.drawLine(alvo, tela(neuronios[static_cast<std::size_t>(d.passo->vencedor)]));
        }
    }
    QFont fonte = p.font();
    fonte.setPixelSize(11);
    p.setFont(fonte);
    p.setPen(Qt::darkGray);
    const QString eixos =
        d.dimensao <= 2 ? QStringLiteral("Os padrões e a rede nos valores dos atributos")
                        : QStringLiteral("Os padrões e a rede nos dois componentes principais");
    p.drawText(QRectF(area.left(), area.bottom() - 16, area.width(), 16),
               Qt::AlignLeft | Qt::AlignVCenter, eixos);
    desenhaLegenda(p, QRectF(area.right() - kLarguraLegenda + 12, area.top(), kLarguraLegenda - 12,
                             area.height()));
}

void TVistaMapa::desenhaCurva(QPainter& p, const QRectF& area) const {
    const TDadosMapa& d = *dados_;
    QFont fonte = p.font();
    fonte.setPixelSize(11);
    p.setFont(fonte);
    if (d.curva.empty()) {
        p.setPen(Qt::darkGray);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                   QStringLiteral("A curva de erro é registrada durante o treinamento."));
        return;
    }
    const std::int64_t ultimo = d.curva.back().ciclo;
    auto grafico = [&](const QRectF& caixa, const QString& titulo, auto valorDe,
                       const QColor& cor) {
        double maximo = 0.0;
        for (const auto& ponto : d.curva)
            if (std::isfinite(valorDe(ponto.erros))) maximo = std::max(maximo, valorDe(ponto.erros));
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
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ciclo %1").arg(ultimo));
        QPainterPath linha;
        for (std::size_t i = 0; i < d.curva.size(); ++i) {
            if (!std::isfinite(valorDe(d.curva[i].erros))) continue;
            const double x =
                plano.left() + plano.width() * static_cast<double>(d.curva[i].ciclo) /
                                   static_cast<double>(std::max<std::int64_t>(ultimo, 1));
            const double y = plano.bottom() - plano.height() * valorDe(d.curva[i].erros) / maximo;
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
        if (d.curva.size() <= 60)
            for (const auto& ponto : d.curva)
                if (std::isfinite(valorDe(ponto.erros)))
                p.drawEllipse(
                    QPointF(
                        plano.left() + plano.width() * static_cast<double>(ponto.ciclo) /
                                           static_cast<double>(std::max<std::int64_t>(ultimo, 1)),
                        plano.bottom() - plano.height() * valorDe(ponto.erros) / maximo),
                    2.5, 2.5);
    };
    const double metade = area.height() / 2;
    grafico(
        QRectF(area.left(), area.top(), area.width(), metade - 6),
        QStringLiteral("Erro de quantização (distância média de cada padrão ao seu vencedor)"),
        [](const TErros& e) { return e.quantizacao; }, QColor(kQualitativa[4]));
    grafico(
        QRectF(area.left(), area.top() + metade + 6, area.width(), metade - 6),
        QStringLiteral("Erro topográfico (fração dos padrões cujos dois neurônios mais próximos "
                       "não são vizinhos)"),
        [](const TErros& e) { return e.topografico; }, QColor(kQualitativa[5]));
}

std::int32_t TVistaMapa::neuronioEm(const QPoint& ponto) const {
    if (!dados_ || dados_->vazio()) return -1;
    // The last painted on top wins, as the eye sees it.
    for (auto it = alvos_.rbegin(); it != alvos_.rend(); ++it)
        if (it->first.contains(ponto)) return it->second;
    return -1;
}

void TVistaMapa::mousePressEvent(QMouseEvent* e) {
    const std::int32_t a = neuronioEm(e->position().toPoint());
    if (a >= 0) {
        selecionado_ = a;
        update();
        Q_EMIT neuronioEscolhido(a);
    }
    QWidget::mousePressEvent(e);
}

QString TVistaMapa::dicaDoNeuronio(std::int32_t a) const {
    const TDadosMapa& d = *dados_;
    QString dica = QStringLiteral("[%1,%2]").arg(a / d.colunas + 1).arg(a % d.colunas + 1);
    // The twenty most frequent labels, each cut to a line; a count of the others.
    constexpr std::size_t kRotulosNaDica = 20;
    const auto& rotulos = d.rotulos[static_cast<std::size_t>(a)];
    for (std::size_t i = 0; i < rotulos.size() && i < kRotulosNaDica; ++i)
        dica += QStringLiteral("\n%1 × %2")
                    .arg(rotulos[i].rotulo.empty() ? QStringLiteral("(sem rótulo)")
                                                   : inicioVisivel(textoDeBytes(rotulos[i].rotulo), 80))
                    .arg(rotulos[i].vezes);
    if (rotulos.size() > kRotulosNaDica)
        dica += QStringLiteral("\n… e mais %1 rótulos").arg(rotulos.size() - kRotulosNaDica);
    if (tipo_ == Tipo::MatrizU)
        dica += QStringLiteral("\ndistância média aos vizinhos: %1")
                    .arg(numero(d.u[static_cast<std::size_t>(a)]));
    return dica;
}

bool TVistaMapa::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* ajuda = static_cast<QHelpEvent*>(e);
        const std::int32_t a = neuronioEm(ajuda->pos());
        if (a >= 0)
            QToolTip::showText(ajuda->globalPos(), dicaDoNeuronio(a), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

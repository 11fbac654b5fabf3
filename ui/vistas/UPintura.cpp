#include "UPintura.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "UNumeros.h"
#include "UPintorCelulas.h"
#include "UPintorEspaco.h"
#include "UPintorPlanos.h"
#include "UTextos.h"
#include "UTokensVista.h"

namespace {

// Okabe and Ito's eight colours (black as grey), then Tol's muted scheme: seventeen labels that
// readers with any common colour-vision deficiency can tell apart.
constexpr QRgb kQualitativa[] = {0xE69F00, 0x56B4E9, 0x009E73, 0xF0E442, 0x0072B2, 0xD55E00,
                                 0xCC79A7, 0x999999, 0x332288, 0x88CCEE, 0x44AA99, 0x117733,
                                 0x999933, 0xDDCC77, 0xCC6677, 0x882255, 0xAA4499};
// The clusters' colours: Okabe and Ito's seven, Tol's muted scheme without its grey, and four of
// Tol's light scheme, none of them grey (a cluster is never "no cluster").
constexpr QRgb kGrupos[] = {0xE69F00, 0x56B4E9, 0x009E73, 0xF0E442, 0x0072B2, 0xD55E00, 0xCC79A7,
                            0x332288, 0x88CCEE, 0x44AA99, 0x117733, 0x999933, 0xDDCC77, 0xCC6677,
                            0x882255, 0xAA4499, 0x77AADD, 0xEE8866, 0xBBCC33, 0xFFAABB};
// Viridis at ten even steps: perceptually even, readable in grey and by colour-blind readers.
constexpr QRgb kViridis[] = {0x440154, 0x482878, 0x3E4A89, 0x31688E, 0x26828E,
                             0x1F9E89, 0x35B779, 0x6DCD59, 0xB4DE2C, 0xFDE725};

}  // namespace

void pintaVista(QPainter& p, const QRectF& area, const TDadosMapa& d, TTipoVista tipo,
                const TOpcoesVista& opcoes, TTextosCelulas* textos) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(area, Qt::white);
    if (d.vazio()) {
        p.setPen(Qt::darkGray);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, opcoes.semMapa);
        p.restore();
        return;
    }
    TTextosCelulas proprios;
    const TLayoutVista l = layoutDaVista(tipo, d, area, opcoes.escalaComum, opcoes.linhaUmEmbaixo);
    switch (tipo) {
        case TTipoVista::Planos:
            pintaPlanos(p, l, d, opcoes);
            break;
        case TTipoVista::Espaco:
            pintaEspaco(p, l, d, opcoes);
            break;
        default:
            pintaCelulas(p, l, d, opcoes, textos != nullptr ? *textos : proprios);
            break;
    }
    p.restore();
}

QColor corDoRotulo(int indice) {
    if (indice < 0) return Qt::white;
    return QColor(kQualitativa[static_cast<std::size_t>(indice) % std::size(kQualitativa)]);
}

QColor corDoGrupo(int indice) {
    return QColor(kGrupos[static_cast<std::size_t>(std::max(indice, 0)) % std::size(kGrupos)]);
}

QColor corDaEscala(double t) {
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

QColor textoSobre(const QColor& fundo) {
    const double luz = 0.299 * fundo.redF() + 0.587 * fundo.greenF() + 0.114 * fundo.blueF();
    return luz > 0.55 ? Qt::black : Qt::white;
}

QString numeroCompleto(double v) {
    return QString::fromStdString(realParaTexto(v));
}

double fracao(double v, double minimo, double maximo) {
    if (!std::isfinite(v) || !(maximo > minimo)) return 0.0;
    const long double t =
        (static_cast<long double>(v) - minimo) / (static_cast<long double>(maximo) - minimo);
    return static_cast<double>(std::clamp(t, 0.0L, 1.0L));
}

std::pair<double, double> faixaFinita(const std::vector<double>& valores, std::size_t inicio,
                                      std::size_t passo) {
    double minimo = std::numeric_limits<double>::infinity(), maximo = -minimo;
    for (std::size_t i = inicio; i < valores.size(); i += passo)
        if (std::isfinite(valores[i])) {
            minimo = std::min(minimo, valores[i]);
            maximo = std::max(maximo, valores[i]);
        }
    if (minimo > maximo) return {0.0, 0.0};
    return {minimo, maximo};
}

QString inicioVisivel(const QString& texto, double largura) {
    const auto cabe = static_cast<qsizetype>(std::max(largura, 1.0)) + 1;
    return texto.size() > cabe ? texto.left(cabe) : texto;
}

QString nomeDoAtributo(const TDadosMapa& dados, std::int32_t k) {
    const auto& outras = dados.padroes->nomesOutras;
    if (k >= dados.dimensao && static_cast<std::size_t>(k - dados.dimensao) < outras.size())
        return textoDeBytes(outras[static_cast<std::size_t>(k - dados.dimensao)]);
    const auto& nomes = dados.nomes();
    if (static_cast<std::size_t>(k) < nomes.size())
        return textoDeBytes(nomes[static_cast<std::size_t>(k)]);
    return QCoreApplication::translate("UPintura", "Atributo %1").arg(k + 1);
}

std::optional<std::int32_t> propriedadeDaColuna(const TDadosMapa& dados,
                                                const std::string& coluna) {
    std::vector<std::string> nomes;
    for (std::int32_t k = 0; k < dados.propriedades(); ++k)
        nomes.push_back(nomeDoAtributo(dados, k).toStdString());
    return atributoDaColuna(coluna, nomes, dados.propriedades());
}

void pintaLegenda(QPainter& p, const QRectF& caixa, const TDadosMapa& d) {
    if (d.legenda().empty()) return;  // unlabelled data: no title over an empty list
    QFont fonte = p.font();
    fonte.setPixelSize(12);
    p.setFont(fonte);
    p.setPen(Qt::black);
    p.drawText(QRectF(caixa.left(), caixa.top(), caixa.width(), 18),
               Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("UPintura", "Rótulos"));
    // Every label, in rows of 18 pixels, or of 13 in a smaller font, in one or two columns, as the
    // box allows; what still does not fit is counted on the last row.
    const auto& legenda = d.legenda();
    const QRectF lista = caixa.adjusted(0, 22, 0, 0);
    const double alturaNormal = 18, alturaPequena = 13;
    const auto cabem = [&](double altura, int colunas) {
        return static_cast<std::size_t>(std::max(0.0, std::floor(lista.height() / altura))) *
               static_cast<std::size_t>(colunas);
    };
    double altura = alturaNormal;
    int colunas = 1;
    if (legenda.size() > cabem(alturaNormal, 1)) {
        altura = alturaPequena;
        colunas = legenda.size() > cabem(alturaPequena, 1) ? 2 : 1;
    }
    fonte.setPixelSize(altura >= alturaNormal ? 12 : 9);
    p.setFont(fonte);
    const std::size_t lugares = cabem(altura, colunas);
    const std::size_t mostrados = legenda.size() <= lugares ? legenda.size() : lugares - 1;
    const double largura = lista.width() / colunas;
    const double lado = altura - 4;
    const std::size_t porColuna =
        std::max<std::size_t>(1, lugares / static_cast<std::size_t>(colunas));
    for (std::size_t i = 0; i < mostrados; ++i) {
        const double x = lista.left() + static_cast<double>(i / porColuna) * largura;
        const double y = lista.top() + static_cast<double>(i % porColuna) * altura;
        const QRectF amostra(x, y + 2, lado, lado);
        p.fillRect(amostra, corDoRotulo(static_cast<int>(i)));
        p.setPen(Qt::gray);
        p.setBrush(Qt::NoBrush);  // only the outline: the swatch keeps its colour
        p.drawRect(amostra);
        p.setPen(Qt::black);
        const QString nome = legenda[i].empty()
                                 ? QCoreApplication::translate("UPintura", "(sem rótulo)")
                                 : textoDeBytes(legenda[i]);
        const double texto = largura - lado - 8;
        p.drawText(QRectF(x + lado + 5, y, texto, altura), Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(inicioVisivel(nome, texto), Qt::ElideRight,
                                              static_cast<int>(texto)));
    }
    if (mostrados < legenda.size()) {
        const double y = lista.top() + static_cast<double>(mostrados % porColuna) * altura;
        const double x = lista.left() + static_cast<double>(mostrados / porColuna) * largura;
        p.drawText(
            QRectF(x, y, largura, altura), Qt::AlignLeft | Qt::AlignVCenter,
            QCoreApplication::translate("UPintura", "… e mais %1").arg(legenda.size() - mostrados));
    }
}

void pintaFronteiras(QPainter& p, const TGradeCelulas& g, const TDadosMapa& d,
                     const std::vector<std::int32_t>& grupo) {
    const std::int32_t n =
        std::min({d.neuronios(), d.unidades(), static_cast<std::int32_t>(grupo.size())});
    const double perto = g.lado * 0.05;
    const auto mesmoPonto = [perto](const QPointF& a, const QPointF& b) {
        return std::abs(a.x() - b.x()) <= perto && std::abs(a.y() - b.y()) <= perto;
    };
    p.save();
    p.setPen(QPen(Qt::black, std::clamp(g.lado * 0.09, 2.5, 6.0), Qt::SolidLine, Qt::RoundCap));
    for (std::int32_t a = 0; a < n; ++a) {
        const QPolygonF ca = g.celula(a);
        for (const std::int32_t b : d.vizinhos[static_cast<std::size_t>(a)]) {
            if (b <= a || b >= n ||
                grupo[static_cast<std::size_t>(a)] == grupo[static_cast<std::size_t>(b)])
                continue;
            const QPolygonF cb = g.celula(b);
            const auto emB = [&](const QPointF& v) {
                return std::any_of(cb.begin(), cb.end(),
                                   [&](const QPointF& w) { return mesmoPonto(v, w); });
            };
            // The side of a whose two ends are corners of b.
            for (qsizetype i = 0; i < ca.size(); ++i) {
                const QPointF& u = ca[i];
                const QPointF& v = ca[(i + 1) % ca.size()];
                if (!mesmoPonto(u, v) && emB(u) && emB(v)) p.drawLine(u, v);
            }
        }
    }
    p.restore();
}

void pintaLegendaGrupos(QPainter& p, const QRectF& caixa, std::int32_t k) {
    if (caixa.isEmpty() || k <= 0) return;
    QFont fonte = p.font();
    fonte.setPixelSize(12);
    p.setFont(fonte);
    p.setPen(Qt::black);
    p.drawText(QRectF(caixa.left(), caixa.top(), caixa.width(), 18),
               Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("UPintura", "Grupos"));
    const QRectF lista = caixa.adjusted(0, 22, 0, 0);
    const double altura = lista.height() >= 18.0 * k ? 18.0 : 13.0;
    fonte.setPixelSize(altura >= 18.0 ? 12 : 9);
    p.setFont(fonte);
    const double lado = altura - 4;
    for (std::int32_t i = 0; i < k; ++i) {
        const double y = lista.top() + i * altura;
        if (y + altura > lista.bottom()) break;
        const QRectF amostra(lista.left(), y + 2, lado, lado);
        p.fillRect(amostra, corDoGrupo(i));
        p.setPen(Qt::gray);
        p.setBrush(Qt::NoBrush);
        p.drawRect(amostra);
        p.setPen(Qt::black);
        p.drawText(QRectF(lista.left() + lado + 5, y, lista.width() - lado - 5, altura),
                   Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("UPintura", "Grupo %1").arg(i + 1));
    }
}

void pintaBarraDaEscala(QPainter& p, const QRectF& barra) {
    for (int y = 0; y < static_cast<int>(barra.height()); ++y)
        p.fillRect(QRectF(barra.left(), barra.bottom() - y - 1, barra.width(), 1.5),
                   corDaEscala(y / std::max(1.0, barra.height() - 1)));
    p.setPen(Qt::gray);
    p.setBrush(Qt::NoBrush);
    p.drawRect(barra);
}

void pintaEscala(QPainter& p, const QRectF& caixa, double minimo, double maximo,
                 const QString& titulo) {
    QFont fonte = p.font();
    fonte.setPixelSize(12);
    p.setFont(fonte);
    p.setPen(Qt::black);
    p.drawText(QRectF(caixa.left(), caixa.top(), caixa.width(), 34),
               Qt::AlignLeft | Qt::TextWordWrap, titulo);
    const QRectF barra(caixa.left(), caixa.top() + 40, 18, std::min(220.0, caixa.height() - 50));
    pintaBarraDaEscala(p, barra);
    p.setPen(Qt::black);
    p.drawText(QRectF(barra.right() + 6, barra.top() - 8, caixa.width() - 24, 16),
               Qt::AlignLeft | Qt::AlignVCenter, numeroCurto(maximo));
    p.drawText(QRectF(barra.right() + 6, barra.bottom() - 8, caixa.width() - 24, 16),
               Qt::AlignLeft | Qt::AlignVCenter, numeroCurto(minimo));
}

QString textoDaLegendaExportacao(const TDadosMapa& d) {
    QStringList partes;
    if (d.origem && !d.origem->arquivo.empty()) {
        const std::string& a = d.origem->arquivo;
        const std::size_t barra = a.find_last_of('/');
        partes << textoDeBytes(barra == std::string::npos ? a : a.substr(barra + 1));
    }
    QString mapa =
        QCoreApplication::translate("UPintura", "mapa %1 × %2").arg(d.linhas).arg(d.colunas);
    if (d.origem) {
        mapa += QCoreApplication::translate("UPintura", ", %1, raio %2")
                    .arg(textoDeBytes(d.origem->vizinhanca))
                    .arg(d.origem->raio);
        if (d.origem->ciclos > 0)
            mapa += QStringLiteral(", ") +
                    contagem(d.origem->ciclos, QCoreApplication::translate("UPintura", "ciclo"),
                             QCoreApplication::translate("UPintura", "ciclos"));
    }
    partes << mapa;
    if (d.semente) partes << QCoreApplication::translate("UPintura", "semente %1").arg(*d.semente);
    if (d.erros)
        partes << QCoreApplication::translate("UPintura", "erro de quantização %1, topográfico %2")
                      .arg(numeroCurto(d.erros->quantizacao), numeroCurto(d.erros->topografico));
    return partes.join(QStringLiteral(" · "));
}

void pintaLegendaExportacao(QPainter& p, const QRectF& caixa, const TDadosMapa& d) {
    p.save();
    p.fillRect(caixa, Qt::white);
    QFont fonte = p.font();
    fonte.setPixelSize(12);
    p.setFont(fonte);
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.drawText(caixa.adjusted(kMargemVista, 0, -kMargemVista, 0),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, textoDaLegendaExportacao(d));
    p.restore();
}

void marcaNeuroniosVazios(QPainter& p, const TDadosMapa& d, const TGradeCelulas& g) {
    if (std::none_of(d.contagens.begin(), d.contagens.end(), [](std::int32_t c) { return c > 0; }))
        return;
    p.save();
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    const double raio = std::clamp(g.lado * 0.12, 1.5, 5.0);
    for (std::int32_t a = 0; a < d.neuronios(); ++a)
        if (d.contagens[static_cast<std::size_t>(a)] == 0)
            p.drawEllipse(g.caixa(a).center(), raio, raio);
    p.restore();
}

void pintaNotaVazios(QPainter& p, const QRectF& caixa, const TDadosMapa& d) {
    const bool algumGanhou =
        std::any_of(d.contagens.begin(), d.contagens.end(), [](std::int32_t c) { return c > 0; });
    const bool algumVazio =
        std::any_of(d.contagens.begin(), d.contagens.end(), [](std::int32_t c) { return c == 0; });
    if (!algumGanhou || !algumVazio || caixa.isEmpty()) return;
    p.save();
    const double y = caixa.top() + 40 + std::min(220.0, caixa.height() - 50) + 22;
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawEllipse(QPointF(caixa.left() + 9, y + 8), 4, 4);
    QFont fonte = p.font();
    fonte.setPixelSize(11);
    p.setFont(fonte);
    p.setPen(Qt::black);
    p.drawText(QRectF(caixa.left() + 20, y, caixa.width() - 20, 34),
               Qt::AlignLeft | Qt::TextWordWrap,
               QCoreApplication::translate("UPintura", "neurônio que não ganhou nenhum padrão"));
    p.restore();
}

void preencheCelula(QPainter& p, const TGradeCelulas& grade, std::int32_t a, const QBrush& cor) {
    if (!grade.hexagonal) {
        p.fillRect(grade.caixa(a), cor);
        return;
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPolygon(grade.celula(a));
    p.restore();
}

void contornaCelula(QPainter& p, const TGradeCelulas& grade, std::int32_t a, double recuo) {
    if (!grade.hexagonal) {
        p.drawRect(grade.caixa(a).adjusted(recuo, recuo, -recuo, -recuo));
        return;
    }
    p.drawPolygon(grade.celula(a, recuo));
}

namespace {

// Rows of cells as lines, each column as wide as its widest cell and two spaces more, so that the
// columns line up in a fixed-pitch font; a row of one cell (a title) is written as it is and
// takes no part in the widths.
QString emColunas(const std::vector<QStringList>& linhas) {
    std::vector<qsizetype> largura;
    for (const QStringList& l : linhas) {
        if (l.size() < 2) continue;
        largura.resize(std::max(largura.size(), static_cast<std::size_t>(l.size())), 0);
        for (qsizetype c = 0; c < l.size(); ++c)
            largura[static_cast<std::size_t>(c)] =
                std::max(largura[static_cast<std::size_t>(c)], l[c].size());
    }
    QString texto;
    for (const QStringList& l : linhas) {
        QString linha;
        for (qsizetype c = 0; c < l.size(); ++c)
            linha += c + 1 < l.size() ? l[c].leftJustified(largura[static_cast<std::size_t>(c)] + 2)
                                      : l[c];
        texto += linha + u'\n';
    }
    return texto;
}

// The headings of the two columns a normalised file's values are shown in.
QStringList titulosDasUnidades() {
    return {QString(), QCoreApplication::translate("UPintura", "no arquivo"),
            QCoreApplication::translate("UPintura", "unidades originais")};
}

// Attribute k's rows: its value in the file's units and, for a normalised file, in the original
// units too, under titulosDasUnidades, with the name on a line of its own so that the columns
// stay narrow; otherwise one line, "nome: valor".
void anexaValores(std::vector<QStringList>& linhas, const TDadosMapa& d, std::int32_t k,
                  const QString& noArquivo, const QString& original) {
    const QString nome = nomeDoAtributo(d, k) + u':';
    if (!d.valoresOriginais()) {
        linhas.push_back({nome + u' ' + noArquivo});
        return;
    }
    linhas.push_back({nome});
    linhas.push_back({QString(), noArquivo, original});
}

}  // namespace

QString textoDoNeuronio(const TDadosMapa& d, std::int32_t a) {
    QString texto = QCoreApplication::translate("UPintura", "Neurônio [%1,%2]\n\n")
                        .arg(a / d.colunas + 1)
                        .arg(a % d.colunas + 1);
    const double* pesos =
        d.pesos.data() + static_cast<std::size_t>(a) * static_cast<std::size_t>(d.dimensao);
    // A normalised file's weights as trained and, beside them, in the original units.
    std::vector<QStringList> linhas{{QCoreApplication::translate("UPintura", "Pesos:")}};
    if (d.valoresOriginais()) linhas.push_back(titulosDasUnidades());
    for (std::int32_t k = 0; k < d.dimensao; ++k) {
        anexaValores(linhas, d, k, numeroCurto(pesos[k]), numeroCurto(d.original(k, pesos[k])));
    }
    texto += emColunas(linhas);
    texto += QCoreApplication::translate("UPintura", "\nPadrões ganhos: %1\n")
                 .arg(d.contagens[static_cast<std::size_t>(a)]);
    for (const TContagemRotulo& r : d.rotulos[static_cast<std::size_t>(a)])
        texto += QStringLiteral("%1 × %2\n")
                     .arg(r.rotulo.empty() ? QCoreApplication::translate("UPintura", "(sem rótulo)")
                                           : textoDeBytes(r.rotulo))
                     .arg(r.vezes);
    if (d.listaPadroesGanhos && !d.vencedorDoPadrao.empty()) {
        // The patterns it won, by their line in the file (the first 200).
        QStringList padroes;
        std::size_t total = 0;
        for (std::size_t i = 0; i < d.vencedorDoPadrao.size(); ++i) {
            if (d.vencedorDoPadrao[i] != a) continue;
            if (++total <= 200) padroes << QString::number(i + 1);
        }
        if (total > 0) {
            texto += QCoreApplication::translate("UPintura", "\nPadrões (número no arquivo): %1")
                         .arg(padroes.join(QStringLiteral(", ")));
            if (total > 200)
                texto += QCoreApplication::translate("UPintura", " … e mais %1").arg(total - 200);
            texto += u'\n';
        }
    }
    return texto;
}

QString textoDoPasso(const TDadosMapa& d, const QString& ciclo) {
    const TDadosMapa::TPassoAtual& s = *d.passo;
    if (s.vencedor < 0)
        return QCoreApplication::translate("UPintura", "Nenhum padrão apresentado ainda.");
    QString texto =
        QCoreApplication::translate("UPintura", "%1 %2 de %3, padrão %4 de %5 (%6)\n\n")
            .arg(ciclo)
            .arg(s.ciclo + 1)
            .arg(s.ciclos)
            .arg(s.padrao + 1)
            .arg(s.padroes)
            .arg(s.rotulo.empty() ? QCoreApplication::translate("UPintura", "sem rótulo")
                                  : textoDeBytes(s.rotulo));
    // The pattern and the weights in the same units, so that the rule can be checked by hand:
    // the file's (where training happens) and, for a normalised file, the original ones beside
    // them. One table for both, so their columns line up.
    const bool originais = d.valoresOriginais();
    std::vector<QStringList> linhas{
        {QCoreApplication::translate("UPintura", "Valores do padrão:")}};
    if (originais) linhas.push_back(titulosDasUnidades());
    for (std::size_t k = 0; k < s.valores.size(); ++k) {
        const auto j = static_cast<std::int32_t>(k);
        anexaValores(linhas, d, j, numeroCurto(s.valores[k]),
                     numeroCurto(d.original(j, s.valores[k])));
    }
    linhas.push_back({QString()});
    linhas.push_back(
        {QCoreApplication::translate("UPintura", "Vencedor [%1,%2], puxado com taxa %3 e raio %4")
             .arg(s.vencedor / d.colunas + 1)
             .arg(s.vencedor % d.colunas + 1)
             .arg(numeroCurto(s.taxa), numeroCurto(s.raio))});
    linhas.push_back({QCoreApplication::translate("UPintura", "Pesos antes → depois:")});
    if (originais) linhas.push_back(titulosDasUnidades());
    const auto seta = [](double antes, double depois) {
        return QStringLiteral("%1 → %2").arg(numeroCurto(antes), numeroCurto(depois));
    };
    for (std::size_t k = 0; k < s.antes.size() && k < s.depois.size(); ++k) {
        const auto j = static_cast<std::int32_t>(k);
        anexaValores(linhas, d, j, seta(s.antes[k], s.depois[k]),
                     seta(d.original(j, s.antes[k]), d.original(j, s.depois[k])));
    }
    return texto + emColunas(linhas);
}

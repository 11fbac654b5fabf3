#include "UVistaMapa.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "UTextos.h"

TVistaMapa::TVistaMapa(QWidget* pai) : QWidget(pai) {
    setMinimumSize(320, 240);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette branco = palette();
    branco.setColor(QPalette::Window, Qt::white);
    setPalette(branco);
}

void TVistaMapa::defineDados(std::shared_ptr<const TDadosMapa> dados) {
    dados_ = dados ? std::move(dados) : std::make_shared<TDadosMapa>();
    textos_ = {};
    if (opcoes_.selecionado >= dados_->neuronios()) opcoes_.selecionado = -1;
    update();
}

void TVistaMapa::defineTipo(Tipo tipo) {
    tipo_ = tipo;
    update();
}

void TVistaMapa::defineEscalaComum(bool comum) {
    opcoes_.escalaComum = comum;
    update();
}

void TVistaMapa::defineLinhaUmEmbaixo(bool embaixo) {
    opcoes_.linhaUmEmbaixo = embaixo;
    update();
}

void TVistaMapa::defineGrupos(std::int32_t k) {
    opcoes_.grupos = k;
    update();
}

void TVistaMapa::defineMostraGrupos(bool mostra) {
    opcoes_.mostraGrupos = mostra;
    update();
}

void TVistaMapa::definePropriedade(std::int32_t k) {
    opcoes_.propriedade = k;
    update();
}

void TVistaMapa::defineSelecionado(std::int32_t neuronio) {
    opcoes_.selecionado = neuronio;
    update();
}

void TVistaMapa::desenha(QPainter& p, const QRect& area) const {
    pintaVista(p, QRectF(area), *dados_, tipo_, opcoes_, &textos_);
}

void TVistaMapa::paintEvent(QPaintEvent*) {
    QPainter p(this);
    desenha(p, rect());
}

std::int32_t TVistaMapa::neuronioEm(const QPoint& ponto) const {
    if (dados_->vazio()) return -1;
    return layoutDaVista(tipo_, *dados_, QRectF(rect()), opcoes_.escalaComum,
                         opcoes_.linhaUmEmbaixo)
        .neuronioEm(QPointF(ponto));
}

void TVistaMapa::mousePressEvent(QMouseEvent* e) {
    const std::int32_t a = neuronioEm(e->position().toPoint());
    if (a >= 0) {
        defineSelecionado(a);
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
        dica +=
            QStringLiteral("\n%1 × %2")
                .arg(rotulos[i].rotulo.empty() ? tr("(sem rótulo)")
                                               : inicioVisivel(textoDeBytes(rotulos[i].rotulo), 80))
                .arg(rotulos[i].vezes);
    if (rotulos.size() > kRotulosNaDica)
        dica += tr("\n… e mais %1 rótulos").arg(rotulos.size() - kRotulosNaDica);
    if (tipo_ == Tipo::MatrizU)
        dica += tr("\ndistância média aos vizinhos: %1")
                    .arg(numeroCompleto(d.u[static_cast<std::size_t>(a)]));
    const auto media = [&](const std::vector<double>& valores) {
        return static_cast<std::size_t>(a) < valores.size()
                   ? numeroCompleto(valores[static_cast<std::size_t>(a)])
                   : QStringLiteral("–");
    };
    if (tipo_ == Tipo::ErroUnidade)
        dica += tr("\nerro médio de quantização: %1").arg(media(d.erroDasUnidades()));
    if (tipo_ == Tipo::Propriedade && opcoes_.propriedade < d.propriedades())
        dica += QStringLiteral("\n%1: %2")
                    .arg(nomeDoAtributo(d, opcoes_.propriedade),
                         media(d.mediaDoAtributo(opcoes_.propriedade)));
    if (tipo_ == Tipo::Agrupamentos || opcoes_.mostraGrupos) {
        const std::vector<std::int32_t> grupos = d.grupos(opcoes_.grupos);
        if (static_cast<std::size_t>(a) < grupos.size())
            dica += tr("\ngrupo %1").arg(grupos[static_cast<std::size_t>(a)] + 1);
    }
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

void TVistaMapa::defineTextoSemMapa(const QString& texto) {
    opcoes_.semMapa = texto;
    update();
}

void TVistaMapa::defineFaixa(std::optional<std::pair<double, double>> faixa) {
    opcoes_.faixa = faixa;
    update();
}

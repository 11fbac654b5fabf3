#pragma once
// The map drawn for the explorer: one widget, one view at a time (labels, hits, U-matrix,
// component planes, colours, the net in the input space), scaled to the widget. It holds the data,
// the view and the person's choices; the layout (ULayoutMapa) says where each neuron is, the
// painters (UPintura) draw, for the screen and the exports alike. Clicking a neuron selects it;
// the selected neuron is outlined in every view.

#include <QWidget>
#include <memory>

#include "UDadosMapa.h"
#include "ULayoutMapa.h"
#include "UPintura.h"

class TVistaMapa : public QWidget {
    Q_OBJECT

  public:
    using Tipo = TTipoVista;

    explicit TVistaMapa(QWidget* pai = nullptr);

    void defineDados(std::shared_ptr<const TDadosMapa> dados);
    void defineTipo(Tipo tipo);
    Tipo tipo() const { return tipo_; }
    void defineEscalaComum(bool comum);
    void defineLinhaUmEmbaixo(bool embaixo);
    bool linhaUmEmbaixo() const { return opcoes_.linhaUmEmbaixo; }
    void defineSelecionado(std::int32_t neuronio);
    void defineTextoSemMapa(const QString& texto);
    void defineFaixa(std::optional<std::pair<double, double>> faixa);
    std::int32_t selecionado() const { return opcoes_.selecionado; }
    // The clusters: how many (0 for the map's suggestion), and their borders over the other views.
    void defineGrupos(std::int32_t k);
    void defineMostraGrupos(bool mostra);
    // The attribute the property view averages.
    void definePropriedade(std::int32_t k);
    const TOpcoesVista& opcoes() const { return opcoes_; }
    // How many times the samples' dots were drawn for this widget (a repaint reuses them).
    int desenhosAmostras() const { return textos_.desenhosAmostras; }

    // Paints the current view into `area` of any device (screen, image, SVG).
    void desenha(QPainter& p, const QRect& area) const;
    // The neuron under a point of the widget, or -1; known before any painting.
    std::int32_t neuronioEm(const QPoint& ponto) const;

    static QColor corDoRotulo(int indice) { return ::corDoRotulo(indice); }
    static QColor corDaEscala(double t) { return ::corDaEscala(t); }

  Q_SIGNALS:
    void neuronioEscolhido(std::int32_t neuronio);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

  private:
    QString dicaDoNeuronio(std::int32_t a) const;

    std::shared_ptr<const TDadosMapa> dados_ = std::make_shared<TDadosMapa>();
    Tipo tipo_ = Tipo::Rotulos;
    TOpcoesVista opcoes_;
    mutable TTextosCelulas textos_;
};

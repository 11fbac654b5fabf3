#pragma once
// The map drawn for the explorer: one widget, one kind of view at a time, all drawn with QPainter
// from the same data, scaled to the widget (cells stay square), with the map's row and column
// numbers as in the grid and a legend. The same painting serves the screen and the PNG and SVG
// exports. Clicking a neuron selects it; the selected neuron is outlined in every view.

#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <string>
#include <vector>

#include "UDadosMapa.h"

// The name of attribute k as the file has it, or "Atributo k+1".
QString nomeDoAtributo(const TDadosMapa& dados, std::int32_t k);

class TVistaMapa : public QWidget {
    Q_OBJECT

  public:
    enum class Tipo { Rotulos, Acertos, MatrizU, Planos, Cores, Espaco, Curva };

    explicit TVistaMapa(QWidget* pai = nullptr);

    void defineDados(std::shared_ptr<const TDadosMapa> dados);
    void defineTipo(Tipo tipo);
    Tipo tipo() const { return tipo_; }
    void defineEscalaComum(bool comum);
    void defineSelecionado(std::int32_t neuronio);
    std::int32_t selecionado() const { return selecionado_; }

    // Paints the current view into `area` of any device (screen, image, SVG).
    void desenha(QPainter& p, const QRect& area) const;
    // The neuron under a point of the widget, or -1.
    std::int32_t neuronioEm(const QPoint& ponto) const;

    // The colours of the legend's labels (colour-blind safe, then repeating) and of the
    // sequential scale (viridis) at t in [0, 1].
    static QColor corDoRotulo(int indice);
    static QColor corDaEscala(double t);

  Q_SIGNALS:
    void neuronioEscolhido(std::int32_t neuronio);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

  private:
    struct TGrade {
        QRectF mapa;  // the cells' area
        double lado;  // a cell's side
        // The cell of neuron a on a map of `colunas` columns.
        QRectF celula(std::int32_t a, std::int32_t colunas) const {
            return {mapa.left() + (a % colunas) * lado, mapa.top() + (a / colunas) * lado, lado, lado};
        }
    };
    TGrade gradeEm(const QRectF& area, std::int32_t linhas, std::int32_t colunas) const;
    // The cells in their colours, with the map's row and column numbers, and each neuron's text
    // (textoDe(a); lines split at "\n"), laid out once per map, view and size.
    void desenhaCelulas(QPainter& p, const QRectF& area, const std::vector<QColor>& cores,
                        const std::function<QString(std::int32_t)>& textoDe) const;
    void desenhaEscala(QPainter& p, const QRectF& area, double minimo, double maximo,
                       const QString& titulo) const;
    void desenhaLegenda(QPainter& p, const QRectF& area) const;
    void desenhaRotulos(QPainter& p, const QRectF& area) const;
    void desenhaValores(QPainter& p, const QRectF& area, const std::vector<double>& valores,
                        const QString& titulo, bool numeros) const;
    void desenhaPlanos(QPainter& p, const QRectF& area) const;
    void desenhaCores(QPainter& p, const QRectF& area) const;
    void desenhaEspaco(QPainter& p, const QRectF& area) const;
    void desenhaCurva(QPainter& p, const QRectF& area) const;
    QString dicaDoNeuronio(std::int32_t a) const;
    // Where each neuron was last painted on the widget, for clicks and tooltips.
    void marcaAlvo(const QRectF& area, std::int32_t neuronio) const;

    std::shared_ptr<const TDadosMapa> dados_;
    Tipo tipo_ = Tipo::Rotulos;
    bool escalaComum_ = true;
    std::int32_t selecionado_ = -1;
    mutable bool registrando_ = false;
    mutable std::vector<std::pair<QRectF, std::int32_t>> alvos_;
    // The cells' texts as last laid out, and for what (map, view, cell side, device resolution).
    struct TTextoCelula {
        int pixels = 0;
        QStringList linhas;
    };
    mutable struct {
        std::tuple<const TDadosMapa*, int, int, int> chave{nullptr, -1, 0, 0};
        std::vector<TTextoCelula> celulas;
    } textos_;
};

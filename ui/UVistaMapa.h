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

#include "UAnalise.h"
#include "UCurvaErros.h"

// What the explorer knows of the current map. Built by the main window from the network (and,
// while training runs, from an instant of it); the views only read it.
struct TDadosMapa {
    std::int32_t linhas = 0, colunas = 0, dimensao = 0;
    std::vector<double> pesos;                          // neuron after neuron, row-major
    std::vector<std::int32_t> contagens;                // patterns won in the last pass
    std::vector<std::vector<TContagemRotulo>> rotulos;  // per neuron, the most frequent first
    std::vector<std::int32_t> matriz;                   // map distances, n x n
    std::vector<double> u;                              // the U-matrix
    std::vector<std::string> nomes;  // attribute names as the file has them, or none
    QStringList legenda;             // every label, in the order met
    std::vector<int> majoritario;    // per neuron, the legend index of its majority label or -1
                                     // (when empty, looked up in the legend)
    // The input space: the patterns' points on the two principal axes and their labels (an index
    // into the legenda, -1 without one); the projection places the neurons.
    TProjecao projecao;
    std::vector<QPointF> pontos;
    std::vector<int> rotuloDoPonto;
    // The error curve (cycle, quantization, topographic) and the errors of the current map.
    using TPonto = TPontoCurva;
    std::vector<TPonto> curva;
    bool temErros = false;
    TErros erros;
    // The seed the map's initial weights were drawn from, when known.
    std::optional<std::uint32_t> semente;
    // In a training stepped pattern by pattern: the pattern just presented, its winner, the radius
    // around it and the winner's weights before and after.
    struct TPassoAtual {
        std::int64_t ciclo = 0, ciclos = 0, padrao = 0, padroes = 0;
        std::int32_t vencedor = -1, raio = 0;
        double taxa = 0.0;
        std::vector<double> valores, antes, depois;
        std::string rotulo;
    };
    std::optional<TPassoAtual> passo;

    std::int32_t neuronios() const { return linhas * colunas; }
    bool vazio() const { return neuronios() == 0; }
    // The legend index of a neuron's majority label, -1 for an empty neuron.
    int rotuloMajoritario(std::int32_t a) const;
    QString nomeDoAtributo(std::int32_t k) const;
};

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

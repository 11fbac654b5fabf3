#pragma once
// Painting the views of a map: one entry (pintaVista) that draws any view of the explorer with
// QPainter on any device (the screen, a PNG, an SVG), from the data and the view's layout alone,
// and what the painters of each family share (colours, number texts, the legend, the colour
// scale). The families: cell views (UPintorCelulas), component planes (UPintorPlanos), the input
// space (UPintorEspaco); the error curve has its own widget (UVistaCurva).

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "UDadosMapa.h"
#include "ULayoutMapa.h"
#include "UTextos.h"

class QPainter;

// What the person chose in the view beside the data: the selected neuron, one colour scale for
// every plane, row 1 at the bottom (as R's kohonen draws a map) rather than at the top.
struct TOpcoesVista {
    std::int32_t selecionado = -1;
    bool escalaComum = true;
    bool linhaUmEmbaixo = false;
    // One colour scale forced on the hits, the U-matrix and the planes (a comparison of two maps).
    std::optional<std::pair<double, double>> faixa;
    // The clusters: how many (0 for the number the map suggests, kGruposSugerido), and whether
    // their borders are drawn over the other cell views and the planes.
    std::int32_t grupos = 0;
    bool mostraGrupos = false;
    // The attribute the property view averages per unit.
    std::int32_t propriedade = 0;
    // What the view says while there is no map.
    QString semMapa = QCoreApplication::translate(
        "UPintura",
        "Nenhum mapa ainda.\nTreine, carregue ou classifique um mapa na janela principal para "
        "vê-lo aqui.");
};

// The cells' texts as last laid out (split into lines, sized and cut to the cell), and for what:
// the map, the view, the cell's side and the device's resolution. A view keeps one so that a
// repaint only draws them; laying out a label of kilobytes measures only its visible start.
struct TTextosCelulas {
    std::tuple<const TDadosMapa*, int, int, int> chave{nullptr, -1, 0, 0};
    struct TCelula {
        int pixels = 0;
        QStringList linhas;
    };
    std::vector<TCelula> celulas;
    // The samples' dots as last drawn (a transparent picture the size of the cells' area), and
    // for what: the map, where its cells are, the rows' order and the device's pixel ratio; and
    // how many times they were drawn, so a repaint is seen to reuse them.
    std::tuple<const TDadosMapa*, double, double, double, bool, double> chaveAmostras{
        nullptr, 0.0, 0.0, 0.0, false, 0.0};
    QImage amostras;
    int desenhosAmostras = 0;
};

// Draws the view into `area` of any device: its white background, the hint when there is no map.
// `textos` may be null (the texts are then laid out for this drawing alone).
void pintaVista(QPainter& p, const QRectF& area, const TDadosMapa& dados, TTipoVista tipo,
                const TOpcoesVista& opcoes, TTextosCelulas* textos);

// The colours of the legend's labels (colour-blind safe, then repeating; white for none) and of
// the sequential scale (viridis) at t in [0, 1].
QColor corDoRotulo(int indice);
QColor corDaEscala(double t);
// The colour of cluster i (0-based): twenty that tell apart, then repeating.
QColor corDoGrupo(int indice);
// Black or white, whichever reads on the colour.
QColor textoSobre(const QColor& fundo);

// A number as the program writes it (15 significant digits, decimal comma); numeroCurto
// (UTextos) gives the 4 digits a person reads.
QString numeroCompleto(double v);
// Where v lies between minimo and maximo, 0 to 1, in extended precision so that a range wider
// than the largest double still divides; 0 for a value that is not finite.
double fracao(double v, double minimo, double maximo);
// The smallest and largest finite values of every `passo`-th value from `inicio` (0 and 0 when
// there is none).
std::pair<double, double> faixaFinita(const std::vector<double>& valores, std::size_t inicio = 0,
                                      std::size_t passo = 1);
// At most as many characters as a width in pixels can show.
QString inicioVisivel(const QString& texto, double largura);
// The name of attribute k as the file has it, or "Atributo k+1".
QString nomeDoAtributo(const TDadosMapa& dados, std::int32_t k);
// The column the property view averages, as a command line names it: its name among the
// attributes and the other columns, else its number from 1; nothing when the data have no such
// column.
std::optional<std::int32_t> propriedadeDaColuna(const TDadosMapa& dados, const std::string& coluna);

// The legend of the labels, each beside its colour, as many as the box holds.
void pintaLegenda(QPainter& p, const QRectF& caixa, const TDadosMapa& dados);
// The caption of an exported picture, in one or two lines: the file, the map's size, the
// neighbourhood, the radius and the cycles, the seed, and the map's errors, as far as known.
QString textoDaLegendaExportacao(const TDadosMapa& dados);
void pintaLegendaExportacao(QPainter& p, const QRectF& caixa, const TDadosMapa& dados);
inline constexpr double kAlturaLegendaExportacao = 40.0;

// Pictures for slides and paper (norvika-figuras, the animations) are drawn at a reference size
// whose shorter side is this and scaled to the real one, so that text and lines grow with the
// picture: the factor for a picture of largura x altura pixels.
inline constexpr double kLadoDeReferencia = 600.0;
inline double escalaDaFigura(int largura, int altura) {
    return std::min(largura, altura) / kLadoDeReferencia;
}

// A cell filled (a square, or a hexagon on a hexagonal map), and its outline `recuo` pixels inside
// it with the painter's pen.
void preencheCelula(QPainter& p, const TGradeCelulas& grade, std::int32_t a, const QBrush& cor);
void contornaCelula(QPainter& p, const TGradeCelulas& grade, std::int32_t a, double recuo = 0.0);

// The side panel's text for unit a: its place, weights (in the original units when the file has
// them), the patterns it won, their labels and, when the winners are known, which patterns.
QString textoDoNeuronio(const TDadosMapa& dados, std::int32_t a);

// The side panel's text in a stepped training: the pattern just presented ("Ciclo" or "Época" k of
// n, its values) and what it did to its winner (the rate, the radius, its weights before and
// after).
QString textoDoPasso(const TDadosMapa& dados, const QString& ciclo);

// A small light dot in the middle of a cell whose neuron won no pattern (drawn only when some
// neuron won one, so that a loaded map is not covered in dots).
void marcaNeuroniosVazios(QPainter& p, const TDadosMapa& dados, const TGradeCelulas& grade);
// What that dot means, under the colour scale in `caixa` (when any neuron has one).
void pintaNotaVazios(QPainter& p, const QRectF& caixa, const TDadosMapa& dados);

// Thick lines between adjacent cells of different clusters (`grupo`, per unit): on the shared side
// of the two cells, so that units adjacent only across a torus's seam draw none.
void pintaFronteiras(QPainter& p, const TGradeCelulas& grade, const TDadosMapa& dados,
                     const std::vector<std::int32_t>& grupo);
// The clusters' legend: "Grupo 1" to "Grupo k" beside their colours, as many as the box holds.
void pintaLegendaGrupos(QPainter& p, const QRectF& caixa, std::int32_t k);

// The colour bar alone, from the scale's low end at the bottom to its high end at the top, framed.
void pintaBarraDaEscala(QPainter& p, const QRectF& barra);

// A vertical colour scale from minimo (bottom) to maximo (top), under its title.
void pintaEscala(QPainter& p, const QRectF& caixa, double minimo, double maximo,
                 const QString& titulo);

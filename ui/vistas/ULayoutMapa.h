#pragma once
// Where each neuron is drawn in a view of the map, computed from the map and the area alone: no
// widget, no painter. The painters draw from it, and the view widget hit-tests clicks and
// tooltips with the same one, so a click works before anything was painted. A cell is a polygon
// (a square on the classic map), so a view of a hexagonal map can give hexagons instead.

#include <QCoreApplication>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <cstdint>
#include <optional>
#include <vector>

#include "UDadosMapa.h"

// The views of a map (the error curve has a widget of its own). New views go at the end: the
// numbers are kept in files and preferences (numeroGuardadoDaVista).
enum class TTipoVista {
    Rotulos,
    Acertos,
    MatrizU,
    Planos,
    Cores,
    Espaco,
    Amostras,
    Agrupamentos,
    ErroUnidade,
    Propriedade
};

// The choices of a window's view selector, in its order: a view of the map, or (kVistaCurva) the
// error curve, which has a widget of its own.
inline constexpr int kVistaCurva = -1;
struct TOpcaoVista {
    const char* nome;
    int vista;
};
inline constexpr TOpcaoVista kOpcoesVista[] = {
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Rótulos"), static_cast<int>(TTipoVista::Rotulos)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Acertos"), static_cast<int>(TTipoVista::Acertos)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Matriz-U"), static_cast<int>(TTipoVista::MatrizU)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Planos de componentes"),
     static_cast<int>(TTipoVista::Planos)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Cores"), static_cast<int>(TTipoVista::Cores)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Rede no espaço"), static_cast<int>(TTipoVista::Espaco)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Amostras"), static_cast<int>(TTipoVista::Amostras)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Agrupamentos"), static_cast<int>(TTipoVista::Agrupamentos)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Erro por unidade"),
     static_cast<int>(TTipoVista::ErroUnidade)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Propriedade"), static_cast<int>(TTipoVista::Propriedade)},
    {QT_TRANSLATE_NOOP("ULayoutMapa", "Curva de erro"), kVistaCurva},
};
// The number a session file or the preferences keep for a selector's choice (a view, or
// kVistaCurva). Files written before the views after "Rede no espaço" existed kept the selector's
// place, 0 to 5 for the views and 6 for the curve, so those stay as they were and the later views
// follow from 7: an older program finds no choice of that number and keeps its own.
inline int numeroGuardadoDaVista(int vista) {
    if (vista == kVistaCurva) return 6;
    return vista <= static_cast<int>(TTipoVista::Espaco) ? vista : vista + 1;
}
// The choice a kept number names, or nullopt for a number no choice has.
inline std::optional<int> vistaDoNumeroGuardado(int numero) {
    if (numero == 6) return kVistaCurva;
    const int vista = numero < 6 ? numero : numero - 1;
    if (numero < 0 || vista > static_cast<int>(TTipoVista::Propriedade)) return std::nullopt;
    return vista;
}
// A choice's name as the selector shows it, in the program's language.
inline QString nomeDaOpcao(const TOpcaoVista& opcao) {
    return QCoreApplication::translate("ULayoutMapa", opcao.nome);
}

inline constexpr double kMargemVista = 8.0;       // around the picture
inline constexpr double kMargemNumeros = 22.0;    // room for the row and column numbers
inline constexpr double kLarguraLegenda = 170.0;  // the legend or the colour scale, at the right
// The input space's captions, in a band under the points (nothing is plotted there): the axes'
// line, and the tour's two lines above it when a ring gives one.
inline constexpr double kLinhaLegendaEspaco = 16.0;
double alturaLegendasEspaco(const TDadosMapa& dados);

// A map's cells in a rectangle, as large as fit, row by row: squares, or for a hexagonal map
// hexagons with a vertex up, `lado` wide, rows sqrt(3)/2 lado apart and odd rows shifted half a
// cell right (as the laboratory places its units). Row 1 is at the top, or with `linhaUmEmbaixo`
// at the bottom, as R's kohonen draws it: the picture mirrored top to bottom, each row keeping its
// shift, so that a hexagonal map stays the same hexagonal map.
struct TGradeCelulas {
    QRectF mapa;  // the cells' area
    double lado = 0.0;
    std::int32_t linhas = 0, colunas = 0;
    bool hexagonal = false;
    bool linhaUmEmbaixo = false;

    // The cells in `area` after `margem` for the numbers at its top and left.
    static TGradeCelulas em(const QRectF& area, std::int32_t linhas, std::int32_t colunas,
                            double margem, bool hexagonal = false, bool linhaUmEmbaixo = false);
    // The map's width and height in cell widths.
    static QSizeF medidas(std::int32_t linhas, std::int32_t colunas, bool hexagonal);

    QPointF centro(std::int32_t a) const;
    // The square cell, or the band across a hexagon's middle (where its text goes).
    QRectF caixa(std::int32_t a) const;
    // The cell's outline, `recuo` pixels inside it.
    QPolygonF celula(std::int32_t a, double recuo = 0.0) const;
    bool contem(std::int32_t a, const QPointF& ponto) const;
    // The band of row i, for its number at the left.
    QRectF faixaDaLinha(std::int32_t i) const;

  private:
    // Where row i is drawn, counting from the top.
    std::int32_t fila(std::int32_t i) const { return linhaUmEmbaixo ? linhas - 1 - i : i; }
};

struct TLayoutVista {
    TTipoVista tipo = TTipoVista::Rotulos;
    QRectF area;     // the picture, inside its margin
    QRectF legenda;  // the legend's or the scale's box; empty when the view has none
    // The cell views (labels, hits, U-matrix, colours): one grid, numbered at its top and left.
    TGradeCelulas grade;
    // The component planes: each attribute's box (its title above its cells) and grid.
    struct TPlano {
        QRectF caixa;
        TGradeCelulas grade;
    };
    std::vector<TPlano> planos;
    // The input space: where the points go, the map from the principal axes to the screen (one
    // scale for both axes, taken in extended precision so that ranges as wide as the doubles go
    // still divide), and each neuron's place (its weights projected).
    QRectF regiao;
    long double escala = 1.0L, meioX = 0.0L, meioY = 0.0L;
    std::vector<QPointF> neuronios;  // not finite for a neuron whose weights are not
    QPointF tela(double x, double y) const;

    // The neuron under a point, or -1; where shapes overlap, the last drawn (the highest).
    std::int32_t neuronioEm(const QPointF& ponto) const;
};

// The layout of a view of `dados` in `area` (the whole picture, its margin included); the input
// space has no rows, so `linhaUmEmbaixo` leaves it as it is.
TLayoutVista layoutDaVista(TTipoVista tipo, const TDadosMapa& dados, const QRectF& area,
                           bool escalaComum, bool linhaUmEmbaixo = false);

bool finito(const QPointF& p);

#pragma once
// A replay as an animation for slides: each frame one recorded map drawn by the views' painters
// (the same pictures as the window), with a caption of its epoch and errors. Text and lines grow
// with the picture, as norvika-figuras draws them.

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "UAnimacao.h"
#include "UDadosMapa.h"
#include "ULayoutMapa.h"
#include "UPintura.h"

struct TQuadroAnimado {
    std::shared_ptr<const TDadosMapa> mapa;
    std::int64_t epoca = 0;
};

struct TPedidoAnimacao {
    TFormatoAnimacao formato = TFormatoAnimacao::gif;
    std::int32_t largura = 800, altura = 600;
    TTipoVista vista = TTipoVista::MatrizU;
    // The view's choices as the window shows them (row order, clusters, property); a selected
    // unit is not outlined.
    TOpcoesVista opcoes;
    std::int64_t epocas = 0;   // of the whole training, for "Época 3 de 30"
    std::size_t gravados = 0;  // frames recorded
    std::size_t quadros = 0;   // frames wanted: 0 for all, else as many evenly chosen
};

// The view a replay shows by default: the net in the input space for 2-D data, else the U-matrix.
TTipoVista vistaDaAnimacao(const TDadosMapa& dados);

// Which recorded frames an animation of `quero` frames shows, first and last included, evenly
// spread (all of them for 0 or more than there are).
std::vector<std::size_t> quadrosEscolhidos(std::size_t gravados, std::size_t quero);

// One frame as the animation shows it.
QImage imagemDoQuadro(const TPedidoAnimacao& pedido, const TQuadroAnimado& quadro);

// Told after each frame painted how many of all the paintings are done; it may throw (as
// EInterrompido) to stop the work.
using TProgressoAnimacao = std::function<void(std::size_t feitas, std::size_t total)>;

// The animation's bytes; `quadro` gives recorded frame i.
std::string animacaoDaReprisa(const TPedidoAnimacao& pedido,
                              const std::function<TQuadroAnimado(std::size_t)>& quadro,
                              const TProgressoAnimacao& progresso = {});

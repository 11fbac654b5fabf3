#pragma once
// The component planes: one small map per attribute, each neuron in the colour of its weight for
// that attribute, on one scale for all (with its colour bar) or one scale per plane (its range in
// the title). The selected neuron is outlined in every plane.

#include "UPintura.h"

void pintaPlanos(QPainter& p, const TLayoutVista& layout, const TDadosMapa& dados,
                 const TOpcoesVista& opcoes);

#pragma once
// The net in the input space: the patterns (at most 5000, in their labels' colours) and the
// neurons on the two principal axes of the patterns (or on the attributes themselves with one or
// two of them), each neuron joined to its neighbours along rows and columns. In step mode the
// pattern just presented is circled and joined to its winner; the selected neuron is circled.

#include "UPintura.h"

void pintaEspaco(QPainter& p, const TLayoutVista& layout, const TDadosMapa& dados,
                 const TOpcoesVista& opcoes);

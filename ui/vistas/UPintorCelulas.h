#pragma once
// The cell views: one cell per neuron, coloured by what it stands for, with the map's row and
// column numbers as in the grid. Labels (each cell in its majority label's colour, the label over
// the count), hits (the count on a sequential scale), the U-matrix (the mean distance to the
// neighbours on that scale) and colours (three weights read as red, green and blue). In step
// mode the winner and the neighbourhood it pulled are marked; the selected neuron is outlined.

#include "UPintura.h"

// A cell's text in the labels view: its majority label over that label's count and, after "+",
// how many other labels share the cell ("pomba" over "1 +2"); empty for a neuron that won none.
QString textoDaCelula(const TDadosMapa& dados, std::int32_t neuronio);

void pintaCelulas(QPainter& p, const TLayoutVista& layout, const TDadosMapa& dados,
                  const TOpcoesVista& opcoes, TTextosCelulas& textos);

#pragma once
// The property view's column as norvika-figuras and norvika-lab take it on their command line
// ("--vista propriedade=COLUNA").

#include <QCoreApplication>
#include <cstdint>
#include <optional>
#include <string>

#include "UDadosMapa.h"
#include "UFalha.h"
#include "UPintura.h"

// The column's place among the map's attributes and other columns; a column the data do not have
// fails with the columns there are.
inline std::int32_t propriedadeDaFerramenta(const TDadosMapa& dados, const std::string& coluna) {
    const std::optional<std::int32_t> k = propriedadeDaColuna(dados, coluna);
    if (!k)
        falha(QCoreApplication::translate(
                  "UVistaFerramenta",
                  "propriedade=%1: os dados não têm essa coluna (dê o nome ou o número, de 1 a %2)")
                  .arg(QString::fromStdString(coluna))
                  .arg(dados.propriedades()));
    return *k;
}

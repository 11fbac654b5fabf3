#include "USugestaoLab.h"

#include <algorithm>
#include <cmath>

#include "ULaboratorioInterno.h"

TConfiguracaoLab sugestaoLab(const TDadosLab& dados) {
    TConfiguracaoLab c;
    const double n = static_cast<double>(std::max<std::size_t>(dados.padroes(), 1));
    const double unidades = 5.0 * std::sqrt(n);
    const TPlanoDosDados plano = planoDosDados(dados);
    const double razao =
        plano.desvio2 > 0.0 ? std::clamp(plano.desvio1 / plano.desvio2, 1.0, 100.0) : 1.0;
    // rows x columns ~ units with columns / rows ~ razao.
    const auto linhas =
        static_cast<std::int32_t>(std::clamp(std::lround(std::sqrt(unidades / razao)), 1L, 100L));
    const auto colunas = static_cast<std::int32_t>(
        std::clamp(std::lround(unidades / static_cast<double>(linhas)), 1L, 100L));
    c.grade = {linhas, colunas, TTopologiaLab::hexagonal, false};
    c.vizinhanca = TVizinhancaLab::gaussiana;
    c.raio = {std::max(1.0, std::max(linhas, colunas) / 2.0), 1.0};
    c.decaimento = TDecaimentoLab::linear;
    c.modo = TModoLab::lote;
    c.inicio = TInicioLab::linear;
    const double porPadrao = static_cast<double>(c.grade.unidades()) / n;
    c.epocas = static_cast<std::int32_t>(std::clamp(std::ceil(50.0 * porPadrao), 20.0, 1000.0));
    return c;
}

#pragma once
// The guided lessons: for each, a short text, what to look at, questions with their answers, and
// everything "Preparar" puts in place (the data and the settings of the laboratory or of the
// classic window). Plain C++, so that tests train each lesson's settings without any window and
// check that the numbers the texts promise hold.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "UDemonstracoes.h"
#include "ULaboratorio.h"

struct TPerguntaLicao {
    std::string pergunta, resposta;
};

// The views of the map a lesson opens, in the classic window's explorer or in the laboratory.
enum class TVistaLicao { rotulos, matrizU, cores, redeNoEspaco };

// The classic window's neighbourhoods.
enum class TVizinhancaLicao { manhattan, grid };

// The classic window's settings, as its controls take them.
struct TClassicaLicao {
    std::int32_t linhas = 6, colunas = 6;
    TVizinhancaLicao vizinhanca = TVizinhancaLicao::grid;
    std::int32_t raio = 1;
    std::string taxa = "0,5";
    std::int32_t evolucao = 95;  // %
    std::int32_t ciclos = 100;   // 0: "Decrementar raio até zera-lo"
    std::uint32_t semente = 2026;
    bool passoAPasso = false;
    TVistaLicao vista = TVistaLicao::rotulos;  // the explorer's
};

struct TLicao {
    std::string titulo;
    std::string texto;     // what the lesson is about (a few sentences)
    std::string observar;  // what to look at once it is prepared
    std::vector<TPerguntaLicao> perguntas;

    // The data: an example shipped with the program (its name), or a demonstration.
    std::string exemplo;  // "cores.txt", "iris.txt" or "iris.csv"
    bool normalizarZ = false;
    std::optional<TPedidoDemonstracao> demonstracao;

    // Where it happens, and with what.
    std::optional<TClassicaLicao> classica;
    std::optional<TConfiguracaoLab> laboratorio;
    TVistaLicao vista = TVistaLicao::redeNoEspaco;  // the laboratory's
};

const std::vector<TLicao>& licoes();

#pragma once
// norvika-lab's side of the competitive-learning models (--modelo hcl|lbg|ng|ngchl|chl|gng|gngu|
// gg): their options, which model takes which, and the run with its measures and outputs. The
// data, the seed, the order, the threads, --inicio, --saida and --busca are read by the SOM's line.

#include <functional>
#include <optional>
#include <set>
#include <string>

#include "UCompetitivo.h"
#include "UDadosLab.h"

struct TLinhaCompetitiva {
    std::optional<TModeloCompetitivo> modelo;  // none: the SOM
    TConfiguracaoCompetitiva config;
    std::string lambda;  // as typed: a schedule for the neural gas, a period for GNG and the grid
    std::string grafo;   // --grafo ARQ.graphml
    std::set<std::string> dadas;
};

// Reads one of the competitive models' own options; false for any other option.
bool leOpcaoCompetitiva(const std::string& opcao, const std::function<std::string()>& valor,
                        TLinhaCompetitiva& l);

// Once the whole line is read: with a model, every option given (`dadas`, the SOM line's among
// them) must be one the model takes, and the SOM line's settings it shares are taken over; without
// one, none of the models' own options may be given.
void concluiCompetitiva(TLinhaCompetitiva& l, const std::set<std::string>& dadas,
                        const TConfiguracaoLab& som);

// The run on the data read: trains, prints the measures, writes --saida and --grafo.
// `inicio` is --inicio's file (empty: patterns drawn).
int executaCompetitivo(TLinhaCompetitiva& l, const TCargaLab& carga, const std::string& inicio,
                       const std::string& saida, double leitura);

// The help's part about the models.
const char* ajudaCompetitiva();

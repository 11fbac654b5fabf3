#pragma once
// The laboratory's data from a file: a classic pattern file as the classic window reads it, or any
// table the import reads, with the import's defaults (a SOM_PAK .dat keeps its missing values, as
// SOM_PAK itself does). Used by norvika-lab and the laboratory window alike.

#include <string>
#include <vector>

#include "UControle.h"
#include "UImportacao.h"
#include "ULaboratorio.h"

struct TCargaLab {
    TDadosLab dados;
    bool importado = false;  // read through the import, not as a pattern file
    // The original units of each attribute, when the file carries an import's scaling (or the
    // import scaled the table).
    std::vector<TEscala> escala;
    TNormalizacao normalizacao = TNormalizacao::nenhuma;
    std::vector<std::string> notas;  // the import's report
    // A table's numeric columns not trained on, for the pictures of a column per unit: their
    // names and their values, pattern after pattern (not kept in a session file).
    std::vector<std::string> nomesOutras;
    std::vector<double> valoresOutras;
};

// The import's choices the laboratory reads a table with: the defaults, but a SOM_PAK .dat keeps
// its missing values, as SOM_PAK itself does.
TOpcoesImportacao opcoesDaCargaLab(const std::string& caminho);

// Throws what the pattern reader or the import throws (EFormatoArquivo, EConversao, EImportacao,
// EEntradaSaida, EMemoriaInsuficiente; EInterrompido at a stop request). `opcoes` replaces
// opcoesDaCargaLab for a table (a pattern file has no choices).
TCargaLab carregaDadosLab(const std::string& caminho, TControle* controle = nullptr,
                          const TOpcoesImportacao* opcoes = nullptr);

// A table read by the import (the import dialog's, kept in memory) as the laboratory's data, with
// its scaling and the import's report.
TCargaLab cargaDaImportacao(const TImportacao& importacao);

// An import's patterns as the laboratory's data; the labels are numbered in the order first met
// (an empty label is none).
TDadosLab dadosLabDaImportacao(const TImportacao& importacao);

#pragma once
// Spreadsheets read as tables of texts, for the import: Excel's and LibreOffice's .xlsx (Office
// Open XML) and LibreOffice's .ods (OpenDocument), both zip files of XML parts, read through
// libzip and expat. One sheet is read: the first, or one chosen by its name or number.
//
// A cell becomes the text the import reads: a number is its value as the file stores it, with a
// decimal point; a formula gives its cached value (the one the spreadsheet last computed); dates,
// times, booleans and text are text (a date as 2024-03-01); an error (#DIV/0!) or a formula
// without a cached value is an empty cell, counted in a note. Empty rows are not kept; cells
// repeated by the file (ODS) are written out, rows and columns up to a spreadsheet's own limits.
//
// Nothing is trusted: every part is inflated a block at a time and parsed as it comes, in time
// linear in its size however long a token; the parts together inflate to at most the memory
// allowance (no zip bomb); what is kept (cells, texts, sheet names, relationships, rows a file
// repeats) is counted as it arrives and bounded by a fixed multiple of the inflated size, never
// past the allowance; every list and the nesting of elements have a ceiling; a file that is not
// what it claims gets EImportacao.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "UControle.h"

// Rows of cell texts held compactly: one block of text, the end of every cell.
class TTabelaDeTextos {
  public:
    std::size_t linhas() const { return primeiras_.size(); }
    std::size_t largura(std::size_t linha) const;
    std::string_view celula(std::size_t linha, std::size_t coluna) const;
    // The row's number in the spreadsheet (from 1), for messages.
    std::int64_t numero(std::size_t linha) const { return numeros_[linha]; }

    void novaLinha(std::int64_t numero);
    void adicionaCelula(std::string_view texto);
    std::size_t bytes() const { return textos_.size() + 8 * fins_.size() + 16 * primeiras_.size(); }

  private:
    std::string textos_;
    std::vector<std::uint64_t> fins_;
    std::vector<std::uint64_t> primeiras_;  // each row's first cell
    std::vector<std::int64_t> numeros_;
};

struct TPlanilhaLida {
    std::vector<std::string> planilhas;  // every sheet's name, in the file's order
    std::size_t escolhida = 0;
    TTabelaDeTextos tabela;
    std::vector<std::string> notas;
};

// Whether the file is a spreadsheet the import reads, by its name (.xlsx, .ods).
bool ePlanilha(const std::string& caminho);

// Reads one sheet of the spreadsheet at `caminho`: `planilha` is its name or its number from 1
// (empty: the first). Throws EImportacao for a file that is not a readable spreadsheet or a sheet
// it does not have, EEntradaSaida when it cannot be opened, EMemoriaInsuficiente past the memory
// allowance; with a control, EInterrompido at a stop request.
TPlanilhaLida lePlanilha(const std::string& caminho, const std::string& planilha,
                         TControle* controle = nullptr);

// The names of the spreadsheet's sheets, in order, without reading their cells. Throws as
// lePlanilha.
std::vector<std::string> planilhasDoArquivo(const std::string& caminho,
                                            TControle* controle = nullptr);

// A date and time of a spreadsheet (days since its epoch, with the time as the fraction) as text:
// 2024-03-01, or 2024-03-01 12:30:00 when it has a time. `base1904` for workbooks that count from
// 1904 (old Macintosh Excel).
std::string textoDeData(double serial, bool base1904);

#pragma once
// The pattern file: a text file that the user writes with any editor.
//
//   line 1       N|D#            N patterns of D values each; anything after "#" is ignored
//   lines 2..N+1 v1|v2|...|vD|label#
//
// Values are reals with the decimal comma; the label is everything between the D-th "|" and the
// next "#", so it may be empty or hold "|" itself. Lines after N + 1 are never read.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "UControle.h"
#include "UKohonen.h"
#include "UPadroes.h"

// The two header fields as text; the caller converts them in its own order.
struct TCabecalhoPadroes {
    std::string n;
    std::string d;
    // The header line as far as it was read: the fields, then at most kBytesNomes characters of
    // what follows them (the attribute names, when the file has them).
    std::string linha;
};
inline constexpr std::size_t kBytesNomes = 1 << 20;

// Splits a header line. Throws EFormatoArquivo when "|" or "#" is missing.
TCabecalhoPadroes separaCabecalhoPadroes(std::string_view linha);

// The names of the D attributes when the header carries them after its "#", separated by "|"
// ("16|13#  pequeno|médio|..."), blanks around each trimmed; empty when there are not exactly D.
std::vector<std::string> nomesDosAtributos(std::string_view cabecalho, std::int32_t dimensao);

// Opens the file and splits its first line, reading no more of it than the fields and the names
// need. Throws EEntradaSaida or EFormatoArquivo; with a control, EInterrompido at a stop request.
TCabecalhoPadroes leCabecalhoPadroes(const std::string& caminho, TControle* controle = nullptr);

// Whether the file's first line is a pattern header, N|D# with two integers: what tells a
// pattern file from a table to import. False when the file cannot be read; with a control,
// EInterrompido at a stop request (a first line can run to the end of a large file).
bool temCabecalhoDePadroes(const std::string& caminho, TControle* controle = nullptr);

// Reads one pattern line of `dimensao` values into `padrao` (cleared first). Throws
// EFormatoArquivo for a missing separator (naming `numeroLinha`), EConversao for a value that is
// not a real and EEstouroReal for one beyond the double range.
void lePadrao(std::string_view linha, std::int32_t dimensao, std::int64_t numeroLinha,
              TPadraoEntrada& padrao);

// Reads the `qtdPadroes` patterns that follow the header into `entradas`, in file order. Patterns
// read before a failure stay in `entradas`. Memory grows with what the file really holds, never
// with what its header announces (at most the patterns the file's size can hold are reserved);
// past limiteMemoriaDados it throws EMemoriaInsuficiente.
// A control's stop request ends the reading early (one step per line, and per megabyte of a long
// line): it returns false, with the patterns read so far.
// With `linhasAlem`, the lines after the announced patterns that look like patterns (not empty,
// not starting with "#") are counted there, for a notice: they are never read as patterns.
bool inicializaEntradas(const std::string& caminho, std::int32_t qtdPadroes, std::int32_t dimensao,
                        TPadroes& entradas, TControle* controle = nullptr,
                        std::int64_t* linhasAlem = nullptr);

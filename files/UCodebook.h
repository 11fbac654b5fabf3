#pragma once
// SOM_PAK's codebook file (".cod"), the map file that SOM_PAK and the SOM Toolbox
// (som_write_cod, som_read_cod) exchange, so that a map trained here can be opened there and back.
//
//   3 hexa 4 2 gaussian          dimension, lattice, columns (xdim), rows (ydim), neighbourhood
//   #n comprimento largura peso  attribute names, one token each (SOM Toolbox's comment)
//   #norvika-toroidal            ours: the map wraps around; other programs take it as a comment
//   0.25 1 -3.5e-07 setosa       one unit per line: the values, then its labels
//   ...
//
// Units run row after row, column fastest: unit k stands at row k / colunas, column k % colunas.
//
// Reading is as lenient as the files these programs write need: comment lines ("#...") anywhere,
// the header among them; fields split by any run of blanks, tabs and carriage returns (so CR LF
// is read); empty lines ignored; a header without the neighbourhood (bubble, as SOM_PAK takes it).
// A value is a decimal number with "." (exponent allowed, as C's %g writes it), or "NaN", "nan" or
// "x" for a missing value (NaN). Whatever follows a unit's values is its labels, joined by one
// blank; but when the first word after them reads as a value and is not an integer (0.5, 1e3, NaN,
// x), the line is taken as having too many values, since that is what a file of the wrong
// dimension looks like; integer labels ("3") stay labels, as classes of digits often are. Every
// error is an ECodebook whose message, in Portuguese, names the line.
//
// Writing keeps every double's bits: each value is the shortest text that reads back to the same
// double (std::to_chars), "NaN" for a missing one. A name's blanks become "_", since SOM_PAK
// splits on blanks; a label's blanks stay single blanks between its words, since that is how
// SOM_PAK holds several labels of one unit. Lines end with a line feed.
//
// A file's limits: dimension 1 to 100000, columns and rows 1 to 10000, and the units' values and
// labels within the memory allowance (limiteMemoriaDados); no header can make the reading reserve
// more than the text in hand can fill.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ECodebook : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::int32_t kCodebookDimensaoMaxima = 100000;
inline constexpr std::int32_t kCodebookLadoMaximo = 10000;

struct TCodebook {
    std::int32_t dimensao = 0, linhas = 0, colunas = 0;
    bool hexagonal = false;  // "hexa", else "rect"
    bool gaussiana = false;  // "gaussian", else "bubble"
    bool toroidal = false;   // the line "#norvika-toroidal"
    // linhas x colunas units of dimensao values each, unit k = r x colunas + c; NaN for missing.
    std::vector<double> pesos;
    // One per unit ("" when it has none); the writer also takes an empty vector for no labels.
    std::vector<std::string> rotulos;
    // From the "#n" line: none, or one per attribute.
    std::vector<std::string> nomes;
    // The other comment lines, each its text after the "#"; the writer puts them after the header.
    // A reading keeps the first kCodebookComentariosMaximos of them.
    std::vector<std::string> comentarios;
};

inline constexpr std::size_t kCodebookComentariosMaximos = 1000;

// The file's bytes. Throws ECodebook for a codebook that could not be read back: sizes out of
// the limits or not matching, an infinite value, a label whose first word would read as a value.
std::string textoDoCodebook(const TCodebook& codebook);

// Throws ECodebook.
TCodebook leCodebookDeTexto(std::string_view texto);

// Writes through gravaArquivo, so a failed save leaves the old file. Throws ECodebook,
// EEntradaSaida.
void gravaCodebook(const TCodebook& codebook, const std::string& caminho);

// Throws ECodebook, EEntradaSaida when the file cannot be read, EMemoriaInsuficiente when it is
// larger than the memory allowance.
TCodebook leCodebook(const std::string& caminho);

// The units of a model without a grid (the competitive-learning family) as plain text: a first
// line with their dimension, then one unit a line, its values with "." and 17 significant digits
// separated by a blank. Throws ECodebook for a dimension out of 1 .. kCodebookDimensaoMaxima, a
// number of values not a multiple of it, or a value that is not finite.
std::string textoDasUnidades(std::int32_t dimensao, const std::vector<double>& pesos);
// Reads that form or a SOM_PAK codebook, the units in file order (a plain file as one row of
// units). Throws as leCodebook.
TCodebook leUnidadesDeTexto(std::string_view texto);
TCodebook leUnidades(const std::string& caminho);

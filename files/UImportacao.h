#pragma once
// Bringing a table into the program: delimited text (CSV, TSV, columns separated by blanks),
// SOM_PAK's .dat, Weka's ARFF and a sheet of a spreadsheet (.xlsx, .ods: UPlanilha) are read into
// patterns (values, attribute names, labels), with
// a report of what was done; gravaPadroes then writes them as a classic pattern file (or a
// SOM_PAK .dat). The classic pattern file and its reading stay exactly as they are: the import is
// a door into them.
//
// Delimited text: the separator (";", ",", tab or runs of blanks) and the decimal mark ("," or
// ".") are found in the first lines unless given; a thousands separator is refused, not guessed.
// Quoted fields follow RFC 4180 (doubled quotes, separators and line breaks inside). UTF-8 with
// or without BOM is read as it is, anything else as Windows-1252; LF, CR LF and CR end lines. A
// header row is there when a column numeric from the second row on is not numeric in the first.
//
// Roles: by default every numeric column is an attribute, the last other column is the label and
// the rest are ignored; a column may be named (or numbered from 1) as the label or ignored. A
// first column without a name that numbers the rows 1, 2, 3... (the row names R's write.csv puts
// there) is ignored too.
// Missing values (empty, NA, NaN, ?, x) drop their row, take the column's mean, or are kept
// (only where the patterns stay in memory, or in a SOM_PAK .dat). Attributes may be scaled to
// [0, 1] or to z-scores (the sample standard deviation, n - 1, as R's scale()).
//
// The scaling goes after the last pattern line of the file written, where the classic reader
// never looks, one comment line per attribute:
//
//   #norvika-escala|K|TIPO|A|B
//
// K the attribute's number from 1, TIPO minmax or z, and the original value A + B x v for a value
// v of the file (decimal comma). The explorer and the laboratory read them to show original units.
//
// Every number goes through the program's own text-to-real conversion with the file's decimal
// mark, so a value reads the same bits as it would from a pattern file; every value is written as
// the real-to-text conversion writes it (a source value of at most 15 significant digits comes out
// as its own canonical text). Bad input gets a Portuguese message naming the line and the column
// (EImportacao), and nothing is written.

#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "UControle.h"

class EImportacao : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class TFormatoTabela { delimitado, sompak, arff, planilha };
enum class TAusentes { descartar, media, manter };
enum class TNormalizacao { nenhuma, minmax, z };
enum class TPapel { atributo, rotulo, ignorada };

// The separator "runs of blanks" (one or more blanks or tabs between fields).
inline constexpr char kSeparadorEspacos = ' ';

struct TOpcoesImportacao {
    std::optional<TFormatoTabela> formato;  // none: by the name's extension, else delimited
    std::optional<char> separador;          // ';', ',', '\t' or kSeparadorEspacos
    std::optional<char> decimal;            // ',' or '.'
    std::optional<bool> cabecalho;
    std::string planilha;  // of a spreadsheet: a sheet's name or number from 1 (empty: the first)
    std::optional<std::string> rotulo;  // a column's name or number from 1
    bool semRotulo = false;             // no label column at all
    std::vector<std::string> ignorar;   // names or numbers from 1
    // One role per column, chosen in a table: when it has as many as the file has columns, it
    // wins over the three above.
    std::vector<TPapel> papeis;
    TAusentes ausentes = TAusentes::descartar;
    TNormalizacao normalizacao = TNormalizacao::nenhuma;
    // Stop after this many data rows (a preview).
    std::int64_t maximoLinhas = std::numeric_limits<std::int64_t>::max();
};

struct TColuna {
    std::string nome;  // as the file has it (UTF-8), or "coluna K"
    TPapel papel = TPapel::ignorada;
    bool numerica = false;
    std::int64_t ausentes = 0;  // missing values met in it
    // An attribute's scaling: the original value is a + b x the value written.
    double a = 0.0, b = 1.0;
    bool constante = false;     // scaled, but every value the same: written as 0
    bool numeraLinhas = false;  // a first column without a name holding 1, 2, 3... (R's row names)
};

struct TImportacao {
    TFormatoTabela formato = TFormatoTabela::delimitado;
    char separador = ',';
    char decimal = '.';
    bool cabecalho = false;
    bool utf8 = true;  // else the file was Windows-1252 (its texts are held converted to UTF-8)
    TNormalizacao normalizacao = TNormalizacao::nenhuma;
    TAusentes ausentes = TAusentes::descartar;
    std::vector<TColuna> colunas;
    std::vector<std::string> planilhas;  // a spreadsheet's sheets, and the one read
    std::size_t planilha = 0;
    std::vector<std::size_t> atributos;       // the attribute columns, in order
    std::optional<std::size_t> colunaRotulo;  // the label column

    // The patterns: valores holds padroes() x dimensao() values (NaN where one is missing and
    // kept); rotulo(i) is pattern i's label (UTF-8).
    std::vector<double> valores;
    // The numeric columns left out of the patterns (row numbers aside), kept for the pictures that
    // show any column per unit: their places in `colunas`, and their values row for row with the
    // patterns (NaN where a value is missing or is not a number). Never scaled.
    std::vector<std::size_t> outras;
    std::vector<double> valoresOutras;
    std::int32_t dimensao() const { return static_cast<std::int32_t>(atributos.size()); }
    std::size_t padroes() const { return fimRotulos_.size(); }
    std::string_view rotulo(std::size_t i) const;
    void adicionaRotulo(std::string_view texto);
    std::size_t bytesDosRotulos() const { return rotulos_.size() + 8 * fimRotulos_.size(); }
    // The labels and the column names read as Windows-1252 and held from then on as UTF-8.
    void textosDeCp1252();

    std::int64_t linhasLidas = 0;         // data rows read
    std::int64_t linhasDescartadas = 0;   // dropped for a missing value
    std::int64_t valoresPreenchidos = 0;  // filled with the column's mean
    std::int64_t valoresAusentes = 0;     // kept missing
    std::vector<std::string> notas;       // what the reading noticed (Portuguese)

  private:
    std::string rotulos_;
    std::vector<std::uint64_t> fimRotulos_;
};

// The tables the import reads, by the ending of their names, in the order the file dialogs offer
// them; a name that ends otherwise is read as delimited text.
struct TExtensaoTabela {
    const char* extensao;  // without the dot
    TFormatoTabela formato;
};
inline constexpr TExtensaoTabela kExtensoesTabela[] = {
    {"csv", TFormatoTabela::delimitado}, {"tsv", TFormatoTabela::delimitado},
    {"txt", TFormatoTabela::delimitado}, {"dat", TFormatoTabela::sompak},
    {"arff", TFormatoTabela::arff},      {"xlsx", TFormatoTabela::planilha},
    {"ods", TFormatoTabela::planilha},
};

// The format a file's name gives (kExtensoesTabela, whatever the case): .dat is SOM_PAK's, .arff
// Weka's, .xlsx and .ods spreadsheets, anything else delimited text.
TFormatoTabela formatoPeloNome(const std::string& caminho);

// Reads the table at `caminho`. Throws EImportacao for bad input, EEntradaSaida when the file
// cannot be read, EMemoriaInsuficiente past the memory allowance; with a control, EInterrompido
// at a stop request (one step per row), and the kibibytes read so far in its `padroes` (for the
// delimited text and ARFF).
TImportacao importaTabela(const std::string& caminho, const TOpcoesImportacao& opcoes,
                          TControle* controle = nullptr);

// The report of an import, a line each.
std::vector<std::string> relatorioDaImportacao(const TImportacao& importacao);

// The pattern file's header line (without its line end), as written.
std::string cabecalhoDosPadroes(const TImportacao& importacao);

// The first `quantas` patterns as the file will hold them, for a preview: each value's text, then
// the label ("?" where a value is missing and kept).
std::vector<std::vector<std::string>> padroesDaPrevia(const TImportacao& importacao,
                                                      std::size_t quantas);

// Whether two paths name the same existing file (a table must not be replaced by its own import).
bool mesmoArquivo(const std::string& a, const std::string& b);

// Writes the patterns as a classic pattern file (or, when the name ends in .dat, as a SOM_PAK
// .dat, which can hold missing values), through the safe save. Throws EImportacao when missing
// values were kept for a classic file, which cannot hold them.
void gravaPadroes(const TImportacao& importacao, const std::string& caminho);

// The text a classic pattern file holds for one value (the real-to-text conversion with the
// decimal comma), with a quick path for the short decimals that tables mostly hold.
void escreveValor(std::string& saida, double valor);

// The scaling of the attributes of a pattern file that an import wrote (its #norvika-escala
// lines), attribute by attribute; empty when it has none. Reads the file's tail only.
struct TEscala {
    double a = 0.0, b = 1.0;
};
std::vector<TEscala> leEscala(const std::string& caminho, std::int32_t dimensao);

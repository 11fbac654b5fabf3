#pragma once
// What the readers of the table formats share (UImportacao*.cpp, not for use elsewhere): the tests
// of a field's text and number, the record reader of delimited text (ARFF's data too), the roles
// of the columns and the collecting of the rows into patterns.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "UImportacao.h"

namespace importacao {

constexpr std::size_t kLinhasDaAmostra = 200;
// More columns than any table of patterns has; a record with more is refused before its fields
// can take the memory.
constexpr std::size_t kMaximoColunas = 100000;

std::string naLinha(std::int64_t linha);

// ---------------------------------------------------------------------------------------------
// Text

// Whether the bytes are valid UTF-8, carried across calls for a stream cut anywhere.
class TValidaUtf8 {
  public:
    void le(std::string_view bytes) {
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (faltam_ > 0) {
                if ((b & 0xC0) != 0x80) valido_ = false;
                --faltam_;
            } else if (b >= 0x80) {
                if (b >= 0xC2 && b <= 0xDF)
                    faltam_ = 1;
                else if (b >= 0xE0 && b <= 0xEF)
                    faltam_ = 2;
                else if (b >= 0xF0 && b <= 0xF4)
                    faltam_ = 3;
                else
                    valido_ = false;
            }
        }
    }
    bool valido() const { return valido_ && faltam_ == 0; }

  private:
    bool valido_ = true;
    int faltam_ = 0;
};

std::string_view apara(std::string_view s);
bool igualSemCaixa(std::string_view a, std::string_view b);
// Empty, NA, NaN, ?, x or X: a missing value.
bool ausente(std::string_view campo);

// ---------------------------------------------------------------------------------------------
// Numbers

// The value of a numeric field with the file's decimal mark, or nothing.
std::optional<double> numeroDe(std::string_view campo, char decimal);
// A number too large for a double (the extended format still holds it).
bool foraDaFaixa(std::string_view campo, char decimal);
// A field quoted for a message, cut short when long.
std::string citado(std::string_view campo);

// ---------------------------------------------------------------------------------------------
// Records of delimited text

enum class TAspas { nenhuma, duplas, ambas };

// Splits one record of delimited text starting at `p` (before `fim`): its fields (unquoted) go to
// `campos`, views into `texto` or into `montagem` for quoted ones. Returns where the next record
// starts, or nullptr when the record runs past `fim` (more text is needed). Counts the line ends
// it passes in `linhas`.
class TDivisor {
  public:
    // `maximo` fields at most in a record; `linhaInicial` the line before the first record, for
    // the message.
    TDivisor(char separador, TAspas aspas, std::size_t maximo = SIZE_MAX) : maximo_(maximo) {
        defineModo(separador, aspas);
    }
    void defineLinha(std::int64_t linha) { linhas_ = linha; }
    // Whether the last record ended the file inside quotes: the rest of the file would otherwise
    // be taken, without a word, for one field.
    bool aspaSemFechar() const { return aspaSemFechar_; }
    void defineModo(char separador, TAspas aspas) {
        sep_ = separador;
        aspas_ = aspas;
        // The bytes that end an unquoted field.
        para_.fill(false);
        for (const char c : {'\n', '\r', separador}) para_[static_cast<unsigned char>(c)] = true;
        if (separador == kSeparadorEspacos) para_['\t'] = true;
    }

    const char* divide(const char* p, const char* fim, bool ultimo,
                       std::vector<std::string_view>& campos, std::int64_t& linhas);

  private:
    const char* fimDoCampo(const char* p, const char* fim) const;

    char sep_;
    TAspas aspas_;
    std::array<bool, 256> para_;
    std::size_t maximo_;
    std::int64_t linhas_ = 0;
    bool aspaSemFechar_ = false;
    std::string montagem_;
    // The quoted fields of the record: which one, and where it stands in montagem_.
    struct TMontada {
        std::size_t campo, inicio, tamanho;
    };
    std::vector<TMontada> montadas_;
};

// The records of a file, one by one, read a block at a time so that a file of gigabytes is never
// held whole; a record may be as long as the memory allowance.
class TLeitorRegistros {
  public:
    TLeitorRegistros(const std::string& caminho, char separador, TAspas aspas, TControle* controle);
    ~TLeitorRegistros();
    TLeitorRegistros(const TLeitorRegistros&) = delete;
    TLeitorRegistros& operator=(const TLeitorRegistros&) = delete;

    // The next record's fields; false at the end of the file. `linha` is the line it starts on.
    bool proximo(std::vector<std::string_view>& campos, std::int64_t& linha);
    std::uint64_t tamanho() const { return tamanho_; }
    bool utf8() const { return utf8_.valido(); }
    // The records from here on split by another separator and quoting.
    void defineModo(char separador, TAspas aspas) { divisor_.defineModo(separador, aspas); }

  private:
    void carrega();

    TDivisor divisor_;
    TControle* controle_;
    std::uint64_t limite_;
    std::string caminho_;
    int fd_ = -1;
    std::vector<char> buf_;
    std::size_t ini_ = 0, fim_ = 0;
    bool eof_ = false;
    std::int64_t linha_ = 0;
    std::uint64_t tamanho_ = 0;
    std::uint64_t lidos_ = 0;
    TValidaUtf8 utf8_;
};

// The first bytes of a file (for detection), without a UTF-8 byte order mark.
std::string inicioDoArquivo(const std::string& caminho, std::size_t bytes);

// The columns of a table from its first rows (its decimal mark known): whether the first row is
// a header (a column numeric from the second row on is not numeric in the first), their names,
// which are numeric, R's row names, and the roles.
void colunasDaAmostra(TImportacao& t, const std::vector<std::vector<std::string>>& amostra,
                      const TOpcoesImportacao& o);

// ---------------------------------------------------------------------------------------------
// Columns, rows and formats

// The roles of the columns, as chosen in the options or by default; `rotuloPadrao` is the label
// when none is chosen (else the last column neither numeric nor ignored). Throws EImportacao
// when a column named is not there or no column is left for an attribute.
void definePapeis(TImportacao& t, const TOpcoesImportacao& o,
                  std::optional<std::size_t> rotuloPadrao);

// Takes one row of fields into the patterns; false when it is dropped for a missing value.
class TColetor {
  public:
    // The values of as many rows as a file of `bytes` can hold (each value takes two bytes at
    // least) are reserved at once, up to the allowance: pages never written cost nothing, and the
    // values are never copied to a larger block.
    TColetor(TImportacao& t, std::uint64_t bytes, TControle* controle);
    void adiciona(const std::vector<std::string_view>& campos, std::int64_t linha);

  private:
    std::string semMemoria() const;

    TImportacao& t_;
    TControle* controle_;
    std::uint64_t limite_;
};

// The missing values filled with their column's mean, then the scaling.
void completa(TImportacao& t);

// An import of a format, with the choices every format shares (SOM_PAK and ARFF numbers have a
// decimal point, ARFF fields a comma between them).
TImportacao comecaImportacao(TFormatoTabela formato, const TOpcoesImportacao& o);

// The readers of the formats, each into a TImportacao still to be completed.
TImportacao importaDelimitado(const std::string& caminho, const TOpcoesImportacao& o,
                              TControle* controle);
TImportacao importaPlanilha(const std::string& caminho, const TOpcoesImportacao& o,
                            TControle* controle);
TImportacao importaSompak(const std::string& caminho, const TOpcoesImportacao& o,
                          TControle* controle);
TImportacao importaArff(const std::string& caminho, const TOpcoesImportacao& o,
                        TControle* controle);

}  // namespace importacao

#pragma once
// What the spreadsheet readers share (UPlanilha*.cpp, not for use elsewhere): the zip, read a
// part at a time within one budget for the file; expat's XML as events; the rows of the sheet
// being read, with a spreadsheet's limits.

#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "UControle.h"
#include "UErros.h"
#include "ULimites.h"
#include "UPlanilha.h"
#include "UTraducao.h"

namespace planilhas {

// A spreadsheet's own limits: more rows or columns than these is not a sheet but an attack.
constexpr std::int64_t kMaximoLinhas = 1048576;
constexpr std::int64_t kMaximoColunas = 16384;
// More sheets than any spreadsheet program makes; a list longer than this is an attack.
constexpr std::size_t kMaximoPlanilhas = 10000;

// Throws EImportacao: "A planilha não pôde ser lida: `porque`."
// Throws EImportacao with `modelo`, a message of the "Mensagens" context that says why.
[[noreturn]] void danificada(const char* modelo, std::initializer_list<TArgumento> argumentos = {});

// A size for a message: in KiB, or in MiB from 10 MiB on.
std::string emKiB(std::uint64_t bytes);

// What one spreadsheet may take. Its parts together may inflate to the memory allowance, and what
// is kept of them (cells, shared strings, sheet names, relationships) to a fixed multiple of what
// has been inflated so far, never past the allowance: real sheets keep less than their XML, while
// a file of a few kilobytes that repeats a row a million times, pads rows out to the last column or
// lists a hundred million empty texts is refused long before it takes gigabytes.
class TOrcamento {
  public:
    TOrcamento() : limite_(limiteMemoriaDados()) {}

    void inflou(const std::string& parte, std::uint64_t bytes) {
        inflados_ += bytes;
        if (inflados_ > limite_)
            danificada(QT_TRANSLATE_NOOP("Mensagens",
                                         "A planilha não pôde ser lida: a parte %1 leva o arquivo "
                                         "descomprimido a mais de %2 MiB."),
                       {parte, limite_ >> 20});
    }
    // Bytes about to be kept; throws when they would pass what the file may keep.
    void gasta(std::uint64_t bytes) {
        confere(bytes);
        usados_ += bytes;
    }
    void confere(std::uint64_t bytes) const {
        if (usados_ + bytes > permitido())
            throw EMemoriaInsuficiente(mensagem(
                QT_TRANSLATE_NOOP("Mensagens",
                                  "A planilha não cabe na memória que o programa se permite usar "
                                  "com ela: até %1 para as %2 de XML lidas até aqui."),
                {emKiB(permitido()), emKiB(inflados_)}));
    }

  private:
    static constexpr std::uint64_t kPiso = std::uint64_t{64} << 20;
    static constexpr std::uint64_t kFator = 8;
    std::uint64_t permitido() const { return std::min(limite_, kPiso + kFator * inflados_); }

    std::uint64_t limite_;
    std::uint64_t inflados_ = 0, usados_ = 0;
};

// ---------------------------------------------------------------------------------------------
// The zip

class TZip {
  public:
    explicit TZip(const std::string& caminho);
    ~TZip() { zip_discard(zip_); }
    TZip(const TZip&) = delete;
    TZip& operator=(const TZip&) = delete;

    bool tem(const std::string& nome) const { return zip_name_locate(zip_, nome.c_str(), 0) >= 0; }
    TOrcamento& orcamento() const { return orcamento_; }

    // Hands the inflated bytes of a part to `bloco`, a block at a time, counting them against the
    // file's allowance (a zip bomb stops there, whatever its compressed size).
    void le(const std::string& nome, TControle* controle,
            const std::function<void(const char*, std::size_t, bool)>& bloco) const;

  private:
    zip_t* zip_ = nullptr;
    mutable TOrcamento orcamento_;
};

// ---------------------------------------------------------------------------------------------
// XML, as expat hands it: element and attribute names are "namespace|local", and only the local
// part is looked at (prefixes vary between writers; the names the readers look for do not
// collide).

std::string_view local(const XML_Char* nome);

// The value of the attribute whose local name is `nome` (or, with `namespaceContem`, whose
// namespace also contains that text); nothing when absent.
std::optional<std::string_view> atributo(const XML_Char** atributos, std::string_view nome,
                                         std::string_view namespaceContem = {});

class TLeitorXml {
  public:
    virtual ~TLeitorXml() = default;
    virtual void abre(std::string_view nome, const XML_Char** atributos) = 0;
    virtual void fecha(std::string_view nome) = 0;
    virtual void texto(std::string_view) {}

    // Parses a part of the zip as it is inflated.
    //
    // Expat scans an unfinished token (a comment, a tag with its attributes) again from its start
    // at every call, so feeding it a fixed block at a time costs the square of a long token. The
    // blocks are gathered instead until they are at least as long as what expat holds unfinished,
    // which makes every scan at most double the one before: linear in the part. No spreadsheet
    // has a token of megabytes, so one past kMaiorToken ends the reading.
    void le(const TZip& zip, const std::string& parte, TControle* controle);

  protected:
    // The file's allowance, while le() reads a part (the only time the readers' hooks run).
    TOrcamento& orcamento() const { return *orcamento_; }

  private:
    static constexpr std::uint64_t kBlocoXml = std::uint64_t{1} << 16;
    static constexpr std::uint64_t kMaiorToken = std::uint64_t{16} << 20;
    static constexpr int kMaiorProfundidade = 256;

    // A reader's exception may not cross expat's C frames: it stops the parser and is rethrown
    // once XML_Parse has returned.
    template <class F>
    void chama(F&& f) {
        if (falha_) return;
        const XML_Index onde = XML_GetCurrentByteIndex(parser_);
        if (onde > 0) ultimoEvento_ = static_cast<std::uint64_t>(onde);
        try {
            f(*this);
        } catch (...) {
            falha_ = std::current_exception();
            XML_StopParser(parser_, XML_FALSE);
        }
    }

    XML_Parser parser_ = nullptr;
    TOrcamento* orcamento_ = nullptr;
    const std::string* parte_ = nullptr;
    std::exception_ptr falha_;
    int profundidade_ = 0;
    std::uint64_t ultimoEvento_ = 0;  // where expat's latest event began, in the part's bytes
};

// ---------------------------------------------------------------------------------------------
// The rows of the sheet being read, with the checks every reader shares.

class TMontagem {
  public:
    TMontagem(TTabelaDeTextos& tabela, TOrcamento& orcamento)
        : tabela_(tabela), orcamento_(orcamento) {}

    // A row of the sheet (numbered from 1); its cells follow, at their columns (from 0).
    void linha(std::int64_t numero);
    void celula(std::int64_t coluna, std::string_view texto);
    // Ends the row, kept when it has a cell that is not empty; `vezes` copies of it (a row the
    // file repeats). Each copy is counted against the file's allowance before it is made.
    void fechaLinha(std::int64_t vezes = 1);

  private:
    TTabelaDeTextos& tabela_;
    TOrcamento& orcamento_;
    std::int64_t numero_ = -1;
    std::vector<std::tuple<std::int64_t, std::size_t, std::size_t>> celulas_;
    std::string textos_;
};

// ---------------------------------------------------------------------------------------------
// What the readers of both formats use

// A whole number of at most 18 digits, or nothing.
std::optional<std::int64_t> inteiro(std::optional<std::string_view> texto);
// Throws, through danificada, when a list already holds kMaximoPlanilhas sheets.
void contaPlanilha(std::size_t planilhas);
// The notes on the cells with an error and the formulas without a value.
void notaDasCelulas(TPlanilhaLida& p, std::int64_t erros, std::int64_t semValor);

// The readers of the two formats: the sheet `planilha` (as lePlanilha takes it) into `p`, and the
// names of the sheets alone.
void leXlsx(const TZip& zip, const std::string& planilha, TControle* controle, TPlanilhaLida& p);
std::vector<std::string> planilhasXlsx(const TZip& zip, TControle* controle);
void leOds(const TZip& zip, const std::string& planilha, TControle* controle, TPlanilhaLida& p);
std::vector<std::string> planilhasOds(const TZip& zip, TControle* controle);

}  // namespace planilhas

#include "UPlanilha.h"

#include <expat.h>
#include <zip.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "UErros.h"
#include "UImportacao.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UNumeros.h"

namespace {

// A spreadsheet's own limits: more rows or columns than these is not a sheet but an attack.
constexpr std::int64_t kMaximoLinhas = 1048576;
constexpr std::int64_t kMaximoColunas = 16384;

[[noreturn]] void danificada(const std::string& porque) {
    throw EImportacao("A planilha não pôde ser lida: " + porque + ".");
}

std::string emKiB(std::uint64_t bytes) {
    return bytes >= (std::uint64_t{10} << 20) ? std::to_string(bytes >> 20) + " MiB"
                                              : std::to_string((bytes + 1023) >> 10) + " KiB";
}

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
            danificada("a parte " + parte + " leva o arquivo descomprimido a mais de " +
                       std::to_string(limite_ >> 20) + " MiB");
    }
    // Bytes about to be kept; throws when they would pass what the file may keep.
    void gasta(std::uint64_t bytes) {
        confere(bytes);
        usados_ += bytes;
    }
    void confere(std::uint64_t bytes) const {
        if (usados_ + bytes > permitido())
            throw EMemoriaInsuficiente(
                "A planilha não cabe na memória que o programa se permite usar com ela: até " +
                emKiB(permitido()) + " para as " + emKiB(inflados_) + " de XML lidas até aqui.");
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
    explicit TZip(const std::string& caminho) {
        // Only a regular file: a pipe or a device would block the opening or never end.
        struct stat st {};
        if (::stat(caminho.c_str(), &st) != 0)
            throw EEntradaSaida(mensagemErroArquivo(errno, caminho));
        if (!S_ISREG(st.st_mode))
            throw EEntradaSaida(
                mensagemErroArquivo(S_ISDIR(st.st_mode) ? EISDIR : EACCES, caminho));
        int erro = 0;
        zip_ = zip_open(caminho.c_str(), ZIP_RDONLY, &erro);
        if (zip_ == nullptr) {
            if (erro == ZIP_ER_NOENT) throw EEntradaSaida(mensagemErroArquivo(ENOENT, caminho));
            if (erro == ZIP_ER_OPEN || erro == ZIP_ER_READ)
                throw EEntradaSaida(mensagemErroArquivo(EACCES, caminho));
            danificada("não é um arquivo zip (o .xlsx e o .ods são)");
        }
    }
    ~TZip() { zip_discard(zip_); }
    TZip(const TZip&) = delete;
    TZip& operator=(const TZip&) = delete;

    bool tem(const std::string& nome) const { return zip_name_locate(zip_, nome.c_str(), 0) >= 0; }
    TOrcamento& orcamento() const { return orcamento_; }

    // Hands the inflated bytes of a part to `bloco`, a block at a time, counting them against the
    // file's allowance (a zip bomb stops there, whatever its compressed size).
    void le(const std::string& nome, TControle* controle,
            const std::function<void(const char*, std::size_t, bool)>& bloco) const {
        const zip_int64_t indice = zip_name_locate(zip_, nome.c_str(), 0);
        if (indice < 0) danificada("falta a parte " + nome);
        zip_file_t* arquivo = zip_fopen_index(zip_, static_cast<zip_uint64_t>(indice), 0);
        if (arquivo == nullptr) danificada("a parte " + nome + " não se abre");
        std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> fecha(arquivo, zip_fclose);
        std::vector<char> buffer(std::size_t{1} << 16);
        std::uint64_t total = 0;
        for (;;) {
            if (controle != nullptr && controle->passo()) throw EInterrompido();
            const zip_int64_t n = zip_fread(arquivo, buffer.data(), buffer.size());
            if (n < 0) danificada("a parte " + nome + " está corrompida");
            total += static_cast<std::uint64_t>(n);
            orcamento_.inflou(nome, static_cast<std::uint64_t>(n));
            if (controle != nullptr) controle->anotaPadroes(static_cast<std::int64_t>(total >> 10));
            bloco(buffer.data(), static_cast<std::size_t>(n), n == 0);
            if (n == 0) return;
        }
    }

  private:
    zip_t* zip_ = nullptr;
    mutable TOrcamento orcamento_;
};

// ---------------------------------------------------------------------------------------------
// XML, as expat hands it: element and attribute names are "namespace|local", and only the local
// part is looked at (prefixes vary between writers; the names the readers look for do not
// collide).

std::string_view local(const XML_Char* nome) {
    const std::string_view n(nome);
    const std::size_t barra = n.rfind('|');
    return barra == std::string_view::npos ? n : n.substr(barra + 1);
}

// The value of the attribute whose local name is `nome` (or, with `namespaceContem`, whose
// namespace also contains that text); nothing when absent.
std::optional<std::string_view> atributo(const XML_Char** atributos, std::string_view nome,
                                         std::string_view namespaceContem = {}) {
    for (int i = 0; atributos[i] != nullptr; i += 2) {
        const std::string_view completo(atributos[i]);
        if (local(atributos[i]) != nome) continue;
        if (!namespaceContem.empty() && completo.find(namespaceContem) == std::string_view::npos)
            continue;
        return std::string_view(atributos[i + 1]);
    }
    return std::nullopt;
}

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
    void le(const TZip& zip, const std::string& parte, TControle* controle) {
        std::unique_ptr<std::remove_pointer_t<XML_Parser>, void (*)(XML_Parser)> parser(
            XML_ParserCreateNS(nullptr, '|'), XML_ParserFree);
        if (!parser) throw std::bad_alloc();
        XML_SetUserData(parser.get(), this);
        XML_SetElementHandler(
            parser.get(),
            [](void* eu, const XML_Char* nome, const XML_Char** atributos) {
                static_cast<TLeitorXml*>(eu)->chama([&](TLeitorXml& l) {
                    if (++l.profundidade_ > kMaiorProfundidade)
                        danificada("a parte " + *l.parte_ + " tem elementos aninhados a mais de " +
                                   std::to_string(kMaiorProfundidade) + " níveis");
                    l.abre(local(nome), atributos);
                });
            },
            [](void* eu, const XML_Char* nome) {
                static_cast<TLeitorXml*>(eu)->chama([&](TLeitorXml& l) {
                    --l.profundidade_;
                    l.fecha(local(nome));
                });
            });
        XML_SetCharacterDataHandler(parser.get(), [](void* eu, const XML_Char* s, int n) {
            static_cast<TLeitorXml*>(eu)->chama(
                [&](TLeitorXml& l) { l.texto(std::string_view(s, static_cast<std::size_t>(n))); });
        });
        parser_ = parser.get();
        orcamento_ = &zip.orcamento();
        parte_ = &parte;
        profundidade_ = 0;
        ultimoEvento_ = 0;
        std::string juntos;
        std::uint64_t entregues = 0;
        zip.le(parte, controle, [&](const char* bytes, std::size_t n, bool fim) {
            juntos.append(bytes, n);
            const std::uint64_t pendente = entregues - std::min(entregues, ultimoEvento_);
            if (pendente > kMaiorToken)
                danificada("a parte " + parte + " tem um elemento de mais de " +
                           std::to_string(kMaiorToken >> 20) + " MiB");
            // At most kMaiorToken + kBlocoXml bytes: an int, as XML_Parse takes it.
            if (!fim && juntos.size() < std::max<std::uint64_t>(kBlocoXml, pendente)) return;
            const auto status = XML_Parse(parser.get(), juntos.data(),
                                          static_cast<int>(juntos.size()), fim ? 1 : 0);
            entregues += juntos.size();
            juntos.clear();
            if (status == XML_STATUS_ERROR) {
                if (falha_) std::rethrow_exception(falha_);
                danificada("a parte " + parte + " não é XML válido (linha " +
                           std::to_string(XML_GetCurrentLineNumber(parser.get())) + ": " +
                           XML_ErrorString(XML_GetErrorCode(parser.get())) + ")");
            }
        });
        parser_ = nullptr;
    }

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
    void linha(std::int64_t numero) {
        fechaLinha();
        if (numero > kMaximoLinhas)
            danificada("a planilha passa das " + std::to_string(kMaximoLinhas) + " linhas");
        numero_ = numero;
        celulas_.clear();
        textos_.clear();
    }
    void celula(std::int64_t coluna, std::string_view texto) {
        if (coluna >= kMaximoColunas)
            danificada("a planilha passa das " + std::to_string(kMaximoColunas) + " colunas");
        if (texto.empty()) return;
        orcamento_.confere(textos_.size() + texto.size() + 24 * (celulas_.size() + 1));
        celulas_.emplace_back(coluna, textos_.size(), texto.size());
        textos_ += texto;
    }
    // Ends the row, kept when it has a cell that is not empty; `vezes` copies of it (a row the
    // file repeats). Each copy is counted against the file's allowance before it is made.
    void fechaLinha(std::int64_t vezes = 1) {
        if (numero_ < 0) return;
        if (!celulas_.empty()) {
            std::sort(celulas_.begin(), celulas_.end(),
                      [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
            // A row as the table keeps it: its text, an end for every cell up to the last, the
            // row's own entry.
            const auto largura = static_cast<std::uint64_t>(std::get<0>(celulas_.back()) + 1);
            const std::uint64_t bytesDaLinha = textos_.size() + 8 * largura + 16;
            for (std::int64_t v = 0; v < vezes; ++v) {
                if (numero_ + v > kMaximoLinhas)
                    danificada("a planilha passa das " + std::to_string(kMaximoLinhas) + " linhas");
                orcamento_.gasta(bytesDaLinha);
                tabela_.novaLinha(numero_ + v);
                std::int64_t coluna = 0;
                for (const auto& [c, inicio, tamanho] : celulas_) {
                    for (; coluna < c; ++coluna) tabela_.adicionaCelula({});
                    tabela_.adicionaCelula(std::string_view(textos_).substr(inicio, tamanho));
                    ++coluna;
                }
            }
        }
        numero_ = -1;
    }

  private:
    TTabelaDeTextos& tabela_;
    TOrcamento& orcamento_;
    std::int64_t numero_ = -1;
    std::vector<std::tuple<std::int64_t, std::size_t, std::size_t>> celulas_;
    std::string textos_;
};

// ---------------------------------------------------------------------------------------------
// Office Open XML (.xlsx)

// "A1" → the column (from 0) and the row (from 1).
bool referencia(std::string_view r, std::int64_t& coluna, std::int64_t& linha) {
    std::int64_t c = 0;
    std::size_t i = 0;
    for (; i < r.size() && std::isalpha(static_cast<unsigned char>(r[i])); ++i) {
        c = c * 26 + (std::toupper(static_cast<unsigned char>(r[i])) - 'A' + 1);
        if (c > kMaximoColunas) return false;
    }
    if (i == 0) return false;
    std::int64_t l = 0;
    const std::size_t inicioDigitos = i;
    for (; i < r.size() && std::isdigit(static_cast<unsigned char>(r[i])); ++i) {
        l = l * 10 + (r[i] - '0');
        if (l > kMaximoLinhas) return false;
    }
    if (i != r.size() || i == inicioDigitos) return false;
    coluna = c - 1;
    linha = l;
    return true;
}

std::optional<std::int64_t> inteiro(std::optional<std::string_view> texto) {
    if (!texto || texto->empty() || texto->size() > 18) return std::nullopt;
    std::int64_t n = 0;
    for (const char c : *texto) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

// Whether a number format shows a date or a time: the built-in ones, or a format whose code has
// d, m, y, h or s outside quoted text and [brackets].
bool formatoDeData(int id, std::string_view codigo) {
    if ((id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
        (id >= 50 && id <= 58))
        return true;
    if (codigo.empty()) return false;
    bool aspas = false, colchete = false;
    for (std::size_t i = 0; i < codigo.size(); ++i) {
        const char c = codigo[i];
        if (c == '"')
            aspas = !aspas;
        else if (aspas)
            continue;
        else if (c == '[')
            colchete = true;
        else if (c == ']')
            colchete = false;
        else if (colchete)
            continue;
        else if (c == '\\')
            ++i;
        else if (std::strchr("dmyhsDMYHS", c) != nullptr && c != '\0')
            return true;
    }
    return false;
}

// More sheets than any spreadsheet program makes; a list longer than this is an attack.
constexpr std::size_t kMaximoPlanilhas = 10000;

void contaPlanilha(std::size_t planilhas) {
    if (planilhas >= kMaximoPlanilhas)
        danificada("o arquivo tem mais de " + std::to_string(kMaximoPlanilhas) + " planilhas");
}

class TLivroXlsx : public TLeitorXml {
  public:
    struct TFolha {
        std::string nome, id;
    };
    std::vector<TFolha> folhas;
    bool base1904 = false;

    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "sheet") {
            const auto n = atributo(a, "name");
            const auto id = atributo(a, "id", "relationships");
            contaPlanilha(folhas.size());
            orcamento().gasta(64 + n.value_or("").size() + id.value_or("").size());
            folhas.push_back({std::string(n.value_or("")), std::string(id.value_or(""))});
        } else if (nome == "workbookPr") {
            const auto d = atributo(a, "date1904");
            base1904 = d && (*d == "1" || *d == "true");
        }
    }
    void fecha(std::string_view) override {}
};

class TRelacoes : public TLeitorXml {
  public:
    std::map<std::string, std::string> alvos;
    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome != "Relationship") return;
        const auto id = atributo(a, "Id");
        const auto alvo = atributo(a, "Target");
        if (!id || !alvo) return;
        if (alvos.size() >= 4 * kMaximoPlanilhas)
            danificada("o arquivo tem relações demais entre as suas partes");
        orcamento().gasta(96 + id->size() + alvo->size());
        alvos[std::string(*id)] = std::string(*alvo);
    }
    void fecha(std::string_view) override {}
};

// The shared strings: each <si>, its <t> texts (rich-text runs too), not its phonetic guides.
class TTextosCompartilhados : public TLeitorXml {
  public:
    std::string textos;
    std::vector<std::uint64_t> fins;

    std::string_view texto(std::size_t i) const {
        if (i >= fins.size()) danificada("um texto compartilhado que não existe");
        const std::uint64_t inicio = i == 0 ? 0 : fins[i - 1];
        return std::string_view(textos).substr(inicio, fins[i] - inicio);
    }
    void abre(std::string_view nome, const XML_Char**) override {
        if (nome == "rPh")
            ++fonetico_;
        else if (nome == "t" && fonetico_ == 0)
            dentro_ = true;
    }
    void fecha(std::string_view nome) override {
        if (nome == "rPh")
            --fonetico_;
        else if (nome == "t")
            dentro_ = false;
        else if (nome == "si") {
            if (fins.size() >= kMaximoTextos)
                danificada("o arquivo tem mais de " + std::to_string(kMaximoTextos) +
                           " textos compartilhados");
            orcamento().gasta(8);
            fins.push_back(textos.size());
        }
    }
    void texto(std::string_view s) override {
        if (!dentro_) return;
        orcamento().gasta(s.size());
        textos += s;
    }

  private:
    // Far more distinct texts than a table of patterns has (Excel itself keeps fewer than this
    // in one workbook in practice), and few enough that their list stays small.
    static constexpr std::size_t kMaximoTextos = std::size_t{1} << 24;
    int fonetico_ = 0;
    bool dentro_ = false;
};

// Which cell formats (the s of a cell) show dates.
class TEstilos : public TLeitorXml {
  public:
    std::vector<bool> data;
    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "numFmt") {
            const auto id = inteiro(atributo(a, "numFmtId"));
            const std::string_view codigo = atributo(a, "formatCode").value_or("");
            if (id && *id < 100000) {
                orcamento().gasta(64 + codigo.size());
                codigos_[static_cast<int>(*id)] = std::string(codigo);
            }
        } else if (nome == "cellXfs") {
            dentro_ = true;
        } else if (nome == "xf" && dentro_ && data.size() < 1000000) {
            const int id = static_cast<int>(inteiro(atributo(a, "numFmtId")).value_or(0) % 100000);
            const auto codigo = codigos_.find(id);
            data.push_back(
                formatoDeData(id, codigo == codigos_.end() ? std::string_view() : codigo->second));
        }
    }
    void fecha(std::string_view nome) override {
        if (nome == "cellXfs") dentro_ = false;
    }

  private:
    std::map<int, std::string> codigos_;
    bool dentro_ = false;
};

class TFolhaXlsx : public TLeitorXml {
  public:
    TFolhaXlsx(TMontagem& montagem, const TTextosCompartilhados& compartilhados,
               const TEstilos& estilos, bool base1904)
        : montagem_(montagem),
          compartilhados_(compartilhados),
          estilos_(estilos),
          base1904_(base1904) {}
    std::int64_t erros = 0, semValor = 0;

    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "row") {
            const auto r = inteiro(atributo(a, "r"));
            linha_ = r && *r > linha_ ? *r : linha_ + 1;
            montagem_.linha(linha_);
            coluna_ = -1;
        } else if (nome == "c") {
            std::int64_t c = 0, l = 0;
            const auto r = atributo(a, "r");
            coluna_ = r && referencia(*r, c, l) && c > coluna_ ? c : coluna_ + 1;
            tipo_ = std::string(atributo(a, "t").value_or("n"));
            const auto s = inteiro(atributo(a, "s"));
            data_ = s && static_cast<std::size_t>(*s) < estilos_.data.size() &&
                    estilos_.data[static_cast<std::size_t>(*s)];
            valor_.clear();
            temValor_ = false;
            formula_ = false;
        } else if (nome == "v" || (nome == "t" && tipo_ == "inlineStr")) {
            dentro_ = true;
            temValor_ = true;
        } else if (nome == "f") {
            formula_ = true;
        } else if (nome == "rPh") {
            fonetico_ = true;
        }
    }
    void fecha(std::string_view nome) override {
        if (nome == "v" || nome == "t") {
            dentro_ = false;
        } else if (nome == "rPh") {
            fonetico_ = false;
        } else if (nome == "c") {
            celula();
        } else if (nome == "row") {
            montagem_.fechaLinha();
        }
    }
    void texto(std::string_view s) override {
        if (dentro_ && !fonetico_) {
            orcamento().confere(valor_.size() + s.size());
            valor_ += s;
        }
    }

  private:
    void celula() {
        if (coluna_ < 0) coluna_ = 0;
        // openpyxl and other writers leave <v></v> (or no <v>) under a formula they never computed.
        if (!temValor_ || (formula_ && valor_.empty())) {
            if (formula_) ++semValor;
            return;
        }
        if (tipo_ == "s") {
            const auto i = inteiro(std::string_view(valor_));
            if (!i) danificada("um texto compartilhado sem número");
            montagem_.celula(coluna_, compartilhados_.texto(static_cast<std::size_t>(*i)));
        } else if (tipo_ == "e") {
            ++erros;
        } else if (tipo_ == "b") {
            montagem_.celula(coluna_, valor_ == "1" ? "VERDADEIRO" : "FALSO");
        } else if ((tipo_ == "n" || tipo_.empty()) && data_) {
            try {
                montagem_.celula(coluna_, textoDeData(textoParaDouble(valor_, '.'), base1904_));
            } catch (const EConversao&) {
                montagem_.celula(coluna_, valor_);
            } catch (const EEstouroReal&) {
                montagem_.celula(coluna_, valor_);
            }
        } else {
            montagem_.celula(coluna_, valor_);  // a number, a string, an inline or an ISO date
        }
    }

    TMontagem& montagem_;
    const TTextosCompartilhados& compartilhados_;
    const TEstilos& estilos_;
    bool base1904_;
    std::int64_t linha_ = 0, coluna_ = -1;
    std::string tipo_, valor_;
    bool data_ = false, temValor_ = false, formula_ = false, dentro_ = false, fonetico_ = false;
};

// The part a relationship's target names, from xl/ (or from the root when it starts with "/").
std::string parteDoAlvo(const std::string& alvo) {
    if (!alvo.empty() && alvo.front() == '/') return alvo.substr(1);
    std::string parte = "xl/" + alvo;
    // "xl/../x" and "xl/./x" as a zip names them.
    for (std::size_t p; (p = parte.find("/./")) != std::string::npos;) parte.erase(p, 2);
    return parte;
}

std::size_t escolhe(const std::vector<std::string>& nomes, const std::string& planilha) {
    if (nomes.empty()) danificada("não há nenhuma planilha no arquivo");
    if (planilha.empty()) return 0;
    for (std::size_t i = 0; i < nomes.size(); ++i)
        if (nomes[i] == planilha) return i;
    if (const auto n = inteiro(std::string_view(planilha));
        n && *n >= 1 && static_cast<std::size_t>(*n) <= nomes.size())
        return static_cast<std::size_t>(*n - 1);
    throw EImportacao("O arquivo não tem a planilha \"" + planilha + "\".");
}

void notaDasCelulas(TPlanilhaLida& p, std::int64_t erros, std::int64_t semValor) {
    if (erros == 1)
        p.notas.push_back("1 célula com erro (como #DIV/0!) foi lida como valor ausente.");
    else if (erros > 1)
        p.notas.push_back(std::to_string(erros) +
                          " células com erro (como #DIV/0!) foram lidas como valores ausentes.");
    if (semValor == 1)
        p.notas.push_back(
            "1 fórmula sem valor calculado foi lida como valor ausente (abra e grave "
            "a planilha de novo para calculá-la).");
    else if (semValor > 1)
        p.notas.push_back(std::to_string(semValor) +
                          " fórmulas sem valor calculado foram lidas como valores ausentes "
                          "(abra e grave a planilha de novo para calculá-las).");
}

void leXlsx(const TZip& zip, const std::string& planilha, TControle* controle, TPlanilhaLida& p) {
    TLivroXlsx livro;
    livro.le(zip, "xl/workbook.xml", controle);
    TRelacoes relacoes;
    if (zip.tem("xl/_rels/workbook.xml.rels"))
        relacoes.le(zip, "xl/_rels/workbook.xml.rels", controle);
    for (const auto& f : livro.folhas) p.planilhas.push_back(f.nome);
    p.escolhida = escolhe(p.planilhas, planilha);
    const auto alvo = relacoes.alvos.find(livro.folhas[p.escolhida].id);
    std::string parte = alvo != relacoes.alvos.end()
                            ? parteDoAlvo(alvo->second)
                            : "xl/worksheets/sheet" + std::to_string(p.escolhida + 1) + ".xml";
    if (!zip.tem(parte)) danificada("falta a planilha \"" + p.planilhas[p.escolhida] + "\"");
    TTextosCompartilhados compartilhados;
    if (zip.tem("xl/sharedStrings.xml")) compartilhados.le(zip, "xl/sharedStrings.xml", controle);
    TEstilos estilos;
    if (zip.tem("xl/styles.xml")) estilos.le(zip, "xl/styles.xml", controle);
    TMontagem montagem(p.tabela, zip.orcamento());
    TFolhaXlsx folha(montagem, compartilhados, estilos, livro.base1904);
    folha.le(zip, parte, controle);
    montagem.fechaLinha();
    notaDasCelulas(p, folha.erros, folha.semValor);
}

// ---------------------------------------------------------------------------------------------
// OpenDocument (.ods): content.xml holds every sheet.

class TConteudoOds : public TLeitorXml {
  public:
    TConteudoOds(TMontagem& montagem, const std::string& planilha, std::vector<std::string>& nomes)
        : montagem_(montagem), planilha_(planilha), nomes_(nomes) {}
    std::int64_t erros = 0, semValor = 0;
    std::optional<std::size_t> escolhida;

    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "table" && profundidadeTabela_++ == 0) {
            contaPlanilha(nomes_.size());
            orcamento().gasta(64 + atributo(a, "name").value_or("").size());
            nomes_.emplace_back(atributo(a, "name").value_or(""));
            const std::size_t i = nomes_.size() - 1;
            lendo_ = !escolhida && (planilha_.empty() ? i == 0
                                                      : nomes_[i] == planilha_ ||
                                                            inteiro(std::string_view(planilha_)) ==
                                                                std::optional<std::int64_t>(i + 1));
            if (lendo_) escolhida = i;
            linha_ = 0;
        } else if (!lendo_ || profundidadeTabela_ != 1) {
            return;  // another sheet, or a table inside a cell
        } else if (nome == "table-row") {
            repeticoesLinha_ = std::clamp<std::int64_t>(
                inteiro(atributo(a, "number-rows-repeated")).value_or(1), 1, kMaximoLinhas + 1);
            montagem_.linha(linha_ + 1);
            coluna_ = 0;
        } else if (nome == "table-cell" || nome == "covered-table-cell") {
            repeticoesCelula_ = std::clamp<std::int64_t>(
                inteiro(atributo(a, "number-columns-repeated")).value_or(1), 1, kMaximoColunas + 1);
            const std::string_view tipo = atributo(a, "value-type", "office").value_or("");
            const bool erro =
                atributo(a, "value-type", "calcext") == std::optional<std::string_view>("error");
            valor_.clear();
            textoDaCelula_ = false;
            if (nome == "covered-table-cell") {
                // part of a merged cell: empty
            } else if (erro) {
                ++erros;  // #DIV/0! and the like: missing
            } else if (tipo == "float" || tipo == "percentage" || tipo == "currency") {
                valor_ = atributo(a, "value").value_or("");
            } else if (tipo == "date") {
                valor_ = atributo(a, "date-value").value_or("");
                std::replace(valor_.begin(), valor_.end(), 'T', ' ');
            } else if (tipo == "time") {
                valor_ = atributo(a, "time-value").value_or("");
            } else {
                textoDaCelula_ = true;  // text, a boolean as shown, or a cell without a type
                if (const auto v = atributo(a, "string-value")) {
                    valor_ = *v;
                    textoDaCelula_ = false;
                }
            }
            if (atributo(a, "formula") && tipo.empty() && !erro) ++semValor;
            paragrafos_ = 0;
        } else if (nome == "annotation") {
            ++anotacao_;
        } else if (nome == "p" && textoDaCelula_ && anotacao_ == 0) {
            if (paragrafos_++ > 0) acrescenta("\n");
        } else if (nome == "s" && textoDaCelula_ && anotacao_ == 0) {
            const auto n = std::clamp<std::int64_t>(inteiro(atributo(a, "c")).value_or(1), 1, 1000);
            acrescenta(std::string(static_cast<std::size_t>(n), ' '));
        } else if (nome == "tab" && textoDaCelula_ && anotacao_ == 0) {
            acrescenta("\t");
        } else if (nome == "line-break" && textoDaCelula_ && anotacao_ == 0) {
            acrescenta("\n");
        }
    }
    void fecha(std::string_view nome) override {
        if (nome == "table") {
            if (--profundidadeTabela_ == 0 && lendo_) {
                montagem_.fechaLinha();
                lendo_ = false;
            }
            return;
        }
        if (!lendo_ || profundidadeTabela_ != 1) return;
        if (nome == "annotation") {
            --anotacao_;
        } else if (nome == "table-cell" || nome == "covered-table-cell") {
            if (!valor_.empty())
                for (std::int64_t i = 0; i < repeticoesCelula_; ++i)
                    montagem_.celula(coluna_ + i, valor_);
            coluna_ += repeticoesCelula_;
        } else if (nome == "table-row") {
            montagem_.fechaLinha(repeticoesLinha_);
            linha_ += repeticoesLinha_;
        }
    }
    void texto(std::string_view s) override {
        if (lendo_ && textoDaCelula_ && anotacao_ == 0 && paragrafos_ > 0) acrescenta(s);
    }

  private:
    void acrescenta(std::string_view s) {
        orcamento().confere(valor_.size() + s.size());
        valor_ += s;
    }

    TMontagem& montagem_;
    const std::string& planilha_;
    std::vector<std::string>& nomes_;
    int profundidadeTabela_ = 0, anotacao_ = 0, paragrafos_ = 0;
    bool lendo_ = false, textoDaCelula_ = false;
    std::int64_t linha_ = 0, coluna_ = 0, repeticoesLinha_ = 1, repeticoesCelula_ = 1;
    std::string valor_;
};

void leOds(const TZip& zip, const std::string& planilha, TControle* controle, TPlanilhaLida& p) {
    if (!zip.tem("content.xml")) danificada("falta a parte content.xml");
    TMontagem montagem(p.tabela, zip.orcamento());
    TConteudoOds conteudo(montagem, planilha, p.planilhas);
    conteudo.le(zip, "content.xml", controle);
    if (p.planilhas.empty()) danificada("não há nenhuma planilha no arquivo");
    if (!conteudo.escolhida)
        throw EImportacao("O arquivo não tem a planilha \"" + planilha + "\".");
    p.escolhida = *conteudo.escolhida;
    notaDasCelulas(p, conteudo.erros, conteudo.semValor);
}

bool terminaEm(const std::string& s, std::string_view fim) {
    if (s.size() < fim.size()) return false;
    return std::equal(fim.begin(), fim.end(), s.end() - static_cast<std::ptrdiff_t>(fim.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace

std::size_t TTabelaDeTextos::largura(std::size_t linha) const {
    const std::uint64_t fim = linha + 1 < primeiras_.size() ? primeiras_[linha + 1] : fins_.size();
    return static_cast<std::size_t>(fim - primeiras_[linha]);
}

std::string_view TTabelaDeTextos::celula(std::size_t linha, std::size_t coluna) const {
    if (coluna >= largura(linha)) return {};
    const std::uint64_t i = primeiras_[linha] + coluna;
    const std::uint64_t inicio = i == 0 ? 0 : fins_[i - 1];
    return std::string_view(textos_).substr(inicio, fins_[i] - inicio);
}

void TTabelaDeTextos::novaLinha(std::int64_t numero) {
    primeiras_.push_back(fins_.size());
    numeros_.push_back(numero);
}

void TTabelaDeTextos::adicionaCelula(std::string_view texto) {
    textos_ += texto;
    fins_.push_back(textos_.size());
}

bool ePlanilha(const std::string& caminho) {
    return terminaEm(caminho, ".xlsx") || terminaEm(caminho, ".ods");
}

TPlanilhaLida lePlanilha(const std::string& caminho, const std::string& planilha,
                         TControle* controle) {
    TPlanilhaLida p;
    const TZip zip(caminho);
    if (zip.tem("xl/workbook.xml"))
        leXlsx(zip, planilha, controle, p);
    else if (zip.tem("content.xml"))
        leOds(zip, planilha, controle, p);
    else
        danificada("não é uma planilha .xlsx nem .ods");
    return p;
}

std::vector<std::string> planilhasDoArquivo(const std::string& caminho, TControle* controle) {
    const TZip zip(caminho);
    std::vector<std::string> nomes;
    if (zip.tem("xl/workbook.xml")) {
        TLivroXlsx livro;
        livro.le(zip, "xl/workbook.xml", controle);
        for (const auto& f : livro.folhas) nomes.push_back(f.nome);
    } else if (zip.tem("content.xml")) {
        // The cells are read past, none kept: no sheet is chosen.
        TTabelaDeTextos nenhuma;
        TMontagem montagem(nenhuma, zip.orcamento());
        const std::string semPlanilha = "\x01";
        TConteudoOds conteudo(montagem, semPlanilha, nomes);
        conteudo.le(zip, "content.xml", controle);
    } else {
        danificada("não é uma planilha .xlsx nem .ods");
    }
    return nomes;
}

std::string textoDeData(double serial, bool base1904) {
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465.0)
        return realParaTexto(serial, '.');
    // Days from 1970-01-01: Excel's day 1 is 1900-01-01, and it counts a 29 February 1900 that
    // never was (day 60); the 1904 system counts from 1904-01-01 as day 0.
    auto dia = static_cast<std::int64_t>(std::floor(serial));
    auto segundos =
        static_cast<std::int64_t>(std::llround((serial - std::floor(serial)) * 86400.0));
    if (segundos >= 86400) {
        ++dia;
        segundos -= 86400;
    }
    const std::int64_t desde1970 = base1904 ? dia - 24107 : (dia < 60 ? dia - 25568 : dia - 25569);
    // The civil date of a day count (H. Hinnant's days_from_civil inverted).
    const std::int64_t z = desde1970 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    char texto[160];
    if (segundos == 0)
        std::snprintf(texto, sizeof texto, "%04lld-%02lld-%02lld", static_cast<long long>(y),
                      static_cast<long long>(m), static_cast<long long>(d));
    else
        std::snprintf(texto, sizeof texto, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld",
                      static_cast<long long>(y), static_cast<long long>(m),
                      static_cast<long long>(d), static_cast<long long>(segundos / 3600),
                      static_cast<long long>(segundos / 60 % 60),
                      static_cast<long long>(segundos % 60));
    return texto;
}

#include "UImportacao.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>

#include "UErros.h"
#include "UGravacao.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "UPlanilha.h"

namespace {

constexpr std::size_t kBloco = std::size_t{1} << 20;
constexpr std::size_t kLinhasDaAmostra = 200;
// More columns than any table of patterns has; a record with more is refused before its fields
// can take the memory.
constexpr std::size_t kMaximoColunas = 100000;

std::string naLinha(std::int64_t linha) {
    return "Linha " + std::to_string(linha);
}

// ---------------------------------------------------------------------------------------------
// Text

// Windows-1252 at 0x80..0x9F as Unicode; the rest of the upper half is Latin-1.
constexpr char16_t kCp1252[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                  0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::string utf8DeCp1252(std::string_view bytes) {
    std::string s;
    s.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t u = b < 0x80 ? b : b < 0xA0 ? kCp1252[b - 0x80] : b;
        if (u < 0x80) {
            s += static_cast<char>(u);
        } else if (u < 0x800) {
            s += static_cast<char>(0xC0 | (u >> 6));
            s += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (u >> 12));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return s;
}

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

std::string_view apara(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool igualSemCaixa(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool ausente(std::string_view campo) {
    const std::string_view c = apara(campo);
    return c.empty() || c == "?" || c == "x" || c == "X" || igualSemCaixa(c, "NA") ||
           igualSemCaixa(c, "NaN");
}

// ---------------------------------------------------------------------------------------------
// Numbers

// The value of a numeric field with the file's decimal mark, or nothing.
std::optional<double> numeroDe(std::string_view campo, char decimal) {
    double v = 0.0;
    const char* fim = campo.data() + campo.size();
    if (!campo.empty() && doubleCurto(campo.data(), fim, decimal, v) == fim) return v;
    const std::string_view c = apara(campo);
    if (c.empty() || expoenteSemDigitos(c)) return std::nullopt;
    try {
        return textoParaDouble(c, decimal);
    } catch (const EConversao&) {
        return std::nullopt;
    } catch (const EEstouroReal&) {
        return std::nullopt;  // beyond the double range: reported as not a number it can hold
    }
}

// A number too large for a double (the extended format still holds it).
bool foraDaFaixa(std::string_view campo, char decimal) {
    try {
        armazenaReal(textoParaReal(apara(campo), decimal));
    } catch (const EEstouroReal&) {
        return true;
    } catch (const EConversao&) {
    }
    return false;
}

// A field quoted for a message, cut short when long.
std::string citado(std::string_view campo) {
    const std::string_view c = apara(campo);
    return "\"" + std::string(c.substr(0, 60)) + (c.size() > 60 ? "…\"" : "\"");
}

// A field that looks like a number with `marca` as its decimal mark (digits on at least one side).
bool pareceNumeroCom(std::string_view campo, char marca) {
    const std::string_view c = apara(campo);
    const std::size_t p = c.find(marca);
    if (p == std::string_view::npos) return false;
    std::size_t digitos = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const char x = c[i];
        if (x >= '0' && x <= '9')
            ++digitos;
        else if (i == p)
            continue;
        else if ((x == '-' || x == '+') && i == 0)
            continue;
        else if (x == 'e' || x == 'E')
            break;
        else
            return false;
    }
    return digitos > 0;
}

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
                       std::vector<std::string_view>& campos, std::int64_t& linhas) {
        campos.clear();
        montagem_.clear();
        montadas_.clear();
        const bool espacos = sep_ == kSeparadorEspacos;
        if (espacos)
            while (p != fim && (*p == ' ' || *p == '\t')) ++p;
        for (;;) {
            // One field: a view into the text, or, quoted, put together in montagem_.
            // Blanks before an opening quote are passed over.
            const char* q = p;
            if (!espacos)
                while (q != fim && (*q == ' ' || *q == '\t')) ++q;
            if (q != fim && aspas_ != TAspas::nenhuma &&
                (*q == '"' || (aspas_ == TAspas::ambas && *q == '\''))) {
                const std::size_t inicio = montagem_.size();
                p = q;
                const char aspa = *p++;
                for (;;) {
                    if (p == fim) {
                        if (!ultimo) return nullptr;
                        aspaSemFechar_ = true;
                        break;
                    }
                    if (*p == aspa) {
                        if (p + 1 == fim && !ultimo) return nullptr;
                        if (p + 1 != fim && p[1] == aspa) {
                            montagem_ += aspa;
                            p += 2;
                            continue;
                        }
                        ++p;
                        break;
                    }
                    if (*p == '\n') ++linhas;
                    montagem_ += *p++;
                }
                // Whatever stands between the closing quote and the separator is kept too.
                while (p != fim && *p != sep_ && *p != '\n' && *p != '\r' &&
                       !(espacos && *p == '\t'))
                    montagem_ += *p++;
                // Its place is filled in at the end, when montagem_ has stopped moving.
                montadas_.push_back({campos.size(), inicio, montagem_.size() - inicio});
                campos.emplace_back();
            } else {
                const char* inicio = p;
                p = fimDoCampo(p, fim);
                campos.emplace_back(inicio, static_cast<std::size_t>(p - inicio));
            }
            if (campos.size() > maximo_)
                throw EImportacao(naLinha(linhas_ + 1) + ": mais de " + std::to_string(maximo_) +
                                  " campos, mais do que a importação lê.");
            if (p == fim) {
                if (!ultimo) return nullptr;
                break;
            }
            if (*p == '\n' || *p == '\r') break;
            // A separator: with blanks, a run of them (and none at the end of the line).
            ++p;
            if (espacos) {
                while (p != fim && (*p == ' ' || *p == '\t')) ++p;
                if (p == fim) {
                    if (!ultimo) return nullptr;
                    break;
                }
                if (*p == '\n' || *p == '\r') break;
            }
        }
        // The line end: LF, CR LF or CR alone.
        if (p != fim) {
            if (*p == '\r') {
                if (p + 1 == fim && !ultimo) return nullptr;
                ++p;
                if (p != fim && *p == '\n') ++p;
            } else {
                ++p;
            }
            ++linhas;
        }
        for (const TMontada& m : montadas_)
            campos[m.campo] = std::string_view(montagem_.data() + m.inicio, m.tamanho);
        return p;
    }

  private:
    // Where an unquoted field that starts at p ends. Eight bytes at a time where eight remain
    // (a field's length varies from row to row, and a branch per byte would mispredict at its
    // end): a byte that is x leaves a zero in v ^ (x in every byte), and (w - 0x01...) & ~w &
    // 0x80... marks the lowest zero byte of w exactly (the marks above it may be false).
    const char* fimDoCampo(const char* p, const char* fim) const {
        if constexpr (std::endian::native == std::endian::little) {
            constexpr std::uint64_t kUns = 0x0101010101010101u, kAltos = 0x8080808080808080u;
            const auto zero = [](std::uint64_t w) { return (w - kUns) & ~w & kAltos; };
            const std::uint64_t separador = kUns * static_cast<unsigned char>(sep_);
            const std::uint64_t tab = kUns * (sep_ == kSeparadorEspacos ? '\t' : '\n');
            while (fim - p >= 8) {
                std::uint64_t v;
                std::memcpy(&v, p, sizeof v);
                const std::uint64_t marcas = zero(v ^ (kUns * '\n')) | zero(v ^ (kUns * '\r')) |
                                             zero(v ^ separador) | zero(v ^ tab);
                if (marcas != 0) return p + std::countr_zero(marcas) / 8;
                p += 8;
            }
        }
        while (p != fim && !para_[static_cast<unsigned char>(*p)]) ++p;
        return p;
    }

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
    TLeitorRegistros(const std::string& caminho, char separador, TAspas aspas, TControle* controle)
        : divisor_(separador, aspas, kMaximoColunas),
          controle_(controle),
          limite_(limiteMemoriaDados()),
          caminho_(caminho) {
        fd_ = abreArquivoRegular(caminho, tamanho_);
        buf_.resize(kBloco);
        carrega();
        // A UTF-8 byte order mark is not part of the text.
        if (fim_ >= 3 && std::memcmp(buf_.data(), "\xEF\xBB\xBF", 3) == 0) ini_ = 3;
    }
    ~TLeitorRegistros() { ::close(fd_); }
    TLeitorRegistros(const TLeitorRegistros&) = delete;
    TLeitorRegistros& operator=(const TLeitorRegistros&) = delete;

    // The next record's fields; false at the end of the file. `linha` is the line it starts on.
    bool proximo(std::vector<std::string_view>& campos, std::int64_t& linha) {
        for (;;) {
            if (ini_ == fim_ && eof_) return false;
            linha = linha_ + 1;
            divisor_.defineLinha(linha_);
            std::int64_t linhas = 0;
            const char* fim =
                divisor_.divide(buf_.data() + ini_, buf_.data() + fim_, eof_, campos, linhas);
            if (fim != nullptr) {
                if (divisor_.aspaSemFechar())
                    throw EImportacao(naLinha(linha) +
                                      ": as aspas abertas nesta linha não se fecham até o fim do "
                                      "arquivo.");
                ini_ = static_cast<std::size_t>(fim - buf_.data());
                linha_ += std::max<std::int64_t>(linhas, 1);
                return true;
            }
            carrega();
        }
    }
    std::uint64_t tamanho() const { return tamanho_; }
    bool utf8() const { return utf8_.valido(); }
    // The records from here on split by another separator and quoting.
    void defineModo(char separador, TAspas aspas) { divisor_.defineModo(separador, aspas); }

  private:
    // Reads on after the bytes not yet taken. A record longer than the buffer grows it by half,
    // and the buffer is then filled whole before the record is split again: each split sees half
    // again the bytes of the one before, so the splits of a record of any length add up to a few
    // times its length, not once per block.
    void carrega() {
        if (controle_ != nullptr && controle_->passo()) throw EInterrompido();
        // Half again, not twice: a record of hundreds of megabytes costs its size and a half
        // rather than double, and is still split only a few dozen times.
        abreEspaco(buf_, ini_, fim_, limite_, std::uint64_t{buf_.size()} + buf_.size() / 2,
                   "Um registro da tabela é longo demais");
        std::size_t desdeOPasso = 0;
        while (fim_ < buf_.size()) {
            if (desdeOPasso >= kBloco) {
                desdeOPasso = 0;
                if (controle_ != nullptr && controle_->passo()) throw EInterrompido();
            }
            const ssize_t n = ::read(fd_, buf_.data() + fim_, std::min(buf_.size() - fim_, kBloco));
            if (n > 0) {
                utf8_.le(std::string_view(buf_.data() + fim_, static_cast<std::size_t>(n)));
                fim_ += static_cast<std::size_t>(n);
                desdeOPasso += static_cast<std::size_t>(n);
                lidos_ += static_cast<std::uint64_t>(n);
                if (controle_ != nullptr)
                    controle_->anotaPadroes(static_cast<std::int64_t>(lidos_ >> 10));
                continue;
            }
            if (n == 0) {
                eof_ = true;
                return;
            }
            if (errno != EINTR) falhaDeLeitura(errno, caminho_);
        }
    }

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
std::string inicioDoArquivo(const std::string& caminho, std::size_t bytes) {
    std::uint64_t tamanho = 0;
    const int fd = abreArquivoRegular(caminho, tamanho);
    std::string s(bytes, '\0');
    std::size_t lidos = 0;
    while (lidos < bytes) {
        const ssize_t n = ::read(fd, s.data() + lidos, bytes - lidos);
        if (n > 0)
            lidos += static_cast<std::size_t>(n);
        else if (n == 0 || errno != EINTR)
            break;
    }
    ::close(fd);
    s.resize(lidos);
    if (s.compare(0, 3, "\xEF\xBB\xBF") == 0) s.erase(0, 3);
    return s;
}

// The first records of a text, each a list of fields.
std::vector<std::vector<std::string>> registrosDaAmostra(std::string_view texto, char separador,
                                                         bool completa) {
    // As many fields as the reading takes: a sample of megabytes could otherwise make millions.
    TDivisor divisor(separador, TAspas::duplas, kMaximoColunas);
    std::vector<std::vector<std::string>> registros;
    std::vector<std::string_view> campos;
    const char* p = texto.data();
    const char* fim = p + texto.size();
    while (p != fim && registros.size() < kLinhasDaAmostra) {
        std::int64_t linhas = 0;
        const char* proximo = divisor.divide(p, fim, completa, campos, linhas);
        if (proximo == nullptr) break;
        p = proximo;
        if (campos.size() == 1 && apara(campos[0]).empty()) continue;  // a blank line
        // Only a field's start is judged (is it a number, a name): a field of megabytes is kept
        // to its first kilobyte.
        std::vector<std::string>& r = registros.emplace_back();
        r.reserve(campos.size());
        for (const std::string_view c : campos) r.emplace_back(c.substr(0, 1024));
    }
    return registros;
}

// ---------------------------------------------------------------------------------------------
// Detection

// The separator whose records most often agree on a count of two fields or more; between two
// that agree as often, the one that leaves more fields looking like numbers (so "1,5;2,5" is split
// by ";", and "1.5  2\tum" by the blanks).
char detectaSeparador(std::string_view amostra, bool completa) {
    char melhor = ',';
    std::pair<std::size_t, std::size_t> melhorNota{0, 0};
    for (const char sep : {'\t', ';', ',', kSeparadorEspacos}) {
        std::vector<std::vector<std::string>> registros;
        try {
            registros = registrosDaAmostra(amostra, sep, completa);
        } catch (const EImportacao&) {
            continue;  // more fields than a table has: not this separator
        }
        std::map<std::size_t, std::size_t> contagens;
        for (const auto& r : registros) ++contagens[r.size()];
        std::size_t concordam = 0, campos = 0;
        for (const auto& [n, vezes] : contagens)
            if (n >= 2 && vezes > concordam) {
                concordam = vezes;
                campos = n;
            }
        std::size_t numeros = 0;
        for (const auto& r : registros)
            if (r.size() == campos)
                for (const std::string& c : r)
                    if (numeroDe(c, '.') || numeroDe(c, ',')) ++numeros;
        const std::pair<std::size_t, std::size_t> nota{concordam, numeros};
        if (nota > melhorNota) {
            melhorNota = nota;
            melhor = sep;
        }
    }
    return melhor;
}

char detectaDecimal(const std::vector<std::vector<std::string>>& registros, char separador) {
    bool comPonto = false, comVirgula = false;
    std::string exemploPonto, exemploVirgula;
    for (const auto& r : registros)
        for (const std::string& campo : r) {
            const bool ponto = pareceNumeroCom(campo, '.');
            const bool virgula = pareceNumeroCom(campo, ',');
            if (!ponto && !virgula) {
                // Both marks in one number: a thousands separator.
                const std::string_view c = apara(campo);
                const bool ambos = c.find('.') != std::string_view::npos &&
                                   c.find(',') != std::string_view::npos &&
                                   std::all_of(c.begin(), c.end(), [](char x) {
                                       return (x >= '0' && x <= '9') || x == '.' || x == ',' ||
                                              x == '-' || x == '+';
                                   });
                if (ambos)
                    throw EImportacao("O número " + citado(c) +
                                      " usa separador de milhar, que a importação não adivinha: "
                                      "tire-o no programa de origem (ou escolha a marca decimal).");
                continue;
            }
            if (ponto && exemploPonto.empty()) exemploPonto = campo;
            if (virgula && exemploVirgula.empty()) exemploVirgula = campo;
            comPonto = comPonto || ponto;
            comVirgula = comVirgula || virgula;
        }
    if (comPonto && comVirgula && separador != ',')
        throw EImportacao("A tabela tem números com ponto (" + citado(exemploPonto) +
                          ") e com vírgula (" + citado(exemploVirgula) +
                          "): um deles é separador de milhar, que a importação não adivinha. "
                          "Escolha a marca decimal.");
    if (comPonto) return '.';
    if (comVirgula) return ',';
    return separador == ';' ? ',' : '.';
}

// ---------------------------------------------------------------------------------------------
// Columns and roles

std::optional<std::size_t> colunaPorNome(const std::vector<TColuna>& colunas,
                                         std::string_view nome) {
    for (std::size_t k = 0; k < colunas.size(); ++k)
        if (colunas[k].nome == nome) return k;
    try {
        const std::int32_t n = textoParaInteiro(nome);
        if (n >= 1 && static_cast<std::size_t>(n) <= colunas.size())
            return static_cast<std::size_t>(n - 1);
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

void definePapeis(TImportacao& t, const TOpcoesImportacao& o,
                  std::optional<std::size_t> rotuloPadrao) {
    t.atributos.clear();
    t.colunaRotulo.reset();
    if (o.papeis.size() == t.colunas.size()) {
        for (std::size_t k = 0; k < t.colunas.size(); ++k) {
            TPapel papel = o.papeis[k];
            if (papel == TPapel::rotulo) {
                if (t.colunaRotulo)
                    papel = TPapel::ignorada;  // one label: the first one chosen
                else
                    t.colunaRotulo = k;
            }
            t.colunas[k].papel = papel;
            if (papel == TPapel::atributo) t.atributos.push_back(k);
        }
        if (t.atributos.empty()) throw EImportacao("Escolha ao menos uma coluna como atributo.");
        return;
    }
    for (TColuna& c : t.colunas)
        c.papel = c.numerica && !c.numeraLinhas ? TPapel::atributo : TPapel::ignorada;
    for (const std::string& nome : o.ignorar) {
        const auto k = colunaPorNome(t.colunas, nome);
        if (!k) throw EImportacao("A coluna \"" + nome + "\" a ignorar não existe na tabela.");
        t.colunas[*k].papel = TPapel::ignorada;
    }
    std::optional<std::size_t> rotulo;
    if (o.rotulo) {
        rotulo = colunaPorNome(t.colunas, *o.rotulo);
        if (!rotulo)
            throw EImportacao("A coluna \"" + *o.rotulo + "\" do rótulo não existe na tabela.");
    } else if (!o.semRotulo) {
        rotulo = rotuloPadrao;
        if (!rotulo)
            for (std::size_t k = t.colunas.size(); k-- > 0;)
                if (!t.colunas[k].numerica && std::find(o.ignorar.begin(), o.ignorar.end(),
                                                        t.colunas[k].nome) == o.ignorar.end()) {
                    rotulo = k;
                    break;
                }
    }
    if (rotulo) t.colunas[*rotulo].papel = TPapel::rotulo;
    t.colunaRotulo = rotulo;
    for (std::size_t k = 0; k < t.colunas.size(); ++k)
        if (t.colunas[k].papel == TPapel::atributo) t.atributos.push_back(k);
    if (t.atributos.empty())
        throw EImportacao("A tabela não tem nenhuma coluna numérica para servir de atributo.");
}

// A name fit for the pattern file's header: no "|", "#" or control character, not empty, at most
// 120 bytes (cut between two UTF-8 characters).
std::string nomeDeAtributo(std::string nome, std::size_t k) {
    for (char& c : nome)
        if (c == '|' || c == '#' || static_cast<unsigned char>(c) < 0x20) c = ' ';
    std::string_view a = apara(nome);
    if (a.size() > 120) {
        std::size_t corte = 120;
        while (corte > 0 && (static_cast<unsigned char>(a[corte]) & 0xC0) == 0x80) --corte;
        a = apara(a.substr(0, corte));
    }
    return a.empty() ? "atributo " + std::to_string(k + 1) : std::string(a);
}

// ---------------------------------------------------------------------------------------------
// Rows

// Takes one row of fields into the patterns; false when it is dropped for a missing value.
class TColetor {
  public:
    // The values of as many rows as a file of `bytes` can hold (each value takes two bytes at
    // least) are reserved at once, up to the allowance: pages never written cost nothing, and the
    // values are never copied to a larger block.
    TColetor(TImportacao& t, std::uint64_t bytes, TControle* controle)
        : t_(t), controle_(controle), limite_(limiteMemoriaDados()) {
        const std::uint64_t d = t.atributos.size();
        const std::uint64_t teto = limite_ / sizeof(double);
        t.valores.reserve(std::min(bytes / (2 * d + 1) * d, teto));
    }

    void adiciona(const std::vector<std::string_view>& campos, std::int64_t linha) {
        if (controle_ != nullptr && controle_->passo()) throw EInterrompido();
        ++t_.linhasLidas;
        const std::size_t inicio = t_.valores.size();
        // The values grow by doubling, never past the allowance.
        const std::size_t d = t_.atributos.size();
        if (inicio + d > t_.valores.capacity()) {
            const std::uint64_t teto = limite_ / sizeof(double);
            const std::uint64_t nova = std::min<std::uint64_t>(
                std::max<std::uint64_t>(2 * t_.valores.capacity(), 1024 * d), teto);
            if (inicio + d > nova) throw EMemoriaInsuficiente(semMemoria());
            t_.valores.reserve(nova);
        }
        bool falta = false;
        for (const std::size_t k : t_.atributos) {
            const std::string_view campo = campos[k];
            std::optional<double> v = numeroDe(campo, t_.decimal);
            if (!v) {
                if (!ausente(campo))
                    throw EImportacao(naLinha(linha) + ", coluna " + std::to_string(k + 1) +
                                      " (\"" + t_.colunas[k].nome + "\"): " + citado(campo) +
                                      (foraDaFaixa(campo, t_.decimal)
                                           ? " passa do maior número real."
                                           : " não é um número."));
                ++t_.colunas[k].ausentes;
                falta = true;
                v = std::numeric_limits<double>::quiet_NaN();
            }
            t_.valores.push_back(*v);
        }
        if (falta && t_.ausentes == TAusentes::descartar) {
            t_.valores.resize(inicio);
            ++t_.linhasDescartadas;
            return;
        }
        const std::string_view rotulo =
            t_.colunaRotulo ? apara(campos[*t_.colunaRotulo]) : std::string_view();
        if (rotulo.size() + t_.bytesDosRotulos() + t_.valores.size() * sizeof(double) > limite_)
            throw EMemoriaInsuficiente(semMemoria());
        t_.adicionaRotulo(rotulo);
    }

  private:
    std::string semMemoria() const {
        return "A tabela não cabe na memória que o programa se permite usar (lidas " +
               std::to_string(t_.linhasLidas) + " linhas).";
    }

    TImportacao& t_;
    TControle* controle_;
    std::uint64_t limite_;
};

// The missing values filled with their column's mean, then the scaling.
void completa(TImportacao& t) {
    const std::size_t d = t.atributos.size();
    const std::size_t n = t.padroes();
    for (std::size_t j = 0; j < d; ++j) {
        TColuna& c = t.colunas[t.atributos[j]];
        // Rows with a missing value were dropped, or hold it as NaN.
        const std::size_t presentes =
            t.ausentes == TAusentes::descartar ? n : n - static_cast<std::size_t>(c.ausentes);
        const bool preenche = t.ausentes == TAusentes::media && presentes < n;
        if (!preenche && t.normalizacao != TNormalizacao::z &&
            (t.normalizacao == TNormalizacao::nenhuma || presentes == 0)) {
            if (t.ausentes == TAusentes::manter)
                t.valoresAusentes += static_cast<std::int64_t>(n - presentes);
            continue;  // nothing to compute: no pass over the values
        }
        long double soma = 0.0L;
        for (std::size_t i = 0; i < n; ++i) {
            const double v = t.valores[i * d + j];
            if (!std::isnan(v)) soma += v;
        }
        if (preenche) {
            if (presentes == 0)
                throw EImportacao("A coluna \"" + c.nome +
                                  "\" não tem nenhum valor para tirar a média.");
            const double media = static_cast<double>(soma / static_cast<long double>(presentes));
            for (std::size_t i = 0; i < n; ++i)
                if (std::isnan(t.valores[i * d + j])) {
                    t.valores[i * d + j] = media;
                    ++t.valoresPreenchidos;
                }
        }
        if (t.ausentes == TAusentes::manter)
            t.valoresAusentes += static_cast<std::int64_t>(n - presentes);
        if (t.normalizacao == TNormalizacao::nenhuma || presentes == 0) continue;
        // In the extended format, so that no range of doubles overflows (the span of -1e308 and
        // 1e308 is beyond the double range, not beyond the extended one).
        long double a = 0.0L, b = 1.0L;
        if (t.normalizacao == TNormalizacao::minmax) {
            double minimo = std::numeric_limits<double>::infinity(), maximo = -minimo;
            for (std::size_t i = 0; i < n; ++i) {
                const double v = t.valores[i * d + j];
                if (std::isnan(v)) continue;
                minimo = std::min(minimo, v);
                maximo = std::max(maximo, v);
            }
            a = minimo;
            b = static_cast<long double>(maximo) - minimo;
        } else {
            // The sample standard deviation (n - 1), as R's scale(); one value has none.
            a = soma / static_cast<long double>(presentes);
            long double quadrados = 0.0L;
            for (std::size_t i = 0; i < n; ++i) {
                const double v = t.valores[i * d + j];
                if (!std::isnan(v)) quadrados += (v - a) * (v - a);
            }
            b = presentes > 1 ? std::sqrt(quadrados / static_cast<long double>(presentes - 1))
                              : 0.0L;
        }
        c.a = static_cast<double>(a);
        c.b = static_cast<double>(b);
        if (!std::isfinite(c.b))
            throw EImportacao("A coluna \"" + c.nome +
                              "\" vai de um extremo ao outro dos números reais: não há como "
                              "pô-la na escala.");
        if (!(b > 0.0L)) {
            c.constante = true;
            c.b = 0.0;
            t.notas.push_back("A coluna \"" + c.nome +
                              "\" é constante: na escala ficou toda igual a 0.");
        }
        for (std::size_t i = 0; i < n; ++i) {
            double& v = t.valores[i * d + j];
            if (std::isnan(v)) continue;
            v = c.constante ? 0.0 : static_cast<double>((v - a) / b);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The three formats

// An import of a format, with the choices every format shares (SOM_PAK and ARFF numbers have a
// decimal point, ARFF fields a comma between them).
TImportacao comecaImportacao(TFormatoTabela formato, const TOpcoesImportacao& o) {
    TImportacao t;
    t.formato = formato;
    t.separador = ',';
    t.decimal = '.';
    t.ausentes = o.ausentes;
    t.normalizacao = o.normalizacao;
    return t;
}

// The columns of a table from its first rows (its decimal mark known): whether the first row is
// a header (a column numeric from the second row on is not numeric in the first), their names,
// which are numeric, R's row names, and the roles.
void colunasDaAmostra(TImportacao& t, const std::vector<std::vector<std::string>>& amostra,
                      const TOpcoesImportacao& o) {
    const std::size_t colunas = amostra.front().size();
    // Numeric from the second row on, and in the first?
    std::vector<bool> numerica(colunas, true), temValor(colunas, false);
    for (std::size_t r = 1; r < amostra.size(); ++r)
        for (std::size_t k = 0; k < colunas && k < amostra[r].size(); ++k) {
            if (ausente(amostra[r][k])) continue;
            temValor[k] = true;
            if (!numeroDe(amostra[r][k], t.decimal)) numerica[k] = false;
        }
    bool cabecalho = false;
    for (std::size_t k = 0; k < colunas; ++k)
        if (numerica[k] && temValor[k] && !ausente(amostra[0][k]) &&
            !numeroDe(amostra[0][k], t.decimal))
            cabecalho = true;
    t.cabecalho = o.cabecalho ? *o.cabecalho : cabecalho;
    for (std::size_t k = 0; k < colunas; ++k) {
        TColuna c;
        c.nome =
            t.cabecalho ? std::string(apara(amostra[0][k])) : "coluna " + std::to_string(k + 1);
        if (c.nome.empty()) c.nome = "coluna " + std::to_string(k + 1);
        // Numeric when most of its values in the sample are numbers: a stray text in it is then
        // reported with its line, rather than the whole column quietly left out.
        std::size_t numeros = 0, textos = 0;
        for (std::size_t r = t.cabecalho ? 1 : 0; r < amostra.size(); ++r) {
            if (k >= amostra[r].size() || ausente(amostra[r][k])) continue;
            ++(numeroDe(amostra[r][k], t.decimal) ? numeros : textos);
        }
        c.numerica = numeros > textos;
        t.colunas.push_back(std::move(c));
    }
    // R's write.csv puts the row names first, under an empty name: 1, 2, 3... (rising whole
    // numbers, with gaps when the data frame was a subset).
    if (t.cabecalho && colunas > 1 && apara(amostra[0][0]).empty() && amostra.size() > 1) {
        bool numera = true;
        double anterior = 0.0;
        for (std::size_t r = 1; r < amostra.size() && numera; ++r) {
            const auto v = amostra[r].empty() ? std::nullopt : numeroDe(amostra[r][0], t.decimal);
            numera = v && *v > anterior && *v == std::floor(*v);
            if (v) anterior = *v;
        }
        if (numera) {
            t.colunas[0].numeraLinhas = true;
            t.notas.push_back(
                "A primeira coluna, sem nome, só numera as linhas (como os nomes de linha do R) "
                "e ficou de fora.");
        }
    }
    definePapeis(t, o, std::nullopt);
}

TImportacao importaDelimitado(const std::string& caminho, const TOpcoesImportacao& o,
                              TControle* controle) {
    TImportacao t = comecaImportacao(TFormatoTabela::delimitado, o);
    // The sample holds a few whole records, however wide: a table of thousands of columns has a
    // header and a first row far longer than the usual 256 KiB.
    std::string inicio;
    bool inteira = false;
    for (std::uint64_t bytes = 256 * 1024;; bytes *= 4) {
        inicio = inicioDoArquivo(caminho, static_cast<std::size_t>(bytes));
        inteira = inicio.size() < bytes;
        if (inteira || std::count(inicio.begin(), inicio.end(), '\n') >= 3 ||
            4 * bytes > limiteMemoriaDados())
            break;
    }
    t.separador = o.separador ? *o.separador : detectaSeparador(inicio, inteira);
    const auto amostra = registrosDaAmostra(inicio, t.separador, inteira);
    if (amostra.empty()) throw EImportacao("O arquivo está vazio: não há nenhuma linha de dados.");
    t.decimal = o.decimal ? *o.decimal : detectaDecimal(amostra, t.separador);
    colunasDaAmostra(t, amostra, o);
    const std::size_t colunas = t.colunas.size();
    std::string().swap(inicio);  // a sample of megabytes is not kept through the reading

    TLeitorRegistros leitor(caminho, t.separador, TAspas::duplas, controle);
    TColetor coletor(t, leitor.tamanho(), controle);
    std::vector<std::string_view> campos;
    std::int64_t linha = 0;
    bool primeira = true;
    while (t.linhasLidas < o.maximoLinhas && leitor.proximo(campos, linha)) {
        if (campos.size() == 1 && apara(campos[0]).empty()) continue;  // a blank line
        if (primeira && t.cabecalho) {
            primeira = false;
            continue;
        }
        primeira = false;
        if (campos.size() != colunas)
            throw EImportacao(naLinha(linha) + ": " + std::to_string(campos.size()) +
                              " campos, mas a tabela tem " + std::to_string(colunas) + " colunas.");
        coletor.adiciona(campos, linha);
    }
    t.utf8 = leitor.utf8();
    return t;
}

TImportacao importaPlanilha(const std::string& caminho, const TOpcoesImportacao& o,
                            TControle* controle) {
    TImportacao t = comecaImportacao(TFormatoTabela::planilha, o);
    TPlanilhaLida p = lePlanilha(caminho, o.planilha, controle);
    t.planilhas = std::move(p.planilhas);
    t.planilha = p.escolhida;
    for (std::string& n : p.notas) t.notas.push_back(std::move(n));
    const TTabelaDeTextos& tabela = p.tabela;
    if (tabela.linhas() == 0)
        throw EImportacao("A planilha \"" + t.planilhas[t.planilha] + "\" está vazia.");
    auto cheias = [&](std::size_t r) {
        std::size_t n = 0;
        for (std::size_t c = 0; c < tabela.largura(r); ++c)
            if (!apara(tabela.celula(r, c)).empty()) ++n;
        return n;
    };
    // A title or notes above the table (rows of one cell, where a row further down has more) are
    // passed over; empty rows were never kept.
    std::size_t primeira = 0;
    for (std::size_t r = 0; r < tabela.linhas() && r < 50; ++r)
        if (cheias(r) >= 2) {
            primeira = r;
            break;
        }
    // The columns the table spans: from the first that has a cell to the widest row.
    std::size_t inicio = SIZE_MAX, largura = 0;
    for (std::size_t r = primeira; r < tabela.linhas(); ++r) {
        largura = std::max(largura, tabela.largura(r));
        for (std::size_t c = 0; c < tabela.largura(r) && c < inicio; ++c)
            if (!tabela.celula(r, c).empty()) inicio = c;
    }
    if (tabela.numero(primeira) > 1)
        t.notas.push_back(
            "A tabela começa na linha " + std::to_string(tabela.numero(primeira)) +
            " da planilha: as linhas acima (vazias, ou com um título) foram ignoradas.");
    if (inicio > 0 && inicio != SIZE_MAX)
        t.notas.push_back("As " + std::to_string(inicio) +
                          " primeiras colunas da planilha estão vazias e foram ignoradas.");
    std::vector<std::string_view> campos;
    auto linha = [&](std::size_t r) -> const std::vector<std::string_view>& {
        campos.clear();
        for (std::size_t c = inicio; c < largura; ++c) campos.push_back(tabela.celula(r, c));
        return campos;
    };
    std::vector<std::vector<std::string>> amostra;
    for (std::size_t r = primeira; r < tabela.linhas() && amostra.size() < kLinhasDaAmostra; ++r) {
        const auto& l = linha(r);
        amostra.emplace_back(l.begin(), l.end());
    }
    colunasDaAmostra(t, amostra, o);
    TColetor coletor(t, tabela.bytes(), controle);
    for (std::size_t r = primeira + (t.cabecalho ? 1 : 0);
         r < tabela.linhas() && t.linhasLidas < o.maximoLinhas; ++r)
        coletor.adiciona(linha(r), tabela.numero(r));
    return t;
}

TImportacao importaSompak(const std::string& caminho, const TOpcoesImportacao& o,
                          TControle* controle) {
    TImportacao t = comecaImportacao(TFormatoTabela::sompak, o);
    t.separador = kSeparadorEspacos;
    TLeitorLinhas leitor(caminho, controle);
    // The line reader drops a CR that no LF follows, which would glue an old Macintosh file's
    // lines together into numbers that are not there.
    if (const std::string inicio = inicioDoArquivo(caminho, 64 * 1024);
        inicio.find('\n') == std::string::npos && inicio.find('\r') != std::string::npos &&
        inicio.find('\r') + 1 < inicio.size())
        throw EImportacao(
            "As linhas deste arquivo terminam só com CR (como nos Macintosh antigos): grave-o com "
            "LF ou CR LF no fim das linhas.");
    std::int32_t dimensao = -1;
    std::vector<std::string> nomes;
    bool notouPalavras = false;
    std::optional<TColetor> coletor;
    // The dimension's columns, named by the "#n" line, and one more for what follows the values:
    // the label unless chosen otherwise.
    auto colunas = [&] {
        for (std::int32_t k = 0; k < dimensao; ++k) {
            TColuna c;
            c.nome = static_cast<std::size_t>(k) < nomes.size()
                         ? nomes[static_cast<std::size_t>(k)]
                         : "atributo " + std::to_string(k + 1);
            c.numerica = true;
            t.colunas.push_back(std::move(c));
        }
        TColuna r;
        r.nome = "rótulo";
        t.colunas.push_back(std::move(r));
        definePapeis(t, o, static_cast<std::size_t>(dimensao));
    };
    std::vector<std::string_view> campos;
    std::vector<std::string_view> tokens;
    std::string rotulo;
    TValidaUtf8 utf8;
    while (!leitor.fimDoArquivo() && t.linhasLidas < o.maximoLinhas) {
        const std::string_view linha = leitor.proximaLinha();
        utf8.le(linha);
        const std::int64_t numero = leitor.numeroLinha();
        tokens.clear();
        for (std::size_t i = 0; i < linha.size();) {
            while (i < linha.size() && (linha[i] == ' ' || linha[i] == '\t')) ++i;
            const std::size_t ini = i;
            while (i < linha.size() && linha[i] != ' ' && linha[i] != '\t') ++i;
            if (i > ini) tokens.push_back(linha.substr(ini, i - ini));
            if (tokens.size() > static_cast<std::size_t>(std::max(dimensao, 0)) + kMaximoColunas)
                throw EImportacao(naLinha(leitor.numeroLinha()) + ": valores demais numa linha.");
        }
        if (tokens.empty()) continue;
        if (tokens[0].front() == '#') {
            if (tokens[0] == "#n")
                for (std::size_t k = 1; k < tokens.size(); ++k) nomes.emplace_back(tokens[k]);
            continue;
        }
        if (dimensao < 0) {
            try {
                dimensao = textoParaInteiro(tokens[0]);
            } catch (const std::exception&) {
                dimensao = 0;
            }
            if (dimensao < 1)
                throw EImportacao(naLinha(numero) +
                                  ": a primeira linha de um arquivo SOM_PAK deve ser a dimensão "
                                  "(um número inteiro positivo), e não " +
                                  citado(tokens[0]) + ".");
            if (static_cast<std::size_t>(dimensao) > kMaximoColunas)
                throw EImportacao(naLinha(numero) + ": a dimensão " + std::to_string(dimensao) +
                                  " passa das " + std::to_string(kMaximoColunas) +
                                  " colunas que a importação lê.");
            continue;
        }
        if (tokens.size() < static_cast<std::size_t>(dimensao))
            throw EImportacao(naLinha(numero) + ": " + std::to_string(tokens.size()) +
                              " valores, mas a dimensão é " + std::to_string(dimensao) + ".");
        // What follows the values: the label, and keywords (weight=2, fixed=1,2) read and ignored.
        rotulo.clear();
        for (std::size_t k = static_cast<std::size_t>(dimensao); k < tokens.size(); ++k) {
            if (tokens[k].find('=') != std::string_view::npos) {
                notouPalavras = true;
                continue;
            }
            if (!rotulo.empty()) rotulo += ' ';
            rotulo += tokens[k];
        }
        campos.assign(tokens.begin(), tokens.begin() + dimensao);
        campos.emplace_back(rotulo);
        if (!coletor) {
            colunas();  // the names are known by the first pattern
            coletor.emplace(t, leitor.tamanhoArquivo(), controle);
        }
        coletor->adiciona(campos, numero);
    }
    if (dimensao < 0) throw EImportacao("O arquivo está vazio: não há a linha da dimensão.");
    if (!coletor) colunas();
    if (notouPalavras)
        t.notas.push_back(
            "Palavras-chave do SOM_PAK depois dos valores (como weight= ou fixed=) foram lidas e "
            "ignoradas.");
    t.utf8 = utf8.valido();
    return t;
}

TImportacao importaArff(const std::string& caminho, const TOpcoesImportacao& o,
                        TControle* controle) {
    TImportacao t = comecaImportacao(TFormatoTabela::arff, o);
    // The header, up to @data, a whole line at a time (no separator, no quotes).
    TLeitorRegistros leitor(caminho, '\0', TAspas::nenhuma, controle);
    std::optional<std::size_t> ultimoNominal;
    std::vector<std::string_view> campos;
    std::int64_t linha = 0;
    std::string texto;
    for (;;) {
        if (!leitor.proximo(campos, linha))
            throw EImportacao("O arquivo ARFF não tem a seção @data.");
        texto.clear();
        for (std::size_t k = 0; k < campos.size(); ++k) (texto += k > 0 ? " " : "") += campos[k];
        const std::string_view l = apara(texto);
        if (l.empty() || l.front() == '%') continue;
        const std::size_t espaco = l.find_first_of(" \t");
        const std::string_view palavra = l.substr(0, espaco);
        std::string_view resto =
            espaco == std::string_view::npos ? std::string_view() : apara(l.substr(espaco));
        if (igualSemCaixa(palavra, "@relation")) continue;
        if (igualSemCaixa(palavra, "@data")) break;
        if (!igualSemCaixa(palavra, "@attribute"))
            throw EImportacao(naLinha(linha) + ": \"" + std::string(palavra.substr(0, 80)) +
                              "\" não é uma declaração do ARFF (@relation, @attribute ou @data).");
        if (t.colunas.size() == kMaximoColunas)
            throw EImportacao(naLinha(linha) + ": mais de " + std::to_string(kMaximoColunas) +
                              " atributos, mais do que a importação lê.");
        // The name, maybe quoted, then the type.
        std::string nome;
        if (!resto.empty() && (resto.front() == '\'' || resto.front() == '"')) {
            const std::size_t fecha = resto.find(resto.front(), 1);
            if (fecha == std::string_view::npos)
                throw EImportacao(naLinha(linha) + ": falta fechar as aspas do nome do atributo.");
            nome = std::string(resto.substr(1, fecha - 1));
            resto = apara(resto.substr(fecha + 1));
        } else {
            const std::size_t fim = resto.find_first_of(" \t");
            nome = std::string(resto.substr(0, fim));
            resto = fim == std::string_view::npos ? std::string_view() : apara(resto.substr(fim));
        }
        TColuna c;
        c.nome = nome;
        if (!resto.empty() && resto.front() == '{') {
            ultimoNominal = t.colunas.size();
        } else if (igualSemCaixa(resto, "numeric") || igualSemCaixa(resto, "real") ||
                   igualSemCaixa(resto, "integer")) {
            c.numerica = true;
        } else if (!igualSemCaixa(resto.substr(0, 6), "string") &&
                   !igualSemCaixa(resto.substr(0, 4), "date")) {
            throw EImportacao(naLinha(linha) + ": o tipo \"" + std::string(resto.substr(0, 80)) +
                              "\" do atributo \"" + nome +
                              "\" não é lido (numeric, real, integer, {…}, string ou date).");
        }
        t.colunas.push_back(std::move(c));
    }
    if (t.colunas.empty()) throw EImportacao("O arquivo ARFF não declara nenhum atributo.");
    // A nominal attribute is the label unless another column was asked for.
    definePapeis(t, o, ultimoNominal);
    // The data: comma-separated, quotes single or double, "?" missing, "%" comments.
    leitor.defineModo(',', TAspas::ambas);
    TColetor coletor(t, leitor.tamanho(), controle);
    while (t.linhasLidas < o.maximoLinhas && leitor.proximo(campos, linha)) {
        if (campos.size() == 1 && apara(campos[0]).empty()) continue;
        const std::string_view primeiro = apara(campos[0]);
        if (!primeiro.empty() && primeiro.front() == '%') continue;
        if (!primeiro.empty() && primeiro.front() == '{')
            throw EImportacao(naLinha(linha) + ": linhas esparsas do ARFF ({…}) não são lidas.");
        if (campos.size() != t.colunas.size())
            throw EImportacao(naLinha(linha) + ": " + std::to_string(campos.size()) +
                              " valores, mas o ARFF declara " + std::to_string(t.colunas.size()) +
                              " atributos.");
        coletor.adiciona(campos, linha);
    }
    t.utf8 = leitor.utf8();
    return t;
}

// ---------------------------------------------------------------------------------------------
// Writing

// A label's character as a pattern line holds it: "|" kept, "#" and control characters (line
// breaks, and the Ctrl-Z that ends a line's text for the reader) become blanks.
char caractereDeRotulo(char c) {
    return c == '#' || static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
}

std::string rotuloParaArquivo(std::string_view rotulo) {
    std::string s(rotulo);
    for (char& c : s) c = caractereDeRotulo(c);
    return s;
}

}  // namespace

TFormatoTabela formatoPeloNome(const std::string& caminho) {
    const std::size_t ponto = caminho.find_last_of('.');
    const std::size_t barra = caminho.find_last_of('/');
    if (ponto == std::string::npos || (barra != std::string::npos && ponto < barra))
        return TFormatoTabela::delimitado;
    const std::string ext = caminho.substr(ponto + 1);
    if (igualSemCaixa(ext, "dat")) return TFormatoTabela::sompak;
    if (igualSemCaixa(ext, "arff")) return TFormatoTabela::arff;
    if (igualSemCaixa(ext, "xlsx") || igualSemCaixa(ext, "ods")) return TFormatoTabela::planilha;
    return TFormatoTabela::delimitado;
}

std::string cabecalhoDosPadroes(const TImportacao& t) {
    std::string s = std::to_string(t.padroes()) + "|" + std::to_string(t.atributos.size()) + "#";
    for (std::size_t j = 0; j < t.atributos.size(); ++j) {
        const std::string& nome = t.colunas[t.atributos[j]].nome;
        s += (j > 0 ? "|" : "") + nomeDeAtributo(nome, j);
    }
    return s;
}

std::string_view TImportacao::rotulo(std::size_t i) const {
    const std::uint64_t inicio = i == 0 ? 0 : fimRotulos_[i - 1];
    return std::string_view(rotulos_).substr(inicio, fimRotulos_[i] - inicio);
}

void TImportacao::adicionaRotulo(std::string_view texto) {
    rotulos_ += texto;
    fimRotulos_.push_back(rotulos_.size());
}

void TImportacao::textosDeCp1252() {
    for (TColuna& c : colunas) c.nome = utf8DeCp1252(c.nome);
    std::string rotulos;
    std::vector<std::uint64_t> fins;
    fins.reserve(fimRotulos_.size());
    for (std::size_t i = 0; i < fimRotulos_.size(); ++i) {
        rotulos += utf8DeCp1252(rotulo(i));
        fins.push_back(rotulos.size());
    }
    rotulos_ = std::move(rotulos);
    fimRotulos_ = std::move(fins);
}

TImportacao importaTabela(const std::string& caminho, const TOpcoesImportacao& o,
                          TControle* controle) {
    const TFormatoTabela formato = o.formato ? *o.formato : formatoPeloNome(caminho);
    TImportacao t = formato == TFormatoTabela::planilha ? importaPlanilha(caminho, o, controle)
                    : formato == TFormatoTabela::sompak ? importaSompak(caminho, o, controle)
                    : formato == TFormatoTabela::arff   ? importaArff(caminho, o, controle)
                                                        : importaDelimitado(caminho, o, controle);
    if (t.padroes() == 0 && t.linhasDescartadas == 0)
        throw EImportacao("O arquivo não tem nenhuma linha de dados.");
    if (t.padroes() == 0)
        throw EImportacao(
            "Nenhum padrão restou depois de descartar as linhas com valores ausentes.");
    if (!t.utf8) t.textosDeCp1252();
    completa(t);
    return t;
}

namespace {

// m / 10^k with the comma k digits in, "0," before a pure fraction, "-" when negativo, written
// at `saida` (m below 10^16, k at most 4); returns where it ends.
char* escreveDecimal(char* saida, std::uint64_t m, int k, bool negativo) {
    static constexpr std::uint64_t kPotencias[] = {1u,
                                                   10u,
                                                   100u,
                                                   1000u,
                                                   10000u,
                                                   100000u,
                                                   1000000u,
                                                   10000000u,
                                                   100000000u,
                                                   1000000000u,
                                                   10000000000u,
                                                   100000000000u,
                                                   1000000000000u,
                                                   10000000000000u,
                                                   100000000000000u,
                                                   1000000000000000u};
    int digitos = 1;
    while (digitos < 16 && m >= kPotencias[digitos]) ++digitos;
    if (digitos <= k) digitos = k + 1;  // "0," and the zeros after the comma
    if (negativo) *saida++ = '-';
    // The integer part, then the fraction, each written from its right end.
    const int inteiros = digitos - k;
    std::uint64_t parteInteira = m / kPotencias[k];
    std::uint64_t fracao = m - parteInteira * kPotencias[k];
    char* p = saida + inteiros;
    for (int i = 0; i < inteiros; ++i) {
        *--p = static_cast<char>('0' + parteInteira % 10);
        parteInteira /= 10;
    }
    saida += inteiros;
    if (k == 0) return saida;
    *saida++ = ',';
    for (int i = k - 1; i >= 0; --i) {
        saida[i] = static_cast<char>('0' + fracao % 10);
        fracao /= 10;
    }
    return saida + k;
}

// m / 10^4 (m below 10^15) as escreveDecimal writes it. The values a table holds are mostly
// below 100 with a few decimals, in digits that vary at random: those are put together in one
// 64-bit word (at most seven bytes) without a branch that depends on their digits, and stored at
// once; the rest go to escreveDecimal.
char* escreveDezMilesimos(char* saida, std::uint64_t m, bool negativo) {
    static constexpr char kPares[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    const std::uint64_t inteira = m / 10000;
    const auto fracao = static_cast<std::uint32_t>(m - inteira * 10000);
    if constexpr (std::endian::native == std::endian::little) {
        if (inteira < 100) {
            const auto par = [](std::uint64_t n) {
                std::uint16_t dois;
                std::memcpy(&dois, kPares + 2 * n, 2);
                return std::uint64_t{dois};
            };
            const int um = inteira < 10 ? 1 : 0;  // a conditional move, not a branch
            const int digitos = 2 - um;
            // ",dddd", cut after its last digit that is not 0 (nothing for a whole number).
            const std::uint64_t virgula =
                std::uint64_t{','} | par(fracao / 100) << 8 | par(fracao % 100) << 24;
            const int zeros = (fracao % 10 == 0) + (fracao % 100 == 0) + (fracao % 1000 == 0);
            const int decimais = fracao != 0 ? 5 - zeros : 0;
            const std::uint64_t palavra = (par(inteira) >> (8 * um)) | virgula << (8 * digitos);
            *saida = '-';
            saida += negativo ? 1 : 0;
            std::memcpy(saida, &palavra, 8);
            return saida + digitos + decimais;
        }
    }
    int k = 4;
    while (k > 0 && m % 10 == 0) {
        m /= 10;
        --k;
    }
    return escreveDecimal(saida, m, k, negativo);
}

// Whether a is the double nearest to m / 10^4 (m >= 1 and below 2^50), as the division
// m / 10^4 == a would say, in integers: with a = f / 2^s, the distance m / 10^4 - a scaled by
// 10^4 x 2^s is D = m 2^s - 10^4 f, and half an ulp of a is 5000 on that scale (2500 below a
// power of two, whose lower neighbour is closer); a tie goes to the even f.
bool maisProximoDeDezMilesimos(double a, std::uint64_t m) {
    __extension__ using Inteiro128 = __int128;
    std::uint64_t bits;
    std::memcpy(&bits, &a, sizeof bits);
    const int expoente = static_cast<int>(bits >> 52);
    const int s = 1075 - expoente;
    if (expoente == 0 || s <= 0 || s > 70 || m == 0 || m >= (std::uint64_t{1} << 50))
        return m != 0 && static_cast<double>(m) / 1e4 == a;
    const std::uint64_t f = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const Inteiro128 d = (static_cast<Inteiro128>(m) << s) - static_cast<Inteiro128>(f) * 10000;
    const bool par = (f & 1) == 0;
    if (d >= 0) return d < 5000 || (d == 5000 && par);
    if (f == (std::uint64_t{1} << 52)) return -d <= 2500;
    return -d < 5000 || (-d == 5000 && par);
}

// The text of a value, written at `saida` (room for kMaximoTextoValor bytes); returns where it
// ends.
constexpr std::size_t kMaximoTextoValor = 32;
char* escreveValorEm(char* saida, double v) {
    // A short decimal m / 10^k (k <= 4, m < 10^15) whose nearest double v is: its digits with the
    // comma put in are the text the conversion writes (the 15-digit rounding of v gives m / 10^k
    // back), without the conversion's cost. However m is found, the division proves it.
    //
    // Below 10^11, v x 10^4 lands within 1/4 of the m' = m x 10^(4 - k) of any such decimal, so
    // one rounding finds it; the zeros m' ends in give k back. Larger values try each k.
    const double a = std::fabs(v);
    if (a > 0.0 && a < 1e15) {
        static constexpr double kPotencias[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
        if (a * 1e4 < 1e15) {
            const auto m = static_cast<std::uint64_t>(a * 1e4 + 0.5);
            if (maisProximoDeDezMilesimos(a, m)) return escreveDezMilesimos(saida, m, v < 0);
        } else {
            for (int k = 0; k <= 3; ++k) {
                const double escalado = a * kPotencias[k];
                if (escalado >= 1e15) break;
                const auto m = static_cast<std::uint64_t>(escalado + 0.5);
                if (static_cast<double>(m) / kPotencias[k] == a)
                    return escreveDecimal(saida, m, k, v < 0);
            }
        }
    }
    const std::string texto = realParaTexto(v, ',');
    const std::size_t n = std::min(texto.size(), kMaximoTextoValor);
    std::memcpy(saida, texto.data(), n);
    return saida + n;
}

}  // namespace

void escreveValor(std::string& saida, double v) {
    char texto[kMaximoTextoValor];
    saida.append(texto, static_cast<std::size_t>(escreveValorEm(texto, v) - texto));
}

std::vector<std::string> relatorioDaImportacao(const TImportacao& t) {
    std::vector<std::string> r;
    const char* formatos[] = {"texto delimitado", "SOM_PAK (.dat)", "ARFF", "planilha"};
    std::string linha = std::string("Formato: ") + formatos[static_cast<int>(t.formato)];
    if (t.formato == TFormatoTabela::planilha && t.planilha < t.planilhas.size())
        linha += " \"" + t.planilhas[t.planilha] + "\" (" + std::to_string(t.planilha + 1) +
                 " de " + std::to_string(t.planilhas.size()) +
                 "); cabeçalho: " + (t.cabecalho ? "sim" : "não");
    if (t.formato == TFormatoTabela::delimitado) {
        const std::string sep = t.separador == ';'    ? "ponto e vírgula"
                                : t.separador == ','  ? "vírgula"
                                : t.separador == '\t' ? "tabulação"
                                                      : "espaços";
        linha += "; separador: " + sep +
                 "; marca decimal: " + (t.decimal == ',' ? "vírgula" : "ponto") +
                 "; cabeçalho: " + (t.cabecalho ? "sim" : "não");
    }
    if (t.formato != TFormatoTabela::planilha)
        linha += std::string("; codificação: ") + (t.utf8 ? "UTF-8" : "Windows-1252");
    r.push_back(linha);
    std::string atributos;
    for (const std::size_t k : t.atributos)
        atributos += (atributos.empty() ? "" : ", ") + t.colunas[k].nome;
    r.push_back("Atributos (" + std::to_string(t.atributos.size()) + "): " + atributos);
    r.push_back(t.colunaRotulo ? "Rótulo: " + t.colunas[*t.colunaRotulo].nome
                               : std::string("Rótulo: nenhum"));
    std::string ignoradas;
    for (const TColuna& c : t.colunas)
        if (c.papel == TPapel::ignorada) ignoradas += (ignoradas.empty() ? "" : ", ") + c.nome;
    if (!ignoradas.empty()) r.push_back("Colunas ignoradas: " + ignoradas);
    r.push_back("Linhas lidas: " + std::to_string(t.linhasLidas) +
                "; padrões: " + std::to_string(t.padroes()));
    for (const TColuna& c : t.colunas)
        if (c.ausentes > 0)
            r.push_back("Valores ausentes em \"" + c.nome + "\": " + std::to_string(c.ausentes));
    if (t.linhasDescartadas > 0)
        r.push_back("Linhas descartadas por valores ausentes: " +
                    std::to_string(t.linhasDescartadas));
    if (t.valoresPreenchidos > 0)
        r.push_back("Valores ausentes preenchidos com a média da coluna: " +
                    std::to_string(t.valoresPreenchidos));
    if (t.valoresAusentes > 0)
        r.push_back("Valores ausentes mantidos: " + std::to_string(t.valoresAusentes));
    if (t.normalizacao != TNormalizacao::nenhuma)
        r.push_back(t.normalizacao == TNormalizacao::minmax
                        ? "Normalização: mínimo e máximo para [0, 1]"
                        : "Normalização: escore z (desvio-padrão amostral)");
    for (const std::string& n : t.notas) r.push_back(n);
    return r;
}

std::vector<std::vector<std::string>> padroesDaPrevia(const TImportacao& t, std::size_t quantas) {
    std::vector<std::vector<std::string>> padroes;
    const std::size_t d = t.atributos.size();
    for (std::size_t i = 0; i < t.padroes() && i < quantas; ++i) {
        std::vector<std::string> celulas;
        for (std::size_t j = 0; j < d; ++j) {
            std::string valor;
            if (std::isnan(t.valores[i * d + j]))
                valor = "?";
            else
                escreveValor(valor, t.valores[i * d + j]);
            celulas.push_back(std::move(valor));
        }
        celulas.push_back(rotuloParaArquivo(t.rotulo(i)));
        padroes.push_back(std::move(celulas));
    }
    return padroes;
}

bool mesmoArquivo(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

void gravaPadroes(const TImportacao& t, const std::string& caminho) {
    const bool sompak = formatoPeloNome(caminho) == TFormatoTabela::sompak;
    const std::size_t d = t.atributos.size();
    if (!sompak &&
        std::any_of(t.valores.begin(), t.valores.end(), [](double v) { return std::isnan(v); }))
        throw EImportacao(
            "Um arquivo de padrões não guarda valores ausentes: escolha descartar as linhas "
            "ou preencher com a média (ou grave um .dat do SOM_PAK).");
    TGravacaoEmPartes gravacao(caminho);
    std::string bloco;
    auto despeja = [&](bool sempre) {
        if (sempre || bloco.size() >= (std::size_t{1} << 20)) {
            gravacao.escreve(bloco);
            bloco.clear();
        }
    };
    if (sompak) {
        bloco = std::to_string(d) + "\n#n";
        for (const std::size_t k : t.atributos) {
            std::string nome = t.colunas[k].nome;
            std::replace(nome.begin(), nome.end(), ' ', '_');
            bloco += ' ' + nome;
        }
        bloco += '\n';
        for (std::size_t i = 0; i < t.padroes(); ++i) {
            for (std::size_t j = 0; j < d; ++j) {
                const double v = t.valores[i * d + j];
                if (j > 0) bloco += ' ';
                if (std::isnan(v)) {
                    bloco += 'x';
                } else {
                    char numero[32];
                    std::snprintf(numero, sizeof numero, "%.17g", v);
                    bloco += numero;
                }
            }
            std::string rotulo = rotuloParaArquivo(t.rotulo(i));
            std::replace(rotulo.begin(), rotulo.end(), ' ', '_');
            if (!rotulo.empty()) bloco += ' ' + rotulo;
            bloco += '\n';
            despeja(false);
        }
    } else {
        // The pattern lines go straight into a block of bytes, flushed when the next line might
        // not fit.
        gravacao.escreve(cabecalhoDosPadroes(t) + "\n");
        std::string linhas(std::size_t{1} << 20, '\0');
        std::size_t usado = 0;
        for (std::size_t i = 0; i < t.padroes(); ++i) {
            const std::string_view rotulo = t.rotulo(i);
            const std::size_t maximo = d * (kMaximoTextoValor + 1) + rotulo.size() + 2;
            if (usado + maximo > linhas.size()) {
                gravacao.escreve(std::string_view(linhas.data(), usado));
                usado = 0;
                if (maximo > linhas.size()) linhas.resize(maximo);
            }
            char* p = linhas.data() + usado;
            for (std::size_t j = 0; j < d; ++j) {
                p = escreveValorEm(p, t.valores[i * d + j]);
                *p++ = '|';
            }
            for (const char c : rotulo)
                *p++ = c == '#' || static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
            *p++ = '#';
            *p++ = '\n';
            usado = static_cast<std::size_t>(p - linhas.data());
        }
        gravacao.escreve(std::string_view(linhas.data(), usado));
        if (t.normalizacao != TNormalizacao::nenhuma)
            for (std::size_t j = 0; j < d; ++j) {
                const TColuna& c = t.colunas[t.atributos[j]];
                bloco += "#norvika-escala|" + std::to_string(j + 1) + "|" +
                         (t.normalizacao == TNormalizacao::minmax ? "minmax" : "z") + "|" +
                         realParaTexto(c.a, ',') + "|" + realParaTexto(c.b, ',') + "\n";
            }
    }
    despeja(true);
    gravacao.conclui();
}

std::vector<TEscala> leEscala(const std::string& caminho, std::int32_t dimensao) {
    std::vector<TEscala> escala;
    if (dimensao <= 0) return escala;
    std::uint64_t tamanho = 0;
    int fd = -1;
    try {
        fd = abreArquivoRegular(caminho, tamanho);
    } catch (const EEntradaSaida&) {
        return escala;
    }
    // The scaling lines stand at the very end: its last megabyte is read.
    const std::uint64_t bytes = std::min<std::uint64_t>(tamanho, std::uint64_t{1} << 20);
    std::string cauda(bytes, '\0');
    const ssize_t lidos = ::pread(fd, cauda.data(), bytes, static_cast<off_t>(tamanho - bytes));
    ::close(fd);
    cauda.resize(lidos > 0 ? static_cast<std::size_t>(lidos) : 0);
    std::vector<std::optional<TEscala>> achadas(static_cast<std::size_t>(dimensao));
    std::size_t p = 0;
    while ((p = cauda.find("#norvika-escala|", p)) != std::string::npos) {
        if (p > 0 && cauda[p - 1] != '\n') {
            ++p;
            continue;
        }
        const std::size_t fim = cauda.find_first_of("\r\n", p);
        std::string_view linha = std::string_view(cauda).substr(
            p, fim == std::string::npos ? std::string::npos : fim - p);
        p = fim == std::string::npos ? cauda.size() : fim;
        std::vector<std::string_view> campos;
        for (std::size_t i = 0; i <= linha.size();) {
            const std::size_t barra = linha.find('|', i);
            campos.push_back(linha.substr(
                i, barra == std::string_view::npos ? std::string_view::npos : barra - i));
            if (barra == std::string_view::npos) break;
            i = barra + 1;
        }
        if (campos.size() != 5) continue;
        try {
            const std::int32_t k = textoParaInteiro(campos[1]);
            if (k < 1 || k > dimensao) continue;
            achadas[static_cast<std::size_t>(k - 1)] =
                TEscala{textoParaDouble(campos[3], ','), textoParaDouble(campos[4], ',')};
        } catch (const std::exception&) {
        }
    }
    for (const auto& e : achadas) {
        if (!e) return {};
        escala.push_back(*e);
    }
    return escala;
}

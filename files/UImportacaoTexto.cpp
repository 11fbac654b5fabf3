// The import of delimited text: its records, read a block at a time, and the detection of its
// separator, decimal mark and header.

#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>

#include "UErros.h"
#include "UImportacaoInterna.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UTraducao.h"

namespace importacao {

namespace {

constexpr std::size_t kBloco = std::size_t{1} << 20;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Records of delimited text

const char* TDivisor::divide(const char* p, const char* fim, bool ultimo,
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
            while (p != fim && *p != sep_ && *p != '\n' && *p != '\r' && !(espacos && *p == '\t'))
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
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens",
                                  "Linha %1: mais de %2 campos, mais do que a importação lê."),
                {linhas_ + 1, maximo_}));
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

// Where an unquoted field that starts at p ends. Eight bytes at a time where eight remain
// (a field's length varies from row to row, and a branch per byte would mispredict at its
// end): a byte that is x leaves a zero in v ^ (x in every byte), and (w - 0x01...) & ~w &
// 0x80... marks the lowest zero byte of w exactly (the marks above it may be false).
const char* TDivisor::fimDoCampo(const char* p, const char* fim) const {
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

TLeitorRegistros::TLeitorRegistros(const std::string& caminho, char separador, TAspas aspas,
                                   TControle* controle)
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

TLeitorRegistros::~TLeitorRegistros() {
    ::close(fd_);
}

bool TLeitorRegistros::proximo(std::vector<std::string_view>& campos, std::int64_t& linha) {
    for (;;) {
        if (ini_ == fim_ && eof_) return false;
        linha = linha_ + 1;
        divisor_.defineLinha(linha_);
        std::int64_t linhas = 0;
        const char* fim =
            divisor_.divide(buf_.data() + ini_, buf_.data() + fim_, eof_, campos, linhas);
        if (fim != nullptr) {
            if (divisor_.aspaSemFechar())
                throw EImportacao(
                    mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                               "Linha %1: as aspas abertas nesta linha não se "
                                               "fecham até o fim do arquivo."),
                             {linha}));
            ini_ = static_cast<std::size_t>(fim - buf_.data());
            linha_ += std::max<std::int64_t>(linhas, 1);
            return true;
        }
        carrega();
    }
}

// Reads on after the bytes not yet taken. A record longer than the buffer grows it by half,
// and the buffer is then filled whole before the record is split again: each split sees half
// again the bytes of the one before, so the splits of a record of any length add up to a few
// times its length, not once per block.
void TLeitorRegistros::carrega() {
    if (controle_ != nullptr && controle_->passo()) throw EInterrompido();
    // Half again, not twice: a record of hundreds of megabytes costs its size and a half
    // rather than double, and is still split only a few dozen times.
    abreEspaco(buf_, ini_, fim_, limite_, std::uint64_t{buf_.size()} + buf_.size() / 2,
               QT_TRANSLATE_NOOP("Mensagens",
                                 "Um registro da tabela é longo demais para a "
                                 "memória disponível (mais de %1 MiB)."));
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

namespace {

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
                    throw EImportacao(mensagem(
                        QT_TRANSLATE_NOOP("Mensagens",
                                          "O número %1 usa separador de milhar, que a importação "
                                          "não adivinha: tire-o no programa de origem (ou escolha "
                                          "a marca decimal)."),
                        {citado(c)}));
                continue;
            }
            if (ponto && exemploPonto.empty()) exemploPonto = campo;
            if (virgula && exemploVirgula.empty()) exemploVirgula = campo;
            comPonto = comPonto || ponto;
            comVirgula = comVirgula || virgula;
        }
    if (comPonto && comVirgula && separador != ',')
        throw EImportacao(mensagem(
            QT_TRANSLATE_NOOP("Mensagens",
                              "A tabela tem números com ponto (%1) e com vírgula (%2): um deles é "
                              "separador de milhar, que a importação não adivinha. Escolha a "
                              "marca decimal."),
            {citado(exemploPonto), citado(exemploVirgula)}));
    if (comPonto) return '.';
    if (comVirgula) return ',';
    return separador == ';' ? ',' : '.';
}

}  // namespace

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
            t.notas.push_back(mensagem(QT_TRANSLATE_NOOP(
                "Mensagens",
                "A primeira coluna, sem nome, só numera as linhas (como os nomes de "
                "linha do R) e ficou de fora.")));
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
    if (amostra.empty())
        throw EImportacao(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O arquivo está vazio: não há nenhuma linha de dados.")));
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
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Linha %1: %2 campos, mas a tabela tem %3 colunas."),
                {linha, campos.size(), colunas}));
        coletor.adiciona(campos, linha);
    }
    t.utf8 = leitor.utf8();
    return t;
}

}  // namespace importacao

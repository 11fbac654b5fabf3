// Writing an import: the pattern file (or a SOM_PAK .dat), its values' text, the preview, and the
// scaling lines read back.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

#include "UErros.h"
#include "UGravacao.h"
#include "UImportacaoInterna.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"
#include "UTraducao.h"

namespace {

using importacao::apara;

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

std::string cabecalhoDosPadroes(const TImportacao& t) {
    std::string s = std::to_string(t.padroes()) + "|" + std::to_string(t.atributos.size()) + "#";
    for (std::size_t j = 0; j < t.atributos.size(); ++j) {
        const std::string& nome = t.colunas[t.atributos[j]].nome;
        s += (j > 0 ? "|" : "") + nomeDeAtributo(nome, j);
    }
    return s;
}

void escreveValor(std::string& saida, double v) {
    char texto[kMaximoTextoValor];
    saida.append(texto, static_cast<std::size_t>(escreveValorEm(texto, v) - texto));
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
        throw EImportacao(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens",
            "Um arquivo de padrões não guarda valores ausentes: escolha descartar as "
            "linhas ou preencher com a média (ou grave um .dat do SOM_PAK).")));
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

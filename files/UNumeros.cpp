#include "UNumeros.h"

#include <atomic>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "UErros.h"
#include "UTraducao.h"

namespace {

std::atomic<char> separador{','};

bool ehDigito(char c) {
    return c >= '0' && c <= '9';
}

int valorHexadecimal(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool utf8Valido(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80           ? 1
                        : (c >> 5) == 0x6  ? 2
                        : (c >> 4) == 0xE  ? 3
                        : (c >> 3) == 0x1E ? 4
                                           : 0;
        if (n == 0 || i + n > s.size() || (n == 2 && c < 0xC2) || (n == 4 && c > 0xF4))
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        if (n == 3) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d >= 0xA0)) return false;
        }
        if (n == 4) {
            const auto d = static_cast<unsigned char>(s[i + 1]);
            if ((c == 0xF0 && d < 0x90) || (c == 0xF4 && d >= 0x90)) return false;
        }
        i += n;
    }
    return true;
}

// The field as a failure message quotes it: at most 200 characters, then an ellipsis (a
// message of megabytes would take the window minutes to lay out), and a NUL shown as "\0" so
// that it does not end the text. Characters are UTF-8 ones when the field is UTF-8, bytes
// (Windows-1252) otherwise, and the ellipsis is written in the same encoding.
std::string citaCampo(std::string_view campo) {
    constexpr std::size_t kMaximo = 200;
    const bool utf8 = utf8Valido(campo);
    std::string citado;
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < campo.size(); ++i) {
        const auto c = static_cast<unsigned char>(campo[i]);
        const bool inicio = !utf8 || (c & 0xC0) != 0x80;
        if (inicio && caracteres++ == kMaximo) {
            citado += utf8 ? "\xE2\x80\xA6" : "\x85";
            break;
        }
        if (c == 0)
            citado += "\\0";
        else
            citado += static_cast<char>(c);
    }
    return citado;
}

[[noreturn]] void falhaInteiro(std::string_view texto) {
    std::string citado = citaCampo(texto);
    throw EConversao("'" + citado + "' is not a valid integer value", citado, true);
}

[[noreturn]] void falhaReal(std::string_view texto) {
    std::string citado = citaCampo(texto);
    throw EConversao("'" + citado + "' is not a valid floating point value", citado, false);
}

// A real text taken apart: the digits of the mantissa without leading or trailing zeros, and
// the power of ten that multiplies them.
struct RealDecomposto {
    bool negativo = false;
    std::string_view digitosInteiros;
    std::string_view digitosFracao;
    std::int64_t expoente = 0;
};

RealDecomposto decompoeReal(std::string_view texto, char sep) {
    RealDecomposto r;
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (i < n && texto[i] == ' ') ++i;
    if (i < n && (texto[i] == '+' || texto[i] == '-')) {
        r.negativo = texto[i] == '-';
        ++i;
    }
    const std::size_t inicioInteiros = i;
    while (i < n && ehDigito(texto[i])) ++i;
    r.digitosInteiros = texto.substr(inicioInteiros, i - inicioInteiros);
    bool temSeparador = false;
    if (i < n && texto[i] == sep) {
        temSeparador = true;
        ++i;
        const std::size_t inicioFracao = i;
        while (i < n && ehDigito(texto[i])) ++i;
        r.digitosFracao = texto.substr(inicioFracao, i - inicioFracao);
    }
    if (r.digitosInteiros.empty() && !temSeparador) falhaReal(texto);
    if (i < n && (texto[i] == 'E' || texto[i] == 'e')) {
        ++i;
        bool expNegativo = false;
        if (i < n && (texto[i] == '+' || texto[i] == '-')) {
            expNegativo = texto[i] == '-';
            ++i;
        }
        // Exponent digits are taken only while the exponent is below 500; a further digit is
        // left over and fails below.
        std::int64_t e = 0;
        while (i < n && ehDigito(texto[i]) && e < 500) e = e * 10 + (texto[i++] - '0');
        r.expoente = expNegativo ? -e : e;
    }
    while (i < n && texto[i] == ' ') ++i;
    if (i != n) falhaReal(texto);
    return r;
}

// Powers of ten that the 64-bit significand holds exactly: 10^27 = 2^27 * 5^27 and 5^27 < 2^64.
constexpr int kMaiorPotenciaExata = 27;

long double potenciaDez(int k) {
    static const auto tabela = [] {
        struct T {
            long double v[kMaiorPotenciaExata + 1];
        } t{};
        long double p = 1.0L;
        for (int j = 0; j <= kMaiorPotenciaExata; ++j) {
            t.v[j] = p;
            p *= 10.0L;
        }
        return t;
    }();
    return tabela.v[k];
}

// The mantissa's significant digits (integer and fraction digits joined, leading and trailing
// zeros removed) and the power of ten that belongs to them.
struct Mantissa {
    std::string digitos;
    std::int64_t potencia = 0;
};

Mantissa mantissaDe(const RealDecomposto& r) {
    Mantissa m;
    m.digitos.reserve(r.digitosInteiros.size() + r.digitosFracao.size());
    m.digitos.append(r.digitosInteiros);
    m.digitos.append(r.digitosFracao);
    m.potencia = r.expoente - static_cast<std::int64_t>(r.digitosFracao.size());
    const std::size_t primeiro = m.digitos.find_first_not_of('0');
    if (primeiro == std::string::npos) {
        m.digitos.clear();
        return m;
    }
    const std::size_t ultimo = m.digitos.find_last_not_of('0');
    m.potencia += static_cast<std::int64_t>(m.digitos.size() - 1 - ultimo);
    m.digitos = m.digitos.substr(primeiro, ultimo - primeiro + 1);
    return m;
}

long double valorGeral(const Mantissa& m, std::string_view texto) {
    // strtold rounds the exact decimal value correctly to the 64-bit significand; the text
    // handed to it has no decimal point, so the C locale's point plays no part.
    std::string s = m.digitos;
    s += 'e';
    s += std::to_string(m.potencia);
    errno = 0;
    char* fim = nullptr;
    const long double v = std::strtold(s.c_str(), &fim);
    if (std::isinf(v)) falhaReal(texto);  // beyond the extended range
    return v;
}

long double aplicaSinal(bool negativo, long double v) {
    return negativo ? -v : v;
}

}  // namespace

char separadorDecimal() {
    return separador.load(std::memory_order_relaxed);
}

void defineSeparadorDecimal(char novo) {
    separador.store(novo, std::memory_order_relaxed);
}

std::string inteiroParaTexto(std::int32_t valor) {
    return std::to_string(valor);
}

std::string inteiroParaTexto(std::int64_t valor) {
    return std::to_string(valor);
}

std::int32_t textoParaInteiro(std::string_view texto) {
    const std::size_t n = texto.size();
    std::size_t i = 0;
    while (i < n && texto[i] == ' ') ++i;
    bool negativo = false;
    if (i < n && (texto[i] == '+' || texto[i] == '-')) {
        negativo = texto[i] == '-';
        ++i;
    }
    bool hexadecimal = false;
    if (i < n && (texto[i] == '$' || texto[i] == 'x' || texto[i] == 'X')) {
        hexadecimal = true;
        ++i;
    } else if (i + 1 < n && texto[i] == '0' && (texto[i + 1] == 'x' || texto[i + 1] == 'X')) {
        hexadecimal = true;
        i += 2;
    }
    if (i == n) falhaInteiro(texto);
    if (hexadecimal) {
        std::uint32_t padrao = 0;
        int significativos = 0;
        for (; i < n; ++i) {
            const int d = valorHexadecimal(texto[i]);
            if (d < 0) falhaInteiro(texto);
            if (significativos > 0 || d != 0) ++significativos;
            if (significativos > 8) falhaInteiro(texto);
            padrao = (padrao << 4) | static_cast<std::uint32_t>(d);
        }
        if (negativo) padrao = 0u - padrao;
        return static_cast<std::int32_t>(padrao);
    }
    std::int64_t valor = 0;
    for (; i < n; ++i) {
        if (!ehDigito(texto[i])) falhaInteiro(texto);
        valor = valor * 10 + (texto[i] - '0');
        if (valor > 2147483648LL) falhaInteiro(texto);
    }
    if (negativo) valor = -valor;
    if (valor > 2147483647LL) falhaInteiro(texto);
    return static_cast<std::int32_t>(valor);
}

std::string realParaTexto(double valor) {
    return realParaTexto(valor, separador.load(std::memory_order_relaxed));
}

std::string realParaTexto(double valor, char sep) {
    if (valor == 0.0) return "0";
    if (std::isnan(valor)) return "NAN";
    if (std::isinf(valor)) return valor < 0 ? "-INF" : "INF";

    // Eighteen significant digits, correctly rounded with ties to even, then fifteen by the
    // sixteenth digit alone: 5 or more rounds up. The two steps are what make
    // 0.000148174891945322499946 come out as ...323.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", static_cast<long double>(std::fabs(valor)));
    char digitos[18];
    digitos[0] = buf[0];
    std::memcpy(digitos + 1, buf + 2, 17);
    int expoente = std::atoi(std::strchr(buf, 'e') + 1) + 1;  // |valor| = 0.d1d2... * 10^expoente

    int n = 15;
    if (digitos[15] >= '5') {
        int k = 14;
        while (k >= 0 && digitos[k] == '9') digitos[k--] = '0';
        if (k >= 0) {
            ++digitos[k];
        } else {
            digitos[0] = '1';
            ++expoente;
        }
    }
    while (n > 1 && digitos[n - 1] == '0') --n;

    std::string s;
    if (valor < 0) s += '-';
    if (expoente >= -3 && expoente <= 15) {
        if (expoente <= 0) {
            s += '0';
            s += sep;
            s.append(static_cast<std::size_t>(-expoente), '0');
            s.append(digitos, static_cast<std::size_t>(n));
        } else {
            for (int k = 0; k < expoente; ++k) s += k < n ? digitos[k] : '0';
            if (n > expoente) {
                s += sep;
                s.append(digitos + expoente, static_cast<std::size_t>(n - expoente));
            }
        }
    } else {
        s += digitos[0];
        if (n > 1) {
            s += sep;
            s.append(digitos + 1, static_cast<std::size_t>(n - 1));
        }
        s += 'E';
        s += std::to_string(expoente - 1);
    }
    return s;
}

long double textoParaRealGeral(std::string_view texto) {
    const RealDecomposto r = decompoeReal(texto, separador.load(std::memory_order_relaxed));
    const Mantissa m = mantissaDe(r);
    if (m.digitos.empty()) return aplicaSinal(r.negativo, 0.0L);
    return aplicaSinal(r.negativo, valorGeral(m, texto));
}

long double textoParaReal(std::string_view texto) {
    return textoParaReal(texto, separador.load(std::memory_order_relaxed));
}

long double textoParaReal(std::string_view texto, char sep) {
    const RealDecomposto r = decompoeReal(texto, sep);
    // Up to 19 significant digits make an integer below 2^64, which the 64-bit significand holds
    // exactly; times or over an exact power of ten it is one correctly rounded operation, the
    // same value that the general path computes. Leading zeros are skipped and trailing zeros
    // go into the power, so "0,50" and "1500" take this road too.
    std::uint64_t inteiro = 0;
    int significativos = 0;
    std::int64_t zerosPendentes = 0;
    bool curto = true;
    auto soma = [&](std::string_view digitos) {
        for (const char c : digitos) {
            if (c == '0') {
                if (significativos > 0) ++zerosPendentes;
                continue;
            }
            if (significativos + zerosPendentes + 1 > 19) {
                curto = false;
                return;
            }
            significativos += static_cast<int>(zerosPendentes) + 1;
            for (; zerosPendentes > 0; --zerosPendentes) inteiro *= 10;
            inteiro = inteiro * 10 + static_cast<std::uint64_t>(c - '0');
        }
    };
    soma(r.digitosInteiros);
    if (curto) soma(r.digitosFracao);
    if (curto) {
        if (significativos == 0) return aplicaSinal(r.negativo, 0.0L);
        const std::int64_t potencia =
            r.expoente - static_cast<std::int64_t>(r.digitosFracao.size()) + zerosPendentes;
        if (potencia >= -kMaiorPotenciaExata && potencia <= kMaiorPotenciaExata) {
            const long double v = static_cast<long double>(inteiro);
            const int p = static_cast<int>(potencia);
            return aplicaSinal(r.negativo, p >= 0 ? v * potenciaDez(p) : v / potenciaDez(-p));
        }
    }
    const Mantissa m = mantissaDe(r);
    return aplicaSinal(r.negativo, valorGeral(m, texto));
}

double armazenaReal(long double valor) {
    // Half an ulp above DBL_MAX: from there on, rounding to nearest gives infinity (at the tie
    // too, since DBL_MAX has an odd significand).
    constexpr long double kLimite = static_cast<long double>(DBL_MAX) + 0x1p970L;
    if (std::isnan(valor)) return static_cast<double>(valor);
    if (valor >= kLimite || valor <= -kLimite) throw EEstouroReal();
    if (valor > static_cast<long double>(DBL_MAX)) return DBL_MAX;
    if (valor < -static_cast<long double>(DBL_MAX)) return -DBL_MAX;
    return static_cast<double>(valor);
}

double textoParaDouble(std::string_view texto) {
    return textoParaDouble(texto, separador.load(std::memory_order_relaxed));
}

double textoParaDouble(std::string_view texto, char sep) {
    double valor = 0.0;
    const char* fim = texto.data() + texto.size();
    if (doubleCurto(texto.data(), fim, sep, valor) == fim) return valor;
    return armazenaReal(textoParaReal(texto, sep));
}

std::string textoStatusCiclo(double taxaAprendizado, std::int32_t ciclo, std::int32_t raio) {
    return mensagem(
        QT_TRANSLATE_NOOP("Mensagens",
                          "Taxa de Aprendizagem = %1    Ciclo de término : %2    Raio: %3"),
        {realParaTexto(taxaAprendizado), inteiroParaTexto(ciclo), inteiroParaTexto(raio)});
}

bool expoenteSemDigitos(std::string_view texto) {
    const std::size_t e = texto.find_first_of("eE");
    if (e == std::string_view::npos) return false;
    std::size_t i = e + 1;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) ++i;
    return i >= texto.size() || texto[i] < '0' || texto[i] > '9';
}

std::optional<double> numeroDigitado(std::string_view texto) {
    std::string t(texto);
    for (char& c : t)
        if (c == ',') c = '.';
    if (t.empty() || expoenteSemDigitos(t)) return std::nullopt;
    try {
        const double v = textoParaDouble(t, '.');
        if (std::isfinite(v)) return v;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

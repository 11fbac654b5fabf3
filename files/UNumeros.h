#pragma once
// Numbers as text: the four conversions that every number read from a file or a control, or
// written to a file, the status line or a window, passes through.
//
// Reals are doubles; the text-to-real conversion computes in the x87 80-bit format (long double
// with g++ on x86-64) and the caller stores the result into a double with armazenaReal, which
// rounds to nearest and fails beyond the double range. The decimal separator is one process-wide
// setting, read by both real conversions at every call.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

char separadorDecimal();
void defineSeparadorDecimal(char separador);

// Decimal digits, "-" when negative; never fails.
std::string inteiroParaTexto(std::int32_t valor);
std::string inteiroParaTexto(std::int64_t valor);

// Blanks, one sign, decimal digits or a hexadecimal prefix ("$", "x", "X", "0x", "0X") with
// hexadecimal digits, to the end of the text. Throws EConversao.
std::int32_t textoParaInteiro(std::string_view texto);

// General format with up to 15 significant digits and the decimal separator; never fails.
std::string realParaTexto(double valor);
// The same with a separator of the caller's, for files whose decimal mark is their own (an
// import); the process-wide setting is not touched.
std::string realParaTexto(double valor, char separador);

// Blanks, sign, digits, separator, digits, exponent, blanks; the value in extended precision.
// Throws EConversao, also for a value beyond the extended range.
long double textoParaReal(std::string_view texto);
long double textoParaReal(std::string_view texto, char separador);

// The general path of textoParaReal, without the short-mantissa shortcut; kept callable so that
// the two can be compared.
long double textoParaRealGeral(std::string_view texto);

// Stores an extended value into a double, rounding to nearest. Throws EEstouroReal when the
// value lies beyond the double range.
double armazenaReal(long double valor);

// textoParaReal followed by armazenaReal.
double textoParaDouble(std::string_view texto);
double textoParaDouble(std::string_view texto, char separador);
// A finite number typed by a person with either decimal mark (a comma or a point); nothing when
// the text is not one.
std::optional<double> numeroDigitado(std::string_view texto);

// Whether a number's text has an "e" with no digit after it ("1e", "2E+"): the program's own
// conversion reads such a text as if the "e" were not there, but no other program writes one, so
// where a number comes from another program or is typed, it is not a number.
bool expoenteSemDigitos(std::string_view texto);

// The shortcut textoParaDouble takes for the commonest texts: an optional sign, digits, the
// separator `sep` and a few digits, without blanks or exponent, whose value is m / 10^k with m
// below 2^53 and k at most 4 once trailing zeros are dropped. Reads from p, never past fim;
// returns where the number ends and its double in `valor`, the same bits textoParaDouble gives
// for the text up to there, or nullptr when the text up to there is not such a number. Inline,
// for the pattern reader's inner loop.
//
// Why one double division gives the general path's bits: that path rounds the decimal value q
// to the 64-bit significand and then to double; when the first rounding cannot land on a midpoint
// between two doubles, the two steps give the double nearest to q, which the division computes.
// For q = m / 10^k with m < 2^53 and k <= 4 it cannot: a midpoint M = a 2^f (a odd, below 2^54)
// is either an integer multiple of 1/10^k away from q, or |q - M| >= 1 / (2^g 10^k) with
// g = -(f + k) > 0, which is at least q / (2^54 5^k) > 2^-64 q since 5^4 < 2^10; the first
// rounding moves q by at most 2^-64 q. Integers below 2^53 are exact in both.
inline const char* doubleCurto(const char* p, const char* fim, char sep, double& valor) {
    const auto digito = [](char c) { return static_cast<unsigned>(c - '0') < 10u; };
    bool negativo = false;
    if (p != fim && (*p == '-' || *p == '+')) negativo = *p++ == '-';
    std::uint64_t m = 0;
    int digitos = 0;  // at most 19, so that m never overflows
    for (; p != fim && digito(*p); ++p) {
        if (++digitos > 19) return nullptr;
        m = m * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    int fracao = 0;  // digits after the separator
    if (p != fim && *p == sep) {
        ++p;
        if (fim - p >= 8) {
            // Up to seven fraction digits at once: each byte that is a digit becomes 0..9, and
            // the high bit of each that becomes 10 or more marks where the digits end.
            std::uint64_t bytes;
            std::memcpy(&bytes, p, sizeof bytes);
            std::uint64_t v = bytes ^ 0x3030303030303030;
            const std::uint64_t outros =
                (((v & 0x7F7F7F7F7F7F7F7F) + 0x7676767676767676) | v) & 0x8080808080808080;
            fracao = outros == 0 ? 8 : __builtin_ctzll(outros) / 8;
            if (fracao == 8 || digitos + fracao > 19) return nullptr;
            if (fracao > 0) {
                static constexpr std::uint64_t kEscala[] = {1,     10,     100,     1000,
                                                            10000, 100000, 1000000, 10000000};
                v <<= 8 * (8 - fracao);  // the missing digits become leading zeros
                v = v * 10 + (v >> 8);
                v = (((v & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
                     (((v >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >>
                    32;
                m = m * kEscala[fracao] + v;
                p += fracao;
            }
        } else {
            for (; p != fim && digito(*p); ++p) {
                if (++fracao + digitos > 19) return nullptr;
                m = m * 10 + static_cast<std::uint64_t>(*p - '0');
            }
        }
    }
    // A separator without digits on either side is left to the general path.
    if (digitos + fracao == 0) return nullptr;
    if (fracao > 4)
        for (; fracao > 0 && m % 10 == 0; --fracao) m /= 10;
    if (fracao > 4 || m >= (std::uint64_t{1} << 53)) return nullptr;
    static constexpr double kPotencias[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    const double v = static_cast<double>(m) / kPotencias[fracao];
    valor = negativo ? -v : v;
    return p;
}

// The status line after training cycle `ciclo` (counted from 1).
std::string textoStatusCiclo(double taxaAprendizado, std::int32_t ciclo, std::int32_t raio);

#pragma once
// Numbers as text: the four conversions that every number read from a file or a control, or
// written to a file, the status line or a window, passes through.
//
// Reals are doubles; the text-to-real conversion computes in the x87 80-bit format (long double
// with g++ on x86-64) and the caller stores the result into a double with armazenaReal, which
// rounds to nearest and fails beyond the double range. The decimal separator is one process-wide
// setting, read by both real conversions at every call.

#include <cstdint>
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

// Blanks, sign, digits, separator, digits, exponent, blanks; the value in extended precision.
// Throws EConversao, also for a value beyond the extended range.
long double textoParaReal(std::string_view texto);

// The general path of textoParaReal, without the short-mantissa shortcut; kept callable so that
// the two can be compared.
long double textoParaRealGeral(std::string_view texto);

// Stores an extended value into a double, rounding to nearest. Throws EEstouroReal when the
// value lies beyond the double range.
double armazenaReal(long double valor);

// textoParaReal followed by armazenaReal.
double textoParaDouble(std::string_view texto);

// The shortcut textoParaDouble takes for the commonest texts: an optional sign, digits, the
// separator `sep` and a few digits, without blanks or exponent, whose value is m / 10^k
// with m below 2^53 and k at most 4 once trailing zeros are dropped. Reads from p, never past
// fim (nor eight bytes past p when fim allows); returns where the number ends and its double in
// `valor`, the same bits textoParaDouble gives for the text up to there, or nullptr when the
// text up to there is not such a number.
const char* doubleCurto(const char* p, const char* fim, char sep, double& valor);

// The status line after training cycle `ciclo` (counted from 1).
std::string textoStatusCiclo(double taxaAprendizado, std::int32_t ciclo, std::int32_t raio);

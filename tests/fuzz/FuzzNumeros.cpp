// The number conversions on any text: every failure is one of the documented ones, and what
// converts keeps its promises (a real's 15-digit text reads back to the same text; an integer's
// text reads back to the integer).

#include <cstring>
#include <string>

#include "Comum.h"
#include "UErros.h"
#include "UNumeros.h"

namespace {

bool terminaCom(const std::string& s, const char* fim) {
    const std::size_t n = std::strlen(fim);
    return s.size() >= n && s.compare(s.size() - n, n, fim) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return 0;
    // The first byte chooses the decimal separator, the rest is the text.
    defineSeparadorDecimal(dados[0] % 2 == 0 ? ',' : '.');
    const std::string texto(reinterpret_cast<const char*>(dados + 1), tamanho - 1);
    try {
        const double x = textoParaDouble(texto);
        const std::string t = realParaTexto(x);
        try {
            if (realParaTexto(textoParaDouble(t)) != t)
                falhou("o texto de 15 dígitos não volta igual");
        } catch (const EEstouroReal&) {
            // Only the largest magnitudes round above the double range at 15 digits.
            if (!(x > 1.797693134862315e308 || x < -1.797693134862315e308))
                falhou("estouro ao reler um real");
        }
    } catch (const EConversao& e) {
        if (e.what()[0] != '\'' || !terminaCom(e.what(), "' is not a valid floating point value"))
            falhou("mensagem de conversão de real fora do documentado");
    } catch (const EEstouroReal& e) {
        if (std::strcmp(e.what(), "Floating point overflow") != 0)
            falhou("mensagem de estouro fora do documentado");
    }
    try {
        const std::int32_t i = textoParaInteiro(texto);
        if (textoParaInteiro(inteiroParaTexto(i)) != i)
            falhou("o texto de um inteiro não volta igual");
    } catch (const EConversao& e) {
        if (e.what()[0] != '\'' || !terminaCom(e.what(), "' is not a valid integer value"))
            falhou("mensagem de conversão de inteiro fora do documentado");
    }
    return 0;
}

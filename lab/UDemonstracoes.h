#pragma once
// The demonstration data of the classroom: points in a square, a disc, a ring, two half-moons and
// a cube, Gaussian clouds, a spiral, cities for the travelling salesman, strokes like digits and
// named colours, each written as an ordinary pattern file. The bytes depend only on the request:
// the draws are SplitMix64, the arithmetic is +, -, x and / alone (no library function whose last
// bit could differ between machines, no fused multiply-add), and the values are written with a
// fixed number of decimals.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

enum class TDemonstracao {
    quadrado,
    disco,
    anel,
    luas,
    cubo,
    gaussianas,
    espiral,
    cidades,
    pixels,
    cores
};

struct TInfoDemonstracao {
    TDemonstracao tipo;
    const char* nome;       // as norvika-gera-dados takes it
    const char* titulo;     // as the laboratory lists it
    const char* descricao;  // one line for --help and the tooltip
    long padroes;           // default size
    long dimensao;          // default dimension; 0 when it is fixed by the shape
};

// Every demonstration, in the order the laboratory lists them.
extern const TInfoDemonstracao kDemonstracoes[10];
const TInfoDemonstracao& infoDemonstracao(TDemonstracao tipo);
std::optional<TDemonstracao> demonstracaoPeloNome(std::string_view nome);

struct TPedidoDemonstracao {
    TDemonstracao tipo = TDemonstracao::quadrado;
    long padroes = -1;   // -1: the default
    long dimensao = -1;  // gaussianas and pixels; -1: the default
    long grupos = 10;    // gaussianas
    std::uint64_t semente = 1;
};

// What a request may ask for: sizes that write at most about a gigabyte.
inline constexpr long kDemonstracaoMaximoPadroes = 10000000;
inline constexpr long kDemonstracaoMaximaDimensao = 100000;
inline constexpr long kDemonstracaoMaximoGrupos = 10000;
inline constexpr long kDemonstracaoMaximoValores = 100000000;  // padrões × dimensão

// Why the request cannot be written (a sentence in Portuguese), or empty.
std::string problemaDoPedido(const TPedidoDemonstracao& pedido);

// Writes the pattern file (header, one pattern per line) to `saida`. Throws
// std::invalid_argument, with problemaDoPedido's sentence, before writing anything for a request
// out of bounds.
void escreveDemonstracao(const TPedidoDemonstracao& pedido, std::ostream& saida);

// Sine and cosine from their series after reducing the angle to [-pi, pi): only the four
// operations, so every machine gets the same bits (ample for the shapes drawn with them).
void senoCosseno(double angulo, double& seno, double& cosseno);

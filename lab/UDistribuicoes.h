#pragma once
// The playground's distributions: 2-D signals drawn one at a time, for ever, in the square
// [0, 1] x [0, 1]. Besides the classroom's shapes, two regions of different density, separate
// rectangles, and three that move with the signal count, for the models that must follow a
// distribution that changes: a square that drifts round a circle, a square that jumps among four
// places, a ring that shrinks and starts again. The same seed gives the same signals, and the
// arithmetic is +, -, x, / and sqrt alone (the drift's circle by the classroom's own sine), so
// the signals are the same on every machine.

#include <cstdint>
#include <optional>
#include <string_view>

#include "ULaboratorioInterno.h"

enum class TDistribuicao {
    quadrado,
    disco,
    anel,
    luas,
    altaEBaixa,
    retangulos,
    quadradoQueSeMove,
    quadradoQueSalta,
    anelQueEncolhe
};

struct TInfoDistribuicao {
    TDistribuicao tipo;
    const char* nome;    // a word for the command line and the session file
    const char* titulo;  // as the laboratory lists it (the "UDistribuicoes" context)
    bool movel;          // it changes with the signal count
};

inline constexpr std::size_t kNumeroDistribuicoes = 9;
extern const TInfoDistribuicao kDistribuicoes[kNumeroDistribuicoes];
const TInfoDistribuicao& infoDistribuicao(TDistribuicao tipo);
std::optional<TDistribuicao> distribuicaoPeloNome(std::string_view nome);

class TFonteDeSinais {
  public:
    // `periodo`: the moving square goes round once, the jumping one stays in a place, and the
    // ring shrinks, over this many signals (at least 1).
    TFonteDeSinais(TDistribuicao tipo, std::uint64_t semente, std::int64_t periodo = 5000);

    // The next signal into x[0], x[1].
    void proximo(double* x);
    std::int64_t sinais() const { return t_; }
    TDistribuicao tipo() const { return tipo_; }

  private:
    // Uniform in the ring of radii r0 and r1 around c, by rejection from its square.
    void coroa(double cx, double cy, double r0, double r1, double* x);

    TDistribuicao tipo_;
    std::int64_t periodo_;
    TSorteioLab sorteio_;
    std::int64_t t_ = 0;
    int lugar_ = 0;  // the jumping square's place
};

#pragma once
// The arithmetic of the program at its exact rounding points, on raw arrays, shared by the plain
// reference loops and the fast engine so that both compute the very same bits:
// - a distance is half the sum of squares, each term (x - w)^2 in extended precision and the
//   running sum rounded to double after each addition;
// - a weight moves to w + (x - w) * rate, the difference, the product and the sum in extended
//   precision and the result rounded to double once.

#include <cstdint>

double distanciaExata(const double* x, const double* w, std::int32_t dimensao);

// The same distance, abandoned as soon as it can no longer be at most `limite`: the running sum
// never decreases, so once half of it rounds above the limit the full distance would too. Returns
// the distance, or any value above `limite` when abandoned.
double distanciaExataAte(const double* x, const double* w, std::int32_t dimensao, double limite);

void ajustaPesosExato(double* w, const double* x, std::int32_t dimensao, double taxa);

// The program's winner: the distance of neuron 0 is the best to start with, then neuron after
// neuron in row-major order (0 included, as the program has always done) the first one strictly
// nearer takes its place. On equal distances the smaller index stays; a distance that is not a
// number never takes the place, and neuron 0 keeps it when its own distance is not a number.
class TPrimeiroMaisProximo {
  public:
    explicit TPrimeiroMaisProximo(double distanciaDoPrimeiro) : melhor_(distanciaDoPrimeiro) {}
    void considera(std::int32_t neuronio, double distancia) {
        if (distancia < melhor_) {
            melhor_ = distancia;
            vencedor_ = neuronio;
        }
    }
    std::int32_t vencedor() const { return vencedor_; }

  private:
    double melhor_;
    std::int32_t vencedor_ = 0;
};

// The same search over neurons 0 .. n - 1 (n at least 1) whose exact distances distanciaDe(j)
// gives.
template <class Distancia>
std::int32_t primeiroMaisProximo(std::int32_t n, const Distancia& distanciaDe) {
    TPrimeiroMaisProximo busca(distanciaDe(0));
    for (std::int32_t j = 0; j < n; ++j) busca.considera(j, distanciaDe(j));
    return busca.vencedor();
}

// One weight: w + (x - w) * r in extended precision, rounded to double once.
inline double ajustaPesoExato(double w, double x, long double r) {
    const long double lw = w;
    return static_cast<double>(lw + (x - lw) * r);
}

// The same update in place, in the five x87 instructions it needs: load w, subtract it from x,
// multiply by r (kept on the stack), add w again from memory, store rounded. The compiler's
// own code for the expression duplicates w on the stack and, unrolled, bounces each result
// through memory to an SSE register; on a row of weights this runs a quarter faster (0.68
// against 0.90 ns a weight) and computes the very same operations in the same order. On the
// short runs of the small-dimension engine the compiler's code is as fast, and stays.
inline void ajustaPesoNoLugar(double* w, const double* x, long double r) {
#if defined(__x86_64__) && defined(__GNUC__)
    __asm__(
        "fldl %0\n\t"
        "fsubrl %1\n\t"
        "fmul %%st(1), %%st\n\t"
        "faddl %0\n\t"
        "fstpl %0"
        : "+m"(*w)
        : "m"(*x), "t"(r));
#else
    *w = ajustaPesoExato(*w, *x, r);
#endif
}

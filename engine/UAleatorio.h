#pragma once
// The pseudo-random source of the initial weights: a 32-bit linear congruential generator. Each
// draw first advances seed := seed * 134775813 + 1 (mod 2^32); a draw in 0 .. n-1 is then the
// high 32 bits of the 64-bit product seed * n. The window reseeds it from the clock whenever it
// becomes active; tests and the benchmark seed it explicitly.

#include <cstdint>

class TGeradorAleatorio {
  public:
    explicit TGeradorAleatorio(std::uint32_t semente = 0) : semente_(semente) {}

    void defineSemente(std::uint32_t semente) { semente_ = semente; }
    std::uint32_t semente() const { return semente_; }

    std::uint32_t sorteia(std::uint32_t n) {
        semente_ = semente_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(semente_) * n) >> 32);
    }

  private:
    std::uint32_t semente_;
};

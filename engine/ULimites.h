#pragma once
// How much memory the program allows itself, so that no input, however large it claims to be,
// can exhaust the machine.

#include <cstdint>

// The weights of a map plus its distance matrix may need at most this much.
inline constexpr std::uint64_t kTetoMapaBytes = std::uint64_t{2} << 30;  // 2 GiB

// Patterns read from a file, and a single line of a file, may take at most this much: a quarter
// of the machine's memory, between 256 MiB and 8 GiB.
std::uint64_t limiteMemoriaDados();
// Fixes that allowance, for tests; 0 gives back the one computed from the machine's memory.
void defineLimiteMemoriaDados(std::uint64_t bytes);

// Bytes that a map of linhas x colunas neurons of `dimensao` weights needs for its weights and
// its distance matrix; computed without overflow for any 32-bit sizes.
std::uint64_t bytesDoMapa(std::int64_t linhas, std::int64_t colunas, std::int64_t dimensao);

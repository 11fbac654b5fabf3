#pragma once
// What the fuzz harnesses share: the bytes of an input as a file (the readers read files), and a
// failure that stops the fuzzer with the reason.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A file in memory holding the given bytes, readable by path while the object lives.
class TArquivoEmMemoria {
  public:
    TArquivoEmMemoria(const std::uint8_t* dados, std::size_t tamanho) {
        fd_ = ::memfd_create("norvika-fuzz", MFD_CLOEXEC);
        if (fd_ < 0) std::abort();
        std::size_t escritos = 0;
        while (escritos < tamanho) {
            const ssize_t n = ::write(fd_, dados + escritos, tamanho - escritos);
            if (n <= 0) std::abort();
            escritos += static_cast<std::size_t>(n);
        }
        caminho_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    explicit TArquivoEmMemoria(std::string_view texto)
        : TArquivoEmMemoria(reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size()) {}
    ~TArquivoEmMemoria() { ::close(fd_); }
    TArquivoEmMemoria(const TArquivoEmMemoria&) = delete;
    TArquivoEmMemoria& operator=(const TArquivoEmMemoria&) = delete;
    const std::string& caminho() const { return caminho_; }

  private:
    int fd_ = -1;
    std::string caminho_;
};

// Small inputs that stand for large ones, so that a reader's size faults (a token of megabytes, a
// row repeated a million times) are within a fuzzer's reach: the bytes are cut at each 0xFF, and a
// piece that starts with 0xFE and a count byte c is the rest of the piece repeated 2^(c % 24)
// times. The result stops at `maximo` bytes. Text without those two bytes is itself.
inline std::string expande(const std::uint8_t* dados, std::size_t tamanho, std::size_t maximo) {
    std::string s;
    std::size_t i = 0;
    while (i <= tamanho && s.size() < maximo) {
        std::size_t fim = i;
        while (fim < tamanho && dados[fim] != 0xFF) ++fim;
        std::string_view peca(reinterpret_cast<const char*>(dados + i), fim - i);
        std::size_t vezes = 1;
        if (peca.size() >= 2 && static_cast<unsigned char>(peca[0]) == 0xFE) {
            vezes = std::size_t{1} << (static_cast<unsigned char>(peca[1]) % 24);
            peca.remove_prefix(2);
        }
        for (std::size_t v = 0; v < vezes && !peca.empty() && s.size() < maximo; ++v)
            s.append(peca.substr(0, maximo - s.size()));
        i = fim + 1;
    }
    return s;
}

// A broken promise: the fuzzer keeps the input that led here.
[[noreturn]] inline void falhou(const char* porque) {
    std::fprintf(stderr, "propriedade violada: %s\n", porque);
    std::abort();
}

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

// A broken promise: the fuzzer keeps the input that led here.
[[noreturn]] inline void falhou(const char* porque) {
    std::fprintf(stderr, "propriedade violada: %s\n", porque);
    std::abort();
}

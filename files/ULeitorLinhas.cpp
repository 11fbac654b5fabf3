#include "ULeitorLinhas.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "UErros.h"
#include "ULimites.h"

namespace {

constexpr std::size_t kBlocoLeitura = std::size_t{1} << 20;
constexpr char kCtrlZ = '\x1a';

bool pastaExiste(const std::string& caminho) {
    const std::size_t barra = caminho.find_last_of('/');
    if (barra == std::string::npos) return true;
    const std::string pasta = barra == 0 ? "/" : caminho.substr(0, barra);
    struct stat st {};
    return ::stat(pasta.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string mensagemErroArquivo(int erro, const std::string& caminho) {
    switch (erro) {
        case ENOENT:
            return pastaExiste(caminho) ? "File not found" : "Invalid filename";
        case ENOTDIR:
        case ENAMETOOLONG:
            return "Invalid filename";
        case EACCES:
        case EPERM:
        case EROFS:
            return "File access denied";
        case EMFILE:
        case ENFILE:
            return "Too many open files";
        default:
            return "I/O error " + std::to_string(erro);
    }
}

bool arquivoExiste(const std::string& caminho) {
    if (caminho.empty()) return false;
    struct stat st {};
    return ::stat(caminho.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

TLeitorLinhas::TLeitorLinhas(const std::string& caminho) : limite_(limiteMemoriaDados()) {
    // O_NONBLOCK keeps a named pipe without a writer from blocking the window at open; only
    // regular files are read.
    fd_ = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) throw EEntradaSaida(mensagemErroArquivo(errno, caminho));
    struct stat st {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int erro = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
        ::close(fd_);
        fd_ = -1;
        throw EEntradaSaida(mensagemErroArquivo(erro, caminho));
    }
    tamanho_ = static_cast<std::uint64_t>(st.st_size);
    buf_.resize(kBlocoLeitura);
}

TLeitorLinhas::~TLeitorLinhas() {
    if (fd_ >= 0) ::close(fd_);
}

bool TLeitorLinhas::carregaMais() {
    if (eof_) return false;
    if (ini_ > 0) {
        std::memmove(buf_.data(), buf_.data() + ini_, fim_ - ini_);
        fim_ -= ini_;
        ini_ = 0;
    }
    if (fim_ == buf_.size()) {
        if (buf_.size() >= limite_)
            throw EMemoriaInsuficiente("Uma linha do arquivo é longa demais para a memória disponível.");
        buf_.resize(std::min<std::uint64_t>(buf_.size() * 2, limite_));
    }
    for (;;) {
        const ssize_t n = ::read(fd_, buf_.data() + fim_, buf_.size() - fim_);
        if (n > 0) {
            fim_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            eof_ = true;
            return false;
        }
        if (errno != EINTR) throw EEntradaSaida("I/O error " + std::to_string(errno));
    }
}

std::string_view TLeitorLinhas::proximaLinha() {
    std::size_t varrido = 0;  // bytes after ini_ already known to hold no line feed
    for (;;) {
        const char* inicio = buf_.data() + ini_;
        const auto* lf = static_cast<const char*>(
            std::memchr(inicio + varrido, '\n', fim_ - ini_ - varrido));
        if (lf != nullptr) {
            ini_ = static_cast<std::size_t>(lf - buf_.data()) + 1;
            ++linhasLidas_;
            return limpa(inicio, lf);
        }
        varrido = fim_ - ini_;
        if (!carregaMais()) {
            ++linhasLidas_;
            if (ini_ == fim_) return {};
            const char* resto = buf_.data() + ini_;
            const char* fimResto = buf_.data() + fim_;
            ini_ = fim_;
            return limpa(resto, fimResto);
        }
    }
}

std::string_view TLeitorLinhas::limpa(const char* inicio, const char* fim) {
    const auto* ctrlZ = static_cast<const char*>(
        std::memchr(inicio, kCtrlZ, static_cast<std::size_t>(fim - inicio)));
    if (ctrlZ != nullptr) fim = ctrlZ;
    const auto tamanho = static_cast<std::size_t>(fim - inicio);
    if (std::memchr(inicio, '\r', tamanho) == nullptr) return {inicio, tamanho};
    montada_.clear();
    montada_.reserve(tamanho);
    for (const char* p = inicio; p != fim; ++p)
        if (*p != '\r') montada_ += *p;
    return montada_;
}

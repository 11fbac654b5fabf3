#include "UGravacao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "UErros.h"

namespace {

// What went wrong, as the person who asked for the file would put it.
std::string motivo(int erro) {
    switch (erro) {
        case ENOSPC:
        case EDQUOT:
            return "não há espaço no disco";
        case EFBIG:
            return "o arquivo passaria do tamanho permitido";
        case EROFS:
            return "o disco só permite leitura";
        case EACCES:
        case EPERM:
            return "não há permissão para gravar ali";
        case ENOENT:
        case ENOTDIR:
            return "a pasta não existe";
        case EISDIR:
            return "é uma pasta";
        case ENAMETOOLONG:
            return "o nome é longo demais";
        default:
            return std::strerror(erro);
    }
}

[[noreturn]] void falha(int erro) {
    throw EEntradaSaida(motivo(erro));
}

[[noreturn]] void recusaEspecial(const std::string& caminho) {
    throw EArquivoEspecial("\"" + caminho +
                           "\" não é um arquivo comum (é um dispositivo, um pipe ou um socket): "
                           "nada foi gravado nele.");
}

// A descriptor closed on every path; close() itself is checked by fecha().
class TDescritor {
  public:
    explicit TDescritor(int fd) : fd_(fd) {}
    ~TDescritor() {
        if (fd_ >= 0) ::close(fd_);
    }
    TDescritor(const TDescritor&) = delete;
    TDescritor& operator=(const TDescritor&) = delete;
    int fd() const { return fd_; }
    void fecha() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) falha(errno);
    }

  private:
    int fd_;
};

// Writes all of `texto` at the start of the file, retrying short writes.
void escreveTudo(int fd, std::string_view texto) {
    off_t onde = 0;
    while (!texto.empty()) {
        const ssize_t n = ::pwrite(fd, texto.data(), texto.size(), onde);
        if (n < 0) {
            if (errno == EINTR) continue;
            falha(errno);
        }
        if (n == 0) falha(EIO);
        texto.remove_prefix(static_cast<std::size_t>(n));
        onde += n;
    }
}

// Reserves the file's first `bytes` on the disk; a file system that cannot reserve is written
// without the reservation.
void reserva(int fd, std::size_t bytes) {
    if (bytes == 0) return;
    const int erro = ::posix_fallocate(fd, 0, static_cast<off_t>(bytes));
    if (erro != 0 && erro != EOPNOTSUPP && erro != EINVAL) falha(erro);
}

// The real file behind a chain of symbolic links, so that saving over a link writes where it
// points instead of replacing the link itself.
std::string destinoReal(const std::string& caminho) {
    struct stat st {};
    if (::lstat(caminho.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return caminho;
    char* resolvido = ::realpath(caminho.c_str(), nullptr);
    if (resolvido == nullptr) return caminho;
    std::string r(resolvido);
    std::free(resolvido);
    return r;
}

bool temAtributosEstendidos(const std::string& caminho) {
    return ::listxattr(caminho.c_str(), nullptr, 0) > 0;
}

// Writes over the file itself, keeping its inode (its other names, owner, permissions and
// attributes). O_NONBLOCK: should it have become a pipe since it was looked at, opening fails at
// once instead of waiting for a reader.
void escreveNoLugar(const std::string& caminho, const std::string& destino, std::string_view texto,
                    bool cria) {
    TDescritor arquivo(::open(destino.c_str(),
                              O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (cria ? O_CREAT : 0),
                              0666));
    if (arquivo.fd() < 0) falha(errno);
    struct stat st {};
    if (::fstat(arquivo.fd(), &st) != 0) falha(errno);
    if (!S_ISREG(st.st_mode)) recusaEspecial(caminho);
    // The new size is taken on the disk before any byte changes: a full disk fails here, with the
    // old contents whole.
    reserva(arquivo.fd(), texto.size());
    escreveTudo(arquivo.fd(), texto);
    if (::ftruncate(arquivo.fd(), static_cast<off_t>(texto.size())) != 0) falha(errno);
    if (::fsync(arquivo.fd()) != 0) falha(errno);
    arquivo.fecha();
}

}  // namespace

void gravaArquivo(const std::string& caminho, std::string_view texto) {
    const std::string destino = destinoReal(caminho);

    struct stat atual {};
    const bool existe = ::stat(destino.c_str(), &atual) == 0;
    if (existe && !S_ISREG(atual.st_mode) && !S_ISDIR(atual.st_mode)) recusaEspecial(caminho);
    if (existe && S_ISDIR(atual.st_mode)) falha(EISDIR);
    // A file that exists but may not be written keeps its protection: the save fails as writing
    // into it would.
    if (existe && ::access(destino.c_str(), W_OK) != 0) falha(errno);

    // A symbolic link to nothing yet: the file is made where it points, the link stays.
    struct stat proprio {};
    if (!existe && ::lstat(destino.c_str(), &proprio) == 0 && S_ISLNK(proprio.st_mode)) {
        escreveNoLugar(caminho, destino, texto, true);
        return;
    }
    // Other names or extended attributes (ACLs among them) would not follow a rename.
    if (existe && (atual.st_nlink > 1 || temAtributosEstendidos(destino))) {
        escreveNoLugar(caminho, destino, texto, false);
        return;
    }

    std::string temporario = destino + ".XXXXXX";
    TDescritor novo(::mkostemp(temporario.data(), O_CLOEXEC));
    if (novo.fd() < 0) {
        const int erro = errno;
        // A folder in which no new file may be made: the file itself can still be written.
        if (existe) {
            escreveNoLugar(caminho, destino, texto, false);
            return;
        }
        falha(erro);
    }
    try {
        // An owner or group that this user cannot give the new file: write in place instead.
        if (existe && (atual.st_uid != ::geteuid() || atual.st_gid != ::getegid()) &&
            ::fchown(novo.fd(), atual.st_uid, atual.st_gid) != 0) {
            novo.fecha();
            ::unlink(temporario.c_str());
            escreveNoLugar(caminho, destino, texto, false);
            return;
        }
        // The new file takes the old one's permissions, or the usual ones for a new file.
        mode_t modo = 0666;
        if (existe) {
            modo = atual.st_mode & 07777;
        } else {
            const mode_t mascara = ::umask(0);
            ::umask(mascara);
            modo &= ~mascara;
        }
        if (::fchmod(novo.fd(), modo) != 0) falha(errno);
        reserva(novo.fd(), texto.size());
        escreveTudo(novo.fd(), texto);
        if (::fsync(novo.fd()) != 0) falha(errno);
        novo.fecha();
    } catch (...) {
        ::unlink(temporario.c_str());
        throw;
    }
    if (::rename(temporario.c_str(), destino.c_str()) != 0) {
        const int erro = errno;
        ::unlink(temporario.c_str());
        falha(erro);
    }
}

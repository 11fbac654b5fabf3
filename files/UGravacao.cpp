#include "UGravacao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

#include "UErros.h"
#include "UTraducao.h"

namespace {

// The new files being written, for a signal that ends the process before they are put in place: a
// handler may only make async-signal-safe calls, so the names sit in fixed buffers, each claimed
// and released through its own atomic state (free, being filled, ready).
struct TTemporario {
    std::atomic<int> estado{0};
    char nome[4096];
};
constexpr int kTemporarios = 16;
TTemporario temporarios[kTemporarios];

int registraTemporario(const std::string& nome) {
    if (nome.size() >= sizeof temporarios[0].nome) return -1;
    for (int i = 0; i < kTemporarios; ++i) {
        int livre = 0;
        if (!temporarios[i].estado.compare_exchange_strong(livre, 1)) continue;
        std::memcpy(temporarios[i].nome, nome.c_str(), nome.size() + 1);
        temporarios[i].estado.store(2);
        return i;
    }
    return -1;
}

void liberaTemporario(int& i) {
    if (i >= 0) temporarios[i].estado.store(0);
    i = -1;
}

extern "C" void apagaTemporariosESai(int sinal) {
    for (TTemporario& t : temporarios)
        if (t.estado.load() == 2) ::unlink(t.nome);
    std::signal(sinal, SIG_DFL);
    std::raise(sinal);
}

// What went wrong, as the person who asked for the file would put it.
std::string motivo(int erro) {
    switch (erro) {
        case ENOSPC:
        case EDQUOT:
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "não há espaço no disco"));
        case EFBIG:
            return mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "o arquivo passaria do tamanho permitido"));
        case EROFS:
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "o disco só permite leitura"));
        case EACCES:
        case EPERM:
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "não há permissão para gravar ali"));
        case ENOENT:
        case ENOTDIR:
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "a pasta não existe"));
        case EISDIR:
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "é uma pasta"));
        case ENAMETOOLONG:
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "o nome é longo demais"));
        default:
            return std::strerror(erro);
    }
}

[[noreturn]] void falha(int erro) {
    throw EEntradaSaida(motivo(erro));
}

[[noreturn]] void recusaEspecial(const std::string& caminho) {
    throw EArquivoEspecial(
        mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                   "\"%1\" não é um arquivo comum (é um dispositivo, um pipe ou "
                                   "um socket): nada foi gravado nele."),
                 {caminho}));
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

// Writes all of `texto` at `onde` in the file, retrying short writes.
void escreveTudo(int fd, std::string_view texto, off_t onde) {
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
// attributes), the contents copied from the finished new file. O_NONBLOCK: should it have become
// a pipe since it was looked at, opening fails at once instead of waiting for a reader.
void escreveNoLugar(const std::string& caminho, const std::string& destino, int origem,
                    std::uint64_t tamanho, bool cria) {
    TDescritor arquivo(::open(destino.c_str(),
                              O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (cria ? O_CREAT : 0),
                              0666));
    if (arquivo.fd() < 0) falha(errno);
    struct stat st {};
    if (::fstat(arquivo.fd(), &st) != 0) falha(errno);
    if (!S_ISREG(st.st_mode)) recusaEspecial(caminho);
    // The new size is taken on the disk before any byte changes: a full disk fails here, with the
    // old contents whole.
    reserva(arquivo.fd(), tamanho);
    std::vector<char> bloco(std::size_t{1} << 20);
    for (std::uint64_t feito = 0; feito < tamanho;) {
        const ssize_t lidos =
            ::pread(origem, bloco.data(), bloco.size(), static_cast<off_t>(feito));
        if (lidos < 0 && errno == EINTR) continue;
        if (lidos <= 0) falha(lidos < 0 ? errno : EIO);
        escreveTudo(arquivo.fd(), std::string_view(bloco.data(), static_cast<std::size_t>(lidos)),
                    static_cast<off_t>(feito));
        feito += static_cast<std::uint64_t>(lidos);
    }
    if (::ftruncate(arquivo.fd(), static_cast<off_t>(tamanho)) != 0) falha(errno);
    if (::fsync(arquivo.fd()) != 0) falha(errno);
    arquivo.fecha();
}

}  // namespace

TGravacaoEmPartes::TGravacaoEmPartes(const std::string& caminho)
    : caminho_(caminho), destino_(destinoReal(caminho)) {
    struct stat atual {};
    existe_ = ::stat(destino_.c_str(), &atual) == 0;
    if (existe_ && !S_ISREG(atual.st_mode) && !S_ISDIR(atual.st_mode)) recusaEspecial(caminho);
    if (existe_ && S_ISDIR(atual.st_mode)) falha(EISDIR);
    // A file that exists but may not be written keeps its protection: the save fails as writing
    // into it would.
    if (existe_ && ::access(destino_.c_str(), W_OK) != 0) falha(errno);
    dono_ = atual.st_uid;
    grupo_ = atual.st_gid;
    modo_ = atual.st_mode & 07777;

    // A symbolic link to nothing yet: the file is made where it points, the link stays.
    struct stat proprio {};
    if (!existe_ && ::lstat(destino_.c_str(), &proprio) == 0 && S_ISLNK(proprio.st_mode)) {
        noLugar_ = criaNoLugar_ = true;
    }
    // Other names or extended attributes (ACLs among them) would not follow a rename.
    if (existe_ && (atual.st_nlink > 1 || temAtributosEstendidos(destino_))) noLugar_ = true;

    // The new contents go to a new file beside the target; where that cannot be (a folder in
    // which no new file may be made), to one in the temporary folder, copied in at the end.
    // The new file's name is the target's with a suffix, or, when that would pass the longest name
    // a folder takes, a short hidden one in the same folder.
    const std::filesystem::path alvo(destino_);
    temporario_ = alvo.filename().string().size() + 7 <= 255
                      ? destino_ + ".XXXXXX"
                      : (alvo.parent_path() / ".norvika-XXXXXX").string();
    fd_ = ::mkostemp(temporario_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        const int erro = errno;
        if (!existe_ && !criaNoLugar_) falha(erro);
        temporario_ = (std::filesystem::temp_directory_path() / "norvika-XXXXXX").string();
        fd_ = ::mkostemp(temporario_.data(), O_CLOEXEC);
        if (fd_ < 0) falha(errno);
        noLugar_ = true;
    }
    registro_ = registraTemporario(temporario_);
    // An owner or group that this user cannot give the new file: the target is written in place.
    if (!noLugar_ && existe_ && (dono_ != ::geteuid() || grupo_ != ::getegid()) &&
        ::fchown(fd_, dono_, grupo_) != 0)
        noLugar_ = true;
}

TGravacaoEmPartes::~TGravacaoEmPartes() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporario_.empty()) ::unlink(temporario_.c_str());
    liberaTemporario(registro_);
}

void TGravacaoEmPartes::escreve(std::string_view parte) {
    if (buffer_.size() + parte.size() > kBuffer) descarrega();
    if (parte.size() >= kBuffer)
        escreveTudo(fd_, parte, static_cast<off_t>(escritos_)), escritos_ += parte.size();
    else
        buffer_ += parte;
}

void TGravacaoEmPartes::descarrega() {
    escreveTudo(fd_, buffer_, static_cast<off_t>(escritos_));
    escritos_ += buffer_.size();
    buffer_.clear();
}

void TGravacaoEmPartes::conclui() {
    descarrega();
    if (noLugar_) {
        escreveNoLugar(caminho_, destino_, fd_, escritos_, criaNoLugar_);
        return;  // the destructor removes the copy
    }
    // The new file takes the old one's permissions, or the usual ones for a new file.
    mode_t modo = 0666;
    if (existe_) {
        modo = modo_;
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        modo &= ~mascara;
    }
    if (::fchmod(fd_, modo) != 0) falha(errno);
    if (::fsync(fd_) != 0) falha(errno);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0) falha(errno);
    if (::rename(temporario_.c_str(), destino_.c_str()) != 0) falha(errno);
    temporario_.clear();
    liberaTemporario(registro_);
}

std::string problemaDoDestino(const std::string& caminho) {
    if (caminho.empty()) return motivo(ENOENT);
    struct stat st {};
    if (::stat(caminho.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return motivo(EISDIR);
        if (!S_ISREG(st.st_mode))
            return mensagem(QT_TRANSLATE_NOOP(
                "Mensagens", "não é um arquivo comum (é um dispositivo, um pipe ou um socket)"));
        return ::access(caminho.c_str(), W_OK) == 0 ? std::string() : motivo(errno);
    }
    if (errno != ENOENT) return motivo(errno);
    const std::filesystem::path pasta = std::filesystem::path(caminho).parent_path();
    const std::string p = pasta.empty() ? std::string(".") : pasta.string();
    if (::stat(p.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return motivo(ENOENT);
    return ::access(p.c_str(), W_OK | X_OK) == 0 ? std::string() : motivo(errno);
}

void apagaTemporariosAoTerminar() {
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction acao {};
        acao.sa_handler = apagaTemporariosESai;
        sigemptyset(&acao.sa_mask);
        ::sigaction(sinal, &acao, nullptr);
    }
}

void gravaArquivo(const std::string& caminho, std::string_view texto) {
    TGravacaoEmPartes gravacao(caminho);
    gravacao.escreve(texto);
    gravacao.conclui();
}

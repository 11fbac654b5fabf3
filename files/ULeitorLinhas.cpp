#include "ULeitorLinhas.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "UErros.h"
#include "ULimites.h"
#include "UTraducao.h"

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

std::string mensagemDaFalha(const std::exception& falha, const std::string& arquivo) {
    if (const auto* leitura = dynamic_cast<const ELeitura*>(&falha)) {
        const int erro = leitura->erro();
        const char* modelo = nullptr;
        if (leitura->especial())
            modelo = QT_TRANSLATE_NOOP("Mensagens",
                                       "Não foi possível ler \"%1\": não é um arquivo comum (é um "
                                       "pipe, um dispositivo ou um socket).");
        else if ((erro == ENOENT && !pastaExiste(leitura->caminho())) || erro == ENOTDIR)
            modelo =
                QT_TRANSLATE_NOOP("Mensagens", "Não foi possível ler \"%1\": a pasta não existe.");
        else if (erro == ENOENT)
            modelo = QT_TRANSLATE_NOOP("Mensagens",
                                       "Não foi possível ler \"%1\": o arquivo não existe.");
        else if (erro == EISDIR)
            modelo = QT_TRANSLATE_NOOP("Mensagens", "Não foi possível ler \"%1\": é uma pasta.");
        else if (erro == EACCES || erro == EPERM)
            modelo = QT_TRANSLATE_NOOP("Mensagens",
                                       "Não foi possível ler \"%1\": não há permissão para lê-lo.");
        else if (erro == ENAMETOOLONG)
            modelo = QT_TRANSLATE_NOOP("Mensagens",
                                       "Não foi possível ler \"%1\": o nome é longo demais.");
        else
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Não foi possível ler \"%1\": %2."),
                            {leitura->caminho(), std::strerror(erro)});
        return mensagem(modelo, {leitura->caminho()});
    }
    // The number conversions speak as the classic window does; here they name the file.
    if (const auto* conversao = dynamic_cast<const EConversao*>(&falha);
        conversao != nullptr && !conversao->citado().empty())
        return mensagem(
            conversao->inteiro()
                ? QT_TRANSLATE_NOOP("Mensagens", "\"%1\": \"%2\" não é um número inteiro.")
                : QT_TRANSLATE_NOOP("Mensagens", "\"%1\": \"%2\" não é um número."),
            {arquivo, conversao->citado()});
    if (dynamic_cast<const EEstouroReal*>(&falha) != nullptr)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                          "\"%1\": um valor passa do maior número que o programa "
                                          "guarda."),
                        {arquivo});
    return falha.what();
}

void falhaDeLeitura(int erro, const std::string& caminho) {
    throw ELeitura(mensagemErroArquivo(erro, caminho), erro, caminho);
}

bool arquivoExiste(const std::string& caminho) {
    if (caminho.empty()) return false;
    struct stat st {};
    return ::stat(caminho.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int abreArquivoRegular(const std::string& caminho, std::uint64_t& tamanho) {
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) falhaDeLeitura(errno, caminho);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int erro = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
        ::close(fd);
        throw ELeitura(mensagemErroArquivo(erro, caminho), erro, caminho, erro == EACCES);
    }
    tamanho = static_cast<std::uint64_t>(st.st_size);
    return fd;
}

void abreEspaco(std::vector<char>& buf, std::size_t& ini, std::size_t& fim, std::uint64_t limite,
                std::uint64_t maior, const char* modeloLongoDemais) {
    if (ini > 0) {
        std::memmove(buf.data(), buf.data() + ini, fim - ini);
        fim -= ini;
        ini = 0;
    }
    if (fim == buf.size()) {
        if (buf.size() >= limite)
            throw EMemoriaInsuficiente(mensagem(modeloLongoDemais, {limite >> 20}));
        buf.resize(std::min(maior, limite));
    }
}

TLeitorLinhas::TLeitorLinhas(const std::string& caminho, TControle* controle)
    : controle_(controle), caminho_(caminho), limite_(limiteMemoriaDados()) {
    fd_ = abreArquivoRegular(caminho, tamanho_);
    buf_.resize(kBlocoLeitura);
}

TLeitorLinhas::~TLeitorLinhas() {
    if (fd_ >= 0) ::close(fd_);
}

bool TLeitorLinhas::carregaMais() {
    if (eof_) return false;
    abreEspaco(buf_, ini_, fim_, limite_, std::uint64_t{buf_.size()} * 2,
               QT_TRANSLATE_NOOP("Mensagens",
                                 "Uma linha do arquivo é longa demais para a "
                                 "memória disponível (mais de %1 MiB)."));
    if (controle_ != nullptr && controle_->passo()) throw EInterrompido();
    for (;;) {
        // A megabyte at a time, so that a stop request is seen between reads into a long line.
        const std::size_t cabe = std::min(buf_.size() - fim_, kBlocoLeitura);
        const ssize_t n = ::read(fd_, buf_.data() + fim_, cabe);
        if (n > 0) {
            fim_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            eof_ = true;
            return false;
        }
        if (errno != EINTR) {
            const int erro = errno;
            throw ELeitura("I/O error " + std::to_string(erro), erro, caminho_);
        }
    }
}

bool TLeitorLinhas::fimDoArquivo() {
    if (ini_ < fim_) return false;
    ini_ = fim_ = 0;
    return !carregaMais();
}

std::string_view TLeitorLinhas::proximaLinha() {
    std::size_t varrido = 0;  // bytes after ini_ already known to hold no line feed
    for (;;) {
        const char* inicio = buf_.data() + ini_;
        const auto* lf =
            static_cast<const char*>(std::memchr(inicio + varrido, '\n', fim_ - ini_ - varrido));
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

std::string TLeitorLinhas::proximoCabecalho(int barras, std::size_t depois) {
    std::string texto;
    int vistas = 0;               // "|" that ended a field
    bool completo = false;        // the "#" after the last field was met
    bool pulando = false;         // the rest of the line is passed over
    std::size_t inicioCampo = 0;  // where the current field's text starts in `texto`
    bool campoLongo = false;      // the current field went past kCampoMaximo and is kept as "?"
    for (;;) {
        if (ini_ == fim_) {
            ini_ = fim_ = 0;
            if (!carregaMais()) break;
        }
        const char* p = buf_.data() + ini_;
        const char* const fimBuf = buf_.data() + fim_;
        if (pulando) {
            const auto* lf = static_cast<const char*>(
                std::memchr(p, '\n', static_cast<std::size_t>(fimBuf - p)));
            if (lf == nullptr) {
                ini_ = fim_;
                continue;
            }
            ini_ = static_cast<std::size_t>(lf - buf_.data()) + 1;
            ++linhasLidas_;
            return texto;
        }
        for (; p != fimBuf; ++p) {
            if (campoLongo) {
                // The rest of an overlong field is dropped: jump to what could end it (or the
                // line), a whole buffer at a time when there is none.
                const char* proximo = fimBuf;
                const auto tamanho = static_cast<std::size_t>(fimBuf - p);
                for (const char alvo : {'\n', kCtrlZ, vistas < barras ? '|' : '#'})
                    if (const auto* q = static_cast<const char*>(std::memchr(p, alvo, tamanho)))
                        proximo = std::min(proximo, q);
                p = proximo;
                if (p == fimBuf) break;
            }
            const char c = *p;
            if (c == '\n') {
                ini_ = static_cast<std::size_t>(p - buf_.data()) + 1;
                ++linhasLidas_;
                return texto;
            }
            if (c == kCtrlZ || (completo && depois == 0)) {
                pulando = true;
                break;
            }
            if (c == '\r') continue;
            if (completo) {
                texto += c;
                --depois;
                continue;
            }
            const bool fimDeCampo = (c == '|' && vistas < barras) || (c == '#' && vistas == barras);
            if (!fimDeCampo) {
                // An overlong field is kept as "?" and its other characters dropped.
                if (campoLongo) continue;
                if (texto.size() - inicioCampo < kCampoMaximo) {
                    texto += c;
                } else {
                    texto.replace(inicioCampo, std::string::npos, "?");
                    campoLongo = true;
                }
                continue;
            }
            texto += c;
            inicioCampo = texto.size();
            campoLongo = false;
            if (c == '|')
                ++vistas;
            else
                completo = true;
        }
        ini_ = static_cast<std::size_t>(p - buf_.data());
    }
    ++linhasLidas_;
    return texto;
}

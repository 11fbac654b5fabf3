#include "UArquivoRede.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "UErros.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"

namespace {

// Cuts the next field off `resto`, up to `separador`.
std::string_view proximoCampo(std::string_view& resto, char separador) {
    const std::size_t fim = resto.find(separador);
    if (fim == std::string_view::npos)
        throw EFormatoArquivo(std::string("Falta o separador \"") + separador +
                              "\" no arquivo de treinamento.");
    const std::string_view campo = resto.substr(0, fim);
    resto.remove_prefix(fim + 1);
    return campo;
}

// Writes all of `texto` to `fd`, retrying short writes.
void escreveTudo(int fd, std::string_view texto) {
    while (!texto.empty()) {
        const ssize_t n = ::write(fd, texto.data(), texto.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EEntradaSaida("I/O error " + std::to_string(errno));
        }
        texto.remove_prefix(static_cast<std::size_t>(n));
    }
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

}  // namespace

TCabecalhoRede separaCabecalhoRede(std::string_view linha) {
    TCabecalhoRede c;
    std::string_view resto = linha;
    c.linhas = textoParaInteiro(proximoCampo(resto, '|'));
    c.colunas = textoParaInteiro(proximoCampo(resto, '|'));
    c.dimensao = textoParaInteiro(proximoCampo(resto, '|'));
    c.raio = textoParaInteiro(proximoCampo(resto, '|'));
    c.vizinhanca = std::string(proximoCampo(resto, '|'));
    c.qtdPadroes = textoParaInteiro(proximoCampo(resto, '|'));
    c.dimensao = textoParaInteiro(proximoCampo(resto, '#'));
    if (c.linhas < 1 || c.colunas < 1 || c.dimensao < 0)
        throw EFormatoArquivo("Tamanho de mapa inválido no arquivo de treinamento.");
    return c;
}

double lePeso(std::string_view campo) {
    // The largest double has the 15-digit text 1,79769313486232E308, which lies above the double
    // range: a network saved with a weight of that magnitude holds exactly that text, and it
    // reads back as the largest double. Every other value beyond the range stays a failure.
    constexpr long double kMaiorEscrito = 1.79769313486232e308L;
    const long double valor = textoParaReal(campo);
    if (valor == kMaiorEscrito) return DBL_MAX;
    if (valor == -kMaiorEscrito) return -DBL_MAX;
    return armazenaReal(valor);
}

void lePesosNeuronio(std::string_view linha, std::int32_t dimensao, TNeuronio& neuronio) {
    std::size_t pos = 0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const std::size_t fim = linha.find_first_of("|#", pos);
        if (fim == std::string_view::npos)
            throw EFormatoArquivo("Faltam pesos numa linha do arquivo de treinamento.");
        neuronio.setPeso(k, lePeso(linha.substr(pos, fim - pos)));
        pos = fim + 1;
    }
}

std::string textoRede(const TRede& rede, std::string_view textoRaio,
                      std::string_view textoVizinhanca) {
    std::string s;
    // The size comes from the map itself, so the header always matches the neuron lines below.
    const std::string campos[] = {inteiroParaTexto(rede.linhasMapa()),
                                  inteiroParaTexto(rede.colunasMapa()),
                                  inteiroParaTexto(rede.dimensao),
                                  std::string(textoRaio),
                                  std::string(textoVizinhanca),
                                  inteiroParaTexto(rede.qtdPadroes),
                                  inteiroParaTexto(rede.dimensao)};
    for (const std::string& campo : campos) {
        s += campo;
        s += '|';
    }
    s.back() = '#';
    s += "\r\n";
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha) {
            const std::int32_t d = n.getQtdPesos();
            for (std::int32_t k = 0; k < d; ++k) {
                s += realParaTexto(n.getPeso(k));
                s += k + 1 < d ? '|' : '#';
            }
            s += "\r\n";
        }
    return s;
}

namespace {

bool temAtributosEstendidos(const std::string& caminho) {
    const ssize_t n = ::listxattr(caminho.c_str(), nullptr, 0);
    return n > 0;
}

// Writes over the file itself: truncated, written, flushed to the disk. The file keeps its
// inode, so its other names, its owner, its permissions and its extended attributes stay.
void escreveNoLugar(const std::string& destino, std::string_view texto, bool cria) {
    const int fd = ::open(destino.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | (cria ? O_CREAT : 0), 0666);
    if (fd < 0) throw EEntradaSaida(mensagemErroArquivo(errno, destino));
    try {
        escreveTudo(fd, texto);
        if (::fsync(fd) != 0) throw EEntradaSaida("I/O error " + std::to_string(errno));
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0) throw EEntradaSaida("I/O error " + std::to_string(errno));
}

}  // namespace

void salvaRede(const std::string& caminho, const TRede& rede, std::string_view textoRaio,
               std::string_view textoVizinhanca) {
    const std::string texto = textoRede(rede, textoRaio, textoVizinhanca);
    const std::string destino = destinoReal(caminho);

    struct stat atual {};
    const bool existe = ::stat(destino.c_str(), &atual) == 0;
    if (existe && !S_ISREG(atual.st_mode) && !S_ISDIR(atual.st_mode))
        throw EArquivoEspecial("\"" + caminho + "\" não é um arquivo comum (é um dispositivo, um pipe ou um "
                               "socket): o treinamento não foi salvo nele.");
    // A file that exists but may not be written keeps its protection: the save fails as writing
    // into it would.
    if (existe && (S_ISDIR(atual.st_mode) || ::access(destino.c_str(), W_OK) != 0))
        throw EEntradaSaida("File access denied");

    // A symbolic link to nothing yet: the file is created where it points, the link stays.
    struct stat proprio {};
    if (!existe && ::lstat(destino.c_str(), &proprio) == 0 && S_ISLNK(proprio.st_mode)) {
        escreveNoLugar(destino, texto, true);
        return;
    }
    // A file with other names, or with extended attributes (ACLs among them), is written in
    // place: a new file renamed over it would leave the other names on the old contents and drop
    // the attributes.
    if (existe && (atual.st_nlink > 1 || temAtributosEstendidos(destino))) {
        escreveNoLugar(destino, texto, false);
        return;
    }

    // Otherwise the new contents go to a temporary file beside the target, renamed over it only
    // when complete, so that a failed save leaves the old file intact.
    std::string temporario = destino + ".XXXXXX";
    const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
    if (fd < 0) {
        // A folder in which no new file may be made: the file itself can still be written.
        if (existe) {
            escreveNoLugar(destino, texto, false);
            return;
        }
        throw EEntradaSaida(mensagemErroArquivo(errno, destino));
    }
    bool aberto = true;
    try {
        // The new file takes the old one's permissions, or the usual ones for a new file.
        mode_t modo = 0666;
        if (existe) {
            modo = atual.st_mode & 07777;
        } else {
            const mode_t mascara = ::umask(0);
            ::umask(mascara);
            modo &= ~mascara;
        }
        // An owner or group that this user cannot give the new file: write in place instead.
        if (existe && (atual.st_uid != ::geteuid() || atual.st_gid != ::getegid()) &&
            ::fchown(fd, atual.st_uid, atual.st_gid) != 0) {
            ::close(fd);
            aberto = false;
            ::unlink(temporario.c_str());
            escreveNoLugar(destino, texto, false);
            return;
        }
        if (::fchmod(fd, modo) != 0) throw EEntradaSaida("I/O error " + std::to_string(errno));
        escreveTudo(fd, texto);
        if (::fsync(fd) != 0) throw EEntradaSaida("I/O error " + std::to_string(errno));
        aberto = false;
        if (::close(fd) != 0) throw EEntradaSaida("I/O error " + std::to_string(errno));
    } catch (...) {
        if (aberto) ::close(fd);
        ::unlink(temporario.c_str());
        throw;
    }
    if (::rename(temporario.c_str(), destino.c_str()) != 0) {
        const int erro = errno;
        ::unlink(temporario.c_str());
        throw EEntradaSaida(mensagemErroArquivo(erro, destino));
    }
}

#include "UArquivoRede.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

void lePesosNeuronio(std::string_view linha, std::int32_t dimensao, TNeuronio& neuronio) {
    std::size_t pos = 0;
    for (std::int32_t k = 0; k < dimensao; ++k) {
        const std::size_t fim = linha.find_first_of("|#", pos);
        if (fim == std::string_view::npos)
            throw EFormatoArquivo("Faltam pesos numa linha do arquivo de treinamento.");
        neuronio.setPeso(k, textoParaDouble(linha.substr(pos, fim - pos)));
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

void salvaRede(const std::string& caminho, const TRede& rede, std::string_view textoRaio,
               std::string_view textoVizinhanca) {
    const std::string texto = textoRede(rede, textoRaio, textoVizinhanca);
    const std::string destino = destinoReal(caminho);

    // A file that exists but may not be written keeps its protection: the save fails as writing
    // into it would.
    struct stat atual {};
    const bool existe = ::stat(destino.c_str(), &atual) == 0;
    if (existe && (S_ISDIR(atual.st_mode) || ::access(destino.c_str(), W_OK) != 0))
        throw EEntradaSaida("File access denied");

    std::string temporario = destino + ".XXXXXX";
    const int fd = ::mkostemp(temporario.data(), O_CLOEXEC);
    if (fd < 0) throw EEntradaSaida(mensagemErroArquivo(errno, destino));
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

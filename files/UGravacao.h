#pragma once
// The one way the program writes a file the user named: the trained network, the explorer's
// pictures and tables. What was in the file before survives any failure, and nothing but a plain
// file is ever written.
//
// - A plain file is replaced through a new file beside it, written, flushed to the disk and then
//   renamed over it: a full disk, a missing permission or an I/O error leaves the old contents.
// - A file that a rename would break (one with other names, extended attributes or ACLs, an owner
//   this user cannot give a new file, or in a folder where no new file may be made) is written in
//   place, after its new size has been reserved on the disk (posix_fallocate), so that a full
//   disk fails before any of its bytes changes.
// - A symbolic link is followed: the file it names is written, the link stays.
// - A device, a named pipe or a socket is refused without being opened for writing, so the
//   program never blocks on one nor replaces it with a plain file.
//
// Every write, the flush and the close are checked.

#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "UControle.h"
#include "UErros.h"

// Why a file could not be written at `caminho`, in the words of motivo() ("é uma pasta", "a pasta
// não existe", "não há permissão para gravar ali", ...), or empty when nothing is in the way.
// Asked before long work, so that a bad output name fails at once rather than after it.
std::string problemaDoDestino(const std::string& caminho);

// A command-line tool stopped by SIGTERM, SIGINT or SIGHUP while it writes removes the new file
// it was writing (the target is still whole) before it ends as the signal would have ended it.
void apagaTemporariosAoTerminar();

// Writes `texto` to `caminho`. Throws EArquivoEspecial for something that is not a plain file,
// EEntradaSaida (with the system's message) for every other failure.
void gravaArquivo(const std::string& caminho, std::string_view texto);

// The same for a file made in parts (an import of millions of lines), so that it is never held
// whole in memory: the parts go to the new file as they come, and conclui puts it in place. Until
// then the target is untouched; a save abandoned (destroyed before conclui, or failed) leaves it
// as it was and removes what it wrote. The constructor refuses what is not a plain file.
class TGravacaoEmPartes {
  public:
    explicit TGravacaoEmPartes(const std::string& caminho);
    ~TGravacaoEmPartes();
    TGravacaoEmPartes(const TGravacaoEmPartes&) = delete;
    TGravacaoEmPartes& operator=(const TGravacaoEmPartes&) = delete;

    void escreve(std::string_view parte);
    void conclui();

  private:
    void descarrega();
    static constexpr std::size_t kBuffer = std::size_t{1} << 20;

    std::string caminho_, destino_, temporario_;
    int fd_ = -1;
    int registro_ = -1;  // the new file's place among those a terminating signal removes
    bool existe_ = false, noLugar_ = false, criaNoLugar_ = false;
    unsigned dono_ = 0, grupo_ = 0, modo_ = 0;
    std::string buffer_;
    std::uint64_t escritos_ = 0;
};

// A TGravacaoEmPartes as an std::ostream, for writers that take a stream. A failure of the writing
// is thrown out of the stream operation that met it (EEntradaSaida), never left as a state bit.
// With a control, every mebibyte written is one of its steps, and a stop request throws
// EInterrompido from the write that sees it (the target untouched).
class TSaidaSegura : public std::ostream {
  public:
    explicit TSaidaSegura(const std::string& caminho, TControle* controle = nullptr)
        : std::ostream(nullptr), buffer_(caminho, controle) {
        rdbuf(&buffer_);
        exceptions(std::ios::badbit | std::ios::failbit);
    }
    void conclui() {
        flush();
        buffer_.gravacao.conclui();
    }

  private:
    struct TBuffer : std::streambuf {
        TBuffer(const std::string& caminho, TControle* controle_)
            : gravacao(caminho), controle(controle_) {}
        int_type overflow(int_type c) override {
            if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
            const char ch = traits_type::to_char_type(c);
            escreve(std::string_view(&ch, 1));
            return c;
        }
        std::streamsize xsputn(const char* s, std::streamsize n) override {
            escreve(std::string_view(s, static_cast<std::size_t>(n)));
            return n;
        }
        void escreve(std::string_view parte) {
            gravacao.escreve(parte);
            escritos += parte.size();
            if (controle != nullptr && escritos >= proximoPasso) {
                proximoPasso = escritos + (std::uint64_t{1} << 20);
                if (controle->passo()) throw EInterrompido();
            }
        }
        TGravacaoEmPartes gravacao;
        TControle* controle;
        std::uint64_t escritos = 0, proximoPasso = std::uint64_t{1} << 20;
    };
    TBuffer buffer_;
};

#pragma once
// Reads a text file line by line, by the rules that both file formats share:
// - a line ends at a line feed, or at a carriage return followed by a line feed;
// - a carriage return not followed by a line feed is dropped and does not end the line;
// - a Ctrl-Z (code 26) ends the text of its line; the rest, up to the line feed, is skipped;
// - a line may be as long as the memory allowance (limiteMemoriaDados) lets it be; a last line
//   without a line end is read normally;
// - reading past the end of the file gives empty lines.
//
// Lines are handed out as views into the reader's buffer, copied only when a carriage return
// has to be dropped; a view lives until the next call.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "UControle.h"

class TLeitorLinhas {
  public:
    // Opens the file for reading. Throws EEntradaSaida with the system's message ("File not
    // found", "Invalid filename", "File access denied", "Too many open files", "I/O error %d").
    // With a control, every megabyte read is one of its steps, and a stop request throws
    // EInterrompido from the read that sees it.
    explicit TLeitorLinhas(const std::string& caminho, TControle* controle = nullptr);
    ~TLeitorLinhas();
    TLeitorLinhas(const TLeitorLinhas&) = delete;
    TLeitorLinhas& operator=(const TLeitorLinhas&) = delete;

    std::string_view proximaLinha();

    // The next line as far as a header needs it: its text up to the first "#" that follows its
    // `barras`-th "|" (the line's fields), then at most `depois` more characters; the rest of the
    // line is passed over without being kept, so that a header line of gigabytes costs no memory.
    // A field longer than kCampoMaximo characters is kept as "?", which no integer conversion
    // accepts and no keyword matches. When the line ends before that "#" it is returned whole.
    std::string proximoCabecalho(int barras, std::size_t depois);
    static constexpr std::size_t kCampoMaximo = 64 * 1024;

    // Whether every byte of the file has been handed out.
    bool fimDoArquivo();

    // The file's size when it was opened.
    std::uint64_t tamanhoArquivo() const { return tamanho_; }

    // Number of lines handed out so far, the current one included.
    std::int64_t numeroLinha() const { return linhasLidas_; }

  private:
    bool carregaMais();
    std::string_view limpa(const char* inicio, const char* fim);

    TControle* controle_;
    int fd_ = -1;
    std::vector<char> buf_;
    std::size_t ini_ = 0;  // unread bytes are buf_[ini_, fim_)
    std::size_t fim_ = 0;
    bool eof_ = false;
    std::string caminho_;
    std::string montada_;
    std::int64_t linhasLidas_ = 0;
    std::uint64_t limite_;
    std::uint64_t tamanho_ = 0;
};

// Opens a regular file for reading and gives its size. O_NONBLOCK keeps a named pipe without a
// writer from blocking at open; anything but a regular file is refused. Throws EEntradaSaida with
// the program's message for the file.
int abreArquivoRegular(const std::string& caminho, std::uint64_t& tamanho);

// Whether a file (not a folder) exists at the path.
bool arquivoExiste(const std::string& caminho);

// Makes room for the next read of a file read a block at a time into `buf`, whose bytes not yet
// taken are buf[ini, fim): moves them to the start and, when they fill the buffer, grows it to
// `maior` bytes, at most `limite`. A buffer already at the limit cannot hold more of the line or
// record it holds: throws EMemoriaInsuficiente with the message `modeloLongoDemais` (of the
// "Mensagens" context), whose %1 is the limit in MiB.
void abreEspaco(std::vector<char>& buf, std::size_t& ini, std::size_t& fim, std::uint64_t limite,
                std::uint64_t maior, const char* modeloLongoDemais);

// The message for a failed system call on a file, by errno.
std::string mensagemErroArquivo(int erro, const std::string& caminho);
// Throws that failure (ELeitura, with the error and the path).
[[noreturn]] void falhaDeLeitura(int erro, const std::string& caminho);

// A failure of reading `arquivo` as the laboratory and the tools say it, in Portuguese and naming
// the file: "Não foi possível ler "x.txt": o arquivo não existe.", ""x.txt": "?" não é um
// número."; any other failure's own text.
std::string mensagemDaFalha(const std::exception& falha, const std::string& arquivo);

#pragma once
// The failures of the engine and the file formats. Each type's what() is the exact text that the
// user sees, so the window only has to show it; a guarded stretch may still replace it with a
// fixed message of its own.

#include <stdexcept>
#include <string>
#include <utility>

#include "UTraducao.h"

// A text that the number conversions cannot read.
class EConversao : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    // The conversions' own failure: the text as the message quotes it, and whether a whole
    // number was wanted (for messages that say it in other words).
    EConversao(const std::string& mensagem, std::string citado, bool inteiro)
        : std::runtime_error(mensagem), citado_(std::move(citado)), inteiro_(inteiro) {}
    const std::string& citado() const { return citado_; }
    bool inteiro() const { return inteiro_; }

  private:
    std::string citado_;
    bool inteiro_ = false;
};

// A value beyond the double range stored into a double.
class EEstouroReal : public std::runtime_error {
  public:
    EEstouroReal() : std::runtime_error("Floating point overflow") {}
};

// A file that cannot be opened, read or written.
class EEntradaSaida : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A file that could not be opened or read: what() is the classic window's message ("File not
// found", ...); the system's error and the path stay with it, for the messages of the laboratory
// and the tools (mensagemDaFalha).
class ELeitura : public EEntradaSaida {
  public:
    ELeitura(const std::string& mensagem, int erro, std::string caminho, bool especial = false)
        : EEntradaSaida(mensagem), erro_(erro), caminho_(std::move(caminho)), especial_(especial) {}
    int erro() const { return erro_; }
    const std::string& caminho() const { return caminho_; }
    bool especial() const { return especial_; }  // a pipe, a device or a socket

  private:
    int erro_;
    std::string caminho_;
    bool especial_;
};

// A path that names something other than a plain file (a named pipe, a socket, a device), which
// the program refuses to write into.
class EArquivoEspecial : public EEntradaSaida {
  public:
    using EEntradaSaida::EEntradaSaida;
};

// A line of a file without one of its separators.
class EFormatoArquivo : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Something that would need more memory than the program allows itself: a map too large for
// the memory ceiling, a pattern file whose values would not fit.
class EMemoriaInsuficiente : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A long piece of work (reading a file, loading a map) that ended early because the user asked it
// to stop; the command that started it leaves everything as it was.
class EInterrompido : public std::runtime_error {
  public:
    EInterrompido()
        : std::runtime_error(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Interrompido a pedido."))) {}
};

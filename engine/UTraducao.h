#pragma once
// The messages of the layers below the windows, in the language of the run. They are written in
// Portuguese, the source language, and marked with QT_TRANSLATE_NOOP("Mensagens", ...) so that
// lupdate collects them into the program's translation file; the program and the tools install a
// translator at start (through Qt, which these layers never include) and, with none, the
// Portuguese stands, byte for byte. A message's %1 … %9 are its arguments, put in after the
// translation so that a translation may order them as its language wants.
//
//   throw EImportacao(mensagem(QT_TRANSLATE_NOOP("Mensagens", "A coluna \"%1\" não existe."),
//                              {nome}));

#include <concepts>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// Qt's own spelling, so that a file which also includes Qt's headers sees one definition.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// One argument of a message: a text as it is, or a whole number in digits.
class TArgumento {
  public:
    TArgumento(std::string texto) : texto_(std::move(texto)) {}
    TArgumento(std::string_view texto) : texto_(texto) {}
    TArgumento(const char* texto) : texto_(texto) {}
    template <std::integral T>
    requires(!std::same_as<T, char> && !std::same_as<T, bool>) TArgumento(T n)
        : texto_(std::to_string(n)) {}
    const std::string& texto() const { return texto_; }

  private:
    std::string texto_;
};

// Turns a source text of `contexto` into the run's language (UTF-8 in, UTF-8 out). Installed once
// at start, before any worker thread runs; it must be safe to call from any thread.
using TTradutor = std::string (*)(const char* contexto, const char* fonte);
void instalaTradutor(TTradutor tradutor);

// `fonte` of `contexto` in the run's language.
std::string traducao(const char* contexto, const char* fonte);

// A message of the "Mensagens" context with its %1 … %9 replaced by `argumentos`, once each
// (an argument's own "%2" stays as it is).
std::string mensagem(const char* modelo, std::initializer_list<TArgumento> argumentos = {});

#pragma once
// Text between the engine's bytes and the window's QStrings. Files hold bytes: a label is shown as
// UTF-8 when it is valid UTF-8 (what Linux editors write) and as Windows-1252 otherwise (files made
// on Windows keep working). Paths go through the file system's own encoding.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

QString textoDeBytes(std::string_view bytes);
std::string caminhoEmBytes(const QString& caminho);
std::string bytesUtf8(const QString& texto);

// A whole number as the program converts a box's text (textoParaInteiro), failures included.
std::int32_t inteiroDe(const QString& texto);

// A seed as the user writes it: a whole number from 0 to 4294967295, blanks around allowed.
std::optional<std::uint32_t> sementeDoTexto(const QString& texto);

// A number as a person reads it on screen: 4 significant digits, the decimal comma (the point in
// English), trailing
// zeros dropped; beyond 10^6 or below 10^-4 in the program's scientific form (1,235E7). Files and
// tooltips keep every digit (realParaTexto).
QString numeroCurto(double v);

// A text of the layers below the windows (lessons, settings, demonstrations), marked there for
// translation under `contexto`, as the language of the run has it.
QString traduzido(const char* contexto, const std::string& texto);

// A count and its noun, in the singular for one ("1 padrão", "0 padrões", "150 padrões").
QString contagem(std::int64_t n, const QString& singular, const QString& plural);

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

// A seed as the user writes it: a whole number from 0 to 4294967295, blanks around allowed.
std::optional<std::uint32_t> sementeDoTexto(const QString& texto);

#pragma once
// What the laboratory window's files share: UFormLaboratorio.cpp (the window, its data, its
// training and its map), UFormLaboratorioControles.cpp (the settings in the controls, kept between
// sessions), UFormLaboratorioExecucoes.cpp (the runs and the replay) and
// UFormLaboratorioDemonstracoes.cpp (the generated data).

#include <QString>
#include <cstdint>
#include <optional>

#include "UCodebook.h"

namespace ULabJanela {

// The seed field: a whole number from 0 to 2^64 - 1, else nothing; and the message refusing one.
std::optional<std::uint64_t> sementeDoCampo(const QString& texto);
QString sementeRecusada(const QString& texto);

// Writes a map as a .cod; returns why it failed, empty when written.
QString gravaCodebookEm(const TCodebook& codebook, const QString& caminho);

}  // namespace ULabJanela

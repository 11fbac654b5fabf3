#pragma once
// The laboratory's settings as one table: for each, the name the window gives it, the window's
// control (whose object name is also the saved preference's key), the choices of a setting that is
// a choice (the token the command line and a codebook's comment use, and the text the window
// shows), and how two configurations compare on it. The window, the comparison, the run's tooltip,
// the codebook's comment lines and norvika-lab all read their settings' names and words here.
//
// The display texts are Portuguese, the program's source language, marked for translation.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ULaboratorio.h"

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

// In the window's order.
enum class TAjusteLab {
    linhas,
    colunas,
    topologia,
    toroidal,
    modo,
    vizinhanca,
    raioInicial,
    raioFinal,
    taxaInicial,
    taxaFinal,
    decaimento,
    epocas,
    ordem,
    inicio,
    semente,
};
inline constexpr std::size_t kAjustesLab = 15;

struct TEscolhaLab {
    const char* token;  // "hexagonal": the command line's and the codebook comment's word
    const char* texto;  // "Hexagonal": the window's
};

struct TDescricaoAjusteLab {
    TAjusteLab ajuste;
    const char* nome;      // "Raio inicial"
    const char* controle;  // "LabRaioInicialSpin": the window's control and the preference's key
    // A choice's options, in the order of its enumeration (false then true for a yes/no); empty
    // for a number.
    std::vector<TEscolhaLab> escolhas;
};

// Every setting, in the window's order.
const std::array<TDescricaoAjusteLab, kAjustesLab>& ajustesLab();
const TDescricaoAjusteLab& descricao(TAjusteLab ajuste);

// Whether the two configurations have the same value of this setting.
bool mesmoAjuste(const TConfiguracaoLab& a, const TConfiguracaoLab& b, TAjusteLab ajuste);
// The names of the settings that differ, in the window's order.
std::vector<std::string> diferencasLab(const TConfiguracaoLab& a, const TConfiguracaoLab& b);

// A choice's option in a configuration (its place in `escolhas`); nothing for a number.
std::optional<std::size_t> escolhaDe(const TConfiguracaoLab& c, TAjusteLab ajuste);
// A choice's token in a configuration ("hexagonal").
const char* tokenDoAjuste(const TConfiguracaoLab& c, TAjusteLab ajuste);
// Sets a choice to its option `escolha`; false (nothing changed) past its options.
bool defineEscolha(TConfiguracaoLab& c, TAjusteLab ajuste, std::size_t escolha);
// The option whose token is `token`, or nothing.
std::optional<std::size_t> escolhaPorToken(TAjusteLab ajuste, std::string_view token);
// The tokens of a choice, "a, b, c".
std::string tokensDe(TAjusteLab ajuste);

// The setting's value as the window shows it: a choice's text, a whole number in digits, a real
// number as `real` writes it.
std::string textoDoAjuste(const TConfiguracaoLab& c, TAjusteLab ajuste,
                          const std::function<std::string(double)>& real);

// The settings of a training and its errors, as the comment lines a codebook keeps them in
// ("norvika-lab topologia=hexagonal ... semente=1" and "norvika-lab erro_quantizacao=...").
std::vector<std::string> comentariosDoTreinoLab(const TConfiguracaoLab& config, double quantizacao,
                                                double topografico);
// The settings those comment lines keep, on a grid of these sizes; nothing when no line holds them
// or a word of it is not understood (a start from given weights comes back as a start from the
// patterns: the weights are not in the comment).
// The errors those comment lines record (quantization, topographic), when they do.
std::optional<std::pair<double, double>> errosDosComentariosLab(
    const std::vector<std::string>& comentarios);
std::optional<TConfiguracaoLab> configuracaoDosComentariosLab(
    const std::vector<std::string>& comentarios, std::int32_t linhas, std::int32_t colunas);

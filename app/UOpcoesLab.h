#pragma once
// What norvika-lab's two command lines share (the SOM's in lab.cpp, the competitive-learning
// models' in labCompetitivo.cpp): numbers and schedules as typed, the weights' hash, the outputs'
// failures.

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "UErros.h"
#include "UFalha.h"
#include "UFerramenta.h"
#include "ULaboratorio.h"
#include "UNumeros.h"

inline double numero(const std::string& opcao, const std::string& texto) {
    if (const std::optional<double> v = numeroDigitado(texto)) return *v;
    falha(QCoreApplication::translate("NorvikaLab", "%1: \"%2\" não é um número.")
              .arg(qt(opcao), qt(texto)));
}

inline std::int32_t inteiro(const std::string& opcao, const std::string& texto) {
    const double v = numero(opcao, texto);
    if (v != std::floor(v) || v < -2147483648.0 || v > 2147483647.0)
        falha(QCoreApplication::translate("NorvikaLab", "%1: \"%2\" não é um número inteiro.")
                  .arg(qt(opcao), qt(texto)));
    return static_cast<std::int32_t>(v);
}

inline TAgendaLab agenda(const std::string& opcao, const std::string& texto, double finalPadrao) {
    const std::size_t doisPontos = texto.find(':');
    if (doisPontos == std::string::npos) return {numero(opcao, texto), finalPadrao};
    return {numero(opcao, texto.substr(0, doisPontos)),
            numero(opcao, texto.substr(doisPontos + 1))};
}

inline std::uint64_t fnv(const std::vector<double>& v) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    const auto* p = reinterpret_cast<const unsigned char*>(v.data());
    for (std::size_t i = 0; i < v.size() * sizeof(double); ++i) {
        h ^= p[i];
        h *= 0x100000001b3ull;
    }
    return h;
}

inline double segundos(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// A whole number of up to 18 digits, for counts that may pass 2^31 (signals).
inline std::int64_t inteiro64(const std::string& opcao, const std::string& texto) {
    const double v = numero(opcao, texto);
    if (v != std::floor(v) || v < -1e18 || v > 1e18)
        falha(QCoreApplication::translate("NorvikaLab", "%1: \"%2\" não é um número inteiro.")
                  .arg(qt(opcao), qt(texto)));
    return static_cast<std::int64_t>(v);
}

// A write that fails says which output it was.
template <class F>
inline void grava(const std::string& opcao, const std::string& caminho, F&& f) {
    try {
        f();
    } catch (const EEntradaSaida& e) {
        falha(QCoreApplication::translate("NorvikaLab", "não foi possível gravar %1 \"%2\": %3")
                  .arg(qt(opcao), qt(caminho), QString::fromUtf8(e.what())));
    }
}

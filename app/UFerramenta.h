#pragma once
// What the command-line tools share at start: the language of the run, as the program chooses it
// (--idioma, then NORVIKA_IDIOMA, then the choice saved by Exibir → Idioma, then Portuguese), and
// their texts through Qt's translation. A QCoreApplication (or a QGuiApplication) must exist.

#include <QCoreApplication>
#include <QString>
#include <clocale>
#include <cstdio>
#include <string>
#include <string_view>

#include "UIdioma.h"

// A std::string (UTF-8) as an argument of a translated text.
inline QString qt(const std::string& texto) {
    return QString::fromStdString(texto);
}

// Writes a translated text as it is, UTF-8 as the Portuguese source is.
inline void escreveTexto(std::FILE* saida, const QString& texto) {
    std::fputs(texto.toStdString().c_str(), saida);
}

// Installs the language of the run. --idioma is looked for anywhere in the line, so that
// "--help --idioma en" already answers in English; the tool's own reading of the line takes it
// again as an option. A value that is no language is reported, and the next source is looked at.
inline void instalaIdiomaDaFerramenta(const char* programa, int argc, char** argv) {
    // Qt takes the system's locale at start; the tools' numbers (printf, strtod) stay with a point
    // in their key=value lines whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    QString opcao;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "--idioma") opcao = QString::fromLocal8Bit(argv[i + 1]);
    QString aviso;
    UIdioma::instala(UIdioma::escolhido(opcao, aviso));
    if (!aviso.isEmpty()) std::fprintf(stderr, "%s: %s\n", programa, aviso.toStdString().c_str());
}

#pragma once
// The program's command line: norvika [-h|--help] [-v|--version] [--laboratorio] [--idioma pt|en]
// [ARQUIVO].
// Without arguments the program starts as it always has; a file given here is opened as if the
// user had picked it (TFormMain::abreArquivo), or in the laboratory with --laboratorio.

#include <QString>
#include <QStringList>

struct TLinhaComando {
    bool ajuda = false;
    bool versao = false;
    bool laboratorio = false;
    QString idioma;   // as given to --idioma (null when absent): UIdioma reads it
    QString arquivo;  // as given, empty when none
    QString erro;  // why the line was refused (an unknown option, two files); empty when accepted
};

// `argumentos` starts with the program's name, as QCoreApplication::arguments() has it. Works
// before any application object exists, so that --help and --version answer without a display.
TLinhaComando leLinhaComando(const QStringList& argumentos);

QString textoAjuda();   // what --help prints
QString textoVersao();  // what --version prints: "Norvika 1.0.0"

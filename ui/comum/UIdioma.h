#pragma once
// The program's language: Portuguese, its source language and the default, or English. The
// language of a run comes from --idioma, then NORVIKA_IDIOMA, then the choice saved by Exibir →
// Idioma, then Portuguese; the system's locale never chooses it, so that a classroom's machines
// show what the teacher chose. The option and the variable are for that run only.

#include <QString>
#include <optional>

namespace UIdioma {

enum class TIdioma { portugues, ingles };

// "pt" or "en" (blanks around them and upper case allowed); nothing for anything else.
std::optional<TIdioma> deCodigo(const QString& codigo);
QString codigo(TIdioma idioma);

// The language of this run. A value of the option or of the variable that is no language is
// refused with `aviso` set (the next source is then looked at).
TIdioma escolhido(const QString& opcao, QString& aviso);

// The choice of Exibir → Idioma, kept in the settings.
std::optional<TIdioma> salvo();
void salva(TIdioma idioma);

// Installs the translators of the language in the running application (English: the program's
// own translation; Portuguese: Qt's own dialogs in Portuguese), once.
void instala(TIdioma idioma);
// The language installed (Portuguese until instala is called).
TIdioma atual();

}  // namespace UIdioma

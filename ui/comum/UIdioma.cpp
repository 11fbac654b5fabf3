#include "UIdioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "UTraducao.h"

namespace UIdioma {
namespace {

TIdioma& idiomaAtual() {
    static TIdioma i = TIdioma::portugues;
    return i;
}

QSettings preferencias() {
    return QSettings(QStringLiteral("Norvika"), QStringLiteral("Norvika"));
}

const QString kChave = QStringLiteral("idioma");

// The layers below the windows ask for their messages through this (UTraducao.h).
std::string traduzidoPeloQt(const char* contexto, const char* fonte) {
    return QCoreApplication::translate(contexto, fonte).toStdString();
}

}  // namespace

std::optional<TIdioma> deCodigo(const QString& codigo) {
    const QString c = codigo.trimmed().toLower();
    if (c == QStringLiteral("pt")) return TIdioma::portugues;
    if (c == QStringLiteral("en")) return TIdioma::ingles;
    return std::nullopt;
}

QString codigo(TIdioma idioma) {
    return idioma == TIdioma::ingles ? QStringLiteral("en") : QStringLiteral("pt");
}

TIdioma escolhido(const QString& opcao, QString& aviso) {
    aviso.clear();
    const auto recusa = [&](const QString& origem, const QString& valor) {
        if (aviso.isEmpty())
            aviso = QCoreApplication::translate("UIdioma",
                                                "%1: idioma desconhecido: \"%2\" (use pt ou en)")
                        .arg(origem, valor);
    };
    if (!opcao.isNull()) {
        if (const auto i = deCodigo(opcao)) return *i;
        recusa(QStringLiteral("--idioma"), opcao);
    }
    const QString variavel = qEnvironmentVariable("NORVIKA_IDIOMA");
    if (!variavel.isEmpty()) {
        if (const auto i = deCodigo(variavel)) return *i;
        recusa(QStringLiteral("NORVIKA_IDIOMA"), variavel);
    }
    return salvo().value_or(TIdioma::portugues);
}

std::optional<TIdioma> salvo() {
    return deCodigo(preferencias().value(kChave).toString());
}

void salva(TIdioma idioma) {
    preferencias().setValue(kChave, codigo(idioma));
}

void instala(TIdioma idioma) {
    static QTranslator* programa = nullptr;
    static QTranslator* qt = nullptr;
    if (programa != nullptr || qt != nullptr) return;
    idiomaAtual() = idioma;
    if (idioma == TIdioma::ingles) {
        programa = new QTranslator(QCoreApplication::instance());
        if (programa->load(QStringLiteral(":/i18n/norvika_en.qm")))
            QCoreApplication::installTranslator(programa);
        instalaTradutor(&traduzidoPeloQt);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return;
    }
    // Qt's own dialogs and menus (file dialogs, the edit boxes' context menu) in Portuguese too.
    qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // Dates and sizes in the file dialogs in the Brazilian way. The program's own numbers never
    // go through QLocale: they follow the decimal separator of their conversions.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

TIdioma atual() {
    return idiomaAtual();
}

}  // namespace UIdioma

// Norvika: a desktop program for teaching and experimenting with Kohonen self-organising maps.
// Start-up creates the three windows once, then runs the event loop until the main window closes.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

#include "UBusca.h"
#include "UFormInformacoes.h"
#include "UFormSobre.h"
#include "UNumeros.h"
#include "Uprincipal.h"

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvika"));
    // Qt's own dialogs and menus (file dialogs, the edit boxes' context menu) speak Portuguese too.
    QTranslator traducaoQt;
    if (traducaoQt.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducaoQt);
    // Dates and sizes in the file dialogs in the Brazilian way. The program's own numbers never go
    // through QLocale: they follow the decimal separator of their conversions.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Until the main window first becomes active, numbers use the regional decimal symbol.
    const QString ponto = QLocale::system().decimalPoint();
    defineSeparadorDecimal(ponto.size() == 1 && ponto.at(0).unicode() < 128
                               ? static_cast<char>(ponto.at(0).unicode())
                               : '.');

    // NORVIKA_BUSCA chooses the search kernel, for measuring; a kernel this processor lacks is
    // refused and the best one is used.
    const std::string recusa = defineBuscaDoAmbiente();
    if (!recusa.empty()) std::fprintf(stderr, "norvika: NORVIKA_BUSCA: %s\n", recusa.c_str());

    TFormMain principal;
    FormMain = &principal;
    TFormInformacoes informacoes(&principal);
    FormInformacoes = &informacoes;
    TFormSobre sobre(&principal);
    FormSobre = &sobre;
    principal.defineJanelas(&informacoes, &sobre);

    principal.show();
    return QApplication::exec();
}

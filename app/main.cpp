// Norvika: a desktop program for teaching and experimenting with Kohonen self-organising maps.
// Start-up creates the three windows once, then runs the event loop until the main window closes.

#include <QApplication>
#include <QLocale>

#include "UFormInformacoes.h"
#include "UFormSobre.h"
#include "UNumeros.h"
#include "Uprincipal.h"

int main(int argc, char** argv) {
    QApplication aplicacao(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvika"));
    // Until the main window first becomes active, numbers use the regional decimal symbol.
    const QString ponto = QLocale::system().decimalPoint();
    defineSeparadorDecimal(ponto.size() == 1 && ponto.at(0).unicode() < 128
                               ? static_cast<char>(ponto.at(0).unicode())
                               : '.');

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

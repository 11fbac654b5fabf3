// Norvika: a desktop program for teaching and experimenting with Kohonen self-organising maps.
// Start-up creates the three windows once, then runs the event loop until the main window closes.
// `norvika --help` and `norvika --version` answer before any window system is needed;
// `norvika ARQUIVO` opens the file once the window is shown (ULinhaComando.h).

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <csignal>
#include <cstdio>

#include "UBusca.h"
#include "UFormInformacoes.h"
#include "UFormSobre.h"
#include "UIdioma.h"
#include "UImagens.h"
#include "UJanelas.h"
#include "ULinhaComando.h"
#include "UNumeros.h"
#include "UTextos.h"
#include "Uprincipal.h"

namespace {

void escreve(std::FILE* saida, const QString& texto) {
    std::fputs(texto.toLocal8Bit().constData(), saida);
}

}  // namespace

int main(int argc, char** argv) {
    // Qt's own options (-platform, -style, ...) are still in the line here: only --help and
    // --version are looked for; the line is checked whole once Qt has taken its options out.
    QStringList argumentos;
    for (int i = 0; i < argc; ++i) argumentos << QString::fromLocal8Bit(argv[i]);
    const TLinhaComando pedido = leLinhaComando(argumentos);
    if (pedido.ajuda || pedido.versao) {
        // No window system is needed for these: the core application carries the translation.
        QCoreApplication nucleo(argc, argv);
        QString aviso;
        UIdioma::instala(UIdioma::escolhido(pedido.idioma, aviso));
        if (!aviso.isEmpty()) escreve(stderr, QStringLiteral("norvika: %1\n").arg(aviso));
        escreve(stdout, pedido.ajuda ? textoAjuda() : textoVersao());
        return 0;
    }

    QApplication aplicacao(argc, argv);
    // Every window fits the screen, and the wheel edits a box only when it has the focus.
    UJanelas::instala();
    QApplication::setApplicationName(QStringLiteral("Norvika"));
    // On Wayland the window finds its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("br.org.norvika.Norvika"));
    QApplication::setWindowIcon(UImagens::iconeNorvika());
    const TLinhaComando linha = leLinhaComando(QApplication::arguments());
    {
        QString aviso;
        UIdioma::instala(UIdioma::escolhido(linha.idioma, aviso));
        if (!aviso.isEmpty()) escreve(stderr, QStringLiteral("norvika: %1\n").arg(aviso));
    }
    if (!linha.erro.isEmpty()) {
        escreve(stderr, QCoreApplication::translate(
                            "main", "norvika: %1\nUse \"norvika --help\" para ver as opções.\n")
                            .arg(linha.erro));
        return 2;
    }
    // Until the main window first becomes active, numbers use the regional decimal symbol.
    const QString ponto = QLocale::system().decimalPoint();
    defineSeparadorDecimal(ponto.size() == 1 && ponto.at(0).unicode() < 128
                               ? static_cast<char>(ponto.at(0).unicode())
                               : '.');

    // NORVIKA_BUSCA chooses the search kernel, for measuring; a kernel this processor lacks is
    // refused and the best one is used.
    const std::string recusa = defineBuscaDoAmbiente();
    if (!recusa.empty()) std::fprintf(stderr, "norvika: NORVIKA_BUSCA: %s\n", recusa.c_str());
    // NORVIKA_SEMENTE fixes the seed of the initial weights; one that is not a seed is reported
    // the same way, and the clock gives the seeds.
    const QString semente = qEnvironmentVariable("NORVIKA_SEMENTE");
    if (!semente.isEmpty() && !sementeDoTexto(semente))
        escreve(stderr, QCoreApplication::translate(
                            "main",
                            "norvika: NORVIKA_SEMENTE: semente inválida: \"%1\" (use um número "
                            "inteiro de 0 a 4294967295); os pesos iniciais vêm do relógio\n")
                            .arg(semente));
    // A file that would grow past the size the system allows fails with an error the program
    // reports, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    TFormMain principal;
    FormMain = &principal;
    TFormInformacoes informacoes(&principal);
    TFormSobre sobre(&principal);
    principal.defineJanelas(&informacoes, &sobre);

    principal.show();
    if (linha.laboratorio)
        QTimer::singleShot(0, &principal, [&principal, arquivo = linha.arquivo] {
            principal.abreLaboratorio(arquivo);
        });
    else if (!linha.arquivo.isEmpty())
        QTimer::singleShot(0, &principal, [&principal, arquivo = linha.arquivo] {
            principal.abreArquivo(arquivo);
        });
    return QApplication::exec();
}

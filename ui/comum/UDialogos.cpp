#include "UDialogos.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QFileDialog>
#include <chrono>
#include <string_view>

#include "UImportacao.h"

namespace UDialogos {
namespace {

Respondedor& respondedorAtual() {
    static Respondedor r;
    return r;
}

Executor& executorAtual() {
    static Executor e;
    return e;
}

std::function<std::uint32_t()>& relogioAtual() {
    static std::function<std::uint32_t()> r;
    return r;
}

}  // namespace

QFileDialog* criaDialogoArquivo(QWidget* pai, const char* nome, bool salvar) {
    auto* d = new QFileDialog(pai);
    d->setObjectName(QString::fromLatin1(nome));
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setOption(QFileDialog::ReadOnly, false);
    d->setFileMode(QFileDialog::AnyFile);
    d->setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setOption(QFileDialog::DontConfirmOverwrite, true);  // saving replaces without asking
    d->setSizeGripEnabled(true);
    if (salvar) {
        d->setDefaultSuffix(QStringLiteral("cfg"));
        d->setNameFilter(QStringLiteral("(*.cfg)"));
    }
    return d;
}

QFileDialog* criaDialogoTabela(QWidget* pai, const char* nome) {
    QFileDialog* d = criaDialogoArquivo(pai, nome, false);
    d->setFileMode(QFileDialog::ExistingFile);
    d->setNameFilters({filtroTabelas(QCoreApplication::translate("UDialogos", "Tabelas")),
                       QCoreApplication::translate("UDialogos", "Todos os arquivos (*)")});
    return d;
}

QString filtroTabelas(const QString& rotulo, bool padroesPrimeiro) {
    QStringList padroes;
    if (padroesPrimeiro) padroes << QStringLiteral("*.txt");
    for (const TExtensaoTabela& e : kExtensoesTabela)
        if (!padroesPrimeiro || std::string_view(e.extensao) != "txt")
            padroes << QStringLiteral("*.") + QString::fromLatin1(e.extensao);
    return rotulo + QStringLiteral(" (") + padroes.join(u' ') + u')';
}

QFileDialog* criaDialogoPadroes(QWidget* pai, const char* nome) {
    QFileDialog* d = criaDialogoArquivo(pai, nome, true);
    d->setOption(QFileDialog::DontConfirmOverwrite, false);
    d->setDefaultSuffix(QStringLiteral("txt"));
    d->setNameFilters({QCoreApplication::translate("UDialogos", "Arquivos de padrões (*.txt)"),
                       QCoreApplication::translate("UDialogos", "Dados do SOM_PAK (*.dat)")});
    return d;
}

QFileDialog* criaDialogoExportacao(QWidget* pai, const char* nome, const QStringList& filtros,
                                   const QString& sufixo) {
    auto* d = new QFileDialog(pai);
    d->setObjectName(QString::fromLatin1(nome));
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    d->setNameFilters(filtros);
    d->setDefaultSuffix(sufixo);
    return d;
}

QFileDialog* criaDialogoImagem(QWidget* pai, const char* nome) {
    return criaDialogoExportacao(
        pai, nome, {QCoreApplication::translate("UDialogos", "Imagens (*.png *.svg)")},
        QStringLiteral("png"));
}

QFileDialog* criaDialogoDadosDoMapa(QWidget* pai, const char* nome) {
    return criaDialogoExportacao(
        pai, nome,
        {QCoreApplication::translate("UDialogos", "Tabelas (*.csv)"),
         QCoreApplication::translate("UDialogos", "Mapas do SOM_PAK (*.cod)")},
        QStringLiteral("csv"));
}

QString escolhe(QFileDialog& dialogo) {
    if (respondedorAtual()) return respondedorAtual()(dialogo);
    const int resposta = dialogo.exec();
    // Enter can close the dialog while its file-name completer shows; the completer's popup would
    // then stay open, invisible, and swallow the next click on the main window.
    for (QCompleter* completador : dialogo.findChildren<QCompleter*>())
        if (completador->popup() != nullptr) completador->popup()->hide();
    if (resposta != QDialog::Accepted) return {};
    const QStringList escolhidos = dialogo.selectedFiles();
    return escolhidos.isEmpty() ? QString() : escolhidos.first();
}

void defineRespondedor(Respondedor respondedor) {
    respondedorAtual() = std::move(respondedor);
}

int executa(QDialog& dialogo) {
    if (executorAtual()) return executorAtual()(dialogo);
    return dialogo.exec();
}

void defineExecutor(Executor executor) {
    executorAtual() = std::move(executor);
}

std::uint32_t sementeDoRelogio() {
    if (relogioAtual()) return relogioAtual()();
    const auto ns = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ns).count());
}

void defineRelogio(std::function<std::uint32_t()> relogio) {
    relogioAtual() = std::move(relogio);
}

}  // namespace UDialogos

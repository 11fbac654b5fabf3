#pragma once
// The file dialogs and the clock that seeds the random generator, behind seams that tests can
// replace: a test answers a dialog with a path (or an empty text for "cancelled") and fixes the
// seed so that a training gives known weights.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QDialog;
class QFileDialog;
class QWidget;

namespace UDialogos {

// A file dialog kept by `pai` for the whole run: Qt's own (the same on every desktop), for opening
// or saving; a save dialog replaces without asking, adds ".cfg" and filters on it.
QFileDialog* criaDialogoArquivo(QWidget* pai, const char* nome, bool salvar);

// The dialogs of an import, kept by `pai` as well: one opens a table (CSV, TSV, .txt, SOM_PAK's
// .dat, ARFF, .xlsx, .ods); the other saves a pattern file (".txt" added, or a SOM_PAK .dat) and
// asks before replacing one.
QFileDialog* criaDialogoTabela(QWidget* pai, const char* nome);
QFileDialog* criaDialogoPadroes(QWidget* pai, const char* nome);

// The name filter of every table the import reads, under `rotulo`: "Tabelas (*.csv ... *.ods)";
// with `padroesPrimeiro`, the pattern file's *.txt leads the list (the laboratory's "Dados").
QString filtroTabelas(const QString& rotulo, bool padroesPrimeiro = false);
// A dialog kept by `pai` that saves an export: Qt's own, asking before it replaces a file, with
// these filters, `sufixo` added to a name that has none.
QFileDialog* criaDialogoExportacao(QWidget* pai, const char* nome, const QStringList& filtros,
                                   const QString& sufixo);
// The two exports of a map's window: the picture on screen (".png" added, or an SVG), and the
// map's data (".csv" added, or SOM_PAK's .cod).
QFileDialog* criaDialogoImagem(QWidget* pai, const char* nome);
QFileDialog* criaDialogoDadosDoMapa(QWidget* pai, const char* nome);

// Runs the dialog; the chosen file's full path, or an empty text when the user cancels.
QString escolhe(QFileDialog& dialogo);

using Respondedor = std::function<QString(QFileDialog& dialogo)>;
void defineRespondedor(Respondedor respondedor);

// Runs any other modal dialog of the program; a test may answer it instead (filling its fields
// and returning the result the dialog would have).
int executa(QDialog& dialogo);
using Executor = std::function<int(QDialog& dialogo)>;
void defineExecutor(Executor executor);

// The low 32 bits of a monotonic nanosecond clock, unless a test has fixed them.
std::uint32_t sementeDoRelogio();
void defineRelogio(std::function<std::uint32_t()> relogio);

}  // namespace UDialogos

#pragma once
// The "Importar dados" dialog (Dados → Importar dados…): a table (CSV, TSV, columns separated by
// blanks, SOM_PAK's .dat, ARFF) read with the choices it shows (separator, decimal mark, header,
// each column's role, missing values, normalisation), a preview of the first patterns as they will
// be written and the report of the reading, redone at every change; "Importar" asks where to save
// the pattern file and writes it. Every reading runs on a worker, behind the progress dialog and
// its "Parar" when it takes long; a table larger than kBytesPreviaCompleta is previewed by its
// first kLinhasPrevia rows, and read whole when imported.

#include <QDialog>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "UImportacao.h"
#include "ui_UFormImportar.h"

class QFileDialog;

class TFormImportar : public QDialog {
    Q_OBJECT

  public:
    static constexpr std::uint64_t kBytesPreviaCompleta = std::uint64_t{16} << 20;
    static constexpr std::int64_t kLinhasPrevia = 1000;
    static constexpr int kPadroesNaPrevia = 20;

    // Who the patterns are for: the classic window (a pattern file, and "Abrir no laboratório"
    // beside Importar), or the laboratory (which trains from the table in memory when the save
    // dialog is cancelled).
    enum class TDestino { classica, laboratorio };
    // Reads `tabela` at once with the detected choices; the save dialog is `salvar`.
    TFormImportar(QWidget* pai, const QString& tabela, QFileDialog& salvar,
                  TDestino destino = TDestino::classica);

    // The pattern file written; empty until "Importar" has written one.
    const QString& arquivoGravado() const { return gravado_; }
    // The whole table as read for the laboratory ("Abrir no laboratório", or Importar from the
    // laboratory with the save cancelled); nothing otherwise.
    const std::optional<TImportacao>& importacao() const { return importacao_; }
    bool paraOLaboratorio() const { return importacao_.has_value(); }
    const std::string& tabela() const { return tabela_; }

  private:
    TOpcoesImportacao opcoes() const;
    // Reads the table on a worker; nothing when it failed (the report says why) or was stopped.
    std::optional<TImportacao> le(const TOpcoesImportacao& opcoes, const QString& fase,
                                  const std::string& gravarEm = {});
    void atualiza();
    void mostraColunas(const TImportacao& importacao);
    void mostraPrevia(const TImportacao& importacao);
    void mostraRelatorio(const std::vector<std::string>& linhas, bool falha);
    void escolhePapel();
    void importa();
    // Reads the whole table for the laboratory, without writing it, and closes the dialog.
    void abreNoLaboratorio();

    Ui::TFormImportar ui;
    std::string tabela_;
    std::uint64_t bytes_ = 0;
    TFormatoTabela formato_ = TFormatoTabela::delimitado;
    QFileDialog& salvar_;
    // What the user chose over what was detected.
    std::optional<bool> cabecalho_;
    std::vector<TPapel> papeis_;
    QString gravado_;
    TDestino destino_;
    std::optional<TImportacao> importacao_;
    // While the dialog writes a reading back into its controls: their signals are not choices.
    bool mostrando_ = false;
};

#pragma once
// The guided lessons: a list at the left; at the right the chosen lesson's text, what to look at,
// its questions (each answer hidden behind a button, for the class to think first), "Preparar",
// which puts its data and settings in the laboratory or the classic window, a link to the
// manual, and the handouts in PDF (this lesson's, or all six in one).

#include <QWidget>
#include <functional>
#include <vector>

#include "UFolhaLicao.h"
#include "ui_UFormLicoes.h"

class QFileDialog;

class TFormLicoes : public QWidget {
    Q_OBJECT

  public:
    explicit TFormLicoes(QWidget* pai = nullptr);
    int licaoEscolhida() const;
    void escolhe(int licao);
    // The pictures a handout shows for the lesson at this place of licoes() (none by default):
    // the windows' maps, which this panel does not know.
    using TFiguras = std::function<std::vector<TFiguraFolha>(int licao)>;
    void defineFiguras(TFiguras figuras) { figuras_ = std::move(figuras); }

    void ImprimirFolhaButtonClick();
    void ImprimirTodasFolhasButtonClick();

  Q_SIGNALS:
    // "Preparar" was clicked for the lesson at this place of licoes().
    void preparar(int licao);
    // The manual at its chapter on the lessons.
    void abrirManual();

  private:
    void mostraLicao();
    // Asks for the PDF's name (`sugestao` first) and writes the handout of these lessons.
    void imprime(const std::vector<int>& quais, const QString& sugestao);

    Ui::TFormLicoes ui;
    QFileDialog* dialogoFolha_ = nullptr;
    TFiguras figuras_;
};

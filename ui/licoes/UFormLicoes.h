#pragma once
// The guided lessons: a list at the left; at the right the chosen lesson's text, what to look at,
// its questions (each answer hidden behind a button, for the class to think first), "Preparar",
// which puts its data and settings in the laboratory or the classic window, and a link to the
// manual.

#include <QWidget>

#include "ui_UFormLicoes.h"

class TFormLicoes : public QWidget {
    Q_OBJECT

  public:
    explicit TFormLicoes(QWidget* pai = nullptr);
    int licaoEscolhida() const;
    void escolhe(int licao);

  Q_SIGNALS:
    // "Preparar" was clicked for the lesson at this place of licoes().
    void preparar(int licao);
    // The manual at its chapter on the lessons.
    void abrirManual();

  private:
    void mostraLicao();

    Ui::TFormLicoes ui;
};

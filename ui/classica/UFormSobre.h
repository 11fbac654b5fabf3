#pragma once
// The About window: the program's name, version and date, two credit lines and two pictures.
// "Fechar" is its only control that takes the focus, so Enter or the space bar close it at once.

#include <QDialog>

#include "ui_UFormSobre.h"

class TFormSobre : public QDialog {
    Q_OBJECT

  public:
    explicit TFormSobre(QWidget* pai = nullptr);
    void FecharButtonClick();

    Ui::TFormSobre ui;

  protected:
    void showEvent(QShowEvent* e) override;
    // Esc does not close it: only "Fechar", the close box or the system menu do.
    void keyPressEvent(QKeyEvent* e) override;
};

#pragma once
// The neuron information window: a neuron's place in the map, its weights and the labels of the
// patterns it gathered in the last pass. One instance, hidden between modal showings and refilled
// completely before each.

#include <QDialog>

#include "ui_UFormInformacoes.h"

class TNeuronio;

class TFormInformacoes : public QDialog {
    Q_OBJECT

  public:
    explicit TFormInformacoes(QWidget* pai = nullptr);

    // Empties the weights and the labels.
    void limpaValores();
    // Fills the window for the neuron of map row aRow - 1, column aCol - 1: "[row,column]", one
    // line "k) weight" per weight and the labels five to a line, each followed by "; ". Lines
    // break at a single carriage return, and both texts begin with one.
    void mostraNeuronio(int aRow, int aCol, const TNeuronio& neuronio);

    Ui::TFormInformacoes ui;

  protected:
    // Esc does not close it: only the close box or the system menu do.
    void keyPressEvent(QKeyEvent* e) override;
};

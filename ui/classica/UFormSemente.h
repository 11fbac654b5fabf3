#pragma once
// The "Semente aleatória" dialog (Exibir → Semente aleatória…): the initial weights from the
// clock, or from a seed the user fixes so that a whole class gets the same map.

#include <QDialog>
#include <cstdint>
#include <optional>

#include "ui_UFormSemente.h"

class TFormSemente : public QDialog {
    Q_OBJECT

  public:
    // Opens with `semente` chosen (none: the clock).
    TFormSemente(QWidget* pai, std::optional<std::uint32_t> semente);

    // The seed chosen; none for the clock. Valid once the dialog was accepted.
    std::optional<std::uint32_t> semente() const;

  private:
    void aceita();

    Ui::TFormSemente ui;
};

#include "UFormSemente.h"

#include <QRegularExpressionValidator>

#include "UJanelas.h"
#include "UMensagens.h"
#include "UTextos.h"

TFormSemente::TFormSemente(QWidget* pai, std::optional<std::uint32_t> semente) : QDialog(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    ui.SementeEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,10}")), ui.SementeEdit));
    (semente ? ui.SementeFixaRadio : ui.SementeRelogioRadio)->setChecked(true);
    if (semente) ui.SementeEdit->setText(QString::number(*semente));
    ui.SementeEdit->setEnabled(ui.SementeFixaRadio->isChecked());
    connect(ui.SementeFixaRadio, &QRadioButton::toggled, ui.SementeEdit, &QLineEdit::setEnabled);
    connect(ui.SementeBotoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui.SementeBotoes, &QDialogButtonBox::accepted, this, &TFormSemente::aceita);
}

void TFormSemente::aceita() {
    if (ui.SementeFixaRadio->isChecked() && !sementeDoTexto(ui.SementeEdit->text())) {
        UMensagens::mostraMensagem(parentWidget(),
                                   tr("A semente deve ser um número inteiro de 0 a 4294967295."));
        return;
    }
    accept();
}

std::optional<std::uint32_t> TFormSemente::semente() const {
    return ui.SementeFixaRadio->isChecked() ? sementeDoTexto(ui.SementeEdit->text()) : std::nullopt;
}

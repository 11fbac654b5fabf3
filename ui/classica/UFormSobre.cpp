#include "UFormSobre.h"

#include <QKeyEvent>

#include "UImagens.h"
#include "UJanelas.h"

TFormSobre::TFormSobre(QWidget* pai) : QDialog(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(485, 305);
    move(348, 214);
    setModal(true);
    QPalette branco = ui.SobrePainel->palette();
    branco.setColor(QPalette::Window, Qt::white);
    ui.SobrePainel->setPalette(branco);
    ui.Mapa->setPixmap(UImagens::figuraMapa());
    ui.SegundaFigura->setPixmap(UImagens::figuraNeuronios());
    for (QLabel* rotulo :
         {ui.AutorLabel, ui.AutorNomeLabel, ui.OrientadorLabel, ui.OrientadorNomeLabel})
        rotulo->adjustSize();
    connect(ui.FecharButton, &QPushButton::clicked, this, &TFormSobre::FecharButtonClick);
}

void TFormSobre::FecharButtonClick() {
    close();
}

void TFormSobre::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFormSobre::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    ui.FecharButton->setFocus(Qt::OtherFocusReason);
}

#include "UFormInformacoes.h"

#include <QKeyEvent>

#include "UImagens.h"
#include "UJanelas.h"
#include "UKohonen.h"
#include "UNumeros.h"
#include "UTextos.h"

TFormInformacoes::TFormInformacoes(QWidget* pai) : QDialog(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(409, 650);
    move(344, 117);
    setModal(true);
    QPalette janela = ui.Panel->palette();
    janela.setColor(QPalette::Window, janela.color(QPalette::Base));
    ui.Panel->setPalette(janela);
    ui.Neuronio->setPixmap(UImagens::figuraNeuronio());
    for (QLabel* rotulo : {ui.IdNeuronioLabel, ui.PesosLabel, ui.PadroesLabel})
        rotulo->adjustSize();
}

void TFormInformacoes::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TFormInformacoes::limpaValores() {
    ui.VetorPesosLabel->defineTexto(QString());
    ui.VetorPadroesLabel->defineTexto(QString());
}

void TFormInformacoes::mostraNeuronio(int aRow, int aCol, const TNeuronio& neuronio) {
    ui.NeuronioLabel->defineTexto(QStringLiteral("[%1,%2]").arg(aRow).arg(aCol));
    QString pesos;
    for (std::int32_t k = 1; k <= neuronio.getQtdPesos(); ++k) {
        pesos += u'\r';
        pesos += QString::number(k);
        pesos += QStringLiteral(") ");
        pesos += QString::fromStdString(realParaTexto(neuronio.getPeso(k - 1)));
    }
    ui.VetorPesosLabel->defineTexto(pesos);
    QString padroes;
    for (std::int32_t j = 0; j < neuronio.contaPadroes(); ++j) {
        if (j % 5 == 0) padroes += u'\r';
        padroes += textoDeBytes(neuronio.getPadrao(j));
        padroes += QStringLiteral("; ");
    }
    ui.VetorPadroesLabel->defineTexto(padroes);
}

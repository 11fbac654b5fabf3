// The laboratory window's generated data: the lessons' demonstrations written as pattern files
// into a folder of their own, and opened.

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "UErros.h"
#include "UFormLaboratorio.h"
#include "UFormLaboratorioInterno.h"
#include "UGravacao.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "UTextos.h"

using ULabJanela::sementeDoCampo;
using ULabJanela::sementeRecusada;

namespace {

// Where a demonstration's file goes, named by its request.
QString arquivoDaDemonstracao(const TPedidoDemonstracao& pedido) {
    const TInfoDemonstracao& info = infoDemonstracao(pedido.tipo);
    QString nome = QStringLiteral("%1-%2").arg(QString::fromUtf8(info.nome)).arg(pedido.padroes);
    if (info.dimensao > 0) nome += QStringLiteral("x%1").arg(pedido.dimensao);
    nome += QStringLiteral("-semente%1.txt").arg(pedido.semente);
    return TFormLaboratorio::pastaDemonstracoes() + u'/' + nome;
}

// Writes a demonstration's pattern file (on the worker when controle is given) through the safe
// writer, a step of the control per mebibyte: at the largest request it runs to hundreds of
// megabytes, streamed to the disk, and a stop request (EInterrompido) or a failure leaves
// whatever was at that name as it was.
void escreveArquivoDeDemonstracao(const TPedidoDemonstracao& pedido, const QString& caminho,
                                  TControle* controle) {
    try {
        TSaidaSegura saida(caminhoEmBytes(caminho), controle);
        escreveDemonstracao(pedido, saida);
        saida.conclui();
    } catch (const EEntradaSaida& e) {
        QString motivo = textoDeBytes(e.what());
        if (motivo.endsWith(u'.')) motivo.chop(1);
        throw EEntradaSaida(bytesUtf8(
            QCoreApplication::translate("TFormLaboratorio", "Não foi possível gravar \"%1\": %2")
                .arg(caminho, motivo)));
    }
}

}  // namespace

QString TFormLaboratorio::pastaDemonstracoes() {
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                          QStringLiteral("/demonstracoes");
    QDir().mkpath(pasta);
    return pasta;
}

void TFormLaboratorio::LabDemoComboChange() {
    const TInfoDemonstracao& info =
        infoDemonstracao(static_cast<TDemonstracao>(ui.LabDemoCombo->currentData().toInt()));
    ui.LabDemoPadroesSpin->setValue(static_cast<int>(info.padroes));
    ui.LabDemoDimensaoSpin->setVisible(info.dimensao > 0);
    if (info.dimensao > 0) ui.LabDemoDimensaoSpin->setValue(static_cast<int>(info.dimensao));
}

QString TFormLaboratorio::gravaDemonstracao(const TPedidoDemonstracao& pedido) {
    const QString caminho = arquivoDaDemonstracao(pedido);
    escreveArquivoDeDemonstracao(pedido, caminho, nullptr);
    return caminho;
}

void TFormLaboratorio::LabGerarButtonClick() {
    UMensagens::protege(this, [&] {
        if (sessao_.ocupada()) return;
        const std::optional<std::uint64_t> semente = sementeDoCampo(ui.LabSementeEdit->text());
        if (!semente) {
            UMensagens::mostraMensagem(this, sementeRecusada(ui.LabSementeEdit->text()));
            return;
        }
        TPedidoDemonstracao pedido;
        pedido.tipo = static_cast<TDemonstracao>(ui.LabDemoCombo->currentData().toInt());
        pedido.padroes = ui.LabDemoPadroesSpin->value();
        pedido.dimensao = ui.LabDemoDimensaoSpin->value();
        pedido.semente = *semente;
        const QString caminho = arquivoDaDemonstracao(pedido);
        const std::string arquivo = caminhoEmBytes(caminho);
        // Written and read on the worker: the largest request is hundreds of megabytes.
        const bool lidos = leDados([pedido, caminho, arquivo](TControle& controle) {
            escreveArquivoDeDemonstracao(pedido, caminho, &controle);
            return arquivo;
        });
        if (lidos) ui.LabStatusLabel->setText(tr("Dados gerados em %1").arg(caminho));
    });
}

void TFormLaboratorio::mostraPedido(const TPedidoDemonstracao& pedido) {
    const int i = ui.LabDemoCombo->findData(static_cast<int>(pedido.tipo));
    if (i >= 0) ui.LabDemoCombo->setCurrentIndex(i);
    const TInfoDemonstracao& info = infoDemonstracao(pedido.tipo);
    ui.LabDemoPadroesSpin->setValue(
        static_cast<int>(pedido.padroes < 0 ? info.padroes : pedido.padroes));
    if (info.dimensao > 0)
        ui.LabDemoDimensaoSpin->setValue(
            static_cast<int>(pedido.dimensao < 0 ? info.dimensao : pedido.dimensao));
}

// The lessons' "Preparar": their data written into the demonstrations folder (an example shipped
// inside the program, a table imported with its scaling, or a generated demonstration), then the
// settings put in the classic window, the laboratory or both.

#include <QFile>
#include <QTimer>

#include "UErros.h"
#include "UFormExplorador.h"
#include "UFormLaboratorio.h"
#include "UFormLicoes.h"
#include "UImagemExportada.h"
#include "UImportacao.h"
#include "ULicoes.h"
#include "UManual.h"
#include "UTextos.h"
#include "Uprincipal.h"

// The examples live in a resource of the ui library, which a static library must register itself.
static void registraExemplos() {
    Q_INIT_RESOURCE(licoes);
}

namespace {

// The lesson's pattern file, written afresh.
QString arquivoDaLicao(const TLicao& l) {
    registraExemplos();
    if (l.demonstracao) return TFormLaboratorio::gravaDemonstracao(*l.demonstracao);
    const QString pasta = TFormLaboratorio::pastaDemonstracoes();
    const QString exemplo = QString::fromStdString(l.exemplo);
    QFile recurso(QStringLiteral(":/licoes/") + exemplo);
    if (!recurso.open(QIODevice::ReadOnly))
        throw EEntradaSaida("O exemplo " + l.exemplo + " não está no programa.");
    const QString caminho = pasta + u'/' + exemplo;
    if (const QString motivo = gravaExportacao(caminho, recurso.readAll()); !motivo.isEmpty())
        throw EEntradaSaida(
            bytesUtf8(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(caminho, motivo)));
    if (!l.normalizarZ) return caminho;
    // As Dados → Importar dados does it: the table read, scaled, and written as patterns.
    TOpcoesImportacao opcoes;
    opcoes.normalizacao = TNormalizacao::z;
    const TImportacao tabela = importaTabela(caminhoEmBytes(caminho), opcoes);
    QString padroes = caminho;
    padroes.replace(QStringLiteral(".csv"), QStringLiteral("-z.txt"));
    gravaPadroes(tabela, caminhoEmBytes(padroes));
    return padroes;
}

}  // namespace

void TFormMain::LicoesItemMenuClick() {
    protege([&] {
        if (!licoes_) {
            licoes_ = std::make_unique<TFormLicoes>();
            licoes_->setWindowIcon(windowIcon());
            connect(licoes_.get(), &TFormLicoes::preparar, this, &TFormMain::preparaLicao);
            connect(licoes_.get(), &TFormLicoes::abrirManual, this, [this] {
                protege([&] {
                    criaManual();
                    manual_->mostraConteudo();
                    manual_->navegador()->scrollToAnchor(QStringLiteral("licoes"));
                });
            });
        }
        licoes_->show();
        licoes_->raise();
        licoes_->activateWindow();
    });
}

void TFormMain::preparaLicao(int i) {
    protege([&] {
        if (i < 0 || i >= static_cast<int>(::licoes().size())) return;
        const TLicao& l = ::licoes()[static_cast<std::size_t>(i)];
        if (l.laboratorio && laboratorio_ && laboratorio_->sessao().ocupada()) {
            mensagem(
                QStringLiteral("Espere o treino do laboratório terminar (ou clique em Parar "
                               "lá) antes de preparar uma lição."));
            return;
        }
        const QString arquivo = arquivoDaLicao(l);
        if (l.laboratorio) {
            abreLaboratorio();
            laboratorio_->abreDadosPreparados(arquivo);
            if (l.demonstracao) laboratorio_->mostraPedido(*l.demonstracao);
            laboratorio_->mostraConfiguracao(*l.laboratorio);
            laboratorio_->escolheVista(QString::fromStdString(l.vista));
            laboratorio_->mostraStatus(QStringLiteral("%1: preparada. Clique em Treinar.")
                                           .arg(QString::fromStdString(l.titulo)));
        }
        if (l.classica) {
            const TClassicaLicao& c = *l.classica;
            // A map already trained here is cleared, as Limpar does: the lesson trains anew.
            if (ui.LimparButton->isEnabled()) LimparButtonClick();
            ui.PageControl->setCurrentIndex(0);
            ui.TreinamentoArqTextBox->setText(arquivo);
            ui.LinhaNeuronioSpinEdit->setValue(c.linhas);
            ui.ColunaNeuronioSpinEdit->setValue(c.colunas);
            ui.TipoVizinhancaComboBox->setCurrentText(QString::fromStdString(c.vizinhanca));
            ui.RaioSpinEdit->setValue(c.raio);
            ui.ValorInicialTextBox->setText(QString::fromStdString(c.taxa));
            ui.EvolucaoSpinEdit->setValue(c.evolucao);
            if (c.ciclos > 0) {
                ui.QtdCiclosRadioButton->setChecked(true);
                ui.QtdCiclosSpinEdit->setValue(c.ciclos);
            } else {
                ui.RaioRadioButton->setChecked(true);
            }
            sessao_.sementeFixa = c.semente;
            ExploradorItemMenuClick();
            explorador_->definePassoAPasso(c.passoAPasso);
            explorador_->escolheVista(QString::fromStdString(c.vista));
            // The explorer stays open (step mode shows the map there), behind this window.
            show();
            QTimer::singleShot(150, this, [this] {
                raise();
                activateWindow();
            });
            escreveStatus(QStringLiteral("%1: preparada (semente %2). Clique em Treinar!.")
                              .arg(QString::fromStdString(l.titulo))
                              .arg(c.semente));
        }
        if (l.laboratorio) {
            laboratorio_->raise();
            laboratorio_->activateWindow();
        }
    });
}

void TFormMain::mostraLicao(int i) {
    LicoesItemMenuClick();
    if (licoes_) licoes_->escolhe(i);
}

void TFormMain::criaManual() {
    if (manual_) return;
    manual_ = new TManual(this);
    connect(manual_.data(), &TManual::licaoPedida, this,
            [this](int licao) { mostraLicao(licao - 1); });
}

// The main window's file commands: the pattern files chosen for training and classification, the
// trained network saved and loaded, and tables imported as pattern files.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <exception>

#include "UArquivoPadroes.h"
#include "UArquivoRede.h"
#include "UArquivoSessaoLab.h"
#include "UDadosLab.h"
#include "UDialogos.h"
#include "UEdicaoPendente.h"
#include "UErros.h"
#include "UFormImportar.h"
#include "UFormLaboratorio.h"
#include "UFormTreinando.h"
#include "ULeitorLinhas.h"
#include "USpinEdit.h"
#include "UTextos.h"
#include "UTrabalho.h"
#include "Uprincipal.h"

void TFormMain::TreinamentoArqBitBtnClick() {
    protege([&] {
        ui.TreinamentoArqTextBox->setText(UDialogos::escolhe(*OpenDialogPadroesTreinamento));
    });
}

void TFormMain::ClassificacaoArqBitBtnClick() {
    protege([&] {
        ui.ClassificacaoArqTextBox->setText(UDialogos::escolhe(*OpenDialogPadroesClassificacao));
    });
}

void TFormMain::SalvarTreinamentoItemMenuClick() {
    protege([&] {
        const QString nome = UDialogos::escolhe(*SaveDialog);
        if (nome.isEmpty()) return;
        try {
            salvaRede(caminhoEmBytes(nome), rede(), bytesUtf8(ui.RaioSpinEdit->text()),
                      bytesUtf8(ui.TipoVizinhancaComboBox->currentText()));
        } catch (const EArquivoEspecial& e) {
            mensagem(textoDeBytes(e.what()));
        } catch (const std::exception&) {
            mensagem(tr("O Arquivo está em uso."));
        }
    });
}

void TFormMain::CarregarTreinamentoItemMenuClick() {
    protege([&] {
        edicaoPendente_->conclui();
        const QString nome = UDialogos::escolhe(*OpenDialogTreinamento);
        if (!nome.isEmpty()) carregaTreinamento(nome);
    });
}

void TFormMain::abreArquivo(const QString& caminho) {
    protege([&] {
        const QFileInfo arquivo(QDir::cleanPath(QFileInfo(caminho).absoluteFilePath()));
        if (arquivo.suffix().compare(QLatin1String("cfg"), Qt::CaseInsensitive) == 0)
            carregaTreinamento(arquivo.filePath());
        else if (arquivo.fileName().endsWith(QLatin1String(kExtensaoSessaoLab),
                                             Qt::CaseInsensitive))
            abreLaboratorio(arquivo.filePath());
        else if (arquivo.isFile() && !temCabecalhoDePadroes(caminhoEmBytes(arquivo.filePath())))
            importaTabela(arquivo.filePath());
        else
            ui.TreinamentoArqTextBox->setText(arquivo.filePath());
    });
}

void TFormMain::ImportarItemMenuClick() {
    protege([&] {
        edicaoPendente_->conclui();
        const QString tabela = UDialogos::escolhe(*OpenDialogTabela);
        if (!tabela.isEmpty()) importaTabela(tabela);
    });
}

void TFormMain::importaTabela(const QString& tabela) {
    TFormImportar dialogo(this, tabela, *SaveDialogPadroes);
    if (UDialogos::executa(dialogo) != QDialog::Accepted) return;
    if (dialogo.paraOLaboratorio()) {
        // The table read goes to the laboratory as it is, with the import's choices.
        abreLaboratorio();
        if (laboratorio_)
            laboratorio_->recebeImportacao(cargaDaImportacao(*dialogo.importacao()), tabela);
        return;
    }
    if (dialogo.arquivoGravado().isEmpty()) return;
    ui.PageControl->setCurrentIndex(0);
    ui.TreinamentoArqTextBox->setText(dialogo.arquivoGravado());
}

void TFormMain::carregaTreinamento(const QString& nome) {
    const std::string caminho = caminhoEmBytes(nome);
    if (!arquivoExiste(caminho)) return;

    // The file is read into a network aside; the session and the window then take what was read
    // in the order the load has always changed them, so that a failure part-way leaves the same
    // state, and a stopped load leaves nothing changed.
    TCarga carga(sessao_, caminho, bytesUtf8(ui.TipoVizinhancaComboBox->currentText()));
    UTrabalho::executa(
        *this, tr("Carregando"), [&](TControle& controle) { carga.trabalha(controle); },
        [&](const TControle& controle) {
            return andamento(tr("Lendo o arquivo de treinamento"), controle.padroes.load(),
                             carga.neuroniosALer());
        });
    const TCargaRede& lida = carga.resultado();
    if (lida.parada()) return;
    // A map too large for memory, or a load that could not allocate what it read, is refused
    // before anything changes.
    if (const std::optional<std::string> recusa = carga.recusa()) {
        mensagem(QString::fromStdString(*recusa));
        return;
    }
    try {
        sessao_.aplicaCabecalho(carga);
        if (lida.cabecalho && (rede().qtdLinhas != inteiroDe(ui.LinhaNeuronioSpinEdit->text()) ||
                               rede().qtdColunas != inteiroDe(ui.ColunaNeuronioSpinEdit->text()))) {
            linhasMapaRecente_ = rede().qtdLinhas;
            colunasMapaRecente_ = rede().qtdColunas;
            ui.MapaNosGrid->defineTamanho(rede().qtdLinhas, ui.MapaNosGrid->columnCount());
            ui.LinhaNeuronioSpinEdit->setText(QString::number(rede().qtdLinhas));
            ui.MapaNosGrid->defineTamanho(ui.MapaNosGrid->rowCount(), rede().qtdColunas);
            ui.ColunaNeuronioSpinEdit->setText(QString::number(rede().qtdColunas));
            constroiMapa();
        }
        sessao_.colocaMapa(carga);
        if (lida.mapaPronto) {
            linhasMapaRecente_ = rede().linhasMapa();
            colunasMapaRecente_ = rede().colunasMapa();
        }
        if (lida.falha) std::rethrow_exception(lida.falha);
        preencheMapa();
        entraEstado(TEstado::carregado, &*lida.cabecalho);
        atualizaExplorador();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        mensagem(tr("Formato inválido do arquivo de treinamento."));
    }
}

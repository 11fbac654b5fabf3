// The main window's training and classification: the settings read from the controls, the work
// run behind the "Treinando" dialog, the results written back; and the settings a lesson puts
// into the training page.

#include <QTimer>
#include <algorithm>
#include <exception>
#include <limits>

#include "UArquivoPadroes.h"
#include "UEdicaoPendente.h"
#include "UErros.h"
#include "UFormExplorador.h"
#include "UFormTreinando.h"
#include "ULeitorLinhas.h"
#include "ULicoes.h"
#include "UNumeros.h"
#include "UPassoAPasso.h"
#include "USpinEdit.h"
#include "UTextos.h"
#include "UTrabalho.h"
#include "Uprincipal.h"

bool TFormMain::getConfiguracao() {
    // A rate that does not convert, or does not fit a double, is refused and reset.
    bool taxaValida = true;
    try {
        rede().taxaAprendizado = textoParaDouble(bytesUtf8(ui.ValorInicialTextBox->text()));
    } catch (const EConversao&) {
        taxaValida = false;
    } catch (const EEstouroReal&) {
        taxaValida = false;
    }
    if (!taxaValida) {
        mensagem(tr("A taxa de aprendizagem deve ser especificada em valores reais com virgula. "));
        ui.ValorInicialTextBox->setText(QStringLiteral("0,1"));
        return false;
    }
    rede().taxaEvolucao = textoParaDouble(bytesUtf8(ui.EvolucaoSpinEdit->text()));

    if (!arquivoExiste(rede().arquivoPadroes)) {
        mensagem(tr("Você deve especificar um arquivo de padrões."));
        return false;
    }
    // Read on a worker: a header line of gigabytes keeps the window alive and can be stopped.
    std::optional<TCabecalhoPadroes> cabecalho;
    try {
        cabecalho = leCabecalhoNoTrabalhador(rede().arquivoPadroes);
        if (!cabecalho) return false;
    } catch (const std::exception&) {
    }
    switch (cabecalho ? sessao_.aceitaCabecalho(*cabecalho, !ui.TreinarButton->isEnabled())
                      : TSessao::TCabecalho::invalido) {
        case TSessao::TCabecalho::dimensaoDiferente:
            mensagem(tr("Estes padrões não podem ser classificados com esta rede!"));
            return false;
        case TSessao::TCabecalho::invalido:
            mensagem(tr("Formato inválido do arquivo de padrões."));
            return false;
        case TSessao::TCabecalho::aceito:
            break;
    }

    rede().qtdLinhas = inteiroDe(ui.LinhaNeuronioSpinEdit->text());
    rede().qtdColunas = inteiroDe(ui.ColunaNeuronioSpinEdit->text());
    rede().raio = inteiroDe(ui.RaioSpinEdit->text());
    // The radius is clamped to the larger side of the map (the rows when both are equal).
    if (rede().raio > rede().qtdLinhas && rede().raio > rede().qtdColunas) {
        rede().raio = std::max(rede().qtdLinhas, rede().qtdColunas);
        mensagem(tr("O Raio foi ajustado para o tamanho máximo permitido pela topologia da rede."));
        ui.RaioSpinEdit->setText(QString::number(rede().raio));
    }
    return true;
}

std::optional<TCabecalhoPadroes> TFormMain::leCabecalhoNoTrabalhador(const std::string& caminho) {
    std::optional<TCabecalhoPadroes> cabecalho;
    UTrabalho::executa(
        *this, tr("Lendo"),
        [&](TControle& controle) {
            try {
                cabecalho = leCabecalhoPadroes(caminho, &controle);
            } catch (const EInterrompido&) {
            }
        },
        [](const TControle&) {
            return andamento(tr("Lendo o cabeçalho do arquivo de padrões"), 0, -1);
        });
    return cabecalho;
}

void TFormMain::TreinarButtonClick() {
    protege([&] {
        edicaoPendente_->conclui();
        rede().arquivoPadroes = caminhoEmBytes(ui.TreinamentoArqTextBox->text());
        if (!getConfiguracao()) return;

        // What the work needs from the controls is read here; the cycle count is converted now,
        // but a failure of it is reported where the training would have begun.
        TTreino::TPedido pedido;
        pedido.vizinhanca = bytesUtf8(ui.TipoVizinhancaComboBox->currentText());
        pedido.porCiclos = ui.QtdCiclosRadioButton->isChecked();
        try {
            const std::int64_t u = pedido.porCiclos
                                       ? std::int64_t{inteiroDe(ui.QtdCiclosSpinEdit->text())} - 1
                                       : std::int64_t{inteiroDe(ui.RaioSpinEdit->text())};
            pedido.ultimo = static_cast<std::int32_t>(
                std::clamp<std::int64_t>(u, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max()));
        } catch (const std::exception&) {
            pedido.falhaCiclos = std::current_exception();
        }
        pedido.passoAPasso = explorador_ && explorador_->passoAPasso();

        TTreino treino(sessao_, std::move(pedido));
        const std::exception_ptr falha = UTrabalho::executaRetendo(
            *this, tr("Treinando"), [&](TControle& controle) { treino.trabalha(controle); },
            [&](const TControle& controle) { return acompanhaTreino(treino, controle); });
        const TSessao::TResultadoTreino feito = sessao_.concluiTreino(treino, falha);
        if (!feito.treinou) return;
        bool completo = feito.completo;
        if (feito.passoAPasso) {
            // Step by step, the training runs from the dialog, here on the interface thread.
            TTreinoPassoAPasso passos(
                *this, rede(), treino.porCiclos(), treino.ultimo(), treino.status().funcao(),
                [&] {
                    if (const auto linha = treino.status().novaLinha())
                        escreveStatus(QString::fromStdString(*linha));
                },
                treino.extras(), explorador_.get());
            completo = passos.executa();
            sessao_.fechaTreino(treino, completo, &passos.curva());
        } else {
            sessao_.fechaTreino(treino, completo);
        }
        // Stopped: the line of the last cycle completed, marked; alone before the first.
        const std::optional<std::string> linha = treino.status().ultimaLinha();
        if (!completo)
            escreveStatus(linha ? tr("%1    (interrompido)").arg(QString::fromStdString(*linha))
                                : tr("(interrompido)"));
        else if (linha)
            escreveStatus(QString::fromStdString(*linha));
        linhasMapaRecente_ = rede().linhasMapa();
        colunasMapaRecente_ = rede().colunasMapa();
        preencheMapa();
        entraEstado(TEstado::treinado);
        atualizaExplorador();
    });
}

TAndamento TFormMain::acompanhaTreino(TTreino& treino, const TControle& controle) {
    if (const auto linha = treino.status().novaLinha())
        escreveStatus(QString::fromStdString(*linha));
    if (treino.fase() == TTreino::Fase::treino && !treino.medindo() && explorador_ &&
        explorador_->isVisible())
        explorador_->acompanhaTreino(treino);
    return andamentoDoTreino(treino, controle);
}

void TFormMain::LimparButtonClick() {
    protege([&] {
        sessao_.limpa();
        entraEstado(TEstado::limpo);
        atualizaExplorador();
    });
}

void TFormMain::ClassificarButtonClick() {
    protege([&] {
        edicaoPendente_->conclui();
        rede().arquivoPadroes = caminhoEmBytes(ui.ClassificacaoArqTextBox->text());
        if (!getConfiguracao()) return;
        if (!arquivoExiste(rede().arquivoPadroes)) {
            mensagem(tr("Você deve especificar um arquivo de padrões para teste!"));
            return;
        }
        TClassificacao classificacao(sessao_);
        const std::exception_ptr falha = UTrabalho::executaRetendo(
            *this, tr("Classificando"),
            [&](TControle& controle) { classificacao.trabalha(controle); },
            [&](const TControle& controle) {
                return andamentoDaClassificacao(classificacao, controle);
            });
        const TSessao::TResultadoClassificacao feita =
            sessao_.concluiClassificacao(classificacao, falha);
        if (!feita.completa) return;
        // The cells go empty while the nearest neurons are searched, then show the new counts.
        if (feita.comPadroes) limpaCelulasDoMapa(QString());
        preencheMapa();
        atualizaExplorador();
    });
}

void TFormMain::preparaTreino(const QString& arquivo, const TClassicaLicao& ajustes) {
    // A map already trained here is cleared, as Limpar does: the lesson trains anew.
    if (ui.LimparButton->isEnabled()) LimparButtonClick();
    ui.PageControl->setCurrentIndex(0);
    ui.TreinamentoArqTextBox->setText(arquivo);
    ui.LinhaNeuronioSpinEdit->setValue(ajustes.linhas);
    ui.ColunaNeuronioSpinEdit->setValue(ajustes.colunas);
    const bool grid = ajustes.vizinhanca == TVizinhancaLicao::grid;
    ui.TipoVizinhancaComboBox->setCurrentIndex(grid ? 1 : 0);  // MANHATTAN, GRID
    ui.RaioSpinEdit->setValue(ajustes.raio);
    ui.ValorInicialTextBox->setText(QString::fromStdString(ajustes.taxa));
    ui.EvolucaoSpinEdit->setValue(ajustes.evolucao);
    if (ajustes.ciclos > 0) {
        ui.QtdCiclosRadioButton->setChecked(true);
        ui.QtdCiclosSpinEdit->setValue(ajustes.ciclos);
    } else {
        ui.RaioRadioButton->setChecked(true);
    }
    sessao_.sementeFixa = ajustes.semente;
}

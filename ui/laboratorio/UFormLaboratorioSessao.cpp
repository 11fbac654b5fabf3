// The laboratory window's session file: saved and opened whole (the data, the runs, the map shown
// and the window's own state: the settings in the fields, the view, the runs selected), and the
// question before unsaved runs are dropped.

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include "UAjustesLab.h"
#include "UDialogos.h"
#include "UFormLaboratorio.h"
#include "UImagemExportada.h"
#include "UMensagens.h"
#include "UTextos.h"

std::vector<std::pair<std::string, std::string>> TFormLaboratorio::estadoDaJanela() const {
    std::vector<std::pair<std::string, std::string>> estado;
    const auto poe = [&](const QString& chave, const QString& valor) {
        estado.emplace_back(bytesUtf8(chave), bytesUtf8(valor));
    };
    for (const TDescricaoAjusteLab& s : ajustesLab()) {
        const QString nome = QString::fromLatin1(s.controle);
        const QWidget* w = findChild<QWidget*>(nome);
        if (const auto* spin = qobject_cast<const QSpinBox*>(w))
            poe(nome, QString::number(spin->value()));
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            poe(nome, QString::number(combo->currentIndex()));
        else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            poe(nome, edit->text());
        else if (const auto* caixa = qobject_cast<const QCheckBox*>(w))
            poe(nome, caixa->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    }
    // The demonstration's request, which made the data when they were generated.
    poe(QStringLiteral("LabDemoCombo"), QString::number(ui.LabDemoCombo->currentIndex()));
    for (const QSpinBox* spin : {ui.LabDemoPadroesSpin, ui.LabDemoDimensaoSpin})
        poe(spin->objectName(), QString::number(spin->value()));
    poe(QStringLiteral("LabVistaSeletor"),
        QString::number(numeroGuardadoDaVista(ui.LabVistaSeletor->currentData().toInt())));
    for (const QCheckBox* caixa : {ui.LabEscalaComumCheckBox, ui.AgrupamentosCheckBox})
        poe(caixa->objectName(), caixa->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    // The clusters' number only once chosen for the map shown; the property by its place in the
    // data's columns, which the session keeps.
    if (const std::optional<std::int32_t> k = painel_->gruposEscolhidos())
        poe(ui.AgrupamentosSpin->objectName(), QString::number(*k));
    poe(ui.PropriedadeCombo->objectName(), QString::number(ui.PropriedadeCombo->currentIndex()));
    QStringList escolhidas;
    for (const std::size_t i : execucoesEscolhidas()) escolhidas << QString::number(i);
    poe(QStringLiteral("escolhidas"), escolhidas.join(u','));
    return estado;
}

void TFormLaboratorio::restauraEstado(
    const std::vector<std::pair<std::string, std::string>>& estado) {
    // What a newer program wrote and this one does not know is left alone.
    std::vector<std::size_t> escolhidas;
    for (const auto& [chaveBytes, valorBytes] : estado) {
        const QString chave = textoDeBytes(chaveBytes);
        const QString valor = textoDeBytes(valorBytes);
        bool numero = false;
        const int n = valor.toInt(&numero);
        if (chave == QStringLiteral("escolhidas")) {
            for (const QString& parte : valor.split(u',', Qt::SkipEmptyParts)) {
                bool ok = false;
                const int linha = parte.toInt(&ok);
                if (ok && linha >= 0) escolhidas.push_back(static_cast<std::size_t>(linha));
            }
            continue;
        }
        if (chave == QStringLiteral("LabVistaSeletor")) {
            if (numero) escolheVistaGuardada(n);
            continue;
        }
        if (chave == ui.AgrupamentosSpin->objectName()) {
            if (numero) painel_->escolheGrupos(n);
            continue;
        }
        QWidget* w = findChild<QWidget*>(chave);
        if (auto* spin = qobject_cast<QSpinBox*>(w); spin != nullptr && numero)
            spin->setValue(n);
        else if (auto* combo = qobject_cast<QComboBox*>(w);
                 combo != nullptr && numero && n >= 0 && n < combo->count())
            combo->setCurrentIndex(n);
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setText(valor);
        else if (auto* caixa = qobject_cast<QCheckBox*>(w); caixa != nullptr && numero)
            caixa->setChecked(n == 1);
    }
    LabModoComboChange();
    LabVistaSeletorChange();
    QListWidget& lista = *ui.LabHistoricoLista;
    lista.clearSelection();
    for (const std::size_t i : escolhidas)
        if (i < static_cast<std::size_t>(lista.count()))
            lista.item(static_cast<int>(i))->setSelected(true);
}

QString TFormLaboratorio::salvaSessao(const QString& caminho) {
    if (sessao_.ocupada()) return tr("espere o trabalho em andamento terminar");
    try {
        sessao_.salva(caminhoEmBytes(caminho), estadoDaJanela());
    } catch (const std::exception& e) {
        return textoDeBytes(e.what());
    }
    ui.LabStatusLabel->setText(tr("Sessão salva: %1").arg(QFileInfo(caminho).fileName()));
    return {};
}

QString TFormLaboratorio::abreSessao(const QString& caminho) {
    if (sessao_.ocupada()) return tr("espere o trabalho em andamento terminar");
    reproducao_.stop();
    sessao_.iniciaSessao(caminhoEmBytes(caminho));
    if (!aguardaTrabalhador(tr("Abrindo a sessão…"),
                            tr("Abertura da sessão interrompida: a sessão ficou como estava.")))
        return QString::fromStdString(sessao_.erro());  // empty after a stop
    atualizaHistorico();
    mostraDados();
    mostraMapa(sessao_.mapa());
    atualizaReprisa();
    restauraEstado(sessao_.janela());
    habilita();
    ui.LabStatusLabel->setText(tr("Sessão aberta: %1").arg(QFileInfo(caminho).fileName()));
    return {};
}

bool TFormLaboratorio::podeDescartar(const QString& pergunta) {
    if (!sessao_.alterada() || sessao_.execucoes().empty()) return true;
    switch (UMensagens::perguntaSeSalva(this, pergunta)) {
        case UMensagens::Resposta::Descartar:
            return true;
        case UMensagens::Resposta::Cancelar:
            return false;
        case UMensagens::Resposta::Salvar:
            break;
    }
    LabSalvarSessaoButtonClick();
    return !sessao_.alterada();
}

void TFormLaboratorio::LabSalvarSessaoButtonClick() {
    exportaComDialogo(
        this, *dialogoSalvarSessao_, [this](const QString& nome) { return salvaSessao(nome); },
        tr("a sessão"));
}

void TFormLaboratorio::LabAbrirSessaoButtonClick() {
    UMensagens::protege(this, [&] {
        if (sessao_.ocupada() ||
            !podeDescartar(tr("As execuções desta sessão não foram salvas. Salvar a sessão "
                              "antes de abrir outra?")))
            return;
        const QString nome = UDialogos::escolhe(*dialogoAbrirSessao_);
        if (nome.isEmpty()) return;
        const QString motivo = abreSessao(nome);
        if (!motivo.isEmpty())
            UMensagens::mostraMensagem(
                this, tr("Não foi possível abrir a sessão \"%1\": %2").arg(nome, motivo));
    });
}

// The laboratory window's settings: read from the controls, written back into them (Reabrir,
// Sugerir, an opened map), and kept between sessions.

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>

#include "UAjustesLab.h"
#include "UFormLaboratorio.h"
#include "UFormLaboratorioInterno.h"
#include "UIdioma.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "USugestaoLab.h"
#include "UTextos.h"

namespace ULabJanela {

std::optional<std::uint64_t> sementeDoCampo(const QString& texto) {
    return sementeDeTexto(bytesUtf8(texto));
}

QString sementeRecusada(const QString& texto) {
    return QCoreApplication::translate("TFormLaboratorio",
                                       "Semente: \"%1\" não é um inteiro não negativo.")
        .arg(texto);
}

}  // namespace ULabJanela

using ULabJanela::sementeDoCampo;
using ULabJanela::sementeRecusada;

namespace {

// A number typed with a decimal comma or point; nothing when it is not one.
std::optional<double> numeroDoCampo(const QString& texto) {
    return numeroDigitado(bytesUtf8(texto.trimmed()));
}

QSettings preferencias() {
    return QSettings(QStringLiteral("Norvika"), QStringLiteral("Laboratorio"));
}

}  // namespace

// Each setting's control, by the name the settings' table gives it, is also its preference's key;
// the view selector is kept beside them.
void TFormLaboratorio::guardaPreferencias() const {
    QSettings p = preferencias();
    p.setValue(QStringLiteral("geometria"), saveGeometry());
    p.setValue(QStringLiteral("divisor"), ui.LabDivisor->saveState());
    for (const TDescricaoAjusteLab& s : ajustesLab()) {
        const QString nome = QString::fromLatin1(s.controle);
        const QWidget* w = findChild<QWidget*>(nome);
        if (const auto* spin = qobject_cast<const QSpinBox*>(w))
            p.setValue(nome, spin->value());
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            p.setValue(nome, combo->currentIndex());
        else if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            p.setValue(nome, edit->text());
        else if (const auto* caixa = qobject_cast<const QCheckBox*>(w))
            p.setValue(nome, caixa->isChecked());
    }
    p.setValue(QStringLiteral("LabVistaSeletor"),
               numeroGuardadoDaVista(ui.LabVistaSeletor->currentData().toInt()));
    p.setValue(QStringLiteral("AgrupamentosCheckBox"), ui.AgrupamentosCheckBox->isChecked());
}

void TFormLaboratorio::restauraPreferencias() {
    QSettings p = preferencias();
    if (p.contains(QStringLiteral("geometria")))
        restoreGeometry(p.value(QStringLiteral("geometria")).toByteArray());
    if (p.contains(QStringLiteral("divisor")))
        ui.LabDivisor->restoreState(p.value(QStringLiteral("divisor")).toByteArray());
    const auto restauraCombo = [&](QComboBox* c, const QString& nome) {
        const int i = p.value(nome).toInt();
        if (i >= 0 && i < c->count()) c->setCurrentIndex(i);
    };
    for (const TDescricaoAjusteLab& s : ajustesLab()) {
        const QString nome = QString::fromLatin1(s.controle);
        QWidget* w = findChild<QWidget*>(nome);
        if (auto* caixa = qobject_cast<QCheckBox*>(w))
            caixa->setChecked(p.value(nome, false).toBool());
        if (!p.contains(nome)) continue;
        if (auto* spin = qobject_cast<QSpinBox*>(w))
            spin->setValue(p.value(nome).toInt());
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            restauraCombo(combo, nome);
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->setText(p.value(nome).toString());
    }
    if (p.contains(QStringLiteral("LabVistaSeletor")))
        escolheVistaGuardada(p.value(QStringLiteral("LabVistaSeletor")).toInt());
    ui.AgrupamentosCheckBox->setChecked(
        p.value(QStringLiteral("AgrupamentosCheckBox"), false).toBool());
}

void TFormLaboratorio::escolheVistaGuardada(int numero) {
    if (const std::optional<int> vista = vistaDoNumeroGuardado(numero)) {
        const int i = ui.LabVistaSeletor->findData(*vista);
        if (i >= 0) ui.LabVistaSeletor->setCurrentIndex(i);
    }
}

void TFormLaboratorio::mostraConfiguracao(const TConfiguracaoLab& c) {
    // In the language's decimal mark (the fields read either).
    const auto numero = [](double v) {
        QString s = QString::number(v, 'g', 15);
        if (UIdioma::atual() == UIdioma::TIdioma::portugues) s.replace(u'.', u',');
        return s;
    };
    ui.LabLinhasSpin->setValue(c.grade.linhas);
    ui.LabColunasSpin->setValue(c.grade.colunas);
    // The choices: each combo lists its setting's options in the table's order.
    for (const TDescricaoAjusteLab& s : ajustesLab()) {
        const std::optional<std::size_t> e = escolhaDe(c, s.ajuste);
        if (!e) continue;
        QWidget* w = findChild<QWidget*>(QString::fromLatin1(s.controle));
        if (auto* caixa = qobject_cast<QCheckBox*>(w)) caixa->setChecked(*e == 1);
        auto* combo = qobject_cast<QComboBox*>(w);
        // A map given as the start is no option of the combo, which keeps what it shows.
        if (combo != nullptr && static_cast<int>(*e) < combo->count())
            combo->setCurrentIndex(static_cast<int>(*e));
    }
    ui.LabRaioInicialEdit->setText(numero(c.raio.inicial));
    ui.LabRaioFinalEdit->setText(numero(c.raio.final));
    ui.LabTaxaInicialEdit->setText(numero(c.taxa.inicial));
    ui.LabTaxaFinalEdit->setText(numero(c.taxa.final));
    ui.LabEpocasSpin->setValue(c.epocas);
    ui.LabSementeEdit->setText(QString::number(c.semente));
    LabModoComboChange();
}

void TFormLaboratorio::LabSugerirButtonClick() {
    UMensagens::protege(this, [&] {
        if (!sessao_.temDados()) {
            UMensagens::mostraMensagem(this,
                                       tr("Abra um arquivo de dados antes: a sugestão vem deles."));
            return;
        }
        mostraConfiguracao(sugestaoLab(sessao_.carga().dados));
        ui.LabStatusLabel->setText(tr("Valores sugeridos para estes dados."));
    });
}

std::optional<TConfiguracaoLab> TFormLaboratorio::configuracao(QString& motivo) const {
    TConfiguracaoLab c;
    c.grade.linhas = ui.LabLinhasSpin->value();
    c.grade.colunas = ui.LabColunasSpin->value();
    c.epocas = ui.LabEpocasSpin->value();
    for (const TDescricaoAjusteLab& s : ajustesLab()) {
        if (s.escolhas.empty()) continue;
        const QWidget* w = findChild<QWidget*>(QString::fromLatin1(s.controle));
        if (const auto* caixa = qobject_cast<const QCheckBox*>(w))
            defineEscolha(c, s.ajuste, caixa->isChecked() ? 1 : 0);
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            defineEscolha(c, s.ajuste,
                          static_cast<std::size_t>(std::max(combo->currentIndex(), 0)));
    }
    struct TCampo {
        const QLineEdit* edit;
        TAjusteLab ajuste;
        double* destino;
    };
    const TCampo campos[] = {{ui.LabRaioInicialEdit, TAjusteLab::raioInicial, &c.raio.inicial},
                             {ui.LabRaioFinalEdit, TAjusteLab::raioFinal, &c.raio.final},
                             {ui.LabTaxaInicialEdit, TAjusteLab::taxaInicial, &c.taxa.inicial},
                             {ui.LabTaxaFinalEdit, TAjusteLab::taxaFinal, &c.taxa.final}};
    for (const TCampo& campo : campos) {
        const std::optional<double> v = numeroDoCampo(campo.edit->text());
        if (!v) {
            motivo = tr("%1: \"%2\" não é um número.")
                         .arg(traduzido("TAjustesLab", descricao(campo.ajuste).nome),
                              campo.edit->text());
            return std::nullopt;
        }
        *campo.destino = *v;
    }
    const std::optional<std::uint64_t> semente = sementeDoCampo(ui.LabSementeEdit->text());
    if (!semente) {
        motivo = sementeRecusada(ui.LabSementeEdit->text());
        return std::nullopt;
    }
    c.semente = *semente;
    if (const std::string m = validaConfiguracao(c, sessao_.carga().dados);
        !m.empty() && sessao_.temDados()) {
        motivo = QString::fromStdString(m);
        return std::nullopt;
    }
    return c;
}

void TFormLaboratorio::LabModoComboChange() {
    // The rate only moves units in online training.
    const bool online = ui.LabModoCombo->currentIndex() == 0;
    for (QWidget* w :
         {static_cast<QWidget*>(ui.LabTaxaInicialEdit), static_cast<QWidget*>(ui.LabTaxaFinalEdit),
          static_cast<QWidget*>(ui.LabTaxaInicialLabel),
          static_cast<QWidget*>(ui.LabTaxaFinalLabel), static_cast<QWidget*>(ui.LabOrdemCombo),
          static_cast<QWidget*>(ui.LabOrdemLabel)})
        w->setEnabled(online && !sessao_.ocupada());
}

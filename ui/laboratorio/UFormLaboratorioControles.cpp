// The laboratory window's settings: read from the controls, written back into them (Reabrir,
// Sugerir, an opened map), and kept between sessions.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>

#include "UFormLaboratorio.h"
#include "UFormLaboratorioInterno.h"
#include "UMensagens.h"
#include "UNumeros.h"
#include "USugestaoLab.h"
#include "UTextos.h"

namespace ULabJanela {

std::optional<std::uint64_t> sementeDoCampo(const QString& texto) {
    return sementeDeTexto(bytesUtf8(texto));
}

QString sementeRecusada(const QString& texto) {
    return QStringLiteral("Semente: \"%1\" não é um inteiro não negativo.").arg(texto);
}

}  // namespace ULabJanela

using ULabJanela::sementeDoCampo;
using ULabJanela::sementeRecusada;

namespace {

// A number typed with a decimal comma or point; nothing when it is not one.
std::optional<double> numeroDoCampo(const QString& texto) {
    return numeroDigitado(bytesUtf8(texto.trimmed()));
}

// The window's settings between sessions: the controls by their names.
constexpr const char* kSpins[] = {"LabLinhasSpin", "LabColunasSpin", "LabEpocasSpin"};
constexpr const char* kCombos[] = {"LabTopologiaCombo",  "LabModoCombo",  "LabVizinhancaCombo",
                                   "LabDecaimentoCombo", "LabOrdemCombo", "LabInicioCombo",
                                   "LabVistaSeletor"};
constexpr const char* kEdits[] = {"LabRaioInicialEdit", "LabRaioFinalEdit", "LabTaxaInicialEdit",
                                  "LabTaxaFinalEdit", "LabSementeEdit"};

QSettings preferencias() {
    return QSettings(QStringLiteral("Norvika"), QStringLiteral("Laboratorio"));
}

}  // namespace

void TFormLaboratorio::guardaPreferencias() const {
    QSettings p = preferencias();
    p.setValue(QStringLiteral("geometria"), saveGeometry());
    p.setValue(QStringLiteral("divisor"), ui.LabDivisor->saveState());
    for (const char* nome : kSpins)
        p.setValue(QString::fromLatin1(nome),
                   findChild<QSpinBox*>(QString::fromLatin1(nome))->value());
    for (const char* nome : kCombos)
        p.setValue(QString::fromLatin1(nome),
                   findChild<QComboBox*>(QString::fromLatin1(nome))->currentIndex());
    for (const char* nome : kEdits)
        p.setValue(QString::fromLatin1(nome),
                   findChild<QLineEdit*>(QString::fromLatin1(nome))->text());
    p.setValue(QStringLiteral("LabToroidalCheckBox"), ui.LabToroidalCheckBox->isChecked());
}

void TFormLaboratorio::restauraPreferencias() {
    QSettings p = preferencias();
    if (p.contains(QStringLiteral("geometria")))
        restoreGeometry(p.value(QStringLiteral("geometria")).toByteArray());
    if (p.contains(QStringLiteral("divisor")))
        ui.LabDivisor->restoreState(p.value(QStringLiteral("divisor")).toByteArray());
    for (const char* nome : kSpins)
        if (p.contains(QString::fromLatin1(nome)))
            findChild<QSpinBox*>(QString::fromLatin1(nome))
                ->setValue(p.value(QString::fromLatin1(nome)).toInt());
    for (const char* nome : kCombos)
        if (p.contains(QString::fromLatin1(nome))) {
            QComboBox* c = findChild<QComboBox*>(QString::fromLatin1(nome));
            const int i = p.value(QString::fromLatin1(nome)).toInt();
            if (i >= 0 && i < c->count()) c->setCurrentIndex(i);
        }
    for (const char* nome : kEdits)
        if (p.contains(QString::fromLatin1(nome)))
            findChild<QLineEdit*>(QString::fromLatin1(nome))
                ->setText(p.value(QString::fromLatin1(nome)).toString());
    ui.LabToroidalCheckBox->setChecked(
        p.value(QStringLiteral("LabToroidalCheckBox"), false).toBool());
}

void TFormLaboratorio::mostraConfiguracao(const TConfiguracaoLab& c) {
    const auto numero = [](double v) { return QString::number(v, 'g', 15).replace(u'.', u','); };
    ui.LabLinhasSpin->setValue(c.grade.linhas);
    ui.LabColunasSpin->setValue(c.grade.colunas);
    ui.LabTopologiaCombo->setCurrentIndex(c.grade.hexagonal() ? 1 : 0);
    ui.LabToroidalCheckBox->setChecked(c.grade.toroidal);
    ui.LabModoCombo->setCurrentIndex(c.modo == TModoLab::lote ? 1 : 0);
    ui.LabVizinhancaCombo->setCurrentIndex(c.vizinhanca == TVizinhancaLab::gaussiana ? 1 : 0);
    ui.LabRaioInicialEdit->setText(numero(c.raio.inicial));
    ui.LabRaioFinalEdit->setText(numero(c.raio.final));
    ui.LabTaxaInicialEdit->setText(numero(c.taxa.inicial));
    ui.LabTaxaFinalEdit->setText(numero(c.taxa.final));
    ui.LabDecaimentoCombo->setCurrentIndex(c.decaimento == TDecaimentoLab::exponencial ? 1 : 0);
    ui.LabEpocasSpin->setValue(c.epocas);
    ui.LabOrdemCombo->setCurrentIndex(c.ordem == TOrdemLab::arquivo ? 0 : 1);
    if (c.inicio != TInicioLab::pesos)
        ui.LabInicioCombo->setCurrentIndex(static_cast<int>(c.inicio));
    ui.LabSementeEdit->setText(QString::number(c.semente));
    LabModoComboChange();
}

void TFormLaboratorio::LabSugerirButtonClick() {
    UMensagens::protege(this, [&] {
        if (!sessao_.temDados()) {
            UMensagens::mostraMensagem(
                this, QStringLiteral("Abra um arquivo de dados antes: a sugestão vem deles."));
            return;
        }
        mostraConfiguracao(sugestaoLab(sessao_.carga().dados));
        ui.LabStatusLabel->setText(QStringLiteral("Valores sugeridos para estes dados."));
    });
}

std::optional<TConfiguracaoLab> TFormLaboratorio::configuracao(QString& motivo) const {
    TConfiguracaoLab c;
    c.grade.linhas = ui.LabLinhasSpin->value();
    c.grade.colunas = ui.LabColunasSpin->value();
    c.grade.topologia = ui.LabTopologiaCombo->currentIndex() == 1 ? TTopologiaLab::hexagonal
                                                                  : TTopologiaLab::retangular;
    c.grade.toroidal = ui.LabToroidalCheckBox->isChecked();
    c.modo = ui.LabModoCombo->currentIndex() == 1 ? TModoLab::lote : TModoLab::online;
    c.vizinhanca = ui.LabVizinhancaCombo->currentIndex() == 1 ? TVizinhancaLab::gaussiana
                                                              : TVizinhancaLab::bolha;
    c.decaimento = ui.LabDecaimentoCombo->currentIndex() == 1 ? TDecaimentoLab::exponencial
                                                              : TDecaimentoLab::linear;
    c.epocas = ui.LabEpocasSpin->value();
    c.ordem = ui.LabOrdemCombo->currentIndex() == 0 ? TOrdemLab::arquivo : TOrdemLab::embaralhada;
    static constexpr TInicioLab kInicios[] = {TInicioLab::aleatorio, TInicioLab::amostras,
                                              TInicioLab::linear, TInicioLab::canto};
    c.inicio = kInicios[std::clamp(ui.LabInicioCombo->currentIndex(), 0, 3)];
    struct TCampo {
        const QLineEdit* edit;
        const char* nome;
        double* destino;
    };
    const TCampo campos[] = {{ui.LabRaioInicialEdit, "Raio inicial", &c.raio.inicial},
                             {ui.LabRaioFinalEdit, "Raio final", &c.raio.final},
                             {ui.LabTaxaInicialEdit, "Taxa inicial", &c.taxa.inicial},
                             {ui.LabTaxaFinalEdit, "Taxa final", &c.taxa.final}};
    for (const TCampo& campo : campos) {
        const std::optional<double> v = numeroDoCampo(campo.edit->text());
        if (!v) {
            motivo = QStringLiteral("%1: \"%2\" não é um número.")
                         .arg(QString::fromUtf8(campo.nome), campo.edit->text());
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

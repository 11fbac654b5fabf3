#include "UFormTreinando.h"

#include <QCloseEvent>
#include <cmath>

namespace {

// m:ss, or h:mm:ss from an hour on.
QString textoDuracao(double segundos) {
    const auto s = static_cast<long long>(std::llround(std::max(segundos, 0.0)));
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

TFormTreinando::TFormTreinando(QWidget* pai, const QString& titulo) : QDialog(pai) {
    ui.setupUi(this);
    setWindowTitle(titulo);
    setWindowModality(Qt::WindowModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    connect(ui.PararButton, &QPushButton::clicked, this, &TFormTreinando::pedeParada);
    relogio_.start();
    relogioFase_.start();
}

void TFormTreinando::mostra(const TAndamento& a) {
    if (a.fase != fase_) {
        fase_ = a.fase;
        relogioFase_.restart();
    }
    if (!pediuParada_) ui.FaseLabel->setText(a.fase);
    ui.CicloLabel->setText(a.ciclo);
    ui.CicloLabel->setVisible(!a.ciclo.isEmpty());
    if (a.fracao < 0.0) {
        ui.ProgressoBar->setRange(0, 0);  // busy, of unknown length
    } else {
        ui.ProgressoBar->setRange(0, 1000);
        ui.ProgressoBar->setValue(static_cast<int>(std::lround(std::min(a.fracao, 1.0) * 1000.0)));
    }
    QString tempo = QStringLiteral("Tempo decorrido: %1")
                        .arg(textoDuracao(static_cast<double>(relogio_.elapsed()) / 1000.0));
    // The estimate follows the pace of the phase so far, once it has a little history.
    const double fase = static_cast<double>(relogioFase_.elapsed()) / 1000.0;
    if (a.fracao >= 0.01 && a.fracao < 1.0 && fase >= 0.5)
        tempo += QStringLiteral("    Restante: cerca de %1")
                     .arg(textoDuracao(fase * (1.0 - a.fracao) / a.fracao));
    ui.TempoLabel->setText(tempo);
}

void TFormTreinando::modoPassoAPasso() {
    ui.PassoPainel->setVisible(true);
    auto mostraVelocidade = [this] {
        const double ritmo = padroesPorSegundo();
        ui.VelocidadeValorLabel->setText(
            ritmo <= 0.0 ? QStringLiteral("máxima")
                         : QStringLiteral("%1 padrões/s").arg(ritmo, 0, 'g', 3));
    };
    connect(ui.VelocidadeSlider, &QSlider::valueChanged, this, mostraVelocidade);
    mostraVelocidade();
    // Room for the step line on two lines at most.
    setMinimumWidth(560);
    ui.PassoLabel->setMinimumHeight(2 * ui.PassoLabel->fontMetrics().lineSpacing() + 4);
    adjustSize();
}

double TFormTreinando::padroesPorSegundo() const {
    // From one pattern a second, ten times faster every 2.5 steps of the slider, to full speed.
    const int v = ui.VelocidadeSlider->value();
    if (v >= ui.VelocidadeSlider->maximum()) return 0.0;
    return std::pow(10.0, v * 0.4);
}

void TFormTreinando::pedeParada() {
    if (pediuParada_) return;
    pediuParada_ = true;
    ui.PararButton->setEnabled(false);
    ui.FaseLabel->setText(QStringLiteral("Parando..."));
    Q_EMIT paradaPedida();
}

void TFormTreinando::reject() {
    pedeParada();
}

void TFormTreinando::closeEvent(QCloseEvent* e) {
    e->ignore();
    pedeParada();
}

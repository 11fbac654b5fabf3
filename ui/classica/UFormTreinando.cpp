#include "UFormTreinando.h"

#include "UJanelas.h"
#include "UTextos.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <algorithm>
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

TAndamento andamento(const QString& fase, std::int64_t feitos, std::int64_t total) {
    TAndamento a;
    a.fase = fase;
    if (total > 0) a.fracao = static_cast<double>(feitos) / static_cast<double>(total);
    return a;
}

TAndamento andamentoDosCiclos(const QString& fase, std::int64_t ciclosFeitos,
                              std::int64_t padroesFeitos, std::int64_t padroes,
                              std::int64_t ciclos) {
    TAndamento a;
    a.fase = fase;
    if (ciclos <= 0) return a;
    const std::int64_t feitos = std::min(ciclosFeitos, ciclos);
    const double dentro =
        padroes > 0 ? static_cast<double>(padroesFeitos) / static_cast<double>(padroes) : 0.0;
    a.fracao = (static_cast<double>(feitos) + dentro) / static_cast<double>(ciclos);
    a.ciclo = QCoreApplication::translate("TFormTreinando", "Ciclo %1 de %2")
                  .arg(std::min(feitos + 1, ciclos))
                  .arg(ciclos);
    return a;
}

TAndamento andamentoDoTreino(const TTreino& treino, const TControle& controle) {
    switch (treino.fase()) {
        case TTreino::Fase::mapa:
            return andamento(
                QCoreApplication::translate("TFormTreinando", "Lendo o arquivo de padrões"), 0, -1);
        case TTreino::Fase::leitura:
            return andamento(
                QCoreApplication::translate("TFormTreinando", "Lendo o arquivo de padrões"),
                controle.padroes.load(), treino.padroesAnunciados());
        case TTreino::Fase::rotulos:
            return andamento(
                QCoreApplication::translate("TFormTreinando", "Reunindo os rótulos dos padrões"), 0,
                -1);
        case TTreino::Fase::medida:
            return andamento(
                QCoreApplication::translate("TFormTreinando", "Medindo os erros do mapa"), 0, -1);
        case TTreino::Fase::treino:
            break;
    }
    if (treino.medindo())
        return andamento(QCoreApplication::translate("TFormTreinando", "Medindo os erros do mapa"),
                         0, -1);
    return andamentoDosCiclos(QCoreApplication::translate("TFormTreinando", "Treinando o mapa"),
                              controle.ciclos.load(), controle.padroes.load(),
                              treino.padroesAnunciados(), treino.ciclos());
}

TAndamento andamentoDaClassificacao(const TClassificacao& classificacao,
                                    const TControle& controle) {
    switch (classificacao.fase()) {
        case TClassificacao::Fase::leitura:
            return andamento(
                QCoreApplication::translate("TFormTreinando", "Lendo o arquivo de padrões"),
                controle.padroes.load(), classificacao.padroesAnunciados());
        case TClassificacao::Fase::medida:
            return andamento(
                QCoreApplication::translate("TFormTreinando", "Medindo os erros do mapa"), 0, -1);
        case TClassificacao::Fase::busca:
            break;
    }
    return andamento(QCoreApplication::translate("TFormTreinando", "Classificando os padrões"),
                     controle.padroes.load(), classificacao.padroesAnunciados());
}

TFormTreinando::TFormTreinando(QWidget* pai, const QString& titulo) : QDialog(pai) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowTitle(titulo);
    setWindowModality(Qt::WindowModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    connect(ui.PararButton, &QPushButton::clicked, this, &TFormTreinando::pedeParada);
    connect(ui.ProximoPadraoButton, &QPushButton::clicked, this,
            &TFormTreinando::proximoPadraoPedido);
    connect(ui.ProximoCicloButton, &QPushButton::clicked, this,
            &TFormTreinando::proximoCicloPedido);
    connect(ui.ContinuarButton, &QPushButton::clicked, this, &TFormTreinando::continuarPedido);
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
    QString tempo = tr("Tempo decorrido: %1")
                        .arg(textoDuracao(static_cast<double>(relogio_.elapsed()) / 1000.0));
    // The estimate follows the pace of the phase so far, once it has a little history.
    const double fase = static_cast<double>(relogioFase_.elapsed()) / 1000.0;
    if (a.fracao >= 0.01 && a.fracao < 1.0 && fase >= 0.5)
        tempo +=
            tr("    Restante: cerca de %1").arg(textoDuracao(fase * (1.0 - a.fracao) / a.fracao));
    ui.TempoLabel->setText(tempo);
}

void TFormTreinando::modoPassoAPasso() {
    ui.PassoPainel->setVisible(true);
    auto mostraVelocidade = [this] {
        const double ritmo = padroesPorSegundo();
        ui.VelocidadeValorLabel->setText(ritmo <= 0.0 ? tr("máxima")
                                                      : tr("%1 padrões/s").arg(numeroCurto(ritmo)));
    };
    connect(ui.VelocidadeSlider, &QSlider::valueChanged, this, mostraVelocidade);
    mostraVelocidade();
    // Room for the step line on two lines at most.
    setMinimumWidth(560);
    ui.PassoLabel->setMinimumHeight(2 * ui.PassoLabel->fontMetrics().lineSpacing() + 4);
    adjustSize();
}

void TFormTreinando::mostraPasso(const QString& linha) {
    ui.PassoLabel->setText(linha);
}

void TFormTreinando::defineAnimando(bool animando) {
    ui.ContinuarButton->setText(animando ? tr("Pausar") : tr("Continuar"));
    ui.ProximoPadraoButton->setEnabled(!animando);
    ui.ProximoCicloButton->setEnabled(!animando);
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
    ui.FaseLabel->setText(tr("Parando..."));
    Q_EMIT paradaPedida();
}

void TFormTreinando::reject() {
    pedeParada();
}

void TFormTreinando::closeEvent(QCloseEvent* e) {
    e->ignore();
    pedeParada();
}

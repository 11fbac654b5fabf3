// The laboratory window's runs (the list of trainings, reopened, renamed, saved, compared,
// removed) and the replay of the last training.

#include <QFileInfo>
#include <QListWidget>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <algorithm>

#include "UAjustesLab.h"
#include "UFormLaboratorio.h"
#include "UFormLaboratorioInterno.h"
#include "UImagemExportada.h"
#include "UMensagens.h"
#include "UPintura.h"
#include "UTextos.h"

namespace {

// An item's own tooltip: the run's settings and errors.
constexpr int kDicaDaExecucao = Qt::UserRole + 1;

}  // namespace

void TFormLaboratorio::atualizaHistorico() {
    preenchendoHistorico_ = true;
    // Runs come only at the end of the list and leave from anywhere, in order: the items of runs
    // gone are taken out and items are made for the new ones only, so that a change costs the
    // same whatever the number of runs (a thumbnail takes milliseconds to draw).
    QListWidget& lista = *ui.LabHistoricoLista;
    const std::vector<TExecucaoLab>& execucoes = sessao_.execucoes();
    std::size_t seguinte = 0;
    for (int linha = 0; linha < lista.count();) {
        const auto l = static_cast<std::size_t>(linha);
        if (seguinte < execucoes.size() && mapasListados_[l] == execucoes[seguinte].mapa) {
            ++linha;
            ++seguinte;
            continue;
        }
        delete lista.takeItem(linha);
        mapasListados_.erase(mapasListados_.begin() + linha);
    }
    const bool novas = seguinte < execucoes.size();
    for (; seguinte < execucoes.size(); ++seguinte) {
        const TExecucaoLab& e = execucoes[seguinte];
        ++miniaturasDesenhadas_;
        // A small picture of its label map.
        QImage miniatura(144, 108, QImage::Format_RGB32);
        miniatura.fill(Qt::white);
        {
            QPainter p(&miniatura);
            // The margins and the legend fall outside the picture: only the cells are in it.
            TOpcoesVista opcoes;
            // Unlabelled patterns leave the label map empty: their thumbnail is the U-matrix.
            const std::vector<std::int32_t>& rotulos = e.mapa->padroes->rotuloDoPadrao;
            const bool rotulados =
                std::any_of(rotulos.begin(), rotulos.end(), [](std::int32_t r) { return r >= 0; });
            pintaVista(p, QRectF(-30, -30, 144 + 30 + kLarguraLegenda, 108 + 30 + kMargemVista),
                       *e.mapa, rotulados ? TTipoVista::Rotulos : TTipoVista::MatrizU, opcoes,
                       nullptr);
        }
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(miniatura)),
                                         QString::fromStdString(e.nome));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        const TConfiguracaoLab& c = e.config;
        // A choice's name in the language of the run, in lower case ("gaussiana", "batch").
        const auto escolha = [&c](TAjusteLab ajuste) {
            return traduzido("TAjustesLab", textoDoAjuste(c, ajuste, {})).toLower();
        };
        item->setData(
            kDicaDaExecucao,
            tr("%1 × %2 %3%4, %5, %6, raio %7 → %8, %9\nQuantização %10, "
               "topográfico %11, %12 s%13")
                .arg(c.grade.linhas)
                .arg(c.grade.colunas)
                .arg(escolha(TAjusteLab::topologia))
                .arg(c.grade.toroidal ? tr(" toroidal") : QString())
                .arg(escolha(TAjusteLab::vizinhanca))
                .arg(escolha(TAjusteLab::modo))
                .arg(numeroCurto(c.raio.inicial), numeroCurto(c.raio.final))
                .arg(contagem(c.epocas, tr("época"), tr("épocas")))
                .arg(e.mapa->erros ? numeroCurto(e.mapa->erros->quantizacao) : QStringLiteral("–"),
                     e.mapa->erros ? numeroCurto(e.mapa->erros->topografico) : QStringLiteral("–"),
                     numeroCurto(e.segundos), e.parada ? tr(" (parada)") : QString()));
        lista.addItem(item);
        mapasListados_.push_back(e.mapa);
    }
    // The newest run is in sight.
    if (novas) lista.scrollToBottom();
    // Runs of other data than those open are for comparison among themselves only: greyed, and
    // the tooltip says why.
    for (int linha = 0; linha < lista.count(); ++linha) {
        const auto i = static_cast<std::size_t>(linha);
        QListWidgetItem* item = lista.item(linha);
        const QString dica = item->data(kDicaDaExecucao).toString();
        if (!sessao_.deOutrosDados(i)) {
            item->setForeground(QBrush());
            item->setToolTip(dica);
            continue;
        }
        item->setForeground(lista.palette().brush(QPalette::Disabled, QPalette::Text));
        item->setToolTip(
            tr("Treinada em %1: não pode ser comparada com execuções de "
               "outros dados.\n%2")
                .arg(QFileInfo(QString::fromStdString(execucoes[i].arquivo)).fileName(), dica));
    }
    preenchendoHistorico_ = false;
    escolheExecucoes();
}

std::vector<std::size_t> TFormLaboratorio::execucoesEscolhidas() const {
    std::vector<std::size_t> linhas;
    for (int i = 0; i < ui.LabHistoricoLista->count(); ++i)
        if (ui.LabHistoricoLista->item(i)->isSelected())
            linhas.push_back(static_cast<std::size_t>(i));
    return linhas;
}

void TFormLaboratorio::escolheExecucoes() {
    const std::vector<std::size_t> escolhidas = execucoesEscolhidas();
    const std::size_t n = escolhidas.size();
    const bool livre = !sessao_.ocupada();
    ui.LabReabrirButton->setEnabled(livre && n == 1);
    ui.LabSalvarExecucaoButton->setEnabled(n == 1);
    ui.LabExcluirButton->setEnabled(livre && n >= 1);
    ui.LabCompararButton->setEnabled(n == 2 && comparaveis(escolhidas));
    // The status line says the run's first line (why it is greyed, or its grid and training);
    // the whole summary is its tooltip.
    if (n == 1)
        ui.LabStatusLabel->setText(ui.LabHistoricoLista->item(static_cast<int>(escolhidas.front()))
                                       ->toolTip()
                                       .section(u'\n', 0, 0));
}

bool TFormLaboratorio::comparaveis(const std::vector<std::size_t>& linhas) const {
    // Only runs of the same data are compared: their maps were measured on the same patterns.
    const std::vector<TExecucaoLab>& execucoes = sessao_.execucoes();
    return linhas.size() == 2 && linhas[0] < execucoes.size() && linhas[1] < execucoes.size() &&
           execucoes[linhas[0]].dados == execucoes[linhas[1]].dados;
}

void TFormLaboratorio::LabReabrirButtonClick() {
    UMensagens::protege(this, [&] {
        const std::vector<std::size_t> linhas = execucoesEscolhidas();
        if (linhas.size() != 1 || sessao_.ocupada()) return;
        // A run of other data brings its data back: its map, its labels and points, and the
        // next training are on them.
        sessao_.reabre(linhas.front());
        atualizaReprisa();
        mostraConfiguracao(sessao_.execucoes()[linhas.front()].config);
        mostraDados();
        mostraMapa(sessao_.mapa());
        atualizaHistorico();
        habilita();
    });
}

void TFormLaboratorio::LabExcluirButtonClick() {
    std::vector<std::size_t> linhas = execucoesEscolhidas();
    std::sort(linhas.rbegin(), linhas.rend());
    for (const std::size_t i : linhas) sessao_.remove(i);
    atualizaHistorico();
}

void TFormLaboratorio::LabSalvarExecucaoButtonClick() {
    UMensagens::protege(this, [&] {
        const std::vector<std::size_t> linhas = execucoesEscolhidas();
        if (linhas.size() != 1) return;
        const TCodebook codebook = sessao_.codebookDe(linhas.front());
        exportaComDialogo(
            this, *dialogoSalvar_,
            [&](const QString& nome) { return ULabJanela::gravaCodebookEm(codebook, nome); },
            tr("o mapa"));
    });
}

void TFormLaboratorio::LabCompararButtonClick() {
    UMensagens::protege(this, [&] {
        const std::vector<std::size_t> linhas = execucoesEscolhidas();
        if (!comparaveis(linhas)) return;
        comparacao_ = new TFormComparacao(this, sessao_.execucoes()[linhas[0]],
                                          sessao_.execucoes()[linhas[1]]);
        comparacao_->show();
    });
}

void TFormLaboratorio::atualizaReprisa() {
    reproducao_.stop();
    mostraReproduzir(false);
    const auto quadros = static_cast<int>(sessao_.quadros());
    const bool ha = quadros >= 2 && !sessao_.ocupada();
    ui.LabExportarAnimacaoButton->setEnabled(quadros > 0 && !sessao_.ocupada());
    for (QWidget* w :
         {static_cast<QWidget*>(ui.LabReproduzirButton), static_cast<QWidget*>(ui.LabReprisaSlider),
          static_cast<QWidget*>(ui.LabReprisaLabel)})
        w->setVisible(ha);
    if (!ha) return;
    const QSignalBlocker bloqueio(ui.LabReprisaSlider);
    ui.LabReprisaSlider->setRange(0, quadros - 1);
    ui.LabReprisaSlider->setValue(quadros - 1);
    escreveEpocaDaReprisa(quadros - 1);
    reproducao_.setInterval(std::clamp(10000 / quadros, 50, 400));
}

void TFormLaboratorio::mostraQuadro(int i) {
    UMensagens::protege(this, [&] {
        const auto quadros = static_cast<int>(sessao_.quadros());
        if (i < 0 || i >= quadros || sessao_.ocupada()) return;
        const auto q = static_cast<std::size_t>(i);
        // The last frame is the map itself, with everything measured.
        mostraMapa(i == quadros - 1 ? sessao_.mapa() : sessao_.quadro(q));
        escreveEpocaDaReprisa(i);
    });
}

void TFormLaboratorio::escreveEpocaDaReprisa(int i) {
    const std::size_t ultimo = sessao_.quadros() - 1;
    ui.LabReprisaLabel->setText(tr("Época %1 de %2")
                                    .arg(sessao_.epocaDoQuadro(static_cast<std::size_t>(i)))
                                    .arg(sessao_.epocaDoQuadro(ultimo)));
}

void TFormLaboratorio::LabReproduzirButtonClick() {
    if (reproducao_.isActive()) {
        reproducao_.stop();
        mostraReproduzir(false);
        return;
    }
    if (sessao_.quadros() < 2) return;
    if (ui.LabReprisaSlider->value() >= ui.LabReprisaSlider->maximum())
        ui.LabReprisaSlider->setValue(0);
    mostraReproduzir(true);
    reproducao_.start();
}

void TFormLaboratorio::mostraReproduzir(bool tocando) {
    // The style's icons: the fonts installed often lack the media symbols' glyphs.
    ui.LabReproduzirButton->setText(tocando ? tr("Pausar") : tr("Reproduzir"));
    ui.LabReproduzirButton->setIcon(
        style()->standardIcon(tocando ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

#include "UFormComparacao.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QPainter>
#include <algorithm>

#include "UAjustesLab.h"
#include "UDialogos.h"
#include "UImagemExportada.h"
#include "UJanelas.h"
#include "UPainelMapa.h"
#include "UPintura.h"
#include "USugestaoLab.h"
#include "UTextos.h"
#include "UVistaMapa.h"

namespace {

// A setting's value as the laboratory window shows it.
struct TLinha {
    QString nome;
    QString a, b;
};

// A setting's value as the laboratory window shows it.
QString texto(const TConfiguracaoLab& c, TAjusteLab ajuste) {
    return traduzido("TAjustesLab", textoDoAjuste(c, ajuste, [](double v) {
                         return numeroCurto(v).toStdString();
                     }));
}

}  // namespace

TFormComparacao::TFormComparacao(QWidget* pai, const TExecucaoLab& a, const TExecucaoLab& b)
    : QWidget(pai), a_(a), b_(b) {
    UJanelas::instala();
    ui.setupUi(this);
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Comparação — %1 × %2")
                       .arg(QString::fromStdString(a.nome), QString::fromStdString(b.nome)));
    for (const TOpcaoVista& o : kOpcoesVista)
        if (o.vista != kVistaCurva) ui.LabComparacaoVistaSeletor->addItem(nomeDaOpcao(o), o.vista);
    ui.LabComparacaoTituloA->setText(QString::fromStdString(a_.nome));
    ui.LabComparacaoTituloB->setText(QString::fromStdString(b_.nome));
    ui.LabComparacaoVistaA->defineDados(a_.mapa);
    ui.LabComparacaoVistaB->defineDados(b_.mapa);
    preencheGrupos();
    // Both runs are of the same data, so they offer the same columns.
    for (std::int32_t k = 0; k < a_.mapa->propriedades(); ++k)
        ui.ComparacaoPropriedadeCombo->addItem(nomeDoAtributo(*a_.mapa, k));
    ui.LabComparacaoVistaSeletor->setCurrentIndex(
        ui.LabComparacaoVistaSeletor->findData(static_cast<int>(vistaInicial(*a_.mapa))));
    preencheTabela();
    connect(ui.LabComparacaoVistaSeletor, &QComboBox::currentIndexChanged, this,
            &TFormComparacao::mostraVista);
    for (QCheckBox* caixa : {ui.ComparacaoMesmaEscalaCheckBox, ui.ComparacaoAgrupamentosCheckBox})
        connect(caixa, &QCheckBox::toggled, this, &TFormComparacao::mostraVista);
    connect(ui.ComparacaoAgrupamentosSpin, &QSpinBox::valueChanged, this,
            &TFormComparacao::mostraVista);
    connect(ui.ComparacaoPropriedadeCombo, &QComboBox::currentIndexChanged, this,
            &TFormComparacao::mostraVista);
    QFileDialog* dialogo = UDialogos::criaDialogoImagem(this, "LabExportarComparacaoDialog");
    connect(ui.LabExportarComparacaoButton, &QPushButton::clicked, this, [this, dialogo] {
        exportaComDialogo(
            this, *dialogo, [this](const QString& nome) { return exportaImagem(nome); },
            tr("a imagem"));
    });
    mostraVista();
}

TTipoVista TFormComparacao::vistaInicial(const TDadosMapa& mapa) {
    // Labels only say something when the patterns have them; two attributes are best seen as the
    // net in its own plane; else the U-matrix shows the clusters.
    const std::vector<std::int32_t>& rotulos = mapa.padroes->rotuloDoPadrao;
    if (std::any_of(rotulos.begin(), rotulos.end(), [](std::int32_t r) { return r >= 0; }))
        return TTipoVista::Rotulos;
    return mapa.dimensao == 2 ? TTipoVista::Espaco : TTipoVista::MatrizU;
}

void TFormComparacao::preencheGrupos() {
    // One number for both maps, up to the units the smaller one has; it starts at the first map's
    // suggestion.
    const auto unidades = [](const TDadosMapa& m) {
        return m.vazio() ? 0 : std::min(m.unidades(), m.neuronios());
    };
    const std::int32_t n = std::min(unidades(*a_.mapa), unidades(*b_.mapa));
    const bool haGrupos = n >= 2;
    ui.ComparacaoAgrupamentosSpin->setEnabled(haGrupos);
    ui.ComparacaoAgrupamentosCheckBox->setEnabled(haGrupos);
    if (!haGrupos) return;
    ui.ComparacaoAgrupamentosSpin->setRange(2, std::min(TDadosMapa::kMaximoGrupos, n));
    ui.ComparacaoAgrupamentosSpin->setValue(a_.mapa->kGruposSugerido());
}

void TFormComparacao::mostraVista() {
    const auto tipo = static_cast<TTipoVista>(ui.LabComparacaoVistaSeletor->currentData().toInt());
    const std::int32_t propriedade = std::max(ui.ComparacaoPropriedadeCombo->currentIndex(), 0);
    ui.ComparacaoPropriedadeCombo->setVisible(tipo == TTipoVista::Propriedade);
    // One colour scale for both (the union of their ranges), unless each is to keep its own.
    const bool mesma = ui.ComparacaoMesmaEscalaCheckBox->isChecked();
    std::optional<std::pair<double, double>> faixa;
    const auto une = [&](const std::vector<double>& valores) {
        const auto [lo, hi] = faixaFinita(valores);
        faixa = faixa ? std::pair(std::min(faixa->first, lo), std::max(faixa->second, hi))
                      : std::pair(lo, hi);
    };
    for (const TExecucaoLab* e : {&a_, &b_}) {
        if (tipo == TTipoVista::MatrizU) une(e->mapa->u);
        if (tipo == TTipoVista::Planos) une(e->mapa->pesos);
        if (tipo == TTipoVista::Acertos)
            une(std::vector<double>(e->mapa->contagens.begin(), e->mapa->contagens.end()));
        // The per-unit means: each map's error, and the attribute the property view shows.
        if (tipo == TTipoVista::ErroUnidade) une(e->mapa->erroDasUnidades());
        if (tipo == TTipoVista::Propriedade) une(e->mapa->mediaDoAtributo(propriedade));
    }
    for (TVistaMapa* v : {ui.LabComparacaoVistaA, ui.LabComparacaoVistaB}) {
        v->defineTipo(tipo);
        v->defineEscalaComum(true);
        v->defineLinhaUmEmbaixo(linhaUmEmbaixoPreferida());
        v->defineFaixa(mesma ? faixa : std::nullopt);
        v->definePropriedade(propriedade);
        v->defineGrupos(ui.ComparacaoAgrupamentosSpin->value());
        v->defineMostraGrupos(ui.ComparacaoAgrupamentosCheckBox->isEnabled() &&
                              ui.ComparacaoAgrupamentosCheckBox->isChecked());
    }
}

void TFormComparacao::preencheTabela() {
    std::vector<TLinha> linhas;
    std::vector<bool> difere;
    for (const TDescricaoAjusteLab& s : ajustesLab()) {
        linhas.push_back({traduzido("TAjustesLab", s.nome), texto(a_.config, s.ajuste),
                          texto(b_.config, s.ajuste)});
        difere.push_back(!mesmoAjuste(a_.config, b_.config, s.ajuste));
    }
    const auto erro = [](const TExecucaoLab& e, bool topografico) {
        return e.mapa->erros ? numeroCurto(topografico ? e.mapa->erros->topografico
                                                       : e.mapa->erros->quantizacao)
                             : QStringLiteral("–");
    };
    linhas.push_back({tr("Erro de quantização"), erro(a_, false), erro(b_, false)});
    linhas.push_back({tr("Erro topográfico"), erro(a_, true), erro(b_, true)});
    linhas.push_back({tr("Tempo (s)"), numeroCurto(a_.segundos), numeroCurto(b_.segundos)});
    ui.LabDiferencasTabela->setColumnCount(2);
    ui.LabDiferencasTabela->setRowCount(static_cast<int>(linhas.size()));
    ui.LabDiferencasTabela->setHorizontalHeaderLabels(
        {QString::fromStdString(a_.nome), QString::fromStdString(b_.nome)});
    for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
        const TLinha& l = linhas[static_cast<std::size_t>(i)];
        ui.LabDiferencasTabela->setVerticalHeaderItem(i, new QTableWidgetItem(l.nome));
        const bool destaque =
            static_cast<std::size_t>(i) < difere.size() && difere[static_cast<std::size_t>(i)];
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem(c == 0 ? l.a : l.b);
            if (destaque) {
                item->setBackground(QColor(0xFF, 0xE0, 0x82));
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
                item->setData(Qt::UserRole, true);
            }
            ui.LabDiferencasTabela->setItem(i, c, item);
        }
    }
    ui.LabDiferencasTabela->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

QStringList TFormComparacao::destacadas() const {
    QStringList nomes;
    for (int i = 0; i < ui.LabDiferencasTabela->rowCount(); ++i)
        if (ui.LabDiferencasTabela->item(i, 0)->data(Qt::UserRole).toBool())
            nomes << ui.LabDiferencasTabela->verticalHeaderItem(i)->text();
    return nomes;
}

QString TFormComparacao::exportaImagem(const QString& caminho) {
    const QSize lado = ui.LabComparacaoVistaA->size();
    const QSize total(lado.width() * 2, lado.height() + 24);
    return gravaImagem(caminho, total, windowTitle(), [&](QPainter& p) {
        p.fillRect(QRect(QPoint(0, 0), total), Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRect(0, 0, lado.width(), 24), Qt::AlignCenter, QString::fromStdString(a_.nome));
        p.drawText(QRect(lado.width(), 0, lado.width(), 24), Qt::AlignCenter,
                   QString::fromStdString(b_.nome));
        ui.LabComparacaoVistaA->desenha(p, QRect(QPoint(0, 24), lado));
        ui.LabComparacaoVistaB->desenha(p, QRect(QPoint(lado.width(), 24), lado));
    });
}

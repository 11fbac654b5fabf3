#include "UFormComparacao.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "UAjustesLab.h"
#include "UDialogos.h"
#include "UImagemExportada.h"
#include "UPintura.h"
#include "USugestaoLab.h"
#include "UTextos.h"
#include "UVistaMapa.h"

namespace {

// A setting's value as the laboratory window shows it.
struct TLinha {
    const char* nome;
    QString a, b;
};

// A setting's value as the laboratory window shows it.
QString texto(const TConfiguracaoLab& c, TAjusteLab ajuste) {
    return QString::fromStdString(
        textoDoAjuste(c, ajuste, [](double v) { return numeroCurto(v).toStdString(); }));
}

}  // namespace

TFormComparacao::TFormComparacao(QWidget* pai, const TExecucaoLab& a, const TExecucaoLab& b)
    : QWidget(pai), a_(a), b_(b) {
    setObjectName(QStringLiteral("LabComparacaoForm"));
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Comparação — %1 × %2")
                       .arg(QString::fromStdString(a.nome), QString::fromStdString(b.nome)));
    auto* layout = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    topo->addWidget(new QLabel(QStringLiteral("Vista:"), this));
    seletor_ = new QComboBox(this);
    seletor_->setObjectName(QStringLiteral("LabComparacaoVistaSeletor"));
    for (const TOpcaoVista& o : kOpcoesVista)
        if (o.vista != kVistaCurva) seletor_->addItem(QString::fromUtf8(o.nome), o.vista);
    topo->addWidget(seletor_);
    topo->addStretch();
    auto* exportar = new QPushButton(QStringLiteral("Exportar imagem…"), this);
    exportar->setObjectName(QStringLiteral("LabExportarComparacaoButton"));
    topo->addWidget(exportar);
    layout->addLayout(topo);
    auto* mapas = new QHBoxLayout;
    for (auto [vista, e, nome] : {std::tuple{&vistaA_, &a_, "LabComparacaoVistaA"},
                                  std::tuple{&vistaB_, &b_, "LabComparacaoVistaB"}}) {
        auto* coluna = new QVBoxLayout;
        auto* titulo = new QLabel(QString::fromStdString(e->nome), this);
        titulo->setAlignment(Qt::AlignCenter);
        QFont negrito = titulo->font();
        negrito.setBold(true);
        titulo->setFont(negrito);
        coluna->addWidget(titulo);
        *vista = new TVistaMapa(this);
        (*vista)->setObjectName(QString::fromLatin1(nome));
        (*vista)->setMinimumSize(360, 300);
        (*vista)->defineDados(e->mapa);
        coluna->addWidget(*vista, 1);
        mapas->addLayout(coluna, 1);
    }
    // The settings beside the maps, every row in sight.
    tabela_ = new QTableWidget(this);
    tabela_->setObjectName(QStringLiteral("LabDiferencasTabela"));
    tabela_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabela_->setFixedWidth(380);
    mapas->addWidget(tabela_);
    layout->addLayout(mapas, 1);
    preencheTabela();
    connect(seletor_, &QComboBox::currentIndexChanged, this, &TFormComparacao::mostraVista);
    QFileDialog* dialogo = UDialogos::criaDialogoImagem(this, "LabExportarComparacaoDialog");
    connect(exportar, &QPushButton::clicked, this, [this, dialogo] {
        exportaComDialogo(
            this, *dialogo, [this](const QString& nome) { return exportaImagem(nome); },
            QStringLiteral("a imagem"));
    });
    resize(1500, 720);
    mostraVista();
}

void TFormComparacao::mostraVista() {
    const auto tipo = static_cast<TTipoVista>(seletor_->currentData().toInt());
    // One colour scale for both: the union of their ranges.
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
    }
    for (TVistaMapa* v : {vistaA_, vistaB_}) {
        v->defineTipo(tipo);
        v->defineEscalaComum(true);
        v->defineFaixa(faixa);
    }
}

void TFormComparacao::preencheTabela() {
    std::vector<TLinha> linhas;
    std::vector<bool> difere;
    for (const TDescricaoAjusteLab& s : ajustesLab()) {
        linhas.push_back({s.nome, texto(a_.config, s.ajuste), texto(b_.config, s.ajuste)});
        difere.push_back(!mesmoAjuste(a_.config, b_.config, s.ajuste));
    }
    const auto erro = [](const TExecucaoLab& e, bool topografico) {
        return e.mapa->erros ? numeroCurto(topografico ? e.mapa->erros->topografico
                                                       : e.mapa->erros->quantizacao)
                             : QStringLiteral("–");
    };
    linhas.push_back({"Erro de quantização", erro(a_, false), erro(b_, false)});
    linhas.push_back({"Erro topográfico", erro(a_, true), erro(b_, true)});
    linhas.push_back({"Tempo (s)", numeroCurto(a_.segundos), numeroCurto(b_.segundos)});
    tabela_->setColumnCount(2);
    tabela_->setRowCount(static_cast<int>(linhas.size()));
    tabela_->setHorizontalHeaderLabels(
        {QString::fromStdString(a_.nome), QString::fromStdString(b_.nome)});
    for (int i = 0; i < static_cast<int>(linhas.size()); ++i) {
        const TLinha& l = linhas[static_cast<std::size_t>(i)];
        tabela_->setVerticalHeaderItem(i, new QTableWidgetItem(QString::fromUtf8(l.nome)));
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
            tabela_->setItem(i, c, item);
        }
    }
    tabela_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

QStringList TFormComparacao::destacadas() const {
    QStringList nomes;
    for (int i = 0; i < tabela_->rowCount(); ++i)
        if (tabela_->item(i, 0)->data(Qt::UserRole).toBool())
            nomes << tabela_->verticalHeaderItem(i)->text();
    return nomes;
}

QString TFormComparacao::exportaImagem(const QString& caminho) {
    const QSize lado = vistaA_->size();
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
        vistaA_->desenha(p, QRect(QPoint(0, 24), lado));
        vistaB_->desenha(p, QRect(QPoint(lado.width(), 24), lado));
    });
}

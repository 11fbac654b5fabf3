#include "UGradeMapa.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStylePainter>

TGradeMapa::TGradeMapa(QWidget* pai) : QTableWidget(pai) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(24);
    horizontalHeader()->setDefaultSectionSize(30);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setFixedWidth(30);
    horizontalHeader()->setFixedHeight(24);
    verticalHeader()->setHighlightSections(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsClickable(false);
    setCornerButtonEnabled(false);
    // The corner shows "0", as the header row numbers every column from the corner on.
    if (auto* canto = findChild<QAbstractButton*>()) {
        canto->setText(QStringLiteral("0"));
        canto->installEventFilter(this);
    }
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int linha, int coluna, int, int) { aoMudarCelulaAtual(linha, coluna); });
}

bool TGradeMapa::eventFilter(QObject* objeto, QEvent* e) {
    auto* canto = qobject_cast<QAbstractButton*>(objeto);
    if (canto != nullptr && e->type() == QEvent::Paint) {
        QStylePainter pintor(canto);
        QStyleOptionHeader opcao;
        opcao.initFrom(canto);
        // Drawn as an ordinary header cell, although the button itself takes no clicks.
        opcao.palette = palette();
        opcao.palette.setCurrentColorGroup(QPalette::Active);
        opcao.state = QStyle::State_Raised | QStyle::State_Enabled;
        opcao.rect = canto->rect();
        opcao.position = QStyleOptionHeader::OnlyOneSection;
        opcao.text = canto->text();
        opcao.textAlignment = Qt::AlignCenter;
        pintor.setFont(font());
        pintor.drawControl(QStyle::CE_Header, opcao);
        return true;
    }
    return QTableWidget::eventFilter(objeto, e);
}

void TGradeMapa::defineTamanho(int linhas, int colunas) {
    const Origem anterior = origem_;
    origem_ = Origem::Programa;
    setRowCount(linhas);
    setColumnCount(colunas);
    origem_ = anterior;
}

void TGradeMapa::escreveCelula(int linha, int coluna, const QString& texto) {
    QTableWidgetItem* celula = item(linha, coluna);
    if (celula == nullptr) {
        celula = new QTableWidgetItem;
        celula->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        celula->setTextAlignment(Qt::AlignCenter);
        setItem(linha, coluna, celula);
    }
    celula->setText(texto);
}

QString TGradeMapa::textoCelula(int linha, int coluna) const {
    const QTableWidgetItem* celula = item(linha, coluna);
    return celula == nullptr ? QString() : celula->text();
}

void TGradeMapa::anuncia(int linha, int coluna) {
    QMetaObject::invokeMethod(
        this, [this, linha, coluna] { Q_EMIT celulaSelecionada(coluna + 1, linha + 1); },
        Qt::QueuedConnection);
}

void TGradeMapa::aoMudarCelulaAtual(int linha, int coluna) {
    if (linha < 0 || coluna < 0) return;
    if (origem_ == Origem::Livre || origem_ == Origem::Clique) anuncia(linha, coluna);
}

void TGradeMapa::focusInEvent(QFocusEvent* e) {
    // Taking the focus makes the first cell current when none is; that is no selection by the
    // user (the focus may arrive because the control that had it was just disabled).
    const Origem anterior = origem_;
    origem_ = Origem::Programa;
    QTableWidget::focusInEvent(e);
    origem_ = anterior;
}

void TGradeMapa::mousePressEvent(QMouseEvent* e) {
    const QModelIndex alvo = indexAt(e->position().toPoint());
    const bool estende = (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) != 0;
    const bool jaEraAtual = alvo.isValid() && alvo == currentIndex();
    origem_ = (estende || e->button() != Qt::LeftButton) ? Origem::Extensao : Origem::Clique;
    QTableWidget::mousePressEvent(e);
    if (origem_ == Origem::Clique && jaEraAtual) anuncia(alvo.row(), alvo.column());
    origem_ = Origem::Arraste;
}

void TGradeMapa::mouseReleaseEvent(QMouseEvent* e) {
    QTableWidget::mouseReleaseEvent(e);
    origem_ = Origem::Livre;
}

void TGradeMapa::keyPressEvent(QKeyEvent* e) {
    origem_ = (e->modifiers() & Qt::ShiftModifier) != 0 ? Origem::Extensao : Origem::Livre;
    QTableWidget::keyPressEvent(e);
    origem_ = Origem::Livre;
}

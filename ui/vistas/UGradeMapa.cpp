#include "UGradeMapa.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <algorithm>

namespace {

// A header that paints its background only behind its sections: past the last row or column the
// grid shows its own window colour, as the cells' area does.
class TCabecalho : public QHeaderView {
  public:
    using QHeaderView::QHeaderView;

  protected:
    void paintEvent(QPaintEvent* e) override {
        QHeaderView::paintEvent(e);
        const int fim = length() - offset();
        QRect resto = viewport()->rect();
        if (orientation() == Qt::Horizontal)
            resto.setLeft(fim);
        else
            resto.setTop(fim);
        if (resto.isEmpty()) return;
        QPainter pintor(viewport());
        pintor.fillRect(resto, palette().brush(QPalette::Base));
    }
};

// The cell's font, made smaller until the text fits the cell's width.
QFont fonteQueCabe(const QFont& fonte, const QString& texto, int largura) {
    QFont f = fonte;
    const bool pixels = f.pixelSize() > 0;
    int tamanho = pixels ? f.pixelSize() : f.pointSize();
    while (tamanho > 5 && QFontMetrics(f).horizontalAdvance(texto) > largura) {
        --tamanho;
        if (pixels)
            f.setPixelSize(tamanho);
        else
            f.setPointSize(tamanho);
    }
    return f;
}

}  // namespace

TGradeMapa::TGradeMapa(QWidget* pai) : QTableWidget(pai) {
    setHorizontalHeader(new TCabecalho(Qt::Horizontal, this));
    setVerticalHeader(new TCabecalho(Qt::Vertical, this));
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setTextElideMode(Qt::ElideNone);
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
            [this](int linha, int coluna, int linhaAnterior, int colunaAnterior) {
                aoMudarCelulaAtual(linha, coluna, linhaAnterior, colunaAnterior);
            });
}

// Typed letters and digits would jump to a cell whose text starts with them: only the navigation
// keys move the current cell.
void TGradeMapa::keyboardSearch(const QString&) {}

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
    // The 30-pixel cell less a pixel of margin on each side.
    const QFont fonte = fonteQueCabe(font(), texto, horizontalHeader()->defaultSectionSize() - 2);
    if (fonte != celula->font()) celula->setFont(fonte);
}

QString TGradeMapa::textoCelula(int linha, int coluna) const {
    const QTableWidgetItem* celula = item(linha, coluna);
    return celula == nullptr ? QString() : celula->text();
}

void TGradeMapa::tornaAtual(int linha, int coluna) {
    const Origem anterior = origem_;
    origem_ = Origem::Programa;
    if (linha < 0 || coluna < 0) {
        setCurrentIndex(QModelIndex());
        clearSelection();
    } else {
        setCurrentCell(linha, coluna);
    }
    origem_ = anterior;
}

void TGradeMapa::anuncia(int linha, int coluna, int linhaAnterior, int colunaAnterior) {
    QMetaObject::invokeMethod(
        this,
        [this, linha, coluna, linhaAnterior, colunaAnterior] {
            // The handler runs before the selection moves: the previous cell stays marked until
            // it returns (a window it opens is modal).
            const bool move = linha != linhaAnterior || coluna != colunaAnterior;
            if (move) tornaAtual(linhaAnterior, colunaAnterior);
            Q_EMIT celulaSelecionada(coluna + 1, linha + 1);
            if (move && linha < rowCount() && coluna < columnCount()) tornaAtual(linha, coluna);
        },
        Qt::QueuedConnection);
}

void TGradeMapa::aoMudarCelulaAtual(int linha, int coluna, int linhaAnterior, int colunaAnterior) {
    if (linha < 0 || coluna < 0) return;
    if (origem_ == Origem::Livre || origem_ == Origem::Clique)
        anuncia(linha, coluna, linhaAnterior, colunaAnterior);
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
    const bool estende = (e->modifiers() & Qt::ShiftModifier) != 0;
    const bool jaEraAtual = alvo.isValid() && alvo == currentIndex();
    origem_ = (estende || e->button() != Qt::LeftButton) ? Origem::Extensao : Origem::Clique;
    // Ctrl adds nothing to a click: the grid selects one cell, or a range with Shift.
    QMouseEvent semCtrl(e->type(), e->position(), e->scenePosition(), e->globalPosition(),
                        e->button(), e->buttons(), e->modifiers() & ~Qt::ControlModifier,
                        e->pointingDevice());
    QTableWidget::mousePressEvent(&semCtrl);
    if (origem_ == Origem::Clique && jaEraAtual)
        anuncia(alvo.row(), alvo.column(), alvo.row(), alvo.column());
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

void TGradeMapa::escreveCabecalhos() {
    horizontalHeader()->setDefaultSectionSize(30);
    QStringList colunas, linhas;
    for (int k = 1; k <= columnCount(); ++k) colunas << QString::number(k);
    for (int r = 1; r <= rowCount(); ++r) linhas << QString::number(r);
    setHorizontalHeaderLabels(colunas);
    setVerticalHeaderLabels(linhas);
}

void TGradeMapa::escreveEmTodas(int linhas, int colunas, const QString& texto) {
    for (int i = 0; i < std::min(linhas, rowCount()); ++i)
        for (int j = 0; j < std::min(colunas, columnCount()); ++j) escreveCelula(i, j, texto);
}

#pragma once
// The map grid: one cell per neuron, with the native header row and column numbering the map from
// 1 and the corner showing "0". Map row i, column j is the table's row i, column j, which the
// program's texts call cell (j + 1, i + 1).
//
// celulaSelecionada(aCol, aRow) is raised, with those 1-based numbers, whenever a map cell is about
// to become the current one: a click (also on the cell that is already current; Ctrl changes
// nothing), a move with the navigation keys, or setCurrentCell. A click with Shift, or a drag,
// extends a range selection instead and raises nothing; so do the program's own resizes, and typed
// letters or digits select nothing. The signal is queued, so a window that it opens does not
// interrupt the mouse handling that caused it; while its handler runs the grid still marks the
// previous cell, and the new one becomes current when the handler returns.
//
// Header cells are on the button colour, and only as far as the map reaches; a count too wide
// for its cell is drawn in a smaller font rather than cut short.

#include <QTableWidget>

class TGradeMapa : public QTableWidget {
    Q_OBJECT

  public:
    explicit TGradeMapa(QWidget* pai = nullptr);

    // Resizes the map part without raising celulaSelecionada; the texts of surviving cells stay.
    void defineTamanho(int linhas, int colunas);
    // The text of a map cell, created when missing.
    void escreveCelula(int linha, int coluna, const QString& texto);
    QString textoCelula(int linha, int coluna) const;
    // The header texts: the columns and rows numbered from 1, 30 pixels a column.
    void escreveCabecalhos();
    // The same text in the first `linhas` x `colunas` map cells (as far as the grid reaches).
    void escreveEmTodas(int linhas, int colunas, const QString& texto);

    void keyboardSearch(const QString& busca) override;

  Q_SIGNALS:
    void celulaSelecionada(int aCol, int aRow);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

  private:
    enum class Origem { Livre, Clique, Extensao, Arraste, Programa };
    void aoMudarCelulaAtual(int linha, int coluna, int linhaAnterior, int colunaAnterior);
    void anuncia(int linha, int coluna, int linhaAnterior, int colunaAnterior);
    void tornaAtual(int linha, int coluna);

    Origem origem_ = Origem::Livre;
};

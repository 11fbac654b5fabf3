#pragma once
// The map grid: one cell per neuron, with the native header row and column numbering the map from
// 1 and the corner showing "0". Map row i, column j is the table's row i, column j, which the
// program's texts call cell (j + 1, i + 1).
//
// celulaSelecionada(aCol, aRow) is raised, with those 1-based numbers, whenever a map cell is made
// the current one: a click (also on the cell that is already current), a move with the keyboard,
// or setCurrentCell. A click with Shift or Ctrl, or a drag, extends a range selection instead and
// raises nothing; so do the program's own resizes. The signal is queued, so a window that it opens
// does not interrupt the mouse handling that caused it.

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
    void aoMudarCelulaAtual(int linha, int coluna);
    void anuncia(int linha, int coluna);

    Origem origem_ = Origem::Livre;
};

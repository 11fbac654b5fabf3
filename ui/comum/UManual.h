#pragma once
// The manual: a Portuguese HTML document shipped inside the program and shown at its contents in a
// window of its own that does not block the main window.

#include <QWidget>

class QTextBrowser;

class TManual : public QWidget {
    Q_OBJECT

  public:
    explicit TManual(QWidget* pai = nullptr);
    // Shows the window at the manual's table of contents.
    void mostraConteudo();
    QTextBrowser* navegador() const { return navegador_; }

  Q_SIGNALS:
    // A link "licao:N" was clicked: lesson N (from 1) of the lessons panel.
    void licaoPedida(int licao);

  private:
    QTextBrowser* navegador_;
};

#pragma once
// The manual: an HTML document shipped inside the program (in Portuguese and in English), shown at
// its contents in a window of its own that does not block the main window.

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

// A browser for which a link "licao:N" opens a lesson instead of a page.
class TNavegadorManual : public QTextBrowser {
    Q_OBJECT

  public:
    explicit TNavegadorManual(QWidget* pai = nullptr);

  Q_SIGNALS:
    void licaoPedida(int licao);

  protected:
    void doSetSource(const QUrl& url, QTextDocument::ResourceType tipo) override;

  private:
    // A clicked link: "licao:N" and the manual's own pages here, other schemes on the desktop.
    void segue(const QUrl& url);
};

namespace Ui {
class TManual;
}

class TManual : public QWidget {
    Q_OBJECT

  public:
    explicit TManual(QWidget* pai = nullptr);
    ~TManual() override;
    // The address of the manual in the language of this run, at `ancora` when one is given (both
    // languages' documents have the same anchors).
    static QUrl endereco(const QString& ancora = {});
    // Shows the window at the manual's table of contents.
    void mostraConteudo();
    QTextBrowser* navegador() const;

  Q_SIGNALS:
    // A link "licao:N" was clicked: lesson N (from 1) of the lessons panel.
    void licaoPedida(int licao);

  private:
    Ui::TManual* ui;
};

#pragma once
// The status line: one text along the bottom edge, no panels. Its text stays until the program
// changes it (menu hints do not replace it) and is also readable as the property "text".

#include <QStatusBar>

class TBarraStatus : public QStatusBar {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

  public:
    using QStatusBar::QStatusBar;
    QString text() const { return currentMessage(); }
    void setText(const QString& texto) { showMessage(texto); }
};

#pragma once
// A label that starts a new line at each carriage return (code 13) in its text, sizes itself to
// the text and never wraps words. text() keeps the carriage returns as they were set.

#include <QLabel>

class TRotulo : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

    void defineTexto(const QString& texto);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* e) override;
};

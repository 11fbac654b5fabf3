#pragma once
// The error curve of the last training: the quantization error and the topographic error against
// the cycle, one above the other, from the points the training recorded. A widget of its own
// beside the map views; its painter draws for the screen and the exports alike.

#include <QWidget>
#include <vector>

#include "UCurvaErros.h"

class QPainter;

void pintaCurva(QPainter& p, const QRectF& area, const std::vector<TPontoCurva>& curva);

class TVistaCurva : public QWidget {
    Q_OBJECT

  public:
    explicit TVistaCurva(QWidget* pai = nullptr);
    void defineCurva(std::vector<TPontoCurva> curva);
    // Paints the curve into `area` of any device (screen, image, SVG).
    void desenha(QPainter& p, const QRect& area) const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    std::vector<TPontoCurva> curva_;
};

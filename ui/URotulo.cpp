#include "URotulo.h"

#include <QPainter>

QString TRotulo::textoExibido() const {
    QString t = text();
    t.replace(u'\r', u'\n');
    return t;
}

void TRotulo::defineTexto(const QString& texto) {
    setText(texto);
    adjustSize();
}

QSize TRotulo::sizeHint() const {
    const QString t = textoExibido();
    if (t.isEmpty()) return {0, fontMetrics().height()};
    const QRect r = fontMetrics().boundingRect(QRect(0, 0, 100000, 100000),
                                               Qt::AlignLeft | Qt::AlignTop, t);
    return r.size() + QSize(1, 1);
}

QSize TRotulo::minimumSizeHint() const { return sizeHint(); }

void TRotulo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, textoExibido());
}

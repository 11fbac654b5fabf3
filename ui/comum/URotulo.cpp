#include "URotulo.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStringView>
#include <algorithm>

namespace {

// Beyond this many lines the width is taken as that of the lines seen so far: the window cuts
// the label off long before, and measuring a million lines would stall it.
constexpr int kLinhasMedidas = 2000;

}  // namespace

void TRotulo::defineTexto(const QString& texto) {
    setText(texto);
    adjustSize();
}

QSize TRotulo::sizeHint() const {
    const QFontMetrics medidas = fontMetrics();
    const QString& t = text();
    int largura = 0;
    qsizetype linhas = 0;
    qsizetype inicio = 0;
    while (true) {
        const qsizetype fim = t.indexOf(u'\r', inicio);
        if (linhas < kLinhasMedidas) {
            const QStringView linha =
                QStringView(t).mid(inicio, (fim < 0 ? t.size() : fim) - inicio);
            largura = std::max(largura, medidas.horizontalAdvance(linha.toString()));
        }
        ++linhas;
        if (fim < 0) break;
        inicio = fim + 1;
    }
    const qint64 altura = static_cast<qint64>(linhas) * medidas.lineSpacing();
    return {largura + 1, static_cast<int>(std::min<qint64>(altura, QWIDGETSIZE_MAX))};
}

QSize TRotulo::minimumSizeHint() const {
    return sizeHint();
}

void TRotulo::paintEvent(QPaintEvent* e) {
    // Line by line, and only the lines that the exposed area shows.
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    const QFontMetrics medidas = fontMetrics();
    const int espaco = medidas.lineSpacing();
    const QString& t = text();
    int topo = 0;
    qsizetype inicio = 0;
    while (topo < e->rect().bottom() + espaco) {
        const qsizetype fim = t.indexOf(u'\r', inicio);
        if (topo + espaco >= e->rect().top())
            p.drawText(0, topo + medidas.ascent(),
                       t.mid(inicio, (fim < 0 ? t.size() : fim) - inicio));
        if (fim < 0) break;
        inicio = fim + 1;
        topo += espaco;
    }
}

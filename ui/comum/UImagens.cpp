#include "UImagens.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cmath>

// The icon lives in a resource of the ui library, which a static library must register itself.
static void registraImagens() {
    Q_INIT_RESOURCE(imagens);
}

namespace UImagens {
namespace {

// A map of w x h neurons coloured as a trained colour map: hue across, lightness down.
void desenhaMapa(QPainter& p, const QRectF& area, int colunas, int linhas, double raio) {
    const double dx = area.width() / colunas, dy = area.height() / linhas;
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int i = 0; i < linhas; ++i)
        for (int j = 0; j < colunas; ++j) {
            const QPointF c(area.left() + dx * (j + 0.5), area.top() + dy * (i + 0.5));
            if (j + 1 < colunas) p.drawLine(c, c + QPointF(dx, 0));
            if (i + 1 < linhas) p.drawLine(c, c + QPointF(0, dy));
        }
    for (int i = 0; i < linhas; ++i)
        for (int j = 0; j < colunas; ++j) {
            const QPointF c(area.left() + dx * (j + 0.5), area.top() + dy * (i + 0.5));
            const int matiz = (j * 300) / std::max(1, colunas - 1);
            const int luz = 90 + (i * 110) / std::max(1, linhas - 1);
            p.setBrush(QColor::fromHsl(matiz, 200, luz));
            p.drawEllipse(c, raio, raio);
        }
}

void desenhaNeuronio(QPainter& p, QPointF centro, double raio) {
    p.setPen(QPen(QColor(40, 60, 120), 2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 5; ++k) {
        const double a = M_PI * (0.65 + 0.175 * k);
        const QPointF base = centro + QPointF(std::cos(a), std::sin(a)) * raio;
        const QPointF ponta = centro + QPointF(std::cos(a), std::sin(a)) * (raio * 2.6);
        p.drawLine(base, ponta);
        p.drawLine(ponta, ponta + QPointF(std::cos(a + 0.5), std::sin(a + 0.5)) * raio * 0.6);
    }
    p.drawLine(centro + QPointF(raio, 0), centro + QPointF(raio * 4.2, 0));
    p.setBrush(QColor(120, 160, 230));
    p.drawEllipse(centro, raio, raio);
}

}  // namespace

QIcon iconeNorvika() {
    // The desktop's icon (desktop/), drawn here at the sizes window managers ask for; drawing it
    // ourselves needs no image-format plugin at run time.
    registraImagens();
    QSvgRenderer svg(QStringLiteral(":/imagens/norvika.svg"));
    QIcon icone;
    for (const int lado : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(lado, lado);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(0, 0, lado, lado));
        p.end();
        icone.addPixmap(pm);
    }
    return icone;
}

QPixmap figuraNeuronio() {
    QPixmap pm(105, 49);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    desenhaNeuronio(p, QPointF(52, 24), 9);
    p.setPen(QPen(QColor(40, 60, 120), 2));
    p.drawLine(QPointF(90, 24), QPointF(101, 18));
    p.drawLine(QPointF(90, 24), QPointF(101, 30));
    return pm;
}

QPixmap figuraMapa() {
    QPixmap pm(121, 81);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    desenhaMapa(p, QRectF(2, 2, 117, 58), 8, 4, 5.0);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRectF(0, 61, 121, 20), Qt::AlignCenter, QStringLiteral("Norvika 1.0 · 2026"));
    return pm;
}

QPixmap figuraNeuronios() {
    QPixmap pm(65, 71);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    desenhaNeuronio(p, QPointF(20, 22), 7);
    desenhaNeuronio(p, QPointF(40, 50), 7);
    return pm;
}

}  // namespace UImagens

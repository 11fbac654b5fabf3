// renderiza-icone: draws the program's SVG icon as a square PNG of the given size, for the
// hicolor sizes the desktop looks up before it falls back to the scalable icon.
//
//   renderiza-icone ICONE.svg TAMANHO SAIDA.png

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: renderiza-icone ICONE.svg TAMANHO SAIDA.png\n");
        return 2;
    }
    // Painting paths into an image needs no application object, and so no display.
    const int tamanho = QString::fromLocal8Bit(argv[2]).toInt();
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid() || tamanho <= 0) {
        std::fprintf(stderr, "renderiza-icone: não foi possível ler %s\n", argv[1]);
        return 1;
    }
    QImage imagem(tamanho, tamanho, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    svg.render(&pintor, QRectF(0, 0, tamanho, tamanho));
    pintor.end();
    if (!imagem.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "renderiza-icone: não foi possível gravar %s\n", argv[3]);
        return 1;
    }
    return 0;
}

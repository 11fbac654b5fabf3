#pragma once
// A lesson's handout as a PDF (A4) for the class: a page with the title and what the lesson is
// about, a page of steps, a page of the questions each with ruled lines to answer on, a page of
// the pictures the windows show for it (when there are any), and the answers last, on pages of
// their own, so that the students' copy is the handout without its last page(s). Several lessons
// make one handout: their sections in order, every lesson's answers together at the end.

#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

#include "ULicoes.h"

class QPainter;

// A picture for the handout, drawn in its own coordinates (0, 0) to `tamanho` (the size on
// screen, in pixels); the handout scales it to the page.
struct TFiguraFolha {
    QString legenda;
    QSizeF tamanho;
    std::function<void(QPainter&)> desenha;
};

struct TLicaoNaFolha {
    const TLicao* licao = nullptr;
    std::vector<TFiguraFolha> figuras;
};

// Writes the handout into `caminho` through the program's safe save (nothing is replaced unless
// the whole file was written). Returns why it failed, empty when written.
QString escreveFolha(const std::vector<TLicaoNaFolha>& licoes, const QString& caminho,
                     bool respostas = true);
QString escreveFolha(const TLicao& licao, const QString& caminho,
                     const std::vector<TFiguraFolha>& figuras = {}, bool respostas = true);

// The lessons' handouts in PDF: one page per section, the answers on the last page(s).

#include <QPainter>
#include <QtTest>

#include "../comum/ArquivoTemporario.h"
#include "../comum/Pdf.h"
#include "UFolhaLicao.h"
#include "ULicoes.h"

namespace {

TFiguraFolha figuraDeTeste() {
    return {QStringLiteral("Um quadrado"), QSizeF(640, 440),
            [](QPainter& p) { p.fillRect(QRectF(20, 20, 200, 200), Qt::darkCyan); }};
}

}  // namespace

class TesteFolhaLicao : public QObject {
    Q_OBJECT

    PastaTemporaria pasta;

    // The handout's page count, after checking that it is a whole PDF.
    int escreve(const std::vector<TLicaoNaFolha>& licoes, bool respostas) {
        const std::string caminho = pasta.arquivo("folha.pdf");
        const QString motivo = escreveFolha(licoes, QString::fromStdString(caminho), respostas);
        if (!motivo.isEmpty()) qFatal("%s", qPrintable(motivo));
        const std::string pdf = PastaTemporaria::le(caminho);
        if (pdf.rfind("%PDF-", 0) != 0 || pdf.find("%%EOF") == std::string::npos)
            qFatal("não é um PDF inteiro");
        return paginasDoPdf(pdf);
    }

  private Q_SLOTS:
    // Title, steps, questions, (pictures), answers: each section on a page of its own, none
    // spilling over, and the answers only on the last.
    void cadaSecaoNumaPagina_data() {
        QTest::addColumn<int>("licao");
        for (int i = 0; i < static_cast<int>(licoes().size()); ++i)
            QTest::newRow(licoes()[static_cast<std::size_t>(i)].titulo.c_str()) << i;
    }
    void cadaSecaoNumaPagina() {
        QFETCH(int, licao);
        const TLicao& l = licoes()[static_cast<std::size_t>(licao)];
        for (const bool figura : {false, true})
            for (const bool respostas : {false, true}) {
                std::vector<TFiguraFolha> figuras;
                if (figura) figuras = {figuraDeTeste(), figuraDeTeste()};
                QCOMPARE(escreve({{&l, figuras}}, respostas), 3 + figura + respostas);
            }
    }

    // All six lessons: their sections in order, every answer after the last of them.
    void todasAsLicoesComAsRespostasNoFim() {
        std::vector<TLicaoNaFolha> todas;
        for (const TLicao& l : licoes()) todas.push_back({&l, {}});
        const int semRespostas = escreve(todas, false);
        QCOMPARE(semRespostas, 3 * static_cast<int>(licoes().size()));
        QVERIFY(escreve(todas, true) > semRespostas);
    }
};

QTEST_MAIN(TesteFolhaLicao)
#include "TesteFolhaLicao.moc"

#include "UFolhaLicao.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <algorithm>

#include "UImagemExportada.h"
#include "UTextos.h"

namespace {

constexpr int kResolucao = 300;          // dots per inch of the PDF's painter
constexpr double kMargem = 18.0;         // mm, on every side
constexpr double kRodape = 8.0;          // mm kept at the bottom for the page number
constexpr double kLinhaEscrita = 8.5;    // mm between two ruled lines
constexpr int kLinhasPorPergunta = 6;    // the room to answer each question
constexpr double kAlturaFigura = 105.0;  // mm at most, so that two pictures share a page

// A lesson's text in the language of the run.
QString texto(const std::string& s) {
    return traduzido("ULicoes", s);
}

QFont fonte(double pontos, bool negrito = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

// The handout's pages, filled from top to bottom: a section starts a page, and whatever does not
// fit in what is left of a page goes to the next.
class TPaginas {
  public:
    TPaginas(QPdfWriter& pdf, QPainter& p) : pdf_(pdf), p_(p) {
        largura_ = mm(210.0 - 2 * kMargem);
        fim_ = mm(297.0 - kMargem - kRodape);
        y_ = mm(kMargem);
        numeraPagina();
    }

    double mm(double v) const { return v * kResolucao / 25.4; }

    void novaSecao() {
        if (y_ > mm(kMargem)) novaPagina();
    }

    // A run of text wrapped to the page's width, and `depois` mm under it.
    void paragrafo(const QString& t, const QFont& f, double depois = 3.0, double recuo = 0.0,
                   const QColor& cor = Qt::black) {
        p_.setFont(f);
        const QRectF caixa = medeTexto(t, recuo);
        garante(caixa.height());
        p_.setPen(cor);
        p_.drawText(caixa.translated(0, y_ - caixa.top()), Qt::TextWordWrap, t);
        y_ += caixa.height() + mm(depois);
    }

    // A numbered item: its number at the left, its text indented beside it.
    void item(int n, const QString& t, const QFont& f, double depois, double alturaJunto = 0.0) {
        p_.setFont(f);
        const QRectF caixa = medeTexto(t, 8.0);
        garante(caixa.height() + alturaJunto);
        p_.setPen(Qt::black);
        p_.drawText(QRectF(mm(kMargem), y_, mm(8.0), caixa.height()), Qt::AlignLeft | Qt::AlignTop,
                    QStringLiteral("%1.").arg(n));
        p_.drawText(caixa.translated(0, y_ - caixa.top()), Qt::TextWordWrap, t);
        y_ += caixa.height() + mm(depois);
    }

    // Ruled lines to write an answer on.
    void linhasParaEscrever(int linhas) {
        garante(linhas * mm(kLinhaEscrita));
        p_.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), mm(0.2)));
        for (int i = 0; i < linhas; ++i) {
            y_ += mm(kLinhaEscrita);
            p_.drawLine(QPointF(mm(kMargem + 8.0), y_), QPointF(mm(kMargem) + largura_, y_));
        }
        y_ += mm(5.0);
    }

    void figura(const TFiguraFolha& f) {
        if (f.tamanho.isEmpty() || !f.desenha) return;
        const double escala =
            std::min(largura_ / f.tamanho.width(), mm(kAlturaFigura) / f.tamanho.height());
        const QSizeF tamanho = f.tamanho * escala;
        p_.setFont(fonte(9.5));
        const QRectF legenda = medeTexto(f.legenda, 0.0);
        garante(tamanho.height() + legenda.height() + mm(2.0));
        const QRectF onde(mm(kMargem) + (largura_ - tamanho.width()) / 2, y_, tamanho.width(),
                          tamanho.height());
        p_.save();
        p_.setClipRect(onde);
        p_.translate(onde.topLeft());
        p_.scale(escala, escala);
        p_.fillRect(QRectF(QPointF(0, 0), f.tamanho), Qt::white);
        f.desenha(p_);
        p_.restore();
        p_.setPen(QPen(QColor(0x99, 0x99, 0x99), mm(0.2)));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(onde);
        y_ += tamanho.height() + mm(2.0);
        paragrafo(f.legenda, fonte(9.5), 6.0, 0.0, QColor(0x44, 0x44, 0x44));
    }

    // Goes to the next page unless `altura` mm are left on this one (a title kept with what
    // follows it).
    void reserva(double altura) { garante(mm(altura)); }

  private:
    QRectF medeTexto(const QString& t, double recuo) const {
        const QRectF largura(mm(kMargem + recuo), 0, largura_ - mm(recuo), 1e6);
        QRectF caixa = p_.boundingRect(largura, Qt::TextWordWrap, t);
        caixa.setLeft(largura.left());
        caixa.setWidth(largura.width());
        return caixa;
    }

    void garante(double altura) {
        if (y_ + altura > fim_ && y_ > mm(kMargem)) novaPagina();
    }

    void novaPagina() {
        pdf_.newPage();
        ++pagina_;
        y_ = mm(kMargem);
        numeraPagina();
    }

    void numeraPagina() {
        p_.setFont(fonte(8.5));
        p_.setPen(QColor(0x77, 0x77, 0x77));
        p_.drawText(QRectF(mm(kMargem), fim_ + mm(2.0), largura_, mm(kRodape - 2.0)),
                    Qt::AlignRight | Qt::AlignBottom,
                    QCoreApplication::translate("UFolhaLicao", "Norvika · página %1").arg(pagina_));
    }

    QPdfWriter& pdf_;
    QPainter& p_;
    double largura_ = 0.0, fim_ = 0.0, y_ = 0.0;
    int pagina_ = 1;
};

// What the lesson asks the class to do, one sentence a step, after "Preparar".
QStringList passos(const TLicao& l) {
    QStringList lista{QCoreApplication::translate(
        "UFolhaLicao",
        "No Norvika, abra Exibir → Lições, escolha esta lição e clique em Preparar.")};
    static const QRegularExpression fimDeFrase(QStringLiteral("(?<=[.!?])\\s+(?=[[:upper:]])"));
    for (const QString& frase : texto(l.observar).split(fimDeFrase, Qt::SkipEmptyParts))
        lista << frase.trimmed();
    return lista;
}

QString ondeAcontece(const TLicao& l) {
    return l.classica && l.laboratorio
               ? QCoreApplication::translate("UFolhaLicao",
                                             "Esta lição usa a janela clássica e o laboratório.")
           : l.classica
               ? QCoreApplication::translate("UFolhaLicao", "Esta lição usa a janela clássica.")
               : QCoreApplication::translate("UFolhaLicao", "Esta lição usa o laboratório.");
}

void escreveLicao(TPaginas& folha, const TLicaoNaFolha& item) {
    const TLicao& l = *item.licao;
    folha.novaSecao();
    folha.paragrafo(
        QCoreApplication::translate("UFolhaLicao", "Norvika · mapas auto-organizáveis de Kohonen"),
        fonte(9.5), 2.0, 0.0, QColor(0x55, 0x55, 0x55));
    folha.paragrafo(texto(l.titulo), fonte(20.0, true), 6.0);
    folha.paragrafo(QCoreApplication::translate("UFolhaLicao",
                                                "Nome: ______________________________________    "
                                                "Data: ____/____/________"),
                    fonte(10.5), 10.0);
    folha.paragrafo(QCoreApplication::translate("UFolhaLicao", "Do que trata a lição"),
                    fonte(13.0, true), 3.0);
    folha.paragrafo(texto(l.texto), fonte(11.0), 6.0);
    folha.paragrafo(ondeAcontece(l), fonte(11.0), 4.0, 0.0, QColor(0x55, 0x55, 0x55));

    folha.novaSecao();
    folha.paragrafo(QCoreApplication::translate("UFolhaLicao", "O que fazer e o que observar"),
                    fonte(14.0, true), 5.0);
    int n = 0;
    for (const QString& passo : passos(l)) folha.item(++n, passo, fonte(11.0), 3.0);

    folha.novaSecao();
    folha.paragrafo(QCoreApplication::translate("UFolhaLicao", "Perguntas"), fonte(14.0, true),
                    5.0);
    n = 0;
    for (const TPerguntaLicao& p : l.perguntas) {
        // The question kept on the page of its lines.
        folha.item(++n, texto(p.pergunta), fonte(11.0), 0.0,
                   kLinhasPorPergunta * folha.mm(kLinhaEscrita));
        folha.linhasParaEscrever(kLinhasPorPergunta);
    }

    if (item.figuras.empty()) return;
    folha.novaSecao();
    folha.paragrafo(QCoreApplication::translate("UFolhaLicao", "O mapa nas janelas"),
                    fonte(14.0, true), 5.0);
    for (const TFiguraFolha& f : item.figuras) folha.figura(f);
}

}  // namespace

QString escreveFolha(const std::vector<TLicaoNaFolha>& licoes, const QString& caminho,
                     bool respostas) {
    // Written into memory first: the file is replaced only once the handout is whole.
    QByteArray bytes;
    QBuffer memoria(&bytes);
    memoria.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&memoria);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        pdf.setResolution(kResolucao);
        pdf.setCreator(QStringLiteral("Norvika"));
        pdf.setTitle(licoes.size() == 1 && licoes[0].licao
                         ? texto(licoes[0].licao->titulo)
                         : QCoreApplication::translate("UFolhaLicao", "Lições do Norvika"));
        QPainter p;
        if (!p.begin(&pdf))
            return QCoreApplication::translate("UFolhaLicao", "a folha não pôde ser desenhada");
        p.setRenderHint(QPainter::Antialiasing, true);
        TPaginas folha(pdf, p);
        for (const TLicaoNaFolha& item : licoes)
            if (item.licao) escreveLicao(folha, item);
        if (respostas) {
            folha.novaSecao();
            folha.paragrafo(QCoreApplication::translate("UFolhaLicao", "Respostas"),
                            fonte(14.0, true), 5.0);
            for (const TLicaoNaFolha& item : licoes) {
                if (!item.licao) continue;
                if (licoes.size() > 1) {
                    folha.reserva(30.0);
                    folha.paragrafo(texto(item.licao->titulo), fonte(12.0, true), 3.0);
                }
                int n = 0;
                for (const TPerguntaLicao& pergunta : item.licao->perguntas)
                    folha.item(++n, texto(pergunta.resposta), fonte(11.0), 3.0);
                folha.paragrafo(QString(), fonte(6.0), 2.0);
            }
        }
        if (!p.end())
            return QCoreApplication::translate("UFolhaLicao", "a folha não pôde ser desenhada");
    }
    return gravaExportacao(caminho, bytes);
}

QString escreveFolha(const TLicao& licao, const QString& caminho,
                     const std::vector<TFiguraFolha>& figuras, bool respostas) {
    return escreveFolha({TLicaoNaFolha{&licao, figuras}}, caminho, respostas);
}

// The map explorer: it follows the map through training, clearing, loading and classification;
// each view paints what it shows where it should; the exports read back.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QtTest>

#include <sys/stat.h>

#include <cfloat>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "../comum/ArquivoTemporario.h"
#include "Janelas.h"
#include "UCodebook.h"
#include "UDialogos.h"
#include "UFormExplorador.h"
#include "UFormTreinando.h"
#include "UNumeros.h"
#include "UPintorCelulas.h"
#include "UPintura.h"
#include "UTextos.h"
#include "UVistaCurva.h"
#include "UVistaMapa.h"

namespace {

// A 2 x 2 map of three weights whose every value is known.
std::shared_ptr<TDadosMapa> mapaConhecido() {
    auto d = std::make_shared<TDadosMapa>();
    d->linhas = d->colunas = 2;
    d->dimensao = 3;
    d->pesos = {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1};
    d->contagens = {4, 0, 1, 2};
    d->rotulos = {{{"b", 3}, {"a", 1}}, {}, {{"a", 1}}, {{"b", 2}}};
    auto padroes = std::make_shared<TExtrasMapa>();
    padroes->legenda = {"a", "b"};
    d->padroes = padroes;
    d->matriz = {0, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0};
    d->u = {0.0, 1.0, 0.5, 0.25};
    return d;
}

// A 1 x 4 rectangular map of one weight per unit, two pairs far apart (two clusters: 0-1 and 2-3),
// and four patterns: three won by unit 0 (labelled "b"), one by unit 3 ("a"); units 1 and 2 won
// none.
std::shared_ptr<TDadosMapa> mapaDeDoisGrupos() {
    auto d = std::make_shared<TDadosMapa>();
    d->linhas = 1;
    d->colunas = 4;
    d->dimensao = 1;
    d->pesos = {0.0, 0.1, 10.0, 10.1};
    d->vizinhos = {{1}, {0, 2}, {1, 3}, {2}};
    d->contagens = {3, 0, 0, 1};
    d->rotulos = {{{"b", 3}}, {}, {}, {{"a", 1}}};
    d->u = {0.1, 5.0, 5.0, 0.1};
    d->vencedorDoPadrao = {0, 0, 3, 0};
    auto padroes = std::make_shared<TExtrasMapa>();
    padroes->legenda = {"a", "b"};
    padroes->rotuloDoPadrao = {1, 1, 0, 1};
    padroes->valores =
        std::make_shared<const std::vector<double>>(std::vector<double>{0, 0.2, 10, 0.1});
    d->padroes = padroes;
    return d;
}

// Whether a colour occurs inside a rectangle of the picture.
bool temCor(const QImage& imagem, const QRectF& caixa, QRgb cor) {
    const QRect r = caixa.toRect().adjusted(2, 2, -2, -2);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (imagem.pixel(x, y) == cor) return true;
    return false;
}

// A widget of a window by its object name, as the acceptance tests reach them.
template <class T>
T* filho(const QObject* janela, const char* nome) {
    T* w = janela->findChild<T*>(QString::fromLatin1(nome));
    if (w == nullptr) qFatal("componente %s não encontrado", nome);
    return w;
}

QImage pinta(TVistaMapa& vista, TVistaMapa::Tipo tipo) {
    vista.defineTipo(tipo);
    QImage imagem(600, 400, QImage::Format_RGB32);
    QPainter p(&imagem);
    vista.desenha(p, imagem.rect());
    return imagem;
}

}  // namespace

class TesteExplorador : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        // The views' preferences (Linha 1 embaixo) go to the test's own folder, at their defaults.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(pasta.arquivo("preferencias")));
    }
    void init() {
        QSettings(QStringLiteral("Norvika"), QStringLiteral("Vistas")).clear();
        defineSeparadorDecimal(',');
        j = std::make_unique<Janelas>();
    }
    void cleanup() { j.reset(); }

    void acompanhaTreinoLimpezaCargaEClassificacao() {
        j->acao("ExploradorItemMenu")->trigger();
        TFormExplorador* e = j->principal->explorador();
        QVERIFY(e != nullptr && e->isVisible());
        QCOMPARE(e->objectName(), QStringLiteral("FormExplorador"));
        QVERIFY(e->dados()->vazio());

        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.porCiclos = true;
        t.ciclos = 5;
        j->treina(t);
        const TDadosMapa* d = e->dados();
        QCOMPARE(d->neuronios(), 12);
        const TRede& rede = j->principal->rede();
        for (int a = 0; a < 12; ++a)
            QCOMPARE(d->contagens[static_cast<std::size_t>(a)],
                     rede.neuronio(a / 4, a % 4).getAglutinados());
        QCOMPARE(d->legenda(), (std::vector<std::string>{"a", "b", "c", "d", "e", ""}));
        QCOMPARE(d->curva.size(), std::size_t{5});
        QCOMPARE(d->curva.back().ciclo, std::int64_t{5});
        QVERIFY(d->erros.has_value());
        QCOMPARE(filho<QLabel>(e, "ErroQuantizacaoLabel")->text(),
                 QStringLiteral("Quantização: ") + numeroCurto(d->erros->quantizacao));

        const std::string cfg = pasta.arquivo("rede.cfg");
        j->respostas << QString::fromStdString(cfg);
        j->acao("SalvarTreinamentoItemMenu")->trigger();
        j->clica("LimparButton");
        QVERIFY(e->dados()->vazio());

        j->respostas << QString::fromStdString(cfg);
        j->acao("CarregarTreinamentoItemMenu")->trigger();
        QCOMPARE(e->dados()->neuronios(), 12);
        QVERIFY(e->dados()->curva.empty());
        QVERIFY(!e->dados()->erros.has_value());

        j->paginas()->setCurrentIndex(1);
        j->escolheArquivoClassificacao(t.arquivo);
        j->clica("ClassificarButton");
        QCOMPARE(j->tomaTextos(), QStringList());
        d = e->dados();
        QVERIFY(d->erros.has_value());
        int total = 0;
        for (std::int32_t c : d->contagens) total += c;
        QCOMPARE(total, 12);
        QCOMPARE(d->padroes->pontos.size(), std::size_t{12});
    }

    // The input space's captions (the axes', and a ring's tour) have a band of their own under the
    // plot: no city, unit or stretch of the tour lies where they are written.
    void legendasDoEspacoFicamForaDosPontos_data() {
        QTest::addColumn<bool>("anel");
        QTest::newRow("sem percurso") << false;
        QTest::newRow("anel com percurso") << true;
    }
    void legendasDoEspacoFicamForaDosPontos() {
        QFETCH(bool, anel);
        TDadosMapa d;
        d.linhas = 1;
        d.colunas = 4;
        d.dimensao = 2;
        d.pesos = {0, 0, 1, 0, 1, 1, 0, 1};
        auto extras = std::make_shared<TExtrasMapa>();
        extras->projecao = {{0, 0}, {1, 0}, {0, 1}};
        extras->pontos = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0.5, 0}};
        d.padroes = extras;
        if (anel) d.percurso = TDadosMapa::TPercurso{{0, 4, 1, 2, 3}, extras->pontos, 4.0, 4.0};
        const QRectF area(0, 0, 600, 400);
        const TLayoutVista l = layoutDaVista(TTipoVista::Espaco, d, area, true);
        // One line of text for the axes, two more for the tour's lengths.
        const double texto = area.bottom() - kMargemVista - (anel ? 3 : 1) * kLinhaLegendaEspaco;
        for (const TPontoPlano& q : extras->pontos) QVERIFY(l.tela(q.x, q.y).y() + 3 < texto);
        for (const QPointF& n : l.neuronios) QVERIFY(n.y() + 3 < texto);
    }

    // Each view paints a known cell in the colour it stands for.
    void vistasPintamAsCelulasConhecidas() {
        TVistaMapa vista;
        vista.defineDados(mapaConhecido());
        // With the legend at the right, cells are 181 pixels from (30, 30); (50, 50) lies inside
        // the first one, away from its number, and (50 + 181, 50) inside the second.
        const QPoint primeira(50, 50), segunda(231, 50), quarta(231, 231);
        QImage rotulos = pinta(vista, TVistaMapa::Tipo::Rotulos);
        QCOMPARE(rotulos.pixel(primeira), TVistaMapa::corDoRotulo(1).rgb());  // "b"
        QCOMPARE(rotulos.pixel(segunda), QColor(Qt::white).rgb());            // empty neuron
        QImage acertos = pinta(vista, TVistaMapa::Tipo::Acertos);
        QCOMPARE(acertos.pixel(primeira), TVistaMapa::corDaEscala(1.0).rgb());
        QCOMPARE(acertos.pixel(quarta), TVistaMapa::corDaEscala(0.5).rgb());
        QImage u = pinta(vista, TVistaMapa::Tipo::MatrizU);
        QCOMPARE(u.pixel(primeira), TVistaMapa::corDaEscala(0.0).rgb());
        QCOMPARE(u.pixel(segunda), TVistaMapa::corDaEscala(1.0).rgb());
        // Colours: no legend, so the cells are larger: 181 is still inside the first cell.
        QImage cores = pinta(vista, TVistaMapa::Tipo::Cores);
        QCOMPARE(cores.pixel(primeira), QColor(255, 0, 0).rgb());
        QCOMPARE(cores.pixel(QPoint(50, 231 + 20)), QColor(0, 0, 255).rgb());
        // A click on the screen selects the neuron under it, in the planes as in the cells.
        vista.resize(600, 400);
        vista.defineTipo(TVistaMapa::Tipo::Rotulos);
        vista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vista));
        QTest::mouseClick(&vista, Qt::LeftButton, {}, segunda);
        QCOMPARE(vista.selecionado(), 1);
        vista.defineTipo(TVistaMapa::Tipo::Planos);
        QVERIFY(vista.neuronioEm(QPoint(15, 30)) >= 0);
        // The selected neuron is outlined in black.
        vista.defineSelecionado(0);
        QImage marcado = pinta(vista, TVistaMapa::Tipo::Acertos);
        QCOMPARE(marcado.pixel(QPoint(32, 100)), QColor(Qt::black).rgb());
    }

    void mediasPorUnidadeContadasAMao() {
        // Four patterns of two attributes; the second one normalised from x to 100 + 2x.
        TDadosMapa d;
        d.linhas = 2;
        d.colunas = 2;
        d.dimensao = 2;
        d.pesos = {0, 0, 0, 0, 0, 0, 0, 0};
        d.vencedorDoPadrao = {0, 0, 3, 1};
        auto x = std::make_shared<TExtrasMapa>();
        x->valores = std::make_shared<const std::vector<double>>(
            std::vector<double>{1, 10, 3, 20, 5, 30, 7, std::nan("")});
        x->escala = {{0.0, 1.0}, {100.0, 2.0}};
        d.padroes = x;
        const std::vector<double> primeiro = d.mediaDoAtributo(0);
        const std::vector<double> segundo = d.mediaDoAtributo(1);
        QCOMPARE(primeiro.size(), std::size_t{4});
        QCOMPARE(primeiro[0], 2.0);
        QCOMPARE(primeiro[1], 7.0);
        QVERIFY(std::isnan(primeiro[2]));  // won nothing
        QCOMPARE(primeiro[3], 5.0);
        QCOMPARE(segundo[0], 100.0 + 2.0 * 15.0);  // in the original units
        QVERIFY(std::isnan(segundo[1]));           // its only value is missing
        QCOMPARE(segundo[3], 100.0 + 2.0 * 30.0);
        // The error per unit from the distances beside the winners.
        d.distanciaDoPadrao = {1.0, 2.0, 4.0, 8.0};
        const std::vector<double> erro = d.erroDasUnidades();
        QCOMPARE(erro[0], 1.5);
        QCOMPARE(erro[1], 8.0);
        QCOMPARE(erro[3], 4.0);
    }

    void amostrasNasCelulasDosVencedores() {
        TVistaMapa vista;
        const auto d = mapaDeDoisGrupos();
        vista.defineDados(d);
        const QImage imagem = pinta(vista, TVistaMapa::Tipo::Amostras);
        const TGradeCelulas g =
            layoutDaVista(TTipoVista::Amostras, *d, QRectF(imagem.rect()), true).grade;
        const QRgb a = corDoRotulo(0).rgb(), b = corDoRotulo(1).rgb();
        QVERIFY(temCor(imagem, g.caixa(0), b));
        QVERIFY(!temCor(imagem, g.caixa(0), a));
        QVERIFY(temCor(imagem, g.caixa(3), a));
        for (const std::int32_t vazia : {1, 2})
            QVERIFY(!temCor(imagem, g.caixa(vazia), a) && !temCor(imagem, g.caixa(vazia), b));
        QCOMPARE(vista.desenhosAmostras(), 1);

        // A hundred thousand patterns are drawn once; a repaint reuses the picture.
        auto grande = std::make_shared<TDadosMapa>(*mapaDeDoisGrupos());
        auto x = std::make_shared<TExtrasMapa>(*grande->padroes);
        grande->vencedorDoPadrao.resize(100000);
        x->rotuloDoPadrao.resize(100000);
        for (std::size_t i = 0; i < 100000; ++i) {
            grande->vencedorDoPadrao[i] = static_cast<std::int32_t>(i % 4);
            x->rotuloDoPadrao[i] = static_cast<std::int32_t>(i / 4 % 2);
        }
        x->valores.reset();
        grande->padroes = x;
        vista.defineDados(grande);
        QImage tela(600, 400, QImage::Format_RGB32);
        for (int vez = 0; vez < 2; ++vez) {
            QPainter p(&tela);
            vista.desenha(p, tela.rect());
        }
        QCOMPARE(vista.desenhosAmostras(), 1);
        const TGradeCelulas gg =
            layoutDaVista(TTipoVista::Amostras, *grande, QRectF(tela.rect()), true).grade;
        QVERIFY(temCor(tela, gg.caixa(2), a) && temCor(tela, gg.caixa(2), b));
    }

    void fronteirasSoEntreGruposDiferentes() {
        TVistaMapa vista;
        const auto d = mapaDeDoisGrupos();
        vista.defineDados(d);
        QCOMPARE(d->grupos(2), (std::vector<std::int32_t>{0, 0, 1, 1}));
        // Over the hits, with the borders on: a thick black line between units 1 and 2 only.
        vista.defineGrupos(2);
        vista.defineMostraGrupos(true);
        for (const TTipoVista tipo : {TTipoVista::Acertos, TTipoVista::Agrupamentos}) {
            const QImage imagem = pinta(vista, tipo);
            const TGradeCelulas g = layoutDaVista(tipo, *d, QRectF(imagem.rect()), true).grade;
            const double y = g.caixa(0).center().y();
            const QRgb preto = QColor(Qt::black).rgb();
            QCOMPARE(imagem.pixel(QPointF(g.caixa(2).left(), y).toPoint()), preto);
            QVERIFY(imagem.pixel(QPointF(g.caixa(1).left(), y).toPoint()) != preto);
            QVERIFY(imagem.pixel(QPointF(g.caixa(3).left(), y).toPoint()) != preto);
        }
        vista.defineMostraGrupos(false);
        const QImage sem = pinta(vista, TTipoVista::Acertos);
        const TGradeCelulas g =
            layoutDaVista(TTipoVista::Acertos, *d, QRectF(sem.rect()), true).grade;
        QVERIFY(sem.pixel(QPointF(g.caixa(2).left(), g.caixa(2).center().y()).toPoint()) !=
                QColor(Qt::black).rgb());
    }

    void gruposDoExploradorComecamNoSugerido() {
        j->acao("ExploradorItemMenu")->trigger();
        TFormExplorador* e = j->principal->explorador();
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.porCiclos = true;
        t.ciclos = 5;
        j->treina(t);
        const TDadosMapa* d = e->dados();
        // The classic map knows each pattern's winner and values, for the pictures of them.
        QVERIFY(d->temValores());
        auto* spin = filho<QSpinBox>(e, "AgrupamentosSpin");
        filho<QCheckBox>(e, "AgrupamentosCheckBox")->setChecked(true);
        QCOMPARE(spin->value(), d->kGruposSugerido());
        QCOMPARE(spin->maximum(), 12);
        spin->setValue(spin->value() == 2 ? 3 : 2);
        QCOMPARE(filho<TVistaMapa>(e, "VistaMapa")->opcoes().grupos, spin->value());
        // The property's attribute is chosen only with its view.
        auto* propriedade = filho<QComboBox>(e, "PropriedadeCombo");
        QCOMPARE(propriedade->count(), 2);
        QVERIFY(!propriedade->isVisible());
        auto* seletor = filho<QComboBox>(e, "VistaSeletor");
        seletor->setCurrentIndex(seletor->findData(static_cast<int>(TTipoVista::Propriedade)));
        QVERIFY(propriedade->isVisible());
    }

    void exportacoesLeemDeVolta() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        j->treina(t);
        j->acao("ExploradorItemMenu")->trigger();
        TFormExplorador* e = j->principal->explorador();
        const QString csv = QString::fromStdString(pasta.arquivo("mapa.csv"));
        QCOMPARE(e->exportaDados(csv), QString());
        const QStringList linhas = QString::fromStdString(PastaTemporaria::le(csv.toStdString()))
                                       .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(linhas.size(), 13);
        QCOMPARE(linhas[0], QStringLiteral("linha;coluna;atributo_1;atributo_2;acertos;rotulo"));
        const TRede& rede = j->principal->rede();
        for (int a = 0; a < 12; ++a) {
            const QStringList campos = linhas[a + 1].split(u';');
            QCOMPARE(campos.size(), 6);
            for (int k = 0; k < 2; ++k) {
                const double lido = textoParaDouble(campos[2 + k].toStdString());
                QCOMPARE(realParaTexto(lido),
                         realParaTexto(rede.neuronio(a / 4, a % 4).getPeso(k)));
            }
            QCOMPARE(campos[4].toInt(), rede.neuronio(a / 4, a % 4).getAglutinados());
        }
        // The same map as a SOM_PAK codebook, to the same bits: 3 rows of 4 columns.
        const QString cod = QString::fromStdString(pasta.arquivo("mapa.COD"));
        QCOMPARE(e->exportaDados(cod), QString());
        const TCodebook lido = leCodebook(cod.toStdString());
        QVERIFY(lido.colunas == 4 && lido.linhas == 3 && !lido.hexagonal && !lido.gaussiana);
        for (int a = 0; a < 12; ++a)
            for (int k = 0; k < 2; ++k)
                QCOMPARE(lido.pesos[static_cast<std::size_t>(a * 2 + k)],
                         rede.neuronio(a / 4, a % 4).getPeso(k));
        for (const auto& [vista, nome] :
             {std::pair{"Rótulos", "rotulos.svg"}, {"Curva de erro", "curva.svg"}}) {
            filho<QComboBox>(e, "VistaSeletor")->setCurrentText(QString::fromUtf8(vista));
            const QString svg = QString::fromStdString(pasta.arquivo(nome));
            QCOMPARE(e->exportaImagem(svg), QString());
            QSvgRenderer leitor(svg);
            QVERIFY2(leitor.isValid(), nome);
        }
        const QString png = QString::fromStdString(pasta.arquivo("mapa.png"));
        QCOMPARE(e->exportaImagem(png), QString());
        QVERIFY(!QImage(png).isNull());
        // A named pipe is refused at once (no reader would ever come) and stays a pipe.
        const std::string pipe = pasta.arquivo("pipe.png");
        QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
        QVERIFY(!e->exportaImagem(QString::fromStdString(pipe)).isEmpty());
        QVERIFY(!e->exportaDados(QString::fromStdString(pipe)).isEmpty());
        QVERIFY(std::filesystem::is_fifo(pipe));
        // The format follows the name: a picture only into .png or .svg, a table only into .csv
        // or .cod; anything else is refused before a byte is written.
        for (const char* nome : {"mapa.jpg", "tabela.png"}) {
            const QString caminho = QString::fromStdString(pasta.arquivo(nome));
            QVERIFY(
                !(nome[0] == 'm' ? e->exportaImagem(caminho) : e->exportaDados(caminho)).isEmpty());
            QVERIFY(!std::filesystem::exists(caminho.toStdString()));
        }
    }

    // A file normalised by an import: the panel and the table show the weights in the original
    // units, original = A + B x weight for each attribute's #norvika-escala line.
    void pesosEmValoresOriginais() {
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(
            pasta.escreve("normalizado.txt",
                          "4|2#altura|peso\n0|-1|a#\n1|1|b#\n0,5|0|a#\n0,25|0,5|b#\n"
                          "#norvika-escala|1|minmax|150|40\n#norvika-escala|2|z|60|12,5\n"));
        t.linhas = 2;
        t.colunas = 2;
        j->treina(t);
        j->acao("ExploradorItemMenu")->trigger();
        TFormExplorador* e = j->principal->explorador();
        Q_EMIT filho<TVistaMapa>(e, "VistaMapa")->neuronioEscolhido(0);  // as a click does
        const QString painel = filho<QTextBrowser>(e, "PainelNeuronio")->toPlainText();
        const TNeuronio& n = j->principal->rede().neuronio(0, 0);
        const double altura = 150 + 40 * n.getPeso(0), peso = 60 + 12.5 * n.getPeso(1);
        // Under each name, the weight as trained and, in the next column, in the original units.
        const QStringList doPainel = painel.split(u'\n');
        for (const auto& [nome, k, original] :
             {std::tuple{"altura:", 0, altura}, std::tuple{"peso:", 1, peso}}) {
            const qsizetype i = doPainel.indexOf(QString::fromLatin1(nome));
            QVERIFY2(i >= 0 && i + 1 < doPainel.size(), qPrintable(painel));
            QCOMPARE(doPainel[i + 1].split(u' ', Qt::SkipEmptyParts),
                     (QStringList{numeroCurto(n.getPeso(k)), numeroCurto(original)}));
        }
        const QString csv = QString::fromStdString(pasta.arquivo("mapa.csv"));
        QCOMPARE(e->exportaDados(csv), QString());
        const QStringList linhas = QString::fromStdString(PastaTemporaria::le(csv.toStdString()))
                                       .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(linhas[0], QStringLiteral("linha;coluna;altura (valores originais);"
                                           "peso (valores originais);acertos;rotulo"));
        const QStringList campos = linhas[1].split(u';');
        QCOMPARE(campos[2], QString::fromStdString(realParaTexto(altura)));
        QCOMPARE(campos[3], QString::fromStdString(realParaTexto(peso)));
    }

    // A step on a normalised file shows the pattern and the winner's weights in the same units,
    // the file's and the original ones, each in its column: with rate 1 the winner takes the
    // pattern's values, and each column shows the pattern's digits again.
    void passoMostraPadraoEPesosNasMesmasUnidades() {
        TDadosMapa d;
        d.linhas = 1;
        d.colunas = 2;
        d.dimensao = 2;
        auto extras = std::make_shared<TExtrasMapa>();
        extras->nomes = {"altura", "peso"};
        extras->escala = {{150, 40}, {60, 12.5}};
        d.padroes = extras;
        TDadosMapa::TPassoAtual s;
        s.vencedor = 1;
        s.taxa = 1.0;
        s.valores = {0.25, -1.5};
        s.antes = {0.5, 0.5};
        s.depois = s.valores;
        d.passo = s;
        const QStringList linhas = textoDoPasso(d, QStringLiteral("Época")).split(u'\n');
        // The rows of an attribute: the pattern's first, the weights' second; their columns
        // start where the headings' do.
        const auto titulos = std::find_if(linhas.begin(), linhas.end(), [](const QString& l) {
            return l.contains(QStringLiteral("no arquivo"));
        });
        QVERIFY(titulos != linhas.end());
        const qsizetype colunaOriginal = titulos->indexOf(QStringLiteral("unidades originais"));
        const qsizetype colunaArquivo = titulos->indexOf(QStringLiteral("no arquivo"));
        for (std::int32_t k = 0; k < 2; ++k) {
            // Under each of the attribute's names, the pattern's values first, then the weights'.
            QStringList doAtributo;
            for (qsizetype i = 0; i + 1 < linhas.size(); ++i)
                if (linhas[i] == nomeDoAtributo(d, k) + u':') doAtributo << linhas[i + 1];
            QCOMPARE(doAtributo.size(), 2);
            const QString& padrao = doAtributo[0];
            const QString& peso = doAtributo[1];
            const auto coluna = [](const QString& l, qsizetype de, qsizetype ate) {
                return l.mid(de, ate < 0 ? -1 : ate - de).trimmed();
            };
            const QString arquivo = coluna(padrao, colunaArquivo, colunaOriginal);
            const QString original = coluna(padrao, colunaOriginal, -1);
            QCOMPARE(arquivo, numeroCurto(s.valores[static_cast<std::size_t>(k)]));
            QCOMPARE(original, numeroCurto(d.original(k, s.valores[static_cast<std::size_t>(k)])));
            QVERIFY2(coluna(peso, colunaArquivo, colunaOriginal).endsWith(u' ' + arquivo),
                     qPrintable(peso));
            QVERIFY2(coluna(peso, colunaOriginal, -1).endsWith(u' ' + original), qPrintable(peso));
        }
    }

    // The curve's cycles follow the file's real size, as norvika-bench's do: 1000 patterns of 32
    // values on 12 x 14 neurons leave room for 9 measures in 20 cycles, not 20.
    void curvaDoTreinoSegueOTamanhoReal() {
        std::string texto = "1000|32#\n";
        for (int i = 0; i < 1000; ++i) {
            for (int k = 0; k < 32; ++k) texto += std::to_string((i * 31 + k * 17) % 97) + "|";
            texto += "g" + std::to_string(i % 5) + "#\n";
        }
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("mil.txt", texto));
        t.linhas = 12;
        t.colunas = 14;
        t.porCiclos = true;
        t.ciclos = 20;
        j->treina(t);
        j->acao("ExploradorItemMenu")->trigger();
        const TDadosMapa* d = j->principal->explorador()->dados();
        const std::int32_t esperados = pontosDaCurva(20, 1000, 168, 32);
        QCOMPARE(esperados, 9);
        QCOMPARE(d->curva.size(), static_cast<std::size_t>(esperados));
        QCOMPARE(d->curva.back().ciclo, std::int64_t{20});
    }

    // Weights near the double's limit paint in every view without a single warning from Qt (a
    // NaN point or colour would give one).
    void valoresNoLimiteDoDoublePintamSemAvisos() {
        auto d = mapaConhecido();
        d->pesos = {DBL_MAX, -DBL_MAX, 1e300, -DBL_MAX, DBL_MAX, 0, 1e308, 1e308, -1e308, 0, 0, 0};
        d->u = {DBL_MAX, 1e308, 0, 1};
        // The patterns are the weights themselves, placed on their principal axes.
        auto padroes = std::make_shared<TExtrasMapa>(*d->padroes);
        std::vector<const double*> pesos;
        for (std::size_t a = 0; a < 4; ++a) pesos.push_back(d->pesos.data() + 3 * a);
        padroes->projecao = *projecaoPrincipal(pesos, 3);
        for (const double* w : pesos) {
            TPontoPlano ponto;
            padroes->projecao.projeta(w, ponto.x, ponto.y);
            padroes->pontos.push_back(ponto);
            padroes->rotuloDoPonto.push_back(0);
        }
        d->padroes = padroes;
        d->curva = {{1, {DBL_MAX, 0.5}}, {2, {1e300, 0.25}}};
        static int avisos = 0;
        avisos = 0;
        const QtMessageHandler anterior =
            qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString&) {
                if (tipo != QtDebugMsg) ++avisos;
            });
        TVistaMapa vista;
        vista.defineDados(d);
        for (const TVistaMapa::Tipo tipo :
             {TVistaMapa::Tipo::Rotulos, TVistaMapa::Tipo::Acertos, TVistaMapa::Tipo::MatrizU,
              TVistaMapa::Tipo::Planos, TVistaMapa::Tipo::Cores, TVistaMapa::Tipo::Espaco})
            pinta(vista, tipo);
        TVistaCurva curva;
        curva.defineCurva(d->curva);
        QImage imagem(600, 400, QImage::Format_RGB32);
        QPainter p(&imagem);
        curva.desenha(p, imagem.rect());
        qInstallMessageHandler(anterior);
        QCOMPARE(avisos, 0);
    }

    // The legend's swatches keep their labels' colours after the net's black dots (the input
    // space), the neighbourhood of a step shows on a black and on a white cell, and a cell names
    // its majority label with that label's own count and how many others share it.
    void legendaVizinhancaETextoDasCelulas() {
        auto d = mapaConhecido();
        TVistaMapa vista;
        vista.defineDados(d);
        const QImage espaco = pinta(vista, TVistaMapa::Tipo::Espaco);
        // The legend starts 170 - 12 pixels from the right margin, its first swatch 24 below it.
        QCOMPARE(espaco.pixel(QPoint(592 - 158 + 7, 8 + 22 + 9)), TVistaMapa::corDoRotulo(0).rgb());

        d->pesos = {0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1};  // black, white, black, white
        TDadosMapa::TPassoAtual passo;
        passo.vencedor = 0;
        passo.raio = 1;
        d->passo = passo;
        vista.defineDados(d);
        const QImage cores = pinta(vista, TVistaMapa::Tipo::Cores);
        // Cells of 181 pixels from (30, 30): count, inside each, the pixels not of its colour.
        auto outras = [&](int x0, int y0, QRgb fundo) {
            int n = 0;
            for (int y = y0 + 30; y < y0 + 150; ++y)
                for (int x = x0 + 30; x < x0 + 150; ++x) n += cores.pixel(x, y) != fundo ? 1 : 0;
            return n;
        };
        QVERIFY(outras(30 + 181, 30 + 181, QColor(Qt::white).rgb()) > 1000);  // a white neighbour
        QVERIFY(outras(30, 30 + 181, QColor(Qt::black).rgb()) > 1000);        // a black neighbour

        QCOMPARE(textoDaCelula(*d, 0), QStringLiteral("b\n3 +1"));
        QCOMPARE(textoDaCelula(*d, 2), QStringLiteral("a\n1"));
        QCOMPARE(textoDaCelula(*d, 1), QString());
    }

    // norvika-figuras writes a view with the explorer's painters, its caption under it when
    // asked, and refuses bad input with a message and exit status 1.
    void figurasDaLinhaDeComando() {
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
        // clang 14's ThreadSanitizer can abort in a child forked from a program with threads
        // ("CHECK failed: tsan_rtl.cpp:234"); the command line is run by linha_de_comando too.
        QSKIP("fork under ThreadSanitizer");
#endif
#endif
        const std::string rede =
            pasta.escreve("cores.cfg", "2|2|3|1|GRID|4|3#\n1|0|0#\n0|1|0#\n0|0|1#\n1|1|1#\n");
        const std::string padroes =
            pasta.escreve("cores.txt", "4|3#\n1|0|0|r#\n0|1|0|g#\n0|0|1|b#\n1|1|0,9|w#\n");
        auto roda = [](const QStringList& argumentos, QString* erro = nullptr) {
            QProcess p;
            p.start(QStringLiteral(NORVIKA_FIGURAS), argumentos);
            p.waitForFinished(60000);
            if (erro != nullptr) *erro = QString::fromUtf8(p.readAllStandardError());
            return p.exitCode();
        };
        const QString png = QString::fromStdString(pasta.arquivo("rotulos.png"));
        const QStringList base{QString::fromStdString(rede), QString::fromStdString(padroes),
                               QStringLiteral("--vista"),    QStringLiteral("rotulos"),
                               QStringLiteral("--saida"),    png};
        QCOMPARE(roda(base), 0);
        QCOMPARE(QImage(png).size(), QSize(1000, 700));
        QCOMPARE(roda(base + QStringList{QStringLiteral("--legenda-completa")}), 0);
        // The caption grows with the picture: 40 pixels where the shorter side is 600.
        const QImage comLegenda(png);
        QCOMPARE(comLegenda.size(), QSize(1000, 747));
        int escuros = 0;
        for (int y = 700; y < 747; ++y)
            for (int x = 0; x < 600; ++x) escuros += qGray(comLegenda.pixel(x, y)) < 128 ? 1 : 0;
        QVERIFY2(escuros > 50, "a legenda não foi escrita");
        QString erro;
        QCOMPARE(roda({QString::fromStdString(rede), QString::fromStdString(rede),
                       QStringLiteral("--vista"), QStringLiteral("acertos"),
                       QStringLiteral("--saida"), png},
                      &erro),
                 1);
        QVERIFY2(erro.contains(QStringLiteral("Formato inválido do arquivo de padrões.")),
                 qPrintable(erro));
    }

    // Pattern lines beyond the ones the header announces are named in the side panel, in the
    // singular for one; the trailer of "#" lines an import writes is not.
    void linhasAlemDoCabecalhoSaoAvisadas_data() {
        QTest::addColumn<QByteArray>("alem");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("uma") << QByteArray("3|3|d#\n")
                             << QStringLiteral(
                                    "1 linha além das 3 anunciadas no cabeçalho foi ignorada.");
        QTest::newRow("duas")
            << QByteArray("3|3|d#\n\n4|4|e#\n")
            << QStringLiteral("2 linhas além das 3 anunciadas no cabeçalho foram ignoradas.");
    }
    void linhasAlemDoCabecalhoSaoAvisadas() {
        QFETCH(QByteArray, alem);
        QFETCH(QString, aviso);
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve(
            "mais.txt",
            "3|2#\n0|0|a#\n1|1|b#\n2|2|c#\n" + alem.toStdString() + "#norvika-escala x\n"));
        j->treina(t);
        j->acao("ExploradorItemMenu")->trigger();
        QCOMPARE(filho<QLabel>(j->principal->explorador(), "AvisoLinhasLabel")->text(), aviso);
    }

    // Stepped, paused and animated trainings end with the bits of an uninterrupted one.
    void treinoPassoAPassoIgualAoInteiro_data() {
        QTest::addColumn<QStringList>("acoes");
        QTest::newRow("passos, ciclo, continuar")
            << QStringList{"padrão", "padrão", "padrão", "ciclo", "continuar"};
        QTest::newRow("animado") << QStringList{"velocidade 9", "continuar"};
    }
    void treinoPassoAPassoIgualAoInteiro() {
        QFETCH(QStringList, acoes);
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.porCiclos = true;
        t.ciclos = 4;
        t.evolucao = QStringLiteral("90");
        // The uninterrupted training first, then the stepped one from the same seed.
        j->principal->defineSementeFixa(kSementeTeste);
        j->treina(t);
        const TRede inteira = j->principal->rede();
        j->clica("LimparButton");
        j->acao("ExploradorItemMenu")->trigger();
        filho<QCheckBox>(j->principal->explorador(), "PassoAPassoCheckBox")->setChecked(true);
        QStringList vistos;
        std::function<void()> age = [&] {
            auto* d = j->principal->findChild<TFormTreinando*>(QStringLiteral("FormTreinando"));
            if (d == nullptr || !d->isVisible()) {
                QTimer::singleShot(10, age);
                return;
            }
            vistos << filho<QLabel>(d, "PassoLabel")->text();
            if (acoes.isEmpty()) return;
            const QString acao = acoes.takeFirst();
            if (acao == QStringLiteral("padrão"))
                filho<QPushButton>(d, "ProximoPadraoButton")->click();
            else if (acao == QStringLiteral("ciclo"))
                filho<QPushButton>(d, "ProximoCicloButton")->click();
            else if (acao == QStringLiteral("continuar"))
                filho<QPushButton>(d, "ContinuarButton")->click();
            else
                filho<QSlider>(d, "VelocidadeSlider")->setValue(acao.section(u' ', 1).toInt());
            QTimer::singleShot(10, age);
        };
        QTimer::singleShot(10, age);
        j->treina(t);
        QCOMPARE(j->tomaTextos(), QStringList());
        QVERIFY(j->habilitado("LimparButton"));
        // Paused before the first pattern, then where each step left it.
        QVERIFY(vistos.size() >= 2);
        QVERIFY2(
            vistos[0].startsWith(QStringLiteral("Ciclo 1 de 4, nenhum padrão apresentado ainda")),
            qPrintable(vistos[0]));
        if (QTest::currentDataTag() == QStringLiteral("passos, ciclo, continuar"))
            QVERIFY2(vistos[1].startsWith(QStringLiteral(
                         "Ciclo 1 de 4, padrão 1 de 12 (a); taxa de aprendizagem 0,1, raio 1")),
                     qPrintable(vistos[1]));
        const TRede& passo = j->principal->rede();
        for (int a = 0; a < 12; ++a) {
            const TNeuronio& x = inteira.neuronio(a / 4, a % 4);
            const TNeuronio& y = passo.neuronio(a / 4, a % 4);
            QVERIFY(std::memcmp(x.dados(), y.dados(), 2 * sizeof(double)) == 0);
            QCOMPARE(y.getAglutinados(), x.getAglutinados());
        }
        QCOMPARE(std::memcmp(&inteira.taxaAprendizado, &passo.taxaAprendizado, sizeof(double)), 0);
        QCOMPARE(
            j->status(),
            QStringLiteral("Taxa de Aprendizagem = 0,0729    Ciclo de término : 4    Raio: 1"));
    }

    // A fixed seed draws the documented first weights: (r - 50) / 100 for the generator's draws r.
    void sementeFixaDaOsPrimeirosPesos_data() {
        QTest::addColumn<bool>("pelaVariavel");
        QTest::newRow("NORVIKA_SEMENTE") << true;
        QTest::newRow("diálogo") << false;
    }
    void sementeFixaDaOsPrimeirosPesos() {
        QFETCH(bool, pelaVariavel);
        constexpr std::uint32_t kSemente = 4000000000u;
        if (pelaVariavel) {
            j.reset();
            qputenv("NORVIKA_SEMENTE", "4000000000");
            j = std::make_unique<Janelas>();
            qunsetenv("NORVIKA_SEMENTE");
        } else {
            UDialogos::defineExecutor([&](QDialog& d) {
                d.findChild<QRadioButton*>(QStringLiteral("SementeFixaRadio"))->setChecked(true);
                d.findChild<QLineEdit*>(QStringLiteral("SementeEdit"))
                    ->setText(QStringLiteral("4000000000"));
                d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                return d.result();
            });
            j->acao("SementeItemMenu")->trigger();
            UDialogos::defineExecutor({});
        }
        QCOMPARE(j->principal->sementeFixa(), std::optional<std::uint32_t>(kSemente));
        Janelas::Treino t;
        t.arquivo = QString::fromStdString(pasta.escreve("doze.txt", kDoze));
        t.linhas = t.colunas = 1;
        t.raio = 0;
        t.taxa = QStringLiteral("0");  // nothing learned: the weights stay the drawn ones
        for (int vez = 0; vez < 2; ++vez) {
            j->treina(t);
            TGeradorAleatorio g(kSemente);
            for (int k = 0; k < 2; ++k) {
                const double esperado = static_cast<double>(
                    static_cast<long double>(static_cast<int>(g.sorteia(100)) - 50) / 100.0L);
                QCOMPARE(j->principal->rede().neuronio(0, 0).getPeso(k), esperado);
            }
            j->clica("LimparButton");
        }
        // Back to the clock: the window's next activation seeds from it again.
        j->principal->defineSementeFixa(std::nullopt);
        j->principal->FormActivate();
        j->treina(t);
        TGeradorAleatorio relogio(kSementeTeste);
        QCOMPARE(
            j->principal->rede().neuronio(0, 0).getPeso(0),
            static_cast<double>(
                static_cast<long double>(static_cast<int>(relogio.sorteia(100)) - 50) / 100.0L));
    }

  private:
    std::unique_ptr<Janelas> j;
    PastaTemporaria pasta;
};

QTEST_MAIN(TesteExplorador)
#include "TesteExplorador.moc"

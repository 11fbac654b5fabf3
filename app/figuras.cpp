// norvika-figuras: the explorer's pictures of a trained map from the command line, for slides in
// bulk and for checking pictures without a window. It loads a trained classic network (.cfg) or a
// laboratory map (a SOM_PAK codebook, .cod), gives every pattern of the data its nearest unit (as
// "Classificar!" does) for the hits and the labels, and writes one view, or all of them, as PNG,
// JPEG, SVG or PDF with the explorer's own painters. Text, lines and the legend grow with the
// picture: it is drawn at a reference size whose shorter side is 600 and scaled up (or down).
// It needs no display: Qt draws on its offscreen platform.

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "UArquivoPadroes.h"
#include "UArquivoRede.h"
#include "UCodebook.h"
#include "UDadosMapa.h"
#include "UErros.h"
#include "UFalha.h"
#include "UFerramenta.h"
#include "UGravacao.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"
#include "UPintura.h"
#include "USessaoLab.h"
#include "UTextos.h"
#include "UTokensVista.h"
#include "UVersao.h"
#include "UVistaFerramenta.h"

namespace {

// The help, written in Portuguese and printed in the language of the run.
constexpr const char* kAjuda = QT_TRANSLATE_NOOP(
    "NorvikaFiguras",
    "Uso: norvika-figuras MAPA DADOS --vista VISTA --saida ARQUIVO [opções]\n"
    "Desenha as vistas do explorador de um mapa treinado: uma rede da janela clássica\n"
    "(.cfg) com um arquivo de padrões, ou um mapa do laboratório (.cod, do SOM_PAK) com\n"
    "os dados que o laboratório lê (padrões ou tabela). Os padrões são classificados no\n"
    "mapa (como em \"Classificar!\") para os acertos e os rótulos.\n"
    "\n"
    "  --vista VISTA        rotulos, acertos, matriz-u, planos, cores (com 3 atributos),\n"
    "                       espaco, amostras (os padrões nas suas unidades),\n"
    "                       agrupamentos, erro-unidade, propriedade=COLUNA (a média\n"
    "                       de um atributo por unidade; nome ou número), ou todas\n"
    "  --saida ARQUIVO      o arquivo da imagem, .png, .jpg, .svg ou .pdf (o formato\n"
    "                       segue a extensão); com --vista todas, a pasta onde cada\n"
    "                       vista é gravada como VISTA.png (ou .jpg, .svg, .pdf)\n"
    "  --formato F          o formato das imagens de --vista todas: png (o padrão),\n"
    "                       jpg, svg ou pdf\n"
    "  --largura PX         a largura da imagem (1000 por padrão)\n"
    "  --altura PX          a altura da imagem, sem a legenda (700 por padrão);\n"
    "                       largura × altura até 40 milhões de pixels; os textos, as\n"
    "                       linhas e a legenda crescem com o menor lado\n"
    "  --escalas comum|separadas  nos planos de componentes, uma escala de cores para\n"
    "                       todos (o padrão) ou uma para cada plano\n"
    "  --agrupamentos K     as fronteiras de K grupos de unidades (de 2 a 20) sobre a\n"
    "                       vista; a vista agrupamentos sem ela usa o K sugerido\n"
    "  --legenda-completa   escreve abaixo da imagem o arquivo, o tamanho do mapa, a\n"
    "                       vizinhança, o raio, a semente e os erros do mapa\n"
    "  --idioma pt|en       o idioma das mensagens e dos textos das imagens (português ou\n"
    "                       inglês); também NORVIKA_IDIOMA\n"
    "  --help               mostra esta ajuda\n"
    "  --version            mostra a versão\n");

void ajuda() {
    escreveTexto(stdout, QCoreApplication::translate("NorvikaFiguras", kAjuda));
    std::exit(0);
}

constexpr std::int64_t kMaximoPixels = 40000000;

struct TOpcoes {
    std::string rede, padroes, vista, saida, formato = "png";
    int largura = 1000, altura = 700;
    bool legenda = false;
    bool escalasSeparadas = false;
    std::int32_t agrupamentos = 0;  // K of the clusters' borders; 0: no borders
};

// The picture formats, by the extension that names them; nothing for any other.
std::optional<std::string> formatoDaExtensao(const QString& extensao) {
    const QString e = extensao.toLower();
    if (e == QLatin1String("png") || e == QLatin1String("svg") || e == QLatin1String("pdf"))
        return e.toStdString();
    if (e == QLatin1String("jpg") || e == QLatin1String("jpeg")) return "jpg";
    return std::nullopt;
}

int inteiroDaOpcao(const std::string& opcao, const std::string& texto, int minimo, int maximo) {
    try {
        const std::int32_t v = textoParaInteiro(texto);
        if (v >= minimo && v <= maximo) return v;
    } catch (const std::exception&) {
    }
    falha(QCoreApplication::translate("NorvikaFiguras",
                                      "%1 deve ser um número inteiro de %2 a %3: \"%4\"")
              .arg(qt(opcao), QString::number(minimo), QString::number(maximo), qt(texto)));
}

TOpcoes leOpcoes(const QStringList& argumentos) {
    TOpcoes o;
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const std::string a = argumentos[i].toStdString();
        auto valor = [&] {
            if (i + 1 >= argumentos.size())
                falha(QCoreApplication::translate("NorvikaFiguras", "falta o valor de %1")
                          .arg(qt(a)));
            return argumentos[++i].toStdString();
        };
        if (a == "--help" || a == "-h")
            ajuda();
        else if (a == "--version") {
            std::printf("norvika-figuras %s\n", kVersaoNorvika);
            std::exit(0);
        } else if (a == "--idioma")
            valor();  // installed at start
        else if (a == "--vista")
            o.vista = valor();
        else if (a == "--saida")
            o.saida = valor();
        else if (a == "--formato")
            o.formato = valor();
        else if (a == "--largura")
            o.largura = inteiroDaOpcao(a, valor(), 100, 20000);
        else if (a == "--altura")
            o.altura = inteiroDaOpcao(a, valor(), 100, 20000);
        else if (a == "--legenda-completa")
            o.legenda = true;
        else if (a == "--agrupamentos")
            o.agrupamentos = inteiroDaOpcao(a, valor(), 2, 20);
        else if (a == "--escalas") {
            const std::string e = valor();
            if (e != "comum" && e != "separadas")
                falha(QCoreApplication::translate("NorvikaFiguras",
                                                  "--escalas deve ser comum ou separadas: \"%1\"")
                          .arg(qt(e)));
            o.escalasSeparadas = e == "separadas";
        } else if (!a.empty() && a[0] == '-')
            falha(
                QCoreApplication::translate("NorvikaFiguras", "opção desconhecida: %1").arg(qt(a)));
        else if (o.rede.empty())
            o.rede = a;
        else if (o.padroes.empty())
            o.padroes = a;
        else
            falha(QCoreApplication::translate("NorvikaFiguras", "argumento a mais: %1").arg(qt(a)));
    }
    if (o.rede.empty() || o.padroes.empty())
        falha(QCoreApplication::translate("NorvikaFiguras",
                                          "faltam o mapa (.cfg ou .cod) e os dados"));
    if (o.vista.empty()) falha(QCoreApplication::translate("NorvikaFiguras", "falta --vista"));
    // The view is known before any file is read.
    if (o.vista != "todas" && !vistaDoNome(o.vista))
        falha(QCoreApplication::translate(
                  "NorvikaFiguras",
                  "vista desconhecida: %1 (use rotulos, acertos, matriz-u, planos, cores, espaco, "
                  "amostras, agrupamentos, erro-unidade, propriedade=COLUNA ou todas)")
                  .arg(qt(o.vista)));
    if (o.saida.empty()) falha(QCoreApplication::translate("NorvikaFiguras", "falta --saida"));
    if (const auto f = formatoDaExtensao(QString::fromStdString(o.formato)))
        o.formato = *f;
    else
        falha(QCoreApplication::translate("NorvikaFiguras",
                                          "formato desconhecido: %1 (use png, jpg, svg ou pdf)")
                  .arg(qt(o.formato)));
    // A picture is drawn whole in memory, four bytes a pixel.
    if (static_cast<std::int64_t>(o.largura) * o.altura > kMaximoPixels)
        falha(QCoreApplication::translate("NorvikaFiguras",
                                          "--largura × --altura passa de %1 milhões de pixels")
                  .arg(kMaximoPixels / 1000000));
    if (o.vista != "todas") {
        if (const auto f = formatoDaExtensao(QFileInfo(QString::fromStdString(o.saida)).suffix()))
            o.formato = *f;
        else
            falha(QCoreApplication::translate(
                      "NorvikaFiguras",
                      "--saida \"%1\" deve terminar em .png, .jpg, .svg ou .pdf: o formato da "
                      "imagem segue a extensão")
                      .arg(qt(o.saida)));
    }
    return o;
}

// The network of the file, with the distance matrix of its own neighbourhood.
struct TRedeClassica {
    TRede rede;
    std::string vizinhanca;
};
TRedeClassica carregaRedeClassica(const std::string& caminho) {
    if (!arquivoExiste(caminho))
        falha(
            QCoreApplication::translate("NorvikaFiguras", "o arquivo de treinamento não existe: %1")
                .arg(qt(caminho)));
    TRede rede;
    TGeradorAleatorio gerador(0);
    const TCargaRede carga = carregaRede(caminho, "GRID", gerador, rede);
    if (carga.grandeDemais)
        falha(QCoreApplication::translate(
            "NorvikaFiguras",
            "o mapa deste arquivo não cabe na memória que o programa se "
            "permite usar."));
    if (!carga.completa)
        falha(QCoreApplication::translate("NorvikaFiguras",
                                          "Formato inválido do arquivo de treinamento."));
    const std::string vizinhanca = carga.cabecalho->vizinhanca == "GRID" ? "GRID" : "MANHATTAN";
    rede.montaMatrizDistancias(vizinhanca);
    rede.raio = carga.cabecalho->raio;
    return {std::move(rede), vizinhanca};
}

// The map's data with the patterns of the file given their neurons.
std::shared_ptr<TDadosMapa> classifica(TRede& rede, const std::string& padroes,
                                       const std::string& vizinhanca) {
    if (!arquivoExiste(padroes))
        falha(QCoreApplication::translate("NorvikaFiguras",
                                          "Você deve especificar um arquivo de padrões."));
    TCabecalhoPadroes cabecalho;
    std::int32_t n = 0, d = 0;
    try {
        cabecalho = leCabecalhoPadroes(padroes);
        d = textoParaInteiro(cabecalho.d);
        if (d != rede.dimensao)
            falha(QCoreApplication::translate(
                "NorvikaFiguras", "Estes padrões não podem ser classificados com esta rede!"));
        n = textoParaInteiro(cabecalho.n);
        if (n < 0) throw EFormatoArquivo("");
    } catch (const TFalha&) {
        throw;
    } catch (const std::exception&) {
        falha(QCoreApplication::translate("NorvikaFiguras",
                                          "Formato inválido do arquivo de padrões."));
    }
    std::int64_t linhasAlem = 0;
    inicializaEntradas(padroes, n, d, rede.entradas, nullptr, &linhasAlem);
    rede.classificaEntradas();
    std::optional<TExtrasMapa> extras = extrasDosPadroes(rede.entradas, d, nullptr);
    extras->nomes = nomesDosAtributos(cabecalho.linha, d);
    extras->escala = leEscala(padroes, d);
    extras->linhasAlem = linhasAlem;
    extras->anunciados = n;
    auto dados = dadosDoMapa(rede, std::make_shared<const TExtrasMapa>(std::move(*extras)));
    dados->erros = medeErros(rede.pesosDoMapa(), rede.linhasMapa() * rede.colunasMapa(), d,
                             rede.entradas, rede.matrizDistancias);
    dados->origem = TDadosMapa::TOrigem{padroes, vizinhanca, rede.raio, 0};
    return dados;
}

// A laboratory map (a codebook) with the data measured on it, as the laboratory opens them.
std::shared_ptr<const TDadosMapa> mapaDoLaboratorio(const std::string& codebook,
                                                    const std::string& dados) {
    if (!arquivoExiste(codebook))
        falha(QCoreApplication::translate("NorvikaFiguras", "o arquivo do mapa não existe: %1")
                  .arg(qt(codebook)));
    TSessaoLab sessao;
    sessao.carrega(dados);
    sessao.defineMapa(leCodebook(codebook));
    return sessao.mapa();
}

std::shared_ptr<const TDadosMapa> mapaDosArquivos(const TOpcoes& o) {
    if (QFileInfo(QString::fromStdString(o.rede))
            .suffix()
            .compare(QLatin1String("cod"), Qt::CaseInsensitive) == 0)
        return mapaDoLaboratorio(o.rede, o.padroes);
    TRedeClassica classica = carregaRedeClassica(o.rede);
    return classifica(classica.rede, o.padroes, classica.vizinhanca);
}

// One view of the map as the bytes of a picture in `formato` (png, jpg, svg, pdf). The painters
// draw at the reference size and the painter scales them to the picture.
QByteArray desenha(const TDadosMapa& dados, TTipoVista tipo, const TOpcoes& o,
                   const std::string& formato, std::int32_t propriedade = 0) {
    const double escala = escalaDaFigura(o.largura, o.altura);
    const QRectF vista(0, 0, o.largura / escala, o.altura / escala);
    const double legenda = o.legenda ? kAlturaLegendaExportacao : 0.0;
    const QRect area(0, 0, o.largura, o.altura + static_cast<int>(std::lround(legenda * escala)));
    TOpcoesVista opcoes;
    opcoes.escalaComum = !o.escalasSeparadas;
    opcoes.grupos = o.agrupamentos;
    opcoes.mostraGrupos = o.agrupamentos > 0;
    opcoes.propriedade = propriedade;
    auto pinta = [&](QPainter& p) {
        p.scale(escala, escala);
        pintaVista(p, vista, dados, tipo, opcoes, nullptr);
        if (o.legenda)
            pintaLegendaExportacao(p, QRectF(0, vista.height(), vista.width(), legenda), dados);
    };
    QByteArray bytes;
    QBuffer memoria(&bytes);
    memoria.open(QIODevice::WriteOnly);
    if (formato == "pdf") {
        // One page the picture's size, at 96 pixels to the inch.
        QPdfWriter pdf(&memoria);
        pdf.setCreator(QStringLiteral("Norvika"));
        pdf.setResolution(96);
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(QSizeF(area.width() * 72.0 / 96.0, area.height() * 72.0 / 96.0),
                                  QPageSize::Point));
        QPainter p(&pdf);
        pinta(p);
    } else if (formato == "svg") {
        QSvgGenerator gerador;
        gerador.setOutputDevice(&memoria);
        gerador.setSize(area.size());
        gerador.setViewBox(area);
        gerador.setDescription(QStringLiteral("Norvika: explorador do mapa"));
        QPainter p(&gerador);
        pinta(p);
    } else {
        QImage imagem(area.size(), QImage::Format_RGB32);
        imagem.fill(Qt::white);
        {
            QPainter p(&imagem);
            pinta(p);
        }
        imagem.save(&memoria, formato == "jpg" ? "JPEG" : "PNG", formato == "jpg" ? 92 : -1);
    }
    return bytes;
}

void grava(const std::string& caminho, const QByteArray& bytes) {
    try {
        gravaArquivo(caminho,
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::exception& e) {
        falha(QCoreApplication::translate("NorvikaFiguras", "não foi possível gravar \"%1\": %2")
                  .arg(qt(caminho), QString::fromUtf8(e.what())));
    }
}

int executa(const TOpcoes& o) {
    defineSeparadorDecimal(',');
    const std::vector<std::pair<std::string, std::string>> entradas = {
        {QCoreApplication::translate("NorvikaFiguras", "rede").toStdString(), o.rede},
        {QCoreApplication::translate("NorvikaFiguras", "padrões").toStdString(), o.padroes}};
    if (o.vista != "todas") confereSaidas(entradas, {{"--saida", o.saida}});
    const std::shared_ptr<const TDadosMapa> dados = mapaDosArquivos(o);
    if (o.vista == "todas") {
        const QString pasta = QString::fromStdString(o.saida);
        if (!QDir().mkpath(pasta))
            falha(QCoreApplication::translate("NorvikaFiguras",
                                              "não foi possível criar a pasta \"%1\"")
                      .arg(qt(o.saida)));
        for (const TVistaNomeada& v : kVistasNomeadas) {
            if (v.tipo == TTipoVista::Cores && dados->dimensao != 3) continue;
            const std::string arquivo =
                QDir(pasta)
                    .filePath(QStringLiteral("%1.%2").arg(QLatin1String(v.nome),
                                                          QString::fromStdString(o.formato)))
                    .toStdString();
            confereSaidas(entradas, {{"--saida", arquivo}});
            grava(arquivo, desenha(*dados, v.tipo, o, o.formato));
            std::printf("%s\n", arquivo.c_str());
        }
        return 0;
    }
    const std::optional<TVistaPedida> v = vistaDoNome(o.vista);
    if (v->tipo == TTipoVista::Cores && dados->dimensao != 3)
        falha(QCoreApplication::translate(
                  "NorvikaFiguras", "a vista cores precisa de padrões de 3 atributos; estes têm %1")
                  .arg(dados->dimensao));
    std::int32_t propriedade = 0;
    if (v->tipo == TTipoVista::Propriedade)
        propriedade = propriedadeDaFerramenta(*dados, v->coluna);
    grava(o.saida, desenha(*dados, v->tipo, o, o.formato, propriedade));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Qt draws on its offscreen platform, with no display; QT_QPA_PLATFORM still wins when set.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    instalaIdiomaDaFerramenta("norvika-figuras", argc, argv);
    apagaTemporariosAoTerminar();
    std::string padroes;
    try {
        const TOpcoes o = leOpcoes(QGuiApplication::arguments());
        padroes = o.padroes;
        return executa(o);
    } catch (const TFalha& f) {
        std::fprintf(stderr, "norvika-figuras: %s\n", f.mensagem.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvika-figuras: %s\n", mensagemDaFalha(e, padroes).c_str());
    }
    return 1;
}

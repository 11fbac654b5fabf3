// norvika-lab: the laboratory engine from the command line, for scripts, benchmarks and checks.
// Reads the data (a pattern file or any table the import reads), trains a map with the given
// settings and prints one name=value line per measure, like norvika-bench; optionally writes the
// map as a SOM_PAK codebook and each pattern's winner as a table. On bad input prints the message
// and ends with 1.

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "UAjustesLab.h"
#include "UAnelLab.h"
#include "UAnimacaoMapa.h"
#include "UBusca.h"
#include "UCodebook.h"
#include "UDadosLab.h"
#include "UErros.h"
#include "UExportacao.h"
#include "UFalha.h"
#include "UFerramenta.h"
#include "UGravacao.h"
#include "ULabCompetitivo.h"
#include "ULaboratorio.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"
#include "UOpcoesLab.h"
#include "USessaoLab.h"
#include "USugestaoLab.h"
#include "UTokensVista.h"
#include "UVersao.h"
#include "UVistaFerramenta.h"

namespace {

// The help, written in Portuguese and printed in the language of the run.
constexpr const char* kAjuda = QT_TRANSLATE_NOOP(
    "NorvikaLab",
    "Uso: norvika-lab DADOS --mapa LINHASxCOLUNAS --raio INICIAL[:FINAL] --epocas E\n"
    "                 [opções]\n"
    "Treina um mapa de Kohonen do laboratório (retangular ou hexagonal, plano ou toroidal,\n"
    "vizinhança bolha ou gaussiana, treino online ou em lote) e mostra uma medida por linha.\n"
    "DADOS é um arquivo de padrões do Norvika ou qualquer tabela que a importação lê (CSV,\n"
    "TSV, .dat do SOM_PAK, ARFF, .xlsx, .ods), com as escolhas padrão da importação.\n"
    "Os números aceitam vírgula ou ponto decimal.\n"
    "\n"
    "  --mapa LINHASxCOLUNAS            tamanho do mapa, cada lado de 1 a 100\n"
    "  --topologia retangular|hexagonal (padrão: hexagonal)\n"
    "  --toroidal                       o mapa se fecha nas bordas (hexagonal: linhas pares)\n"
    "  --vizinhanca bolha|gaussiana     (padrão: gaussiana)\n"
    "  --raio INICIAL[:FINAL]           raio da vizinhança; sem FINAL, vai até 0; sem\n"
    "                                   --raio, de dois terços das distâncias entre as\n"
    "                                   unidades até 0 (a escolha do kohonen do R)\n"
    "  --taxa INICIAL[:FINAL]           taxa de aprendizado do treino online; sem FINAL,\n"
    "                                   fica constante (padrão: 0,05:0,01)\n"
    "  --decaimento linear|exponencial  como raio e taxa diminuem (padrão: linear)\n"
    "  --epocas E                       apresentações de todos os padrões\n"
    "  --modo online|lote               (padrão: online)\n"
    "  --ordem arquivo|embaralhada      ordem dos padrões no treino online (padrão:\n"
    "                                   embaralhada, nova a cada época)\n"
    "  --inicio aleatorio|amostras|linear|canto|MAPA.cod\n"
    "                                   pesos iniciais (padrão: amostras)\n"
    "  --semente N                      semente do sorteio (padrão: 1)\n"
    "  --threads 0|1|2                  0: o motor escolhe (padrão); o resultado é o mesmo;\n"
    "                                   o treino online usa uma só\n"
    "  --rotulo COLUNA|nenhum           a coluna de rótulos de uma tabela (nome ou número)\n"
    "  --ausentes descartar|media|manter\n"
    "                                   valores ausentes de uma tabela: descarta a linha,\n"
    "                                   usa a média da coluna ou os mantém (padrão:\n"
    "                                   descartar; manter num .dat do SOM_PAK)\n"
    "  --saida MAPA.cod                 grava o mapa no formato do SOM_PAK\n"
    "  --vencedores ARQUIVO.csv         grava o vencedor e a distância de cada padrão\n"
    "  --salvar-inicio MAPA.cod         grava o mapa antes do treino, para dar a outro\n"
    "                                   programa o mesmo começo\n"
    "  --sugerir                        mostra as opções que o botão Sugerir da janela\n"
    "                                   escolheria para estes dados e sai (dispensa --mapa,\n"
    "                                   --raio e --epocas)\n"
    "  --animacao ARQ.gif|ARQ.webp|PASTA/\n"
    "                                   grava a reprise do treino: um quadro por época (ou\n"
    "                                   --quadros), com a época e os erros; numa PASTA/, cada\n"
    "                                   quadro como um PNG\n"
    "  --quadros N                      N quadros escolhidos por igual, do início ao fim\n"
    "  --vista rotulos|acertos|matriz-u|planos|cores|espaco|amostras|agrupamentos|\n"
    "          erro-unidade|propriedade=COLUNA\n"
    "                                   a vista da animação (padrão: espaco com 2 atributos,\n"
    "                                   senão matriz-u); propriedade, a média de uma coluna\n"
    "                                   (nome ou número de 1) por unidade\n"
    "  --agrupamentos K                 as fronteiras de K grupos de unidades (de 2 a 20)\n"
    "                                   sobre a vista da animação\n"
    "  --largura PX, --altura PX        o tamanho da animação (padrão: 800 x 600)\n"
    "  --busca escalar|avx2|avx512      o núcleo da busca (padrão: o melhor do processador)\n"
    "  --idioma pt|en                   o idioma das mensagens (português ou inglês),\n"
    "                                   também NORVIKA_IDIOMA; as linhas NOME=valor não\n"
    "                                   mudam\n"
    "  --help                           mostra esta ajuda\n"
    "  --version                        mostra a versão\n"
    "\n"
    "Saída: motor=, threads=, padroes=, ignorados=, leitura_s=, treino_s=,\n"
    "erro_quantizacao=, erro_topografico= e pesos_fnv= (hash FNV-1a dos pesos); sem --raio,\n"
    "raio_inicial=, o raio escolhido; num anel\n"
    "(mapa 1xN toroidal), percurso_anel= e percurso_vizinho_mais_proximo=, os comprimentos\n"
    "do percurso do caixeiro-viajante que o anel dá e do percurso do vizinho mais próximo.\n"
    "\n"
    "Distâncias na grade: na retangular, a euclidiana entre as posições das unidades (o\n"
    "kohonen do R usa a maior diferença de coordenadas); na hexagonal, as linhas ímpares\n"
    "(contando de 0) ficam meia unidade à direita, como no SOM_PAK (o kohonen desloca a\n"
    "primeira).\n");

void ajuda() {
    escreveTexto(stdout, QCoreApplication::translate("NorvikaLab", kAjuda) + u'\n' +
                             QCoreApplication::translate("NorvikaLab", ajudaCompetitiva()));
    std::exit(0);
}

struct TLinha {
    std::string dados, saida, vencedores, inicioCod, busca, salvarInicio;
    TConfiguracaoLab config;
    std::optional<std::string> rotulo;
    std::optional<TAusentes> ausentes;
    bool temMapa = false, temRaio = false, temEpocas = false, temTaxa = false, temThreads = false;
    bool sugerir = false;
    // The replay as an animation (or a folder of PNG frames, for a path ending in "/").
    std::string animacao;
    std::size_t quadros = 0;
    std::optional<TVistaPedida> vista;
    std::int32_t agrupamentos = 0;  // the clusters' borders over the view; 0: none
    std::int32_t largura = 800, altura = 600;
    // The competitive-learning models, and every option given (by its name without accents).
    TLinhaCompetitiva competitiva;
    std::set<std::string> dadas;
};

// A picture is drawn whole in memory, three bytes a pixel.
constexpr std::int64_t kMaximoPixelsAnimacao = 40000000;
// The frames are kept until the training ends: at most this much of them.
constexpr std::uint64_t kMaximoBytesAnimacao = 256ull << 20;

template <class T>
T escolha(const std::string& opcao, const std::string& v,
          std::initializer_list<std::pair<const char*, T>> opcoes) {
    std::string lista;
    for (const auto& [nome, valor] : opcoes) {
        if (v == nome) return valor;
        lista += (lista.empty() ? "" : ", ") + std::string(nome);
    }
    falha(QCoreApplication::translate("NorvikaLab", "%1: \"%2\" não é uma das escolhas (%3).")
              .arg(qt(opcao), qt(v), qt(lista)));
}

// A setting's choice by its word, the enumeration's value in the settings' table order.
template <class T>
T escolha(const std::string& opcao, const std::string& v, TAjusteLab ajuste) {
    const std::optional<std::size_t> i = escolhaPorToken(ajuste, v);
    if (!i)
        falha(QCoreApplication::translate("NorvikaLab", "%1: \"%2\" não é uma das escolhas (%3).")
                  .arg(qt(opcao), qt(v), qt(tokensDe(ajuste))));
    return static_cast<T>(*i);
}

// An option's name with its accents taken off ("--épocas" is "--epocas").
std::string semAcentos(std::string nome) {
    for (const auto& [com, sem] : {std::pair<std::string_view, std::string_view>{"é", "e"},
                                   {"í", "i"},
                                   {"ç", "c"},
                                   {"ã", "a"},
                                   {"ó", "o"}}) {
        for (std::size_t i; (i = nome.find(com)) != std::string::npos;)
            nome.replace(i, com.size(), sem);
    }
    return nome;
}

TLinha leLinha(int argc, char** argv) {
    TLinha l;
    TConfiguracaoLab& c = l.config;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto valor = [&]() -> std::string {
            if (i + 1 >= argc)
                falha(QCoreApplication::translate("NorvikaLab", "%1 precisa de um valor.")
                          .arg(qt(a)));
            return argv[++i];
        };
        if (a.starts_with("--")) l.dadas.insert(semAcentos(a));
        if (a == "--help" || a == "-h") {
            ajuda();
        } else if (a == "--version") {
            std::printf("norvika-lab %s\n", kVersaoNorvika);
            std::exit(0);
        } else if (a == "--idioma") {
            valor();  // installed at start
        } else if (a == "--mapa") {
            const std::string v = valor();
            const std::size_t x = v.find_first_of("xX");
            if (x == std::string::npos)
                falha(QCoreApplication::translate("NorvikaLab",
                                                  "--mapa: use LINHASxCOLUNAS, por exemplo 8x10."));
            c.grade.linhas = inteiro(a, v.substr(0, x));
            c.grade.colunas = inteiro(a, v.substr(x + 1));
            l.temMapa = true;
        } else if (a == "--topologia") {
            c.grade.topologia = escolha<TTopologiaLab>(a, valor(), TAjusteLab::topologia);
        } else if (a == "--toroidal") {
            c.grade.toroidal = true;
        } else if (a == "--vizinhanca" || a == "--vizinhança") {
            c.vizinhanca = escolha<TVizinhancaLab>(a, valor(), TAjusteLab::vizinhanca);
        } else if (a == "--raio") {
            // A lone radius shrinks to 0, as R's kohonen does.
            c.raio = agenda(a, valor(), 0.0);
            l.temRaio = true;
        } else if (a == "--taxa") {
            const std::string v = valor();
            c.taxa = agenda(a, v, 0.0);
            if (v.find(':') == std::string::npos) c.taxa.final = c.taxa.inicial;
            l.temTaxa = true;
        } else if (a == "--decaimento") {
            c.decaimento = escolha<TDecaimentoLab>(a, valor(), TAjusteLab::decaimento);
        } else if (a == "--epocas" || a == "--épocas") {
            c.epocas = inteiro(a, valor());
            l.temEpocas = true;
        } else if (a == "--modo") {
            c.modo = escolha<TModoLab>(a, valor(), TAjusteLab::modo);
        } else if (a == "--ordem") {
            c.ordem = escolha<TOrdemLab>(a, valor(), TAjusteLab::ordem);
        } else if (a == "--inicio" || a == "--início") {
            const std::string v = valor();
            if (v == "aleatorio" || v == "aleatório")
                c.inicio = TInicioLab::aleatorio;
            else if (v == "amostras")
                c.inicio = TInicioLab::amostras;
            else if (v == "linear")
                c.inicio = TInicioLab::linear;
            else if (v == "canto")
                c.inicio = TInicioLab::canto;
            else {
                c.inicio = TInicioLab::pesos;
                l.inicioCod = v;
            }
        } else if (a == "--semente") {
            const std::string v = valor();
            const std::optional<std::uint64_t> s = sementeDeTexto(v);
            if (!s)
                falha(QCoreApplication::translate(
                          "NorvikaLab",
                          "--semente: \"%1\" não é um inteiro de 0 a 18446744073709551615.")
                          .arg(qt(v)));
            c.semente = *s;
        } else if (a == "--threads") {
            c.threads = escolha<int>(a, valor(), {{"0", 0}, {"1", 1}, {"2", 2}});
            l.temThreads = true;
        } else if (a == "--rotulo" || a == "--rótulo") {
            l.rotulo = valor();
        } else if (a == "--ausentes") {
            l.ausentes = escolha<TAusentes>(a, valor(),
                                            {{"descartar", TAusentes::descartar},
                                             {"media", TAusentes::media},
                                             {"média", TAusentes::media},
                                             {"manter", TAusentes::manter}});
        } else if (a == "--salvar-inicio" || a == "--salvar-início") {
            l.salvarInicio = valor();
        } else if (a == "--sugerir") {
            l.sugerir = true;
        } else if (a == "--saida" || a == "--saída") {
            l.saida = valor();
        } else if (a == "--vencedores") {
            l.vencedores = valor();
        } else if (a == "--busca") {
            l.busca = valor();
        } else if (a == "--animacao" || a == "--animação") {
            l.animacao = valor();
            if (l.animacao.back() != '/' && !formatoDaAnimacao(l.animacao))
                falha(QCoreApplication::translate(
                          "NorvikaLab",
                          "--animacao \"%1\" deve terminar em .gif ou .webp, ou em / para uma "
                          "pasta de quadros PNG.")
                          .arg(qt(l.animacao)));
        } else if (a == "--quadros") {
            l.quadros = static_cast<std::size_t>(inteiro(a, valor()));
            if (l.quadros < 1 || l.quadros > 10000)
                falha(QCoreApplication::translate("NorvikaLab",
                                                  "--quadros deve ficar entre 1 e 10000."));
        } else if (a == "--vista") {
            const std::string v = valor();
            l.vista = vistaDoNome(v);
            if (!l.vista)
                falha(QCoreApplication::translate("NorvikaLab",
                                                  "--vista: \"%1\" não é uma das escolhas (%2).")
                          .arg(qt(v), QStringLiteral("rotulos, acertos, matriz-u, planos, cores, "
                                                     "espaco, amostras, agrupamentos, "
                                                     "erro-unidade, propriedade=COLUNA")));
        } else if (a == "--agrupamentos") {
            l.agrupamentos = static_cast<std::int32_t>(inteiro(a, valor()));
            if (l.agrupamentos < 2 || l.agrupamentos > TDadosMapa::kMaximoGrupos)
                falha(QCoreApplication::translate("NorvikaLab",
                                                  "--agrupamentos deve ficar entre 2 e %1.")
                          .arg(TDadosMapa::kMaximoGrupos));
        } else if (a == "--largura" || a == "--altura") {
            const std::int32_t v = inteiro(a, valor());
            if (v < 16 || v > kLadoMaximoAnimacao)
                falha(QCoreApplication::translate("NorvikaLab", "%1 deve ficar entre 16 e %2.")
                          .arg(qt(a))
                          .arg(kLadoMaximoAnimacao));
            (a == "--largura" ? l.largura : l.altura) = v;
        } else if (leOpcaoCompetitiva(a, valor, l.competitiva)) {
        } else if (!a.empty() && a[0] == '-') {
            falha(QCoreApplication::translate("NorvikaLab", "Opção desconhecida: %1 (veja --help).")
                      .arg(qt(a)));
        } else if (l.dados.empty()) {
            l.dados = a;
        } else {
            falha(QCoreApplication::translate("NorvikaLab", "Mais de um arquivo de dados: %1.")
                      .arg(qt(a)));
        }
    }
    if (l.dados.empty())
        falha(QCoreApplication::translate("NorvikaLab", "Falta o arquivo de dados (veja --help)."));
    concluiCompetitiva(l.competitiva, l.dadas, c);
    if (l.sugerir || l.competitiva.modelo) return l;
    if (!l.temMapa)
        falha(QCoreApplication::translate("NorvikaLab", "Falta --mapa LINHASxCOLUNAS."));
    if (!l.temEpocas) falha(QCoreApplication::translate("NorvikaLab", "Falta --epocas E."));
    if (static_cast<std::int64_t>(l.largura) * l.altura > kMaximoPixelsAnimacao)
        falha(QCoreApplication::translate("NorvikaLab",
                                          "--largura × --altura passa de %1 milhões de pixels.")
                  .arg(kMaximoPixelsAnimacao / 1000000));
    // Without --raio, kohonen's choice: two thirds of the grid's distances, down to 0.
    if (!l.temRaio) c.raio = {raioPadraoLab(c.grade), 0.0};
    return l;
}

// A recorded instant of the training, for the animation.
struct TGravado {
    std::int64_t epoca;
    std::vector<double> pesos;
    std::vector<std::int32_t> vencedores;
};

// The replay as an animated GIF or WebP, or as PNG frames in a folder: each recorded instant drawn
// as the window's replay shows it, with the errors of its epoch.
void gravaAnimacao(const TLinha& l, const TCargaLab& carga, const std::vector<TGravado>& gravados,
                   const std::vector<TEpocaLab>& curva) {
    const TConfiguracaoLab& c = l.config;
    const TDadosLab& dados = carga.dados;
    const auto extras = extrasDosDadosLab(carga);
    const auto quadro = [&](std::size_t i) {
        const TGravado& g = gravados[i];
        auto m = dadosDoMapaLab(c.grade, dados, resumoLab(dados, c.grade, g.pesos, g.vencedores),
                                extras);
        m->erros.reset();
        if (g.epoca >= 1 && g.epoca <= std::ssize(curva)) {
            const TEpocaLab& e = curva[static_cast<std::size_t>(g.epoca - 1)];
            m->erros = TErros{e.quantizacao, e.topografico};
        }
        return TQuadroAnimado{std::move(m), g.epoca};
    };
    if (gravados.empty()) return;
    TPedidoAnimacao pedido;
    pedido.largura = l.largura;
    pedido.altura = l.altura;
    pedido.epocas = c.epocas;
    pedido.gravados = gravados.size();
    pedido.vista = l.vista ? l.vista->tipo : vistaDaAnimacao(*quadro(0).mapa);
    pedido.opcoes.grupos = l.agrupamentos;
    pedido.opcoes.mostraGrupos = l.agrupamentos > 0;
    if (pedido.vista == TTipoVista::Propriedade)
        pedido.opcoes.propriedade = propriedadeDaFerramenta(*quadro(0).mapa, l.vista->coluna);
    if (pedido.vista == TTipoVista::Cores && dados.dimensao != 3)
        falha(QCoreApplication::translate(
                  "NorvikaLab", "a vista cores precisa de dados de 3 atributos; estes têm %1.")
                  .arg(dados.dimensao));
    if (l.animacao.back() == '/') {
        const QDir pasta(QString::fromStdString(l.animacao));
        if (!QDir().mkpath(pasta.path()))
            falha(QCoreApplication::translate("NorvikaLab", "não foi possível criar a pasta \"%1\"")
                      .arg(qt(l.animacao)));
        for (std::size_t i = 0; i < gravados.size(); ++i) {
            QByteArray png;
            QBuffer memoria(&png);
            memoria.open(QIODevice::WriteOnly);
            imagemDoQuadro(pedido, quadro(i)).save(&memoria, "PNG");
            const std::string arquivo =
                pasta.filePath(QStringLiteral("quadro-%1.png").arg(i + 1, 4, 10, QLatin1Char('0')))
                    .toStdString();
            grava("--animacao", arquivo, [&] {
                gravaArquivo(arquivo, std::string_view(png.constData(),
                                                       static_cast<std::size_t>(png.size())));
            });
        }
    } else {
        pedido.formato = *formatoDaAnimacao(l.animacao);
        const std::string bytes = animacaoDaReprisa(pedido, quadro);
        grava("--animacao", l.animacao, [&] { gravaArquivo(l.animacao, bytes); });
    }
    std::printf("animacao_quadros=%zu\n", gravados.size());
}

// A map of these data as the window saves it: its grid, weights, labels and attribute names.
TCodebook codebookDoTreino(const TDadosLab& dados, const TConfiguracaoLab& c,
                           const TResultadoLab& r) {
    auto extras = std::make_shared<TExtrasMapa>();
    if (dados.nomes.size() == static_cast<std::size_t>(dados.dimensao)) extras->nomes = dados.nomes;
    return codebookDoMapaLab(*dadosDoMapaLab(c.grade, dados, r, extras), c);
}

std::string comVirgula(double v) {
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.4g", v);
    std::string s = texto;
    for (char& ch : s)
        if (ch == '.') ch = ',';
    return s;
}

// The window's suggestion as the options that give it, one line to copy.
void imprimeSugestao(const TConfiguracaoLab& c) {
    const auto token = [&](TAjusteLab ajuste) { return tokenDoAjuste(c, ajuste); };
    std::printf(
        "--mapa %dx%d --topologia %s%s --vizinhanca %s --raio %s:%s --epocas %d --modo %s "
        "--inicio %s --decaimento %s",
        c.grade.linhas, c.grade.colunas, token(TAjusteLab::topologia),
        c.grade.toroidal ? " --toroidal" : "", token(TAjusteLab::vizinhanca),
        comVirgula(c.raio.inicial).c_str(), comVirgula(c.raio.final).c_str(), c.epocas,
        token(TAjusteLab::modo), token(TAjusteLab::inicio), token(TAjusteLab::decaimento));
    if (c.modo == TModoLab::online)
        std::printf(" --taxa %s:%s --ordem %s", comVirgula(c.taxa.inicial).c_str(),
                    comVirgula(c.taxa.final).c_str(), token(TAjusteLab::ordem));
    std::printf("\n");
}

int executa(TLinha& l) {
    defineSeparadorDecimal(',');
    const std::string recusa = l.busca.empty() ? defineBuscaDoAmbiente() : defineBusca(l.busca);
    if (!recusa.empty()) falha(recusa);
    TConfiguracaoLab& c = l.config;
    if (c.modo == TModoLab::lote && l.temTaxa)
        escreveTexto(stderr,
                     QStringLiteral("norvika-lab: %1\n")
                         .arg(QCoreApplication::translate(
                             "NorvikaLab", "o treino em lote não usa a taxa de aprendizado.")));

    confereSaidas({{QCoreApplication::translate("NorvikaLab", "dados").toStdString(), l.dados},
                   {"--inicio", l.inicioCod}},
                  {{"--saida", l.saida},
                   {"--grafo", l.competitiva.grafo},
                   {"--vencedores", l.vencedores},
                   {"--animacao",
                    !l.animacao.empty() && l.animacao.back() != '/' ? l.animacao : std::string()},
                   {"--salvar-inicio", l.salvarInicio}});
    TOpcoesImportacao opcoes = opcoesDaCargaLab(l.dados);
    if (l.rotulo) {
        opcoes.semRotulo = *l.rotulo == "nenhum";
        if (!opcoes.semRotulo) opcoes.rotulo = *l.rotulo;
    }
    if (l.ausentes) opcoes.ausentes = *l.ausentes;
    const auto t0 = std::chrono::steady_clock::now();
    const TCargaLab carga = carregaDadosLab(l.dados, nullptr, &opcoes);
    if (!carga.importado && (l.rotulo || l.ausentes))
        falha(QCoreApplication::translate(
                  "NorvikaLab",
                  "--rotulo e --ausentes valem para tabelas; %1 é um arquivo de padrões, que "
                  "já traz o rótulo e não tem valores ausentes.")
                  .arg(qt(l.dados)));
    const auto t1 = std::chrono::steady_clock::now();
    const TDadosLab& dados = carga.dados;
    if (l.sugerir) {
        imprimeSugestao(sugestaoLab(dados));
        return 0;
    }
    if (l.competitiva.modelo)
        return executaCompetitivo(l.competitiva, carga,
                                  c.inicio == TInicioLab::pesos ? l.inicioCod : std::string(),
                                  l.saida, segundos(t1 - t0));
    if (c.inicio == TInicioLab::pesos) {
        const TCodebook inicial = leCodebook(l.inicioCod);
        if (inicial.linhas != c.grade.linhas || inicial.colunas != c.grade.colunas ||
            inicial.dimensao != dados.dimensao)
            falha(QCoreApplication::translate(
                      "NorvikaLab",
                      "O mapa inicial %1 tem %2 x %3 unidades de %4 valores; o treino "
                      "pede %5 x %6 de %7.")
                      .arg(qt(l.inicioCod), QString::number(inicial.linhas),
                           QString::number(inicial.colunas), QString::number(inicial.dimensao),
                           QString::number(c.grade.linhas), QString::number(c.grade.colunas),
                           QString::number(dados.dimensao)));
        for (const double v : inicial.pesos)
            if (std::isnan(v))
                falha(QCoreApplication::translate("NorvikaLab",
                                                  "O mapa inicial %1 tem valores ausentes.")
                          .arg(qt(l.inicioCod)));
        c.pesosIniciais = inicial.pesos;
    }
    if (const std::string m = validaConfiguracao(c, dados); !m.empty()) falha(m);

    if (!l.salvarInicio.empty()) {
        // The weights the training below starts from.
        TResultadoLab inicio;
        inicio.pesos = pesosIniciaisLab(dados, c);
        TCodebook cod = codebookDoTreino(dados, c, inicio);
        cod.comentarios = {"mapa inicial de norvika-lab (" + l.dados + ")"};
        grava("--salvar-inicio", l.salvarInicio, [&] { gravaCodebook(cod, l.salvarInicio); });
    }

    // The instants the animation shows, recorded as the training passes them (the starting map is
    // epoch 0), and the errors of each epoch for their captions.
    std::vector<TGravado> gravados;
    std::vector<TEpocaLab> curva;
    TControle controle;
    std::vector<std::size_t> epocas;
    if (!l.animacao.empty()) {
        epocas = quadrosEscolhidos(static_cast<std::size_t>(c.epocas) + 1, l.quadros);
        const std::uint64_t porQuadro = static_cast<std::uint64_t>(c.grade.unidades()) *
                                            static_cast<std::uint64_t>(dados.dimensao) *
                                            sizeof(double) +
                                        dados.padroes() * sizeof(std::int32_t);
        if (porQuadro * epocas.size() > kMaximoBytesAnimacao)
            falha(QCoreApplication::translate(
                      "NorvikaLab",
                      "os %1 quadros da animação não cabem na memória que o programa se permite "
                      "usar: peça menos com --quadros.")
                      .arg(epocas.size()));
        if (l.vista && l.vista->tipo == TTipoVista::Propriedade) {
            // The column is checked before the training, which may be long: any map of these
            // data offers the same columns.
            const std::vector<double> pesos(static_cast<std::size_t>(c.grade.unidades()) *
                                                static_cast<std::size_t>(dados.dimensao),
                                            0.0);
            const std::vector<std::int32_t> vencedores(dados.padroes(), 0);
            propriedadeDaFerramenta(
                *dadosDoMapaLab(c.grade, dados, resumoLab(dados, c.grade, pesos, vencedores),
                                extrasDosDadosLab(carga, nullptr)),
                l.vista->coluna);
        }
        controle.querInstantaneo = [&](std::int64_t feitos) {
            return std::binary_search(epocas.begin(), epocas.end(),
                                      static_cast<std::size_t>(feitos));
        };
        controle.aoInstantaneo = [&](const TInstantaneo& i) {
            gravados.push_back({i.ciclos, i.pesos, i.vencedores});
        };
    }
    const auto t2 = std::chrono::steady_clock::now();
    const TResultadoLab r =
        l.animacao.empty() ? treinaLab(dados, c)
                           : treinaLab(dados, c, &controle, [&](std::int32_t, const TEpocaLab& e) {
                                 curva.push_back(e);
                             });
    const auto t3 = std::chrono::steady_clock::now();
    if (l.temThreads && c.threads == 2 && r.threads < 2)
        escreveTexto(stderr, QStringLiteral("norvika-lab: %1\n")
                                 .arg(c.modo == TModoLab::online
                                          ? QCoreApplication::translate(
                                                "NorvikaLab",
                                                "o treino online apresenta um padrão de cada vez: "
                                                "--threads 2 não o acelera.")
                                          : QCoreApplication::translate(
                                                "NorvikaLab",
                                                "estes dados são pequenos demais para duas "
                                                "threads: usada uma.")));

    std::printf("motor=%s\n", nomeDaBusca());
    std::printf("threads=%d\n", r.threads);
    std::printf("padroes=%zu\n", dados.padroes());
    std::printf("dimensao=%d\n", dados.dimensao);
    std::printf("ignorados=%" PRId64 "\n", r.ignorados);
    std::printf("leitura_s=%.4f\n", segundos(t1 - t0));
    std::printf("treino_s=%.4f\n", segundos(t3 - t2));
    std::printf("erro_quantizacao=%.10g\n", r.quantizacao);
    std::printf("erro_topografico=%.10g\n", r.topografico);
    std::printf("pesos_fnv=%016" PRIx64 "\n", fnv(r.pesos));
    if (!l.temRaio) std::printf("raio_inicial=%.10g\n", c.raio.inicial);
    // A closed ring (1 x N, toroidal) on cities: the tour it gives beside the nearest-neighbour
    // one.
    if (c.grade.toroidal && (c.grade.linhas == 1 || c.grade.colunas == 1) && r.medido) {
        std::printf("percurso_anel=%.10g\n",
                    percursoDoAnel(dados, r.pesos, r.vencedores, c.grade.unidades()).comprimento);
        std::printf("percurso_vizinho_mais_proximo=%.10g\n",
                    percursoDoVizinhoMaisProximo(dados).comprimento);
    }

    if (!l.saida.empty()) {
        const TCodebook cod = codebookDoTreino(dados, c, r);
        grava("--saida", l.saida, [&] { gravaCodebook(cod, l.saida); });
    }
    if (!l.vencedores.empty()) {
        std::vector<std::string> rotulos;
        for (std::size_t i = 0; i < dados.padroes(); ++i) {
            const std::int32_t k = i < dados.rotulo.size() ? dados.rotulo[i] : -1;
            rotulos.push_back(k < 0 ? std::string() : dados.legenda[static_cast<std::size_t>(k)]);
        }
        grava("--vencedores", l.vencedores, [&] {
            gravaArquivo(l.vencedores,
                         textoCsvVencedores(c.grade.colunas, r.vencedores, r.distancias, rotulos));
        });
    }
    if (!l.animacao.empty()) gravaAnimacao(l, carga, gravados, curva);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // An animation is drawn by the views' painters, which need a QGuiApplication (on Qt's
    // offscreen platform: no display); without one the tool stays on QtCore.
    bool pinta = false;
    for (int i = 1; i < argc; ++i)
        pinta = pinta || std::string_view(argv[i]) == "--animacao" ||
                std::string_view(argv[i]) == "--animação";
    if (pinta && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> aplicacao =
        pinta ? std::make_unique<QGuiApplication>(argc, argv)
              : std::make_unique<QCoreApplication>(argc, argv);
    instalaIdiomaDaFerramenta("norvika-lab", argc, argv);
    apagaTemporariosAoTerminar();
    std::string dados;
    try {
        TLinha l = leLinha(argc, argv);
        dados = l.dados;
        return executa(l);
    } catch (const TFalha& f) {
        std::fprintf(stderr, "norvika-lab: %s\n", f.mensagem.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvika-lab: %s\n", mensagemDaFalha(e, dados).c_str());
    }
    return 1;
}

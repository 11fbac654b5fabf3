// norvika-lab's competitive-learning models: options, checks, the run and its outputs.

#include <QCoreApplication>
#include <chrono>
#include <cinttypes>
#include <cstdio>

#include "UBusca.h"
#include "UCodebook.h"
#include "UGraphml.h"
#include "UGravacao.h"
#include "ULabCompetitivo.h"
#include "UOpcoesLab.h"

namespace {

// Which options each model takes, beyond those every model takes.
struct TOpcoesDoModelo {
    TModeloCompetitivo modelo;
    std::set<std::string> opcoes;
};
const std::set<std::string> kComuns = {"--modelo", "--ordem",    "--semente", "--threads",
                                       "--inicio", "--saida",    "--grafo",   "--busca",
                                       "--rotulo", "--ausentes", "--idioma"};
const TOpcoesDoModelo kOpcoesDosModelos[] = {
    {TModeloCompetitivo::hcl, {"--eps", "--unidades", "--epocas", "--sinais"}},
    {TModeloCompetitivo::lbg, {"--unidades", "--epocas"}},
    {TModeloCompetitivo::ng, {"--eps", "--lambda", "--unidades", "--epocas", "--sinais"}},
    {TModeloCompetitivo::ngchl,
     {"--eps", "--lambda", "--idade", "--unidades", "--epocas", "--sinais"}},
    {TModeloCompetitivo::chl, {"--unidades", "--epocas", "--sinais"}},
    {TModeloCompetitivo::gng,
     {"--eps-b", "--eps-n", "--lambda", "--idade-max", "--alfa", "--beta", "--unidades-max",
      "--epocas", "--sinais"}},
    {TModeloCompetitivo::gngu,
     {"--eps-b", "--eps-n", "--lambda", "--idade-max", "--alfa", "--beta", "--unidades-max", "--k",
      "--epocas", "--sinais"}},
    {TModeloCompetitivo::gg,
     {"--eps", "--lambda", "--sigma", "--eps0", "--unidades-max", "--epocas-ajuste"}},
};

const std::set<std::string>& opcoesDo(TModeloCompetitivo m) {
    for (const TOpcoesDoModelo& o : kOpcoesDosModelos)
        if (o.modelo == m) return o.opcoes;
    return kComuns;
}

// A schedule typed as INICIAL[:FINAL]; alone, the value stays constant.
TAgendaLab agendaConstante(const std::string& opcao, const std::string& texto) {
    TAgendaLab a = agenda(opcao, texto, 0.0);
    if (texto.find(':') == std::string::npos) a.final = a.inicial;
    return a;
}

void escreveAviso(const QString& texto) {
    escreveTexto(stderr, QStringLiteral("norvika-lab: %1\n").arg(texto));
}

}  // namespace

bool leOpcaoCompetitiva(const std::string& a, const std::function<std::string()>& valor,
                        TLinhaCompetitiva& l) {
    TConfiguracaoCompetitiva& c = l.config;
    if (a == "--modelo") {
        const std::string v = valor();
        if (v == "som") {
            l.modelo.reset();
        } else if (const std::optional<TModeloCompetitivo> m = modeloDoNome(v)) {
            l.modelo = m;
        } else {
            falha(
                QCoreApplication::translate("NorvikaLab", "%1: \"%2\" não é uma das escolhas (%3).")
                    .arg(qt(a), qt(v),
                         QStringLiteral("som, hcl, lbg, ng, ngchl, chl, gng, gngu, gg")));
        }
    } else if (a == "--eps") {
        c.eps = agendaConstante(a, valor());
    } else if (a == "--lambda") {
        l.lambda = valor();
    } else if (a == "--idade") {
        c.idade = agendaConstante(a, valor());
    } else if (a == "--eps-b") {
        c.epsB = numero(a, valor());
    } else if (a == "--eps-n") {
        c.epsN = numero(a, valor());
    } else if (a == "--idade-max") {
        c.idadeMax = inteiro64(a, valor());
    } else if (a == "--alfa") {
        c.alfa = numero(a, valor());
    } else if (a == "--beta") {
        c.beta = numero(a, valor());
    } else if (a == "--k") {
        c.k = numero(a, valor());
    } else if (a == "--unidades-max") {
        c.unidadesMax = inteiro(a, valor());
    } else if (a == "--sigma") {
        c.sigma = numero(a, valor());
    } else if (a == "--eps0") {
        c.eps0 = numero(a, valor());
    } else if (a == "--epocas-ajuste" || a == "--épocas-ajuste") {
        c.epocasAjuste = inteiro64(a, valor());
    } else if (a == "--sinais") {
        c.sinais = inteiro64(a, valor());
        if (c.sinais < 1)
            falha(QCoreApplication::translate("NorvikaLab", "--sinais deve ser ao menos 1."));
    } else if (a == "--unidades") {
        c.unidades = inteiro(a, valor());
        if (c.unidades < 1)
            falha(QCoreApplication::translate("NorvikaLab", "--unidades deve ser ao menos 1."));
    } else if (a == "--grafo") {
        l.grafo = valor();
    } else {
        return false;
    }
    return true;
}

void concluiCompetitiva(TLinhaCompetitiva& l, const std::set<std::string>& dadas,
                        const TConfiguracaoLab& som) {
    l.dadas = dadas;
    if (!l.modelo) {
        // The models' own options: all they take but the epochs, which the SOM takes too.
        std::set<std::string> proprias = {"--grafo"};
        for (const TOpcoesDoModelo& o : kOpcoesDosModelos)
            proprias.insert(o.opcoes.begin(), o.opcoes.end());
        proprias.erase("--epocas");
        for (const std::string& opcao : dadas)
            if (proprias.contains(opcao))
                falha(QCoreApplication::translate(
                          "NorvikaLab",
                          "%1 vale para os modelos de aprendizado competitivo: escolha um com "
                          "--modelo.")
                          .arg(qt(opcao)));
        return;
    }
    const TModeloCompetitivo m = *l.modelo;
    const std::set<std::string>& proprias = opcoesDo(m);
    for (const std::string& opcao : dadas)
        if (!kComuns.contains(opcao) && !proprias.contains(opcao))
            falha(QCoreApplication::translate("NorvikaLab", "%1 não vale para --modelo %2.")
                      .arg(qt(opcao), QString::fromLatin1(nomeDoModelo(m))));
    TConfiguracaoCompetitiva& c = l.config;
    c.modelo = m;
    c.ordem = som.ordem;
    c.semente = som.semente;
    c.threads = som.threads;
    if (dadas.contains("--inicio") && som.inicio != TInicioLab::pesos &&
        som.inicio != TInicioLab::amostras)
        falha(QCoreApplication::translate(
            "NorvikaLab",
            "--inicio: os modelos de aprendizado competitivo começam de padrões sorteados "
            "(amostras) ou das unidades de um arquivo."));
    if (!l.lambda.empty()) {
        if (m == TModeloCompetitivo::ng || m == TModeloCompetitivo::ngchl)
            c.lambdaNg = agendaConstante("--lambda", l.lambda);
        else
            c.lambda = inteiro64("--lambda", l.lambda);
    }
    if (m == TModeloCompetitivo::gg) return;
    if (dadas.contains("--epocas"))
        c.epocas = som.epocas;
    else if (!dadas.contains("--sinais"))
        falha(m == TModeloCompetitivo::lbg
                  ? QCoreApplication::translate("NorvikaLab", "Falta --epocas E.")
                  : QCoreApplication::translate("NorvikaLab", "Falta --epocas E ou --sinais T."));
}

int executaCompetitivo(TLinhaCompetitiva& l, const TCargaLab& carga, const std::string& inicio,
                       const std::string& saida, double leitura) {
    TConfiguracaoCompetitiva& c = l.config;
    const TDadosLab& dados = carga.dados;
    const char* modelo = nomeDoModelo(c.modelo);
    if (!inicio.empty()) {
        TCodebook lidas;
        try {
            lidas = leUnidades(inicio);
        } catch (const std::exception& e) {
            falha(QCoreApplication::translate("NorvikaLab", "--inicio \"%1\": %2")
                      .arg(qt(inicio), QString::fromUtf8(e.what())));
        }
        if (lidas.pesos.empty())
            falha(QCoreApplication::translate("NorvikaLab", "--inicio \"%1\" não tem unidades.")
                      .arg(qt(inicio)));
        if (lidas.dimensao != dados.dimensao)
            falha(QCoreApplication::translate("NorvikaLab",
                                              "As unidades de %1 têm %2 valores; os dados têm %3.")
                      .arg(qt(inicio))
                      .arg(lidas.dimensao)
                      .arg(dados.dimensao));
        const std::size_t n = lidas.pesos.size() / static_cast<std::size_t>(lidas.dimensao);
        const bool fixas = c.modelo == TModeloCompetitivo::gng ||
                           c.modelo == TModeloCompetitivo::gngu ||
                           c.modelo == TModeloCompetitivo::gg;
        const std::int32_t usadas = fixas ? (c.modelo == TModeloCompetitivo::gg ? 4 : 2) : 0;
        if (!fixas && l.dadas.contains("--unidades"))
            falha(QCoreApplication::translate(
                "NorvikaLab",
                "--unidades e --inicio ARQUIVO não combinam: as unidades são as do arquivo."));
        if (fixas && n > static_cast<std::size_t>(usadas))
            escreveAviso(QCoreApplication::translate(
                             "NorvikaLab",
                             "o modelo %1 começa com %2 unidades: as %2 primeiras de %3 são "
                             "usadas, as outras ficam de fora.")
                             .arg(QString::fromLatin1(modelo))
                             .arg(usadas)
                             .arg(qt(inicio)));
        c.inicio = std::move(lidas.pesos);
    }
    if (const std::string m = validaCompetitiva(c, dados); !m.empty()) falha(m);

    const auto t0 = std::chrono::steady_clock::now();
    const TResultadoCompetitivo r = treinaCompetitivo(dados, c);
    const double treino = segundos(std::chrono::steady_clock::now() - t0);

    std::printf("motor=%s\n", nomeDaBusca());
    std::printf("modelo=%s\n", modelo);
    std::printf("threads=%d\n", r.threads);
    std::printf("padroes=%zu\n", dados.padroes());
    std::printf("dimensao=%d\n", dados.dimensao);
    std::printf("ignorados=0\n");
    std::printf("leitura_s=%.4f\n", leitura);
    std::printf("treino_s=%.4f\n", treino);
    std::printf("erro_quantizacao=%.10g\n", r.quantizacao);
    if (r.topografico) std::printf("erro_topografico=%.10g\n", *r.topografico);
    std::printf("pesos_fnv=%016" PRIx64 "\n", fnv(r.pesos));
    std::printf("unidades=%d\n", r.unidades());
    std::printf("arestas=%zu\n", r.arestas.size());
    std::printf("sinais=%" PRId64 "\n", r.sinais);
    std::printf("sinais_por_s=%.0f\n", treino > 0.0 ? static_cast<double>(r.sinais) / treino : 0.0);
    if (c.modelo == TModeloCompetitivo::lbg) std::printf("epocas_feitas=%d\n", r.epocasFeitas);
    if (c.modelo == TModeloCompetitivo::gg) std::printf("grade=%dx%d\n", r.linhas, r.colunas);

    const bool comNomes = dados.nomes.size() == static_cast<std::size_t>(dados.dimensao);
    if (!saida.empty()) {
        grava("--saida", saida, [&] {
            if (c.modelo == TModeloCompetitivo::gg) {
                TCodebook cod;
                cod.dimensao = dados.dimensao;
                cod.linhas = r.linhas;
                cod.colunas = r.colunas;
                cod.gaussiana = true;
                cod.pesos = r.pesos;
                if (comNomes) cod.nomes = dados.nomes;
                cod.comentarios = {std::string("norvika-lab modelo=gg")};
                gravaCodebook(cod, saida);
            } else {
                gravaArquivo(saida, textoDasUnidades(dados.dimensao, r.pesos));
            }
        });
    }
    if (!l.grafo.empty()) {
        TGrafoUnidades g;
        g.dimensao = dados.dimensao;
        g.pesos = r.pesos;
        if (comNomes) g.nomes = dados.nomes;
        for (const TArestaCompetitiva& a : r.arestas) g.arestas.push_back({a.a, a.b, a.idade});
        grava("--grafo", l.grafo, [&] { gravaArquivo(l.grafo, textoGraphml(g)); });
    }
    return 0;
}

const char* ajudaCompetitiva() {
    return QT_TRANSLATE_NOOP(
        "NorvikaLab",
        "Modelos de aprendizado competitivo (--modelo; sem ele, o SOM acima):\n"
        "  --modelo hcl     aprendizado competitivo duro (k-médias online): --eps, --unidades\n"
        "  --modelo lbg     Linde-Buzo-Gray (k-médias em lote): --unidades, --epocas; para\n"
        "                   antes na primeira época em que nenhum padrão troca de unidade\n"
        "  --modelo ng      gás neural: --eps, --lambda INICIAL[:FINAL], --unidades\n"
        "  --modelo ngchl   gás neural com arestas de Hebb: também --idade INICIAL[:FINAL]\n"
        "  --modelo chl     só as arestas de Hebb, sem mover as unidades: --unidades\n"
        "  --modelo gng     gás neural crescente: --eps-b, --eps-n, --lambda N, --idade-max,\n"
        "                   --alfa, --beta, --unidades-max\n"
        "  --modelo gngu    o mesmo com utilidade, para distribuições que se movem: também --k\n"
        "  --modelo gg      grid crescente: --eps0, --sigma, --lambda N, --unidades-max, e o\n"
        "                   ajuste fino --eps INICIAL[:FINAL] por --epocas-ajuste (padrão: 10)\n"
        "  --epocas E | --sinais T          T sinais, um padrão cada (padrão: E x padrões);\n"
        "                                   o gg não os usa\n"
        "  --unidades K                     unidades iniciais, padrões distintos sorteados\n"
        "                                   (padrão: 20; gng e gngu começam com 2, gg com 4)\n"
        "  --inicio ARQUIVO                 as unidades iniciais, como --saida as grava ou num\n"
        "                                   .cod do SOM_PAK\n"
        "  --saida ARQUIVO                  as unidades: a dimensão na primeira linha, depois\n"
        "                                   uma unidade por linha; o gg grava um .cod\n"
        "  --grafo ARQ.graphml              as unidades e as arestas em GraphML (networkx,\n"
        "                                   igraph, Gephi)\n"
        "Padrões: --eps 0,5:0,005 (gg: 0,1:0,005), --lambda 10:0,01 (ng) ou 300 (gng) ou 30\n"
        "(gg), --idade 20:200, --eps-b 0,05, --eps-n 0,0006, --idade-max 88, --alfa 0,5,\n"
        "--beta 0,0005, --k 3, --unidades-max 100, --sigma 0,7, --eps0 0,005; as agendas são\n"
        "exponenciais. Saída, além das do SOM: modelo=, unidades=, arestas=, sinais=,\n"
        "sinais_por_s= e, no lbg, epocas_feitas=; no gg, grade=.\n");
}

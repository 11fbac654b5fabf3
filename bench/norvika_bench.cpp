// norvika-bench: reads a pattern file, builds a map from a seeded generator, trains it and prints
// one name=value line per measure, so that engines and machines can be compared.
//
//   norvika-bench FILE --linhas L --colunas C --raio R --vizinhanca MANHATTAN|GRID
//                 (--ciclos N | --decrementar-raio) --taxa 0,1 --evolucao 100 --semente S
//                 [--referencia] [--threads T] [--por-ciclo] [--controle]
//
// --referencia trains with the plain reference loops; --threads 1 or 2 fixes the fast engine's
// threads (by default it chooses); --por-ciclo prints each cycle's time on the error output;
// --controle trains as the window does: on a worker thread, with a stop control that never fires,
// watched 20 times a second from the main thread; --erros records the error curve as the map
// explorer does, and prints the time its measures took and the last point; --busca (or the
// environment variable NORVIKA_BUSCA) chooses the search kernel instead of the processor's best.
// memoria_leitura_mb is the process's peak resident memory once the file is read.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <limits>
#include <string>
#include <string_view>
#include <thread>

#include <sys/resource.h>

#include "UArquivoPadroes.h"
#include "UBusca.h"
#include "UCurvaErros.h"
#include "UNumeros.h"
#include "URede.h"
#include "UTreinoRapido.h"

namespace {

struct Opcoes {
    std::string arquivo;
    std::int32_t linhas = 12, colunas = 14, raio = 3;
    std::string vizinhanca = "GRID";
    bool porCiclos = false;
    std::int32_t ciclos = 1;
    std::string taxa = "0,1", evolucao = "100";
    std::uint32_t semente = 1;
    bool referencia = false;
    bool porCiclo = false;
    bool controle = false;
    bool erros = false;
    std::string busca;
    int threads = 0;
};

[[noreturn]] void uso(const char* motivo) {
    std::fprintf(stderr,
                 "norvika-bench: %s\n"
                 "uso: norvika-bench ARQUIVO --linhas L --colunas C --raio R --vizinhanca "
                 "MANHATTAN|GRID (--ciclos N | --decrementar-raio) --taxa 0,1 --evolucao 100 "
                 "--semente S [--referencia] [--threads T] [--por-ciclo] [--controle] [--erros] "
                 "[--busca escalar|avx2|avx512]\n",
                 motivo);
    std::exit(2);
}

void ajuda() {
    std::fputs(
        "Uso: norvika-bench ARQUIVO --linhas L --colunas C --raio R --vizinhanca MANHATTAN|GRID\n"
        "                   (--ciclos N | --decrementar-raio) --taxa 0,1 --evolucao 100 --semente "
        "S\n"
        "                   [--referencia] [--threads T] [--por-ciclo] [--controle] [--erros]\n"
        "                   [--busca escalar|avx2|avx512]\n"
        "Treina um mapa de Kohonen num arquivo de padrões, como o Norvika, e imprime uma linha\n"
        "nome=valor por medida: apresentacoes, leitura_s, treino_s, ns_por_termo (tempo por\n"
        "apresentação × neurônio × valor), pesos_fnv e contagens_fnv (hashes FNV-1a dos pesos\n"
        "finais e das contagens de vitórias), motor e threads.\n"
        "\n"
        "Opções:\n"
        "  --linhas L           linhas do mapa (padrão 12)\n"
        "  --colunas C          colunas do mapa (padrão 14)\n"
        "  --raio R             raio inicial da vizinhança (padrão 3)\n"
        "  --vizinhanca V       MANHATTAN ou GRID (padrão GRID)\n"
        "  --ciclos N           treina N ciclos\n"
        "  --decrementar-raio   treina até o raio chegar a zero; --ciclos ou esta é obrigatória\n"
        "  --taxa T             taxa de aprendizado inicial, com vírgula decimal (padrão 0,1)\n"
        "  --evolucao E         taxa de evolução em %, de 1 a 100 (padrão 100)\n"
        "  --semente S          semente dos pesos iniciais, de 0 a 4294967295 (padrão 1)\n"
        "  --referencia         usa os laços de referência em vez do motor rápido\n"
        "  --threads T          fixa as threads do motor rápido: 1 ou 2 (0, o padrão, escolhe)\n"
        "  --por-ciclo          imprime o tempo de cada ciclo na saída de erros\n"
        "  --controle           treina como a janela: numa thread de trabalho, com um controle\n"
        "                       de parada que nunca dispara, observado 20 vezes por segundo\n"
        "  --erros              grava a curva de erros como o explorador do mapa e imprime\n"
        "                       erros_pontos, erros_s, erro_quantizacao e erro_topografico\n"
        "  --busca K            núcleo de busca: escalar, avx2 ou avx512 (padrão: a variável\n"
        "                       NORVIKA_BUSCA, ou o melhor que o processador tem)\n"
        "  -h, --help           mostra esta ajuda e sai\n"
        "\n"
        "Os hashes são os mesmos com qualquer opção de motor, threads ou núcleo.\n",
        stdout);
    std::exit(0);
}

// A whole number written with decimal digits only (a "-" first where `minimo` is negative), within
// [minimo, maximo]; anything else ends the program with a message naming the option.
std::int64_t inteiroDaOpcao(std::string_view opcao, const std::string& texto, std::int64_t minimo,
                            std::int64_t maximo) {
    const std::string_view digitos =
        !texto.empty() && texto[0] == '-' ? std::string_view(texto).substr(1) : texto;
    bool valido = !digitos.empty() && digitos.size() <= 18 && (texto[0] != '-' || minimo < 0);
    for (const char c : digitos) valido = valido && c >= '0' && c <= '9';
    const std::int64_t valor = valido ? std::stoll(texto) : 0;
    if (!valido || valor < minimo || valor > maximo)
        uso((std::string(opcao) + " espera um número inteiro de " + std::to_string(minimo) + " a " +
             std::to_string(maximo) + ", não \"" + texto + "\"")
                .c_str());
    return valor;
}

Opcoes leOpcoes(int argc, char** argv) {
    Opcoes o;
    bool criterio = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto valor = [&]() -> std::string {
            if (i + 1 >= argc) uso(("falta o valor de " + std::string(a)).c_str());
            return argv[++i];
        };
        constexpr std::int64_t kMaior = std::numeric_limits<std::int32_t>::max();
        auto inteiro = [&](std::int64_t minimo, std::int64_t maximo) {
            return static_cast<std::int32_t>(inteiroDaOpcao(a, valor(), minimo, maximo));
        };
        if (a == "--help" || a == "-h")
            ajuda();
        else if (a == "--linhas")
            o.linhas = inteiro(1, kMaior);
        else if (a == "--colunas")
            o.colunas = inteiro(1, kMaior);
        else if (a == "--raio")
            o.raio = inteiro(0, kMaior);
        else if (a == "--vizinhanca")
            o.vizinhanca = valor();
        else if (a == "--ciclos") {
            o.porCiclos = true;
            o.ciclos = inteiro(1, kMaior);
            criterio = true;
        } else if (a == "--decrementar-raio") {
            o.porCiclos = false;
            criterio = true;
        } else if (a == "--taxa")
            o.taxa = valor();
        else if (a == "--evolucao")
            o.evolucao = valor();
        else if (a == "--semente")
            o.semente = static_cast<std::uint32_t>(inteiroDaOpcao(a, valor(), 0, 0xFFFFFFFF));
        else if (a == "--referencia")
            o.referencia = true;
        else if (a == "--por-ciclo")
            o.porCiclo = true;
        else if (a == "--controle")
            o.controle = true;
        else if (a == "--erros")
            o.erros = true;
        else if (a == "--busca")
            o.busca = valor();
        else if (a == "--threads")
            o.threads = inteiro(0, 2);
        else if (!a.empty() && a[0] != '-' && o.arquivo.empty())
            o.arquivo = std::string(a);
        else
            uso(("opção desconhecida: " + std::string(a)).c_str());
    }
    if (o.arquivo.empty()) uso("falta o arquivo de padrões");
    if (!criterio) uso("escolha --ciclos N ou --decrementar-raio");
    return o;
}

// FNV-1a, 64 bits, over raw bytes.
struct Fnv {
    std::uint64_t h = 0xcbf29ce484222325ull;
    void adiciona(const void* dados, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(dados);
        for (std::size_t i = 0; i < n; ++i) {
            h ^= p[i];
            h *= 0x100000001b3ull;
        }
    }
};

double segundos(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

int executa(const Opcoes& o) {
    defineSeparadorDecimal(',');
    // The search kernel: --busca, else NORVIKA_BUSCA, else the processor's best.
    const std::string recusa = o.busca.empty() ? defineBuscaDoAmbiente() : defineBusca(o.busca);
    if (!recusa.empty()) uso(recusa.c_str());
    TRede rede;
    rede.defineThreads(o.threads);
    rede.arquivoPadroes = o.arquivo;

    const auto t0 = std::chrono::steady_clock::now();
    const TCabecalhoPadroes cab = leCabecalhoPadroes(o.arquivo);
    rede.dimensao = textoParaInteiro(cab.d);
    rede.qtdPadroes = textoParaInteiro(cab.n);
    if (rede.dimensao < 0 || rede.qtdPadroes < 0) throw std::runtime_error("cabeçalho negativo");
    inicializaEntradas(o.arquivo, rede.qtdPadroes, rede.dimensao, rede.entradas);
    const auto t1 = std::chrono::steady_clock::now();
    // The reading's peak, before the map and the training add theirs.
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const long picoLeituraKb = uso.ru_maxrss;

    rede.taxaAprendizado = textoParaDouble(o.taxa);
    rede.taxaEvolucao = textoParaDouble(o.evolucao);
    rede.qtdLinhas = o.linhas;
    rede.qtdColunas = o.colunas;
    rede.raio = o.raio;
    // The radius is clamped to the larger side of the map, as the window does.
    if (rede.raio > rede.qtdLinhas && rede.raio > rede.qtdColunas)
        rede.raio = rede.qtdLinhas >= rede.qtdColunas ? rede.qtdLinhas : rede.qtdColunas;
    TGeradorAleatorio gerador(o.semente);
    rede.inicializaNeuronios(gerador, o.vizinhanca);
    const std::int32_t ultimo = o.porCiclos ? o.ciclos - 1 : rede.raio;

    const auto t2 = std::chrono::steady_clock::now();
    // With --por-ciclo, each cycle's time goes to the error output, for finding where time goes.
    auto anterior = t2;
    TRede::FuncaoStatus status;
    if (o.porCiclo)
        status = [&](double taxa, std::int32_t ciclo, std::int32_t raio) {
            const auto agora = std::chrono::steady_clock::now();
            std::fprintf(stderr, "ciclo=%d raio=%d taxa=%s s=%.4f\n", ciclo, raio,
                         realParaTexto(taxa).c_str(), segundos(agora - anterior));
            anterior = agora;
        };
    // The error curve, measured on the training thread at the cycles the explorer would record.
    TControle controle;
    TCurvaErros curva;
    double segundosErros = 0.0;
    if (o.erros) {
        curva.programa(rede, std::int64_t{ultimo} + 1);
        curva.liga(controle);
        controle.aoInstantaneo = [&](const TInstantaneo& i) {
            const auto inicio = std::chrono::steady_clock::now();
            curva.mede(i, &controle);
            segundosErros += segundos(std::chrono::steady_clock::now() - inicio);
        };
    }
    if (o.controle) {
        std::atomic<bool> terminou{false};
        std::thread trabalho([&] {
            if (o.referencia)
                rede.ativaRedeReferencia(o.porCiclos, ultimo, status, &controle);
            else
                rede.ativaRede(o.porCiclos, ultimo, status, &controle);
            terminou = true;
        });
        std::int64_t ciclosVistos = 0;
        while (!terminou) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ciclosVistos = controle.ciclos.load(std::memory_order_relaxed);
        }
        trabalho.join();
        std::fprintf(stderr, "controle: %lld ciclos vistos antes do fim\n",
                     static_cast<long long>(ciclosVistos));
    } else if (o.referencia) {
        rede.ativaRedeReferencia(o.porCiclos, ultimo, status, &controle);
    } else {
        rede.ativaRede(o.porCiclos, ultimo, status, &controle);
    }
    const auto t3 = std::chrono::steady_clock::now();

    const std::int64_t ciclos = ultimo + 1 > 0 ? ultimo + 1 : 0;
    const std::int64_t apresentacoes = static_cast<std::int64_t>(rede.entradas.size()) * ciclos;
    const double termos =
        static_cast<double>(apresentacoes) * rede.linhasMapa() * rede.colunasMapa() * rede.dimensao;
    Fnv pesos, contagens;
    for (const auto& linha : rede.neuronios)
        for (const TNeuronio& n : linha) {
            pesos.adiciona(n.dados(), static_cast<std::size_t>(n.getQtdPesos()) * sizeof(double));
            const std::int32_t c = n.getAglutinados();
            contagens.adiciona(&c, sizeof c);
        }
    std::printf("apresentacoes=%lld\n", static_cast<long long>(apresentacoes));
    std::printf("leitura_s=%.4f\n", segundos(t1 - t0));
    std::printf("treino_s=%.4f\n", segundos(t3 - t2));
    std::printf("ns_por_termo=%.4f\n", termos > 0 ? segundos(t3 - t2) * 1e9 / termos : 0.0);
    std::printf("pesos_fnv=%016llx\n", static_cast<unsigned long long>(pesos.h));
    std::printf("contagens_fnv=%016llx\n", static_cast<unsigned long long>(contagens.h));
    if (o.erros) {
        const std::vector<TPontoCurva> pontos = curva.pontos();
        const TErros ultimos = pontos.empty() ? TErros{} : pontos.back().erros;
        std::printf("erros_pontos=%zu\n", pontos.size());
        std::printf("erros_s=%.4f\n", segundosErros);
        std::printf("erro_quantizacao=%s\n", realParaTexto(ultimos.quantizacao).c_str());
        std::printf("erro_topografico=%s\n", realParaTexto(ultimos.topografico).c_str());
    }
    std::printf("motor=%s\n", o.referencia ? "referencia" : nomeDaBusca());
    std::printf("threads=%d\n", o.referencia ? 1 : threadsDoTreino(rede, o.threads));
    std::printf("memoria_leitura_mb=%.1f\n", static_cast<double>(picoLeituraKb) / 1024.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return executa(leOpcoes(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvika-bench: %s\n", e.what());
        return 1;
    }
}

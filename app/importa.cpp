// norvika-importa: a table (CSV, TSV, SOM_PAK .dat, ARFF, a spreadsheet's sheet) into a pattern
// file from the command line, with the same reading as the "Importar dados" dialog. Prints what the
// import did; on bad input prints the message, writes nothing and ends with 1.

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "UErros.h"
#include "UFalha.h"
#include "UFerramenta.h"
#include "UImportacao.h"
#include "ULeitorLinhas.h"
#include "UVersao.h"

namespace {

// The help, written in Portuguese and printed in the language of the run.
constexpr const char* kAjuda = QT_TRANSLATE_NOOP(
    "NorvikaImporta",
    "Uso: norvika-importa ENTRADA --saida PADROES.txt [opções]\n"
    "Lê uma tabela (CSV, TSV, texto em colunas, .dat do SOM_PAK, ARFF ou uma planilha\n"
    ".xlsx ou .ods) e grava um arquivo de padrões do Norvika (ou um .dat do SOM_PAK,\n"
    "quando a saída termina em .dat).\n"
    "Sem as opções, o separador, a marca decimal e o cabeçalho são detectados.\n"
    "\n"
    "  --saida ARQUIVO                  o arquivo de padrões a gravar\n"
    "  --separador ';'|','|tab|espacos  o separador das colunas\n"
    "  --decimal virgula|ponto          a marca decimal dos números\n"
    "  --cabecalho sim|nao              se a primeira linha tem os nomes das colunas\n"
    "  --planilha NOME|N                a planilha de um .xlsx ou .ods (a primeira por\n"
    "                                   padrão)\n"
    "  --rotulo COLUNA|nenhum           a coluna do rótulo (nome ou número a partir de 1)\n"
    "  --ignorar COL,COL                colunas a deixar de fora (nomes ou números)\n"
    "  --ausentes descartar|media       valores ausentes: descarta a linha (padrão) ou\n"
    "                                   preenche com a média da coluna\n"
    "  --normalizar nenhuma|minmax|z    escala de cada atributo: nenhuma (padrão), para\n"
    "                                   [0, 1], ou escore z (desvio-padrão amostral)\n"
    "  --idioma pt|en                   o idioma das mensagens (português ou inglês),\n"
    "                                   também NORVIKA_IDIOMA\n"
    "  --help                           mostra esta ajuda\n"
    "  --version                        mostra a versão\n");

void ajuda() {
    escreveTexto(stdout, QCoreApplication::translate("NorvikaImporta", kAjuda));
    std::exit(0);
}

std::vector<std::string> separaPorVirgula(const std::string& texto) {
    std::vector<std::string> partes;
    std::string parte;
    for (const char c : texto) {
        if (c == ',') {
            partes.push_back(parte);
            parte.clear();
        } else {
            parte += c;
        }
    }
    partes.push_back(parte);
    return partes;
}

struct TLinha {
    std::string entrada, saida;
    TOpcoesImportacao opcoes;
};

TLinha leOpcoes(int argc, char** argv) {
    TLinha l;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto valor = [&] {
            if (i + 1 >= argc)
                falha(QCoreApplication::translate("NorvikaImporta", "falta o valor de %1")
                          .arg(qt(a)));
            return std::string(argv[++i]);
        };
        // `aceitos` in the run's language, its words as the option takes them.
        auto invalido = [&](const std::string& v, const QString& aceitos) {
            falha(QCoreApplication::translate("NorvikaImporta",
                                              "valor inválido para %1: \"%2\" (use %3)")
                      .arg(qt(a), qt(v), aceitos));
        };
        if (a == "--help" || a == "-h") {
            ajuda();
        } else if (a == "--version") {
            std::printf("norvika-importa %s\n", kVersaoNorvika);
            std::exit(0);
        } else if (a == "--idioma") {
            valor();  // installed at start
        } else if (a == "--saida") {
            l.saida = valor();
        } else if (a == "--separador") {
            const std::string v = valor();
            if (v == ";" || v == ",")
                l.opcoes.separador = v[0];
            else if (v == "tab" || v == "\t")
                l.opcoes.separador = '\t';
            else if (v == "espacos" || v == "espaços")
                l.opcoes.separador = kSeparadorEspacos;
            else
                invalido(v,
                         QCoreApplication::translate("NorvikaImporta", "';', ',', tab ou espacos"));
        } else if (a == "--decimal") {
            const std::string v = valor();
            if (v == "virgula" || v == "vírgula" || v == ",")
                l.opcoes.decimal = ',';
            else if (v == "ponto" || v == ".")
                l.opcoes.decimal = '.';
            else
                invalido(v, QCoreApplication::translate("NorvikaImporta", "virgula ou ponto"));
        } else if (a == "--cabecalho") {
            const std::string v = valor();
            if (v == "sim")
                l.opcoes.cabecalho = true;
            else if (v == "nao" || v == "não")
                l.opcoes.cabecalho = false;
            else
                invalido(v, QCoreApplication::translate("NorvikaImporta", "sim ou nao"));
        } else if (a == "--planilha") {
            l.opcoes.planilha = valor();
        } else if (a == "--rotulo") {
            const std::string v = valor();
            if (v == "nenhum")
                l.opcoes.semRotulo = true;
            else
                l.opcoes.rotulo = v;
        } else if (a == "--ignorar") {
            for (const std::string& c : separaPorVirgula(valor()))
                if (!c.empty()) l.opcoes.ignorar.push_back(c);
        } else if (a == "--ausentes") {
            const std::string v = valor();
            if (v == "descartar")
                l.opcoes.ausentes = TAusentes::descartar;
            else if (v == "media" || v == "média")
                l.opcoes.ausentes = TAusentes::media;
            else
                invalido(v, QCoreApplication::translate("NorvikaImporta", "descartar ou media"));
        } else if (a == "--normalizar") {
            const std::string v = valor();
            if (v == "nenhuma")
                l.opcoes.normalizacao = TNormalizacao::nenhuma;
            else if (v == "minmax")
                l.opcoes.normalizacao = TNormalizacao::minmax;
            else if (v == "z")
                l.opcoes.normalizacao = TNormalizacao::z;
            else
                invalido(v, QCoreApplication::translate("NorvikaImporta", "nenhuma, minmax ou z"));
        } else if (a.size() > 1 && a[0] == '-') {
            falha(
                QCoreApplication::translate("NorvikaImporta", "opção desconhecida: %1").arg(qt(a)));
        } else if (l.entrada.empty()) {
            l.entrada = a;
        } else {
            falha(QCoreApplication::translate("NorvikaImporta", "argumento a mais: %1").arg(qt(a)));
        }
    }
    if (l.entrada.empty())
        falha(QCoreApplication::translate("NorvikaImporta",
                                          "falta o arquivo de entrada (veja --help)"));
    if (l.saida.empty())
        falha(QCoreApplication::translate("NorvikaImporta", "falta --saida PADROES.txt"));
    return l;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    instalaIdiomaDaFerramenta("norvika-importa", argc, argv);
    apagaTemporariosAoTerminar();
    std::string entrada;
    try {
        const TLinha l = leOpcoes(argc, argv);
        entrada = l.entrada;
        confereSaidas(
            {{QCoreApplication::translate("NorvikaImporta", "entrada").toStdString(), l.entrada}},
            {{"--saida", l.saida}});
        const TImportacao importacao = importaTabela(l.entrada, l.opcoes);
        try {
            gravaPadroes(importacao, l.saida);
        } catch (const EEntradaSaida& e) {
            falha(QCoreApplication::translate("NorvikaImporta",
                                              "não foi possível gravar --saida \"%1\": %2")
                      .arg(qt(l.saida), QString::fromUtf8(e.what())));
        }
        for (const std::string& linha : relatorioDaImportacao(importacao))
            std::printf("%s\n", linha.c_str());
        escreveTexto(
            stdout,
            QCoreApplication::translate("NorvikaImporta", "Gravado: %1\n").arg(qt(l.saida)));
        return 0;
    } catch (const TFalha& f) {
        std::fprintf(stderr, "norvika-importa: %s\n", f.mensagem.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "norvika-importa: %s\n", mensagemDaFalha(e, entrada).c_str());
    }
    return 1;
}

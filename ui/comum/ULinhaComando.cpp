#include "ULinhaComando.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "UVersao.h"

namespace {

// Qt's own help layout would put English headings around these ("Usage:", "Options:"), since no
// translation is loaded before the application object exists; the help is written out instead.
const QCommandLineOption kAjuda(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kVersao(QStringList{QStringLiteral("v"), QStringLiteral("version")});
const QCommandLineOption kLaboratorio(QStringLiteral("laboratorio"), QString());
const QCommandLineOption kIdioma(QStringLiteral("idioma"), QString(), QStringLiteral("pt|en"));

}  // namespace

TLinhaComando leLinhaComando(const QStringList& argumentos) {
    QCommandLineParser leitor;
    // Until Qt has taken its options out, "-stylesheet" must not read as -s -t -y -l -e -s -h ...:
    // a one-dash word is one option.
    leitor.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    leitor.addOption(kAjuda);
    leitor.addOption(kVersao);
    leitor.addOption(kLaboratorio);
    leitor.addOption(kIdioma);
    TLinhaComando linha;
    const bool aceita = leitor.parse(argumentos);
    linha.ajuda = leitor.isSet(kAjuda);
    linha.versao = leitor.isSet(kVersao);
    linha.laboratorio = leitor.isSet(kLaboratorio);
    if (leitor.isSet(kIdioma)) linha.idioma = leitor.value(kIdioma);
    const QStringList arquivos = leitor.positionalArguments();
    if (!arquivos.isEmpty()) linha.arquivo = arquivos.first();
    if (!aceita) {
        const QStringList desconhecidas = leitor.unknownOptionNames();
        if (desconhecidas.isEmpty()) {
            linha.erro = leitor.errorText();
        } else {
            const QString nome = desconhecidas.first();
            const bool umTraco = argumentos.contains(QStringLiteral("-") + nome);
            linha.erro = QCoreApplication::translate("ULinhaComando", "opção desconhecida: %1%2")
                             .arg(umTraco ? QStringLiteral("-") : QStringLiteral("--"), nome);
        }
    } else if (arquivos.size() > 1) {
        linha.erro = QCoreApplication::translate("ULinhaComando",
                                                 "só um arquivo pode ser aberto de cada vez");
    }
    return linha;
}

QString textoVersao() {
    return QStringLiteral("Norvika %1\n").arg(QLatin1String(kVersaoNorvika));
}

QString textoAjuda() {
    return QCoreApplication::translate(
               "ULinhaComando",
               "Uso: norvika [opções] [ARQUIVO]\n"
               "Norvika %1: ensino e experimentação com mapas auto-organizáveis de Kohonen.\n"
               "\n"
               "Opções:\n"
               "  -h, --help        Mostra esta ajuda e sai.\n"
               "  -v, --version     Mostra a versão do programa e sai.\n"
               "  --laboratorio     Abre o laboratório, com o ARQUIVO quando dado. O laboratório\n"
               "                    treina mapas hexagonais ou retangulares, planos ou toroidais,\n"
               "                    com vizinhança gaussiana ou bolha, online ou em lote; um\n"
               "                    ARQUIVO .norvika-lab é uma sessão gravada por ele.\n"
               "  --idioma pt|en    O idioma desta execução (português ou inglês), sem mudar a\n"
               "                    escolha de Exibir → Idioma.\n"
               "\n"
               "Argumento:\n"
               "  ARQUIVO           Um arquivo de padrões, que vai para a caixa \"Caminho:\" da\n"
               "                    página Treinamento, ou uma rede treinada (.cfg), que é\n"
               "                    carregada como pelo menu Arquivo → Carregar Treinamento;\n"
               "                    qualquer outra tabela (CSV, .dat do SOM_PAK, ARFF) abre em\n"
               "                    Dados → Importar dados.\n"
               "\n"
               "Variáveis de ambiente:\n"
               "  NORVIKA_SEMENTE   Fixa a semente dos pesos iniciais (0 a 4294967295), para\n"
               "                    que toda a turma obtenha o mesmo mapa.\n"
               "  NORVIKA_BUSCA     Escolhe o núcleo de busca (escalar, avx2 ou avx512) em\n"
               "                    vez do melhor que o processador tem; serve para medições.\n"
               "  NORVIKA_IDIOMA    O idioma desta execução (pt ou en), como --idioma.\n"
               "\n"
               "Sem argumentos, o programa abre com a janela vazia.\n")
        .arg(QLatin1String(kVersaoNorvika));
}

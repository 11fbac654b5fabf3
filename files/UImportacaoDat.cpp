// The import of SOM_PAK's .dat: the dimension, the names of a "#n" line, then a pattern a line.

#include <algorithm>
#include <optional>

#include "UImportacaoInterna.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"
#include "UTraducao.h"

namespace importacao {

TImportacao importaSompak(const std::string& caminho, const TOpcoesImportacao& o,
                          TControle* controle) {
    TImportacao t = comecaImportacao(TFormatoTabela::sompak, o);
    t.separador = kSeparadorEspacos;
    TLeitorLinhas leitor(caminho, controle);
    // The line reader drops a CR that no LF follows, which would glue an old Macintosh file's
    // lines together into numbers that are not there.
    if (const std::string inicio = inicioDoArquivo(caminho, 64 * 1024);
        inicio.find('\n') == std::string::npos && inicio.find('\r') != std::string::npos &&
        inicio.find('\r') + 1 < inicio.size())
        throw EImportacao(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens",
            "As linhas deste arquivo terminam só com CR (como nos Macintosh antigos): "
            "grave-o com LF ou CR LF no fim das linhas.")));
    std::int32_t dimensao = -1;
    std::vector<std::string> nomes;
    bool notouPalavras = false;
    std::optional<TColetor> coletor;
    // The dimension's columns, named by the "#n" line, and one more for what follows the values:
    // the label unless chosen otherwise.
    auto colunas = [&] {
        for (std::int32_t k = 0; k < dimensao; ++k) {
            TColuna c;
            c.nome = static_cast<std::size_t>(k) < nomes.size()
                         ? nomes[static_cast<std::size_t>(k)]
                         : "atributo " + std::to_string(k + 1);
            c.numerica = true;
            t.colunas.push_back(std::move(c));
        }
        TColuna r;
        r.nome = "rótulo";
        t.colunas.push_back(std::move(r));
        definePapeis(t, o, static_cast<std::size_t>(dimensao));
    };
    std::vector<std::string_view> campos;
    std::vector<std::string_view> tokens;
    std::string rotulo;
    TValidaUtf8 utf8;
    while (!leitor.fimDoArquivo() && t.linhasLidas < o.maximoLinhas) {
        const std::string_view linha = leitor.proximaLinha();
        utf8.le(linha);
        const std::int64_t numero = leitor.numeroLinha();
        tokens.clear();
        for (std::size_t i = 0; i < linha.size();) {
            while (i < linha.size() && (linha[i] == ' ' || linha[i] == '\t')) ++i;
            const std::size_t ini = i;
            while (i < linha.size() && linha[i] != ' ' && linha[i] != '\t') ++i;
            if (i > ini) tokens.push_back(linha.substr(ini, i - ini));
            if (tokens.size() > static_cast<std::size_t>(std::max(dimensao, 0)) + kMaximoColunas)
                throw EImportacao(
                    mensagem(QT_TRANSLATE_NOOP("Mensagens", "Linha %1: valores demais numa linha."),
                             {leitor.numeroLinha()}));
        }
        if (tokens.empty()) continue;
        if (tokens[0].front() == '#') {
            if (tokens[0] == "#n")
                for (std::size_t k = 1; k < tokens.size(); ++k) nomes.emplace_back(tokens[k]);
            continue;
        }
        if (dimensao < 0) {
            try {
                dimensao = textoParaInteiro(tokens[0]);
            } catch (const std::exception&) {
                dimensao = 0;
            }
            if (dimensao < 1)
                throw EImportacao(mensagem(
                    QT_TRANSLATE_NOOP("Mensagens",
                                      "Linha %1: a primeira linha de um arquivo SOM_PAK deve ser a "
                                      "dimensão (um número inteiro positivo), e não %2."),
                    {numero, citado(tokens[0])}));
            if (static_cast<std::size_t>(dimensao) > kMaximoColunas)
                throw EImportacao(
                    mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                               "Linha %1: a dimensão %2 passa das %3 colunas "
                                               "que a importação lê."),
                             {numero, dimensao, kMaximoColunas}));
            continue;
        }
        if (tokens.size() < static_cast<std::size_t>(dimensao))
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Linha %1: %2 valores, mas a dimensão é %3."),
                {numero, tokens.size(), dimensao}));
        // What follows the values: the label, and keywords (weight=2, fixed=1,2) read and ignored.
        rotulo.clear();
        for (std::size_t k = static_cast<std::size_t>(dimensao); k < tokens.size(); ++k) {
            if (tokens[k].find('=') != std::string_view::npos) {
                notouPalavras = true;
                continue;
            }
            if (!rotulo.empty()) rotulo += ' ';
            rotulo += tokens[k];
        }
        campos.assign(tokens.begin(), tokens.begin() + dimensao);
        campos.emplace_back(rotulo);
        if (!coletor) {
            colunas();  // the names are known by the first pattern
            coletor.emplace(t, leitor.tamanhoArquivo(), controle);
        }
        coletor->adiciona(campos, numero);
    }
    if (dimensao < 0)
        throw EImportacao(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O arquivo está vazio: não há a linha da dimensão.")));
    if (!coletor) colunas();
    if (notouPalavras)
        t.notas.push_back(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens",
            "Palavras-chave do SOM_PAK depois dos valores (como weight= ou fixed=) "
            "foram lidas e ignoradas.")));
    t.utf8 = utf8.valido();
    return t;
}

}  // namespace importacao

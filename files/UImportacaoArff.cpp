// The import of Weka's ARFF: the header's declarations, then the data as comma-separated records.

#include <optional>

#include "UImportacaoInterna.h"
#include "UTraducao.h"

namespace importacao {

TImportacao importaArff(const std::string& caminho, const TOpcoesImportacao& o,
                        TControle* controle) {
    TImportacao t = comecaImportacao(TFormatoTabela::arff, o);
    // The header, up to @data, a whole line at a time (no separator, no quotes).
    TLeitorRegistros leitor(caminho, '\0', TAspas::nenhuma, controle);
    std::optional<std::size_t> ultimoNominal;
    std::vector<std::string_view> campos;
    std::int64_t linha = 0;
    std::string texto;
    for (;;) {
        if (!leitor.proximo(campos, linha))
            throw EImportacao(
                mensagem(QT_TRANSLATE_NOOP("Mensagens", "O arquivo ARFF não tem a seção @data.")));
        texto.clear();
        for (std::size_t k = 0; k < campos.size(); ++k) (texto += k > 0 ? " " : "") += campos[k];
        const std::string_view l = apara(texto);
        if (l.empty() || l.front() == '%') continue;
        const std::size_t espaco = l.find_first_of(" \t");
        const std::string_view palavra = l.substr(0, espaco);
        std::string_view resto =
            espaco == std::string_view::npos ? std::string_view() : apara(l.substr(espaco));
        if (igualSemCaixa(palavra, "@relation")) continue;
        if (igualSemCaixa(palavra, "@data")) break;
        if (!igualSemCaixa(palavra, "@attribute"))
            throw EImportacao(
                mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                           "Linha %1: \"%2\" não é uma declaração "
                                           "do ARFF (@relation, @attribute ou @data)."),
                         {linha, palavra.substr(0, 80)}));
        if (t.colunas.size() == kMaximoColunas)
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens",
                                  "Linha %1: mais de %2 atributos, mais do que a importação lê."),
                {linha, kMaximoColunas}));
        // The name, maybe quoted, then the type.
        std::string nome;
        if (!resto.empty() && (resto.front() == '\'' || resto.front() == '"')) {
            const std::size_t fecha = resto.find(resto.front(), 1);
            if (fecha == std::string_view::npos)
                throw EImportacao(mensagem(
                    QT_TRANSLATE_NOOP("Mensagens",
                                      "Linha %1: falta fechar as aspas do nome do atributo."),
                    {linha}));
            nome = std::string(resto.substr(1, fecha - 1));
            resto = apara(resto.substr(fecha + 1));
        } else {
            const std::size_t fim = resto.find_first_of(" \t");
            nome = std::string(resto.substr(0, fim));
            resto = fim == std::string_view::npos ? std::string_view() : apara(resto.substr(fim));
        }
        TColuna c;
        c.nome = nome;
        if (!resto.empty() && resto.front() == '{') {
            ultimoNominal = t.colunas.size();
        } else if (igualSemCaixa(resto, "numeric") || igualSemCaixa(resto, "real") ||
                   igualSemCaixa(resto, "integer")) {
            c.numerica = true;
        } else if (!igualSemCaixa(resto.substr(0, 6), "string") &&
                   !igualSemCaixa(resto.substr(0, 4), "date")) {
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens",
                                  "Linha %1: o tipo \"%2\" do atributo \"%3\" não é lido (numeric, "
                                  "real, integer, {…}, string ou date)."),
                {linha, resto.substr(0, 80), nome}));
        }
        t.colunas.push_back(std::move(c));
    }
    if (t.colunas.empty())
        throw EImportacao(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O arquivo ARFF não declara nenhum atributo.")));
    // A nominal attribute is the label unless another column was asked for.
    definePapeis(t, o, ultimoNominal);
    // The data: comma-separated, quotes single or double, "?" missing, "%" comments.
    leitor.defineModo(',', TAspas::ambas);
    TColetor coletor(t, leitor.tamanho(), controle);
    while (t.linhasLidas < o.maximoLinhas && leitor.proximo(campos, linha)) {
        if (campos.size() == 1 && apara(campos[0]).empty()) continue;
        const std::string_view primeiro = apara(campos[0]);
        if (!primeiro.empty() && primeiro.front() == '%') continue;
        if (!primeiro.empty() && primeiro.front() == '{')
            throw EImportacao(
                mensagem(QT_TRANSLATE_NOOP(
                             "Mensagens", "Linha %1: linhas esparsas do ARFF ({…}) não são lidas."),
                         {linha}));
        if (campos.size() != t.colunas.size())
            throw EImportacao(
                mensagem(QT_TRANSLATE_NOOP(
                             "Mensagens", "Linha %1: %2 valores, mas o ARFF declara %3 atributos."),
                         {linha, campos.size(), t.colunas.size()}));
        coletor.adiciona(campos, linha);
    }
    t.utf8 = leitor.utf8();
    return t;
}

}  // namespace importacao

// OpenDocument (.ods): content.xml holds every sheet.

#include "UImportacao.h"
#include "UPlanilhaInterna.h"
#include "UTraducao.h"

namespace planilhas {

namespace {

class TConteudoOds : public TLeitorXml {
  public:
    TConteudoOds(TMontagem& montagem, const std::string& planilha, std::vector<std::string>& nomes)
        : montagem_(montagem), planilha_(planilha), nomes_(nomes) {}
    std::int64_t erros = 0, semValor = 0;
    std::optional<std::size_t> escolhida;

    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "table" && profundidadeTabela_++ == 0) {
            contaPlanilha(nomes_.size());
            orcamento().gasta(64 + atributo(a, "name").value_or("").size());
            nomes_.emplace_back(atributo(a, "name").value_or(""));
            const std::size_t i = nomes_.size() - 1;
            lendo_ = !escolhida && (planilha_.empty() ? i == 0
                                                      : nomes_[i] == planilha_ ||
                                                            inteiro(std::string_view(planilha_)) ==
                                                                std::optional<std::int64_t>(i + 1));
            if (lendo_) escolhida = i;
            linha_ = 0;
        } else if (!lendo_ || profundidadeTabela_ != 1) {
            return;  // another sheet, or a table inside a cell
        } else if (nome == "table-row") {
            repeticoesLinha_ = std::clamp<std::int64_t>(
                inteiro(atributo(a, "number-rows-repeated")).value_or(1), 1, kMaximoLinhas + 1);
            montagem_.linha(linha_ + 1);
            coluna_ = 0;
        } else if (nome == "table-cell" || nome == "covered-table-cell") {
            repeticoesCelula_ = std::clamp<std::int64_t>(
                inteiro(atributo(a, "number-columns-repeated")).value_or(1), 1, kMaximoColunas + 1);
            const std::string_view tipo = atributo(a, "value-type", "office").value_or("");
            const bool erro =
                atributo(a, "value-type", "calcext") == std::optional<std::string_view>("error");
            valor_.clear();
            textoDaCelula_ = false;
            if (nome == "covered-table-cell") {
                // part of a merged cell: empty
            } else if (erro) {
                ++erros;  // #DIV/0! and the like: missing
            } else if (tipo == "float" || tipo == "percentage" || tipo == "currency") {
                valor_ = atributo(a, "value").value_or("");
            } else if (tipo == "date") {
                valor_ = atributo(a, "date-value").value_or("");
                std::replace(valor_.begin(), valor_.end(), 'T', ' ');
            } else if (tipo == "time") {
                valor_ = atributo(a, "time-value").value_or("");
            } else {
                textoDaCelula_ = true;  // text, a boolean as shown, or a cell without a type
                if (const auto v = atributo(a, "string-value")) {
                    valor_ = *v;
                    textoDaCelula_ = false;
                }
            }
            if (atributo(a, "formula") && tipo.empty() && !erro) ++semValor;
            paragrafos_ = 0;
        } else if (nome == "annotation") {
            ++anotacao_;
        } else if (nome == "p" && textoDaCelula_ && anotacao_ == 0) {
            if (paragrafos_++ > 0) acrescenta("\n");
        } else if (nome == "s" && textoDaCelula_ && anotacao_ == 0) {
            const auto n = std::clamp<std::int64_t>(inteiro(atributo(a, "c")).value_or(1), 1, 1000);
            acrescenta(std::string(static_cast<std::size_t>(n), ' '));
        } else if (nome == "tab" && textoDaCelula_ && anotacao_ == 0) {
            acrescenta("\t");
        } else if (nome == "line-break" && textoDaCelula_ && anotacao_ == 0) {
            acrescenta("\n");
        }
    }
    void fecha(std::string_view nome) override {
        if (nome == "table") {
            if (--profundidadeTabela_ == 0 && lendo_) {
                montagem_.fechaLinha();
                lendo_ = false;
            }
            return;
        }
        if (!lendo_ || profundidadeTabela_ != 1) return;
        if (nome == "annotation") {
            --anotacao_;
        } else if (nome == "table-cell" || nome == "covered-table-cell") {
            if (!valor_.empty())
                for (std::int64_t i = 0; i < repeticoesCelula_; ++i)
                    montagem_.celula(coluna_ + i, valor_);
            coluna_ += repeticoesCelula_;
        } else if (nome == "table-row") {
            montagem_.fechaLinha(repeticoesLinha_);
            linha_ += repeticoesLinha_;
        }
    }
    void texto(std::string_view s) override {
        if (lendo_ && textoDaCelula_ && anotacao_ == 0 && paragrafos_ > 0) acrescenta(s);
    }

  private:
    void acrescenta(std::string_view s) {
        orcamento().confere(valor_.size() + s.size());
        valor_ += s;
    }

    TMontagem& montagem_;
    const std::string& planilha_;
    std::vector<std::string>& nomes_;
    int profundidadeTabela_ = 0, anotacao_ = 0, paragrafos_ = 0;
    bool lendo_ = false, textoDaCelula_ = false;
    std::int64_t linha_ = 0, coluna_ = 0, repeticoesLinha_ = 1, repeticoesCelula_ = 1;
    std::string valor_;
};

}  // namespace

void leOds(const TZip& zip, const std::string& planilha, TControle* controle, TPlanilhaLida& p) {
    if (!zip.tem("content.xml"))
        danificada(
            QT_TRANSLATE_NOOP("Mensagens", "A planilha não pôde ser lida: falta a parte %1."),
            {"content.xml"});
    TMontagem montagem(p.tabela, zip.orcamento());
    TConteudoOds conteudo(montagem, planilha, p.planilhas);
    conteudo.le(zip, "content.xml", controle);
    if (p.planilhas.empty())
        danificada(QT_TRANSLATE_NOOP(
            "Mensagens", "A planilha não pôde ser lida: não há nenhuma planilha no arquivo."));
    if (!conteudo.escolhida)
        throw EImportacao(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O arquivo não tem a planilha \"%1\"."), {planilha}));
    p.escolhida = *conteudo.escolhida;
    notaDasCelulas(p, conteudo.erros, conteudo.semValor);
}

std::vector<std::string> planilhasOds(const TZip& zip, TControle* controle) {
    // The cells are read past, none kept: no sheet is chosen.
    std::vector<std::string> nomes;
    TTabelaDeTextos nenhuma;
    TMontagem montagem(nenhuma, zip.orcamento());
    const std::string semPlanilha = "\x01";
    TConteudoOds conteudo(montagem, semPlanilha, nomes);
    conteudo.le(zip, "content.xml", controle);
    return nomes;
}

}  // namespace planilhas

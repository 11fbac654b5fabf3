// The import of a sheet of a spreadsheet (UPlanilha reads it): where its table starts, and its
// rows as the other formats' records.

#include <algorithm>
#include <cstdint>

#include "UImportacaoInterna.h"
#include "UPlanilha.h"
#include "UTraducao.h"

namespace importacao {

TImportacao importaPlanilha(const std::string& caminho, const TOpcoesImportacao& o,
                            TControle* controle) {
    TImportacao t = comecaImportacao(TFormatoTabela::planilha, o);
    TPlanilhaLida p = lePlanilha(caminho, o.planilha, controle);
    t.planilhas = std::move(p.planilhas);
    t.planilha = p.escolhida;
    for (std::string& n : p.notas) t.notas.push_back(std::move(n));
    const TTabelaDeTextos& tabela = p.tabela;
    if (tabela.linhas() == 0)
        throw EImportacao(mensagem(QT_TRANSLATE_NOOP("Mensagens", "A planilha \"%1\" está vazia."),
                                   {t.planilhas[t.planilha]}));
    auto cheias = [&](std::size_t r) {
        std::size_t n = 0;
        for (std::size_t c = 0; c < tabela.largura(r); ++c)
            if (!apara(tabela.celula(r, c)).empty()) ++n;
        return n;
    };
    // A title or notes above the table (rows of one cell, where a row further down has more) are
    // passed over; empty rows were never kept.
    std::size_t primeira = 0;
    for (std::size_t r = 0; r < tabela.linhas() && r < 50; ++r)
        if (cheias(r) >= 2) {
            primeira = r;
            break;
        }
    // The columns the table spans: from the first that has a cell to the widest row.
    std::size_t inicio = SIZE_MAX, largura = 0;
    for (std::size_t r = primeira; r < tabela.linhas(); ++r) {
        largura = std::max(largura, tabela.largura(r));
        for (std::size_t c = 0; c < tabela.largura(r) && c < inicio; ++c)
            if (!tabela.celula(r, c).empty()) inicio = c;
    }
    if (tabela.numero(primeira) > 1)
        t.notas.push_back(
            mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                       "A tabela começa na linha %1 da planilha: as linhas acima "
                                       "(vazias, ou com um título) foram ignoradas."),
                     {tabela.numero(primeira)}));
    if (inicio > 0 && inicio != SIZE_MAX)
        t.notas.push_back(
            inicio == 1
                ? mensagem(QT_TRANSLATE_NOOP(
                      "Mensagens", "A primeira coluna da planilha está vazia e foi ignorada."))
                : mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                             "As %1 primeiras colunas da planilha estão "
                                             "vazias e foram ignoradas."),
                           {inicio}));
    std::vector<std::string_view> campos;
    auto linha = [&](std::size_t r) -> const std::vector<std::string_view>& {
        campos.clear();
        for (std::size_t c = inicio; c < largura; ++c) campos.push_back(tabela.celula(r, c));
        return campos;
    };
    std::vector<std::vector<std::string>> amostra;
    for (std::size_t r = primeira; r < tabela.linhas() && amostra.size() < kLinhasDaAmostra; ++r) {
        const auto& l = linha(r);
        amostra.emplace_back(l.begin(), l.end());
    }
    colunasDaAmostra(t, amostra, o);
    TColetor coletor(t, tabela.bytes(), controle);
    for (std::size_t r = primeira + (t.cabecalho ? 1 : 0);
         r < tabela.linhas() && t.linhasLidas < o.maximoLinhas; ++r)
        coletor.adiciona(linha(r), tabela.numero(r));
    return t;
}

}  // namespace importacao

#include "UDadosLab.h"

#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "UArquivoPadroes.h"
#include "UErros.h"
#include "UNumeros.h"
#include "UPadroes.h"
#include "UTraducao.h"

namespace {

// Numbers the distinct labels in the order first met.
class TNumeracao {
  public:
    explicit TNumeracao(TDadosLab& dados) : dados_(dados) {}
    void adiciona(std::string_view rotulo) {
        if (rotulo.empty()) {
            dados_.rotulo.push_back(-1);
            return;
        }
        const auto [it, novo] = indice_.try_emplace(
            std::string(rotulo), static_cast<std::int32_t>(dados_.legenda.size()));
        if (novo) dados_.legenda.emplace_back(rotulo);
        dados_.rotulo.push_back(it->second);
    }

  private:
    TDadosLab& dados_;
    std::unordered_map<std::string, std::int32_t> indice_;
};

}  // namespace

TDadosLab dadosLabDaImportacao(const TImportacao& importacao) {
    TDadosLab d;
    d.dimensao = importacao.dimensao();
    d.valores = importacao.valores;
    for (const std::size_t c : importacao.atributos) d.nomes.push_back(importacao.colunas[c].nome);
    TNumeracao numeracao(d);
    for (std::size_t i = 0; i < importacao.padroes(); ++i) numeracao.adiciona(importacao.rotulo(i));
    return d;
}

TOpcoesImportacao opcoesDaCargaLab(const std::string& caminho) {
    TOpcoesImportacao opcoes;
    if (formatoPeloNome(caminho) == TFormatoTabela::sompak) opcoes.ausentes = TAusentes::manter;
    return opcoes;
}

TCargaLab carregaDadosLab(const std::string& caminho, TControle* controle,
                          const TOpcoesImportacao* opcoes) {
    TCargaLab carga;
    if (temCabecalhoDePadroes(caminho, controle)) {
        // A pattern file always has the decimal comma, whatever the program's numbers use now.
        struct TVirgula {
            char antes = separadorDecimal();
            TVirgula() { defineSeparadorDecimal(','); }
            ~TVirgula() { defineSeparadorDecimal(antes); }
        } virgula;
        const TCabecalhoPadroes cab = leCabecalhoPadroes(caminho, controle);
        const std::int32_t n = textoParaInteiro(cab.n);
        const std::int32_t d = textoParaInteiro(cab.d);
        if (n < 0 || d < 1)
            throw EFormatoArquivo(mensagem(QT_TRANSLATE_NOOP(
                "Mensagens", "O cabeçalho do arquivo de padrões não anuncia padrões e valores.")));
        TPadroes padroes;
        if (!inicializaEntradas(caminho, n, d, padroes, controle)) throw EInterrompido();
        TDadosLab& dados = carga.dados;
        dados.dimensao = d;
        dados.nomes = nomesDosAtributos(cab.linha, d);
        dados.valores.reserve(padroes.size() * static_cast<std::size_t>(d));
        TNumeracao numeracao(dados);
        for (std::size_t i = 0; i < padroes.size(); ++i) {
            const TVistaPadrao p = padroes[i];
            dados.valores.insert(dados.valores.end(), p.dados(), p.dados() + d);
            numeracao.adiciona(p.getRotulo());
        }
        carga.escala = leEscala(caminho, d);
        return carga;
    }
    return cargaDaImportacao(
        importaTabela(caminho, opcoes != nullptr ? *opcoes : opcoesDaCargaLab(caminho), controle));
}

TCargaLab cargaDaImportacao(const TImportacao& importacao) {
    TCargaLab carga;
    carga.importado = true;
    carga.dados = dadosLabDaImportacao(importacao);
    carga.normalizacao = importacao.normalizacao;
    for (const std::size_t c : importacao.atributos)
        carga.escala.push_back({importacao.colunas[c].a, importacao.colunas[c].b});
    carga.notas = relatorioDaImportacao(importacao);
    if (importacao.valoresOutras.size() == importacao.outras.size() * carga.dados.padroes()) {
        for (const std::size_t c : importacao.outras)
            carga.nomesOutras.push_back(importacao.colunas[c].nome);
        carga.valoresOutras = importacao.valoresOutras;
    }
    return carga;
}

#include "UArquivoPadroes.h"

#include <algorithm>
#include <cstring>

#include "UErros.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "UTraducao.h"

namespace {

// Position of `c` in `linha` from `inicio`, or npos; memchr keeps long lines fast.
std::size_t procura(std::string_view linha, char c, std::size_t inicio) {
    if (inicio >= linha.size()) return std::string_view::npos;
    const void* p = std::memchr(linha.data() + inicio, c, linha.size() - inicio);
    return p == nullptr ? std::string_view::npos
                        : static_cast<std::size_t>(static_cast<const char*>(p) - linha.data());
}

}  // namespace

TCabecalhoPadroes separaCabecalhoPadroes(std::string_view linha) {
    const std::size_t barra = procura(linha, '|', 0);
    if (barra == std::string_view::npos)
        throw EFormatoArquivo(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "Falta o separador \"|\" no cabeçalho do arquivo de padrões.")));
    const std::size_t cerquilha = procura(linha, '#', barra + 1);
    if (cerquilha == std::string_view::npos)
        throw EFormatoArquivo(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "Falta o separador \"#\" no cabeçalho do arquivo de padrões.")));
    return {std::string(linha.substr(0, barra)),
            std::string(linha.substr(barra + 1, cerquilha - barra - 1)),
            {}};
}

std::vector<std::string> nomesDosAtributos(std::string_view cabecalho, std::int32_t dimensao) {
    const std::size_t cerquilha = cabecalho.find('#');
    if (cerquilha == std::string_view::npos || dimensao <= 0) return {};
    std::string_view resto = cabecalho.substr(cerquilha + 1);
    std::vector<std::string> nomes;
    auto apara = [](std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        return std::string(s);
    };
    while (static_cast<std::int32_t>(nomes.size()) <= dimensao) {
        const std::size_t barra = resto.find('|');
        nomes.push_back(apara(resto.substr(0, barra)));
        if (barra == std::string_view::npos) break;
        resto.remove_prefix(barra + 1);
    }
    if (static_cast<std::int32_t>(nomes.size()) != dimensao) return {};
    for (const std::string& n : nomes)
        if (n.empty()) return {};
    return nomes;
}

TCabecalhoPadroes leCabecalhoPadroes(const std::string& caminho, TControle* controle) {
    TLeitorLinhas leitor(caminho, controle);
    std::string linha = leitor.proximoCabecalho(1, kBytesNomes);
    TCabecalhoPadroes cabecalho = separaCabecalhoPadroes(linha);
    cabecalho.linha = std::move(linha);
    return cabecalho;
}

bool temCabecalhoDePadroes(const std::string& caminho, TControle* controle) {
    try {
        const TCabecalhoPadroes cabecalho = leCabecalhoPadroes(caminho, controle);
        textoParaInteiro(cabecalho.n);
        textoParaInteiro(cabecalho.d);
        return true;
    } catch (const EInterrompido&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

void lePadrao(std::string_view linha, std::int32_t dimensao, std::int64_t numeroLinha,
              TPadraoEntrada& padrao) {
    padrao.setQtdValores(0);
    // Each value takes at least two characters of the line, so the line bounds what to reserve,
    // whatever the header announced.
    padrao.reservaValores(std::min<std::size_t>(static_cast<std::size_t>(std::max(dimensao, 0)),
                                                linha.size() / 2 + 1));
    std::size_t pos = 0;
    const char sep = separadorDecimal();
    const char* const fimLinha = linha.data() + linha.size();
    for (std::int32_t k = 0; k < dimensao; ++k) {
        // A short number that ends right at its "|" is the whole field.
        double valor;
        const char* fimNumero =
            sep != '|' ? doubleCurto(linha.data() + pos, fimLinha, sep, valor) : nullptr;
        if (fimNumero != nullptr && fimNumero != fimLinha && *fimNumero == '|') {
            padrao.adicionaValor(valor);
            pos = static_cast<std::size_t>(fimNumero - linha.data()) + 1;
            continue;
        }
        const std::size_t barra = procura(linha, '|', pos);
        if (barra == std::string_view::npos)
            throw EFormatoArquivo(
                mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                           "Linha %1 do arquivo de padrões: falta o separador "
                                           "\"|\" depois do valor %2."),
                         {numeroLinha, k + 1}));
        padrao.adicionaValor(textoParaDouble(linha.substr(pos, barra - pos)));
        pos = barra + 1;
    }
    const std::size_t cerquilha = procura(linha, '#', pos);
    if (cerquilha == std::string_view::npos)
        throw EFormatoArquivo(
            mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                       "Linha %1 do arquivo de padrões: falta o separador "
                                       "\"#\" depois do rótulo."),
                     {numeroLinha}));
    padrao.setRotulo(std::string(linha.substr(pos, cerquilha - pos)));
}

bool inicializaEntradas(const std::string& caminho, std::int32_t qtdPadroes, std::int32_t dimensao,
                        TPadroes& entradas, TControle* controle, std::int64_t* linhasAlem) {
    entradas.clear();
    TLeitorLinhas leitor(caminho, controle);
    try {
        leitor.proximoCabecalho(0, 0);  // the header, passed over
        const std::uint64_t limite = limiteMemoriaDados();
        // A pattern line takes at least two bytes a value ("0|") plus "#" and the line end, so
        // the file's size bounds how many patterns it can hold, whatever the header says. When
        // the values of that many fit the allowance they get their block at once, which then
        // never moves.
        const auto largura = static_cast<std::uint64_t>(std::max(dimensao, 0));
        const std::uint64_t cabem = leitor.tamanhoArquivo() / (2 * largura + 2);
        const std::uint64_t previstos =
            std::min<std::uint64_t>(static_cast<std::uint64_t>(std::max(qtdPadroes, 0)), cabem);
        if (previstos * largura * sizeof(double) <= limite)
            entradas.reservaValores(previstos, dimensao);
        TPadraoEntrada padrao;
        for (std::int32_t i = 0; i < qtdPadroes; ++i) {
            if (controle != nullptr) {
                if (controle->passo()) return false;
                controle->anotaPadroes(i);
            }
            const std::string_view linha = leitor.proximaLinha();
            lePadrao(linha, dimensao, leitor.numeroLinha(), padrao);
            if (entradas.bytesAoAdicionar(padrao.getQtdValores(), padrao.getRotulo().size()) >
                limite)
                throw EMemoriaInsuficiente(
                    mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                               "O arquivo de padrões não cabe na memória "
                                               "disponível (lidos %1 de %2 padrões)."),
                             {i, qtdPadroes}));
            entradas.push_back(padrao);
        }
        if (linhasAlem != nullptr) {
            *linhasAlem = 0;
            while (!leitor.fimDoArquivo()) {
                if (controle != nullptr && controle->passo()) return false;
                const std::string_view linha = leitor.proximaLinha();
                if (!linha.empty() && linha.front() != '#') ++*linhasAlem;
            }
        }
    } catch (const EInterrompido&) {
        return false;
    }
    return true;
}

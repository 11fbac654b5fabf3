#include "UArquivoPadroes.h"

#include <algorithm>
#include <cstring>

#include "UErros.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UNumeros.h"

namespace {

// Position of `c` in `linha` from `inicio`, or npos; memchr keeps long lines fast.
std::size_t procura(std::string_view linha, char c, std::size_t inicio) {
    if (inicio >= linha.size()) return std::string_view::npos;
    const void* p = std::memchr(linha.data() + inicio, c, linha.size() - inicio);
    return p == nullptr ? std::string_view::npos
                        : static_cast<std::size_t>(static_cast<const char*>(p) - linha.data());
}

// What a block of `bytes` takes from the allocator: glibc adds an 8-byte header, rounds up to 16
// and never hands out less than 32.
std::uint64_t custoBloco(std::uint64_t bytes) {
    return bytes == 0 ? 0 : std::max<std::uint64_t>(32, (bytes + 8 + 15) / 16 * 16);
}

// The memory a stored pattern holds outside its record: its values and, past the 15 bytes a
// string keeps inside itself, its label.
std::uint64_t custoPadrao(const TPadraoEntrada& p) {
    const std::size_t rotulo = p.getRotulo().capacity();
    return custoBloco(p.capacidadeValores() * sizeof(double)) + (rotulo > 15 ? custoBloco(rotulo + 1) : 0);
}

}  // namespace

TCabecalhoPadroes separaCabecalhoPadroes(std::string_view linha) {
    const std::size_t barra = procura(linha, '|', 0);
    if (barra == std::string_view::npos)
        throw EFormatoArquivo("Falta o separador \"|\" no cabeçalho do arquivo de padrões.");
    const std::size_t cerquilha = procura(linha, '#', barra + 1);
    if (cerquilha == std::string_view::npos)
        throw EFormatoArquivo("Falta o separador \"#\" no cabeçalho do arquivo de padrões.");
    return {std::string(linha.substr(0, barra)),
            std::string(linha.substr(barra + 1, cerquilha - barra - 1))};
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

TCabecalhoPadroes leCabecalhoPadroes(const std::string& caminho) {
    TLeitorLinhas leitor(caminho);
    return separaCabecalhoPadroes(leitor.proximaLinha());
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
        const char* fimNumero = sep != '|' ? doubleCurto(linha.data() + pos, fimLinha, sep, valor) : nullptr;
        if (fimNumero != nullptr && fimNumero != fimLinha && *fimNumero == '|') {
            padrao.adicionaValor(valor);
            pos = static_cast<std::size_t>(fimNumero - linha.data()) + 1;
            continue;
        }
        const std::size_t barra = procura(linha, '|', pos);
        if (barra == std::string_view::npos)
            throw EFormatoArquivo("Linha " + std::to_string(numeroLinha) +
                                  " do arquivo de padrões: falta o separador \"|\" depois do valor " +
                                  std::to_string(k + 1) + ".");
        padrao.adicionaValor(textoParaDouble(linha.substr(pos, barra - pos)));
        pos = barra + 1;
    }
    const std::size_t cerquilha = procura(linha, '#', pos);
    if (cerquilha == std::string_view::npos)
        throw EFormatoArquivo("Linha " + std::to_string(numeroLinha) +
                              " do arquivo de padrões: falta o separador \"#\" depois do rótulo.");
    padrao.setRotulo(std::string(linha.substr(pos, cerquilha - pos)));
}

bool inicializaEntradas(const std::string& caminho, std::int32_t qtdPadroes,
                        std::int32_t dimensao, std::vector<TPadraoEntrada>& entradas,
                        TControle* controle) {
    entradas.clear();
    TLeitorLinhas leitor(caminho);
    leitor.proximaLinha();  // the header
    const std::uint64_t limite = limiteMemoriaDados();
    std::uint64_t usados = 0;
    for (std::int32_t i = 0; i < qtdPadroes; ++i) {
        if (controle != nullptr) {
            if (controle->parar.load(std::memory_order_relaxed)) return false;
            controle->anotaPadroes(i);
        }
        const std::string_view linha = leitor.proximaLinha();
        TPadraoEntrada padrao;
        lePadrao(linha, dimensao, leitor.numeroLinha(), padrao);
        // The array of records grows by doubling, and while it grows it holds the old and the
        // new block at once.
        const std::uint64_t capacidade = entradas.capacity();
        std::uint64_t arranjo = custoBloco(capacidade * sizeof(TPadraoEntrada));
        if (entradas.size() == capacidade)
            arranjo += custoBloco(std::max<std::uint64_t>(1, 2 * capacidade) * sizeof(TPadraoEntrada));
        usados += custoPadrao(padrao);
        if (usados + arranjo > limite)
            throw EMemoriaInsuficiente(
                "O arquivo de padrões não cabe na memória disponível (lidos " +
                std::to_string(i) + " de " + std::to_string(qtdPadroes) + " padrões).");
        entradas.push_back(std::move(padrao));
    }
    return true;
}

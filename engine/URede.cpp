#include "URede.h"

#include <algorithm>
#include <cstdlib>

#include "UErros.h"
#include "UExato.h"
#include "ULimites.h"
#include "UTraducao.h"

namespace {

std::string textoGiB(std::uint64_t bytes) {
    const std::uint64_t decimos = bytes / ((std::uint64_t{1} << 30) / 10);
    return std::to_string(decimos / 10) + "," + std::to_string(decimos % 10) + " GiB";
}

}  // namespace

void TRede::inicializaNeuronios(TGeradorAleatorio& gerador, const std::string& tipoVizinhanca) {
    if (qtdLinhas < 1 || qtdColunas < 1)
        throw EMemoriaInsuficiente(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O mapa precisa de pelo menos uma linha e uma coluna de neurônios.")));
    if (dimensao < 0)
        throw EMemoriaInsuficiente(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "A dimensão dos padrões não pode ser negativa.")));
    const std::uint64_t bytes = bytesDoMapa(qtdLinhas, qtdColunas, dimensao);
    if (bytes > kTetoMapaBytes)
        throw EMemoriaInsuficiente(mensagem(
            QT_TRANSLATE_NOOP("Mensagens",
                              "Um mapa de %1 x %2 neurônios com %3 pesos cada não cabe na memória "
                              "(precisaria de mais de %4; o limite é %5)."),
            {qtdLinhas, qtdColunas, dimensao, textoGiB(bytes), textoGiB(kTetoMapaBytes)}));

    // The new map is built aside and put in place only when complete, so a failure leaves the
    // old one untouched.
    std::vector<std::vector<TNeuronio>> novo(static_cast<std::size_t>(qtdLinhas));
    for (auto& linha : novo) {
        linha.resize(static_cast<std::size_t>(qtdColunas));
        for (TNeuronio& n : linha) {
            n.criaListaPadroes();
            n.setQtdPesos(dimensao);
            n.zeraAglutinados();
            n.limpaPadroes();
            for (std::int32_t k = 0; k < dimensao; ++k) {
                // Multiples of 0.01 from -0.50 to 0.49, the quotient taken in extended precision.
                const auto r = static_cast<std::int32_t>(gerador.sorteia(100));
                n.setPeso(k, static_cast<double>(static_cast<long double>(r - 50) / 100.0L));
            }
        }
    }
    std::vector<std::vector<TNeuronio>> antigo;
    antigo.swap(neuronios);
    neuronios.swap(novo);
    try {
        montaMatrizDistancias(tipoVizinhanca);
    } catch (...) {
        neuronios.swap(antigo);
        throw;
    }
}

void TRede::montaMatrizDistancias(const std::string& tipoVizinhanca) {
    const bool manhattan = tipoVizinhanca == "MANHATTAN";
    const std::int32_t linhas = linhasMapa();
    const std::int32_t colunas = colunasMapa();
    const auto n = static_cast<std::size_t>(linhas) * static_cast<std::size_t>(colunas);
    std::vector<std::int32_t> matriz(n * n);
    std::size_t pos = 0;
    for (std::int32_t r1 = 0; r1 < linhas; ++r1)
        for (std::int32_t c1 = 0; c1 < colunas; ++c1)
            for (std::int32_t r2 = 0; r2 < linhas; ++r2)
                for (std::int32_t c2 = 0; c2 < colunas; ++c2) {
                    const std::int32_t dr = std::abs(r2 - r1);
                    const std::int32_t dc = std::abs(c2 - c1);
                    matriz[pos++] = manhattan ? dr + dc : std::max(dr, dc);
                }
    matrizDistancias.swap(matriz);
}

std::vector<double> TRede::pesosDoMapa() const {
    std::vector<double> pesos;
    pesos.reserve(static_cast<std::size_t>(linhasMapa()) * static_cast<std::size_t>(colunasMapa()) *
                  static_cast<std::size_t>(std::max(dimensao, 0)));
    for (const auto& linha : neuronios)
        for (const TNeuronio& n : linha)
            pesos.insert(pesos.end(), n.dados(), n.dados() + n.getQtdPesos());
    return pesos;
}

TRede TRede::semMapa() const {
    TRede r;
    r.qtdLinhas = qtdLinhas;
    r.qtdColunas = qtdColunas;
    r.dimensao = dimensao;
    r.qtdPadroes = qtdPadroes;
    r.taxaAprendizado = taxaAprendizado;
    r.taxaEvolucao = taxaEvolucao;
    r.raio = raio;
    r.ultimoCiclo = ultimoCiclo;
    r.arquivoPadroes = arquivoPadroes;
    r.threads_ = threads_;
    return r;
}

void TRede::desativaNeuronios() {
    std::vector<std::vector<TNeuronio>>().swap(neuronios);
    std::vector<std::int32_t>().swap(matrizDistancias);
}

void TRede::desativaEntradas() {
    TPadroes().swap(entradas);
}

void TRede::zeraAglutinados() {
    for (auto& linha : neuronios)
        for (TNeuronio& n : linha) {
            n.zeraAglutinados();
            n.limpaPadroes();
        }
}

double TRede::distancia_euclidiana(const TVistaPadrao& p, const TNeuronio& n) {
    return distanciaExata(p.dados(), n.dados(), std::min(p.getQtdValores(), n.getQtdPesos()));
}

std::int32_t TRede::procuraVencedor(const TVistaPadrao& p) const {
    const std::int32_t linhas = linhasMapa();
    const std::int32_t colunas = colunasMapa();
    TPrimeiroMaisProximo busca(getDistancia(p, neuronio(0, 0)));
    for (std::int32_t i = 0; i < linhas; ++i)
        for (std::int32_t j = 0; j < colunas; ++j)
            busca.considera(i * colunas + j, getDistancia(p, neuronio(i, j)));
    return busca.vencedor();
}

void TRede::ajustaPesoVencedor(std::int32_t p, std::int32_t i, std::int32_t j) {
    const TVistaPadrao padrao = entradas[static_cast<std::size_t>(p)];
    TNeuronio& n = neuronio(i, j);
    ajustaPesosExato(n.dados(), padrao.dados(), std::min(padrao.getQtdValores(), n.getQtdPesos()),
                     taxaAprendizado);
}

void TRede::ajustaPesos(std::int32_t p, std::int32_t lin, std::int32_t col) {
    const std::int32_t colunas = colunasMapa();
    const std::int32_t total = linhasMapa() * colunas;
    const std::size_t a = static_cast<std::size_t>(lin * colunas + col);
    const std::int32_t* distancias = matrizDistancias.data() + a * static_cast<std::size_t>(total);
    for (std::int32_t b = 0; b < total; ++b)
        if (distancias[b] <= raio) ajustaPesoVencedor(p, b / colunas, b % colunas);
}

double TRede::decaiTaxa(double taxa, double evolucao) {
    return static_cast<double>(static_cast<long double>(evolucao) / 100.0L *
                               static_cast<long double>(taxa));
}

bool TRede::ativaRedeReferencia(bool criterioQtdCiclos, std::int32_t ultimo,
                                const FuncaoStatus& status, TControle* controle) {
    ultimoCiclo = ultimo;
    if (!existeMapa()) return true;
    const std::int32_t colunas = colunasMapa();
    const auto padroes = static_cast<std::int64_t>(entradas.size());
    std::vector<std::int32_t> vencedores(entradas.size());
    for (std::int64_t t = 0; t <= ultimoCiclo;) {
        if (controle != nullptr && controle->deveParar(t * padroes)) return false;
        zeraAglutinados();
        for (std::size_t p = 0; p < entradas.size(); ++p) {
            if (controle != nullptr && p > 0) {
                if (controle->deveParar(t * padroes + static_cast<std::int64_t>(p))) return false;
                controle->anotaPadroes(static_cast<std::int64_t>(p));
            }
            const TVistaPadrao padrao = entradas[p];
            const std::int32_t v = procuraVencedor(padrao);
            vencedores[p] = v;
            TNeuronio& vencedor = neuronio(v / colunas, v % colunas);
            vencedor.incAglutinados();
            vencedor.adicionaPadrao(padrao.getRotulo());
            ajustaPesos(static_cast<std::int32_t>(p), v / colunas, v % colunas);
        }
        ++t;
        fechaCiclo(t, criterioQtdCiclos, status, controle, vencedores,
                   [this] { return pesosDoMapa(); });
    }
    return true;
}

bool TRede::classificaEntradasReferencia(TControle* controle) {
    if (!existeMapa()) {
        zeraAglutinados();
        return true;
    }
    std::vector<std::int32_t> vencedores;
    vencedores.reserve(entradas.size());
    for (const TVistaPadrao padrao : entradas) {
        if (controle != nullptr && controle->parar.load(std::memory_order_relaxed)) return false;
        vencedores.push_back(procuraVencedor(padrao));
        if (controle != nullptr)
            controle->anotaPadroes(static_cast<std::int64_t>(vencedores.size()));
    }
    zeraAglutinados();
    const std::int32_t colunas = colunasMapa();
    for (std::size_t p = 0; p < entradas.size(); ++p) {
        TNeuronio& vencedor = neuronio(vencedores[p] / colunas, vencedores[p] % colunas);
        vencedor.incAglutinados();
        vencedor.adicionaPadrao(entradas[p].getRotulo());
    }
    return true;
}

// ativaRede and classificaEntradas, which choose between the fast engines and these loops, live
// with the fast engines (UTreinoRapido).

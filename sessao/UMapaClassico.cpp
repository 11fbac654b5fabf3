#include "UMapaClassico.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

TMapa mapaClassico(std::vector<double> pesos, std::int32_t n, std::int32_t d,
                   const std::vector<std::int32_t>& matriz, std::int32_t linhas,
                   std::int32_t colunas) {
    TMapa m;
    m.forma = TFormaMapa::retangular;
    m.linhas = linhas;
    m.colunas = colunas;
    m.dimensao = d;
    m.pesos = std::move(pesos);
    const auto nn = static_cast<std::size_t>(std::max(n, 0));
    m.vizinhos.resize(nn);
    for (std::size_t a = 0; a < nn; ++a)
        for (std::size_t b = 0; b < nn; ++b)
            if (a * nn + b < matriz.size() && matriz[a * nn + b] == 1)
                m.vizinhos[a].push_back(static_cast<std::int32_t>(b));
    return m;
}

std::vector<double> matrizU(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                            const std::vector<std::int32_t>& matriz) {
    return matrizU<long double>(mapaClassico(pesos, n, d, matriz));
}

std::vector<TContagemRotulo> contaRotulos(const TNeuronio& neuronio) {
    std::vector<std::string_view> gathered;
    for (std::int32_t j = 0; j < neuronio.contaPadroes(); ++j)
        gathered.push_back(neuronio.getPadrao(j));
    std::vector<TContagemRotulo> contagens;
    for (const auto& [rotulo, vezes] : porFrequencia<std::string_view>(gathered))
        contagens.push_back({std::string(rotulo), static_cast<std::int32_t>(vezes)});
    return contagens;
}

std::optional<TRotulosDosPadroes> rotulosDosPadroes(const TPadroes& padroes, TControle* controle) {
    TRotulosDosPadroes r;
    r.indice.reserve(padroes.size());
    // The labels' bytes stay where the store keeps them, so the table holds views of them.
    std::unordered_map<std::string_view, std::int32_t> posicao;
    for (std::size_t i = 0; i < padroes.size(); ++i) {
        if (controle != nullptr && controle->passo()) return std::nullopt;
        const std::string_view rotulo = padroes.rotulo(i);
        const auto [it, novo] =
            posicao.try_emplace(rotulo, static_cast<std::int32_t>(r.legenda.size()));
        if (novo) r.legenda.emplace_back(rotulo);
        r.indice.push_back(it->second);
    }
    return r;
}

std::optional<TErros> medeErros(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                                const TPadroes& padroes, const std::vector<std::int32_t>& matriz,
                                TControle* controle) {
    // A pattern with fewer values than the map counts in the mean without being measured.
    std::vector<const double*> valores;
    valores.reserve(padroes.size());
    for (const TVistaPadrao p : padroes)
        valores.push_back(p.getQtdValores() >= d ? p.dados() : nullptr);
    return medeErros(mapaClassico(pesos, n, d, matriz), valores, perguntaParada(controle));
}

TErros medeErros(const std::vector<double>& pesos, std::int32_t n, std::int32_t d,
                 const TPadroes& padroes, const std::vector<std::int32_t>& matriz) {
    return *medeErros(pesos, n, d, padroes, matriz, nullptr);
}

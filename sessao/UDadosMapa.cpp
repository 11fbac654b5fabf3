#include "UDadosMapa.h"

#include "UExportacao.h"
#include "ULimites.h"
#include "UTraducao.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

std::shared_ptr<const std::vector<double>> copiaDosValores(const double* valores,
                                                           std::size_t quantos) {
    const std::uint64_t bytes = std::uint64_t{quantos} * sizeof(double);
    if (quantos == 0 || bytes > limiteMemoriaDados() / 2) return nullptr;
    return std::make_shared<const std::vector<double>>(valores, valores + quantos);
}

std::shared_ptr<const TAgrupamento> TMemoAgrupamento::de(const TMapa& mapa) const {
    const std::lock_guard<std::mutex> trava(trava_);
    if (!valor_) valor_ = std::make_shared<const TAgrupamento>(agrupaUnidades(mapa));
    return valor_;
}

std::int32_t TDadosMapa::kGruposSugerido() const {
    return kSugerido(*agrupamento(), 10);
}

std::vector<std::int32_t> TDadosMapa::grupos(std::int32_t k) const {
    const std::shared_ptr<const TAgrupamento> a = agrupamento();
    return cortaEm(*a, k > 0 ? k : kSugerido(*a, 10));
}

bool TDadosMapa::temValores() const {
    const auto& v = padroes->valores;
    return v && dimensao > 0 && !vencedorDoPadrao.empty() &&
           v->size() == vencedorDoPadrao.size() * static_cast<std::size_t>(dimensao);
}

std::int32_t TDadosMapa::propriedades() const {
    const auto& o = padroes->valoresOutras;
    const bool outras = o && !padroes->nomesOutras.empty() &&
                        o->size() == padroes->nomesOutras.size() * vencedorDoPadrao.size();
    return dimensao + (outras ? static_cast<std::int32_t>(padroes->nomesOutras.size()) : 0);
}

std::vector<double> TDadosMapa::mediaDoAtributo(std::int32_t k) const {
    if (k >= dimensao && k < propriedades()) {
        const std::vector<double>& v = *padroes->valoresOutras;
        const std::size_t largura = padroes->nomesOutras.size();
        std::vector<double> coluna(vencedorDoPadrao.size());
        for (std::size_t i = 0; i < coluna.size(); ++i)
            coluna[i] = v[i * largura + static_cast<std::size_t>(k - dimensao)];
        return mediaPorUnidade(neuronios(), vencedorDoPadrao, coluna);
    }
    if (!temValores() || k < 0 || k >= dimensao) return {};
    const std::vector<double>& v = *padroes->valores;
    const auto d = static_cast<std::size_t>(dimensao);
    std::vector<double> coluna(vencedorDoPadrao.size());
    for (std::size_t i = 0; i < coluna.size(); ++i)
        coluna[i] = v[i * d + static_cast<std::size_t>(k)];
    std::vector<double> media = mediaPorUnidade(neuronios(), vencedorDoPadrao, coluna);
    // The scaling is linear: the original of the mean is the mean of the originals.
    for (double& m : media) m = original(k, m);
    return media;
}

std::vector<double> TDadosMapa::erroDasUnidades() const {
    if (!vencedorDoPadrao.empty() && distanciaDoPadrao.size() == vencedorDoPadrao.size())
        return mediaPorUnidade(neuronios(), vencedorDoPadrao, distanciaDoPadrao);
    if (!temValores()) return {};
    std::vector<const double*> p;
    for (std::size_t i = 0; i < vencedorDoPadrao.size(); ++i)
        p.push_back(padroes->valores->data() + i * static_cast<std::size_t>(dimensao));
    return erroPorUnidade(*this, p, vencedorDoPadrao);
}

std::optional<TExtrasMapa> extrasDosPadroes(const TPadroes& padroes, std::int32_t dimensao,
                                            TControle* controle) {
    std::optional<TRotulosDosPadroes> rotulos = rotulosDosPadroes(padroes, controle);
    if (!rotulos) return std::nullopt;
    TExtrasMapa x;
    x.legenda = std::move(rotulos->legenda);
    x.rotuloDoPadrao = std::move(rotulos->indice);
    for (std::size_t i = 0; i < x.legenda.size(); ++i)
        x.indiceDoRotulo.emplace(x.legenda[i], static_cast<int>(i));
    std::vector<const double*> pontos;
    for (const TVistaPadrao p : padroes)
        if (p.getQtdValores() == dimensao) pontos.push_back(p.dados());
    x.projecao = *projecaoPrincipal(pontos, dimensao);
    // Up to 5000 points are drawn, evenly spread over the file.
    const std::size_t passo = std::max<std::size_t>(1, (padroes.size() + 4999) / 5000);
    for (std::size_t i = 0; i < padroes.size(); i += passo) {
        if (padroes[i].getQtdValores() != dimensao) continue;
        TPontoPlano ponto;
        x.projecao.projeta(padroes[i].dados(), ponto.x, ponto.y);
        x.pontos.push_back(ponto);
        x.rotuloDoPonto.push_back(x.rotuloDoPadrao[i]);
    }
    if (padroes.largura() == dimensao && dimensao > 0 && !padroes.empty())
        x.valores = copiaDosValores(padroes[0].dados(),
                                    padroes.size() * static_cast<std::size_t>(dimensao));
    return x;
}

int TDadosMapa::rotuloMajoritario(std::int32_t a) const {
    const auto i = static_cast<std::size_t>(a);
    if (i < majoritario.size()) return majoritario[i];
    // Data put together without the index (by hand, in a test) looks the label up.
    if (i >= rotulos.size() || rotulos[i].empty()) return -1;
    const auto& l = legenda();
    const auto it = std::find(l.begin(), l.end(), rotulos[i].front().rotulo);
    return it == l.end() ? -1 : static_cast<int>(it - l.begin());
}

namespace {

// Distances a map's data may compute to find the patterns' winners (patterns x units x values).
constexpr double kTrabalhoVencedores = 64.0 * 1024 * 1024;

// The counts and labels of the winners of an instant of a training, counted by each pattern's
// place in the legend; equally frequent labels keep the order in which they were first won.
void contaVencedores(const TRede& rede, const TExtrasMapa& extras,
                     std::vector<std::int32_t> vencedores, TDadosMapa& d) {
    vencedores.resize(std::min(vencedores.size(), rede.entradas.size()));
    for (const std::int64_t a : acertos(d.neuronios(), vencedores))
        d.contagens.push_back(static_cast<std::int32_t>(a));
    for (const auto& lista : rotulosPorUnidade(d.neuronios(), vencedores, extras.rotuloDoPadrao)) {
        std::vector<TContagemRotulo> c;
        for (const auto& [r, vezes] : lista)
            c.push_back(
                {extras.legenda[static_cast<std::size_t>(r)], static_cast<std::int32_t>(vezes)});
        d.rotulos.push_back(std::move(c));
    }
}

}  // namespace

std::shared_ptr<TDadosMapa> dadosDoMapa(const TRede& rede,
                                        const std::shared_ptr<const TExtrasMapa>& extras,
                                        const std::vector<double>* pesos,
                                        const std::vector<std::int32_t>* vencedores) {
    auto d = std::make_shared<TDadosMapa>();
    if (extras) d->padroes = extras;
    const std::int32_t n = rede.linhasMapa() * rede.colunasMapa();
    std::vector<double> w = pesos != nullptr ? *pesos : rede.pesosDoMapa();
    if (static_cast<std::int64_t>(w.size()) != std::int64_t{n} * std::max(rede.dimensao, 0))
        return std::make_shared<TDadosMapa>();
    static_cast<TMapa&>(*d) = mapaClassico(std::move(w), n, rede.dimensao, rede.matrizDistancias,
                                           rede.linhasMapa(), rede.colunasMapa());
    const TExtrasMapa& x = *d->padroes;
    if (vencedores != nullptr && x.rotuloDoPadrao.size() == rede.entradas.size()) {
        contaVencedores(rede, x, *vencedores, *d);
    } else {
        for (std::int32_t a = 0; a < n; ++a) {
            const TNeuronio& neuronio = rede.neuronio(a / d->colunas, a % d->colunas);
            d->contagens.push_back(neuronio.getAglutinados());
            d->rotulos.push_back(contaRotulos(neuronio));
        }
    }
    for (const auto& r : d->rotulos) {
        const auto it =
            r.empty() ? x.indiceDoRotulo.end() : x.indiceDoRotulo.find(r.front().rotulo);
        d->majoritario.push_back(it == x.indiceDoRotulo.end() ? -1 : it->second);
    }
    d->matriz = rede.matrizDistancias;
    d->u = matrizU<long double>(*d);
    // Each pattern's winner, for the pictures of the patterns themselves: the instant's, or else
    // the nearest unit (the first on a tie, as the network searches), when that is quick enough to
    // do here. The network lets its patterns go after a training; the values stay in the extras.
    const auto dim = static_cast<std::size_t>(std::max(d->dimensao, 0));
    d->listaPadroesGanhos = false;
    if (x.valores && dim > 0 && x.valores->size() % dim == 0) {
        const std::size_t padroes = x.valores->size() / dim;
        if (vencedores != nullptr && vencedores->size() == padroes) {
            d->vencedorDoPadrao = *vencedores;
        } else if (vencedores == nullptr &&
                   static_cast<double>(padroes) * n * static_cast<double>(dim) <=
                       kTrabalhoVencedores) {
            d->vencedorDoPadrao.reserve(padroes);
            for (std::size_t i = 0; i < padroes; ++i) {
                const double* p = x.valores->data() + i * dim;
                std::int32_t melhor = 0;
                double menor = std::numeric_limits<double>::infinity();
                for (std::int32_t a = 0; a < n; ++a) {
                    const double dist = distanciaEntre(p, d->peso(a), dim);
                    if (dist < menor) {
                        menor = dist;
                        melhor = a;
                    }
                }
                d->vencedorDoPadrao.push_back(melhor);
            }
        }
    }
    // A map without patterns (a load) is drawn on the principal axes of its own weights.
    if (x.projecao.media.size() != static_cast<std::size_t>(std::max(d->dimensao, 0))) {
        auto propria = std::make_shared<TExtrasMapa>(x);
        std::vector<const double*> ws;
        for (std::int32_t a = 0; a < n; ++a)
            ws.push_back(d->pesos.data() +
                         static_cast<std::size_t>(a) * static_cast<std::size_t>(d->dimensao));
        propria->projecao = *projecaoPrincipal(ws, d->dimensao);
        d->padroes = std::move(propria);
    }
    return d;
}

std::string csvDoMapa(const TDadosMapa& d) {
    std::vector<std::string> rotulos;
    for (const auto& r : d.rotulos) rotulos.push_back(r.empty() ? std::string() : r.front().rotulo);
    if (!d.valoresOriginais())
        return textoCsvMapa(d.linhas, d.colunas, d.dimensao, d.pesos, d.contagens, rotulos,
                            d.nomes());
    std::vector<double> pesos = d.pesos;
    for (std::size_t i = 0; i < pesos.size(); ++i) {
        const auto k = static_cast<std::int32_t>(i % static_cast<std::size_t>(d.dimensao));
        pesos[i] = d.original(k, pesos[i]);
    }
    std::vector<std::string> nomes;
    for (std::int32_t k = 0; k < d.dimensao; ++k)
        nomes.push_back(
            mensagem(QT_TRANSLATE_NOOP("Mensagens", "%1 (valores originais)"),
                     {static_cast<std::size_t>(k) < d.nomes().size()
                          ? d.nomes()[static_cast<std::size_t>(k)]
                          : mensagem(QT_TRANSLATE_NOOP("Mensagens", "atributo_%1"), {k + 1})}));
    return textoCsvMapa(d.linhas, d.colunas, d.dimensao, pesos, d.contagens, rotulos, nomes);
}

TCodebook codebookDoMapa(const TDadosMapa& d) {
    TCodebook c;
    c.dimensao = d.dimensao;
    c.linhas = d.linhas;
    c.colunas = d.colunas;
    c.hexagonal = d.hexagonal();
    c.toroidal = d.toroidal;
    c.pesos = d.pesos;
    for (const auto& r : d.rotulos)
        c.rotulos.push_back(r.empty() ? std::string() : r.front().rotulo);
    if (d.nomes().size() == static_cast<std::size_t>(d.dimensao)) c.nomes = d.nomes();
    return c;
}

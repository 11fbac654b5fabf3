#include "UCompetitivo.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "UCompetitivoInterno.h"
#include "UMedidas.h"
#include "UTraducao.h"

namespace {

struct TNomeModelo {
    const char* nome;
    TModeloCompetitivo modelo;
};
constexpr TNomeModelo kModelos[] = {
    {"hcl", TModeloCompetitivo::hcl},   {"lbg", TModeloCompetitivo::lbg},
    {"ng", TModeloCompetitivo::ng},     {"ngchl", TModeloCompetitivo::ngchl},
    {"chl", TModeloCompetitivo::chl},   {"gng", TModeloCompetitivo::gng},
    {"gngu", TModeloCompetitivo::gngu}, {"gg", TModeloCompetitivo::gg},
};

bool crescente(TModeloCompetitivo m) {
    return m == TModeloCompetitivo::gng || m == TModeloCompetitivo::gngu;
}

bool taxa(double v) {
    return std::isfinite(v) && v > 0.0 && v <= 1.0;
}

bool agendaPositiva(const TAgendaLab& a) {
    return std::isfinite(a.inicial) && std::isfinite(a.final) && a.inicial > 0.0 && a.final > 0.0;
}

// Patterns per block of the searches that may run on two threads.
constexpr std::size_t kPadroesPorBloco = 1024;

}  // namespace

std::optional<TModeloCompetitivo> modeloDoNome(const std::string& nome) {
    for (const TNomeModelo& m : kModelos)
        if (nome == m.nome) return m.modelo;
    return std::nullopt;
}

const char* nomeDoModelo(TModeloCompetitivo modelo) {
    for (const TNomeModelo& m : kModelos)
        if (m.modelo == modelo) return m.nome;
    return "";
}

bool modeloTemArestas(TModeloCompetitivo modelo) {
    return modelo != TModeloCompetitivo::hcl && modelo != TModeloCompetitivo::lbg &&
           modelo != TModeloCompetitivo::ng;
}

TAgendaLab epsDoModelo(const TConfiguracaoCompetitiva& c) {
    if (c.eps) return *c.eps;
    return c.modelo == TModeloCompetitivo::gg ? TAgendaLab{0.1, 0.005} : TAgendaLab{0.5, 0.005};
}

std::int64_t lambdaDoModelo(const TConfiguracaoCompetitiva& c) {
    if (c.lambda) return *c.lambda;
    return c.modelo == TModeloCompetitivo::gg ? 30 : 300;
}

std::int32_t unidadesIniciais(const TConfiguracaoCompetitiva& c, std::int32_t dimensao) {
    if (crescente(c.modelo)) return 2;
    if (c.modelo == TModeloCompetitivo::gg) return 4;
    if (!c.inicio.empty() && dimensao > 0)
        return static_cast<std::int32_t>(std::min<std::size_t>(
            c.inicio.size() / static_cast<std::size_t>(dimensao), kUnidadesMaximasCompetitivo + 1));
    return c.unidades > 0 ? c.unidades : 20;
}

std::string validaCompetitiva(const TConfiguracaoCompetitiva& c, const TDadosLab& dados) {
    const TModeloCompetitivo m = c.modelo;
    const bool usaEps = m == TModeloCompetitivo::hcl || m == TModeloCompetitivo::ng ||
                        m == TModeloCompetitivo::ngchl || m == TModeloCompetitivo::gg;
    if (usaEps) {
        const TAgendaLab e = epsDoModelo(c);
        if (!taxa(e.inicial) || !taxa(e.final))
            return mensagem(QT_TRANSLATE_NOOP(
                "Mensagens",
                "A taxa --eps deve estar entre 0 (exclusive) e 1, no início e no fim."));
    }
    if ((m == TModeloCompetitivo::ng || m == TModeloCompetitivo::ngchl) &&
        !agendaPositiva(c.lambdaNg))
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O alcance --lambda deve ser positivo, no início e no fim."));
    if (m == TModeloCompetitivo::ngchl && !agendaPositiva(c.idade))
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "A idade --idade deve ser positiva, no início e no fim."));
    if (crescente(m)) {
        if (!taxa(c.epsB) || !taxa(c.epsN))
            return mensagem(QT_TRANSLATE_NOOP(
                "Mensagens", "As taxas --eps-b e --eps-n devem estar entre 0 (exclusive) e 1."));
        if (c.idadeMax < 1)
            return mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "A idade máxima --idade-max deve ser ao menos 1."));
        if (!taxa(c.alfa))
            return mensagem(QT_TRANSLATE_NOOP(
                "Mensagens", "O fator --alfa deve estar entre 0 (exclusive) e 1."));
        if (!std::isfinite(c.beta) || c.beta < 0.0 || c.beta >= 1.0)
            return mensagem(QT_TRANSLATE_NOOP(
                "Mensagens", "O fator --beta deve estar entre 0 e 1 (exclusive)."));
        if (m == TModeloCompetitivo::gngu && !(std::isfinite(c.k) && c.k > 0.0))
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "O limiar --k deve ser positivo."));
    }
    if ((crescente(m) || m == TModeloCompetitivo::gg) &&
        (lambdaDoModelo(c) < 1 || lambdaDoModelo(c) > kLambdaMaximo))
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O intervalo --lambda deve ser um inteiro de 1 a %1."),
            {kLambdaMaximo});
    if (crescente(m) && (c.unidadesMax < 2 || c.unidadesMax > kUnidadesMaximasCompetitivo))
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O número --unidades-max deve estar entre 2 e %1."),
            {kUnidadesMaximasCompetitivo});
    if (m == TModeloCompetitivo::gg) {
        // It starts with 4 units and grows by whole rows and columns; each insertion waits for a
        // number of signals that grows with the grid, and each signal moves every unit, so a grid
        // past a few thousand units would not finish growing in any reasonable time.
        if (c.unidadesMax < 4 || c.unidadesMax > kUnidadesMaximasGrade)
            return mensagem(QT_TRANSLATE_NOOP(
                                "Mensagens",
                                "O grid crescente começa com 4 unidades e cresce até no máximo %1: "
                                "--unidades-max deve estar entre 4 e %1."),
                            {kUnidadesMaximasGrade});
        // Each insertion waits lambda x (units) signals: a grid growing as a square would need
        // about this many signals to reach its size (rows and columns in another order, more).
        double crescimento = 0.0;
        for (std::int64_t linhas = 2, colunas = 2; linhas * colunas < c.unidadesMax;
             (linhas <= colunas ? linhas : colunas) += 1)
            crescimento +=
                static_cast<double>(lambdaDoModelo(c)) * static_cast<double>(linhas * colunas);
        if (crescimento > static_cast<double>(kSinaisMaximos))
            return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                              "O grid crescente não chegaria a %1 unidades: "
                                              "precisaria de uns %2 sinais. Peça menos unidades "
                                              "ou um --lambda menor."),
                            {c.unidadesMax, static_cast<std::int64_t>(crescimento)});
        if (!(std::isfinite(c.sigma) && c.sigma > 0.0))
            return mensagem(QT_TRANSLATE_NOOP("Mensagens", "O raio --sigma deve ser positivo."));
        if (!taxa(c.eps0))
            return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                              "A taxa --eps0 deve estar entre 0 (exclusive) e 1."));
        if (c.epocasAjuste < 0 || c.epocasAjuste > kEpocasMaximasLab)
            return mensagem(QT_TRANSLATE_NOOP(
                "Mensagens", "O número --epocas-ajuste deve estar entre 0 e 1000000."));
    } else if (c.epocas < 1 || c.epocas > kEpocasMaximasLab) {
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O número de épocas deve estar entre 1 e 1000000."));
    }
    if (c.sinais < 0 || c.sinais > kSinaisMaximos)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O número --sinais deve estar entre 1 e %1."),
            {kSinaisMaximos});
    if (c.unidades < 0 || c.unidades > kUnidadesMaximasCompetitivo)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O número --unidades deve estar entre 1 e %1."),
            {kUnidadesMaximasCompetitivo});
    const std::int32_t k = unidadesIniciais(c, dados.dimensao);
    if ((m == TModeloCompetitivo::ngchl || m == TModeloCompetitivo::chl) && k < 2)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                          "As arestas ligam duas unidades: --unidades deve ser ao "
                                          "menos 2."));
    if (dados.dimensao < 1 || dados.padroes() == 0)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Não há padrões para treinar."));
    for (const double v : dados.valores)
        if (!std::isfinite(v))
            return mensagem(QT_TRANSLATE_NOOP(
                "Mensagens",
                "Os dados têm valores ausentes ou não finitos, que este modelo não aceita: "
                "descarte-os ou preencha-os na importação."));
    const auto d = static_cast<std::size_t>(dados.dimensao);
    const std::int64_t maiorNumero =
        crescente(m) ? c.unidadesMax : (m == TModeloCompetitivo::gg ? c.unidadesMax : k);
    if (static_cast<double>(maiorNumero) * static_cast<double>(d) > 64e6)
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "Unidades demais para a dimensão destes dados: peça menos unidades."));
    if (!c.inicio.empty()) {
        if (c.inicio.size() % d != 0 || c.inicio.size() / d < static_cast<std::size_t>(k) ||
            k > kUnidadesMaximasCompetitivo)
            return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                              "As unidades iniciais dadas devem ser ao menos %1, "
                                              "de %2 valores cada."),
                            {k, dados.dimensao});
        for (const double v : c.inicio)
            if (!std::isfinite(v))
                return mensagem(QT_TRANSLATE_NOOP(
                    "Mensagens", "As unidades iniciais dadas têm um valor que não é finito."));
    } else if (dados.padroes() < static_cast<std::size_t>(k)) {
        return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                          "Há %1 padrões, menos que as %2 unidades iniciais, que "
                                          "são padrões distintos."),
                        {dados.padroes(), k});
    }
    if (m != TModeloCompetitivo::lbg && m != TModeloCompetitivo::gg && sinaisDoTreino(c, dados) < 1)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "O treino não teria nenhum sinal."));
    return {};
}

std::int64_t sinaisDoTreino(const TConfiguracaoCompetitiva& c, const TDadosLab& dados) {
    if (c.sinais > 0) return c.sinais;
    return c.epocas * static_cast<std::int64_t>(dados.padroes());
}

std::vector<double> inicioCompetitivo(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                      std::int32_t quantas) {
    const auto d = static_cast<std::size_t>(dados.dimensao);
    const auto k = static_cast<std::size_t>(quantas);
    if (!c.inicio.empty()) return {c.inicio.begin(), c.inicio.begin() + static_cast<long>(k * d)};
    // The first k of a random permutation: k distinct patterns, as the SOM's "amostras" start.
    TSorteioLab sorteio(c.semente);
    std::vector<std::size_t> indices(dados.padroes());
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = i;
    for (std::size_t u = 0; u < k; ++u)
        std::swap(indices[u], indices[u + sorteio.inteiro(indices.size() - u)]);
    std::vector<double> pesos(k * d);
    for (std::size_t u = 0; u < k; ++u)
        std::copy_n(dados.padrao(indices[u]), d, pesos.begin() + static_cast<long>(u * d));
    return pesos;
}

// Units ---------------------------------------------------------------------------------------

void TUnidadesCompetitivas::reserva(std::int32_t n) {
    if (n <= passo_) return;
    const std::int32_t novo = std::max((n + 7) / 8 * 8, passo_ * 2);
    std::vector<double> t(static_cast<std::size_t>(novo) * static_cast<std::size_t>(d_), 0.0);
    for (std::int32_t k = 0; k < d_; ++k)
        std::copy_n(t_.begin() + static_cast<long>(indice(0, k)), n_,
                    t.begin() + static_cast<long>(static_cast<std::size_t>(k) *
                                                  static_cast<std::size_t>(novo)));
    t_ = std::move(t);
    passo_ = novo;
}

void TUnidadesCompetitivas::acrescenta(const double* w) {
    reserva(n_ + 1);
    for (std::int32_t k = 0; k < d_; ++k) t_[indice(n_, k)] = w[k];
    ++n_;
}

void TUnidadesCompetitivas::remove(std::int32_t u) {
    for (std::int32_t k = 0; k < d_; ++k) {
        auto linha = t_.begin() + static_cast<long>(indice(0, k));
        std::copy(linha + u + 1, linha + n_, linha + u);
        linha[n_ - 1] = 0.0;
    }
    --n_;
}

double TUnidadesCompetitivas::distanciaEntre(std::int32_t a, std::int32_t b) const {
    double s = 0.0;
    for (std::int32_t k = 0; k < d_; ++k) {
        const double e = peso(a, k) - peso(b, k);
        s += e * e;
    }
    return s;
}

void TUnidadesCompetitivas::defineLinhas(const std::vector<double>& linhas) {
    const auto n = static_cast<std::int32_t>(linhas.size() / static_cast<std::size_t>(d_));
    reserva(n);
    std::fill(t_.begin(), t_.end(), 0.0);
    n_ = n;
    for (std::int32_t u = 0; u < n; ++u)
        for (std::int32_t k = 0; k < d_; ++k)
            t_[indice(u, k)] = linhas[static_cast<std::size_t>(u) * static_cast<std::size_t>(d_) +
                                      static_cast<std::size_t>(k)];
}

std::vector<double> TUnidadesCompetitivas::porLinhas() const {
    std::vector<double> linhas(static_cast<std::size_t>(n_) * static_cast<std::size_t>(d_));
    for (std::int32_t u = 0; u < n_; ++u)
        for (std::int32_t k = 0; k < d_; ++k)
            linhas[static_cast<std::size_t>(u) * static_cast<std::size_t>(d_) +
                   static_cast<std::size_t>(k)] = peso(u, k);
    return linhas;
}

// Signals -------------------------------------------------------------------------------------

TSinaisCompetitivos::TSinaisCompetitivos(std::size_t padroes, TOrdemLab ordem,
                                         std::uint64_t semente)
    : ordem_(padroes),
      embaralhada_(ordem == TOrdemLab::embaralhada),
      sorteio_(semente ^ 0x6F6E6C696E65ull) {  // "online", as the SOM's shuffle
    for (std::size_t i = 0; i < padroes; ++i) ordem_[i] = i;
}

std::size_t TSinaisCompetitivos::proximo() {
    if (q_ == ordem_.size()) q_ = 0;
    if (q_ == 0 && embaralhada_)
        for (std::size_t i = ordem_.size(); i > 1; --i)
            std::swap(ordem_[i - 1], ordem_[sorteio_.inteiro(i)]);
    return ordem_[q_++];
}

// Edges ---------------------------------------------------------------------------------------

std::int32_t TGrafoCompetitivo::procura(std::int32_t a, std::int32_t b) const {
    for (const TVizinho& v : vizinhos(a))
        if (v.v == b) return v.aresta;
    return -1;
}

void TGrafoCompetitivo::tiraLado(std::int32_t de, std::int32_t para) {
    std::erase_if(viz_[static_cast<std::size_t>(de)],
                  [para](const TVizinho& v) { return v.v == para; });
}

void TGrafoCompetitivo::zera(std::int32_t a, std::int32_t b) {
    if (const std::int32_t e = procura(a, b); e >= 0) {
        idades_[static_cast<std::size_t>(e)] = 0;
        return;
    }
    std::int32_t e;
    if (livres_.empty()) {
        e = static_cast<std::int32_t>(idades_.size());
        idades_.push_back(0);
    } else {
        e = livres_.back();
        livres_.pop_back();
        idades_[static_cast<std::size_t>(e)] = 0;
    }
    viz_[static_cast<std::size_t>(a)].push_back({b, e});
    viz_[static_cast<std::size_t>(b)].push_back({a, e});
}

void TGrafoCompetitivo::remove(std::int32_t a, std::int32_t b) {
    const std::int32_t e = procura(a, b);
    if (e < 0) return;
    tiraLado(a, b);
    tiraLado(b, a);
    libera(e);
}

void TGrafoCompetitivo::removeVelhas(std::int32_t u, double limite,
                                     std::vector<std::int32_t>& perderam) {
    std::vector<TVizinho>& lista = viz_[static_cast<std::size_t>(u)];
    for (std::size_t i = 0; i < lista.size();) {
        if (!velha(lista[i].aresta, limite)) {
            ++i;
            continue;
        }
        const TVizinho v = lista[i];
        tiraLado(v.v, u);
        libera(v.aresta);
        lista.erase(lista.begin() + static_cast<long>(i));
        perderam.push_back(v.v);
    }
}

void TGrafoCompetitivo::removeTodasVelhas(double limite) {
    for (std::int32_t u = 0; u < unidades(); ++u)
        std::erase_if(viz_[static_cast<std::size_t>(u)], [&](const TVizinho& v) {
            const bool sai = velha(v.aresta, limite);
            if (sai && u < v.v) libera(v.aresta);  // each edge freed once, from its lower end
            return sai;
        });
}

void TGrafoCompetitivo::removeUnidade(std::int32_t u) {
    for (const TVizinho& v : vizinhos(u)) {
        tiraLado(v.v, u);
        libera(v.aresta);
    }
    viz_.erase(viz_.begin() + u);
    for (std::vector<TVizinho>& lista : viz_)
        for (TVizinho& v : lista)
            if (v.v > u) --v.v;
}

std::vector<TArestaCompetitiva> TGrafoCompetitivo::lista() const {
    std::vector<TArestaCompetitiva> arestas;
    for (std::int32_t a = 0; a < unidades(); ++a)
        for (const TVizinho& v : vizinhos(a))
            if (a < v.v) arestas.push_back({a, v.v, idades_[static_cast<std::size_t>(v.aresta)]});
    std::sort(arestas.begin(), arestas.end(),
              [](const TArestaCompetitiva& x, const TArestaCompetitiva& y) {
                  return x.a != y.a ? x.a < y.a : x.b < y.b;
              });
    return arestas;
}

// Measures ------------------------------------------------------------------------------------

std::vector<TMelhores> melhoresCompetitivos(const TDadosLab& dados,
                                            const TUnidadesCompetitivas& unidades, int threads) {
    const std::size_t np = dados.padroes();
    std::vector<TMelhores> melhores(np);
    const std::size_t blocos = (np + kPadroesPorBloco - 1) / kPadroesPorBloco;
    porBlocos(threadsLab(threads, np, unidades.n(), unidades.d()), blocos, [&](std::size_t b) {
        TBuscaLab busca(unidades.d());
        unidades.aponta(busca);
        const std::size_t fim = std::min(np, (b + 1) * kPadroesPorBloco);
        for (std::size_t i = b * kPadroesPorBloco; i < fim; ++i)
            melhores[i] = busca.busca(dados.padrao(i), true);
    });
    return melhores;
}

void completaCompetitivo(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                         const TUnidadesCompetitivas& unidades, TResultadoCompetitivo& r) {
    r.dimensao = dados.dimensao;
    r.pesos = unidades.porLinhas();
    const std::vector<TMelhores> melhores = melhoresCompetitivos(dados, unidades, c.threads);
    r.threads = threadsLab(c.threads, dados.padroes(), unidades.n(), unidades.d());
    // Two units share an edge when the sorted list holds it.
    const auto ligadas = [&](std::int32_t a, std::int32_t b) {
        const TArestaCompetitiva procurada{std::min(a, b), std::max(a, b), 0};
        return std::binary_search(r.arestas.begin(), r.arestas.end(), procurada,
                                  [](const TArestaCompetitiva& x, const TArestaCompetitiva& y) {
                                      return x.a != y.a ? x.a < y.a : x.b < y.b;
                                  });
    };
    const bool comArestas = modeloTemArestas(c.modelo);
    TSomaErros<double> soma;
    r.vencedores.resize(melhores.size());
    for (std::size_t i = 0; i < melhores.size(); ++i) {
        const TMelhores& m = melhores[i];
        r.vencedores[i] = m.c1;
        soma.acrescenta(std::sqrt(m.d1), comArestas && m.c2 >= 0 && !ligadas(m.c1, m.c2));
    }
    const TErros e = soma.media(static_cast<std::int64_t>(melhores.size()));
    r.quantizacao = e.quantizacao;
    if (comArestas) r.topografico = e.topografico;
}

TModeloBase::TModeloBase(std::int32_t dimensao, const std::vector<double>& inicio,
                         std::int64_t total, bool comArestas)
    : unidades_(dimensao), busca_(dimensao), comArestas_(comArestas) {
    total_ = total;
    unidades_.defineLinhas(inicio);
    unidades_.aponta(busca_);
    for (std::int32_t u = 0; u < unidades_.n(); ++u) grafo_.acrescentaUnidade();
}

std::vector<TArestaCompetitiva> TModeloBase::arestas() const {
    return comArestas_ ? grafo_.lista() : std::vector<TArestaCompetitiva>{};
}

void TModeloBase::moveUnidade(std::int32_t u, const double* w) {
    if (u < 0 || u >= unidades_.n()) return;
    for (std::int32_t k = 0; k < unidades_.d(); ++k) unidades_.peso(u, k) = w[k];
}

bool TModeloBase::removeUnidade(std::int32_t u) {
    if (!comArestas_ || u < 0 || u >= unidades_.n() || unidades_.n() <= 2) return false;
    unidades_.remove(u);
    unidades_.aponta(busca_);
    grafo_.removeUnidade(u);
    s1_ = s2_ = -1;
    return true;
}

std::unique_ptr<TModeloEmTreino> criaModeloEmTreino(const TConfiguracaoCompetitiva& c,
                                                    std::int32_t dimensao,
                                                    const std::vector<double>& inicio,
                                                    std::int64_t total) {
    if (dimensao < 1) throw std::invalid_argument("modelo competitivo sem dimensão");
    switch (c.modelo) {
        case TModeloCompetitivo::hcl:
            return criaHcl(c, dimensao, inicio, total);
        case TModeloCompetitivo::ng:
        case TModeloCompetitivo::ngchl:
            return criaNg(c, dimensao, inicio, total);
        case TModeloCompetitivo::chl:
            return criaChl(c, dimensao, inicio, total);
        case TModeloCompetitivo::gng:
        case TModeloCompetitivo::gngu:
            return criaGng(c, dimensao, inicio, total);
        case TModeloCompetitivo::gg:
            return criaGg(c, dimensao, inicio, total);
        case TModeloCompetitivo::lbg:
            break;
    }
    throw std::invalid_argument("o LBG treina por épocas inteiras, não sinal a sinal");
}

TResultadoCompetitivo treinaCompetitivo(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                        TControle* controle) {
    if (const std::string m = validaCompetitiva(c, dados); !m.empty())
        throw std::invalid_argument(m);
    limpaEstadoVetorial();
    if (c.modelo == TModeloCompetitivo::lbg) return treinaLbg(dados, c, controle);
    const std::int32_t iniciais = unidadesIniciais(c, dados.dimensao);
    // The growing grid counts only its fine-tuning's signals ahead: its growth takes what it takes.
    const std::int64_t total = c.modelo == TModeloCompetitivo::gg
                                   ? c.epocasAjuste * static_cast<std::int64_t>(dados.padroes())
                                   : sinaisDoTreino(c, dados);
    const std::unique_ptr<TModeloEmTreino> modelo =
        criaModeloEmTreino(c, dados.dimensao, inicioCompetitivo(dados, c, iniciais), total);
    TSinaisCompetitivos sinais(dados.padroes(), c.ordem, c.semente);
    while (!modelo->terminou()) {
        verificaParadaCompetitiva(controle, modelo->sinais());
        modelo->sinal(dados.padrao(sinais.proximo()));
    }
    TResultadoCompetitivo r;
    r.sinais = modelo->sinais();
    r.linhas = modelo->linhas();
    r.colunas = modelo->colunas();
    r.arestas = modelo->arestas();
    completaCompetitivo(dados, c, static_cast<const TModeloBase&>(*modelo).unidadesCompetitivas(),
                        r);
    return r;
}

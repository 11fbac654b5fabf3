// Online training: one presentation at a time, the units around the winner moved towards the
// pattern; and the stepped training of the laboratory window, which walks it one step at a time.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "ULaboratorioInterno.h"
#include "UTraducao.h"

namespace {

// The rows of the map where a unit may have h > 0 around the winner's row: beyond them a unit is
// farther than the bubble's radius, or than where a Gaussian underflows to 0 (d^2 / (2 sigma^2)
// above 746). One or two runs of unit indices (two when the rows wrap around a torus).
struct TFaixa {
    std::int32_t inicio[2] = {0, 0}, fim[2] = {0, 0};
    int partes = 0;
};

TFaixa faixa(const TGradeLab& g, std::int32_t linhaVencedor, TVizinhancaLab tipo, double sigma) {
    const double alcance = tipo == TVizinhancaLab::bolha ? sigma : sigma * std::sqrt(2.0 * 746.0);
    const double passoLinha = g.hexagonal() ? std::sqrt(3.0) / 2.0 : 1.0;
    const double linhas = std::floor(alcance / passoLinha) + 1.0;
    TFaixa f;
    if (!(linhas < static_cast<double>(g.linhas) / 2.0)) {
        f.partes = 1;
        f.fim[0] = g.unidades();
        return f;
    }
    const auto delta = static_cast<std::int32_t>(linhas);
    std::int32_t de = linhaVencedor - delta, ate = linhaVencedor + delta + 1;  // rows [de, ate)
    if (!g.toroidal) {
        de = std::max(de, 0);
        ate = std::min(ate, g.linhas);
        f.partes = 1;
        f.inicio[0] = de * g.colunas;
        f.fim[0] = ate * g.colunas;
        return f;
    }
    if (de < 0) {
        f.partes = 2;
        f.inicio[0] = 0;
        f.fim[0] = ate * g.colunas;
        f.inicio[1] = (de + g.linhas) * g.colunas;
        f.fim[1] = g.unidades();
    } else if (ate > g.linhas) {
        f.partes = 2;
        f.inicio[0] = 0;
        f.fim[0] = (ate - g.linhas) * g.colunas;
        f.inicio[1] = de * g.colunas;
        f.fim[1] = g.unidades();
    } else {
        f.partes = 1;
        f.inicio[0] = de * g.colunas;
        f.fim[0] = ate * g.colunas;
    }
    return f;
}

}  // namespace

void TTreinoLab::atualizaParte(const double* x, std::int32_t c, double sigma, double alfa,
                               std::int32_t de, std::int32_t ate, TCacheVizinhanca& cache) {
    const TFaixa fx = faixa(mapa_.grade(), c / mapa_.grade().colunas, config_.vizinhanca, sigma);
    ++cache.apresentacao;
    double* a = fatores_.data();
    for (int parte = 0; parte < fx.partes; ++parte) {
        const std::int32_t lo = std::max(fx.inicio[parte], de);
        const std::int32_t hi = std::min(fx.fim[parte], ate);
        if (lo >= hi) continue;
        for (std::int32_t u = lo; u < hi; ++u) {
            const auto q = static_cast<std::size_t>(mapa_.quatroD2(c, u));
            if (cache.marcas[q] != cache.apresentacao) {
                cache.marcas[q] = cache.apresentacao;
                const double v =
                    vizinhancaLab(config_.vizinhanca, static_cast<double>(q) / 4.0, sigma);
                cache.valores[q] = v > 0.0 ? alfa * v : -1.0;
            }
            a[u] = cache.valores[q];
        }
        move_(mapa_.linha(0), mapa_.passo(), x, mapa_.dimensao(), a, lo, hi);
    }
}

TTreinoLab::TCacheVizinhanca TTreinoLab::novoCache() const {
    TCacheVizinhanca c;
    c.marcas.assign(static_cast<std::size_t>(mapa_.quatroD2Maximo()) + 1, 0);
    c.valores.assign(c.marcas.size(), 0.0);
    return c;
}

TTreinoLab::TOnline::TOnline(TTreinoLab& t)
    : t_(t),
      np_(t.dados_.padroes()),
      total_(static_cast<double>(t.config_.epocas) *
             (static_cast<double>(np_) - static_cast<double>(t.presenca_.vazios))),
      sorteio_(t.config_.semente ^ 0x6F6E6C696E65ull),  // "online"
      busca_(t.mapa_),
      cache_(t.novoCache()),
      ordem_(np_),
      daEpoca_(np_) {
    for (std::size_t i = 0; i < np_; ++i) ordem_[i] = i;
}

bool TTreinoLab::TOnline::proxima(TResultadoLab& r, TPassoLab* passo) {
    if (terminou()) return false;
    if (!aberta_) abre();
    const std::size_t p = ordem_[q_++];
    const double f = static_cast<double>(s_) / total_;
    const double sigma = t_.config_.raio.valor(f, t_.config_.decaimento);
    const double alfa = t_.config_.taxa.valor(f, t_.config_.decaimento);
    const double* x = t_.dados_.padrao(p);
    const TMelhores m = busca_.busca(x, t_.presenca_.completo[p] != 0);
    daEpoca_[p] = m;
    t_.conhecidos_[p] = m.c1;
    if (passo != nullptr) {
        *passo = TPassoLab{e_, p, s_, m.c1, sigma, alfa, {}, {}};
        for (std::int32_t k = 0; k < t_.mapa_.dimensao(); ++k)
            passo->antes.push_back(t_.mapa_.peso(m.c1, k));
    }
    t_.atualizaParte(x, m.c1, sigma, alfa, 0, t_.mapa_.unidades(), cache_);
    if (passo != nullptr)
        for (std::int32_t k = 0; k < t_.mapa_.dimensao(); ++k)
            passo->depois.push_back(t_.mapa_.peso(m.c1, k));
    ++s_;
    if (t_.controle_ != nullptr) t_.controle_->anotaPadroes(static_cast<std::int64_t>(q_));
    pulaVazios();
    if (q_ == np_) fecha(r);
    return true;
}

void TTreinoLab::TOnline::pulaVazios() {
    while (q_ < np_ && t_.presenca_.vazio[ordem_[q_]]) ++q_;
}

void TTreinoLab::TOnline::abre() {
    if (t_.config_.ordem == TOrdemLab::embaralhada)
        for (std::size_t i = np_; i > 1; --i) std::swap(ordem_[i - 1], ordem_[sorteio_.inteiro(i)]);
    std::fill(daEpoca_.begin(), daEpoca_.end(), TMelhores{});
    q_ = 0;
    aberta_ = true;
    pulaVazios();
}

void TTreinoLab::TOnline::fecha(TResultadoLab& r) {
    r.curva.push_back(erros(daEpoca_, t_.mapa_));
    if (t_.aoFimDaEpoca_) t_.aoFimDaEpoca_(e_ + 1, r.curva.back());
    r.epocas = e_ + 1;
    t_.entrega(e_ + 1, t_.conhecidos_);
    ++e_;
    aberta_ = false;
}

bool TTreinoLab::online(TResultadoLab& r) {
    TOnline o(*this);
    while (!o.terminou()) {
        if (parar(o.apresentacoes())) return true;
        o.proxima(r, nullptr);
    }
    return false;
}

class TPassosLab::TEstado {
  public:
    explicit TEstado(TTreinoLab& t) : online(t) {}
    TTreinoLab::TOnline online;
    TResultadoLab parcial;
};

TPassosLab::TPassosLab(const TDadosLab& dados, const TConfiguracaoLab& config,
                       TControle* controleDoInicio) {
    if (std::string m = validaConfiguracao(config, dados); !m.empty())
        throw std::invalid_argument(m);
    if (config.modo != TModoLab::online)
        throw std::invalid_argument(
            mensagem(QT_TRANSLATE_NOOP("Mensagens", "Só o treino online anda padrão a padrão.")));
    verificaMemoria(dados, config.grade);
    treino_ =
        std::make_unique<TTreinoLab>(dados, config, nullptr, TAoFimDaEpocaLab{}, controleDoInicio);
    estado_ = std::make_unique<TEstado>(*treino_);
}

TPassosLab::~TPassosLab() = default;

std::optional<TPassoLab> TPassosLab::proximo() {
    TPassoLab passo;
    if (!estado_->online.proxima(estado_->parcial, &passo)) return std::nullopt;
    return passo;
}

bool TPassosLab::terminou() const {
    return estado_->online.terminou();
}

TResultadoLab TPassosLab::andamento() const {
    TResultadoLab r;
    r.curva = estado_->parcial.curva;
    r.epocas = estado_->parcial.epocas;
    r.completo = terminou();
    return r;
}

TResultadoLab TPassosLab::instante() const {
    TResultadoLab r = andamento();
    treino_->instante(r);
    return r;
}

TResultadoLab TPassosLab::resultado() {
    TResultadoLab r = andamento();
    treino_->mede(r);
    return r;
}

#include "ULaboratorio.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <thread>

#include "UBusca.h"
#include "UErros.h"
#include "ULaboratorioInterno.h"
#include "ULimites.h"

double vizinhancaLab(TVizinhancaLab tipo, double d2, double sigma) {
    if (tipo == TVizinhancaLab::bolha) return std::sqrt(d2) <= sigma ? 1.0 : 0.0;
    // Below about 1e-162 the square of the radius rounds to 0, and d2 / 0 would make the
    // winner's own weight NaN: such a radius is the radius 0, the winner alone.
    const double s2 = 2.0 * sigma * sigma;
    if (s2 == 0.0) return d2 == 0.0 ? 1.0 : 0.0;
    return std::exp(-d2 / s2);
}

double TAgendaLab::valor(double f, TDecaimentoLab decaimento) const {
    if (decaimento == TDecaimentoLab::linear) return inicial + (final - inicial) * f;
    return inicial * std::pow(final / inicial, f);
}

std::string validaConfiguracao(const TConfiguracaoLab& c, const TDadosLab& dados) {
    if (std::string m = validaGrade(c.grade); !m.empty()) return m;
    const auto finito = [](double v) { return std::isfinite(v); };
    if (!finito(c.raio.inicial) || !finito(c.raio.final) || c.raio.inicial < 0.0 ||
        c.raio.final < 0.0)
        return "O raio deve ser um número maior ou igual a zero.";
    if (c.modo == TModoLab::online &&
        (!finito(c.taxa.inicial) || !finito(c.taxa.final) || c.taxa.inicial <= 0.0 ||
         c.taxa.final <= 0.0 || c.taxa.inicial > 1.0 || c.taxa.final > 1.0))
        return "A taxa de aprendizado deve estar entre 0 (exclusive) e 1.";
    if (c.decaimento == TDecaimentoLab::exponencial &&
        (c.raio.inicial <= 0.0 || c.raio.final <= 0.0))
        return "O decaimento exponencial precisa de raios inicial e final positivos.";
    if (c.epocas < 1 || c.epocas > kEpocasMaximasLab)
        return "O número de épocas deve estar entre 1 e 1000000.";
    if (dados.dimensao < 1 || dados.padroes() == 0) return "Não há padrões para treinar.";
    bool algumValor = false;
    for (std::size_t i = 0; i < dados.padroes() && !algumValor; ++i)
        algumValor = valoresPresentes(dados.padrao(i), dados.dimensao) > 0;
    if (!algumValor) return "Nenhum padrão tem valores.";
    if (c.inicio == TInicioLab::pesos &&
        c.pesosIniciais.size() !=
            static_cast<std::size_t>(c.grade.unidades()) * static_cast<std::size_t>(dados.dimensao))
        return "Os pesos iniciais não têm o tamanho do mapa e a dimensão dos padrões.";
    return {};
}

namespace {

constexpr std::size_t kBlocoPadroes = 1024;
// Past this many terms (patterns x units x values) a stopped training is not measured again: about
// a quarter of a second here with AVX-512 on two threads.
constexpr double kTermosAposParada = 2e9;
constexpr double kU = 0x1p-53;

// Runs tarefa(b) for b in 0 .. blocos - 1, thread t taking blocks t, t + T, ...; each block writes
// only its own results, so the outcome does not depend on T.
template <class F>
void porBlocos(int threads, std::size_t blocos, const F& tarefa) {
    if (threads <= 1 || blocos <= 1) {
        for (std::size_t b = 0; b < blocos; ++b) tarefa(b);
        return;
    }
    std::thread outro([&] {
        for (std::size_t b = 1; b < blocos; b += 2) tarefa(b);
    });
    for (std::size_t b = 0; b < blocos; b += 2) tarefa(b);
    outro.join();
}

// The map's weights by attribute (see UBusca.h), and the plane geometry of its units in whole
// numbers: 4 d^2 = dx^2 + coef dr^2, dx in halves of a unit.
class TMapaLab {
  public:
    TMapaLab(const TGradeLab& grade, std::int32_t dimensao)
        : grade_(grade), n_(grade.unidades()), d_(dimensao), passo_((n_ + 7) / 8 * 8) {
        // Rows start on 64-byte boundaries (passo is a multiple of 8), so that no vector load
        // straddles two cache lines.
        memoria_.assign(static_cast<std::size_t>(passo_) * static_cast<std::size_t>(d_) + 8, 0.0);
        const auto endereco = reinterpret_cast<std::uintptr_t>(memoria_.data());
        t_ = memoria_.data() + ((64 - endereco % 64) % 64) / sizeof(double);
        meioX_.resize(static_cast<std::size_t>(n_));
        linha_.resize(static_cast<std::size_t>(n_));
        for (std::int32_t u = 0; u < n_; ++u) {
            const std::int32_t r = u / grade.colunas, c = u % grade.colunas;
            linha_[static_cast<std::size_t>(u)] = r;
            meioX_[static_cast<std::size_t>(u)] = 2 * c + (grade.hexagonal() ? (r & 1) : 0);
        }
    }

    TMapaLab(const TMapaLab&) = delete;  // t_ points into its own memoria_
    TMapaLab& operator=(const TMapaLab&) = delete;

    std::int32_t unidades() const { return n_; }
    std::int32_t dimensao() const { return d_; }
    std::int32_t passo() const { return passo_; }
    const TGradeLab& grade() const { return grade_; }
    double* linha(std::int32_t k) {
        return t_ + static_cast<std::size_t>(k) * static_cast<std::size_t>(passo_);
    }
    const double* dados() const { return t_; }
    double peso(std::int32_t u, std::int32_t k) const {
        return t_[static_cast<std::size_t>(k) * static_cast<std::size_t>(passo_) +
                  static_cast<std::size_t>(u)];
    }
    void defineLinhas(const std::vector<double>& pesos) {
        for (std::int32_t u = 0; u < n_; ++u)
            for (std::int32_t k = 0; k < d_; ++k)
                linha(k)[u] = pesos[static_cast<std::size_t>(u) * static_cast<std::size_t>(d_) +
                                    static_cast<std::size_t>(k)];
    }
    std::vector<double> porLinhas() const {
        std::vector<double> p(static_cast<std::size_t>(n_) * static_cast<std::size_t>(d_));
        for (std::int32_t u = 0; u < n_; ++u)
            for (std::int32_t k = 0; k < d_; ++k)
                p[static_cast<std::size_t>(u) * static_cast<std::size_t>(d_) +
                  static_cast<std::size_t>(k)] = peso(u, k);
        return p;
    }

    // 4 d^2 between units a and b: the same as TGradeLab::quatroD2, without divisions.
    std::int64_t quatroD2(std::int32_t a, std::int32_t b) const {
        std::int64_t dx = meioX_[static_cast<std::size_t>(a)] - meioX_[static_cast<std::size_t>(b)];
        std::int64_t dr = linha_[static_cast<std::size_t>(a)] - linha_[static_cast<std::size_t>(b)];
        const std::int64_t coef = grade_.hexagonal() ? 3 : 4;
        if (!grade_.toroidal) return dx * dx + coef * dr * dr;
        return grade_.quatroD2(a, b);
    }

    // At least the largest 4 d^2 between two units.
    std::int64_t quatroD2Maximo() const {
        const std::int64_t c = grade_.colunas, r = grade_.linhas;
        return grade_.hexagonal() ? 4 * c * c + 3 * r * r : 4 * (c * c + r * r);
    }

    // The direct sum over the attributes present, in attribute order.
    double distanciaDireta(const double* x, std::int32_t u, bool completo) const {
        double s = 0.0;
        const double* p = t_ + u;
        for (std::int32_t k = 0; k < d_; ++k, p += passo_) {
            if (!completo && std::isnan(x[k])) continue;
            const double e = x[k] - *p;
            s += e * e;
        }
        return s;
    }

  private:
    TGradeLab grade_;
    std::int32_t n_, d_, passo_;
    std::vector<double> memoria_;
    double* t_;
    std::vector<std::int32_t> meioX_, linha_;
};

struct TMelhores {
    std::int32_t c1 = -1, c2 = -1;
    double d1 = 0.0, d2 = 0.0;  // squared, direct sums
};

// The two best units of a pattern, exactly as the direct sums rank them. The SIMD distances f
// differ from the direct sums B by at most a relative (D + 1) u each way (both sum the same
// squares in the same order, one with fused steps) plus an absolute slack for underflow, so every
// unit that B could put first or second has f <= f2 ((1 + g) / (1 - g))^2 + slack, f2 the second
// least f. Those few are decided by B, ties to the lower index.
class TBuscaLab {
  public:
    explicit TBuscaLab(const TMapaLab& mapa)
        : mapa_(mapa),
          f_(static_cast<std::size_t>(mapa.passo()) + 8),
          candidatos_(static_cast<std::size_t>(mapa.passo())),
          funcao_(funcaoDistanciasLab()) {
        const double d = mapa.dimensao();
        fator_ = 1.0 + 8.0 * (d + 2.0) * kU;
        folga_ = std::ldexp(8.0 * (d + 1.0), -1074);
    }

    TMelhores busca(const double* x, bool completo) {
        if (!completo) return decide(x, false, mapa_.unidades(), nullptr);
        distancias(x, 0, mapa_.unidades());
        return escolhe(x);
    }

    // The SIMD distances of the units [de, ate), de a multiple of 8.
    void distancias(const double* x, std::int32_t de, std::int32_t ate) {
        funcao_(x, mapa_.dimensao(), mapa_.dados() + de, mapa_.passo(), (ate - de + 7) / 8 * 8,
                f_.data() + de);
    }

    // The two best units of a complete pattern, from every unit's SIMD distance.
    TMelhores escolhe(const double* x) {
        const std::int32_t n = mapa_.unidades();
        double a1 = std::numeric_limits<double>::infinity(), a2 = a1;
        bool inseguro = false;
        for (std::int32_t j = 0; j < n; ++j) {
            const double f = f_[static_cast<std::size_t>(j)];
            if (!(f < kTetoBusca)) inseguro = true;
            if (f < a1) {
                a2 = a1;
                a1 = f;
            } else if (f < a2) {
                a2 = f;
            }
        }
        if (inseguro) return decide(x, true, n, nullptr);
        const double limite = (n >= 2 ? a2 : a1) * fator_ + folga_;
        std::int32_t m = 0;
        for (std::int32_t j = 0; j < n; ++j) {
            candidatos_[static_cast<std::size_t>(m)] = j;
            m += f_[static_cast<std::size_t>(j)] <= limite ? 1 : 0;
        }
        return decide(x, true, m, candidatos_.data());
    }

  private:
    // The two least direct sums over the listed units (all n when the list is null).
    TMelhores decide(const double* x, bool completo, std::int32_t m,
                     const std::int32_t* lista) const {
        TMelhores r;
        for (std::int32_t i = 0; i < m; ++i) {
            const std::int32_t u = lista != nullptr ? lista[i] : i;
            const double b = mapa_.distanciaDireta(x, u, completo);
            if (r.c1 < 0 || b < r.d1) {
                r.c2 = r.c1;
                r.d2 = r.d1;
                r.c1 = u;
                r.d1 = b;
            } else if (r.c2 < 0 || b < r.d2) {
                r.c2 = u;
                r.d2 = b;
            }
        }
        return r;
    }

    const TMapaLab& mapa_;
    std::vector<double> f_;
    std::vector<std::int32_t> candidatos_;
    TFuncaoDistanciasLab funcao_;
    double fator_, folga_;
};

// Per pattern: whether it holds every value, and whether it holds any.
struct TPresenca {
    std::vector<unsigned char> completo, vazio;
    std::int64_t vazios = 0;
    bool todosCompletos = true;
};

TPresenca presenca(const TDadosLab& dados) {
    TPresenca p;
    const std::size_t n = dados.padroes();
    p.completo.resize(n);
    p.vazio.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::int32_t v = valoresPresentes(dados.padrao(i), dados.dimensao);
        p.completo[i] = v == dados.dimensao;
        p.vazio[i] = v == 0;
        p.vazios += v == 0 ? 1 : 0;
        p.todosCompletos = p.todosCompletos && v == dados.dimensao;
    }
    return p;
}

int threadsLab(int pedidas, std::size_t padroes, std::int32_t unidades, std::int32_t dimensao) {
    if (pedidas == 1) return 1;
    if (std::thread::hardware_concurrency() < 2) return pedidas == 2 ? 2 : 1;
    if (pedidas == 2) return 2;
    // Two threads pay for themselves once a pass over the patterns is a few million terms.
    const double termos = static_cast<double>(padroes) * unidades * dimensao;
    return termos >= 4e6 ? 2 : 1;
}

// The two best units of every pattern on the map, in blocks.
void buscaTodos(const TDadosLab& dados, const TPresenca& presenca, const TMapaLab& mapa,
                int threads, std::vector<TMelhores>& melhores, TControle* controle, bool& parado) {
    const std::size_t n = dados.padroes();
    melhores.resize(n);
    const std::size_t blocos = (n + kBlocoPadroes - 1) / kBlocoPadroes;
    std::atomic<bool> parou{false};
    porBlocos(threads, blocos, [&](std::size_t b) {
        if (controle != nullptr && controle->parar.load(std::memory_order_relaxed)) {
            parou.store(true, std::memory_order_relaxed);
            return;
        }
        TBuscaLab busca(mapa);
        const std::size_t fim = std::min(n, (b + 1) * kBlocoPadroes);
        for (std::size_t i = b * kBlocoPadroes; i < fim; ++i)
            melhores[i] = presenca.vazio[i] ? TMelhores{}
                                            : busca.busca(dados.padrao(i), presenca.completo[i]);
    });
    parado = parou.load();
}

TEpocaLab erros(const std::vector<TMelhores>& melhores, const TMapaLab& mapa) {
    double qe = 0.0;
    std::int64_t contados = 0, separados = 0;
    for (const TMelhores& m : melhores) {
        if (m.c1 < 0) continue;
        qe += std::sqrt(m.d1);
        ++contados;
        if (m.c2 >= 0 && mapa.quatroD2(m.c1, m.c2) > 4) ++separados;
    }
    TEpocaLab e;
    if (contados > 0) {
        e.quantizacao = qe / static_cast<double>(contados);
        e.topografico = static_cast<double>(separados) / static_cast<double>(contados);
    }
    return e;
}

void verificaMemoria(const TDadosLab& dados, const TGradeLab& grade) {
    // The weights twice (by attribute and by unit) and the batch sums per unit, twice over.
    const std::uint64_t bytes = static_cast<std::uint64_t>(grade.unidades() + 8) *
                                static_cast<std::uint64_t>(dados.dimensao) * 8u * 5u;
    if (bytes > kTetoMapaBytes)
        throw EMemoriaInsuficiente("O mapa não cabe na memória que o programa se permite.");
}

// Hits, labels and U-matrix of a map whose winners are in r.vencedores.
void resumeVencedores(const TDadosLab& dados, const TMapaLab& mapa, TResultadoLab& r) {
    const std::int32_t n = mapa.unidades();
    const std::size_t np = dados.padroes();
    r.acertos.assign(static_cast<std::size_t>(n), 0);
    for (std::size_t i = 0; i < np && i < r.vencedores.size(); ++i)
        if (r.vencedores[i] >= 0 && r.vencedores[i] < n)
            ++r.acertos[static_cast<std::size_t>(r.vencedores[i])];

    // Labels: (unit, label, first pattern) sorted, counted, then each unit's ranked.
    struct TPar {
        std::int32_t unidade, rotulo;
        std::size_t primeiro;
    };
    std::vector<TPar> pares;
    for (std::size_t i = 0; i < np && i < r.vencedores.size(); ++i)
        if (r.vencedores[i] >= 0 && r.vencedores[i] < n && i < dados.rotulo.size() &&
            dados.rotulo[i] >= 0)
            pares.push_back({r.vencedores[i], dados.rotulo[i], i});
    std::stable_sort(pares.begin(), pares.end(), [](const TPar& a, const TPar& b) {
        return a.unidade != b.unidade ? a.unidade < b.unidade : a.rotulo < b.rotulo;
    });
    // Each group's first pair holds its first pattern: the sort kept the patterns' order.
    r.rotulos.assign(static_cast<std::size_t>(n), {});
    std::vector<std::vector<std::size_t>> primeiros(static_cast<std::size_t>(n));
    for (std::size_t i = 0; i < pares.size();) {
        std::size_t j = i;
        while (j < pares.size() && pares[j].unidade == pares[i].unidade &&
               pares[j].rotulo == pares[i].rotulo)
            ++j;
        const auto u = static_cast<std::size_t>(pares[i].unidade);
        r.rotulos[u].push_back({pares[i].rotulo, static_cast<std::int64_t>(j - i)});
        primeiros[u].push_back(pares[i].primeiro);
        i = j;
    }
    for (std::size_t u = 0; u < r.rotulos.size(); ++u) {
        auto& lista = r.rotulos[u];
        if (lista.size() < 2) continue;
        std::vector<std::size_t> ordem(lista.size());
        for (std::size_t k = 0; k < ordem.size(); ++k) ordem[k] = k;
        std::sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
            return lista[a].vezes != lista[b].vezes ? lista[a].vezes > lista[b].vezes
                                                    : primeiros[u][a] < primeiros[u][b];
        });
        std::vector<TRotuloUnidade> ordenada;
        for (const std::size_t k : ordem) ordenada.push_back(lista[k]);
        lista = std::move(ordenada);
    }

    r.matrizU.assign(static_cast<std::size_t>(n), 0.0);
    const TGradeLab& grade = mapa.grade();
    for (std::int32_t u = 0; u < n; ++u) {
        const std::vector<std::int32_t> viz = grade.vizinhos(u);
        if (viz.empty()) continue;
        double soma = 0.0;
        for (const std::int32_t v : viz) {
            double s = 0.0;
            for (std::int32_t k = 0; k < mapa.dimensao(); ++k) {
                const double dif = mapa.peso(u, k) - mapa.peso(v, k);
                s += dif * dif;
            }
            soma += std::sqrt(s);
        }
        r.matrizU[static_cast<std::size_t>(u)] = soma / static_cast<double>(viz.size());
    }
}

// Everything measured on a map, as returned to the caller.
void completaResultado(const TDadosLab& dados, const TMapaLab& mapa,
                       const std::vector<TMelhores>& melhores, TResultadoLab& r) {
    r.pesos = mapa.porLinhas();
    const std::size_t np = dados.padroes();
    r.vencedores.assign(np, -1);
    r.segundos.assign(np, -1);
    r.distancias.assign(np, std::numeric_limits<double>::quiet_NaN());
    for (std::size_t i = 0; i < np; ++i) {
        const TMelhores& m = melhores[i];
        if (m.c1 < 0) continue;
        r.vencedores[i] = m.c1;
        r.segundos[i] = m.c2;
        r.distancias[i] = std::sqrt(m.d1);
    }
    const TEpocaLab e = erros(melhores, mapa);
    r.quantizacao = e.quantizacao;
    r.topografico = e.topografico;
    resumeVencedores(dados, mapa, r);
}

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

class TTreinoLab {
  public:
    // `controleDoInicio` stops only the starting map's computation (a stepped training has no
    // control of its own afterwards).
    TTreinoLab(const TDadosLab& dados, const TConfiguracaoLab& config, TControle* controle,
               const TAoFimDaEpocaLab& aoFimDaEpoca, TControle* controleDoInicio = nullptr)
        : dados_(dados),
          config_(config),
          controle_(controle),
          aoFimDaEpoca_(aoFimDaEpoca),
          presenca_(presenca(dados)),
          mapa_(config.grade, dados.dimensao),
          threads_(threadsLab(config.threads, dados.padroes(), config.grade.unidades(),
                              dados.dimensao)) {
        mapa_.defineLinhas(
            pesosIniciaisLab(dados, config, controle != nullptr ? controle : controleDoInicio));
        fatores_.assign(static_cast<std::size_t>(mapa_.passo()) + 8, -1.0);
        conhecidos_.assign(dados.padroes(), -1);
    }

    TResultadoLab executa() {
        TResultadoLab r;
        // Online training is one sequence of presentations: a second thread sharing each one
        // (meeting twice a pattern) measured slower than one here. The final measure may use two.
        r.threads = config_.modo == TModoLab::online ? 1 : threads_;
        r.ignorados = presenca_.vazios;
        entrega(0, conhecidos_);
        bool parado = false;
        std::vector<TMelhores> melhores;
        if (config_.modo == TModoLab::online)
            parado = online(r);
        else
            parado = lote(r, melhores);
        r.completo = !parado;
        if (parado && static_cast<double>(dados_.padroes()) * mapa_.unidades() * mapa_.dimensao() >
                          kTermosAposParada) {
            // A map too large to measure at once after a stop is summed up from the winners
            // already found, so that Parar answers at once; its errors stay unmeasured.
            r.pesos = mapa_.porLinhas();
            r.vencedores = conhecidos_;
            resumeVencedores(dados_, mapa_, r);
            r.medido = false;
            return r;
        }
        // The batch's last search measured the final map already.
        if (config_.modo == TModoLab::online || parado || melhores.size() != dados_.padroes()) {
            bool ignorado = false;
            buscaTodos(dados_, presenca_, mapa_, threads_, melhores, nullptr, ignorado);
        }
        completaResultado(dados_, mapa_, melhores, r);
        return r;
    }

  private:
    bool parar(std::int64_t apresentacoes) const {
        return controle_ != nullptr && controle_->deveParar(apresentacoes);
    }

    void entrega(std::int32_t epocas, const std::vector<std::int32_t>& vencedores) {
        if (controle_ == nullptr) return;
        controle_->anotaCiclo(epocas);
        if (!controle_->querMapa(epocas)) return;
        const std::vector<double> pesos = mapa_.porLinhas();
        controle_->aoInstantaneo(TInstantaneo{epocas, pesos, vencedores});
    }

    // The units a presentation moves are found and moved by part: [de, ate) of the map, within
    // the rows the neighbourhood reaches. Many units share a distance to the winner, so each
    // distinct distance's exp is taken once per presentation (cache.marcas tells which entries of
    // cache.valores are this presentation's). a = -1 marks a unit outside the neighbourhood, which
    // keeps its bits (even a -0).
    struct TCacheVizinhanca {
        std::int64_t apresentacao = 0;
        std::vector<std::int64_t> marcas;
        std::vector<double> valores;
    };

    void atualizaParte(const double* x, std::int32_t c, double sigma, double alfa, std::int32_t de,
                       std::int32_t ate, TCacheVizinhanca& cache) {
        const TFaixa fx =
            faixa(mapa_.grade(), c / mapa_.grade().colunas, config_.vizinhanca, sigma);
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

    TCacheVizinhanca novoCache() const {
        TCacheVizinhanca c;
        c.marcas.assign(static_cast<std::size_t>(mapa_.quatroD2Maximo()) + 1, 0);
        c.valores.assign(c.marcas.size(), 0.0);
        return c;
    }

  public:
    // Online training, one presentation at a time: the epochs open (a new order when shuffled)
    // and close (the curve's point, the live picture) around their presentations. treinaLab runs
    // it to the end; the window's step mode calls it once per step.
    class TOnline {
      public:
        explicit TOnline(TTreinoLab& t)
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

        bool terminou() const { return e_ >= t_.config_.epocas; }
        std::int64_t apresentacoes() const { return s_; }

        // Presents the next pattern (false when every epoch is done); `passo`, when given,
        // receives what the presentation did.
        bool proxima(TResultadoLab& r, TPassoLab* passo) {
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

      private:
        void pulaVazios() {
            while (q_ < np_ && t_.presenca_.vazio[ordem_[q_]]) ++q_;
        }
        void abre() {
            if (t_.config_.ordem == TOrdemLab::embaralhada)
                for (std::size_t i = np_; i > 1; --i)
                    std::swap(ordem_[i - 1], ordem_[sorteio_.inteiro(i)]);
            std::fill(daEpoca_.begin(), daEpoca_.end(), TMelhores{});
            q_ = 0;
            aberta_ = true;
            pulaVazios();
        }
        void fecha(TResultadoLab& r) {
            r.curva.push_back(erros(daEpoca_, t_.mapa_));
            if (t_.aoFimDaEpoca_) t_.aoFimDaEpoca_(e_ + 1, r.curva.back());
            r.epocas = e_ + 1;
            t_.entrega(e_ + 1, t_.conhecidos_);
            ++e_;
            aberta_ = false;
        }

        TTreinoLab& t_;
        std::size_t np_;
        double total_;
        TSorteioLab sorteio_;
        TBuscaLab busca_;
        TCacheVizinhanca cache_;
        std::vector<std::size_t> ordem_;
        std::vector<TMelhores> daEpoca_;
        std::int64_t s_ = 0;
        std::int32_t e_ = 0;
        std::size_t q_ = 0;
        bool aberta_ = false;
    };

    // The map as it stands with the winners found so far, without any search.
    void instante(TResultadoLab& r) const {
        r.pesos = mapa_.porLinhas();
        r.vencedores = conhecidos_;
        r.medido = false;
    }

    // The map as it stands, measured: winners found again on it.
    void mede(TResultadoLab& r) {
        std::vector<TMelhores> melhores;
        bool ignorado = false;
        buscaTodos(dados_, presenca_, mapa_, threads_, melhores, nullptr, ignorado);
        completaResultado(dados_, mapa_, melhores, r);
    }

  private:
    bool online(TResultadoLab& r) {
        TOnline o(*this);
        while (!o.terminou()) {
            if (parar(o.apresentacoes())) return true;
            o.proxima(r, nullptr);
        }
        return false;
    }

    bool lote(TResultadoLab& r, std::vector<TMelhores>& melhores) {
        const std::size_t np = dados_.padroes();
        const std::int32_t n = mapa_.unidades(), d = mapa_.dimensao();
        const auto un = static_cast<std::size_t>(n), ud = static_cast<std::size_t>(d);
        std::vector<double> soma(un * ud), conta(presenca_.todosCompletos ? un : un * ud);
        std::vector<std::int32_t>& vencedores = conhecidos_;
        // h by 4 d^2, for this epoch's radius.
        const std::int64_t maximo = mapa_.quatroD2Maximo();
        std::vector<double> tabela;
        for (std::int32_t e = 0; e < config_.epocas; ++e) {
            bool parado = false;
            buscaTodos(dados_, presenca_, mapa_, threads_, melhores, controle_, parado);
            if (parado) return true;
            if (e > 0) {
                r.curva.push_back(erros(melhores, mapa_));
                if (aoFimDaEpoca_) aoFimDaEpoca_(e, r.curva.back());
            }
            const double sigma =
                config_.raio.valor(static_cast<double>(e) / config_.epocas, config_.decaimento);
            tabela.resize(static_cast<std::size_t>(maximo) + 1);
            for (std::size_t q = 0; q < tabela.size(); ++q)
                tabela[q] = vizinhancaLab(config_.vizinhanca, static_cast<double>(q) / 4.0, sigma);

            // The sums per winner, in pattern order.
            std::fill(soma.begin(), soma.end(), 0.0);
            std::fill(conta.begin(), conta.end(), 0.0);
            for (std::size_t i = 0; i < np; ++i) {
                const std::int32_t c = melhores[i].c1;
                vencedores[i] = c;
                if (c < 0) continue;
                const double* x = dados_.padrao(i);
                double* sc = soma.data() + static_cast<std::size_t>(c) * ud;
                if (presenca_.todosCompletos) {
                    for (std::size_t k = 0; k < ud; ++k) sc[k] += x[k];
                    conta[static_cast<std::size_t>(c)] += 1.0;
                } else {
                    double* cc = conta.data() + static_cast<std::size_t>(c) * ud;
                    for (std::size_t k = 0; k < ud; ++k)
                        if (!std::isnan(x[k])) {
                            sc[k] += x[k];
                            cc[k] += 1.0;
                        }
                }
            }
            std::vector<std::int32_t> ativos;
            for (std::int32_t c = 0; c < n; ++c) {
                bool tem = false;
                if (presenca_.todosCompletos) {
                    tem = conta[static_cast<std::size_t>(c)] > 0.0;
                } else {
                    for (std::size_t k = 0; k < ud && !tem; ++k)
                        tem = conta[static_cast<std::size_t>(c) * ud + k] > 0.0;
                }
                if (tem) ativos.push_back(c);
            }
            if (parar(static_cast<std::int64_t>(e) * static_cast<std::int64_t>(np))) return true;

            // Each unit smoothed on its own, over the winners in increasing order.
            // A stop request abandons the epoch (checked per block of units: a large map's
            // smoothing is the longest stretch of an epoch).
            std::vector<double> novos(un * ud);
            const std::size_t blocos = (un + 63) / 64;
            std::atomic<bool> interrompido{false};
            porBlocos(threads_, blocos, [&](std::size_t b) {
                if (controle_ != nullptr && controle_->parar.load(std::memory_order_relaxed)) {
                    interrompido.store(true, std::memory_order_relaxed);
                    return;
                }
                std::vector<double> num(ud), den(presenca_.todosCompletos ? 1 : ud);
                const std::size_t fim = std::min(un, (b + 1) * 64);
                for (std::size_t i = b * 64; i < fim; ++i) {
                    std::fill(num.begin(), num.end(), 0.0);
                    std::fill(den.begin(), den.end(), 0.0);
                    for (const std::int32_t c : ativos) {
                        const double hc = tabela[static_cast<std::size_t>(
                            mapa_.quatroD2(c, static_cast<std::int32_t>(i)))];
                        if (hc == 0.0) continue;
                        const double* sc = soma.data() + static_cast<std::size_t>(c) * ud;
                        for (std::size_t k = 0; k < ud; ++k) num[k] += hc * sc[k];
                        if (presenca_.todosCompletos) {
                            den[0] += hc * conta[static_cast<std::size_t>(c)];
                        } else {
                            const double* cc = conta.data() + static_cast<std::size_t>(c) * ud;
                            for (std::size_t k = 0; k < ud; ++k) den[k] += hc * cc[k];
                        }
                    }
                    for (std::size_t k = 0; k < ud; ++k) {
                        const double dk = den[presenca_.todosCompletos ? 0 : k];
                        novos[i * ud + k] = dk > 0.0 ? num[k] / dk
                                                     : mapa_.peso(static_cast<std::int32_t>(i),
                                                                  static_cast<std::int32_t>(k));
                    }
                }
            });
            if (interrompido.load()) return true;
            mapa_.defineLinhas(novos);
            r.epocas = e + 1;
            entrega(e + 1, vencedores);
        }
        // The map after the last epoch, measured: the last point of the curve and the result.
        bool parado = false;
        buscaTodos(dados_, presenca_, mapa_, threads_, melhores, nullptr, parado);
        r.curva.push_back(erros(melhores, mapa_));
        if (aoFimDaEpoca_) aoFimDaEpoca_(config_.epocas, r.curva.back());
        return false;
    }

    const TDadosLab& dados_;
    const TConfiguracaoLab config_;
    TControle* controle_;
    const TAoFimDaEpocaLab aoFimDaEpoca_;
    TPresenca presenca_;
    TMapaLab mapa_;
    int threads_;
    TFuncaoMoveLab move_ = funcaoMoveLab();
    // Each pattern's latest winner (-1 until presented): what a stopped training is summed up from.
    std::vector<std::int32_t> conhecidos_;
    std::vector<double> fatores_;  // a of each unit, for the presentation being made
};

TResultadoLab treinaLab(const TDadosLab& dados, const TConfiguracaoLab& config, TControle* controle,
                        const TAoFimDaEpocaLab& aoFimDaEpoca) {
    if (std::string m = validaConfiguracao(config, dados); !m.empty())
        throw std::invalid_argument(m);
    verificaMemoria(dados, config.grade);
    TTreinoLab treino(dados, config, controle, aoFimDaEpoca);
    return treino.executa();
}

TResultadoLab medeLab(const TDadosLab& dados, const TGradeLab& grade,
                      const std::vector<double>& pesos, int threads, TControle* controle) {
    verificaMemoria(dados, grade);
    TMapaLab mapa(grade, dados.dimensao);
    mapa.defineLinhas(pesos);
    const TPresenca p = presenca(dados);
    TResultadoLab r;
    r.threads = threadsLab(threads, dados.padroes(), grade.unidades(), dados.dimensao);
    r.ignorados = p.vazios;
    r.completo = true;
    std::vector<TMelhores> melhores;
    bool parado = false;
    buscaTodos(dados, p, mapa, r.threads, melhores, controle, parado);
    if (parado) throw EInterrompido();
    completaResultado(dados, mapa, melhores, r);
    return r;
}

TResultadoLab resumoLab(const TDadosLab& dados, const TGradeLab& grade,
                        const std::vector<double>& pesos,
                        const std::vector<std::int32_t>& vencedores) {
    verificaMemoria(dados, grade);
    TMapaLab mapa(grade, dados.dimensao);
    mapa.defineLinhas(pesos);
    TResultadoLab r;
    r.pesos = pesos;
    r.vencedores = vencedores;
    r.vencedores.resize(dados.padroes(), -1);
    resumeVencedores(dados, mapa, r);
    return r;
}

namespace {

std::string textoReal(double v) {
    char b[40];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

}  // namespace

std::vector<std::string> comentariosDoTreinoLab(const TConfiguracaoLab& c, double quantizacao,
                                                double topografico) {
    static const char* const kInicios[] = {"aleatorio", "amostras", "linear", "canto", "mapa"};
    std::string s =
        std::string("norvika-lab topologia=") + (c.grade.hexagonal() ? "hexagonal" : "retangular") +
        " toroidal=" + (c.grade.toroidal ? "sim" : "nao") +
        " vizinhanca=" + (c.vizinhanca == TVizinhancaLab::gaussiana ? "gaussiana" : "bolha") +
        " raio=" + textoReal(c.raio.inicial) + ':' + textoReal(c.raio.final) +
        " decaimento=" + (c.decaimento == TDecaimentoLab::linear ? "linear" : "exponencial") +
        " epocas=" + std::to_string(c.epocas) +
        " modo=" + (c.modo == TModoLab::online ? "online" : "lote");
    if (c.modo == TModoLab::online)
        s += " taxa=" + textoReal(c.taxa.inicial) + ':' + textoReal(c.taxa.final) +
             " ordem=" + (c.ordem == TOrdemLab::arquivo ? "arquivo" : "embaralhada");
    s += std::string(" inicio=") + kInicios[static_cast<int>(c.inicio)] +
         " semente=" + std::to_string(c.semente);
    return {s, "norvika-lab erro_quantizacao=" + textoReal(quantizacao) +
                   " erro_topografico=" + textoReal(topografico)};
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
        throw std::invalid_argument("Só o treino online anda padrão a padrão.");
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

std::optional<std::uint64_t> sementeDeTexto(std::string_view texto) {
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == '\t'))
        texto.remove_prefix(1);
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\t')) texto.remove_suffix(1);
    std::uint64_t v = 0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    if (texto.empty() || r.ec != std::errc() || r.ptr != texto.data() + texto.size())
        return std::nullopt;
    return v;
}

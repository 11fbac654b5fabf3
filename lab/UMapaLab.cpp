// The laboratory's map by attribute and the search of each pattern's two best units.

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <thread>

#include "UBusca.h"
#include "UErros.h"
#include "ULaboratorioInterno.h"
#include "ULimites.h"
#include "UTraducao.h"

namespace {

constexpr std::size_t kBlocoPadroes = 1024;
constexpr double kU = 0x1p-53;

}  // namespace

TMapaLab::TMapaLab(const TGradeLab& grade, std::int32_t dimensao)
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

void TMapaLab::defineLinhas(const std::vector<double>& pesos) {
    for (std::int32_t u = 0; u < n_; ++u)
        for (std::int32_t k = 0; k < d_; ++k)
            linha(k)[u] = pesos[static_cast<std::size_t>(u) * static_cast<std::size_t>(d_) +
                                static_cast<std::size_t>(k)];
}

std::vector<double> TMapaLab::porLinhas() const {
    std::vector<double> p(static_cast<std::size_t>(n_) * static_cast<std::size_t>(d_));
    for (std::int32_t u = 0; u < n_; ++u)
        for (std::int32_t k = 0; k < d_; ++k)
            p[static_cast<std::size_t>(u) * static_cast<std::size_t>(d_) +
              static_cast<std::size_t>(k)] = peso(u, k);
    return p;
}

TBuscaLab::TBuscaLab(const TMapaLab& mapa) : TBuscaLab(mapa.dimensao()) {
    aponta(mapa.dados(), mapa.passo(), mapa.unidades());
}

TBuscaLab::TBuscaLab(std::int32_t dimensao)
    : d_(dimensao),
      funcao_(funcaoDistanciasLab()),
      doisMenores_(funcaoDoisMenores()),
      seleciona_(funcaoSeleciona()) {
    const double d = dimensao;
    fator_ = 1.0 + 8.0 * (d + 2.0) * kU;
    folga_ = std::ldexp(8.0 * (d + 1.0), -1074);
}

void TBuscaLab::aponta(const double* t, std::int32_t passo, std::int32_t n) {
    t_ = t;
    passo_ = passo;
    n_ = n;
    if (f_.size() < static_cast<std::size_t>(passo) + 8) {
        f_.resize(static_cast<std::size_t>(passo) + 8);
        candidatos_.resize(static_cast<std::size_t>(passo));
    }
}

TMelhores TBuscaLab::busca(const double* x, bool completo) {
    if (!completo) return decide(x, false, n_, nullptr);
    distancias(x, 0, n_);
    return escolhe(x);
}

void TBuscaLab::distancias(const double* x, std::int32_t de, std::int32_t ate) {
    funcao_(x, d_, t_ + de, passo_, (ate - de + 7) / 8 * 8, f_.data() + de);
}

TMelhores TBuscaLab::escolhe(const double* x) {
    const std::int32_t n = n_;
    const TDoisMenores menores = doisMenores_(f_.data(), n);
    if (menores.inseguro) return decide(x, true, n, nullptr);
    const double limite = (n >= 2 ? menores.a2 : menores.a1) * fator_ + folga_;
    const std::int32_t m = seleciona_(f_.data(), n, limite, candidatos_.data());
    return decide(x, true, m, candidatos_.data());
}

TMelhores TBuscaLab::decide(const double* x, bool completo, std::int32_t m,
                            const std::int32_t* lista) const {
    TMelhores r;
    for (std::int32_t i = 0; i < m; ++i) {
        const std::int32_t u = lista != nullptr ? lista[i] : i;
        const double b = distanciaDiretaLab(x, t_ + u, passo_, d_, completo);
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

void verificaMemoria(const TDadosLab& dados, const TGradeLab& grade) {
    // The weights twice (by attribute and by unit) and the batch sums per unit, twice over.
    const std::uint64_t bytes = static_cast<std::uint64_t>(grade.unidades() + 8) *
                                static_cast<std::uint64_t>(dados.dimensao) * 8u * 5u;
    if (bytes > kTetoMapaBytes)
        throw EMemoriaInsuficiente(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O mapa não cabe na memória que o programa se permite.")));
}

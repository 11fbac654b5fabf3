// Batch training: every epoch, each pattern's winner on the map as it stands, then each unit the
// neighbourhood-weighted mean of the patterns.

#include <algorithm>
#include <atomic>
#include <cmath>

#include "ULaboratorioInterno.h"

bool TTreinoLab::lote(TResultadoLab& r, std::vector<TMelhores>& melhores) {
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

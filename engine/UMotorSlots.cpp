// The slot engine: neurons share copy-on-write weight slots, and with two threads each owns the
// neurons of alternate columns (or a checkerboard) and their slots, the two meeting once per
// pattern.
//
// One class of some 650 lines, because the slots, their two owners and the hand-over between one
// thread and two share private state that no smaller piece can be given without copying it. Only
// the two entry points at the end leave this file.

#include "UMotorSlots.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "UBusca.h"
#include "UEncontro.h"
#include "UExato.h"
#include "UMotorComum.h"

namespace motor {

namespace {

// What a thread's search found, as the other thread needs it to decide the winner in the common
// case: its smallest fast distance, how many candidates it kept, the smallest neuron of its nearest
// slot, and whether its distances are trusted. The first thread's also carries its decisions.
struct TResumo {
    double melhor;
    std::int32_t quantos;
    std::int32_t menor;
    bool inseguro;
    bool parar;      // both stop before this pattern
    bool descansar;  // the second thread sleeps after this pattern; the first goes on alone
};

// Each thread publishes, in a cache line of its own, how far it has come.
struct alignas(64) TCanal {
    std::atomic<std::int64_t> busca{-1};  // the summary of this pattern step is published
    TResumo resumo[2];                    // by pattern parity, in the same cache line
};

// The rarer meetings, in a line of their own.
struct alignas(64) TCanalRaro {
    std::atomic<std::int64_t> exatas{-1};  // this thread's best exact key for the step is published
    std::atomic<std::int64_t> especial{-1};  // the exact full search's winner, for the step
    std::atomic<std::int64_t> ciclo{-1};   // first thread: cycle parameters set; second: cycle done
    std::atomic<std::int64_t> parado{-1};  // second thread: asleep after this step
    double exata[2];
    std::int32_t menorExata[2];
};

// Where the first thread wakes the second: from which pattern step it works again, or that the
// training has ended.
struct alignas(64) TOrdem {
    std::atomic<std::int64_t> vez{0};
    std::int64_t ciclo = 0, padrao = 0, passo = 0;
    bool sair = false;
};

class TMotorSlots {
  public:
    // `alternancia` > 0 makes two threads hand over every that many patterns (see TRevezamento).
    TMotorSlots(TRede& rede, int threads, std::int64_t alternancia = 0)
        : rede_(rede),
          colunas_(rede.colunasMapa()),
          linhas_(rede.linhasMapa()),
          n_(rede.linhasMapa() * rede.colunasMapa()),
          d_(rede.dimensao),
          threads_(threads),
          limiar_(limiarDaBusca(d_)),
          busca_(funcaoBusca()),
          alternancia_(alternancia) {
        const auto capacidade = static_cast<std::size_t>(threads_) * static_cast<std::size_t>(n_);
        pesos_.resize(capacidade * static_cast<std::size_t>(d_));
        slotDe_.resize(static_cast<std::size_t>(n_));
        dono_.resize(static_cast<std::size_t>(n_));
        proximo_.resize(static_cast<std::size_t>(n_));
        primeiro_.resize(capacidade);
        tamanho_.resize(capacidade);
        menor_.resize(capacidade);
        posicao_.resize(capacidade);
        contagem_.assign(capacidade, 0);
        slotsDasThreads_.resize(static_cast<std::size_t>(threads_));
        for (int id = 0; id < threads_; ++id) {
            slotsDasThreads_[static_cast<std::size_t>(id)].id = id;
            slotsDasThreads_[static_cast<std::size_t>(id)].vizinhancas.inicia(rede_, n_);
        }
        std::vector<double> pesos(static_cast<std::size_t>(n_) * static_cast<std::size_t>(d_));
        for (std::int32_t j = 0; j < n_; ++j) {
            const TNeuronio& neuronio = rede.neuronio(j / colunas_, j % colunas_);
            std::copy(neuronio.dados(), neuronio.dados() + d_,
                      pesos.data() + static_cast<std::int64_t>(j) * d_);
        }
        // The first thread starts alone (TRevezamento), over every neuron.
        distribui(1, pesos);
        dicas_.assign(rede.entradas.size(), 0);
        dicasNovas_ = dicas_;
    }

    // Which thread owns neuron j. A GRID neighbourhood is a square, split evenly by a
    // checkerboard; a MANHATTAN one is a diamond, split evenly by alternate columns (a checkerboard
    // would give one thread every even distance). A one-row or one-column map alternates along
    // its length.
    std::int32_t donoDe(std::int32_t j) const {
        if (qtdDonos_ < 2) return 0;
        const std::int32_t linha = j / colunas_, coluna = j % colunas_;
        if (colunas_ == 1) return linha % 2;
        if (linhas_ == 1) return coluna % 2;
        // Neighbours (0,0) and (1,1) lie one GRID step apart, two MANHATTAN steps.
        const bool grid = rede_.matrizDistancias[static_cast<std::size_t>(colunas_ + 1)] == 1;
        return grid ? (linha + coluna) % 2 : coluna % 2;
    }

    // Deals the neurons, with these weights (neuron after neuron), to `donos` owners (threads):
    // each neuron alone in a slot of its owner's range, then the identical ones merged.
    void distribui(int donos, const std::vector<double>& pesos) {
        qtdDonos_ = donos;
        std::fill(proximo_.begin(), proximo_.end(), -1);
        std::fill(primeiro_.begin(), primeiro_.end(), -1);
        std::fill(tamanho_.begin(), tamanho_.end(), 0);
        std::fill(menor_.begin(), menor_.end(), kNenhum);
        std::fill(posicao_.begin(), posicao_.end(), -1);
        for (std::int32_t j = 0; j < n_; ++j) dono_[static_cast<std::size_t>(j)] = donoDe(j);
        for (int id = 0; id < donos; ++id) preparaSlotsDaThread(id);
        for (std::int32_t j = 0; j < n_; ++j) {
            const std::int32_t dono = dono_[static_cast<std::size_t>(j)];
            const std::int32_t s = dono * n_ + j;
            TSlotsDaThread& slots = slotsDasThreads_[static_cast<std::size_t>(dono)];
            slotDe_[static_cast<std::size_t>(j)] = s;
            primeiro_[static_cast<std::size_t>(s)] = j;
            tamanho_[static_cast<std::size_t>(s)] = 1;
            menor_[static_cast<std::size_t>(s)] = j;
            const double* w = pesos.data() + static_cast<std::int64_t>(j) * d_;
            std::copy(w, w + d_, pesosDe(s));
            ativa(slots, s);
        }
        for (int id = 0; id < donos; ++id) {
            TSlotsDaThread& slots = slotsDasThreads_[static_cast<std::size_t>(id)];
            slots.atualizados.assign(slots.ativos.begin(), slots.ativos.end());
            fundeIguais(slots);
        }
    }

    // Deals the neurons again, to one owner or two, while only the first thread runs.
    void reparte(int donos) {
        std::vector<double>& pesos = repartidos_;
        pesos.resize(static_cast<std::size_t>(n_) * static_cast<std::size_t>(d_));
        for (std::int32_t j = 0; j < n_; ++j) {
            const double* w = pesosDe(slotDe_[static_cast<std::size_t>(j)]);
            std::copy(w, w + d_, pesos.data() + static_cast<std::int64_t>(j) * d_);
        }
        distribui(donos, pesos);
    }

    void devolve() {
        for (std::int32_t j = 0; j < n_; ++j) {
            const double* w = pesosDe(slotDe_[static_cast<std::size_t>(j)]);
            TNeuronio& neuronio = rede_.neuronio(j / colunas_, j % colunas_);
            std::copy(w, w + d_, neuronio.dados());
        }
    }

    struct TFim {
        bool comecou = false;  // some cycle started: the counts describe its winners
        bool completo = true;
        std::vector<std::int32_t> vencedores;  // of the patterns presented in the last cycle
    };

    // Trains cycles 0 .. ultimo, or until the control asks to stop.
    TFim treina(bool criterioQtdCiclos, std::int32_t ultimo, const TRede::FuncaoStatus& status,
                TControle* controle) {
        criterioQtdCiclos_ = criterioQtdCiclos;
        ultimo_ = ultimo;
        status_ = &status;
        controle_ = controle;
        emThreads(threads_, [this](int id) {
            try {
                if (id == 0)
                    lacoPrincipal();
                else
                    lacoSegunda();
            } catch (...) {
                encontro_.falha();
                throw;
            }
        });
        TFim fim{comecou_, !interrompido_, std::move(dicasNovas_)};
        fim.vencedores.resize(static_cast<std::size_t>(presentes_));
        return fim;
    }

    // The winner of one pattern against the map as it stands, searching `slots`: for
    // classification a thread's own list of every slot (slotsDeLeitura), in training the first
    // thread's slots while it works alone over every neuron.
    struct TSlotsDaThread;
    TSlotsDaThread slotsDeLeitura() const {
        TSlotsDaThread slots;
        for (int id = 0; id < qtdDonos_; ++id) {
            const TSlotsDaThread& p = slotsDasThreads_[static_cast<std::size_t>(id)];
            slots.ativos.insert(slots.ativos.end(), p.ativos.begin(), p.ativos.end());
        }
        const std::size_t n = slots.ativos.size();
        slots.candidatos.resize(n);
        slots.distancias.resize(n);
        slots.publicacao.f.resize(n);
        slots.publicacao.slot.resize(n);
        slots.publicacao.menor.resize(n);
        return slots;
    }
    std::int32_t vencedorDeLeitura(TSlotsDaThread& slots, const double* x) const {
        TPublicacao& pub = slots.publicacao;
        publicaCandidatos(slots, x, pub);
        if (pub.inseguro) return vencedorExato(x);
        const double limite = pub.melhor * limiar_.fator + limiar_.folga;
        if (contaAte(pub, limite) == 1) return menorAte(pub, limite);
        return melhorExataAte(x, pub, limite).neuronio;
    }

    struct alignas(64) TSlotsDaThread {
        std::int32_t id = 0;
        std::vector<std::int32_t> ativos;  // the slots this thread searches
        std::vector<std::int32_t> livres;
        std::vector<std::int32_t> tocados, atualizados;
        std::vector<std::int32_t> candidatos;
        std::vector<double> distancias;
        std::vector<std::int32_t> tabela;  // open addressing for merges
        std::vector<std::uint64_t> chaves;
        std::vector<std::int32_t> usadas;
        TVizinhancas vizinhancas;
        // What this thread's search found, which the summary in its channel condenses.
        struct TPublicacao {
            double melhor = kInfinito;
            std::int32_t quantos = 0;
            bool inseguro = false;
            std::vector<double> f;
            std::vector<std::int32_t> slot, menor;
        } publicacao;
    };

  private:
    double* pesosDe(std::int32_t s) { return pesos_.data() + static_cast<std::int64_t>(s) * d_; }
    const double* pesosDe(std::int32_t s) const {
        return pesos_.data() + static_cast<std::int64_t>(s) * d_;
    }

    void preparaSlotsDaThread(int id) {
        TSlotsDaThread& slots = slotsDasThreads_[static_cast<std::size_t>(id)];
        const auto n = static_cast<std::size_t>(n_);
        slots.ativos.clear();
        slots.livres.clear();
        slots.ativos.reserve(n);
        slots.livres.reserve(n);
        for (std::int32_t j = n_ - 1; j >= 0; --j)
            if (dono_[static_cast<std::size_t>(j)] != id) slots.livres.push_back(id * n_ + j);
        slots.tocados.reserve(n);
        slots.atualizados.reserve(n);
        slots.candidatos.resize(n);
        slots.distancias.resize(n);
        std::size_t tamanhoTabela = 16;
        while (tamanhoTabela < 2 * n) tamanhoTabela *= 2;
        slots.tabela.assign(tamanhoTabela, -1);
        slots.chaves.assign(tamanhoTabela, 0);
        slots.usadas.clear();
        slots.usadas.reserve(n);
        slots.publicacao.f.resize(n);
        slots.publicacao.slot.resize(n);
        slots.publicacao.menor.resize(n);
    }

    void ativa(TSlotsDaThread& slots, std::int32_t s) {
        posicao_[static_cast<std::size_t>(s)] = static_cast<std::int32_t>(slots.ativos.size());
        slots.ativos.push_back(s);
    }

    void desativa(TSlotsDaThread& slots, std::int32_t s) {
        const std::int32_t pos = posicao_[static_cast<std::size_t>(s)];
        const std::int32_t ultimo = slots.ativos.back();
        slots.ativos[static_cast<std::size_t>(pos)] = ultimo;
        posicao_[static_cast<std::size_t>(ultimo)] = pos;
        slots.ativos.pop_back();
        posicao_[static_cast<std::size_t>(s)] = -1;
        slots.livres.push_back(s);
    }

    using TPublicacao = TSlotsDaThread::TPublicacao;

    // The thread's candidates by the fast distances of its own slots.
    void publicaCandidatos(TSlotsDaThread& slots, const double* x, TPublicacao& pub) const {
        pub.quantos = 0;
        pub.melhor = kInfinito;
        pub.inseguro = false;
        const auto m = static_cast<std::int32_t>(slots.ativos.size());
        if (m == 0) return;
        const TResultadoBusca r =
            busca_(x, d_, pesos_.data(), slots.ativos.data(), m, limiar_.fator, limiar_.folga,
                   slots.candidatos.data(), slots.distancias.data());
        pub.inseguro = r.inseguro;
        pub.melhor = r.melhor;
        pub.quantos = r.candidatos;
        for (std::int32_t c = 0; c < r.candidatos; ++c) {
            const auto ic = static_cast<std::size_t>(c);
            const std::int32_t s = slots.ativos[static_cast<std::size_t>(slots.candidatos[ic])];
            pub.f[ic] = slots.distancias[ic];
            pub.slot[ic] = s;
            pub.menor[ic] = menor_[static_cast<std::size_t>(s)];
        }
    }

    // How many of the thread's candidates are under the threshold, and the smallest neuron of the
    // first of them.
    static std::int32_t contaAte(const TPublicacao& pub, double limite) {
        std::int32_t n = 0;
        for (std::int32_t c = 0; c < pub.quantos; ++c)
            n += pub.f[static_cast<std::size_t>(c)] <= limite ? 1 : 0;
        return n;
    }
    static std::int32_t menorAte(const TPublicacao& pub, double limite) {
        for (std::int32_t c = 0; c < pub.quantos; ++c)
            if (pub.f[static_cast<std::size_t>(c)] <= limite)
                return pub.menor[static_cast<std::size_t>(c)];
        return kNenhum;
    }

    // The best exact key among the thread's candidates under the threshold; the later exact sums
    // stop as soon as they pass the best so far.
    TChave melhorExataAte(const double* x, const TPublicacao& pub, double limite) const {
        TChave melhor;
        for (std::int32_t c = 0; c < pub.quantos; ++c) {
            const auto ic = static_cast<std::size_t>(c);
            if (!(pub.f[ic] <= limite)) continue;
            const TChave chave{distanciaExataAte(x, pesosDe(pub.slot[ic]), d_, melhor.distancia),
                               pub.menor[ic]};
            if (chave.menorQue(melhor)) melhor = chave;
        }
        return melhor;
    }

    // The program's own search over every neuron, for distances the bound cannot vouch for.
    std::int32_t vencedorExato(const double* x) const {
        return primeiroMaisProximo(n_, [&](std::int32_t j) {
            return distanciaExata(x, pesosDe(slotDe_[static_cast<std::size_t>(j)]), d_);
        });
    }

    // Moves this thread's neighbours of `vencedor` towards x: a slot whose neurons are all
    // neighbours is updated in place; one with only some of them gives those a copy of its own.
    void ajusta(TSlotsDaThread& slots, std::int32_t vencedor, const double* x, double taxa,
                std::int32_t raio) {
        const std::int32_t* linha =
            rede_.matrizDistancias.data() + static_cast<std::int64_t>(vencedor) * n_;
        slots.tocados.clear();
        for (const TSegmento& seg : slots.vizinhancas.de(vencedor, raio))
            for (std::int32_t b = seg.inicio; b < seg.fim; ++b)
                if (dono_[static_cast<std::size_t>(b)] == slots.id) {
                    const std::int32_t s = slotDe_[static_cast<std::size_t>(b)];
                    if (contagem_[static_cast<std::size_t>(s)]++ == 0) slots.tocados.push_back(s);
                }
        slots.atualizados.clear();
        for (const std::int32_t s : slots.tocados) {
            const auto is = static_cast<std::size_t>(s);
            if (contagem_[is] == tamanho_[is]) {
                ajustaPesosExato(pesosDe(s), x, d_, taxa);
                slots.atualizados.push_back(s);
            } else {
                const std::int32_t novo = slots.livres.back();
                slots.livres.pop_back();
                std::copy(pesosDe(s), pesosDe(s) + d_, pesosDe(novo));
                separa(s, novo, linha, raio);
                ativa(slots, novo);
                ajustaPesosExato(pesosDe(novo), x, d_, taxa);
                slots.atualizados.push_back(novo);
            }
            contagem_[is] = 0;
        }
        fundeIguais(slots);
    }

    // Moves the neurons of slot s within `raio` of the winner into the empty slot `novo`.
    void separa(std::int32_t s, std::int32_t novo, const std::int32_t* linha, std::int32_t raio) {
        const auto is = static_cast<std::size_t>(s), in = static_cast<std::size_t>(novo);
        std::int32_t ficam = -1, vao = -1, menorFica = kNenhum, menorVai = kNenhum;
        std::int32_t qtdVao = 0;
        for (std::int32_t b = primeiro_[is]; b != -1;) {
            const std::int32_t seguinte = proximo_[static_cast<std::size_t>(b)];
            if (linha[b] <= raio) {
                proximo_[static_cast<std::size_t>(b)] = vao;
                vao = b;
                slotDe_[static_cast<std::size_t>(b)] = novo;
                menorVai = std::min(menorVai, b);
                ++qtdVao;
            } else {
                proximo_[static_cast<std::size_t>(b)] = ficam;
                ficam = b;
                menorFica = std::min(menorFica, b);
            }
            b = seguinte;
        }
        primeiro_[is] = ficam;
        menor_[is] = menorFica;
        tamanho_[is] -= qtdVao;
        primeiro_[in] = vao;
        menor_[in] = menorVai;
        tamanho_[in] = qtdVao;
    }

    // Merges the slots just updated whose weights have become bit-identical.
    void fundeIguais(TSlotsDaThread& slots) {
        if (slots.atualizados.size() < 2) return;
        const std::size_t mascara = slots.tabela.size() - 1;
        const std::size_t bytes = static_cast<std::size_t>(d_) * sizeof(double);
        for (const std::int32_t s : slots.atualizados) {
            const std::uint64_t chave = chaveDe(pesosDe(s));
            std::size_t h = static_cast<std::size_t>(chave * 0x9e3779b97f4a7c15ull >> 20) & mascara;
            bool fundiu = false;
            while (slots.tabela[h] != -1) {
                const std::int32_t t = slots.tabela[h];
                if (slots.chaves[h] == chave &&
                    (bytes == 0 || std::memcmp(pesosDe(t), pesosDe(s), bytes) == 0)) {
                    funde(slots, t, s);
                    fundiu = true;
                    break;
                }
                h = (h + 1) & mascara;
            }
            if (!fundiu) {
                slots.tabela[h] = s;
                slots.chaves[h] = chave;
                slots.usadas.push_back(static_cast<std::int32_t>(h));
            }
        }
        for (const std::int32_t h : slots.usadas) slots.tabela[static_cast<std::size_t>(h)] = -1;
        slots.usadas.clear();
    }

    std::uint64_t chaveDe(const double* w) const {
        if (d_ == 0) return 0;
        std::uint64_t a, b, c;
        std::memcpy(&a, w, sizeof a);
        std::memcpy(&b, w + d_ / 2, sizeof b);
        std::memcpy(&c, w + d_ - 1, sizeof c);
        return a ^ (b * 0xff51afd7ed558ccdull) ^ (c * 0xc4ceb9fe1a85ec53ull);
    }

    // Slot s joins slot t, whose weights are identical.
    void funde(TSlotsDaThread& slots, std::int32_t t, std::int32_t s) {
        const auto it = static_cast<std::size_t>(t), is = static_cast<std::size_t>(s);
        std::int32_t b = primeiro_[is];
        while (b != -1) {
            const std::int32_t seguinte = proximo_[static_cast<std::size_t>(b)];
            slotDe_[static_cast<std::size_t>(b)] = t;
            proximo_[static_cast<std::size_t>(b)] = primeiro_[it];
            primeiro_[it] = b;
            b = seguinte;
        }
        tamanho_[it] += tamanho_[is];
        menor_[it] = std::min(menor_[it], menor_[is]);
        primeiro_[is] = -1;
        tamanho_[is] = 0;
        menor_[is] = kNenhum;
        desativa(slots, s);
    }

    // Publishes this thread's step on `meu` and waits for the other thread's on `outro`.
    bool troca(int id, std::atomic<std::int64_t>& meu, const std::atomic<std::int64_t>& outro,
               std::int64_t passo) {
        encontro_.publica(meu, passo, 1 - id);
        return encontro_.aguarda(outro, passo, id);
    }

    enum class TFimDoPasso { segue, descansa, para };

    // The first thread's bookkeeping at the start of cycle t: the cycle's rate and radius, and
    // whether it runs at all.
    bool comecaCiclo(std::int64_t t, std::int64_t padroes) {
        continua_ = t <= ultimo_;
        if (continua_ && controle_ != nullptr && controle_->deveParar(t * padroes)) {
            continua_ = false;
            interrompido_ = true;
        }
        taxaCiclo_ = rede_.taxaAprendizado;
        raioCiclo_ = rede_.raio;
        if (continua_) {
            comecou_ = true;
            dicas_.swap(dicasNovas_);
        }
        return continua_;
    }

    // Whether the first thread stops before pattern p of cycle t (the start of a cycle is checked
    // by comecaCiclo).
    bool paraAntes(std::int64_t t, std::int64_t p, std::int64_t padroes) const {
        return p > 0 && controle_ != nullptr && controle_->deveParar(t * padroes + p);
    }

    // The first thread's training: every cycle, each pattern with the second thread or alone, as
    // the hand-over chooses.
    void lacoPrincipal() {
        const auto padroes = static_cast<std::int64_t>(rede_.entradas.size());
        TRevezamento revezamento(threads_ > 1, alternancia_);
        bool duas = false;  // the second thread is working, not asleep
        std::int64_t passo = 0;
        auto acordaSegunda = [&](std::int64_t t, std::int64_t p, bool sair) {
            ordem_.ciclo = t;
            ordem_.padrao = p;
            ordem_.passo = passo;
            ordem_.sair = sair;
            encontro_.publica(ordem_.vez, ordem_.vez.load(std::memory_order_relaxed) + 1, 1);
        };
        for (std::int64_t t = 0;; ++t) {
            const bool continua = comecaCiclo(t, padroes);
            if (duas) encontro_.publica(raros_[0].ciclo, t, 1);
            if (!continua) break;
            for (std::int64_t p = 0; p < padroes; ++p, ++passo) {
                const bool querDuas = revezamento.duas(passo);
                if (querDuas && !duas) {
                    reparte(2);
                    acordaSegunda(t, p, false);
                    duas = true;
                }
                if (duas) {
                    const TFimDoPasso fim = passoDuplo(0, t, p, passo, !querDuas);
                    if (fim == TFimDoPasso::para) return;
                    if (fim == TFimDoPasso::descansa) {
                        // The second thread's slots are this thread's once it has finished the
                        // step.
                        if (!encontro_.aguarda(raros_[1].parado, passo, 0)) return;
                        reparte(1);
                        duas = false;
                    }
                } else if (!passoSozinho(t, p)) {
                    break;
                }
            }
            if (interrompido_) break;
            if (duas && !encontro_.aguarda(raros_[1].ciclo, t, 0)) return;
            presentes_ = padroes;
            // Both threads have ended the cycle and the second waits for the next one: the slots
            // hold still while the map is copied.
            rede_.fechaCiclo(t + 1, criterioQtdCiclos_, *status_, controle_, dicasNovas_,
                             [this]() -> const std::vector<double>& { return copiaPesos(); });
        }
        if (!duas && threads_ > 1) acordaSegunda(0, 0, true);
    }

    // The second thread: asleep until the first gives it a pattern step to start from, then in
    // step with the first until told to rest again, or the training ends.
    void lacoSegunda() {
        const auto padroes = static_cast<std::int64_t>(rede_.entradas.size());
        for (std::int64_t vez = 1;; ++vez) {
            if (!encontro_.aguarda(ordem_.vez, vez, 1) || ordem_.sair) return;
            std::int64_t t = ordem_.ciclo, p = ordem_.padrao, passo = ordem_.passo;
            for (;; ++p, ++passo) {
                if (p == padroes) {
                    encontro_.publica(raros_[1].ciclo, t, 0);
                    ++t;
                    p = 0;
                    if (!encontro_.aguarda(raros_[0].ciclo, t, 1) || !continua_) return;
                }
                const TFimDoPasso fim = passoDuplo(1, t, p, passo, false);
                if (fim == TFimDoPasso::para) return;
                if (fim == TFimDoPasso::descansa) {
                    encontro_.publica(raros_[1].parado, passo, 0);
                    break;
                }
            }
        }
    }

    // One pattern with two threads, as thread `id`. Each publishes a summary of its search in its
    // own cache line; when both nearest slots cannot both be candidates the winner follows from
    // the two summaries alone, otherwise they meet again with their best exact distances.
    TFimDoPasso passoDuplo(int id, std::int64_t t, std::int64_t p, std::int64_t passo,
                           bool descansar) {
        TSlotsDaThread& slots = slotsDasThreads_[static_cast<std::size_t>(id)];
        const int outroId = 1 - id;
        TCanal& meuCanal = canais_[id];
        const TCanal& outroCanal = canais_[outroId];
        TCanalRaro& meuRaro = raros_[id];
        const TCanalRaro& outroRaro = raros_[outroId];
        const double* x = rede_.entradas[static_cast<std::size_t>(p)].dados();
        const std::int32_t dica = dicas_[static_cast<std::size_t>(p)];
        if (dono_[static_cast<std::size_t>(dica)] == id) poeNaFrente(slots, dica);
        auto& meu = slots.publicacao;
        publicaCandidatos(slots, x, meu);
        TResumo& resumo = meuCanal.resumo[p & 1];
        const bool parar =
            id == 0 && paraAntes(t, p, static_cast<std::int64_t>(rede_.entradas.size()));
        resumo = {meu.melhor,   meu.quantos, meu.quantos > 0 ? meu.menor[0] : kNenhum,
                  meu.inseguro, parar,       descansar};
        if (!troca(id, meuCanal.busca, outroCanal.busca, passo)) return TFimDoPasso::para;
        const TResumo outro = outroCanal.resumo[p & 1];
        const TResumo& primeira = id == 0 ? resumo : outro;
        if (primeira.parar) {
            if (id == 0) {
                interrompido_ = true;
                presentes_ = p;
            }
            return TFimDoPasso::para;
        }
        if (id == 0 && controle_ != nullptr && p > 0) controle_->anotaPadroes(p);
        std::int32_t v;
        if (resumo.inseguro || outro.inseguro) {
            if (id == 0) {
                especial_ = vencedorExato(x);
                encontro_.publica(raros_[0].especial, passo, 1);
            } else if (!encontro_.aguarda(raros_[0].especial, passo, 1)) {
                return TFimDoPasso::para;
            }
            v = especial_;
        } else {
            const double limite =
                std::min(resumo.melhor, outro.melhor) * limiar_.fator + limiar_.folga;
            const std::int32_t meus = contaAte(meu, limite);
            const std::int32_t deles = outro.melhor <= limite ? outro.quantos : 0;
            if (meus + deles == 1 && (deles == 0 || outro.quantos == 1)) {
                // The bound leaves one candidate: it is the winner, no exact sum needed.
                v = meus == 1 ? menorAte(meu, limite) : outro.menor;
            } else {
                const TChave minha = melhorExataAte(x, meu, limite);
                meuRaro.exata[p & 1] = minha.distancia;
                meuRaro.menorExata[p & 1] = minha.neuronio;
                if (!troca(id, meuRaro.exatas, outroRaro.exatas, passo)) return TFimDoPasso::para;
                const TChave dela{outroRaro.exata[p & 1], outroRaro.menorExata[p & 1]};
                v = dela.menorQue(minha) ? dela.neuronio : minha.neuronio;
            }
        }
        if (id == 0) dicasNovas_[static_cast<std::size_t>(p)] = v;
        ajusta(slots, v, x, taxaCiclo_, raioCiclo_);
        return primeira.descansar ? TFimDoPasso::descansa : TFimDoPasso::segue;
    }

    // One pattern in this thread alone; the neurons are then dealt to it alone (reparte(1)), so
    // this is the one-thread engine. False if the control stopped it first.
    bool passoSozinho(std::int64_t t, std::int64_t p) {
        if (paraAntes(t, p, static_cast<std::int64_t>(rede_.entradas.size()))) {
            interrompido_ = true;
            presentes_ = p;
            return false;
        }
        if (controle_ != nullptr && p > 0) controle_->anotaPadroes(p);
        TSlotsDaThread& slots = slotsDasThreads_[0];
        const double* x = rede_.entradas[static_cast<std::size_t>(p)].dados();
        poeNaFrente(slots, dicas_[static_cast<std::size_t>(p)]);
        const std::int32_t v = vencedorDeLeitura(slots, x);
        dicasNovas_[static_cast<std::size_t>(p)] = v;
        ajusta(slots, v, x, taxaCiclo_, raioCiclo_);
        return true;
    }

    // The pattern's last winner's slot goes first: a small threshold from the start lets the
    // other slots stop early.
    void poeNaFrente(TSlotsDaThread& slots, std::int32_t neuronio) {
        const std::int32_t s = slotDe_[static_cast<std::size_t>(neuronio)];
        const std::int32_t pos = posicao_[static_cast<std::size_t>(s)];
        std::swap(slots.ativos[0], slots.ativos[static_cast<std::size_t>(pos)]);
        posicao_[static_cast<std::size_t>(slots.ativos[0])] = 0;
        posicao_[static_cast<std::size_t>(slots.ativos[static_cast<std::size_t>(pos)])] = pos;
    }

    // Every neuron's weights, neuron after neuron, as an instant of the training shows them.
    const std::vector<double>& copiaPesos() {
        instantaneo_.resize(static_cast<std::size_t>(n_) * static_cast<std::size_t>(d_));
        for (std::int32_t j = 0; j < n_; ++j) {
            const double* w = pesosDe(slotDe_[static_cast<std::size_t>(j)]);
            std::copy(w, w + d_, instantaneo_.data() + static_cast<std::int64_t>(j) * d_);
        }
        return instantaneo_;
    }

    TRede& rede_;
    std::int32_t colunas_, linhas_, n_, d_;
    int threads_;
    int qtdDonos_ = 0;  // threads the neurons are dealt to now: one while the second one rests
    TLimiar limiar_;
    TFuncaoBusca busca_;
    std::int64_t alternancia_;
    TEncontro encontro_;
    TCanal canais_[2];
    TCanalRaro raros_[2];
    TOrdem ordem_;

    std::vector<double> pesos_;
    std::vector<std::int32_t> slotDe_, dono_, proximo_;
    std::vector<std::int32_t> primeiro_, tamanho_, menor_, posicao_, contagem_;
    std::vector<TSlotsDaThread> slotsDasThreads_;
    // Each pattern's winner in the previous cycle, and the ones of this cycle, apart so that the
    // second thread never reads a line the first is writing. After training the second holds the
    // winners of the last cycle.
    std::vector<std::int32_t> dicas_, dicasNovas_;

    bool criterioQtdCiclos_ = false;
    std::int64_t ultimo_ = -1;
    const TRede::FuncaoStatus* status_ = nullptr;
    TControle* controle_ = nullptr;
    bool continua_ = false;
    bool comecou_ = false, interrompido_ = false;
    std::int64_t presentes_ = 0;  // patterns presented in the last cycle that presented any
    std::vector<double> instantaneo_, repartidos_;
    double taxaCiclo_ = 0.0;
    std::int32_t raioCiclo_ = 0;
    std::int32_t especial_ = 0;
};

}  // namespace

bool treinaSlots(TRede& rede, bool criterioQtdCiclos, std::int32_t ultimo,
                 const TRede::FuncaoStatus& status, int threads, std::int64_t alternancia,
                 TControle* controle) {
    TMotorSlots motor(rede, threads, alternancia);
    const TMotorSlots::TFim fim = motor.treina(criterioQtdCiclos, ultimo, status, controle);
    motor.devolve();
    if (fim.comecou) anotaVencedores(rede, fim.vencedores);
    return fim.completo;
}

std::optional<std::vector<std::int32_t>> classificaSlots(TRede& rede, int threads,
                                                         TControle* controle) {
    const TMotorSlots motor(rede, 1);
    return vencedoresEmThreads(rede, threads, controle, [&motor] {
        return [&motor, slots = motor.slotsDeLeitura()](const double* x) mutable {
            return motor.vencedorDeLeitura(slots, x);
        };
    });
}

}  // namespace motor

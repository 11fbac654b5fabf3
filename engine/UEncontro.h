#pragma once
// How the two threads of the slot engine meet, and when the second one is worth having. Internal
// to the engine.
//
// A wait spins briefly, which answers fastest while both threads run, and then sleeps in the
// kernel until the other thread publishes: when another program takes a core, the thread left
// waiting gives its core away instead of fighting for it.
//
// Meeting once per pattern only pays while both threads run at the same time. On a busy machine
// one of them is often descheduled for a whole time slice, and two threads in lockstep then run
// many times slower than one. So the first thread times the work in windows of 20 ms, in the mode
// it has chosen and now and then in the other one, and goes on alone (the second thread asleep)
// whenever that is faster.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#if defined(__linux__)
#include <linux/futex.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <ctime>
#endif

namespace motor {

// Sleeps while *palavra == esperado, at most a few milliseconds (the caller checks again).
inline void dormeEm(std::atomic<std::uint32_t>& palavra, std::uint32_t esperado) {
#if defined(__linux__)
    const timespec limite{0, 5'000'000};
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&palavra), FUTEX_WAIT_PRIVATE, esperado,
            &limite, nullptr, 0);
#else
    (void)palavra;
    (void)esperado;
    std::this_thread::yield();
#endif
}

inline void acordaEm(std::atomic<std::uint32_t>& palavra) {
#if defined(__linux__)
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&palavra), FUTEX_WAKE_PRIVATE, 1, nullptr,
            nullptr, 0);
#else
    (void)palavra;
#endif
}

// One sleeping place per thread. A thread publishes by raising a counter and then wakes the other
// if it sleeps; the other marks itself asleep before it looks at the counter for the last time,
// so that between the two sequentially consistent pairs no wake-up is lost.
class TEncontro {
  public:
    void publica(std::atomic<std::int64_t>& contador, std::int64_t valor, int outro) {
        contador.store(valor, std::memory_order_seq_cst);
        acorda(outro);
    }

    void acorda(int id) {
        TLeito& leito = leitos_[id];
        if (leito.dormindo.load(std::memory_order_seq_cst)) {
            leito.palavra.fetch_add(1, std::memory_order_seq_cst);
            acordaEm(leito.palavra);
        }
    }

    // Waits, as thread `id`, until the counter reaches `valor`; false if the other thread failed.
    bool aguarda(const std::atomic<std::int64_t>& contador, std::int64_t valor, int id) {
        for (unsigned voltas = 0; voltas < kVoltasDeEspera; ++voltas) {
            if (contador.load(std::memory_order_acquire) >= valor) return true;
            if (falhou.load(std::memory_order_relaxed)) return false;
        }
        TLeito& leito = leitos_[id];
        for (;;) {
            const std::uint32_t palavra = leito.palavra.load(std::memory_order_seq_cst);
            leito.dormindo.store(true, std::memory_order_seq_cst);
            if (contador.load(std::memory_order_seq_cst) >= valor) break;
            if (falhou.load(std::memory_order_seq_cst)) {
                leito.dormindo.store(false, std::memory_order_relaxed);
                return false;
            }
            dormeEm(leito.palavra, palavra);
        }
        leito.dormindo.store(false, std::memory_order_relaxed);
        return true;
    }

    // A failing thread releases the other wherever it waits.
    void falha() {
        falhou.store(true, std::memory_order_seq_cst);
        acorda(0);
        acorda(1);
    }

    std::atomic<bool> falhou{false};

  private:
    // About ten to thirty microseconds of spinning: far longer than the two threads' usual
    // difference on a pattern, far shorter than a scheduler's time slice.
    static constexpr unsigned kVoltasDeEspera = 1u << 14;

    struct alignas(64) TLeito {
        std::atomic<std::uint32_t> palavra{0};
        std::atomic<bool> dormindo{false};
    };
    TLeito leitos_[2];
};

// The first thread's choice, before each pattern, between two threads and one. The work of a
// pattern changes along a training (the slots split and merge, the radius shrinks), so a mode is
// judged against the windows on both sides of it in the other mode: chosen, tried, chosen again,
// a steady trend cancels out. A collapse (two threads at half the speed of one, when another
// program takes a core) switches at once.
class TRevezamento {
  public:
    using TRelogio = std::chrono::steady_clock;

    // `alternancia` > 0 flips the mode every that many patterns without looking at the clock, so
    // that tests can cross every hand-over.
    // The first window runs alone: trying two threads first would cost a whole window on a busy
    // machine, trying one costs a third of one on a quiet machine.
    TRevezamento(bool duas, std::int64_t alternancia)
        : possivel_(duas),
          alternancia_(alternancia),
          inicio_(TRelogio::now()),
          proximaSonda_(inicio_) {}

    bool duas(std::int64_t passo) {
        if (!possivel_) return false;
        if (alternancia_ > 0) return (passo / alternancia_) % 2 == 0;
        const bool agoraDuas = fase_ == TFase::sondando ? !escolha_ : escolha_;
        if ((passo & 3) != 0) return agoraDuas;
        const TRelogio::time_point agora = TRelogio::now();
        const double passou = std::chrono::duration<double>(agora - inicio_).count();
        const double taxa = static_cast<double>(passo - passoInicial_) / passou;
        // Two threads that have collapsed end their window early: it is all lost time.
        const bool colapso = agoraDuas && passou >= kJanelaMinima && taxa < taxaSozinha_ * kColapso;
        if (passou < kJanela && !colapso) return agoraDuas;
        if (!agoraDuas) taxaSozinha_ = taxa;
        inicio_ = agora;
        passoInicial_ = passo;
        switch (fase_) {
            case TFase::escolhido:
                if (colapso) {
                    escolha_ = false;
                    agenda(agora, kIntervaloMinimo);
                } else if (agora >= proximaSonda_) {
                    taxaAntes_ = taxa;
                    fase_ = TFase::sondando;
                }
                break;
            case TFase::sondando:
                taxaSonda_ = taxa;
                fase_ = TFase::conferindo;
                break;
            case TFase::conferindo: {
                const double referencia = (taxaAntes_ + taxa) / 2;
                // Two threads must beat one by kVantagem: the second core is otherwise better
                // left to the user's other programs.
                const bool duasMelhor = escolha_ ? referencia > taxaSonda_ * kVantagem
                                                 : taxaSonda_ > referencia * kVantagem;
                const bool antes = escolha_;
                escolha_ = duasMelhor;
                agenda(agora, escolha_ == antes ? std::min(intervalo_ * 2, kIntervaloMaximo)
                                                : kIntervaloMinimo);
                fase_ = TFase::escolhido;
                break;
            }
        }
        return fase_ == TFase::sondando ? !escolha_ : escolha_;
    }

  private:
    enum class TFase { escolhido, sondando, conferindo };
    static constexpr double kJanela = 0.02;         // seconds timed per window
    static constexpr double kJanelaMinima = 0.005;  // before a collapse can end one
    static constexpr double kIntervaloMinimo = 0.1, kIntervaloMaximo = 2.0;
    static constexpr double kVantagem = 1.05;
    static constexpr double kColapso = 0.5;

    void agenda(TRelogio::time_point agora, double intervalo) {
        intervalo_ = intervalo;
        proximaSonda_ = agora + std::chrono::duration_cast<TRelogio::duration>(
                                    std::chrono::duration<double>(intervalo));
    }

    bool possivel_;
    bool escolha_ = false;  // two threads are the mode chosen
    std::int64_t alternancia_;
    TRelogio::time_point inicio_, proximaSonda_;
    std::int64_t passoInicial_ = 0;
    TFase fase_ = TFase::escolhido;
    double taxaAntes_ = 0, taxaSonda_ = 0, taxaSozinha_ = 0;  // patterns per second
    double intervalo_ = kIntervaloMinimo;
};

}  // namespace motor

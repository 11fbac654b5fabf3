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
// many times slower than one. So the first thread times the work in windows, in the mode it has
// chosen and now and then in the other one, and goes on alone (the second thread asleep) whenever
// that is faster.

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
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&palavra), FUTEX_WAIT_PRIVATE, esperado, &limite,
            nullptr, 0);
#else
    (void)palavra;
    (void)esperado;
    std::this_thread::yield();
#endif
}

inline void acordaEm(std::atomic<std::uint32_t>& palavra) {
#if defined(__linux__)
    syscall(SYS_futex, reinterpret_cast<std::uint32_t*>(&palavra), FUTEX_WAKE_PRIVATE, 1, nullptr, nullptr, 0);
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

// The first thread's choice, before each pattern, between two threads and one.
class TRevezamento {
public:
    using TRelogio = std::chrono::steady_clock;

    // `alternancia` > 0 flips the mode every that many patterns without looking at the clock, so
    // that tests can cross every hand-over.
    TRevezamento(bool duas, std::int64_t alternancia)
        : possivel_(duas), duas_(duas), alternancia_(alternancia), inicio_(TRelogio::now()),
          proximaSonda_(inicio_) {}

    bool duas(std::int64_t passo) {
        if (!possivel_) return false;
        if (alternancia_ > 0) return (passo / alternancia_) % 2 == 0;
        if ((passo & 15) != 0) return duas_;
        const TRelogio::time_point agora = TRelogio::now();
        const double passou = std::chrono::duration<double>(agora - inicio_).count();
        if (passou < kJanela) return duas_;
        const double taxa = static_cast<double>(passo - passoInicial_) / passou;
        taxa_[duas_ ? 1 : 0] = taxa;
        if (sondando_) {
            // The window just timed tried the other mode: keep whichever ran faster, and look
            // again later, the later the more often the choice held.
            const bool antes = !duas_;
            duas_ = taxa_[1] > taxa_[0] * kVantagem;
            intervalo_ = duas_ == antes ? std::min(intervalo_ * 2, kIntervaloMaximo) : kIntervaloMinimo;
            sondando_ = false;
            proximaSonda_ = agora + segundos(intervalo_);
        } else if (duas_ && taxa_[0] > 0 && taxa < taxa_[0]) {
            // Another program has taken a core: on alone at once.
            duas_ = false;
            intervalo_ = kIntervaloMinimo;
            proximaSonda_ = agora + segundos(intervalo_);
        } else if (agora >= proximaSonda_) {
            duas_ = !duas_;
            sondando_ = true;
        }
        inicio_ = agora;
        passoInicial_ = passo;
        return duas_;
    }

private:
    static constexpr double kJanela = 0.02;  // seconds timed per window
    static constexpr double kIntervaloMinimo = 0.25, kIntervaloMaximo = 4.0;
    // Two threads must beat one by this much: the second thread's core is otherwise better left
    // to the user's other programs.
    static constexpr double kVantagem = 1.05;

    static TRelogio::duration segundos(double s) {
        return std::chrono::duration_cast<TRelogio::duration>(std::chrono::duration<double>(s));
    }

    bool possivel_, duas_;
    std::int64_t alternancia_;
    TRelogio::time_point inicio_, proximaSonda_;
    std::int64_t passoInicial_ = 0;
    double taxa_[2] = {0.0, 0.0};  // patterns per second, alone and with two threads
    double intervalo_ = kIntervaloMinimo;
    bool sondando_ = false;
};

}  // namespace motor

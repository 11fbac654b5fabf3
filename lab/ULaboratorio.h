#pragma once
// The laboratory engine: the textbook SOM family beside the classic engine, in plain double
// arithmetic. Maps rectangular or hexagonal, flat or toroidal (UGradeLab); a bubble or Gaussian
// neighbourhood whose radius and learning rate shrink over the training, linearly or
// exponentially; online or batch training; initial weights drawn at random, from the patterns, on
// the plane of the two principal components, in a corner of the data's range, or given.
//
// Online training presents the patterns one at a time (in file order, or in a new random order
// each epoch) and after each presentation moves every unit with h > 0:
//     w = w + a (x - w),  a = alpha h(d(c, i), sigma),
// sigma and alpha taken at f = s / S, s the presentation count from 0 and S = epochs x patterns.
// Batch training finds every pattern's winner with the weights at the start of the epoch, then
// sets each unit to the mean of the patterns weighted by h(d(c(x), i), sigma), sigma taken at
// f = e / E; a unit whose weights get no weight at all keeps them.
//
// A pattern's winner is the unit with the least sum of (x_j - w_j)^2 taken in attribute order, ties
// going to the lower index. The fast search computes every distance with SIMD in another order and
// then decides the near-ties with that direct sum (see UBusca.h), so it picks the very unit of the
// plain loops. Missing values (NaN) leave their component out of the distance and the update; a
// pattern without any value is skipped and counted.
//
// The result never depends on the number of threads: in batch each pattern's winner is found on
// its own, the sums per winner are taken in pattern order and each unit is smoothed on its own.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "UControle.h"
#include "UGradeLab.h"

enum class TVizinhancaLab { bolha, gaussiana };
enum class TDecaimentoLab { linear, exponencial };
enum class TModoLab { online, lote };
enum class TOrdemLab { arquivo, embaralhada };
enum class TInicioLab { aleatorio, amostras, linear, canto, pesos };

// The neighbourhood at grid distance d (d2 = d^2) for radius sigma: a bubble is 1 where d <= sigma
// (d the correctly rounded square root), a Gaussian exp(-d^2 / (2 sigma^2)) (at sigma 0, 1 at the
// winner alone).
double vizinhancaLab(TVizinhancaLab tipo, double d2, double sigma);

// A value going from `inicial` to `final`: v0 + (v1 - v0) f, or v0 pow(v1 / v0, f), f in [0, 1),
// in that order of operations (a bubble's edge falls exactly on whole distances).
struct TAgendaLab {
    double inicial = 1.0, final = 0.0;
    double valor(double f, TDecaimentoLab decaimento) const;
    bool operator==(const TAgendaLab&) const = default;
};

struct TConfiguracaoLab {
    TGradeLab grade;
    TVizinhancaLab vizinhanca = TVizinhancaLab::gaussiana;
    TAgendaLab raio{5.0, 0.0};
    TAgendaLab taxa{0.05, 0.01};                         // online only
    TDecaimentoLab decaimento = TDecaimentoLab::linear;  // of both the radius and the rate
    std::int32_t epocas = 100;
    TModoLab modo = TModoLab::online;
    TOrdemLab ordem = TOrdemLab::embaralhada;
    TInicioLab inicio = TInicioLab::amostras;
    std::vector<double> pesosIniciais;  // for TInicioLab::pesos: units x dimension, row-major
    std::uint64_t semente = 1;
    int threads = 0;  // 0: the engine chooses; the result is the same for any count
    bool operator==(const TConfiguracaoLab&) const = default;
};

inline constexpr std::int32_t kEpocasMaximasLab = 1000000;

// A seed as typed: a whole number from 0 to 2^64 - 1 in decimal digits (blanks around it allowed),
// read exactly; nothing for anything else ("1e19", "-1", "2^64" and beyond).
std::optional<std::uint64_t> sementeDeTexto(std::string_view texto);

// The patterns: padroes() rows of `dimensao` values (NaN where missing) and each one's label as an
// index into `legenda` (-1: none).
struct TDadosLab {
    std::int32_t dimensao = 0;
    std::vector<double> valores;
    std::vector<std::string> nomes;  // of the attributes (may be empty)
    std::vector<std::string> legenda;
    std::vector<std::int32_t> rotulo;
    std::size_t padroes() const {
        return dimensao > 0 ? valores.size() / static_cast<std::size_t>(dimensao) : 0;
    }
    const double* padrao(std::size_t i) const {
        return valores.data() + i * static_cast<std::size_t>(dimensao);
    }
};

// Why these settings cannot train these data (a Portuguese message naming the setting), or empty.
std::string validaConfiguracao(const TConfiguracaoLab& config, const TDadosLab& dados);

struct TRotuloUnidade {
    std::int32_t rotulo;  // into TDadosLab::legenda
    std::int64_t vezes;
};

struct TEpocaLab {
    double quantizacao = 0.0, topografico = 0.0;
};

struct TResultadoLab {
    bool completo = false;      // false: stopped before the last epoch
    std::int32_t epocas = 0;    // epochs done
    std::vector<double> pesos;  // units x dimension, row-major
    // Per pattern: its winner and second-best unit (-1 for a skipped pattern, or with one unit) and
    // its Euclidean distance to the winner, on the final map.
    std::vector<std::int32_t> vencedores, segundos;
    std::vector<double> distancias;
    std::vector<std::int64_t> acertos;  // per unit
    // Per unit, its patterns' labels, the most frequent first (ties: the first met).
    std::vector<std::vector<TRotuloUnidade>> rotulos;
    double quantizacao = 0.0;     // mean distance of a pattern to its winner
    double topografico = 0.0;     // share of patterns whose two best units are not adjacent
    std::vector<double> matrizU;  // per unit, mean distance to its adjacent units' weights
    // Per epoch, both errors of the winners found during it: in online training each pattern
    // against the map as it stood when presented; in batch, of the map after that epoch.
    std::vector<TEpocaLab> curva;
    std::int64_t ignorados = 0;  // patterns without any value
    // False for a large map stopped by a request: winners, hits and labels are the ones found
    // during the training, and the errors, distances and second-best units are not measured.
    bool medido = true;
    int threads = 1;  // that trained
};

// Called on the training's thread with each epoch's errors (the curve as it grows).
using TAoFimDaEpocaLab = std::function<void(std::int32_t epocas, const TEpocaLab& erros)>;

// Trains a map on the data. The control (optional) is checked once per pattern online and once per
// block of patterns or of units in batch; cycles in it count epochs, and when querMapa(epochs
// done) asks, the map after an epoch is handed over on the training's thread (winners of the
// patterns presented), and the starting map as epoch 0 (no winners yet). A stop keeps the map as it
// stands online, and the map of the last complete epoch in batch; a stop while the principal plane
// of a linear start is found throws EInterrompido (there is no map to keep yet). Throws
// std::invalid_argument with validaConfiguracao's message for bad settings, EMemoriaInsuficiente
// past the memory ceiling.
TResultadoLab treinaLab(const TDadosLab& dados, const TConfiguracaoLab& config,
                        TControle* controle = nullptr, const TAoFimDaEpocaLab& aoFimDaEpoca = {});

// The measures of a given map on the data (winners, errors, hits, labels, U-matrix), without
// training it: what treinaLab returns for its final map. The control (optional) is checked once
// per block of patterns; a stop request throws EInterrompido.
TResultadoLab medeLab(const TDadosLab& dados, const TGradeLab& grade,
                      const std::vector<double>& pesos, int threads = 0,
                      TControle* controle = nullptr);

// One presentation of online training, as the step mode shows it.
struct TPassoLab {
    std::int32_t epoca = 0;         // from 0
    std::size_t padrao = 0;         // in the data
    std::int64_t apresentacao = 0;  // s, from 0
    std::int32_t vencedor = -1;
    double raio = 0.0, taxa = 0.0;      // sigma and alpha of this presentation
    std::vector<double> antes, depois;  // the winner's weights
};

class TTreinoLab;

// Online training presentation by presentation (the window's step mode): the very presentations,
// order and arithmetic of treinaLab, so that stepping to the end gives its map bit for bit. The
// data must outlive it.
class TPassosLab {
  public:
    // Throws std::invalid_argument for bad settings or batch mode. With a control, the starting
    // map's computation (the one long part) throws EInterrompido at a stop request.
    TPassosLab(const TDadosLab& dados, const TConfiguracaoLab& config,
               TControle* controleDoInicio = nullptr);
    ~TPassosLab();
    TPassosLab(const TPassosLab&) = delete;
    TPassosLab& operator=(const TPassosLab&) = delete;

    // The next presentation; nothing once every epoch is done.
    std::optional<TPassoLab> proximo();
    bool terminou() const;
    // The map as it stands, measured, with the curve of the epochs done.
    TResultadoLab resultado();
    // The same without any search: the weights, the winners found so far in the training (-1 for
    // the patterns not yet presented) and the curve; nothing measured (medido false).
    TResultadoLab instante() const;

  private:
    // The curve, the epochs and whether it has ended; the map's part is the caller's.
    TResultadoLab andamento() const;

    std::unique_ptr<TTreinoLab> treino_;
    class TEstado;
    std::unique_ptr<TEstado> estado_;
};

// What a live picture needs of a map whose winners are known (an instant of a training): hits,
// labels and U-matrix, without a search; both errors left at 0.
TResultadoLab resumoLab(const TDadosLab& dados, const TGradeLab& grade,
                        const std::vector<double>& pesos,
                        const std::vector<std::int32_t>& vencedores);

// The initial weights the settings give (units x dimension, row-major). The principal plane takes
// a while on large data: with a control, a stop request while it is found throws EInterrompido.
std::vector<double> pesosIniciaisLab(const TDadosLab& dados, const TConfiguracaoLab& config,
                                     TControle* controle = nullptr);

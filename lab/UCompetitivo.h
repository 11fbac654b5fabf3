#pragma once
// The competitive-learning family beside the SOM: hard competitive learning (online k-means), LBG
// (batch k-means), neural gas with and without competitive Hebbian edges, competitive Hebbian
// learning alone, growing neural gas (with utility, for distributions that move) and the growing
// grid. Plain double arithmetic, every step as the textbooks write it:
//
// - Signals come one at a time, t = 0 .. T - 1: in file order signal t is pattern t mod N;
// shuffled,
//   a new order each pass over the patterns (a Fisher-Yates pass over the previous order, from the
//   generator seeded with semente ^ 0x6F6E6C696E65, as the SOM's online training shuffles).
// - d2(x, w) sums (x_j - w_j)^2 in attribute order; the nearest unit has the least d2, ties going
// to
//   the lower index; the second nearest is the least among the others, with the same rule. The
//   units are kept in creation order, a removal shifting the later ones down.
// - A move towards x by e: w_j <- w_j + e (x_j - w_j). Schedules are exponential,
//   v(t) = v_i pow(v_f / v_i, t / T).
// - Starting units are given, or K distinct patterns drawn with the seed as the SOM's "amostras"
//   start draws them (the first K of a random permutation).
//
// The result does not depend on the number of threads or on the search kernel.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "UControle.h"
#include "ULaboratorio.h"

enum class TModeloCompetitivo { hcl, lbg, ng, ngchl, chl, gng, gngu, gg };

// The models by their command-line names ("hcl", "lbg", "ng", "ngchl", "chl", "gng", "gngu", "gg").
std::optional<TModeloCompetitivo> modeloDoNome(const std::string& nome);
const char* nomeDoModelo(TModeloCompetitivo modelo);
// Whether the model keeps edges between its units (the growing grid: its grid's).
bool modeloTemArestas(TModeloCompetitivo modelo);

struct TConfiguracaoCompetitiva {
    TModeloCompetitivo modelo = TModeloCompetitivo::gng;
    // T = epocas x N signals, unless `sinais` is given (LBG counts epochs only; the growing grid
    // neither, see epocasAjuste).
    std::int64_t epocas = 1;
    std::int64_t sinais = 0;
    TOrdemLab ordem = TOrdemLab::embaralhada;
    std::uint64_t semente = 1;
    // The starting units: given (units x dimension, row-major: all of them for HCL, LBG, NG,
    // NG-CHL and CHL, the first two for GNG, the first four for the growing grid, row-major),
    // else patterns drawn: `unidades` of them for the first five (0: 20), 2 for GNG and GNG-U, 4
    // for the growing grid.
    std::vector<double> inicio;
    std::int32_t unidades = 0;
    // HCL, NG, NG-CHL: eps from 0.5 to 0.005; the growing grid's fine-tuning: 0.1 to 0.005.
    std::optional<TAgendaLab> eps;
    TAgendaLab lambdaNg{10.0, 0.01};  // NG, NG-CHL
    TAgendaLab idade{20.0, 200.0};    // NG-CHL: an edge older than this is removed
    // GNG and GNG-U.
    double epsB = 0.05, epsN = 0.0006;
    std::optional<std::int64_t> lambda;  // the insertion period: GNG 300, the growing grid 30
    std::int64_t idadeMax = 88;
    double alfa = 0.5, beta = 0.0005;
    double k = 3.0;  // GNG-U: a unit is removed when max E / its U exceeds k
    std::int32_t unidadesMax = 100;
    // The growing grid.
    double sigma = 0.7, eps0 = 0.005;
    std::int64_t epocasAjuste = 10;
    int threads = 0;  // 0: the engine chooses
};

inline constexpr std::int32_t kUnidadesMaximasCompetitivo = 100000;
// The growing grid's largest size: past it, growing would take hours.
inline constexpr std::int32_t kUnidadesMaximasGrade = 2500;
// A run asks for at most this many signals (hours at the engine's speed), and an insertion period
// (lambda) at most this long, so that no setting makes a run that never ends.
inline constexpr std::int64_t kSinaisMaximos = 10000000000;
inline constexpr std::int64_t kLambdaMaximo = 1000000;

// The values the model uses where the configuration leaves them to it.
TAgendaLab epsDoModelo(const TConfiguracaoCompetitiva& c);
std::int64_t lambdaDoModelo(const TConfiguracaoCompetitiva& c);
// The starting units: all those given for HCL, LBG, NG, NG-CHL and CHL.
std::int32_t unidadesIniciais(const TConfiguracaoCompetitiva& c, std::int32_t dimensao);

// Why these settings cannot train these data (a message naming the option, in the program's
// language), or empty.
std::string validaCompetitiva(const TConfiguracaoCompetitiva& c, const TDadosLab& dados);

struct TArestaCompetitiva {
    std::int32_t a = 0, b = 0;  // a < b
    std::int64_t idade = 0;
    bool operator==(const TArestaCompetitiva&) const = default;
};

struct TResultadoCompetitivo {
    std::int32_t dimensao = 0;
    std::vector<double> pesos;                // units x dimension, row-major, in unit order
    std::vector<TArestaCompetitiva> arestas;  // ordered by (a, b)
    std::int32_t linhas = 0, colunas = 0;     // the growing grid's (row-major units)
    std::int64_t sinais = 0;                  // signals presented (LBG: patterns x epochs)
    std::int32_t epocasFeitas = 0;            // LBG
    // On the final units: the mean distance of each pattern to its nearest unit, and for a model
    // with edges the share of patterns whose two nearest units share no edge.
    double quantizacao = 0.0;
    std::optional<double> topografico;
    std::vector<std::int32_t> vencedores;  // each pattern's nearest unit
    int threads = 1;                       // of the searches over every pattern
    std::int32_t unidades() const {
        return dimensao > 0
                   ? static_cast<std::int32_t>(pesos.size() / static_cast<std::size_t>(dimensao))
                   : 0;
    }
};

// A model in training, one signal at a time: what treinaCompetitivo runs over the patterns, and
// what the laboratory's playground runs over a distribution, with a person's edits between two
// signals. Every model but LBG (which works by whole epochs) is one.
class TModeloEmTreino {
  public:
    virtual ~TModeloEmTreino() = default;

    // Presents the next signal (one value per attribute).
    virtual void sinal(const double* x) = 0;
    // Whether the run's signals are all presented (the growing grid: its growth and its
    // fine-tuning).
    virtual bool terminou() const { return sinais_ >= total_; }
    std::int64_t sinais() const { return sinais_; }

    virtual std::int32_t unidades() const = 0;
    // The units, row-major, and the edges ordered by (a, b) (the growing grid: its grid's links).
    virtual std::vector<double> pesos() const = 0;
    virtual std::vector<TArestaCompetitiva> arestas() const = 0;
    // The growing grid's rows and columns (0 for the others).
    virtual std::int32_t linhas() const { return 0; }
    virtual std::int32_t colunas() const { return 0; }
    // The last signal's nearest and second nearest units (-1 before any).
    std::int32_t vencedor() const { return s1_; }
    std::int32_t segundo() const { return s2_; }

    // Edits between two signals. A unit's weights set; a unit removed with its edges, the later
    // ones shifting down (false, and nothing done, where the model cannot lose it: the growing
    // grid, or a graph that would keep fewer than two units).
    virtual void moveUnidade(std::int32_t u, const double* w) = 0;
    virtual bool removeUnidade(std::int32_t u) = 0;

  protected:
    std::int64_t sinais_ = 0, total_ = 0;
    std::int32_t s1_ = -1, s2_ = -1;
};

// The model of `c` (not LBG) over `total` signals (the schedules run from 0 to total; for the
// growing grid, its fine-tuning's signals, after a growth that takes what it takes), from the
// starting units `inicio`
// (row-major, as unidadesIniciais says how many). Throws std::invalid_argument for LBG or a
// dimension below 1.
std::unique_ptr<TModeloEmTreino> criaModeloEmTreino(const TConfiguracaoCompetitiva& c,
                                                    std::int32_t dimensao,
                                                    const std::vector<double>& inicio,
                                                    std::int64_t total);

// Trains; throws std::invalid_argument with validaCompetitiva's message, EInterrompido when the
// control asks to stop.
TResultadoCompetitivo treinaCompetitivo(const TDadosLab& dados, const TConfiguracaoCompetitiva& c,
                                        TControle* controle = nullptr);

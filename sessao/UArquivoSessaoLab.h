#pragma once
// A laboratory session as one file (.norvika-lab): a zip holding the data, each run with its
// settings, map, error curve and replay, and a manifest with the format's version. Written whole
// and then put in place (a failed save leaves the old file), read back exactly: a session opened
// and saved again gives the same bytes.
//
// Inside the zip, text parts are lines of "key value" (values escaped: %25 for '%', %0A for a line
// break, %0D for a carriage return) and numbers are written shortest-exact; arrays of numbers are
// raw little-endian parts (.f64, .i32, .bin) whose sizes the text parts fix in advance:
//   manifesto.txt            format, version, counts, the current data and map, the window's state
//   dados/N/info.txt         a data set: file, dimension, patterns, names, legend, scaling, notes
//   dados/N/valores.f64      the patterns, row-major (NaN where missing)
//   dados/N/rotulos.i32      each pattern's label (-1: none)
//   dados/N/escala.f64       each attribute's original units (a, b), when known
//   execucoes/N/info.txt     a run: name, its data, settings, epochs, seconds, frames kept
//   execucoes/N/pesos.f64    its map; curva.f64 its curve (quantization, topographic per epoch);
//   execucoes/N/iniciais.f64 the given starting weights; quadros.bin its replay, frame after frame
//                            (epoch as i64, weights f64, each pattern's winner i32)
//   mapa/info.txt, mapa/pesos.f64   a map shown that is no run (a codebook opened)

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "UControle.h"
#include "UDadosLab.h"
#include "ULaboratorio.h"

// A training's replay: the map before the first epoch and after the epochs kept, the last one the
// map the training left, with the grid and the curve they are drawn with.
struct TReprisaLab {
    struct TQuadro {
        std::int64_t epoca = 0;
        std::vector<double> pesos;
        std::vector<std::int32_t> vencedores;
    };
    TGradeLab grade;
    std::vector<TEpocaLab> curva;
    std::vector<TQuadro> quadros;
    std::size_t bytes() const;
};

// What a session file holds, as plain data.
struct TDocumentoLab {
    struct TDados {
        TCargaLab carga;
        std::string arquivo;
    };
    std::vector<TDados> dados;  // each set once
    struct TExecucao {
        std::string nome;
        std::size_t dados = 0;  // into `dados`
        std::string arquivo;
        TConfiguracaoLab config;
        std::vector<double> pesos;
        std::int32_t epocas = 0;  // done
        bool parada = false;
        double segundos = 0.0;
        std::vector<TEpocaLab> curva;
        std::shared_ptr<const TReprisaLab> reprisa;  // may be null
    };
    std::vector<TExecucao> execucoes;
    std::int64_t treinos = 0;                     // the runs' default names go on from here
    std::optional<std::size_t> dadosAtuais;       // the data open (none: no data yet)
    std::optional<std::size_t> execucaoMostrada;  // the run whose map is shown
    // A map shown that is no run: a codebook opened on the current data.
    struct TMapaSolto {
        TGradeLab grade;
        std::vector<double> pesos;
    };
    std::optional<TMapaSolto> mapa;
    // The window's own state (views, the runs selected), as it wrote it.
    std::vector<std::pair<std::string, std::string>> janela;
};

// A session file that cannot be read: "O arquivo da sessão não pôde ser lido: porque."
class ESessaoLab : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr int kVersaoSessaoLab = 1;
inline constexpr const char* kExtensaoSessaoLab = ".norvika-lab";

// The file's bytes (deterministic: the same document gives the same bytes).
std::string bytesDaSessaoLab(const TDocumentoLab& documento);
// Writes the session to `caminho` (the old file survives any failure). Throws EEntradaSaida.
void gravaSessaoLab(const TDocumentoLab& documento, const std::string& caminho);
// Reads a session file. Throws ESessaoLab for a file that is not a whole session of this version,
// EEntradaSaida when it cannot be read, EMemoriaInsuficiente when it claims more than the memory
// allowance, EInterrompido at a stop request.
TDocumentoLab leSessaoLab(const std::string& caminho, TControle* controle = nullptr);
TDocumentoLab leSessaoLabDeBytes(const std::string& bytes, TControle* controle = nullptr);

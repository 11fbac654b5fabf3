#pragma once
// Animations of a map's replay, for slides: an animated GIF (giflib) or an animated WebP (libwebp's
// animation encoder, lossless), from frames the caller paints one at a time, so that only one
// frame is in memory at once. The GIF has one palette for every frame (found over all of them),
// so that a colour never changes from one frame to the next; the frames are painted twice for it.
// Both loop forever.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class TFormatoAnimacao { gif, webp };

// The format that a file name's extension asks for (.gif, .webp, any case); nothing otherwise.
std::optional<TFormatoAnimacao> formatoDaAnimacao(std::string_view caminho);

struct TAnimacao {
    std::int32_t largura = 800, altura = 600;
    std::size_t quadros = 0;
    std::int32_t milissegundosPorQuadro = 250;
};

// Paints frame i (0 to quadros − 1) into `rgb`: largura × altura pixels, row after row, three
// bytes each (red, green, blue); `rgb` comes sized. It may throw to stop the work.
using TPintaQuadro = std::function<void(std::size_t i, std::vector<std::uint8_t>& rgb)>;

// How many times a format calls the painter for `quadros` frames: the GIF paints each twice, the
// first time to find its palette.
constexpr std::size_t pinturasDaAnimacao(TFormatoAnimacao formato, std::size_t quadros) {
    return formato == TFormatoAnimacao::gif ? 2 * quadros : quadros;
}

// The largest side either format takes.
inline constexpr std::int32_t kLadoMaximoAnimacao = 16383;

// The bytes of the animation. Throws std::invalid_argument for a size outside 1 to
// kLadoMaximoAnimacao or no frame, EEntradaSaida when the encoder fails.
std::string bytesDaAnimacao(TFormatoAnimacao formato, const TAnimacao& animacao,
                            const TPintaQuadro& pinta);

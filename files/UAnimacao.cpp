#include "UAnimacao.h"

#include <gif_lib.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <memory>
#include <stdexcept>
#include <unordered_map>

#include "UErros.h"
#include "UTraducao.h"

namespace {

using TCor = std::uint32_t;  // 0xRRGGBB

TCor corEm(const std::vector<std::uint8_t>& rgb, std::size_t p) {
    return (TCor{rgb[3 * p]} << 16) | (TCor{rgb[3 * p + 1]} << 8) | TCor{rgb[3 * p + 2]};
}
int canal(TCor c, int k) {
    return static_cast<int>((c >> (16 - 8 * k)) & 0xFF);
}

// ---------------------------------------------------------------------------------------------
// One palette for every frame: the colours themselves when there are at most 256 of them (a map's
// flat cells usually are), otherwise a median cut of all the frames' colours weighted by how
// often each occurs. The order of everything is fixed, so the same frames give the same palette.

struct TContagem {
    TCor cor;
    std::uint64_t vezes;
};

std::vector<TCor> paletaPorCorteMediano(std::vector<TContagem> cores, std::size_t tamanho) {
    struct TCaixa {
        std::size_t inicio, fim;  // into `cores`
    };
    const auto extensao = [&](const TCaixa& c, int& eixo) {
        int melhor = -1;
        for (int k = 0; k < 3; ++k) {
            int menor = 255, maior = 0;
            for (std::size_t i = c.inicio; i < c.fim; ++i) {
                menor = std::min(menor, canal(cores[i].cor, k));
                maior = std::max(maior, canal(cores[i].cor, k));
            }
            if (maior - menor > melhor) {
                melhor = maior - menor;
                eixo = k;
            }
        }
        return melhor;
    };
    std::vector<TCaixa> caixas{{0, cores.size()}};
    while (caixas.size() < tamanho) {
        // The box with the widest channel is cut at the weighted median along it.
        std::size_t escolhida = caixas.size();
        int maiorExtensao = 0, eixo = 0;
        for (std::size_t b = 0; b < caixas.size(); ++b) {
            int e = 0;
            const int x = caixas[b].fim - caixas[b].inicio > 1 ? extensao(caixas[b], e) : 0;
            if (x > maiorExtensao) {
                maiorExtensao = x;
                escolhida = b;
                eixo = e;
            }
        }
        if (escolhida == caixas.size()) break;
        TCaixa& c = caixas[escolhida];
        const auto inicio = cores.begin() + static_cast<std::ptrdiff_t>(c.inicio);
        const auto fim = cores.begin() + static_cast<std::ptrdiff_t>(c.fim);
        std::sort(inicio, fim, [eixo](const TContagem& a, const TContagem& b) {
            return canal(a.cor, eixo) != canal(b.cor, eixo)
                       ? canal(a.cor, eixo) < canal(b.cor, eixo)
                       : a.cor < b.cor;
        });
        std::uint64_t total = 0;
        for (auto i = inicio; i != fim; ++i) total += i->vezes;
        std::uint64_t acumulado = 0;
        std::size_t corte = c.inicio + 1;
        for (std::size_t i = c.inicio; i + 1 < c.fim; ++i) {
            acumulado += cores[i].vezes;
            corte = i + 1;
            if (2 * acumulado >= total) break;
        }
        const TCaixa segunda{corte, c.fim};
        c.fim = corte;
        caixas.push_back(segunda);
    }
    std::vector<TCor> paleta;
    for (const TCaixa& c : caixas) {
        std::array<std::uint64_t, 3> soma{};
        std::uint64_t peso = 0;
        for (std::size_t i = c.inicio; i < c.fim; ++i) {
            for (int k = 0; k < 3; ++k)
                soma[static_cast<std::size_t>(k)] +=
                    static_cast<std::uint64_t>(canal(cores[i].cor, k)) * cores[i].vezes;
            peso += cores[i].vezes;
        }
        TCor media = 0;
        for (int k = 0; k < 3; ++k)
            media = (media << 8) |
                    static_cast<TCor>((soma[static_cast<std::size_t>(k)] + peso / 2) / peso);
        paleta.push_back(media);
    }
    return paleta;
}

struct TPaleta {
    std::vector<TCor> cores;
    std::unordered_map<TCor, std::uint8_t> indice;  // every colour met, to its nearest entry

    std::uint8_t de(TCor cor) {
        if (const auto i = indice.find(cor); i != indice.end()) return i->second;
        std::uint8_t melhor = 0;
        int menor = std::numeric_limits<int>::max();
        for (std::size_t k = 0; k < cores.size(); ++k) {
            int d = 0;
            for (int c = 0; c < 3; ++c) {
                const int x = canal(cor, c) - canal(cores[k], c);
                d += x * x;
            }
            if (d < menor) {
                menor = d;
                melhor = static_cast<std::uint8_t>(k);
            }
        }
        indice.emplace(cor, melhor);
        return melhor;
    }
};

TPaleta paletaDosQuadros(const TAnimacao& a, const TPintaQuadro& pinta,
                         std::vector<std::uint8_t>& rgb) {
    std::unordered_map<TCor, std::uint64_t> vezes;
    const std::size_t pixels =
        static_cast<std::size_t>(a.largura) * static_cast<std::size_t>(a.altura);
    for (std::size_t q = 0; q < a.quadros; ++q) {
        pinta(q, rgb);
        for (std::size_t p = 0; p < pixels; ++p) ++vezes[corEm(rgb, p)];
    }
    std::vector<TContagem> cores;
    cores.reserve(vezes.size());
    for (const auto& [cor, n] : vezes) cores.push_back({cor, n});
    std::sort(cores.begin(), cores.end(),
              [](const TContagem& x, const TContagem& y) { return x.cor < y.cor; });
    TPaleta paleta;
    if (cores.size() <= 256) {
        for (const TContagem& c : cores) paleta.cores.push_back(c.cor);
    } else {
        paleta.cores = paletaPorCorteMediano(std::move(cores), 256);
    }
    return paleta;
}

[[noreturn]] void falhaDoCodificador(const char* formato) {
    throw EEntradaSaida(mensagem(
        QT_TRANSLATE_NOOP("Mensagens", "A animação não pôde ser montada (%1)."), {formato}));
}

int escreveNaString(GifFileType* gif, const GifByteType* bytes, int n) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(n));
    return n;
}

std::string bytesGif(const TAnimacao& a, const TPintaQuadro& pinta) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(a.largura) *
                                  static_cast<std::size_t>(a.altura) * 3);
    TPaleta paleta = paletaDosQuadros(a, pinta, rgb);
    // giflib wants a power of two entries; the unused ones stay black.
    int entradas = 2;
    while (entradas < static_cast<int>(paleta.cores.size())) entradas *= 2;
    std::vector<GifColorType> cores(static_cast<std::size_t>(entradas), GifColorType{0, 0, 0});
    for (std::size_t k = 0; k < paleta.cores.size(); ++k)
        cores[k] = {static_cast<GifByteType>(canal(paleta.cores[k], 0)),
                    static_cast<GifByteType>(canal(paleta.cores[k], 1)),
                    static_cast<GifByteType>(canal(paleta.cores[k], 2))};
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> mapa(
        GifMakeMapObject(entradas, cores.data()), GifFreeMapObject);
    if (!mapa) falhaDoCodificador("GIF");

    std::string saida;
    int erro = 0;
    // Closed however the writing ends, a frame's painter may throw to stop it.
    const auto fechaGif = [](GifFileType* g) {
        int e = 0;
        return g == nullptr || EGifCloseFile(g, &e) == GIF_OK;
    };
    std::unique_ptr<GifFileType, decltype(fechaGif)> aberto(
        EGifOpen(&saida, escreveNaString, &erro), fechaGif);
    if (!aberto) falhaDoCodificador("GIF");
    GifFileType* gif = aberto.get();
    const auto fecha = [&](bool ok) {
        if (!fechaGif(aberto.release())) ok = false;
        if (!ok) falhaDoCodificador("GIF");
    };
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, a.largura, a.altura, 8, 0, mapa.get()) == GIF_OK;
    // Netscape's extension: loop forever.
    static const GifByteType kNetscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLaco[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kNetscape, kNetscape) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kLaco, kLaco) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
    std::vector<GifPixelType> linha(static_cast<std::size_t>(a.largura));
    GraphicsControlBlock controle{};
    controle.DisposalMode = DISPOSE_DO_NOT;
    controle.DelayTime = std::max(1, a.milissegundosPorQuadro / 10);  // hundredths of a second
    controle.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extensao[4];
    EGifGCBToExtension(&controle, extensao);
    for (std::size_t q = 0; ok && q < a.quadros; ++q) {
        pinta(q, rgb);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extensao) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, a.largura, a.altura, false, nullptr) == GIF_OK;
        for (std::int32_t y = 0; ok && y < a.altura; ++y) {
            const std::size_t inicio =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(a.largura);
            for (std::size_t x = 0; x < linha.size(); ++x)
                linha[x] = paleta.de(corEm(rgb, inicio + x));
            ok = EGifPutLine(gif, linha.data(), a.largura) == GIF_OK;
        }
    }
    fecha(ok);
    return saida;
}

std::string bytesWebp(const TAnimacao& a, const TPintaQuadro& pinta) {
    WebPAnimEncoderOptions opcoes;
    if (!WebPAnimEncoderOptionsInit(&opcoes)) falhaDoCodificador("WebP");
    opcoes.anim_params.loop_count = 0;  // forever
    std::unique_ptr<WebPAnimEncoder, void (*)(WebPAnimEncoder*)> codificador(
        WebPAnimEncoderNew(a.largura, a.altura, &opcoes), WebPAnimEncoderDelete);
    WebPConfig config;
    if (!codificador || !WebPConfigInit(&config)) falhaDoCodificador("WebP");
    // Lossless: the cells' flat colours stay exact and compress well.
    config.lossless = 1;
    config.quality = 50;
    config.method = 4;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(a.largura) *
                                  static_cast<std::size_t>(a.altura) * 3);
    int instante = 0;
    for (std::size_t q = 0; q < a.quadros; ++q) {
        pinta(q, rgb);
        WebPPicture quadro;
        if (!WebPPictureInit(&quadro)) falhaDoCodificador("WebP");
        quadro.use_argb = 1;
        quadro.width = a.largura;
        quadro.height = a.altura;
        const bool ok = WebPPictureImportRGB(&quadro, rgb.data(), a.largura * 3) &&
                        WebPAnimEncoderAdd(codificador.get(), &quadro, instante, &config);
        WebPPictureFree(&quadro);
        if (!ok) falhaDoCodificador("WebP");
        instante += a.milissegundosPorQuadro;
    }
    WebPData dados;
    WebPDataInit(&dados);
    if (!WebPAnimEncoderAdd(codificador.get(), nullptr, instante, nullptr) ||
        !WebPAnimEncoderAssemble(codificador.get(), &dados))
        falhaDoCodificador("WebP");
    std::string saida(reinterpret_cast<const char*>(dados.bytes), dados.size);
    WebPDataClear(&dados);
    return saida;
}

}  // namespace

std::optional<TFormatoAnimacao> formatoDaAnimacao(std::string_view caminho) {
    const std::size_t ponto = caminho.rfind('.');
    if (ponto == std::string_view::npos || caminho.find('/', ponto) != std::string_view::npos)
        return std::nullopt;
    std::string extensao(caminho.substr(ponto + 1));
    for (char& c : extensao) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extensao == "gif") return TFormatoAnimacao::gif;
    if (extensao == "webp") return TFormatoAnimacao::webp;
    return std::nullopt;
}

std::string bytesDaAnimacao(TFormatoAnimacao formato, const TAnimacao& animacao,
                            const TPintaQuadro& pinta) {
    if (animacao.largura < 1 || animacao.altura < 1 || animacao.largura > kLadoMaximoAnimacao ||
        animacao.altura > kLadoMaximoAnimacao || animacao.quadros == 0)
        throw std::invalid_argument("animação sem quadros ou de tamanho impossível");
    return formato == TFormatoAnimacao::gif ? bytesGif(animacao, pinta)
                                            : bytesWebp(animacao, pinta);
}

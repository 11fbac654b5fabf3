#include <gif_lib.h>
#include <gtest/gtest.h>
#include <webp/demux.h>

#include <cstring>
#include <string>
#include <vector>

#include "UAnimacao.h"

namespace {

// Frame i: a vertical band of colour i moving right over a white background, plus one pixel of
// a colour that changes every frame, so that the frames together have more than 256 colours
// when asked.
TPintaQuadro bandas(const TAnimacao& a, bool muitasCores) {
    return [a, muitasCores](std::size_t i, std::vector<std::uint8_t>& rgb) {
        std::fill(rgb.begin(), rgb.end(), std::uint8_t{255});
        const auto largura = static_cast<std::size_t>(a.largura);
        for (std::size_t y = 0; y < static_cast<std::size_t>(a.altura); ++y)
            for (std::size_t x = 0; x < largura; ++x) {
                const std::size_t p = 3 * (y * largura + x);
                if (x / 4 == i) {
                    rgb[p] = static_cast<std::uint8_t>(40 * i);
                    rgb[p + 1] = 20;
                    rgb[p + 2] = 200;
                }
                if (muitasCores && y == 0)
                    rgb[p] = static_cast<std::uint8_t>(x),
                    rgb[p + 1] = static_cast<std::uint8_t>(i);
            }
    };
}

struct TGifLido {
    int quadros = 0, largura = 0, altura = 0;
    std::vector<std::vector<std::uint8_t>> rgb;  // per frame
};

TGifLido leGif(const std::string& bytes) {
    struct TFonte {
        const std::string* bytes;
        std::size_t lido = 0;
    } fonte{&bytes};
    int erro = 0;
    GifFileType* gif = DGifOpen(
        &fonte,
        [](GifFileType* g, GifByteType* destino, int n) {
            auto* f = static_cast<TFonte*>(g->UserData);
            const auto k =
                std::min<std::size_t>(static_cast<std::size_t>(n), f->bytes->size() - f->lido);
            std::memcpy(destino, f->bytes->data() + f->lido, k);
            f->lido += k;
            return static_cast<int>(k);
        },
        &erro);
    TGifLido lido;
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) return lido;
    lido.quadros = gif->ImageCount;
    lido.largura = gif->SWidth;
    lido.altura = gif->SHeight;
    for (int q = 0; q < gif->ImageCount; ++q) {
        const SavedImage& imagem = gif->SavedImages[q];
        const ColorMapObject* mapa =
            imagem.ImageDesc.ColorMap != nullptr ? imagem.ImageDesc.ColorMap : gif->SColorMap;
        std::vector<std::uint8_t> rgb;
        for (int p = 0; p < imagem.ImageDesc.Width * imagem.ImageDesc.Height; ++p) {
            const GifColorType c = mapa->Colors[imagem.RasterBits[p]];
            rgb.insert(rgb.end(), {c.Red, c.Green, c.Blue});
        }
        lido.rgb.push_back(std::move(rgb));
    }
    DGifCloseFile(gif, &erro);
    return lido;
}

}  // namespace

TEST(Animacao, gifTemOsQuadrosEAsCoresPintadas) {
    const TAnimacao a{40, 30, 6, 100};
    const std::string bytes = bytesDaAnimacao(TFormatoAnimacao::gif, a, bandas(a, false));
    ASSERT_EQ(bytes.substr(0, 6), "GIF89a");
    const TGifLido lido = leGif(bytes);
    ASSERT_EQ(lido.quadros, 6);
    EXPECT_EQ(lido.largura, 40);
    EXPECT_EQ(lido.altura, 30);
    // With fewer than 256 colours in all the frames, each comes back exactly.
    std::vector<std::uint8_t> esperado(40 * 30 * 3);
    for (std::size_t q = 0; q < 6; ++q) {
        bandas(a, false)(q, esperado);
        EXPECT_EQ(lido.rgb[q], esperado) << "quadro " << q;
    }
}

TEST(Animacao, gifDeMuitasCoresUsaUmaPaletaParaTodosOsQuadros) {
    const TAnimacao a{256, 8, 4, 100};
    const TGifLido lido = leGif(bytesDaAnimacao(TFormatoAnimacao::gif, a, bandas(a, true)));
    ASSERT_EQ(lido.quadros, 4);
    // The white of the background is in the palette, unchanged, in every frame.
    for (const auto& rgb : lido.rgb) {
        const std::size_t p = 3 * (7 * 256 + 255);
        EXPECT_EQ(rgb[p], 255);
        EXPECT_EQ(rgb[p + 1], 255);
        EXPECT_EQ(rgb[p + 2], 255);
    }
}

TEST(Animacao, webpTemOsQuadrosEOTamanho) {
    const TAnimacao a{40, 30, 5, 200};
    const std::string bytes = bytesDaAnimacao(TFormatoAnimacao::webp, a, bandas(a, false));
    WebPData dados{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoderOptions opcoes;
    ASSERT_TRUE(WebPAnimDecoderOptionsInit(&opcoes));
    opcoes.color_mode = MODE_RGBA;
    WebPAnimDecoder* decodificador = WebPAnimDecoderNew(&dados, &opcoes);
    ASSERT_NE(decodificador, nullptr);
    WebPAnimInfo info;
    ASSERT_TRUE(WebPAnimDecoderGetInfo(decodificador, &info));
    EXPECT_EQ(info.frame_count, 5u);
    EXPECT_EQ(info.canvas_width, 40u);
    EXPECT_EQ(info.canvas_height, 30u);
    // Lossless: the last frame comes back as painted.
    std::uint8_t* rgba = nullptr;
    int instante = 0;
    while (WebPAnimDecoderHasMoreFrames(decodificador))
        ASSERT_TRUE(WebPAnimDecoderGetNext(decodificador, &rgba, &instante));
    std::vector<std::uint8_t> esperado(40 * 30 * 3);
    bandas(a, false)(4, esperado);
    for (std::size_t p = 0; p < 40 * 30; ++p)
        ASSERT_EQ(std::memcmp(rgba + 4 * p, esperado.data() + 3 * p, 3), 0) << "pixel " << p;
    WebPAnimDecoderDelete(decodificador);
}

TEST(Animacao, formatoPelaExtensao) {
    EXPECT_EQ(formatoDaAnimacao("a/b.GIF"), TFormatoAnimacao::gif);
    EXPECT_EQ(formatoDaAnimacao("b.webp"), TFormatoAnimacao::webp);
    EXPECT_FALSE(formatoDaAnimacao("b.png"));
    EXPECT_FALSE(formatoDaAnimacao("a.gif/b"));
    EXPECT_THROW(bytesDaAnimacao(TFormatoAnimacao::gif, TAnimacao{10, 10, 0, 100}, {}),
                 std::invalid_argument);
}

// The laboratory's engine on small data and settings taken from the bytes: every setting either
// is refused by validaConfiguracao or trains; a batch map is the same, bit for bit, with one
// thread and two; finite data give finite weights; a step-by-step training ends on the map of the
// whole one.

#include <cmath>
#include <cstring>

#include "Comum.h"
#include "ULaboratorio.h"

namespace {

struct TBytes {
    const std::uint8_t* p;
    std::size_t n;
    std::uint8_t le() {
        if (n == 0) return 0;
        --n;
        return *p++;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    TBytes b{dados, tamanho};
    TConfiguracaoLab c;
    c.grade.linhas = 1 + b.le() % 6;
    c.grade.colunas = 1 + b.le() % 6;
    const std::uint8_t escolhas = b.le();
    c.grade.topologia = (escolhas & 1) ? TTopologiaLab::hexagonal : TTopologiaLab::retangular;
    c.grade.toroidal = (escolhas & 2) != 0;
    c.vizinhanca = (escolhas & 4) ? TVizinhancaLab::gaussiana : TVizinhancaLab::bolha;
    c.modo = (escolhas & 8) ? TModoLab::lote : TModoLab::online;
    c.ordem = (escolhas & 16) ? TOrdemLab::arquivo : TOrdemLab::embaralhada;
    c.decaimento = (escolhas & 32) ? TDecaimentoLab::exponencial : TDecaimentoLab::linear;
    c.inicio = static_cast<TInicioLab>(b.le() % 4);
    c.epocas = 1 + b.le() % 4;
    // Radii from 0 to far past the map, down to the tiniest doubles; rates in (0, 1].
    const auto raio = [&] {
        const std::uint8_t r = b.le();
        return r < 200 ? r / 20.0 : std::ldexp(1.0, -(r - 199) * 20);
    };
    c.raio = {raio(), raio()};
    c.taxa = {(1 + b.le()) / 256.0, (1 + b.le()) / 256.0};
    c.semente = b.le();
    TDadosLab d;
    d.dimensao = 1 + b.le() % 4;
    const std::size_t padroes = b.le() % 40;
    for (std::size_t i = 0; i < padroes * static_cast<std::size_t>(d.dimensao); ++i) {
        const std::uint8_t v = b.le();
        d.valores.push_back(v == 255 ? std::nan("") : (static_cast<int>(v) - 127) / 16.0);
    }
    if (!validaConfiguracao(c, d).empty()) return 0;
    c.threads = 1;
    const TResultadoLab um = treinaLab(d, c);
    if (um.pesos.size() != static_cast<std::size_t>(c.grade.unidades() * d.dimensao))
        falhou("mapa de outro tamanho");
    bool finitos = true;
    for (const double v : d.valores) finitos = finitos && !std::isnan(v);
    if (finitos)
        for (const double w : um.pesos)
            if (!std::isfinite(w)) falhou("dados finitos deram um peso que não é finito");
    if (c.modo == TModoLab::lote) {
        c.threads = 2;
        const TResultadoLab dois = treinaLab(d, c);
        if (dois.pesos.size() != um.pesos.size() ||
            std::memcmp(dois.pesos.data(), um.pesos.data(), um.pesos.size() * sizeof(double)) != 0)
            falhou("o lote com duas threads dá outro mapa");
    } else {
        TPassosLab passos(d, c);
        while (passos.proximo()) {
        }
        const TResultadoLab passo = passos.resultado();
        if (std::memcmp(passo.pesos.data(), um.pesos.data(), um.pesos.size() * sizeof(double)) != 0)
            falhou("o passo a passo termina noutro mapa");
    }
    return 0;
}

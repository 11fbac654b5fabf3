#include "UExportacao.h"

#include "UNumeros.h"

namespace {

std::string campo(const std::string& texto) {
    if (texto.find_first_of(";\"\r\n") == std::string::npos) return texto;
    std::string citado = "\"";
    for (const char c : texto) {
        if (c == '"') citado += '"';
        citado += c;
    }
    return citado + '"';
}

}  // namespace

std::string textoCsvMapa(std::int32_t linhas, std::int32_t colunas, std::int32_t dimensao,
                         const std::vector<double>& pesos,
                         const std::vector<std::int32_t>& contagens,
                         const std::vector<std::string>& rotulos,
                         const std::vector<std::string>& nomes) {
    const bool comNomes = static_cast<std::int32_t>(nomes.size()) == dimensao;
    std::string s = "linha;coluna";
    for (std::int32_t k = 0; k < dimensao; ++k)
        s += ';' + (comNomes ? campo(nomes[static_cast<std::size_t>(k)])
                             : "atributo_" + std::to_string(k + 1));
    s += ";acertos;rotulo\r\n";
    for (std::int32_t a = 0; a < linhas * colunas; ++a) {
        const auto ia = static_cast<std::size_t>(a);
        s += inteiroParaTexto(a / colunas + 1) + ';' + inteiroParaTexto(a % colunas + 1);
        for (std::int32_t k = 0; k < dimensao; ++k)
            s += ';' +
                 realParaTexto(
                     pesos[ia * static_cast<std::size_t>(dimensao) + static_cast<std::size_t>(k)]);
        s += ';' + inteiroParaTexto(contagens[ia]) + ';' + campo(rotulos[ia]) + "\r\n";
    }
    return s;
}

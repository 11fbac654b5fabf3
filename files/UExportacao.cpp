#include "UExportacao.h"

#include "UNumeros.h"
#include "UTraducao.h"

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
    // The header is in the language of the run; the numbers keep the decimal comma.
    std::string s = mensagem(QT_TRANSLATE_NOOP("Mensagens", "linha;coluna"));
    for (std::int32_t k = 0; k < dimensao; ++k)
        s += ';' + (comNomes ? campo(nomes[static_cast<std::size_t>(k)])
                             : mensagem(QT_TRANSLATE_NOOP("Mensagens", "atributo_%1"), {k + 1}));
    s += mensagem(QT_TRANSLATE_NOOP("Mensagens", ";acertos;rotulo")) + "\r\n";
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

std::string textoCsvVencedores(std::int32_t colunas, const std::vector<std::int32_t>& vencedores,
                               const std::vector<double>& distancias,
                               const std::vector<std::string>& rotulos) {
    std::string s =
        mensagem(QT_TRANSLATE_NOOP("Mensagens", "padrao;linha;coluna;distancia;rotulo")) + "\r\n";
    for (std::size_t i = 0; i < vencedores.size(); ++i) {
        s += std::to_string(i + 1) + ';';
        const std::int32_t v = vencedores[i];
        if (v >= 0)
            s += inteiroParaTexto(v / colunas + 1) + ';' + inteiroParaTexto(v % colunas + 1) + ';' +
                 realParaTexto(distancias[i]);
        else
            s += ";;";
        s += ';' + (i < rotulos.size() ? campo(rotulos[i]) : std::string()) + "\r\n";
    }
    return s;
}
